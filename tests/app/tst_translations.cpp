#include "app/CommandLine.h"
#include "app/Translations.h"
#include "model/base/AppPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One message of a translation source file.
struct TsMessage
{
    QString context;
    QString source;
    bool numerus = false;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    QStringList forms;
};

QList<TsMessage> ReadTs(QIODevice* in, QString* error)
{
    QList<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(in);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            messages.append(
                TsMessage{context, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}, {}});
        } else if (messages.isEmpty()) {
            continue;
        } else if (name == u"source") {
            messages.last().source = xml.readElementText();
        } else if (name == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.last().numerus)
                messages.last().forms << xml.readElementText();
        } else if (name == u"numerusform") {
            messages.last().forms << xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// "&" marks the accelerator; "&&" is an ampersand as such.
int Accelerators(const QString& text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else
            ++n;
    }
    return n;
}

// The arguments a text takes, each as often as it is used; %L1 takes what %1 takes.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:n|L?[1-9][0-9]?)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    return found;
}

// What a translator left undone or broke, one line per message.
QStringList Problems(const QList<TsMessage>& messages)
{
    QStringList problems;
    for (const TsMessage& m : messages) {
        if (m.source.isEmpty())
            continue;
        const QString where = m.context + QStringLiteral(": \"") + m.source.left(60) + QStringLiteral("\" ");
        if (!m.type.isEmpty())
            problems << where + m.type;
        if (m.forms.isEmpty() || m.forms.contains(QString()))
            problems << where + QStringLiteral("untranslated");
        for (const QString& form : m.forms) {
            if (form.isEmpty())
                continue;
            if (Placeholders(form) != Placeholders(m.source))
                problems << where + QStringLiteral("placeholders %1 in \"%2\"")
                                        .arg(Placeholders(m.source).join(QLatin1Char(' ')), form);
            if (Accelerators(form) != Accelerators(m.source))
                problems << where + QStringLiteral("accelerators in \"%1\"").arg(form);
        }
    }
    return problems;
}

QString TsFile(const QString& language)
{
    return QStringLiteral(TALLYVANE_TS_DIR "/tallyvane_%1.ts").arg(language);
}

} // namespace

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
    void problemsFound_data();
    void problemsFound();
    void shippedComplete_data();
    void shippedComplete();
    void shippedCoverTheCode_data();
    void shippedCoverTheCode();
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

void TestTranslations::problemsFound_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("problems");
    const QString one = QStringLiteral("<translation>%1</translation>");
    QTest::newRow("done") << "&Browse..." << one.arg("&amp;Durchsuchen…") << 0;
    QTest::newRow("unfinished") << "Print"
                                << "<translation type=\"unfinished\">Drucken</translation>" << 1;
    QTest::newRow("unfinished and empty") << "Print"
                                          << "<translation type=\"unfinished\"></translation>" << 2;
    QTest::newRow("vanished") << "Print"
                              << "<translation type=\"vanished\">Drucken</translation>" << 1;
    QTest::newRow("placeholder lost") << "Could not save %1: %2" << one.arg("Nicht gespeichert: %2") << 1;
    QTest::newRow("placeholder twice") << "%1 of %2" << one.arg("%1 von %1") << 1;
    QTest::newRow("placeholders reordered") << "%1 of %2" << one.arg("%2: %1") << 0;
    QTest::newRow("localized placeholder") << "Record %1" << one.arg("Eintrag %L1") << 0;
    QTest::newRow("accelerator lost") << "&File" << one.arg("Datei") << 1;
    QTest::newRow("accelerator doubled") << "&File" << one.arg("&amp;Da&amp;tei") << 1;
    QTest::newRow("ampersand as such") << "Save && Close" << one.arg("Speichern &amp;&amp; Schließen") << 0;
    QTest::newRow("ampersand turned accelerator")
        << "Save && Close" << one.arg("Speichern &amp; Schließen") << 1;
    QTest::newRow("numerus done") << "%n file(s)"
                                  << "<translation><numerusform>%n Datei</numerusform>"
                                     "<numerusform>%n Dateien</numerusform></translation>"
                                  << 0;
    QTest::newRow("numerus form without %n") << "%n file(s)"
                                             << "<translation><numerusform>eine Datei</numerusform>"
                                                "<numerusform>%n Dateien</numerusform></translation>"
                                             << 1;
    QTest::newRow("numerus form empty") << "%n file(s)"
                                        << "<translation><numerusform>%n Datei</numerusform>"
                                           "<numerusform></numerusform></translation>"
                                        << 1;
}

void TestTranslations::problemsFound()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(int, problems);
    const bool numerus = translation.contains(QStringLiteral("numerusform"));
    QByteArray ts =
        QStringLiteral("<TS version=\"2.1\"><context><name>X</name><message%1><source>%2</source>%3"
                       "</message></context></TS>")
            .arg(numerus ? QStringLiteral(" numerus=\"yes\"") : QString(), source.toHtmlEscaped(),
                 translation)
            .toUtf8();
    QBuffer buffer(&ts);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QString error;
    const QList<TsMessage> messages = ReadTs(&buffer, &error);
    QCOMPARE(error, QString());
    QCOMPARE(messages.size(), 1);
    const QStringList found = Problems(messages);
    QVERIFY2(found.size() == problems, qPrintable(found.join(QLatin1Char('\n'))));
}

void TestTranslations::shippedComplete_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("least"); // messages the file holds at least
    QTest::newRow("German") << "de" << 100;
    QTest::newRow("French") << "fr" << 100;
    // English: only the forms of numbers.
    QTest::newRow("English") << "en" << 10;
}

void TestTranslations::shippedComplete()
{
    QFETCH(QString, language);
    QFETCH(int, least);
    QFile file(TsFile(language));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QString error;
    const QList<TsMessage> messages = ReadTs(&file, &error);
    QCOMPARE(error, QString());
    QVERIFY(messages.size() >= least);
    if (language == QLatin1String("en")) {
        for (const TsMessage& m : messages)
            QVERIFY2(m.numerus, qPrintable(m.source));
    }
    const QStringList problems = Problems(messages);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::shippedCoverTheCode_data()
{
    shippedComplete_data();
}

// A text added to the code without a translation shows up as unfinished, one
// the code no longer has as vanished, and a tr() that lupdate cannot place is
// a text no translation would ever reach.
void TestTranslations::shippedCoverTheCode()
{
    if (QStringLiteral(TALLYVANE_LUPDATE).isEmpty())
        QSKIP("lupdate (qt6-l10n-tools) is not installed");
    QFETCH(QString, language);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("tallyvane_%1.ts").arg(language));
    QVERIFY(QFile::copy(TsFile(language), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                     QStringLiteral(TALLYVANE_SOURCE_DIR)};
    if (language == QLatin1String("en"))
        args << QStringLiteral("-pluralonly");
    args << QStringLiteral(TALLYVANE_TRANSLATED_SOURCES).split(QLatin1Char('|'));
    args << QStringLiteral("-ts") << copy;
    lupdate.start(QStringLiteral(TALLYVANE_LUPDATE), args);
    QVERIFY(lupdate.waitForFinished(120000));
    const QString said = QString::fromLocal8Bit(lupdate.readAll());
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, qPrintable(said));
    QStringList problems;
    for (const QString& line : said.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("without context")))
            problems << line;
    }
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    problems << Problems(ReadTs(&file, &error));
    QCOMPARE(error, QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
