#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QScrollBar;
class QWidget;

// Makes a dialog scrollable when its window is smaller than the dialog's
// design size, as happens on the handheld when the soft input panel comes up.
//
// The dialog's content is one widget inside a viewport, with a scroll bar for
// each axis beside it. The dialog forwards its size changes (OnSize); the
// scroll bars report their actions here. The bars stay visible and are only
// disabled when their axis does not need scrolling.
class CDialogScroller : public QObject
{
    Q_OBJECT

public:
    // One line of scrolling, in pixels.
    static constexpr int kLineStep = 60;

    // Scroll state of one axis: page 0 means no scrolling on it.
    struct Axis
    {
        int page = 0;
        int pos = 0;
        bool operator==(const Axis&) const = default;
    };

    enum class Request
    {
        LineUp,
        LineDown,
        PageUp,
        PageDown,
        ThumbTrack,
        ThumbPosition,
        Top,
        Bottom,
        EndScroll
    };

    // The axis after a size change: scrolling when visible < design, with the
    // page the visible extent; a previous position is rescaled by
    // visible / old page and kept below design - visible.
    static Axis Resize(int design, int visible, const Axis& old);
    // The position a scroll request leads to, within 0 .. design - page.
    // Requests other than lines, pages and the thumb leave it unchanged.
    static int Scroll(Request request, int trackPos, int design, const Axis& axis);

    explicit CDialogScroller(QObject* parent = nullptr);

    // designUnits is in dialog units, converted with the base units of the
    // dialog's font.
    void Attach(QWidget* dialog, QWidget* viewport, QWidget* content, QScrollBar* horizontal,
                QScrollBar* vertical, const QSize& designUnits);

    void OnSize();
    void OnScroll(Qt::Orientation orientation, Request request, int trackPos);

    QSize DesignSize() const { return m_design; }
    Axis HorizontalAxis() const { return m_h; }
    Axis VerticalAxis() const { return m_v; }

private:
    void OnBarAction(Qt::Orientation orientation, int action);
    void ApplyBar(QScrollBar* bar, const Axis& axis, int design);
    void PlaceContent();

    QPointer<QWidget> m_dialog;
    QPointer<QWidget> m_viewport;
    QPointer<QWidget> m_content;
    QPointer<QScrollBar> m_hBar;
    QPointer<QScrollBar> m_vBar;
    QSize m_design;
    Axis m_h;
    Axis m_v;
    bool m_updatingBars = false;
};
