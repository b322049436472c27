#pragma once

#include "model/store/CDueStore.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// One user action as the files it changed: the bytes of each file before and
// after (nullopt: no file). Undo puts the bytes back only when every file is
// still as the action left it; Redo likewise the other way.
class FileChange
{
public:
    FileChange() = default;
    // Call before the change: remembers the files of the given dues (those the
    // change may rewrite or delete) and the marker file. Dues the change adds
    // are found by Finish.
    static FileChange Begin(const CDueStore& store, const QString& text, const QStringList& recIds);
    // Call after the change: reads the files again.
    void Finish(const CDueStore& store);

    const QString& Text() const { return m_text; }
    // True when no file changed (a cancelled dialog, a failed write of nothing).
    bool IsEmpty() const;

    // Restores the state before (Undo) or after (Redo) and brings the store in
    // line, in one sync pass (never inside a batch of the caller's). On
    // refusal or failure returns false with one sentence naming the file and
    // the reason; a refusal changes nothing.
    [[nodiscard]] bool Undo(CDueStore& store, QString* why) const;
    [[nodiscard]] bool Redo(CDueStore& store, QString* why) const;

private:
    struct File
    {
        QString path;
        QString recId; // empty for the marker file
        std::optional<QByteArray> before;
        std::optional<QByteArray> after;
    };
    bool Apply(CDueStore& store, bool toBefore, QString* why) const;
    static std::optional<QByteArray> ReadState(const QString& path, QString* why);

    QString m_text;
    QList<File> m_files;
    QSet<QString> m_idsBefore;
};

// The actions that can be undone and redone, newest last.
class UndoStack : public QObject
{
    Q_OBJECT
public:
    explicit UndoStack(QObject* parent = nullptr) : QObject(parent) {}

    // A new action; clears what could be redone. Empty changes are dropped.
    void Push(FileChange change);
    bool CanUndo() const { return !m_undo.isEmpty(); }
    bool CanRedo() const { return !m_redo.isEmpty(); }
    QString UndoText() const { return CanUndo() ? m_undo.last().Text() : QString(); }
    QString RedoText() const { return CanRedo() ? m_redo.last().Text() : QString(); }

    // An action that cannot be undone (a file changed on disk meanwhile) is
    // dropped from the stack; why says what stopped it.
    [[nodiscard]] bool Undo(CDueStore& store, QString* why);
    [[nodiscard]] bool Redo(CDueStore& store, QString* why);
    void Clear();

signals:
    void changed();

private:
    QList<FileChange> m_undo;
    QList<FileChange> m_redo;
};
