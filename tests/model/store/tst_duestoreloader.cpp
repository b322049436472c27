// Loading a data folder into the store: on the reader's threads, from the
// files' own bytes, and on a thread apart from the window's.
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "model/store/DueStoreLoader.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

DueRecord Due(int i)
{
    DueRecord r(Qt::Uninitialized);
    r.m_strRecId = QString::asprintf("20070101%06d10", i);
    r.m_strTitle = QStringLiteral("Due %1").arg(i);
    r.m_dtStart = COleDateTime(2007, 1 + i % 12, 1 + i % 28, 9, 0, 0);
    r.m_dtDue = r.m_dtStart;
    r.m_strPayTo = i % 3 ? QStringLiteral("City Power") : QString();
    r.m_dAmount = 1.5 * i;
    r.m_bPaid = i % 2;
    r.m_strNotes = i % 4 ? QString() : QStringLiteral("line one\r\nline two");
    r.m_strSeriesId = i % 5 ? QString() : QStringLiteral("recId20070101000000");
    return r;
}

// A file's bytes with one text field written in a form Serialize never uses.
QByteArray Uncommon(const DueRecord& r, const QString& form)
{
    QByteArray bytes = DueFile::Serialize(r);
    const int idField = 1 + int(r.m_strRecId.size());
    if (form == QLatin1String("long prefix")) // the 3-byte prefix for a short identifier
        return QByteArray("\xFF", 1) + char(r.m_strRecId.size()) + '\0' + bytes.mid(1);
    if (form == QLatin1String("utf-16 identifier")) {
        QByteArray id("\xFF\xFE\xFF", 3);
        id += char(r.m_strRecId.size());
        for (QChar c : r.m_strRecId)
            id += char(c.unicode()), id += '\0';
        return id + bytes.mid(idField);
    }
    if (form == QLatin1String("bytes after the record"))
        return bytes + "tail";
    return bytes;
}

struct Expected
{
    QStringList walk; // identifiers in walk order
    std::map<QString, DueRecord> records;
};

// What a load of these files must give, worked out from the rules alone:
// files in name order, each identifier in its bucket, newest first.
Expected ExpectedLoad(const std::map<QByteArray, DueRecord>& byName)
{
    Expected e;
    QList<QStringList> buckets(CDueStore::kBuckets);
    for (const auto& [name, r] : byName) {
        if (e.records.count(r.m_strRecId))
            continue;
        e.records[r.m_strRecId] = r;
        buckets[CDueStore::BucketOf(r.m_strRecId)].prepend(r.m_strRecId);
    }
    for (const QStringList& b : buckets)
        e.walk << b;
    return e;
}

} // namespace

class TestDueStoreLoader : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir().mkpath(Data());
    }

    // Every way a folder can hold its files gives the records the files hold,
    // in the walk order the rules give, whichever thread read which file.
    void loadGivesEveryRecordInWalkOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("form"); // of every seventh file
        QTest::newRow("one file") << 1 << "";
        QTest::newRow("fewer files than a thread takes") << 40 << "";
        QTest::newRow("many files, several threads") << 3000 << "";
        QTest::newRow("long length prefixes") << 300 << "long prefix";
        QTest::newRow("identifiers in UTF-16") << 300 << "utf-16 identifier";
        QTest::newRow("bytes after the record") << 300 << "bytes after the record";
    }

    void loadGivesEveryRecordInWalkOrder()
    {
        QFETCH(int, count);
        QFETCH(QString, form);
        std::map<QByteArray, DueRecord> byName;
        for (int i = 0; i < count; ++i) {
            const DueRecord r = Due(i);
            const QByteArray name = QFile::encodeName(DataFolder::DueFileName(r.m_strRecId));
            Write(name, i % 7 == 3 ? Uncommon(r, form) : DueFile::Serialize(r));
            byName[name] = r;
        }
        const Expected expected = ExpectedLoad(byName);
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        store.LoadAll();
        QCOMPARE(store.LoadProblems(), QStringList());
        QCOMPARE(store.GetCount(), count);
        QStringList walk;
        store.ForEach([&](const DueRecord& r) {
            walk << r.m_strRecId;
            const auto it = expected.records.find(r.m_strRecId);
            QVERIFY(it != expected.records.end());
            QVERIFY2(r == it->second, qPrintable(r.m_strRecId));
        });
        QCOMPARE(walk, expected.walk);
        for (const auto& [id, r] : expected.records) {
            QVERIFY(store.GetDue(id) == r);
            QCOMPARE(store.FilePathOf(id), Data() + '/' + DataFolder::DueFileName(id));
        }
        // Series members are found by their bytes, whatever form their file used.
        QStringList members;
        store.GetSeriesIds(QStringLiteral("recId20070101000000"), members);
        QCOMPARE(members.size(), (count + 4) / 5);
    }

    // Unsound files among sound ones are named in name order, once each,
    // and leave no trace among the records.
    void problemsAreNamedInNameOrder()
    {
        for (int i = 0; i < 600; ++i)
            Write(QFile::encodeName(DataFolder::DueFileName(Due(i).m_strRecId)), DueFile::Serialize(Due(i)));
        Write("duedate2007010100009910.due", DueFile::Serialize(Due(9)).left(20));
        Write("duedate2007010100000510.due", QByteArray(30, '\0'));
        Write("duedate2007010199999910.due", QByteArray());
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        store.LoadAll();
        const QStringList problems = store.LoadProblems();
        QCOMPARE(problems.size(), 3);
        QVERIFY(problems.at(0).startsWith(QStringLiteral("duedate2007010100000510.due: ")));
        QVERIFY(problems.at(1).startsWith(QStringLiteral("duedate2007010100009910.due: ")));
        QVERIFY(problems.at(2).startsWith(QStringLiteral("duedate2007010199999910.due: ")));
        QCOMPARE(store.GetCount(), 598); // the own files of dues 5 and 99 are unsound
        QVERIFY(!store.Contains(Due(5).m_strRecId));
        QVERIFY(!store.Contains(Due(99).m_strRecId));
    }

    // A due file that links out of the folder is named and not read: a
    // planted link never brings another file into the list or a message.
    void linksOutOfTheFolderAreNotRead()
    {
        Write(QFile::encodeName(DataFolder::DueFileName(Due(1).m_strRecId)), DueFile::Serialize(Due(1)));
        QFile secret(m_dir->path() + QStringLiteral("/secret.due"));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write(DueFile::Serialize(Due(2)).replace("Due 2", "SECRET"));
        secret.close();
        QVERIFY(QFile::link(secret.fileName(), Data() + QStringLiteral("/duedate2007010100000210.due")));
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        store.LoadAll();
        QVERIFY(store.Contains(Due(1).m_strRecId));
        QVERIFY(!store.Contains(Due(2).m_strRecId));
        const QStringList problems = store.LoadProblems();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().startsWith(QStringLiteral("duedate2007010100000210.due: ")) &&
                     problems.first().contains(QStringLiteral("outside the data folder")),
                 qPrintable(problems.first()));
        QVERIFY(!problems.join(' ').contains(QStringLiteral("SECRET")));
    }

    // Changed again and again, records keep what was written last, also
    // after the store packs its memory anew.
    void recordsSurviveManyChanges()
    {
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        store.LoadAll();
        QStringList ids;
        for (int i = 0; i < 40; ++i)
            ids << store.AddDue(Due(i));
        DueRecord last[40];
        for (int round = 0; round < 12; ++round) {
            CDueStore::Batch batch; // one sync pass a round
            for (int i = 0; i < ids.size(); ++i) {
                DueRecord r = store.GetDue(ids.at(i));
                r.m_strNotes = QString(1000 + round * 100 + i, QChar(u'a' + round));
                r.m_bPaid = round % 2;
                QVERIFY2(store.ReplaceDue(r), qPrintable(store.TakeErrors().join('\n')));
                last[i] = r;
            }
            QVERIFY(store.RemoveDue(ids.takeLast(), false));
        }
        for (int i = 0; i < ids.size(); ++i)
            QVERIFY(store.GetDue(ids.at(i)) == last[i]);
        const MonthList paid = store.FillMonthList(COleDateTime(2007, 1, 1, 0, 0, 0), DueFilter::Paid);
        for (const DueRecord& r : paid.rows)
            QCOMPARE(r.m_bPaid, 1);
    }

    // On a thread of its own: the store stays empty until all of it is in,
    // then takes it at once.
    void loaderHandsOverTheWholeFolder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("through the event loop") << "event loop";
        QTest::newRow("finished at once") << "finish";
        QTest::newRow("started again while loading") << "restart";
    }

    void loaderHandsOverTheWholeFolder()
    {
        QFETCH(QString, how);
        for (int i = 0; i < 500; ++i)
            Write(QFile::encodeName(DataFolder::DueFileName(Due(i).m_strRecId)), DueFile::Serialize(Due(i)));
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        store.AddDue(Due(9999)); // what it held before goes at the start
        DueStoreLoader loader(store);
        QSignalSpy loaded(&loader, &DueStoreLoader::loaded);
        loader.Start();
        QVERIFY(loader.IsLoading());
        QCOMPARE(store.GetCount(), 0);
        if (how == QLatin1String("finish")) {
            loader.Finish();
            QCOMPARE(loaded.size(), 1);
        } else if (how == QLatin1String("restart")) {
            loader.Start();
            QCOMPARE(loaded.size(), 1); // the first one, given before the second began
            QCOMPARE(store.GetCount(), 0);
        }
        QTRY_VERIFY(!loader.IsLoading());
        QTest::qWait(20); // a late hand-over of a load already given must not come twice
        QCOMPARE(loaded.size(), how == QLatin1String("restart") ? 2 : 1);
        QCOMPARE(store.GetCount(), 501);
    }

    void droppedLoaderLeavesTheStoreAlone()
    {
        for (int i = 0; i < 300; ++i)
            Write(QFile::encodeName(DataFolder::DueFileName(Due(i).m_strRecId)), DueFile::Serialize(Due(i)));
        CDueStore store;
        store.SetFolder(DataFolder(m_dir->path()));
        {
            DueStoreLoader loader(store);
            loader.Start();
        }
        QTest::qWait(20);
        QCOMPARE(store.GetCount(), 0);
    }

private:
    QString Data() const { return m_dir->path() + QStringLiteral("/Tallyvane Files"); }
    void Write(const QByteArray& name, const QByteArray& bytes)
    {
        QFile f(Data() + '/' + QFile::decodeName(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestDueStoreLoader)
#include "tst_duestoreloader.moc"
