// The window's side of a shared data folder: the bar that counts the dues
// more than one file holds, the dialog that puts their versions side by
// side, and the question about a due deleted here that a sync tool brings back.

#include "../UiTestSupport.h"

#include "model/services/DeletionMemory.h"
#include "model/services/FolderWatcher.h"
#include "model/store/DueFile.h"
#include "ui/conflicts/CConflictBar.h"
#include "ui/conflicts/CConflictDlg.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

const QString kSuffix = QStringLiteral(".sync-conflict-20070130-101010-ABCDEFG.due");

QString CopyName(const QString& id)
{
    return DataFolder::DueFileName(id).chopped(4) + kSuffix;
}

QString DataFile(const QString& name)
{
    return theDueStore.Folder().Path() + QLatin1Char('/') + name;
}

void WriteDue(const QString& name, const DueRecord& r)
{
    QFile f(DataFile(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(DueFile::Serialize(r));
}

QStringList DueFiles()
{
    return QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.due")}, QDir::Files, QDir::Name);
}

} // namespace

class TestConflictWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;

    // A due with a changed copy beside it, as a sync tool leaves it.
    QString AddWithCopy(const QString& title, const QString& series = {})
    {
        const QString id = UiTest::AddDue(
            UiTest::MakeDue(title, QDateTime(QDate(2007, 1, 20), QTime(0, 0)), 500.0, false, series));
        DueRecord copy = theDueStore.GetDue(id);
        copy.m_dAmount = 550.0;
        copy.m_strPayTo = QStringLiteral("Landlord");
        WriteDue(CopyName(id), copy);
        return id;
    }
    void OpenWindow()
    {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->RefreshFromDisk();
    }

private slots:
    void initTestCase() { UiTest::IsolateSettings(); }

    void init()
    {
        Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(10, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        UiTest::UseWorkDir(m_dir->path());
        Prompt::TakeShownTexts();
        CConflictDlg::TakeAsked();
    }

    void cleanup()
    {
        m_frame.reset();
        QFile::remove(DeletionMemory::FilePathFor(theDueStore.Folder()));
        theDueStore.RemoveAll();
        m_dir.reset();
    }

    // The load report names conflicts as such, once; the bar counts them
    // after a load, after a rescan and after a change.
    void barFollowsTheFolder()
    {
        const QString rent = AddWithCopy(QStringLiteral("Rent"));
        const QString gym = AddWithCopy(QStringLiteral("Gym"));
        OpenWindow();
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(!shown.first().contains(QStringLiteral("could not be read")), qPrintable(shown.first()));
        QVERIFY2(shown.first().contains(CopyName(rent)) && shown.first().contains(CopyName(gym)),
                 qPrintable(shown.first()));
        CConflictBar* bar = m_frame->ConflictBanner();
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->Count(), 2);
        QVERIFY2(bar->text().contains(QStringLiteral("of 2 due")), qPrintable(bar->text()));
        QVERIFY(m_frame->Action(ID_RESOLVE_CONFLICTS)->isEnabled());
        m_frame->RefreshFromDisk();
        QCOMPARE(Prompt::TakeShownTexts(), QStringList()); // said once

        QVERIFY(QFile::remove(DataFile(CopyName(rent))));
        QVERIFY(QFile::remove(DataFile(CopyName(gym))));
        QVERIFY(m_frame->Watcher()->RescanNow());
        QVERIFY(bar->isHidden());
        QVERIFY(!m_frame->Action(ID_RESOLVE_CONFLICTS)->isEnabled());
        // A copy that comes later shows too, and is said by the next load.
        AddWithCopy(QStringLiteral("Water"));
        QVERIFY(m_frame->Watcher()->RescanNow());
        QCOMPARE(bar->Count(), 1);
        m_frame->RefreshFromDisk();
        QCOMPARE(Prompt::TakeShownTexts().size(), 1);
    }

    void dialogShowsVersionsSideBySide()
    {
        const QString id = AddWithCopy(QStringLiteral("Rent"));
        // Amounts that print alike still differ.
        DueRecord copy = theDueStore.GetDue(id);
        copy.m_dAmount = 500.001;
        copy.m_strPayTo = QStringLiteral("Landlord");
        WriteDue(CopyName(id), copy);
        theDueStore.LoadAll();
        const QList<ConflictVersion> versions = theDueStore.ConflictVersions(id);
        CConflictDlg dlg(nullptr, versions);
        QTableWidget* table = dlg.Table();
        QCOMPARE(table->columnCount(), 2);
        const QString listed = table->horizontalHeaderItem(0)->text();
        const QString other = table->horizontalHeaderItem(1)->text();
        QVERIFY2(listed.contains(DataFolder::DueFileName(id)) && listed.contains(QStringLiteral("(listed")),
                 qPrintable(listed));
        QVERIFY2(other.contains(QStringLiteral("changed ")) && !other.contains(QStringLiteral("(listed")),
                 qPrintable(other));
        QStringList marked;
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem* heading = table->verticalHeaderItem(row);
            if (heading->font().bold()) {
                marked << heading->text();
                QCOMPARE(table->item(row, 1)->data(Qt::AccessibleDescriptionRole).toString(),
                         QStringLiteral("differs"));
            }
        }
        QCOMPARE(marked, (QStringList{QStringLiteral("\u2260 Pay To"), QStringLiteral("\u2260 Amount")}));

        // One button per version, Keep Both, and Later.
        const QList<QPushButton*> buttons = dlg.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 4);
        for (QPushButton* button : buttons) {
            if (button->text() == QStringLiteral("Keep Both"))
                button->click();
        }
        QCOMPARE(dlg.Chosen().kind, CConflictDlg::Answer::KeepAll);
    }

    void dialogChoices_data()
    {
        QTest::addColumn<int>("choice"); // CConflictDlg::Answer::Kind
        QTest::addColumn<bool>("keepCopy");
        QTest::addColumn<QList<double>>("amounts"); // of the dues afterwards
        QTest::addColumn<int>("conflicts");
        QTest::newRow("keep this one")
            << int(CConflictDlg::Answer::Keep) << false << QList<double>{500.0} << 0;
        QTest::newRow("keep the other")
            << int(CConflictDlg::Answer::Keep) << true << QList<double>{550.0} << 0;
        QTest::newRow("keep both") << int(CConflictDlg::Answer::KeepAll) << false
                                   << QList<double>{500.0, 550.0} << 0;
        QTest::newRow("decide later")
            << int(CConflictDlg::Answer::Later) << false << QList<double>{500.0} << 1;
    }

    void dialogChoices()
    {
        QFETCH(int, choice);
        QFETCH(bool, keepCopy);
        QFETCH(QList<double>, amounts);
        QFETCH(int, conflicts);
        const QString id = AddWithCopy(QStringLiteral("Rent"), QStringLiteral("recId20070131095959"));
        OpenWindow();
        Prompt::TakeShownTexts();
        CConflictDlg::QueueAnswer(CConflictDlg::Answer{
            CConflictDlg::Answer::Kind(choice), keepCopy ? CopyName(id) : DataFolder::DueFileName(id)});
        m_frame->OnCommand(ID_RESOLVE_CONFLICTS);
        QCOMPARE(CConflictDlg::TakeAsked(),
                 (QList<QStringList>{{DataFolder::DueFileName(id), CopyName(id)}}));
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        QList<double> now;
        theDueStore.ForEach([&](const DueRecord& r) { now << r.m_dAmount; });
        std::sort(now.begin(), now.end());
        QCOMPARE(now, amounts);
        QCOMPARE(m_frame->ConflictBanner()->Count(), conflicts);
        QCOMPARE(QFile::exists(DataFile(CopyName(id))), conflicts > 0);
        QCOMPARE(DueFiles().size(), amounts.size() + conflicts);
        // Kept both: the copy is a series of its own, out of the member's.
        QStringList series;
        theDueStore.ForEach([&](const DueRecord& r) { series << r.m_strSeriesId; });
        series.removeDuplicates();
        QCOMPARE(series.size(), amounts.size());
    }

    // Deleted here, changed on another computer, carried back by the sync
    // tool: said once, naming the due, with the offer to delete it again. A
    // hidden window asks once it is shown; Undo is no coming back.
    void deleteThatComesBackIsSaid_data()
    {
        QTest::addColumn<bool>("deleteAgain");
        QTest::newRow("deleted again") << true;
        QTest::newRow("kept") << false;
    }

    void deleteThatComesBackIsSaid()
    {
        QFETCH(bool, deleteAgain);
        const QString id = UiTest::AddDue(
            UiTest::MakeDue(QStringLiteral("Insurance"), QDateTime(QDate(2007, 1, 20), QTime(0, 0)), 80.0));
        OpenWindow();
        m_frame->show();
        Prompt::SetNextAnswer(QMessageBox::Yes);
        m_frame->DeleteDue(theDueStore.GetDue(id));
        QVERIFY(!theDueStore.Contains(id));
        m_frame->OnCommand(ID_EDIT_UNDO);
        QVERIFY(theDueStore.Contains(id));
        Prompt::TakeShownTexts();
        m_frame->RefreshFromDisk();
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        m_frame->hide();
        Prompt::SetNextAnswer(QMessageBox::Yes);
        m_frame->DeleteDue(theDueStore.GetDue(id));
        Prompt::TakeShownTexts();

        DueRecord changed =
            UiTest::MakeDue(QStringLiteral("Insurance"), QDateTime(QDate(2007, 1, 20), QTime(0, 0)), 95.0);
        changed.m_strRecId = id;
        WriteDue(DataFolder::DueFileName(id), changed);
        QVERIFY(m_frame->Watcher()->RescanNow());
        QVERIFY(theDueStore.Contains(id));
        QCOMPARE(Prompt::TakeShownTexts(), QStringList()); // hidden: not yet
        Prompt::SetNextAnswer(deleteAgain ? QMessageBox::Yes : QMessageBox::No);
        m_frame->show();
        QStringList shown;
        QTRY_VERIFY((shown << Prompt::TakeShownTexts(), !shown.isEmpty()));
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(QStringLiteral("\u201cInsurance\u201d is in the data folder again")),
                 qPrintable(shown.first()));
        QCOMPARE(theDueStore.Contains(id), !deleteAgain);
        QCOMPARE(QFile::exists(theDueStore.Folder().DueFilePath(id)), !deleteAgain);
        const DeletionMemory memory(theDueStore.Folder());
        QCOMPARE(memory.Entries().contains(id), deleteAgain); // deleted again: remembered again
        m_frame->RefreshFromDisk();
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }
};

QTEST_MAIN(TestConflictWindow)
#include "tst_conflictwindow.moc"
