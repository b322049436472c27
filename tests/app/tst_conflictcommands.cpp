#include "app/CommandLine.h"
#include "model/base/Clock.h"
#include "model/services/DeletionMemory.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"

#include "FolderSnapshot.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

const QString kCopySuffix = QStringLiteral(".sync-conflict-20250105-101010-ABCDEFG.due");

} // namespace

class TestConflictCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void conflictsListsEveryVersion();
    void resolveKeepsTheNamedFile_data();
    void resolveKeepsTheNamedFile();
    void resolveKeepsBothWithASeriesOfItsOwn();
    void resolveRefusesBadInput_data();
    void resolveRefusesBadInput();
    void deleteIsRemembered();

private:
    int Run(const QStringList& args)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out), err(&m_err);
        const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
        return std::holds_alternative<int>(outcome) ? std::get<int>(outcome) : -1;
    }
    QStringList OutLines() const { return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QString Data() const { return m_work + QStringLiteral("/Tallyvane Files"); }
    QStringList DueFiles() const { return QDir(Data()).entryList({QStringLiteral("*.due")}, QDir::Files); }
    // Adds a due (a series of two with --repeat) and puts a changed copy of
    // the first beside it, as a sync tool does; returns the first's identifier.
    QString AddWithCopy(const QStringList& more = {});

    QString m_out, m_err;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_work;
};

void TestConflictCommands::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::SetFixed(QDateTime(QDate(2025, 1, 2), QTime(10, 0)));
    m_tmp = std::make_unique<QTemporaryDir>();
    m_work = m_tmp->path();
}

void TestConflictCommands::cleanup()
{
    QFile::remove(DeletionMemory::FilePathFor(DataFolder(m_work)));
    theDueStore.RemoveAll();
    theDueStore.SetFolder(DataFolder());
    Clock::SetFixed({});
}

QString TestConflictCommands::AddWithCopy(const QStringList& more)
{
    if (Run(QStringList{"add", "--workdir", m_work, "--title", "Rent", "--due", "2025-01-20", "--amount",
                        "500"} +
            more) != 0)
        return {};
    const QString id = OutLines().value(0);
    const QString own = Data() + QLatin1Char('/') + DataFolder::DueFileName(id);
    QFile file(own);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    DueRecord copy;
    if (!DueFile::Parse(file.readAll(), copy, nullptr))
        return {};
    copy.m_strTitle = QStringLiteral("Rent\tlaptop");
    copy.m_dAmount = 550.0;
    QFile out(own.chopped(4) + kCopySuffix);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    out.write(DueFile::Serialize(copy));
    return id;
}

void TestConflictCommands::conflictsListsEveryVersion()
{
    const QString id = AddWithCopy();
    const QString own = DataFolder::DueFileName(id);
    const QString copy = own.chopped(4) + kCopySuffix;
    // Other commands name the conflict for what it is, and list the due's own file.
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01", "--format", "json"}), 0);
    const QJsonObject fromList = QJsonDocument::fromJson(m_out.toUtf8()).array().first().toObject();
    QCOMPARE(fromList[QStringLiteral("amount")].toDouble(), 500.0);
    QVERIFY2(!m_err.contains(QStringLiteral("skipped")) && m_err.contains(copy) &&
                 m_err.contains(QStringLiteral("tallyvane conflicts")),
             qPrintable(m_err));

    QCOMPARE(Run({"conflicts", "--workdir", m_work}), 0);
    QCOMPARE(m_err, QString()); // no note on top of the answer
    const QStringList lines = OutLines();
    QCOMPARE(lines.size(), 2);
    // The listed file first; then when it changed and the fields as list prints them.
    QCOMPARE(lines.at(0).section(QLatin1Char('\t'), 0, 1), id + QLatin1Char('\t') + own);
    const QStringList second = lines.at(1).split(QLatin1Char('\t'));
    QCOMPARE(second.mid(0, 2), (QStringList{id, copy}));
    QVERIFY(QDateTime::fromString(second.value(2), Qt::ISODate).isValid());
    QCOMPARE(second.mid(4, 4), (QStringList{"Rent\\tlaptop", "", "", "$550.00"}));

    QCOMPARE(Run({"conflicts", "--workdir", m_work, "--format", "json"}), 0);
    const QJsonArray conflicts = QJsonDocument::fromJson(m_out.toUtf8()).array();
    QCOMPARE(conflicts.size(), 1);
    QCOMPARE(conflicts.first()[QStringLiteral("id")].toString(), id);
    const QJsonArray files = conflicts.first()[QStringLiteral("files")].toArray();
    QCOMPARE(files.size(), 2);
    const QJsonObject listed = files.at(0).toObject(), other = files.at(1).toObject();
    QCOMPARE(listed[QStringLiteral("file")].toString(), own);
    QCOMPARE(other[QStringLiteral("file")].toString(), copy);
    QVERIFY(listed[QStringLiteral("listed")].toBool() && !other[QStringLiteral("listed")].toBool());
    QCOMPARE(other[QStringLiteral("title")].toString(), QStringLiteral("Rent\tlaptop"));
    // Every field of list --format json, under the same names.
    for (const QString& key : fromList.keys())
        QCOMPARE(listed.value(key), fromList.value(key));

    // None: nothing printed, as plain text or as an empty array.
    QVERIFY(QFile::remove(Data() + QLatin1Char('/') + copy));
    QCOMPARE(Run({"conflicts", "--workdir", m_work}), 0);
    QCOMPARE(m_out, QString());
    QCOMPARE(Run({"conflicts", "--workdir", m_work, "--format", "json"}), 0);
    QCOMPARE(QJsonDocument::fromJson(m_out.toUtf8()).array().size(), 0);
}

void TestConflictCommands::resolveKeepsTheNamedFile_data()
{
    QTest::addColumn<bool>("keepCopy");
    QTest::addColumn<bool>("asPath");
    QTest::newRow("the copy, by name") << true << false;
    QTest::newRow("the copy, by path") << true << true;
    QTest::newRow("the listed file") << false << false;
}

void TestConflictCommands::resolveKeepsTheNamedFile()
{
    QFETCH(bool, keepCopy);
    QFETCH(bool, asPath);
    const QString id = AddWithCopy();
    const QString own = DataFolder::DueFileName(id);
    const QString copy = own.chopped(4) + kCopySuffix;
    QString keep = keepCopy ? copy : own;
    if (asPath)
        keep = Data() + QLatin1Char('/') + keep;
    QCOMPARE(Run({"resolve", id, "--workdir", m_work, "--keep", keep}), 0);
    QCOMPARE(OutLines(), QStringList{id});
    QCOMPARE(DueFiles(), QStringList{own});
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01", "--format", "json"}), 0);
    QCOMPARE(m_err, QString());
    const QJsonArray dues = QJsonDocument::fromJson(m_out.toUtf8()).array();
    QCOMPARE(dues.size(), 1);
    QCOMPARE(dues.first()[QStringLiteral("amount")].toDouble(), keepCopy ? 550.0 : 500.0);
    QCOMPARE(Run({"conflicts", "--workdir", m_work}), 0);
    QCOMPARE(m_out, QString());
}

// Both kept: the copy becomes a due of its own, out of the series the
// listed member stays in.
void TestConflictCommands::resolveKeepsBothWithASeriesOfItsOwn()
{
    const QString id = AddWithCopy({"--repeat", "monthly", "--every", "1", "--count", "2"});
    QVERIFY(!id.isEmpty());
    QCOMPARE(Run({"resolve", id, "--workdir", m_work, "--keep", "both"}), 0);
    const QStringList kept = OutLines();
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept.first(), id);
    QCOMPARE(DueFiles().size(), 3);
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01", "--format", "json"}), 0);
    const QJsonArray dues = QJsonDocument::fromJson(m_out.toUtf8()).array();
    QCOMPARE(dues.size(), 2);
    QJsonObject listed, copy;
    for (const QJsonValue& due : dues)
        (due[QStringLiteral("id")].toString() == id ? listed : copy) = due.toObject();
    QCOMPARE(copy[QStringLiteral("id")].toString(), kept.at(1));
    QCOMPARE(copy[QStringLiteral("amount")].toDouble(), 550.0);
    QVERIFY(!copy[QStringLiteral("series")].toString().isEmpty());
    QVERIFY(copy[QStringLiteral("series")] != listed[QStringLiteral("series")]);
    // The series' second member is still with the listed one.
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-02", "--format", "json"}), 0);
    QCOMPARE(QJsonDocument::fromJson(m_out.toUtf8()).array().first()[QStringLiteral("series")],
             listed[QStringLiteral("series")]);
}

void TestConflictCommands::resolveRefusesBadInput_data()
{
    QTest::addColumn<QStringList>("args"); // "ID" and "COPY" stand for the due's and its copy's names
    QTest::addColumn<QString>("message");
    QTest::newRow("no --keep") << QStringList{"resolve", "ID"} << "--keep";
    QTest::newRow("no identifier") << QStringList{"resolve", "--keep", "both"} << "identifier";
    QTest::newRow("two identifiers") << QStringList{"resolve", "ID", "ID", "--keep", "both"} << "identifier";
    QTest::newRow("unknown identifier")
        << QStringList{"resolve", "2025010200000099", "--keep", "both"} << "no due";
    QTest::newRow("not one of its files") << QStringList{"resolve", "ID", "--keep", "other.due"} << "COPY";
    QTest::newRow("a file elsewhere") << QStringList{"resolve", "ID", "--keep", "/tmp/COPY"} << "data folder";
}

void TestConflictCommands::resolveRefusesBadInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString id = AddWithCopy();
    const QString copy = DataFolder::DueFileName(id).chopped(4) + kCopySuffix;
    for (QString& arg : args)
        arg.replace(QStringLiteral("COPY"), copy).replace(QStringLiteral("ID"), id);
    message.replace(QStringLiteral("COPY"), copy);
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run(args + QStringList{"--workdir", m_work}), 2);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QCOMPARE(Snapshot(m_work), before);
    // A due of one file has nothing to resolve.
    QVERIFY(QFile::remove(Data() + QLatin1Char('/') + copy));
    QCOMPARE(Run({"resolve", id, "--workdir", m_work, "--keep", "both"}), 2);
    QVERIFY2(m_err.contains(QStringLiteral("one file")), qPrintable(m_err));
}

// A delete from the command line is this installation's too: the window
// says so should the due come back.
void TestConflictCommands::deleteIsRemembered()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Gym", "--due", "2025-01-31"}), 0);
    const QString id = OutLines().value(0);
    QCOMPARE(Run({"delete", id, "--workdir", m_work}), 0);
    const DeletionMemory memory{DataFolder(m_work)};
    QCOMPARE(memory.Entries().keys(), QStringList{id});
    QCOMPARE(memory.Entries().value(id), Clock::Now().toUTC());
    QVERIFY(!Snapshot(m_work).join(QLatin1Char(' ')).contains(QStringLiteral("deleted")));
}

QTEST_GUILESS_MAIN(TestConflictCommands)
#include "tst_conflictcommands.moc"
