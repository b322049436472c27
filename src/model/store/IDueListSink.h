#pragma once

#include "model/store/DueRecord.h"

#include <QString>

// What the store fills when it lists dues: the main list and the print
// dialog's list implement it, and so do the command line and the tests.
class IDueListSink
{
public:
    virtual ~IDueListSink() = default;
    virtual void DeleteAllItems() = 0;
    virtual int GetItemCount() const = 0;
    // Appends an item at index (always the current count) owning a copy of record.
    virtual void InsertItem(int index, const QString& text, int image, const DueRecord& record) = 0;
};

// A plain list of records, for callers without a widget.
class DueRecordList : public IDueListSink
{
public:
    void DeleteAllItems() override
    {
        records.clear();
        images.clear();
        texts.clear();
    }
    int GetItemCount() const override { return int(records.size()); }
    void InsertItem(int index, const QString& text, int image, const DueRecord& record) override
    {
        records.insert(index, record);
        images.insert(index, image);
        texts.insert(index, text);
    }

    QList<DueRecord> records;
    QList<int> images;
    QStringList texts;
};
