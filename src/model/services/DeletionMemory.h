#pragma once

#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// What this installation deleted from one data folder, and when: kept in one
// file of the user's own state (never in the data folder, which a sync tool
// carries to other machines). A due deleted here that another machine changed
// meanwhile is brought back by the sync tool; with this memory the program
// can say so once instead of letting it reappear without a word.
//
// The window and the command line change the file alike, so every change
// reads it, changes it and writes it whole under a lock file. Entries older
// than kKeepDays go, and no more than kMaxEntries are kept.
class DeletionMemory
{
public:
    explicit DeletionMemory(const DataFolder& folder);
    ~DeletionMemory();
    DeletionMemory(const DeletionMemory&) = delete;
    DeletionMemory& operator=(const DeletionMemory&) = delete;

    static constexpr int kKeepDays = 90;
    static constexpr int kMaxEntries = 20000;

    const DataFolder& Folder() const { return m_folder; }
    QString FilePath() const { return m_path; }
    static QString FilePathFor(const DataFolder& folder);

    // Every remembered due with when it was deleted, as the file holds it now
    // (entries past kKeepDays left out).
    QHash<QString, QDateTime> Entries() const;
    // The remembered dues that store holds again, oldest deletion first.
    QList<std::pair<QString, QDateTime>> Returned(const CDueStore& store) const;

    [[nodiscard]] bool Remember(const QStringList& ids, const QDateTime& when, QString* why);
    [[nodiscard]] bool Forget(const QStringList& ids, QString* why);

    // Hooks store: the removals it makes are remembered (with the clock's
    // time then), and dues it writes under a new file are forgotten (this
    // installation put them there), once Flush runs.
    void Follow(CDueStore& store);
    void Unfollow();
    bool HasPending() const { return !m_pending.isEmpty(); }
    [[nodiscard]] bool Flush(QString* why);

private:
    using Map = QHash<QString, QDateTime>;
    Map Read(QString* why) const;
    bool Change(const std::function<void(Map&)>& change, QString* why);

    DataFolder m_folder;
    QString m_path;
    CDueStore* m_followed = nullptr;
    // In the order they happened: an identifier removed, then made again, is
    // forgotten; made, then removed, remembered.
    struct Pending
    {
        QString recId;
        bool removed = false;
        QDateTime when;
    };
    QList<Pending> m_pending;
};
