#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "platform/ShellOpen.h"
#include "ui/dialogs/Prompt.h"
#include "ui/export/ExportCommands.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The window's PDF command: a PDF with characters no installed font has is
// written and opened, and the window says once which characters show as a
// replacement mark; a PDF that needs no replacement says nothing.
class TestPdfExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Prompt::SetTestMode(true);
        Clock::SetFixed(QDateTime(QDate(2007, 3, 1), QTime(8, 0)));
        SetShellOpenHandler([this](const QString& path) {
            m_opened << path;
            return true;
        });
        theDueStore.SetFolder(DataFolder(m_dir.filePath(QStringLiteral("work"))));
        QVERIFY(theDueStore.Folder().Create());
    }

    void cleanupTestCase() { SetShellOpenHandler({}); }

    void warnsOnceThenOpens_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("messages");

        QTest::newRow("all shown") << QStringList{QStringLiteral("Rent"), QStringLiteral("חשבון חשמל")} << 0;
        // Private use characters: no font has them.
        QTest::newRow("two dues with characters no font has")
            << QStringList{QStringLiteral("Rent \uE000"), QStringLiteral("Power \uE000\U000F0001")} << 1;
    }

    void warnsOnceThenOpens()
    {
        QFETCH(QStringList, titles);
        QFETCH(int, messages);

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        for (const QString& title : titles) {
            DueRecord due;
            due.m_strTitle = title;
            due.m_dtStart = due.m_dtDue = COleDateTime(2007, 3, 5, 0, 0, 0);
            due.m_strNotes = title;
            request.dues.append(due);
        }
        const QString path = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        m_opened.clear();
        Prompt::TakeShownTexts();
        Prompt::SetNextFileName(path);
        ExportCommands::Export(nullptr, ExportCommands::Kind::Pdf, request);

        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(m_opened, QStringList{path});
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), messages);
        if (messages > 0) {
            QVERIFY2(shown[0].contains(path), qPrintable(shown[0]));
            QVERIFY2(shown[0].contains(QLatin1String("U+E000")) &&
                         shown[0].contains(QLatin1String("U+F0001")),
                     qPrintable(shown[0]));
        }
    }

private:
    QTemporaryDir m_dir;
    QStringList m_opened;
};

QTEST_MAIN(TestPdfExportCommand)
#include "tst_pdfexportcommand.moc"
