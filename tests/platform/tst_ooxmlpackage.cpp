#include "platform/OoxmlPackage.h"
#include "platform/OoxmlXml.h"
#include "platform/ShellOpen.h"
#include "platform/TemporaryDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <filesystem>

class TestOoxmlPackage : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsPartsAndOrder();
    void rejectsBrokenPackages_data();
    void rejectsBrokenPackages();
    void spreadsheetText_data();
    void spreadsheetText();
    void colours_data();
    void colours();
    void targets_data();
    void targets();
    void insertInOrder();
    void temporaryDocument();
    void sweepsOnlyOurOldFolders();

private:
    QTemporaryDir m_dir;
};

void TestOoxmlPackage::roundTripKeepsPartsAndOrder()
{
    OoxmlPackage package;
    package.SetPart(QStringLiteral("[Content_Types].xml"), "<Types/>");
    package.SetPart(QStringLiteral("xl/b.xml"), QByteArray(100000, 'b'));
    package.SetPart(QStringLiteral("xl/a.xml"), QByteArray());
    package.SetPart(QStringLiteral("xl/b.xml"), "replaced"); // replaces in place
    QByteArray bytes;
    QString why;
    QVERIFY2(package.ToBytes(&bytes, &why), qPrintable(why));
    QVERIFY(bytes.startsWith("PK\x03\x04"));

    OoxmlPackage back;
    QVERIFY2(back.ReadBytes(bytes, &why), qPrintable(why));
    QCOMPARE(back.PartNames(), QStringList({QStringLiteral("[Content_Types].xml"), QStringLiteral("xl/b.xml"),
                                            QStringLiteral("xl/a.xml")}));
    QCOMPARE(back.Part(QStringLiteral("XL/B.xml")), QByteArray("replaced")); // names ignore case
    QCOMPARE(back.Part(QStringLiteral("xl/a.xml")), QByteArray());
}

void TestOoxmlPackage::rejectsBrokenPackages_data()
{
    QTest::addColumn<QByteArray>("bytes");

    auto zip = [](const QList<QPair<QString, QByteArray>>& parts) {
        OoxmlPackage p;
        for (const auto& part : parts)
            p.SetPart(part.first, part.second);
        QByteArray bytes;
        (void)p.ToBytes(&bytes, nullptr);
        return bytes;
    };
    const QByteArray good = zip({{QStringLiteral("a.xml"), QByteArray(5000, 'a')}});

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("just some text, no archive");
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QByteArray damaged = good;
    damaged[40] = char(damaged[40] ^ 0x55); // inside the deflated data
    QTest::newRow("damaged data") << damaged;
    QTest::newRow("parent path") << zip({{QStringLiteral("../evil.xml"), "x"}});
    QTest::newRow("absolute path") << zip({{QStringLiteral("/etc/evil.xml"), "x"}});
    QFile twice(QStringLiteral(TALLYVANE_TEST_DATA "/office/same-name-twice.xltx"));
    QVERIFY(twice.open(QIODevice::ReadOnly));
    QTest::newRow("same name twice") << twice.readAll();
    QList<QPair<QString, QByteArray>> many;
    for (int i = 0; i <= OoxmlPackage::kMaxParts; ++i)
        many.append({QStringLiteral("p%1.xml").arg(i), QByteArray()});
    QTest::newRow("too many parts") << zip(many);
    // Highly compressible data that unpacks beyond the cap.
    QTest::newRow("too large") << zip(
        {{QStringLiteral("big.xml"), QByteArray(OoxmlPackage::kMaxPartBytes + 1, 0)}});
}

void TestOoxmlPackage::rejectsBrokenPackages()
{
    QFETCH(QByteArray, bytes);
    OoxmlPackage package;
    package.SetPart(QStringLiteral("left.xml"), "from before");
    QString why;
    QVERIFY(!package.ReadBytes(bytes, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(package.PartNames().isEmpty());
}

void TestOoxmlPackage::spreadsheetText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << QStringLiteral("Rent & <co>") << QStringLiteral("Rent & <co>");
    QTest::newRow("line feed kept") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("carriage return escaped") << QStringLiteral("a\rb") << QStringLiteral("a_x000D_b");
    QTest::newRow("escape-like text kept literal")
        << QStringLiteral("_x0041_ and _x00e9_") << QStringLiteral("_x005F_x0041_ and _x005F_x00e9_");
    QTest::newRow("not an escape") << QStringLiteral("_x41_ _xZZZZ_") << QStringLiteral("_x41_ _xZZZZ_");
    QTest::newRow("control characters dropped") << QStringLiteral("a\x01\x1F\tb") << QStringLiteral("a\tb");
    QTest::newRow("lone surrogate dropped")
        << QString(QChar(0xD800)) + QStringLiteral("x") << QStringLiteral("x");
    QTest::newRow("pair kept") << QStringLiteral("\U0001F600") << QStringLiteral("\U0001F600");
}

void TestOoxmlPackage::spreadsheetText()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(OoxmlXml::SpreadsheetText(text), stored);
}

void TestOoxmlPackage::colours_data()
{
    QTest::addColumn<quint32>("colorRef");
    QTest::addColumn<QString>("rgb");
    QTest::newRow("white") << quint32(16777215) << QStringLiteral("FFFFFF");
    QTest::newRow("red is the low byte") << quint32(0x0000FF) << QStringLiteral("FF0000");
    QTest::newRow("mixed") << quint32(0xCEE3D6) << QStringLiteral("D6E3CE");
    QTest::newRow("navy") << quint32(0x800000) << QStringLiteral("000080");
    QTest::newRow("automatic is no RGB") << quint32(0xFF000000) << QString();
}

void TestOoxmlPackage::colours()
{
    QFETCH(quint32, colorRef);
    QFETCH(QString, rgb);
    QCOMPARE(OoxmlXml::ColorRefToRgb(colorRef), rgb);
}

void TestOoxmlPackage::targets_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("part");
    QTest::newRow("sibling folder") << "xl/worksheets/sheet1.xml"
                                    << "../comments1.xml"
                                    << "xl/comments1.xml";
    QTest::newRow("sub folder") << "xl/worksheets/sheet1.xml"
                                << "../drawings/vmlDrawing1.vml"
                                << "xl/drawings/vmlDrawing1.vml";
    QTest::newRow("absolute") << "xl/workbook.xml"
                              << "/xl/styles.xml"
                              << "xl/styles.xml";
    QTest::newRow("package root") << ""
                                  << "xl/workbook.xml"
                                  << "xl/workbook.xml";
    QTest::newRow("leaves the package") << "xl/workbook.xml"
                                        << "../../x.xml"
                                        << "";
}

void TestOoxmlPackage::targets()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, part);
    QCOMPARE(OoxmlXml::ResolveTarget(source, target), part);
    if (!part.isEmpty())
        QCOMPARE(OoxmlXml::ResolveTarget(source, OoxmlXml::RelativeTarget(source, part)), part);
}

void TestOoxmlPackage::insertInOrder()
{
    pugi::xml_document doc;
    doc.load_string("<x:ws><x:sheetData/><x:pageSetup/><mc:Alt/><x:tableParts/><x:extLst/></x:ws>");
    const QStringList order = {QStringLiteral("sheetData"), QStringLiteral("pageSetup"),
                               QStringLiteral("legacyDrawing"), QStringLiteral("tableParts"),
                               QStringLiteral("extLst")};
    OoxmlXml::InsertInOrder(doc.document_element(), "legacyDrawing", order);
    QStringList names;
    for (pugi::xml_node c : doc.document_element().children())
        names << QString::fromUtf8(c.name());
    QCOMPARE(names, QStringList({QStringLiteral("x:sheetData"), QStringLiteral("x:pageSetup"),
                                 QStringLiteral("mc:Alt"), QStringLiteral("x:legacyDrawing"),
                                 QStringLiteral("x:tableParts"), QStringLiteral("x:extLst")}));
}

void TestOoxmlPackage::temporaryDocument()
{
    QCOMPARE(SafeDocumentFileName(QStringLiteral("Dues a/b:c*?.xlsx")), QStringLiteral("Dues a_b_c__.xlsx"));
    QCOMPARE(SafeDocumentFileName(QStringLiteral(".xlsx")), QStringLiteral("Document.xlsx"));

    QStringList opened;
    bool openResult = true;
    const ShellOpenHandler previous = SetShellOpenHandler([&](const QString& path) {
        opened << path;
        return openResult;
    });
    const auto restore = qScopeGuard([&] { SetShellOpenHandler(previous); });
    auto writeOk = [](const QString& path, QString*) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    };
    QString shown, why;
    QVERIFY(ShowTemporaryDocument(QStringLiteral("A.docx"), writeOk, &shown, &why));
    QCOMPARE(opened, QStringList(shown));
    QVERIFY(QFileInfo::exists(shown)); // left for the program that opened it
    QVERIFY(QFileInfo(shown).absolutePath().startsWith(QDir::tempPath() + QStringLiteral("/tallyvane-")));

    // A second document of the same name never lands on the first.
    QString second;
    QVERIFY(ShowTemporaryDocument(QStringLiteral("A.docx"), writeOk, &second, &why));
    QVERIFY(second != shown);

    // A failed save leaves no folder behind and opens nothing.
    QString failedPath;
    auto writeFails = [&](const QString& path, QString* reason) {
        failedPath = path;
        *reason = QStringLiteral("disk full");
        return false;
    };
    QVERIFY(!ShowTemporaryDocument(QStringLiteral("B.docx"), writeFails, nullptr, &why));
    QCOMPARE(why, QStringLiteral("disk full"));
    QVERIFY(!QFileInfo::exists(QFileInfo(failedPath).absolutePath()));
    QCOMPARE(opened.size(), 2);

    // No program to open it with: said so, with the path.
    openResult = false;
    QString third;
    QVERIFY(!ShowTemporaryDocument(QStringLiteral("C.docx"), writeOk, &third, &why));
    QVERIFY(why.contains(third));

    for (const QString& p : {shown, second, third})
        QDir(QFileInfo(p).absolutePath()).removeRecursively();
}

void TestOoxmlPackage::sweepsOnlyOurOldFolders()
{
    QTemporaryDir root;
    auto makeDir = [&](const QString& name, qint64 ageSecs) {
        const QString path = root.filePath(name);
        QDir().mkpath(path + QStringLiteral("/inside"));
        QFile f(path + QStringLiteral("/Dues.xlsx"));
        f.open(QIODevice::WriteOnly);
        f.close();
        const std::filesystem::path p(path.toStdString());
        std::filesystem::last_write_time(p,
                                         std::filesystem::last_write_time(p) - std::chrono::seconds(ageSecs));
        return path;
    };
    const QString old = makeDir(QStringLiteral("tallyvane-Ab12Cd"), 2 * 86400);
    const QString fresh = makeDir(QStringLiteral("tallyvane-Xy34Zw"), 60);
    const QString foreign = makeDir(QStringLiteral("tallyvane-notours"), 2 * 86400);
    const QString other = makeDir(QStringLiteral("something-Ab12Cd"), 2 * 86400);
    QVERIFY(QFile::link(old, root.filePath(QStringLiteral("tallyvane-Link01"))));

    QCOMPARE(SweepTemporaryDocuments(root.path(), 86400), 1);
    QVERIFY(!QFileInfo::exists(old));
    for (const QString& kept : {fresh, foreign, other})
        QVERIFY2(QFileInfo(kept).isDir(), qPrintable(kept));
}

QTEST_GUILESS_MAIN(TestOoxmlPackage)
#include "tst_ooxmlpackage.moc"
