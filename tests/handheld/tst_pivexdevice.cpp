#include "DeviceTestFiles.h"
#include "device/DeviceIo.h"
#include "device/DeviceProcess.h"
#include "device/DeviceRegistryKey.h"
#include "device/DeviceRoot.h"
#include "device/DeviceShell.h"
#include "device/DeviceSip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QList<QStringList> LogRecords(const QString& path)
{
    QList<QStringList> records;
    const QList<QByteArray> lines = ReadAll(path).split('\n');
    for (const QByteArray& line : lines) {
        if (!line.isEmpty())
            records << QString::fromUtf8(line).split(QLatin1Char('\t'));
    }
    return records;
}

const QUuid kOther(0x11111111, 0x2222, 0x3333, 0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55);
const QUuid kFallback(0xAAAAAAAA, 0xBBBB, 0xCCCC, 0xDD, 0xDD, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE);

} // namespace

class TestPivexDevice : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString Root() const { return m_dir->path(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("PIVEX_DEVICE_ROOT", m_dir->path().toUtf8());
    }

    void rootHasTheHandheldsFolders()
    {
        QCOMPARE(DeviceRoot::Path(), QDir(Root()).canonicalPath());
        QVERIFY(QFileInfo(Root() + "/Windows/StartUp").isDir());
    }

    void devicePaths_data()
    {
        QTest::addColumn<QString>("devicePath");
        QTest::addColumn<QString>("hostRelative"); // empty: rejected

        QTest::newRow("shortcut") << "\\Windows\\StartUp\\_Pivex.lnk"
                                  << "Windows/StartUp/_Pivex.lnk";
        QTest::newRow("case of existing folders") << "\\WINDOWS\\startup\\x.lnk"
                                                  << "Windows/StartUp/x.lnk";
        QTest::newRow("forward slashes, doubled") << "//Windows//x.exe"
                                                  << "Windows/x.exe";
        QTest::newRow("no leading separator") << "Windows\\x.exe"
                                              << "Windows/x.exe";
        QTest::newRow("parent") << "\\Windows\\..\\..\\etc\\passwd"
                                << "";
        QTest::newRow("parent at start") << "..\\x"
                                         << "";
        QTest::newRow("dot") << "\\Windows\\.\\x"
                             << "";
        QTest::newRow("drive") << "C:\\x"
                               << "";
        QTest::newRow("control character") << "\\Windows\\a\nb"
                                           << "";
        QTest::newRow("wildcard") << "\\Windows\\*.exe"
                                  << "";
        QTest::newRow("root only") << "\\"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void devicePaths()
    {
        QFETCH(QString, devicePath);
        QFETCH(QString, hostRelative);
        const QString host = DeviceRoot::HostPath(devicePath);
        if (hostRelative.isEmpty())
            QVERIFY2(host.isEmpty(), qPrintable(host));
        else
            QCOMPARE(host, DeviceRoot::Path() + "/" + hostRelative);
    }

    void registryValuesAreStoredAsText()
    {
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Pellworth\\Pivex", true);
        QVERIFY(key.has_value());
        QVERIFY(key->SetDword("Save new word", 1));
        QVERIFY(key->SetDword("Scribing Sensitivity", 0xFFFFFFFFu));
        QVERIFY(key->SetDword("odd \"name\" \\ with\nbreak", 0x1234abcd));
        // Names match without regard to case: this replaces, not adds.
        QVERIFY(key->SetDword("SAVE NEW WORD", 0));

        const QString file = Root() + "/Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex/values.reg";
        QCOMPARE(ReadAll(file), QByteArray("\"Save new word\"=dword:00000000\n"
                                           "\"Scribing Sensitivity\"=dword:ffffffff\n"
                                           "\"odd \\\"name\\\" \\\\ with\\x0abreak\"=dword:1234abcd\n"));

        auto again = DeviceRegistryKey::Open(RegRoot::LocalMachine, "software\\PELLWORTH\\pivex", false);
        QVERIFY(again.has_value());
        QCOMPARE(again->QueryDword("save new word"), std::optional<quint32>(0));
        QCOMPARE(again->QueryDword("Scribing Sensitivity"), std::optional<quint32>(0xFFFFFFFFu));
        QCOMPARE(again->QueryDword("odd \"name\" \\ with\nbreak"), std::optional<quint32>(0x1234abcd));
        QCOMPARE(again->QueryDword("Insert space"), std::nullopt);
    }

    void registryKeysThatCannotOpen_data()
    {
        QTest::addColumn<QString>("subKey");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing, no create") << "\\SOFTWARE\\Nobody" << false;
        QTest::newRow("parent name") << "\\SOFTWARE\\..\\..\\..\\outside" << true;
        QTest::newRow("control character") << "\\SOFTWARE\\a\tb" << true;
    }

    void registryKeysThatCannotOpen()
    {
        QFETCH(QString, subKey);
        QFETCH(bool, create);
        QVERIFY(!DeviceRegistryKey::Open(RegRoot::LocalMachine, subKey, create).has_value());
        QVERIFY(!QFileInfo::exists(Root() + "/Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Nobody"));
        QVERIFY(!QFileInfo::exists(QFileInfo(Root()).absolutePath() + "/outside"));
    }

    void registryKeepsWhatItCannotRead()
    {
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
        QVERIFY(key.has_value());
        const QByteArray foreign = "\"Text\"=\"hello\"\n"
                                   "\"Short\"=dword:12\n"
                                   "garbage without a name\n";
        WriteAll(key->ValuesFile(), foreign);
        QCOMPARE(key->QueryDword("Text"), std::nullopt);
        QCOMPARE(key->QueryDword("Short"), std::nullopt);
        QVERIFY(key->SetDword("New", 7));
        QCOMPARE(ReadAll(key->ValuesFile()), foreign + "\"New\"=dword:00000007\n");
    }

    void registryNeverOverwritesAnOversizedFile()
    {
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
        QVERIFY(key.has_value());
        const QByteArray big(DeviceIo::kMaxStateFileSize + 1, 'x');
        WriteAll(key->ValuesFile(), big);
        QVERIFY(!key->SetDword("New", 1));
        QCOMPARE(key->QueryDword("New"), std::nullopt);
        QCOMPARE(QFileInfo(key->ValuesFile()).size(), big.size());
    }

    void registryReadsWhatExportsHold_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("value"); // -1: no DWORD of that name
        QTest::newRow("blanks around =") << QByteArray("\"X\" \t= dword:00000005\n") << "X" << qint64(5);
        QTest::newRow("indented") << QByteArray("  \t\"X\"=dword:00000005  \n") << "X" << qint64(5);
        QTest::newRow("CR only") << QByteArray("\"A\"=dword:00000001\r\"X\"=dword:00000005\r") << "X"
                                 << qint64(5);
        QTest::newRow("CR LF, no final end")
            << QByteArray("\"A\"=dword:00000001\r\n\"X\"=dword:00000005") << "X" << qint64(5);
        QTest::newRow("UTF-16 LE export")
            << Utf16LE("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
                       "\"X\"=dword:00000005\r\n\r\n")
            << "X" << qint64(5);
        QByteArray bigEndian = Utf16LE("\"X\"=dword:00000005\n");
        for (qsizetype i = 0; i + 1 < bigEndian.size(); i += 2)
            std::swap(bigEndian[i], bigEndian[i + 1]);
        QTest::newRow("UTF-16 BE") << bigEndian << "X" << qint64(5);
        QTest::newRow("UTF-8 byte order mark")
            << QByteArray("\xEF\xBB\xBF\"X\"=dword:00000005\n") << "X" << qint64(5);
        QTest::newRow("Latin-1 name") << QByteArray("\"Gr\xFC\xDF"
                                                    "e\"=dword:00000007\n")
                                      << "Grüße" << qint64(7);
        QTest::newRow("UTF-8 name, other case")
            << QString("\"Grüße\"=dword:00000007\n").toUtf8() << "GRÜßE" << qint64(7);
        QTest::newRow("upper-case type and digits")
            << QByteArray("\"X\"=DWORD:0000000A\n") << "X" << qint64(10);
        // Importing the file leaves the last value of a name.
        QTest::newRow("duplicate: the last counts")
            << QByteArray("\"X\"=dword:00000001\n\"x\"=dword:00000005\n") << "X" << qint64(5);
        QTest::newRow("duplicate: the last is a string")
            << QByteArray("\"X\"=dword:00000001\n\"X\"=\"text\"\n") << "X" << qint64(-1);
        QTest::newRow("continuation line starts no value")
            << QByteArray("\"B\"=hex:01,02,\\\n  \"X\"=dword:00000005\n") << "X" << qint64(-1);
        QTest::newRow("too few digits") << QByteArray("\"X\"=dword:5\n") << "X" << qint64(-1);
    }

    void registryReadsWhatExportsHold()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(qint64, value);
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
        QVERIFY(key.has_value());
        WriteAll(key->ValuesFile(), file);
        DeviceError error;
        const auto read = key->QueryDword(name, &error);
        QVERIFY(!error.IsSet());
        QCOMPARE(read, value < 0 ? std::nullopt : std::optional<quint32>(quint32(value)));
    }

    void registryRewritesOnlyItsValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QByteArray>("after");
        const QByteArray latin1 = "; caf\xE9\r\n\"Gr\xFC\xDF"
                                  "e\"=\"\xE4\"\r\n";
        QTest::newRow("Latin-1: in place") << QByteArray(latin1 + "\"X\"=dword:00000001\r\n\r\n") << "X" << 5u
                                           << QByteArray(latin1 + "\"X\"=dword:00000005\r\n\r\n");
        QTest::newRow("Latin-1: appended in Latin-1")
            << latin1 << "Grün" << 1u << QByteArray(latin1 + "\"Gr\xFCn\"=dword:00000001\r\n");
        const QString export_ =
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\r\n"
            "\"Grüße\"=\"Ω\"\r\n";
        QTest::newRow("UTF-16: in place") << Utf16LE(export_ + "\"X\"=dword:00000001\r\n\r\n") << "X" << 5u
                                          << Utf16LE(export_ + "\"X\"=dword:00000005\r\n\r\n");
        QTest::newRow("UTF-16: appended in UTF-16")
            << Utf16LE(export_) << "Ω" << 5u << Utf16LE(export_ + "\"Ω\"=dword:00000005\r\n");
        QTest::newRow("UTF-8 byte order mark kept")
            << QByteArray("\xEF\xBB\xBF\"A\"=\"\xC3\xA9\"\n") << "X" << 2u
            << QByteArray("\xEF\xBB\xBF\"A\"=\"\xC3\xA9\"\n\"X\"=dword:00000002\n");
        QTest::newRow("CR only: appended with CR")
            << QByteArray("\"A\"=dword:00000001\r\r\"B\"=\"b\"\r") << "X" << 2u
            << QByteArray("\"A\"=dword:00000001\r\r\"B\"=\"b\"\r\"X\"=dword:00000002\r");
        QTest::newRow("mixed ends: the most common one")
            << QByteArray("\"A\"=\"a\"\n\"B\"=\"b\"\r\n\"C\"=\"c\"\r\n\"D\"=\"d\"\r") << "X" << 2u
            << QByteArray("\"A\"=\"a\"\n\"B\"=\"b\"\r\n\"C\"=\"c\"\r\n\"D\"=\"d\"\r\"X\"=dword:00000002\r\n");
        QTest::newRow("no final line end") << QByteArray("\"A\"=dword:00000001") << "X" << 2u
                                           << QByteArray("\"A\"=dword:00000001\n\"X\"=dword:00000002\n");
        QTest::newRow("blanks and indentation kept")
            << QByteArray("\t\"X\" = dword:00000001  \r\n\n") << "x" << 0xabu
            << QByteArray("\t\"X\" = dword:000000ab  \r\n\n");
        QTest::newRow("duplicate: the last is set")
            << QByteArray("\"X\"=dword:00000001\n\"Y\"=\"y\"\n\"X\"=dword:00000001\n") << "X" << 3u
            << QByteArray("\"X\"=dword:00000001\n\"Y\"=\"y\"\n\"X\"=dword:00000003\n");
        QTest::newRow("same value: not touched")
            << QByteArray("\"X\" = DWORD:0000000A\r") << "X" << 10u << QByteArray("\"X\" = DWORD:0000000A\r");
        QTest::newRow("a value over several lines is replaced whole")
            << QByteArray("\"X\"=hex:01,02,\\\r\n  03,04\r\n\"Y\"=\"y\"\r\n") << "X" << 7u
            << QByteArray("\"X\"=dword:00000007\r\n\"Y\"=\"y\"\r\n");
    }

    void registryRewritesOnlyItsValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(quint32, value);
        QFETCH(QByteArray, after);
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
        QVERIFY(key.has_value());
        WriteAll(key->ValuesFile(), before);
        QVERIFY(key->SetDword(name, value));
        QCOMPARE(ReadAll(key->ValuesFile()), after);
        QCOMPARE(key->QueryDword(name), std::optional<quint32>(value));
    }

    void registryFilesThatCannotBeRewritten_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: values.reg is a folder
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readable");
        QTest::newRow("too large") << QByteArray(DeviceIo::kMaxStateFileSize + 1, '\n') << "X" << false;
        QTest::newRow("odd length for UTF-16") << QByteArray("\xFF\xFE\"\0X\0\"", 7) << "X" << false;
        QTest::newRow("a folder") << QByteArray() << "X" << false;
        QTest::newRow("name beyond Latin-1") << QByteArray("\"caf\xE9\"=\"\"\n") << "Ω" << true;
    }

    void registryFilesThatCannotBeRewritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(bool, readable);
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
        QVERIFY(key.has_value());
        if (file.isEmpty())
            QVERIFY(QDir().mkpath(key->ValuesFile()));
        else
            WriteAll(key->ValuesFile(), file);

        DeviceError readError;
        QCOMPARE(key->QueryDword(name, &readError), std::nullopt);
        QCOMPARE(readError.IsSet(), !readable);
        DeviceError writeError;
        QVERIFY(!key->SetDword(name, 1, &writeError));
        QCOMPARE(writeError.file, key->ValuesFile());
        QVERIFY(writeError.IsSet());
        if (!file.isEmpty())
            QCOMPARE(ReadAll(key->ValuesFile()), file);
    }

    void shortcutText_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("plain") << "\\Windows\\solitare.exe" << QByteArray("21#\\Windows\\solitare.exe");
        QTest::newRow("argument") << "\\Windows\\iexplore.exe -home"
                                  << QByteArray("27#\\Windows\\iexplore.exe -home");
        QTest::newRow("two arguments") << "\\Windows\\MyApp.exe parameter1 parameter2"
                                       << QByteArray("40#\\Windows\\MyApp.exe parameter1 parameter2");
        QTest::newRow("quoted") << "\"\\Windows\\iexplore.exe\""
                                << QByteArray("23#\"\\Windows\\iexplore.exe\"");
        QTest::newRow("applet at start-up")
            << "\"\\Windows\\PivexSettings.exe\" /s" << QByteArray("31#\"\\Windows\\PivexSettings.exe\" /s");
    }

    void shortcutText()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, text);
        QCOMPARE(DeviceShell::FormatShortcut(target), text);
        QCOMPARE(DeviceShell::ParseShortcut(text), std::optional<QString>(target));
        QCOMPARE(DeviceShell::ParseShortcut(text + "\r\n"), std::optional<QString>(target));

        const QString path = "\\Windows\\StartUp\\test.lnk";
        QVERIFY(DeviceShell::SHCreateShortcut(path, target));
        QCOMPARE(ReadAll(Root() + "/Windows/StartUp/test.lnk"), text);
        QString read;
        QVERIFY(DeviceShell::SHGetShortcutTarget(path, &read));
        QCOMPARE(read, target);
        // An existing shortcut is not replaced by creating it again.
        QVERIFY(!DeviceShell::SHCreateShortcut(path, "\\Windows\\other.exe"));
        QCOMPARE(ReadAll(Root() + "/Windows/StartUp/test.lnk"), text);
    }

    void brokenShortcuts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("target"); // null: not a shortcut
        QTest::newRow("count beyond the text") << QByteArray("30#\\Windows\\x.exe") << QString();
        QTest::newRow("no count") << QByteArray("#\\Windows\\x.exe") << QString();
        QTest::newRow("no hash") << QByteArray("\\Windows\\x.exe") << QString();
        QTest::newRow("count not a number") << QByteArray("1a#\\Windows\\x.exe") << QString();
        QTest::newRow("huge count") << QByteArray("99999999999#x") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("text beyond the count") << QByteArray("3#abcdef") << QString("abc");
        QTest::newRow("empty target") << QByteArray("0#") << QString("");
    }

    void brokenShortcuts()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, target);
        const auto parsed = DeviceShell::ParseShortcut(text);
        if (target.isNull())
            QVERIFY(!parsed.has_value());
        else
            QCOMPARE(parsed, std::optional<QString>(target));
    }

    void filesOfTheDevice()
    {
        WriteAll(Root() + "/Windows/tool.exe", "x");
        QVERIFY(DeviceShell::FindFileExists("\\windows\\TOOL.EXE"));
        QCOMPARE(DeviceShell::GetFileAttributes("\\Windows\\tool.exe").value_or(0) &
                     DeviceShell::FILE_ATTRIBUTE_DIRECTORY,
                 0u);
        QVERIFY(DeviceShell::GetFileAttributes("\\Windows").value_or(0) &
                DeviceShell::FILE_ATTRIBUTE_DIRECTORY);
        QVERIFY(!DeviceShell::GetFileAttributes("\\Windows\\none.exe").has_value());
        // Folders are never deleted as files.
        QVERIFY(!DeviceShell::DeleteFile("\\Windows\\StartUp"));
        QVERIFY(QFileInfo(Root() + "/Windows/StartUp").isDir());
        QVERIFY(DeviceShell::DeleteFile("\\Windows\\tool.exe"));
        QVERIFY(!DeviceShell::FindFileExists("\\Windows\\tool.exe"));
        QVERIFY(!DeviceShell::DeleteFile("\\Windows\\tool.exe"));

        QString startup;
        QVERIFY(DeviceShell::SHGetSpecialFolderPath(DeviceShell::CSIDL_STARTUP, &startup, false));
        QCOMPARE(startup, QString("\\Windows\\StartUp"));
        QVERIFY(!DeviceShell::SHGetSpecialFolderPath(0x24, &startup, true));
    }

    void inputMethodSwitches_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QUuid>("after");
        QTest::addColumn<QString>("logged");
        QTest::newRow("accepted") << QByteArray() << true << kOther << "accepted";
        QTest::newRow("refused") << QByteArray("Refuse=" + kOther.toByteArray() + "\n") << false
                                 << DeviceSip::BuiltInKeyboard() << "refused";
        QTest::newRow("refused, falls back")
            << QByteArray("; the panel cannot load it\nRefuse=" + kOther.toByteArray() +
                          "\nFallback=" + kFallback.toByteArray() + "\n")
            << false << kFallback << "refused, now " + kFallback.toString().toUpper();
    }

    void inputMethodSwitches()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, accepted);
        QFETCH(QUuid, after);
        QFETCH(QString, logged);
        if (!settings.isEmpty())
            WriteAll(Root() + "/SIP/Settings", settings);

        QUuid current;
        QVERIFY(DeviceSip::SipGetCurrentIM(&current));
        QCOMPARE(current, DeviceSip::BuiltInKeyboard());
        QCOMPARE(DeviceSip::SipSetCurrentIM(kOther), accepted);
        QVERIFY(DeviceSip::SipGetCurrentIM(&current));
        QCOMPARE(current, after);
        const QList<QStringList> log = LogRecords(Root() + "/SIP/Switches.log");
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.first(), QStringList({kOther.toString().toUpper(), logged}));
    }

    void panelInformation()
    {
        SipInfo info;
        info.cbSize = 44;
        QVERIFY(!DeviceSip::SipGetInfo(&info));
        info.cbSize = DeviceSip::kSipInfoSize;
        QVERIFY(DeviceSip::SipGetInfo(&info));
        QCOMPARE(info.rcVisibleDesktop, (SipRect{0, 26, 240, 294}));

        info.pvImData = QByteArray("\x01\x00\x00\x00", 4);
        info.dwImDataSize = 3;
        QVERIFY(!DeviceSip::SipSetInfo(info));
        info.dwImDataSize = 4;
        QVERIFY(DeviceSip::SipSetInfo(info));
        const QByteArray stored = ReadAll(Root() + "/SIP/Info");
        QVERIFY2(stored.contains("\nImData=01000000\n"), stored.constData());
        QVERIFY(stored.contains("VisibleDesktop=0,26,240,294\n"));

        WriteAll(Root() + "/SIP/Settings", "InfoUnavailable=1\n");
        SipInfo again;
        again.cbSize = DeviceSip::kSipInfoSize;
        QVERIFY(!DeviceSip::SipGetInfo(&again));
        QVERIFY(!DeviceSip::SipSetInfo(info));
    }

    void panelInformationKeepsOtherKeys()
    {
        const QString info = Root() + "/SIP/Info";
        WriteAll(info, "; written by the panel\r\n"
                       "Vendor=Acme\r\n"
                       "  ImData = 00 \r\n"
                       "Flags=0x00000001\r\n"
                       "\r\n"
                       "Flags=0x00000002\r\n");
        SipInfo record;
        record.cbSize = DeviceSip::kSipInfoSize;
        QVERIFY(DeviceSip::SipGetInfo(&record));
        QCOMPARE(record.fdwFlags, 2u);
        record.fdwFlags = 3;
        record.pvImData = QByteArray("\x01\x00\x00\x00", 4);
        record.dwImDataSize = 4;
        QVERIFY(DeviceSip::SipSetInfo(record));
        QCOMPARE(ReadAll(info), QByteArray("; written by the panel\r\n"
                                           "Vendor=Acme\r\n"
                                           "  ImData = 01000000 \r\n"
                                           "Flags=0x00000001\r\n"
                                           "\r\n"
                                           "Flags=0x00000003\r\n"
                                           "VisibleDesktop=0,26,240,294\r\n"
                                           "SipRect=0,214,240,294\r\n"));
    }

    void launches_data()
    {
        QTest::addColumn<QString>("program"); // device file to create; empty: none
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("missing") << "" << false << false << "not found";
        QTest::newRow("placeholder") << "Windows/peghelp.exe" << false << true << "recorded";
        QTest::newRow("runs here") << "Windows/peghelp.exe" << true << true << "started";
    }

    void launches()
    {
        QFETCH(QString, program);
        QFETCH(bool, executable);
        QFETCH(bool, started);
        QFETCH(QString, outcome);
        const QString ran = Root() + "/ran.txt";
        if (!program.isEmpty()) {
            WriteAll(Root() + "/" + program,
                     "#!/bin/sh\nprintf '%s|%s|%s' \"$#\" \"$1\" \"$PIVEX_DEVICE_ROOT\" > "
                     "\"$PIVEX_DEVICE_ROOT/ran.tmp\"\n"
                     "mv \"$PIVEX_DEVICE_ROOT/ran.tmp\" \"$PIVEX_DEVICE_ROOT/ran.txt\"\n");
            if (executable) {
                QFile::setPermissions(Root() + "/" + program,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        }
        QCOMPARE(DeviceProcess::CreateProcess("peghelp.exe", "file:pivexhelp.htm#Main_Contents"), started);
        const QList<QStringList> log = LogRecords(DeviceProcess::LaunchLogPath());
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.first(),
                 QStringList({"\\Windows\\peghelp.exe", "file:pivexhelp.htm#Main_Contents", outcome}));
        if (executable) {
            QTRY_VERIFY(QFileInfo::exists(ran));
            QCOMPARE(QString::fromUtf8(ReadAll(ran)),
                     "1|file:pivexhelp.htm#Main_Contents|" + DeviceRoot::Path());
        } else {
            QTest::qWait(50);
            QVERIFY(!QFileInfo::exists(ran));
        }
    }

    // "Customize Symbol List" starts the utility with no command line: it
    // must see no argument at all, not one empty argument.
    void emptyCommandLineGivesNoArgument()
    {
        const QString script = Root() + "/Windows/PivexPunctUtility.exe";
        WriteAll(script,
                 "#!/bin/sh\necho \"$#\" > \"$PIVEX_DEVICE_ROOT/n.tmp\"; mv \"$PIVEX_DEVICE_ROOT/n.tmp\" "
                 "\"$PIVEX_DEVICE_ROOT/n.txt\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(DeviceProcess::CreateProcess("\\Windows\\PivexPunctUtility.exe", QString()));
        QTRY_VERIFY(QFileInfo::exists(Root() + "/n.txt"));
        QCOMPARE(ReadAll(Root() + "/n.txt"), QByteArray("0\n"));
    }
};

QTEST_GUILESS_MAIN(TestPivexDevice)
#include "tst_pivexdevice.moc"
