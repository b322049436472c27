#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QScrollArea;

// The bar above the list that shows reminders no desktop notification
// service took. It names a few and says how many more there are, with a link
// to Coming Up, which lists them all; its height is bounded (a long text
// scrolls inside it), so it never pushes the list out of the window nor
// makes the window grow.
class CReminderBar : public QFrame
{
    Q_OBJECT
public:
    explicit CReminderBar(QWidget* parent = nullptr);

    // Lines shown at most; the rest is counted in "and N more".
    static constexpr int kShownLines = 5;

    // Adds reminders to what the bar shows (it shows itself); more counts
    // reminders left unnamed.
    void AddReminders(const QStringList& lines, int more);
    // Hides the bar and forgets what it showed.
    void Clear();
    QString text() const;
    QLabel* Label() const { return m_label; }

signals:
    void comingUpRequested();

private:
    void Fill();

    QScrollArea* m_scroll;
    QLabel* m_label;
    QStringList m_lines;
    int m_more = 0;
};
