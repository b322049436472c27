#include "app/CommandLine.h"
#include "app/Translations.h"
#include "model/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

// The translations are found in the installed data folder or beside the
// program, for the locale's language, and reach the texts.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void loadsOursForTheLocale_data();
    void loadsOursForTheLocale();
    void dataFilesInstalledFirst_data();
    void dataFilesInstalledFirst();
};

void TestTranslations::cleanup()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    SetInstalledDataFolder(QString());
    QLocale::setDefault(QLocale::c());
}

void TestTranslations::loadsOursForTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("said");
    QTest::newRow("German") << "de_DE"
                            << "tallyvane: unbekannter Befehl: frobnicate\n";
    QTest::newRow("German of Austria: the language's file") << "de_AT"
                                                            << "tallyvane: unbekannter Befehl: frobnicate\n";
    QTest::newRow("no file: English") << "fr_FR"
                                      << "tallyvane: unknown command: frobnicate\n";
    QTest::newRow("C") << "C"
                       << "tallyvane: unknown command: frobnicate\n";
}

void TestTranslations::loadsOursForTheLocale()
{
    if (QStringLiteral(TALLYVANE_TEST_QM_ROOT).isEmpty())
        QSKIP("lrelease (qt6-l10n-tools) is not installed");
    QFETCH(QString, locale);
    QFETCH(QString, said);
    QLocale::setDefault(QLocale(locale));
    SetInstalledDataFolder(
        QDir(QCoreApplication::applicationDirPath()).relativeFilePath(TALLYVANE_TEST_QM_ROOT));
    InstallTranslations();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QCOMPARE(std::get<int>(CommandLine::Run({QStringLiteral("frobnicate")}, outStream, errStream)), 2);
    QCOMPARE(err, said);
}

void TestTranslations::dataFilesInstalledFirst_data()
{
    QTest::addColumn<bool>("installedFolderSet");
    QTest::addColumn<bool>("fileInstalled");
    QTest::addColumn<bool>("installedUsed");
    QTest::newRow("installed") << true << true << true;
    QTest::newRow("not installed: beside the program") << true << false << false;
    QTest::newRow("build tree: beside the program") << false << true << false;
}

void TestTranslations::dataFilesInstalledFirst()
{
    QFETCH(bool, installedFolderSet);
    QFETCH(bool, fileInstalled);
    QFETCH(bool, installedUsed);
    QTemporaryDir share;
    QVERIFY(share.isValid());
    const QString name = QStringLiteral("Templates/exporttemplate.html");
    if (fileInstalled) {
        QVERIFY(QDir(share.path()).mkpath(QStringLiteral("Templates")));
        QFile file(share.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString appDir = QCoreApplication::applicationDirPath();
    if (installedFolderSet)
        SetInstalledDataFolder(QDir(appDir).relativeFilePath(share.path()));
    QCOMPARE(GetDataFilePath(name),
             installedUsed ? QDir::cleanPath(share.filePath(name)) : appDir + "/" + name);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
