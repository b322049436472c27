#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// The order in which Tab and Shift+Tab go round the parts of a window: each
// part is one stop, however many controls it holds, and the last part leads
// back to the first. Parts that are hidden or disabled are passed over.
class FocusRing
{
public:
    // area: the part; enter: gives it the focus (null: area->setFocus()).
    void Add(QWidget* area, std::function<void()> enter = {});

    // Moves the focus from the part holding `from` to the next or previous
    // one. False when `from` is in none of the parts (the caller then goes on
    // as usual).
    bool Move(QWidget* from, bool next);

    // The part holding a widget, or -1.
    int PartOf(const QWidget* widget) const;
    int Count() const { return int(m_parts.size()); }
    QWidget* Area(int index) const { return m_parts.value(index).area; }

private:
    struct Part
    {
        QPointer<QWidget> area;
        std::function<void()> enter;
    };
    bool Usable(const Part& part, const QWidget* window) const;
    QList<Part> m_parts;
};
