#pragma once

#include "ui/list/DueRecordMeta.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class ComingUpModel;
class QLabel;
class QListView;
class QTimer;

// Every unpaid due that is late and every due of the next days, across
// months, coloured as the month list, with the overdue and next 7 / 30 days
// sums above, and a word that the month list's filter does not apply. It
// lists again at midnight and whenever the frame refreshes.
class CComingUpView : public QWidget
{
    Q_OBJECT
public:
    explicit CComingUpView(QWidget* parent = nullptr);

    // Lists from theDueStore as of Clock::Now(); keeps the selection.
    void Refresh();
    QStringList SelectedIds() const;
    QList<DueRecord> SelectedDues() const;
    void SelectIds(const QStringList& ids);

    QListView* List() const { return m_list; }
    ComingUpModel* Model() const { return m_model; }
    // The overdue, next 7 and next 30 days sums, as the line above the list says them.
    QString SumsText() const;
    // The line of sums; its three parts stand apart, in the layout's direction.
    QWidget* SumsLine() const { return m_sums; }

signals:
    void dueSelected(const DueRecord& record);
    void selectionCleared();
    void modifyRequested(const QString& recId);
    void contextMenuRequested(const QPoint& globalPos);

private:
    void OnSelectionChanged();
    void ArmMidnight();

    QStringList Sums() const;

    QWidget* m_sums;
    QList<QLabel*> m_sumLabels; // overdue, next 7 days, next 30 days
    QLabel* m_note;
    QListView* m_list;
    ComingUpModel* m_model;
    QTimer* m_midnight;
};
