#include "model/base/Clock.h"
#include "model/services/DueMarking.h"
#include "model/services/UndoStack.h"
#include "model/store/CDueStore.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using Snapshot = QMap<QString, QByteArray>;

Snapshot ReadFolder(const CDueStore& store)
{
    Snapshot out;
    const QDir dir(store.Folder().Path());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}

QMap<QString, DueRecord> Records(const CDueStore& store)
{
    QMap<QString, DueRecord> out;
    store.ForEach([&](const DueRecord& r) { out.insert(r.m_strRecId, r); });
    return out;
}

DueRecord Due(const QString& title, int day, const QString& series = {})
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtDue = COleDateTime(2024, 5, day, 9, 0, 0);
    r.m_dtStart = r.m_dtDue;
    r.m_dAmount = 12.5;
    r.m_strSeriesId = series;
    return r;
}

} // namespace

class TestUndoStack : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void undoRedoRestoreBytes_data();
    void undoRedoRestoreBytes();
    void refusedWhenChangedOnDisk_data();
    void refusedWhenChangedOnDisk();
    void markChangesOnlyTheChosen();
    void stackOrderAndEmptyChanges();

private:
    // Runs one kind of change the way the window does; returns the ids it names up front.
    QStringList Change(const QString& kind);

    std::unique_ptr<QTemporaryDir> m_dir;
    CDueStore m_store;
    QString m_single;
    QString m_series;
    QStringList m_members;
};

void TestUndoStack::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Clock::SetFixed(QDateTime(QDate(2024, 5, 1), QTime(8, 0)));
    m_store.SetFolder(DataFolder(m_dir->path()));
    m_store.LoadAll();
    m_single = m_store.AddDue(Due(QStringLiteral("Rent"), 3));
    m_series = m_store.NewSeriesId();
    for (int day : {10, 17, 24})
        (void)m_store.AddDue(Due(QStringLiteral("Gym"), day, m_series));
    m_store.GetSeriesIds(m_series, m_members);
    m_members.sort();
    QVERIFY(m_store.TakeErrors().isEmpty());
    Clock::Advance(60); // new dues get identifiers of their own
}

QStringList TestUndoStack::Change(const QString& kind)
{
    if (kind == QLatin1String("new")) {
        (void)m_store.AddDue(Due(QStringLiteral("Water"), 20));
        return {};
    }
    if (kind == QLatin1String("new series")) {
        const QString s = m_store.NewSeriesId();
        for (int day : {1, 2})
            (void)m_store.AddDue(Due(QStringLiteral("Tax"), day, s));
        (void)m_store.TouchPreferences();
        return {};
    }
    if (kind == QLatin1String("import")) {
        // As an import adds its lines: new dues of every kind, one sync pass.
        CDueStore::Batch batch;
        DueRecord text = Due(QStringLiteral("Stra\u00dfe \u20ac"), 4); // in the UTF-16 form
        text.m_strNotes = QStringLiteral("line\r\nbreak");
        (void)m_store.AddDue(text);
        (void)m_store.AddDue(Due(QStringLiteral("Gym"), 5, m_series)); // joins a series
        for (int day = 6; day < 30; ++day)
            (void)m_store.AddDue(Due(QStringLiteral("Line %1").arg(day), day));
        return {};
    }
    if (kind == QLatin1String("modify")) {
        DueRecord r = m_store.GetDue(m_single);
        r.m_strTitle = QStringLiteral("Rent \u20ac"); // now in the UTF-16 form
        r.m_dtDue = COleDateTime(2024, 6, 3, 9, 0, 0);
        (void)m_store.ReplaceDue(r);
        return {m_single};
    }
    if (kind == QLatin1String("modify series")) {
        DueRecord r = m_store.GetDue(m_members.at(1));
        r.m_dAmount = 99.0;
        (void)m_store.ModifySeries(r);
        return m_members;
    }
    if (kind == QLatin1String("delete")) {
        (void)m_store.RemoveDue(m_single, true);
        return {m_single};
    }
    if (kind == QLatin1String("delete series")) {
        (void)m_store.DeleteSeries(m_series);
        return m_members;
    }
    if (kind == QLatin1String("mark paid")) {
        (void)MarkDues(m_store, {m_members.at(2)}, true);
        return {m_members.at(2)};
    }
    return {};
}

void TestUndoStack::undoRedoRestoreBytes_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"new", "new series", "import", "modify", "modify series", "delete", "delete series", "mark paid"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestUndoStack::undoRedoRestoreBytes()
{
    QFETCH(QString, kind);
    const Snapshot before = ReadFolder(m_store);
    const auto recordsBefore = Records(m_store);

    // Which ids a change touches is known before it runs, except for new dues.
    QStringList ids;
    if (kind == QLatin1String("modify") || kind == QLatin1String("delete"))
        ids = {m_single};
    else if (kind == QLatin1String("mark paid"))
        ids = {m_members.at(2)};
    else if (kind.endsWith(QLatin1String("series")) && !kind.startsWith(QLatin1String("new")))
        ids = m_members;
    UndoStack stack;
    FileChange change = FileChange::Begin(m_store, kind, ids);
    QCOMPARE(Change(kind), ids);
    change.Finish(m_store);
    QVERIFY(!change.IsEmpty());
    stack.Push(change);
    const Snapshot after = ReadFolder(m_store);
    const auto recordsAfter = Records(m_store);
    QVERIFY(after != before);

    QString why;
    QVERIFY2(stack.Undo(m_store, &why), qPrintable(why));
    QCOMPARE(ReadFolder(m_store), before);
    QCOMPARE(Records(m_store), recordsBefore);
    QVERIFY(stack.CanRedo());
    QVERIFY(!stack.CanUndo());

    QVERIFY2(stack.Redo(m_store, &why), qPrintable(why));
    QCOMPARE(ReadFolder(m_store), after);
    QCOMPARE(Records(m_store), recordsAfter);

    // The store agrees with the folder: a fresh load lists the same.
    CDueStore reloaded;
    reloaded.SetFolder(m_store.Folder());
    reloaded.LoadAll();
    QCOMPARE(Records(reloaded), recordsAfter);
}

void TestUndoStack::refusedWhenChangedOnDisk_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tamper"); // rewrite, remove, create
    QTest::newRow("modify, file rewritten") << "modify"
                                            << "rewrite";
    QTest::newRow("new, file removed") << "new"
                                       << "remove";
    QTest::newRow("delete, file back") << "delete"
                                       << "create";
    QTest::newRow("delete series, one back") << "delete series"
                                             << "create";
    QTest::newRow("mark paid, file removed") << "mark paid"
                                             << "remove";
    QTest::newRow("import, one rewritten") << "import"
                                           << "rewrite";
}

void TestUndoStack::refusedWhenChangedOnDisk()
{
    QFETCH(QString, kind);
    QFETCH(QString, tamper);
    const auto recordsBefore = Records(m_store);
    const QSet<QString> idsBefore(recordsBefore.keyBegin(), recordsBefore.keyEnd());
    QStringList ids;
    if (kind == QLatin1String("modify") || kind == QLatin1String("delete"))
        ids = {m_single};
    else if (kind == QLatin1String("mark paid"))
        ids = {m_members.at(2)};
    else if (kind == QLatin1String("delete series"))
        ids = m_members;
    FileChange change = FileChange::Begin(m_store, kind, ids);
    Change(kind);
    change.Finish(m_store);

    QString victim = ids.isEmpty() ? QString() : ids.last();
    if (victim.isEmpty())
        m_store.ForEach([&](const DueRecord& r) {
            if (!idsBefore.contains(r.m_strRecId))
                victim = r.m_strRecId;
        });
    const QString path = m_store.Folder().DueFilePath(victim);
    if (tamper == QLatin1String("remove")) {
        QVERIFY(QFile::remove(path));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("someone else");
    }
    const Snapshot tampered = ReadFolder(m_store);
    const auto records = Records(m_store);

    UndoStack stack;
    stack.Push(change);
    QString why;
    QVERIFY(!stack.Undo(m_store, &why));
    QVERIFY2(why.contains(QDir::toNativeSeparators(path)) && why.contains(QStringLiteral("changed on disk")),
             qPrintable(why));
    QVERIFY(why.contains(kind));
    QCOMPARE(ReadFolder(m_store), tampered);
    QCOMPARE(Records(m_store), records);
    QVERIFY(!stack.CanUndo()); // dropped: it can never apply again
    QVERIFY(!stack.CanRedo());
}

void TestUndoStack::markChangesOnlyTheChosen()
{
    const Snapshot before = ReadFolder(m_store);
    const QStringList written = MarkDues(m_store, {m_members.at(0), m_single, QStringLiteral("nope")}, true);
    QCOMPARE(written, (QStringList{m_members.at(0), m_single}));
    const Snapshot after = ReadFolder(m_store);
    auto fileOf = [&](const QString& id) { return QFileInfo(m_store.Folder().DueFilePath(id)).fileName(); };
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const bool chosen = it.key() == fileOf(m_members.at(0)) || it.key() == fileOf(m_single);
        QCOMPARE(after.value(it.key()) != it.value(), chosen);
    }
    QVERIFY(m_store.GetDue(m_members.at(0)).m_bPaid);
    QVERIFY(!m_store.GetDue(m_members.at(1)).m_bPaid);
    // Already paid: nothing written again; unpaid goes back.
    QCOMPARE(MarkDues(m_store, {m_single}, true), QStringList());
    QCOMPARE(MarkDues(m_store, {m_single}, false), QStringList{m_single});
    QCOMPARE(ReadFolder(m_store).value(fileOf(m_single)), before.value(fileOf(m_single)));
}

void TestUndoStack::stackOrderAndEmptyChanges()
{
    UndoStack stack;
    FileChange nothing = FileChange::Begin(m_store, QStringLiteral("cancelled"), {m_single});
    nothing.Finish(m_store);
    QVERIFY(nothing.IsEmpty());
    stack.Push(nothing);
    QVERIFY(!stack.CanUndo());

    const Snapshot s0 = ReadFolder(m_store);
    FileChange a = FileChange::Begin(m_store, QStringLiteral("Mark Paid"), {m_single});
    (void)MarkDues(m_store, {m_single}, true);
    a.Finish(m_store);
    stack.Push(a);
    const Snapshot s1 = ReadFolder(m_store);
    FileChange b = FileChange::Begin(m_store, QStringLiteral("Delete"), {m_single});
    QVERIFY(m_store.RemoveDue(m_single, true));
    b.Finish(m_store);
    stack.Push(b);
    QCOMPARE(stack.UndoText(), QStringLiteral("Delete"));

    QString why;
    QVERIFY(stack.Undo(m_store, &why));
    QCOMPARE(ReadFolder(m_store), s1);
    QVERIFY(stack.Undo(m_store, &why));
    QCOMPARE(ReadFolder(m_store), s0);
    QVERIFY(!m_store.GetDue(m_single).m_bPaid);
    QCOMPARE(stack.RedoText(), QStringLiteral("Mark Paid"));
    QVERIFY(stack.Redo(m_store, &why));
    QCOMPARE(ReadFolder(m_store), s1);
    // A new action ends what could be redone.
    FileChange c = FileChange::Begin(m_store, QStringLiteral("Mark Unpaid"), {m_single});
    (void)MarkDues(m_store, {m_single}, false);
    c.Finish(m_store);
    stack.Push(c);
    QVERIFY(!stack.CanRedo());
    QCOMPARE(stack.UndoText(), QStringLiteral("Mark Unpaid"));
}

QTEST_GUILESS_MAIN(TestUndoStack)
#include "tst_undostack.moc"
