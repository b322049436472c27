#include "model/services/UndoStack.h"

#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UndoStack)
};

} // namespace

std::optional<QByteArray> FileChange::ReadState(const QString& path, QString* why)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return QByteArray(); // never equal to a state worth restoring: see the callers
    }
    return file.readAll();
}

FileChange FileChange::Begin(const CDueStore& store, const QString& text, const QStringList& recIds)
{
    FileChange change;
    change.m_text = text;
    const DataFolder& folder = store.Folder();
    for (const QString& id : recIds) {
        const QString path = store.FilePathOf(id);
        if (!path.isEmpty())
            change.m_files.append(File{path, id, ReadState(path, nullptr), std::nullopt});
    }
    const QString marker = folder.PreferencesPath();
    change.m_files.append(File{marker, QString(), ReadState(marker, nullptr), std::nullopt});
    store.ForEach([&](const DueRecord& r) { change.m_idsBefore.insert(r.m_strRecId); });
    return change;
}

void FileChange::Finish(const CDueStore& store)
{
    for (File& f : m_files)
        f.after = ReadState(f.path, nullptr);
    store.ForEach([&](const DueRecord& r) {
        if (m_idsBefore.contains(r.m_strRecId))
            return;
        const QString path = store.FilePathOf(r.m_strRecId);
        if (!path.isEmpty())
            m_files.append(File{path, r.m_strRecId, std::nullopt, ReadState(path, nullptr)});
    });
    m_idsBefore.clear();
}

bool FileChange::IsEmpty() const
{
    for (const File& f : m_files)
        if (f.before != f.after)
            return false;
    return true;
}

bool FileChange::Undo(CDueStore& store, QString* why) const
{
    return Apply(store, true, why);
}

bool FileChange::Redo(CDueStore& store, QString* why) const
{
    return Apply(store, false, why);
}

bool FileChange::Apply(CDueStore& store, bool toBefore, QString* why) const
{
    Q_ASSERT(!SaveFile::Batch::Active()); // the files are read back after the batch below
    const QString what =
        toBefore ? Texts::tr("Cannot undo %1").arg(m_text) : Texts::tr("Cannot redo %1").arg(m_text);
    // First check every file, so that a refusal leaves all of them alone.
    for (const File& f : m_files) {
        QString readError;
        const std::optional<QByteArray> now = ReadState(f.path, &readError);
        if (!readError.isEmpty()) {
            *why = Texts::tr("%1: %2 cannot be read: %3.").arg(what, Native(f.path), readError);
            return false;
        }
        if (now != (toBefore ? f.after : f.before)) {
            *why = Texts::tr("%1: %2 was changed on disk since.").arg(what, Native(f.path));
            return false;
        }
    }
    // Then the changes, in one sync pass: undoing an import of thousands of
    // dues must not cost a sync per file. A written due is read into the
    // store once the batch has given its file the name.
    QStringList failures;
    QList<const File*> written;
    QSet<QString> notWritten;
    {
        CDueStore::Batch batch;
        for (const File& f : m_files) {
            const std::optional<QByteArray>& target = toBefore ? f.before : f.after;
            const std::optional<QByteArray>& current = toBefore ? f.after : f.before;
            if (target == current)
                continue;
            QString reason;
            if (target) {
                const SaveFile::Done done = [&, path = f.path](SaveFile::Result result,
                                                               const QString& error) {
                    if (result == SaveFile::Result::Done)
                        return;
                    notWritten.insert(path);
                    failures << Texts::tr("%1: %2 could not be written: %3.").arg(what, Native(path), error);
                };
                // A file that is not there is created, never put in place of
                // one another program made meanwhile.
                const bool staged =
                    current ? SaveFile::Write(f.path, *target, &reason, done)
                            : SaveFile::Create(f.path, *target, &reason, done) == SaveFile::Result::Done;
                if (!staged) {
                    failures
                        << Texts::tr("%1: %2 could not be written: %3.").arg(what, Native(f.path), reason);
                    break;
                }
                if (!f.recId.isEmpty())
                    written << &f;
            } else if (!f.recId.isEmpty() && store.Contains(f.recId)) {
                if (!store.RemoveDue(f.recId, false)) {
                    failures << Texts::tr("%1: %2").arg(what, store.TakeErrors().join(QLatin1Char(' ')));
                    break;
                }
            } else if (!SaveFile::Remove(f.path, &reason)) {
                failures << Texts::tr("%1: %2 could not be removed: %3.").arg(what, Native(f.path), reason);
                break;
            }
        }
    }
    for (const File* f : std::as_const(written)) {
        if (!notWritten.contains(f->path) && !store.LoadDueFile(f->path))
            failures << Texts::tr("%1: %2 could not be read back.").arg(what, Native(f->path));
    }
    if (failures.isEmpty())
        return true;
    *why = failures.first();
    return false;
}

void UndoStack::Push(FileChange change)
{
    if (change.IsEmpty())
        return;
    m_undo.append(std::move(change));
    m_redo.clear();
    emit changed();
}

bool UndoStack::Undo(CDueStore& store, QString* why)
{
    if (m_undo.isEmpty())
        return false;
    FileChange change = m_undo.takeLast();
    const bool ok = change.Undo(store, why);
    if (ok)
        m_redo.append(std::move(change));
    emit changed();
    return ok;
}

bool UndoStack::Redo(CDueStore& store, QString* why)
{
    if (m_redo.isEmpty())
        return false;
    FileChange change = m_redo.takeLast();
    const bool ok = change.Redo(store, why);
    if (ok)
        m_undo.append(std::move(change));
    emit changed();
    return ok;
}

void UndoStack::Clear()
{
    m_undo.clear();
    m_redo.clear();
    emit changed();
}
