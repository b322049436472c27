#include "CDialogScroller.h"

#include "DialogUnits.h"

#include <QScrollBar>
#include <QWidget>

CDialogScroller::Axis CDialogScroller::Resize(int design, int visible, const Axis& old)
{
    if (visible >= design)
        return {};
    Axis axis;
    axis.page = visible;
    int pos = 0;
    if (old.pos > 0 && old.page > 0)
        pos = int(qint64(old.pos) * visible / old.page);
    axis.pos = qBound(0, pos, design - visible - 1);
    return axis;
}

int CDialogScroller::Scroll(Request request, int trackPos, int design, const Axis& axis)
{
    int pos = axis.pos;
    switch (request) {
    case Request::LineUp:
        pos -= kLineStep;
        break;
    case Request::LineDown:
        pos += kLineStep;
        break;
    case Request::PageUp:
        pos -= axis.page;
        break;
    case Request::PageDown:
        pos += axis.page;
        break;
    case Request::ThumbTrack:
    case Request::ThumbPosition:
        pos = trackPos;
        break;
    default:
        return axis.pos;
    }
    return qBound(0, pos, qMax(0, design - axis.page));
}

CDialogScroller::CDialogScroller(QObject* parent) : QObject(parent) {}

void CDialogScroller::Attach(QWidget* dialog, QWidget* viewport, QWidget* content, QScrollBar* horizontal,
                             QScrollBar* vertical, const QSize& designUnits)
{
    m_dialog = dialog;
    m_viewport = viewport;
    m_content = content;
    m_hBar = horizontal;
    m_vBar = vertical;
    m_design = DialogUnits::ToPixels(designUnits, DialogUnits::BaseUnits(dialog->font()));
    m_h = {};
    m_v = {};
    for (QScrollBar* bar : {horizontal, vertical}) {
        bar->setSingleStep(kLineStep);
        const Qt::Orientation orientation = bar->orientation();
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, orientation](int action) { OnBarAction(orientation, action); });
    }
    OnSize();
}

void CDialogScroller::OnSize()
{
    if (!m_viewport || !m_hBar || !m_vBar)
        return;
    // The bars never go away, so the viewport is all there is to see: adding
    // a bar's thickness here would leave the last strip of the dialog hidden
    // behind that bar.
    m_h = Resize(m_design.width(), m_viewport->width(), m_h);
    m_v = Resize(m_design.height(), m_viewport->height(), m_v);
    ApplyBar(m_hBar, m_h, m_design.width());
    ApplyBar(m_vBar, m_v, m_design.height());
    PlaceContent();
}

void CDialogScroller::OnScroll(Qt::Orientation orientation, Request request, int trackPos)
{
    Axis& axis = orientation == Qt::Horizontal ? m_h : m_v;
    const int design = orientation == Qt::Horizontal ? m_design.width() : m_design.height();
    if (axis.page == 0)
        return;
    const int pos = Scroll(request, trackPos, design, axis);
    if (pos == axis.pos)
        return;
    axis.pos = pos;
    ApplyBar(orientation == Qt::Horizontal ? m_hBar : m_vBar, axis, design);
    PlaceContent();
}

void CDialogScroller::OnBarAction(Qt::Orientation orientation, int action)
{
    if (m_updatingBars)
        return;
    QScrollBar* bar = orientation == Qt::Horizontal ? m_hBar : m_vBar;
    Request request;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        request = Request::LineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        request = Request::LineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = Request::PageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = Request::PageDown;
        break;
    case QAbstractSlider::SliderMove:
        request = Request::ThumbTrack;
        break;
    case QAbstractSlider::SliderToMinimum:
        request = Request::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        request = Request::Bottom;
        break;
    default:
        request = Request::EndScroll;
        break;
    }
    const int trackPos = bar->sliderPosition();
    OnScroll(orientation, request, trackPos);
    // The bar shows our position, whatever it made of the action itself.
    const Axis& axis = orientation == Qt::Horizontal ? m_h : m_v;
    bar->setSliderPosition(axis.pos);
}

void CDialogScroller::ApplyBar(QScrollBar* bar, const Axis& axis, int design)
{
    m_updatingBars = true;
    if (axis.page > 0) {
        bar->setRange(0, design - axis.page);
        bar->setPageStep(axis.page);
    } else {
        bar->setRange(0, 0);
        bar->setPageStep(0);
    }
    bar->setValue(axis.pos);
    bar->setEnabled(axis.page > 0);
    m_updatingBars = false;
}

void CDialogScroller::PlaceContent()
{
    if (!m_content || !m_viewport)
        return;
    // Without scrolling the content takes the viewport; with it, the design size.
    const int width = m_h.page > 0 ? m_design.width() : m_viewport->width();
    const int height = m_v.page > 0 ? m_design.height() : m_viewport->height();
    m_content->setGeometry(-m_h.pos, -m_v.pos, width, height);
}
