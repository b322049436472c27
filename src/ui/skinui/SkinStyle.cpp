#include "ui/skinui/SkinStyle.h"

#include "ui/images/DrawnImages.h"
#include "ui/skinui/CGuiFrameWnd.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyleOption>
#include <QToolBar>

namespace {

constexpr char kRoleProperty[] = "tallyvaneSkinRole";

SkinStyle::Role RoleOf(const QWidget* widget)
{
    if (!widget)
        return SkinStyle::Role::None;
    const QVariant role = widget->property(kRoleProperty);
    return role.isValid() ? SkinStyle::Role(role.toInt()) : SkinStyle::Role::None;
}

// The skinned frame a widget belongs to, or null.
const CGuiFrameWnd* FrameOf(const QWidget* widget)
{
    return widget ? qobject_cast<const CGuiFrameWnd*>(widget->window()) : nullptr;
}

// A bar of a skinned frame: its menu bar, a tool bar or its status bar.
template <class Bar> bool IsFrameBar(const QWidget* widget)
{
    return qobject_cast<const Bar*>(widget) && FrameOf(widget);
}

int StyleOf(const QWidget* widget)
{
    const CGuiFrameWnd* frame = FrameOf(widget);
    return frame ? frame->Style() : GuiDrawLayer::m_Style;
}

// The face's gradient over `span` (the whole bar), painted into `rect`.
void FillBanner(QPainter* painter, const QRect& rect, const QRect& span, int style)
{
    const auto [top, bottom] = GuiDrawLayer::BannerColors(GuiDrawLayer::GetRGBColorFace(style));
    QLinearGradient gradient(span.topLeft(), span.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter->fillRect(rect, gradient);
}

// A filled box with a border of one or more pixels inside `rect`.
void FillBox(QPainter* painter, const QRect& rect, const QColor& fill, const QColor& border, int borderWidth,
             qreal radius)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, radius > 0);
    const qreal inset = borderWidth / 2.0;
    const QRectF box = QRectF(rect).adjusted(inset, inset, -inset, -inset);
    painter->setPen(border.isValid() ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    painter->setBrush(fill);
    painter->drawRoundedRect(box, radius, radius);
    painter->restore();
}

// A line along one edge of `rect` in the frame's shadow colour.
void ShadowLine(QPainter* painter, const QRect& rect, bool atTop, int style)
{
    painter->save();
    painter->setPen(GuiDrawLayer::GetRGBColorShadow(style));
    const int y = atTop ? rect.top() : rect.bottom();
    painter->drawLine(rect.left(), y, rect.right(), y);
    painter->restore();
}

} // namespace

SkinStyle::SkinStyle() = default;

QColor SkinStyle::HotColor()
{
    return GuiDrawLayer::Skin().hot;
}

QColor SkinStyle::HotBorderColor()
{
    return GuiDrawLayer::Skin().hotBorder;
}

QColor SkinStyle::PressedColor()
{
    return GuiDrawLayer::Skin().pressed;
}

void SkinStyle::Install()
{
    if (!qobject_cast<SkinStyle*>(QApplication::style()))
        QApplication::setStyle(new SkinStyle);
}

void SkinStyle::SetRole(QWidget* widget, Role role)
{
    widget->setProperty(kRoleProperty, int(role));
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonTool: {
        // A tool bar's button, an item of the navigation pane: hot when the
        // mouse is over it, darker while pressed or on.
        const QWidget* parent = widget ? widget->parentWidget() : nullptr;
        const bool inBar = IsFrameBar<QToolBar>(parent);
        const bool isItem = RoleOf(parent) == Role::OutlookItems;
        if (!inBar && !isItem)
            break;
        if (isItem && (option->state & State_HasFocus))
            return; // the focus look, painted as the focus frame
        const bool down = option->state & (State_Sunken | State_On);
        if (down || (option->state & (State_MouseOver | State_Raised)))
            FillBox(painter, option->rect, down ? PressedColor() : HotColor(), HotBorderColor(), 1,
                    inBar ? 2 : 3);
        return;
    }
    case PE_FrameFocusRect:
        if (widget && RoleOf(widget->parentWidget()) == Role::OutlookItems) {
            // The item with the keyboard focus: light, with a strong border.
            FillBox(painter, widget->rect(), GuiDrawLayer::Skin().focus, HotBorderColor(), 2, 3);
            return;
        }
        break;
    case PE_PanelStatusBar:
        if (IsFrameBar<QStatusBar>(widget)) {
            FillBanner(painter, option->rect, option->rect, StyleOf(widget));
            ShadowLine(painter, option->rect, true, StyleOf(widget));
            return;
        }
        break;
    case PE_FrameStatusBarItem:
        if (FrameOf(widget))
            return; // the panes draw their own dividers
        break;
    case PE_IndicatorToolBarSeparator:
        if (FrameOf(widget)) {
            painter->save();
            painter->setPen(GuiDrawLayer::GetRGBColorShadow(StyleOf(widget)));
            const QRect r = option->rect;
            if (option->state & State_Horizontal) // a horizontal bar's separator stands upright
                painter->drawLine(r.center().x(), r.top() + 4, r.center().x(), r.bottom() - 4);
            else
                painter->drawLine(r.left() + 4, r.center().y(), r.right() - 4, r.center().y());
            painter->restore();
            return;
        }
        break;
    case PE_IndicatorDockWidgetResizeHandle:
        if (FrameOf(widget)) {
            painter->fillRect(option->rect, GuiDrawLayer::GetRGBColorFace(StyleOf(widget)));
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    switch (element) {
    case CE_MenuBarEmptyArea:
        if (IsFrameBar<QMenuBar>(widget)) {
            FillBanner(painter, option->rect, widget->rect(), StyleOf(widget));
            ShadowLine(painter, widget->rect(), false, StyleOf(widget));
            return;
        }
        break;
    case CE_MenuBarItem:
        if (IsFrameBar<QMenuBar>(widget)) {
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            if (!item)
                break;
            FillBanner(painter, option->rect, widget->rect(), StyleOf(widget));
            ShadowLine(painter, widget->rect(), false, StyleOf(widget));
            const bool hot = (option->state & State_Selected) && (option->state & State_Enabled);
            if (hot)
                FillBox(painter, option->rect.adjusted(0, 0, 0, -1), HotColor(), HotBorderColor(), 1, 0);
            int alignment = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
            if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget))
                alignment |= Qt::TextHideMnemonic;
            // The skin's text on the skin's banner, whatever palette the bar has.
            QPalette colours = item->palette;
            const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
            colours.setColor(QPalette::Active, QPalette::ButtonText, skin.text);
            colours.setColor(QPalette::Inactive, QPalette::ButtonText, skin.text);
            colours.setColor(QPalette::Disabled, QPalette::ButtonText, skin.disabledText);
            proxy()->drawItemText(painter, option->rect, alignment, colours, option->state & State_Enabled,
                                  item->text, QPalette::ButtonText);
            return;
        }
        break;
    case CE_ToolBar:
        if (IsFrameBar<QToolBar>(widget)) {
            FillBanner(painter, option->rect, option->rect, StyleOf(widget));
            ShadowLine(painter, option->rect, false, StyleOf(widget));
            return;
        }
        break;
    case CE_ToolBoxTabShape:
        if (RoleOf(widget) == Role::Folders) {
            // A folder's bar: the banner, yellow when open, hot under the mouse.
            const QRect r = option->rect;
            if (option->state & State_MouseOver) {
                painter->fillRect(r, HotColor());
            } else if (option->state & State_Selected) {
                QLinearGradient open(r.topLeft(), r.bottomLeft());
                open.setColorAt(0, GuiDrawLayer::Skin().focus);
                open.setColorAt(1, PressedColor());
                painter->fillRect(r, open);
            } else {
                FillBanner(painter, r, r, StyleOf(widget));
            }
            painter->save();
            painter->setPen(GuiDrawLayer::GetRGBColorShadow(StyleOf(widget)));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        break;
    case CE_ToolBoxTabLabel:
        if (RoleOf(widget) == Role::Folders) {
            const auto* tab = qstyleoption_cast<const QStyleOptionToolBox*>(option);
            if (!tab)
                break;
            painter->save();
            QFont bold = painter->font();
            bold.setBold(true);
            painter->setFont(bold);
            const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
            painter->setPen((option->state & State_Enabled) ? skin.text : skin.disabledText);
            int alignment = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
            if (!proxy()->styleHint(SH_UnderlineShortcut, tab, widget))
                alignment |= Qt::TextHideMnemonic;
            const QRect text = option->rect.adjusted(11, 0, -4, 0);
            painter->drawText(
                text, alignment,
                QFontMetrics(bold).elidedText(tab->text, Qt::ElideRight, text.width(), Qt::TextShowMnemonic));
            painter->restore();
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ToolBarItemSpacing:
        if (FrameOf(widget))
            return 2;
        break;
    case PM_ToolBarItemMargin:
        if (FrameOf(widget))
            return 2;
        break;
    case PM_ToolBarFrameWidth:
        if (FrameOf(widget))
            return 0;
        break;
    case PM_ToolBarSeparatorExtent:
        if (FrameOf(widget))
            return 7;
        break;
    case PM_DockWidgetSeparatorExtent:
        if (FrameOf(widget))
            return 4;
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize SkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const
{
    if (type == CT_MenuBarItem && IsFrameBar<QMenuBar>(widget) && !size.isEmpty())
        return size + QSize(16, 6); // the text with 8 px either side, 3 above and below
    if (type == CT_ToolButton && widget && RoleOf(widget->parentWidget()) == Role::OutlookItems)
        return QProxyStyle::sizeFromContents(type, option, size, widget) + QSize(4, 4);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

QIcon SkinStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // Every menu bar and tool bar asks for these when it is made; the desktop
    // style reads them from image files, the first of which loads every image
    // format the system has, before the window can show.
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return DrawnImages::GlyphIcon(DrawnImages::Glyph::MoreRight);
    if (icon == SP_ToolBarVerticalExtensionButton)
        return DrawnImages::GlyphIcon(DrawnImages::Glyph::MoreDown);
    return QProxyStyle::standardIcon(icon, option, widget);
}
