#pragma once

#include "sync/SyncEngine.h"

#include <QDialog>
#include <QHash>
#include <QList>

class QComboBox;
class QTableWidget;

// Dues changed both here and on the calendar server since the last sync:
// each with this computer's version beside the server's, and what to keep.
// Nothing is written until the user chooses; "Later" leaves it for another
// time.
class CSyncConflictDlg : public QDialog
{
    Q_OBJECT
public:
    CSyncConflictDlg(const QList<SyncConflict>& conflicts, QWidget* parent = nullptr);

    enum Choice
    {
        Later,
        KeepHere,
        TakeServer
    };
    // The choice of each row, by record identifier: true keeps this
    // computer's version, false takes the server's; "Later" is left out.
    QHash<QString, bool> Choices() const;

    QTableWidget* Table() const { return m_table; }
    QComboBox* ChoiceOf(int row) const;

private:
    QList<SyncConflict> m_conflicts;
    QTableWidget* m_table;
};
