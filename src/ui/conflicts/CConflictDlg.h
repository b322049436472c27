#pragma once

#include "model/store/CDueStore.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QTableWidget;

// Puts the versions of a due that more than one file holds side by side: a
// row per field, a column per file (titled with the file's name and when it
// was last changed), the fields that differ marked. The user keeps one
// version, keeps every version as a due of its own, or decides later.
class CConflictDlg : public QDialog
{
    Q_OBJECT
public:
    struct Answer
    {
        enum Kind
        {
            Later,
            Keep,   // the version in file
            KeepAll // every version, the others under new identifiers
        };
        Kind kind = Later;
        QString file;
    };

    // index and count say which of how many conflicts this is (1-based).
    CConflictDlg(QWidget* parent, const QList<ConflictVersion>& versions, int index = 1, int count = 1);

    QTableWidget* Table() const { return m_table; }
    QLabel* Intro() const { return m_intro; }
    Answer Chosen() const { return m_answer; }

    // The field rows: a heading and, for each version, the text shown and the
    // value it is compared by.
    struct Row
    {
        QString heading;
        QStringList shown;
        QStringList compared;
        bool Differs() const;
    };
    static QList<Row> Rows(const QList<ConflictVersion>& versions);

    // Shows the dialog and returns the choice. In Prompt's test mode nothing
    // is shown: the next queued answer is taken (Later when none is).
    static Answer Ask(QWidget* parent, const QList<ConflictVersion>& versions, int index, int count);
    static void QueueAnswer(const Answer& answer);
    // The versions' files of every Ask since the last call (for tests).
    static QList<QStringList> TakeAsked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Choose(Answer::Kind kind, const QString& file = {});

    QLabel* m_intro;
    QTableWidget* m_table;
    Answer m_answer;
};
