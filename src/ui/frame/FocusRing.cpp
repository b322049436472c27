#include "ui/frame/FocusRing.h"

void FocusRing::Add(QWidget* area, std::function<void()> enter)
{
    m_parts.append({area, std::move(enter)});
}

int FocusRing::PartOf(const QWidget* widget) const
{
    for (int i = 0; i < m_parts.size(); ++i) {
        const QWidget* area = m_parts.at(i).area;
        if (area && widget && (area == widget || area->isAncestorOf(widget)))
            return i;
    }
    return -1;
}

bool FocusRing::Usable(const Part& part, const QWidget* window) const
{
    // A part in a window of its own (a floating bar) is not part of the round.
    const QWidget* area = part.area;
    return area && area->isEnabled() && area->isVisible() && area->window() == window &&
           (part.enter || area->focusPolicy() != Qt::NoFocus);
}

bool FocusRing::Move(QWidget* from, bool next)
{
    const int at = PartOf(from);
    if (at < 0)
        return false;
    const int n = int(m_parts.size());
    for (int step = 1; step <= n; ++step) {
        const int i = ((next ? at + step : at - step) % n + n) % n;
        const Part& part = m_parts.at(i);
        if (!Usable(part, from->window()))
            continue;
        if (part.enter)
            part.enter();
        else
            part.area->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
