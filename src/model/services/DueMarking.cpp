#include "model/services/DueMarking.h"

QStringList MarkDues(CDueStore& store, const QStringList& recIds, bool paid)
{
    QStringList written;
    for (const QString& id : recIds) {
        if (!store.Contains(id))
            continue;
        DueRecord record = store.GetDue(id);
        if ((record.m_bPaid != 0) == paid)
            continue;
        record.m_bPaid = paid ? 1 : 0;
        if (store.ReplaceDue(record))
            written << id;
    }
    return written;
}
