#pragma once

#include <QFrame>

class QLabel;

// The bar above the list that says how many dues more than one file holds
// (a sync tool's conflicting copies, two machines that made the same
// identifier), with a link that opens the dialog to resolve them. Hidden
// while there are none.
class CConflictBar : public QFrame
{
    Q_OBJECT
public:
    explicit CConflictBar(QWidget* parent = nullptr);

    // Shows the count, or hides the bar for none.
    void SetCount(int count);
    int Count() const { return m_count; }
    QString text() const;
    QLabel* Label() const { return m_label; }

signals:
    void resolveRequested();

private:
    QLabel* m_label;
    int m_count = 0;
};
