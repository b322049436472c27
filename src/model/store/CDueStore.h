#pragma once

#include "model/store/DataFolder.h"
#include "model/store/DueRecord.h"
#include "model/store/IDueListSink.h"
#include "model/store/SaveFile.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// Every due of the data folder, in memory, keyed by record identifier. Each
// change is written at once to that due's file, durably: when a change
// returns, it survives a power cut. Each record remembers the file it came
// from, and its changes and its removal go to that file.
//
// Walks visit 17 buckets in order (bucket = hash of the identifier mod 17) and
// within a bucket the most recently inserted identifier first; the print list
// and the series operations follow this order.
// Which dues a month listing keeps.
enum class DueFilter
{
    All,
    Paid,
    Unpaid
};

// The dues of one month in walk order, with the sums of their amounts.
struct MonthList
{
    QList<DueRecord> rows;
    double paid = 0.0;
    double unpaid = 0.0;
    double Total() const { return paid + unpaid; }
};

// What a walk over many dues needs of each without reading the rest of its
// file: reminders and counts over a whole folder stay cheap.
struct DueBrief
{
    QString recId;
    bool paid = false;
    COleDateTime due;
    // Not (yet) a due of the folder: the placeholder of a series being made,
    // or a due whose file was never written.
    bool placeholder = false;
};

// A due that more than one file of the folder holds: the file that is listed
// as the due and the others, by name.
struct DueConflict
{
    QString recId;
    QString listedFile;
    QStringList otherFiles;
};

// One file of a conflict as it reads now: its name in the data folder, when
// it was last modified, and the due it holds.
struct ConflictVersion
{
    QString file;
    QDateTime modified;
    bool listed = false; // the file listed as the due
    DueRecord record;
};

// A write of a due refused because its file changed since the store last read
// or wrote it (another program, a sync tool): what is on disk now.
struct StaleChange
{
    QString recId;
    QString path;
    DueRecord base;   // what the store had read, which ours was made from
    DueRecord ours;   // what was to be written (empty for a removal)
    DueRecord theirs; // what the file holds now (empty when it is gone)
    bool gone = false;
    bool removal = false;
};

// Progress of a change to many dues: done so far of total. Returning false
// stops the change before the next due.
using ChangeProgress = std::function<bool(qsizetype done, qsizetype total)>;

// How far a change to many dues got. Each due is written whole, so every due
// is either as it was or as it was meant to be.
struct ChangeOutcome
{
    qsizetype done = 0;
    qsizetype total = 0;
    bool cancelled = false;
    bool failed = false; // a write or removal failed (the reason is in the errors)
    bool Complete() const { return done == total && !failed; }
};

// What a store holds, apart from the store: a load on another thread
// fills one and the store takes it over (see CDueStore::ReadFolder).
struct DueStoreContents;
struct DueStoreContentsDeleter
{
    void operator()(DueStoreContents* contents) const;
};
using DueStoreContentsPtr = std::unique_ptr<DueStoreContents, DueStoreContentsDeleter>;

class CDueStore
{
public:
    CDueStore();
    ~CDueStore();
    CDueStore(const CDueStore&) = delete;
    CDueStore& operator=(const CDueStore&) = delete;

    static constexpr int kBuckets = 17;

    // Groups the writes of one user action (a whole series) into one sync
    // pass; see SaveFile::Batch. Changes made within it are durable when the
    // outermost batch ends.
    using Batch = SaveFile::Batch;

    // The folder every load and write goes to; nothing is read until LoadAll.
    // A writer's store finishes or takes back what writers that are gone left
    // in the folder when it loads, and its commits take the folder's
    // writers' lock (see FolderLock) while they rename.
    void SetFolder(const DataFolder& folder, bool writer = false);
    const DataFolder& Folder() const { return m_folder; }
    bool IsWriter() const { return m_writer; }

    // Creates the data folder and reloads everything.
    void LoadAll();
    void ScanFolder();
    // Reads one due file; false (and a load problem) when it is malformed.
    [[nodiscard]] bool LoadDueFile(const QString& path);

    [[nodiscard]] bool SaveDueFile(const DueRecord& record, bool bTouch);
    [[nodiscard]] bool TouchPreferences();

    // Stores a copy under a new identifier and returns the identifier. A
    // record with a series identifier is a member of a series. The file is
    // created without ever replacing one: a name another program took meanwhile
    // moves the due on to the next identifier.
    QString AddDue(DueRecord record);
    // A placeholder of a series being made: kept in memory only, under an
    // identifier of its own, until ReplaceDue completes it (then it takes its
    // due file name) or RemoveDue or DiscardDues take it back. Nothing of it
    // reaches the disk, so a crash leaves nothing behind.
    QString AddPlaceholder(DueRecord record);
    [[nodiscard]] bool ReplaceDue(const DueRecord& record);
    DueRecord GetDue(const QString& id) const;
    bool Contains(const QString& id) const { return Find(id) >= 0; }
    // Removes the file, then the record; on failure nothing leaves memory.
    [[nodiscard]] bool RemoveDue(const QString& id, bool bTouch);
    void RemoveAll();

    // The load in two halves, for a load on another thread: ReadFolder reads
    // a data folder apart from any store (sweeping our own leftovers when
    // sweep is set: only the holder of the folder's lock may), Adopt makes
    // what it read the store's dues in place of the ones it had.
    static DueStoreContentsPtr ReadFolder(const DataFolder& folder, bool sweep);
    // Reads the due file of id again into memory, or drops the due when the
    // file is gone: after a write that did not land.
    void Reread(const QString& id);
    void Adopt(DueStoreContentsPtr contents);

    // Leaves the dues in memory to the end of the process instead of
    // freeing them one by one: for a program about to exit. The store is
    // empty afterwards.
    void LeaveToExit();

    void GetSeriesIds(const QString& seriesId, QStringList& ids) const;
    [[nodiscard]] bool ModifySeries(const DueRecord& record, const ChangeProgress& progress = {},
                                    ChangeOutcome* outcome = nullptr);
    [[nodiscard]] bool DeleteSeries(const QString& seriesId, const ChangeProgress& progress = {},
                                    ChangeOutcome* outcome = nullptr);

    // Many dues at once, one after the other, with one touch of the marker
    // file at the end: each record replaces the stored one under its
    // identifier. Stops at the first failed write, or when progress says so.
    ChangeOutcome ReplaceDues(const QList<DueRecord>& records, const ChangeProgress& progress = {});
    // Removes the dues' files and records; stops at the first failure.
    ChangeOutcome RemoveDues(const QStringList& ids, bool bTouch, const ChangeProgress& progress = {});
    // Takes dues back that should never have been kept (placeholders of an
    // unfinished series): removes the files that exist and forgets every
    // record, also those whose file was never written. False when a file that
    // is there could not be removed (said in the errors).
    [[nodiscard]] bool DiscardDues(const QStringList& ids);

    // Adds dues as one change without keeping them in memory: for an import
    // of any size from the command line. Each due is written at once into a
    // staging folder and all land together at Commit (SaveFile::BulkCreate);
    // a due that cannot be written abandons the whole change, said in the
    // store's errors. The store's own list does not show them until a load.
    class BulkAdd
    {
    public:
        explicit BulkAdd(CDueStore& store);
        // False once a due could not be written (then nothing will land).
        bool Add(DueRecord record);
        // How many dues landed.
        qint64 Commit();

    private:
        CDueStore& m_store;
        SaveFile::BulkCreate m_files;
        bool m_failed = false;
        bool m_single = false; // a due of no series: the marker file is touched, as AddDue does
    };

    // Reads again what another program changed in the data folder since the
    // last load or rescan: new and changed due files are read, the dues of
    // removed files are dropped. Our own writes are known and not read again.
    // True when any due changed.
    // touched names files that were written in place (their size and times
    // may not show it): they are read again whatever their signature says.
    // A second file holding a due's identifier is a conflict (see Conflicts)
    // and never takes the place of the file named after the identifier.
    bool Rescan(const QStringList& touched = {});
    // The dues that more than one file holds (a sync tool's conflict copy,
    // two machines that made the same identifier), in identifier order.
    QList<DueConflict> Conflicts() const;
    // Every readable file holding recId, the listed one first, the others in
    // name order; empty when recId is not in conflict.
    QList<ConflictVersion> ConflictVersions(const QString& recId) const;
    // One line naming a conflict's files for a report: which one is listed.
    static QString ConflictText(const DueConflict& conflict);
    // Ends a conflict by keeping the version in file: it is written to the
    // due's own file name and every other file holding recId is removed, in
    // one sync pass, then the folder is read again. shown (when given) is what
    // the user chose from: a file that changed since refuses the whole change.
    [[nodiscard]] bool KeepVersion(const QString& recId, const QString& file,
                                   const QList<ConflictVersion>& shown = {});
    // Ends a conflict by keeping every version: the listed one stays, each
    // other becomes a due of its own under a new identifier (a member of a
    // series in a series of its own) and its file is removed. Returns the
    // identifiers of the new dues; none (and the reason in the errors) when
    // nothing was changed.
    QStringList KeepAllVersions(const QString& recId, const QList<ConflictVersion>& shown = {});

    // Told of every due this store put on disk under a new file (removed
    // false) and of every removal of a due's file that landed (removed
    // true), once its batch ended: for a memory of what was deleted here.
    using DueFileObserver = std::function<void(const QString& recId, bool removed)>;
    void SetObserver(DueFileObserver observer) { m_observer = std::move(observer); }

    // The file a due is stored in: the one it was read from or last written
    // to, else the name made from its identifier. Empty for an unusable identifier.
    QString FilePathOf(const QString& recId) const;

    // A series identifier for now that no stored due uses yet.
    QString NewSeriesId() const;

    // The dues of month's month under filter, in walk order, with their sums.
    MonthList FillMonthList(const COleDateTime& month, DueFilter filter) const;
    // The dues from month `from` to month `to`, text = title, image 1 for series.
    void FillRangeList(IDueListSink& list, const COleDateTime& from, const COleDateTime& to) const;
    static int CompareMonth(const COleDateTime& a, const COleDateTime& b);

    int GetCount() const;
    template <typename F> void ForEach(F&& f) const
    {
        Walk([&](int slot) { f(Record(slot)); });
    }
    // Every due in brief, in walk order, from the store's compact data.
    void ForEachBrief(const std::function<void(const DueBrief&)>& f) const;
    // The same walk with each due's series identifier (empty for a due of no
    // series), read without making the rest of the record: for grouping a
    // whole folder by series.
    void ForEachBriefWithSeries(const std::function<void(const DueBrief&, const QString& seriesId)>& f) const;
    static int BucketOf(const QString& id);

    // Writes and removals refused since the last call because the due's file
    // changed since it was read (also in the errors). The store still holds
    // what it had; Reread takes the other change, and a write after it goes
    // over it.
    QList<StaleChange> TakeStaleChanges();
    bool HasStaleChanges() const { return !m_stale.isEmpty(); }

    // Failed writes and removals since the last call, each naming the path and
    // the reason, for the caller to show. A caller that shows these may pass
    // over the false an operation returned: the reason is here.
    QStringList TakeErrors();
    bool HasErrors() const { return !m_errors.isEmpty(); }
    qsizetype ErrorCount() const { return m_errors.size(); }
    // Due files skipped by the last load (file name and reason).
    const QStringList& LoadProblems() const { return m_loadProblems; }
    // Our own leftovers (temporary and pending files of interrupted writes)
    // that loads removed since the last call.
    QStringList TakeSweptFiles();
    // What loads did about changes that a crash interrupted (finished or
    // taken back, naming the dues), one sentence each, since the last call.
    QStringList TakeRecoveryNotes();

    int m_nSeriesCounter = 0; // kept across reloads

private:
    QString UniqueRecordId(int n) const;
    int NextSeriesNumber();
    void Store(const DueRecord& record, const QByteArray& fileName);
    void Error(const QString& text) { m_errors << text; }
    QByteArray LocalPath(const QByteArray& fileName) const;
    // Writes the stored record id to a new due file; a taken name gives the
    // record the next free identifier and tries again.
    void WriteNew(QString id, const QByteArray& pending = {});
    QString Rekey(const QString& id);
    // Writes an existing record to its file (a placeholder to its own new
    // file); memory takes it when the write succeeded.
    bool ReplaceOne(const DueRecord& record);
    void Forget(const QString& id); // drops a record from memory only

    // Records are kept as the bytes of their due files (see DueStoreContents);
    // these make a record or a file name of a slot when one is asked for.
    int Find(const QString& id) const;
    DueRecord Record(int slot) const;
    QByteArray FileOf(int slot) const;
    void Walk(const std::function<void(int)>& f) const;
    void FillBrief(int slot, DueBrief& brief) const;

    DueStoreContentsPtr m_c;
    DataFolder m_folder;
    mutable QHash<int, QDateTime> m_nextIdTime; // where UniqueRecordId resumes, per number
    QStringList m_errors;
    QStringList m_loadProblems;
    QStringList m_swept;
    QStringList m_recovery;
    QHash<QString, QStringList> m_conflicts; // identifier -> the other files holding it
    QList<StaleChange> m_stale;
    // False (and the change noted) when the file of slot no longer holds what
    // memory holds: another program changed or removed it.
    bool StillAsSeen(int slot, const DueRecord& ours, bool removal);
    // False (and said) when the versions of a conflict are not the ones shown.
    bool SameVersions(const QString& recId, const QList<ConflictVersion>& now,
                      const QList<ConflictVersion>& shown);
    // A due whose file went while another file still holds its identifier:
    // that file becomes the due, as a full load would list it.
    void PromoteCopy(const QString& recId);
    void Notify(const QString& recId, bool removed)
    {
        if (m_observer)
            m_observer(recId, removed);
    }
    DueFileObserver m_observer;
    QHash<QString, QString> m_rekeyed; // identifiers moved on because their name was taken
    bool m_writer = false;
};

extern CDueStore theDueStore;

// The main list's order: by Due Date, equal dates by record identifier.
bool DueListLess(const DueRecord& a, const DueRecord& b);
