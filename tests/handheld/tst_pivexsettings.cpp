#include "AppletPrompt.h"
#include "CDialogScroller.h"
#include "CInputSettings.h"
#include "COptionsPage.h"
#include "CRegistryKey.h"
#include "CSettingsApp.h"
#include "CSettingsDlg.h"
#include "DeviceTestFiles.h"
#include "PivexIds.h"
#include "PivexVersion.h"
#include "device/DeviceProcess.h"
#include "device/DeviceRegistryKey.h"
#include "device/DeviceRoot.h"
#include "device/DeviceSip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

using Values = QMap<QString, quint32>;

QStringList AllNames()
{
    return {CInputSettings::SaveNewWordName(),          CInputSettings::InsertSpaceName(),
            CInputSettings::ScribingSensitivityName(),  CInputSettings::AccentedCharactersName(),
            CInputSettings::ShowActualCharactersName(), CInputSettings::ReorderTwoCharWordsName(),
            CInputSettings::DefaultKeyboardName()};
}

// What the registry holds under the input method's key, read past the applet.
Values Stored()
{
    Values values;
    const auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, Pivex::RegistryKey(), false);
    if (!key)
        return values;
    for (const QString& name : AllNames()) {
        if (const auto value = key->QueryDword(name))
            values.insert(name, *value);
    }
    return values;
}

void Store(const Values& values)
{
    auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, Pivex::RegistryKey(), true);
    QVERIFY(key.has_value());
    for (auto it = values.begin(); it != values.end(); ++it)
        QVERIFY(key->SetDword(it.key(), it.value()));
}

Values FreshDefaults()
{
    return {{"Save new word", 1},
            {"Insert space", 0},
            {"Scribing Sensitivity", 2},
            {"Accented characters", 1},
            {"Show actual characters typed", 1},
            {"Reorder 2 character words", 0},
            {"Default keyboard", 1}};
}

QCheckBox* Check(const COptionsPage& page, int id)
{
    auto* box = qobject_cast<QCheckBox*>(page.Control(id));
    if (!box)
        qFatal("no check box %d", id);
    return box;
}

QComboBox* Sensitivity(const COptionsPage& page)
{
    return qobject_cast<QComboBox*>(page.Control(COptionsPage::IDC_SENSITIVITY));
}

const QUuid kOther(0x11111111, 0x2222, 0x3333, 0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55);
const QUuid kFallback(0xAAAAAAAA, 0xBBBB, 0xCCCC, 0xDD, 0xDD, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE);

} // namespace

class TestPivexSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString Root() const { return DeviceRoot::Path(); }
    QString Shortcut() const { return Root() + "/Windows/StartUp/_Pivex.lnk"; }
    QString SwitchLog() const { return Root() + "/SIP/Switches.log"; }
    QString ValuesPath() const
    {
        return Root() + "/Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex/values.reg";
    }

    void SetCurrent(const QUuid& id) { WriteAll(Root() + "/SIP/CurrentIM", id.toByteArray() + "\n"); }
    QUuid Current()
    {
        QUuid id;
        return DeviceSip::SipGetCurrentIM(&id) ? id : QUuid();
    }
    QList<QByteArray> Lines(const QString& path)
    {
        QList<QByteArray> lines = ReadAll(path).split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }

private slots:
    void initTestCase() { AppletPrompt::SetTestMode(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("PIVEX_DEVICE_ROOT", m_dir->path().toUtf8());
        AppletPrompt::TakeShown();
    }

    void registryKeyReadStoresTheDefault()
    {
        {
            CRegistryKey key(RegRoot::LocalMachine, "\\SOFTWARE\\Test", true);
            QVERIFY(key.IsOpen());
            QCOMPARE(key.ReadDword("Missing", 5u), 5u);
            QVERIFY(key.WriteDword("Present", 9));
            QCOMPARE(key.ReadDword("Present", 5u), 9u);
        }
        auto key = DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Test", false);
        QVERIFY(key.has_value());
        QCOMPARE(key->QueryDword("Missing"), std::optional<quint32>(5));
        QCOMPARE(key->QueryDword("Present"), std::optional<quint32>(9));

        // Without the create flag a missing key stays missing: reads give their
        // defaults, writes fail.
        CRegistryKey absent(RegRoot::LocalMachine, "\\SOFTWARE\\Absent", false);
        QVERIFY(!absent.IsOpen());
        QCOMPARE(absent.ReadDword("x", 3u), 3u);
        QVERIFY(!absent.WriteDword("x", 4));
        QVERIFY(!DeviceRegistryKey::Open(RegRoot::LocalMachine, "\\SOFTWARE\\Absent", false).has_value());
    }

    void freshDeviceShowsAndStoresTheDefaults()
    {
        COptionsPage page(nullptr);
        QVERIFY(Check(page, COptionsPage::IDC_SAVE_NEW_WORD)->isChecked());
        QVERIFY(!Check(page, COptionsPage::IDC_INSERT_SPACE)->isChecked());
        QVERIFY(Check(page, COptionsPage::IDC_ACCENTED_CHARACTERS)->isChecked());
        QVERIFY(Check(page, COptionsPage::IDC_SHOW_ACTUAL_CHARACTERS)->isChecked());
        QVERIFY(!Check(page, COptionsPage::IDC_REORDER_TWO_CHAR_WORDS)->isChecked());
        QVERIFY(Check(page, COptionsPage::IDC_DEFAULT_KEYBOARD)->isChecked());
        QComboBox* combo = Sensitivity(page);
        QCOMPARE(combo->count(), 4);
        QCOMPARE(
            QStringList({combo->itemText(0), combo->itemText(1), combo->itemText(2), combo->itemText(3)}),
            QStringList({"Off", "Low", "Standard", "High"}));
        QCOMPARE(combo->currentText(), QString("Standard"));
        QCOMPARE(Stored(), FreshDefaults());
        // Only OK touches the shortcut.
        QVERIFY(!QFileInfo::exists(Shortcut()));
    }

    void storedValuesAreShown_data()
    {
        QTest::addColumn<quint32>("flag");
        QTest::addColumn<quint32>("sensitivity");
        QTest::addColumn<int>("index");
        QTest::newRow("off, all clear") << 0u << 0u << 0;
        QTest::newRow("high, all set") << 1u << 3u << 3;
        QTest::newRow("nonzero counts as checked") << 5u << 1u << 1;
        QTest::newRow("beyond the list") << 1u << 7u << -1;
        QTest::newRow("nothing chosen") << 0u << 0xFFFFFFFFu << -1;
    }

    void storedValuesAreShown()
    {
        QFETCH(quint32, flag);
        QFETCH(quint32, sensitivity);
        QFETCH(int, index);
        Values values;
        for (const QString& name : AllNames())
            values.insert(name, flag);
        values["Scribing Sensitivity"] = sensitivity;
        Store(values);

        COptionsPage page(nullptr);
        for (int id : {COptionsPage::IDC_SAVE_NEW_WORD, COptionsPage::IDC_INSERT_SPACE,
                       COptionsPage::IDC_ACCENTED_CHARACTERS, COptionsPage::IDC_SHOW_ACTUAL_CHARACTERS,
                       COptionsPage::IDC_REORDER_TWO_CHAR_WORDS, COptionsPage::IDC_DEFAULT_KEYBOARD})
            QCOMPARE(Check(page, id)->isChecked(), flag != 0);
        QCOMPARE(Sensitivity(page)->currentIndex(), index);
        // Showing the values does not change them.
        QCOMPARE(Stored(), values);
    }

    void okWithAnotherInputMethodWritesOnlyTheDefaultKeyboard()
    {
        Values before = FreshDefaults();
        before["Insert space"] = 1;
        before["Scribing Sensitivity"] = 3;
        Store(before);
        SetCurrent(kOther);

        CSettingsDlg dlg;
        COptionsPage* page = dlg.OptionsPage();
        QVERIFY(page);
        for (int id : {COptionsPage::IDC_SAVE_NEW_WORD, COptionsPage::IDC_INSERT_SPACE,
                       COptionsPage::IDC_ACCENTED_CHARACTERS, COptionsPage::IDC_SHOW_ACTUAL_CHARACTERS,
                       COptionsPage::IDC_REORDER_TWO_CHAR_WORDS, COptionsPage::IDC_DEFAULT_KEYBOARD})
            Check(*page, id)->toggle();
        Sensitivity(*page)->setCurrentIndex(0);
        QSignalSpy accepted(&dlg, &QDialog::accepted);
        dlg.OnCommand(CSettingsDlg::IDOK);
        QCOMPARE(accepted.count(), 1);

        Values expected = before;
        expected["Default keyboard"] = 0;
        QCOMPARE(Stored(), expected);
        QVERIFY(!QFileInfo::exists(Shortcut()));
        // No notification for an input method that is not running.
        QVERIFY(!QFileInfo::exists(Root() + "/SIP/Info"));
        QCOMPARE(Current(), kOther);
    }

    void okWithPivexCurrentWritesAllAndNotifies()
    {
        SetCurrent(Pivex::kInputMethodClsid);
        CSettingsDlg dlg;
        COptionsPage* page = dlg.OptionsPage();
        QVERIFY(page);
        Check(*page, COptionsPage::IDC_SAVE_NEW_WORD)->setChecked(false);
        Check(*page, COptionsPage::IDC_INSERT_SPACE)->setChecked(true);
        Check(*page, COptionsPage::IDC_ACCENTED_CHARACTERS)->setChecked(false);
        Check(*page, COptionsPage::IDC_REORDER_TWO_CHAR_WORDS)->setChecked(true);
        Sensitivity(*page)->setCurrentIndex(1);
        dlg.OnCommand(CSettingsDlg::IDOK);

        const Values expected{{"Save new word", 0},
                              {"Insert space", 1},
                              {"Scribing Sensitivity", 1},
                              {"Accented characters", 0},
                              {"Show actual characters typed", 1},
                              {"Reorder 2 character words", 1},
                              {"Default keyboard", 1}};
        QCOMPARE(Stored(), expected);
        QCOMPARE(ReadAll(Shortcut()), QByteArray("31#\"\\Windows\\PivexSettings.exe\" /s"));
        // The input method receives a 4-byte 1.
        QVERIFY(ReadAll(Root() + "/SIP/Info").contains("\nImData=01000000\n"));
    }

    void valuesAreWrittenWhenThePanelCannotBeAsked()
    {
        SetCurrent(Pivex::kInputMethodClsid);
        WriteAll(Root() + "/SIP/Settings", "InfoUnavailable=1\n");
        COptionsPage page(nullptr);
        Check(page, COptionsPage::IDC_INSERT_SPACE)->setChecked(true);
        page.SaveOptions();
        QCOMPARE(Stored().value("Insert space"), 1u);
        QVERIFY(!QFileInfo::exists(Root() + "/SIP/Info"));
    }

    void sensitivityWithoutSelectionIsSavedAsMinusOne()
    {
        Store({{"Scribing Sensitivity", 7}});
        SetCurrent(Pivex::kInputMethodClsid);
        COptionsPage page(nullptr);
        QCOMPARE(Sensitivity(page)->currentIndex(), -1);
        page.SaveOptions();
        QCOMPARE(Stored().value("Scribing Sensitivity"), 0xFFFFFFFFu);
    }

    void startupShortcut_data()
    {
        QTest::addColumn<QByteArray>("existing"); // empty: no shortcut yet
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("shortcutAfter");
        const QByteArray stale = "18#\\Windows\\old.exe /x";
        QTest::newRow("checked creates") << QByteArray() << true << true;
        QTest::newRow("checked replaces a stale one") << stale << true << true;
        QTest::newRow("checked replaces a broken one") << QByteArray("garbage") << true << true;
        QTest::newRow("unchecked deletes") << stale << false << false;
        QTest::newRow("unchecked, none there") << QByteArray() << false << false;
    }

    void startupShortcut()
    {
        QFETCH(QByteArray, existing);
        QFETCH(bool, checked);
        QFETCH(bool, shortcutAfter);
        if (!existing.isEmpty())
            WriteAll(Shortcut(), existing);
        COptionsPage page(nullptr);
        Check(page, COptionsPage::IDC_DEFAULT_KEYBOARD)->setChecked(checked);
        page.SaveOptions();
        QCOMPARE(QFileInfo::exists(Shortcut()), shortcutAfter);
        if (shortcutAfter)
            QCOMPARE(ReadAll(Shortcut()), QByteArray("31#\"\\Windows\\PivexSettings.exe\" /s"));
        QCOMPARE(Stored().value("Default keyboard"), checked ? 1u : 0u);
    }

    void closingTheWindowSavesNothing()
    {
        SetCurrent(Pivex::kInputMethodClsid);
        CSettingsDlg dlg;
        dlg.show();
        Check(*dlg.OptionsPage(), COptionsPage::IDC_DEFAULT_KEYBOARD)->setChecked(false);
        Check(*dlg.OptionsPage(), COptionsPage::IDC_INSERT_SPACE)->setChecked(true);
        dlg.close();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(Stored(), FreshDefaults());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("silent");
        QTest::newRow("/s") << QStringList{"pivexsettings", "/s"} << true;
        QTest::newRow("/S") << QStringList{"pivexsettings", "/S"} << false;
        QTest::newRow("leading blank") << QStringList{"pivexsettings", " /s"} << false;
        QTest::newRow("trailing blank") << QStringList{"pivexsettings", "/s "} << false;
        QTest::newRow("more after it") << QStringList{"pivexsettings", "/s", "x"} << false;
        QTest::newRow("empty argument after it") << QStringList{"pivexsettings", "/s", ""} << false;
        QTest::newRow("none") << QStringList{"pivexsettings"} << false;
        QTest::newRow("dash") << QStringList{"pivexsettings", "-s"} << false;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, silent);
        QCOMPARE(CSettingsApp::IsSilentCommandLine(CSettingsApp::CommandLine(arguments)), silent);
    }

    void infoText_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("begins"); // empty: the dialog shows
        const QString usage = QStringLiteral("Usage: pivexsettings [/s]\n");
        QTest::newRow("--help") << QStringList{"pivexsettings", "--help"} << usage;
        QTest::newRow("-h") << QStringList{"pivexsettings", "-h"} << usage;
        QTest::newRow("help after /s") << QStringList{"pivexsettings", "/s", "--help"} << usage;
        QTest::newRow("--version") << QStringList{"pivexsettings", "--version"}
                                   << QStringLiteral("pivexsettings " PIVEXSETTINGS_VERSION "\n");
        QTest::newRow("none") << QStringList{"pivexsettings"} << QString();
        QTest::newRow("/s") << QStringList{"pivexsettings", "/s"} << QString();
        QTest::newRow("unknown option") << QStringList{"pivexsettings", "--frobnicate"} << QString();
        QTest::newRow("-s") << QStringList{"pivexsettings", "-s"} << QString();
        // "--help" as the value of nothing: after "--" it is a plain argument.
        QTest::newRow("after --") << QStringList{"pivexsettings", "--", "--help"} << QString();
    }

    void infoText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, begins);
        const std::optional<QString> text = CSettingsApp::InfoText(arguments);
        QCOMPARE(text.has_value(), !begins.isEmpty());
        if (text)
            QVERIFY2(text->startsWith(begins), qPrintable(*text));
    }

    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("--help") << "--help";
        QTest::newRow("--version") << "--version";
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, argument);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PIVEX_DEVICE_ROOT", Root());
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(env);
        process.start(PIVEXSETTINGS_BIN, {argument});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(
            process.readAllStandardOutput().startsWith(argument == "--help" ? "Usage:" : "pivexsettings "));
        QCOMPARE(process.readAllStandardError(), QByteArray());
        // Neither touches the device.
        QVERIFY(!QFileInfo::exists(Root() + "/SIP/Switches.log"));
        QVERIFY(!QFileInfo::exists(Root() + "/Registry"));
    }

    void makeDefaultInputMethod_data()
    {
        QTest::addColumn<QByteArray>("currentFile"); // empty: fresh device
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QUuid>("after");
        QTest::addColumn<int>("switches");
        QTest::addColumn<bool>("made");
        const QByteArray refuse = "Refuse=" + Pivex::kInputMethodClsid.toByteArray() + "\n";
        QTest::newRow("already current") << Pivex::kInputMethodClsid.toByteArray() << QByteArray()
                                         << Pivex::kInputMethodClsid << 0 << true;
        QTest::newRow("another current")
            << kOther.toByteArray() << QByteArray() << Pivex::kInputMethodClsid << 1 << true;
        QTest::newRow("fresh device")
            << QByteArray() << QByteArray() << Pivex::kInputMethodClsid << 1 << true;
        QTest::newRow("refused: set back") << kOther.toByteArray() << refuse << kOther << 2 << false;
        QTest::newRow("refused after falling back: set back")
            << kOther.toByteArray() << QByteArray(refuse + "Fallback=" + kFallback.toByteArray() + "\n")
            << kOther << 2 << false;
        // With the previous input method unknown there is nothing to go back to.
        QTest::newRow("unreadable before, refused")
            << QByteArray("garbage") << QByteArray(refuse + "Fallback=" + kFallback.toByteArray() + "\n")
            << kFallback << 1 << false;
        QTest::newRow("unreadable before, replaced")
            << QByteArray("garbage") << QByteArray() << Pivex::kInputMethodClsid << 1 << true;
    }

    void makeDefaultInputMethod()
    {
        QFETCH(QByteArray, currentFile);
        QFETCH(QByteArray, settings);
        QFETCH(QUuid, after);
        QFETCH(int, switches);
        QFETCH(bool, made);
        if (!currentFile.isEmpty())
            WriteAll(Root() + "/SIP/CurrentIM", currentFile);
        if (!settings.isEmpty())
            WriteAll(Root() + "/SIP/Settings", settings);
        QString error;
        QCOMPARE(CSettingsApp::MakeDefaultInputMethod(&error), made);
        QCOMPARE(error.isEmpty(), made);
        QCOMPARE(Current(), after);
        QCOMPARE(Lines(SwitchLog()).size(), switches);
    }

    void silentStartOfTheProgram_data()
    {
        QTest::addColumn<QUuid>("before");
        QTest::addColumn<int>("switches");
        QTest::newRow("another current") << kOther << 1;
        QTest::newRow("Pivex current: nothing changes") << Pivex::kInputMethodClsid << 0;
    }

    void silentStartOfTheProgram()
    {
        QFETCH(QUuid, before);
        QFETCH(int, switches);
        SetCurrent(before);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PIVEX_DEVICE_ROOT", Root());
        // No display at all: the silent start must not need one.
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(env);
        process.start(PIVEXSETTINGS_BIN, {"/s"});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(Current(), Pivex::kInputMethodClsid);
        QCOMPARE(Lines(SwitchLog()).size(), switches);
        // The silent start neither reads nor writes options.
        QVERIFY(!QFileInfo::exists(Root() + "/Registry"));
    }

    void silentStartSaysWhyItFailed_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said"); // part of the line on stderr; "<root>": the device root
        QTest::newRow("the panel refuses") << "refuse"
                                           << "refused";
        QTest::newRow("device root is a file") << "root is a file"
                                               << "<root>";
    }

    void silentStartSaysWhyItFailed()
    {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        QString root = Root();
        if (fault == "refuse") {
            SetCurrent(kOther);
            WriteAll(Root() + "/SIP/Settings", "Refuse=" + Pivex::kInputMethodClsid.toByteArray() + "\n");
        } else {
            root = m_dir->path() + "/root";
            WriteAll(root, "a file where the device belongs");
        }
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PIVEX_DEVICE_ROOT", root);
        process.setProcessEnvironment(env);
        process.start(PIVEXSETTINGS_BIN, {"/s"});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.contains(said.replace("<root>", root)), qPrintable(err));
    }

    void otherCommandLinesShowTheDialog_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("/S") << QStringList{"/S"};
        QTest::newRow("leading blank") << QStringList{" /s"};
        QTest::newRow("none") << QStringList{};
    }

    void otherCommandLinesShowTheDialog()
    {
        QFETCH(QStringList, arguments);
        SetCurrent(kOther);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PIVEX_DEVICE_ROOT", Root());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(PIVEXSETTINGS_BIN, arguments);
        QVERIFY(process.waitForStarted(10000));
        // Showing the options page reads, and so stores, the seven values.
        const QString values = Root() + "/Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex/values.reg";
        QTRY_VERIFY_WITH_TIMEOUT(Lines(values).size() == 7, 20000);
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished(10000);
        QCOMPARE(Current(), kOther);
        QVERIFY(!QFileInfo::exists(SwitchLog()));
    }

    void helpOpensTheHelpAndKeepsTheDialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("command 2") << "command";
        QTest::newRow("Help button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("F1") << "f1";
    }

    void helpOpensTheHelpAndKeepsTheDialog()
    {
        QFETCH(QString, how);
        CSettingsDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (how == "command")
            dlg.OnCommand(2);
        else if (how == "button")
            QTest::mouseClick(dlg.Button(CSettingsDlg::IDC_HELP_BUTTON), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            QTest::keyClick(&dlg, Qt::Key_F1);
        QVERIFY(dlg.isVisible());
        const QList<QByteArray> launches = Lines(DeviceProcess::LaunchLogPath());
        QCOMPARE(launches.size(), 1);
        QVERIFY(launches.first().startsWith("\\Windows\\peghelp.exe\tfile:pivexhelp.htm#Main_Contents\t"));
        // The viewer is missing on this device, which goes unreported.
        QVERIFY(AppletPrompt::TakeShown().isEmpty());
        dlg.close();
    }

    void customizeSymbolList_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("missing") << false;
    }

    void customizeSymbolList()
    {
        QFETCH(bool, installed);
        if (installed)
            WriteAll(Root() + "/Windows/PivexPunctUtility.exe", "placeholder");
        CSettingsDlg dlg;
        dlg.OnCommand(CSettingsDlg::IDC_CUSTOMIZE_SYMBOLS);
        const auto shown = AppletPrompt::TakeShown();
        const QList<QByteArray> launches = Lines(DeviceProcess::LaunchLogPath());
        if (installed) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(launches, QList<QByteArray>{"\\Windows\\PivexPunctUtility.exe\t\trecorded"});
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().first, QString("Pivex Punctuation Utility"));
            QCOMPARE(shown.first().second, QString("Utility not available!"));
            QVERIFY(launches.isEmpty());
        }
    }

    void okRewritesOnlyWhatItOwns_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("text");  // "{IS}" stands for the data of "Insert space"
        QTest::addColumn<QString>("added"); // what opening the dialog appends
        // "Save new word" 0 and "High" differ from the defaults, so a reader
        // that lost them would show it.
        const QString values = "\"Save new word\"=dword:00000000{E}"
                               "\"Insert space\"={IS}{E}"
                               "\"Scribing Sensitivity\"=dword:00000003{E}"
                               "\"Accented characters\"=dword:00000001{E}"
                               "\"Show actual characters typed\"=dword:00000001{E}"
                               "\"Reorder 2 character words\"=dword:00000000{E}"
                               "\"Default keyboard\"=dword:00000001{E}";
        const QString header = "Windows Registry Editor Version 5.00{E}{E}"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pellworth\\Pivex]{E}"
                               "\"Grüße\"=\"Straße\"{E}";
        const auto ends = [](QString text, const QString& end) { return text.replace("{E}", end); };
        QTest::newRow("Latin-1, CR LF") << "latin1" << ends(header + values + "{E}", "\r\n") << QString();
        QTest::newRow("UTF-16 LE export")
            << "utf16le" << ends(header + "\"Ω\"=hex:01{E}" + values, "\r\n") << QString();
        QTest::newRow("CR only") << "utf8" << ends(header + values, "\r") << QString();
        QTest::newRow("mixed ends, blanks, duplicates")
            << "latin1"
            << QString("; kept as it is\n"
                       "  \"Save new word\" = dword:00000000\r\n"
                       "\"Insert space\"=dword:00000000\r"
                       "\"Bin\"=hex:01,02,\\\r\n"
                       "  03,04\r\n"
                       "\n"
                       "\t\"Insert space\"\t=\t{IS}\n"
                       "\"Scribing Sensitivity\"=DWORD:00000003\r\n"
                       "\"Accented characters\"=dword:00000001\r"
                       "\"Show actual characters typed\"=dword:00000001\n"
                       "\"Reorder 2 character words\"=dword:00000000\r\n"
                       "\"Default keyboard\"=dword:00000001\r\n"
                       "\"Gr\u00fc\u00dfe\"=\"\"")
            << QString();
        QTest::newRow("UTF-16, a value missing")
            << "utf16le"
            << ends(header + values, "\r\n").remove("\"Reorder 2 character words\"=dword:00000000\r\n")
            << "\"Reorder 2 character words\"=dword:00000000\r\n";
    }

    // Other programs keep their values in the same file: one option changed
    // through the dialog changes those bytes and no others.
    void okRewritesOnlyWhatItOwns()
    {
        QFETCH(QString, encoding);
        QFETCH(QString, text);
        QFETCH(QString, added);
        const auto encode = [&](const QString& insertSpace, const QString& tail) {
            const QString t = QString(text).replace("{IS}", insertSpace) + tail;
            if (encoding == "latin1")
                return t.toLatin1();
            return encoding == "utf16le" ? Utf16LE(t) : t.toUtf8();
        };
        SetCurrent(Pivex::kInputMethodClsid);
        WriteAll(ValuesPath(), encode("dword:00000000", QString()));

        CSettingsDlg dlg;
        COptionsPage* page = dlg.OptionsPage();
        QVERIFY(page);
        QVERIFY(!Check(*page, COptionsPage::IDC_SAVE_NEW_WORD)->isChecked());
        QVERIFY(!Check(*page, COptionsPage::IDC_INSERT_SPACE)->isChecked());
        QCOMPARE(Sensitivity(*page)->currentIndex(), 3);
        QCOMPARE(ReadAll(ValuesPath()), encode("dword:00000000", added));

        Check(*page, COptionsPage::IDC_INSERT_SPACE)->setChecked(true);
        QSignalSpy accepted(&dlg, &QDialog::accepted);
        dlg.OnCommand(CSettingsDlg::IDOK);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(ReadAll(ValuesPath()), encode("dword:00000001", added));
        QVERIFY(ReadAll(Root() + "/SIP/Info").contains("\nImData=01000000\n"));
        QVERIFY(AppletPrompt::TakeShown().isEmpty());
    }

    void failuresAreSaid_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("checked");  // "Set Pivex as default keyboard" at OK
        QTest::addColumn<bool>("atOpen");   // said when the dialog opens, not at OK
        QTest::addColumn<QString>("named"); // below the device root; "": the root itself
        // Tests run as root, where permissions do not stop a write: a file
        // where a folder belongs does.
        QTest::newRow("device root is a file") << "root is a file" << false << false << "";
        QTest::newRow("key is a file")
            << "key is a file" << true << false << "Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex";
        QTest::newRow("StartUp is a file") << "startup is a file" << true << false << "Windows/StartUp";
        QTest::newRow("shortcut is a folder, checked")
            << "shortcut is a folder" << true << false << "Windows/StartUp/_Pivex.lnk";
        QTest::newRow("shortcut is a folder, unchecked")
            << "shortcut is a folder" << false << false << "Windows/StartUp/_Pivex.lnk";
        QTest::newRow("values.reg too large")
            << "values too large" << true << true
            << "Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex/values.reg";
        QTest::newRow("values.reg is a folder")
            << "values is a folder" << false << true
            << "Registry/HKEY_LOCAL_MACHINE/SOFTWARE/Pellworth/Pivex/values.reg";
    }

    void failuresAreSaid()
    {
        QFETCH(QString, fault);
        QFETCH(bool, checked);
        QFETCH(bool, atOpen);
        QFETCH(QString, named);
        QByteArray values;
        if (fault == "root is a file") {
            const QString root = m_dir->path() + "/root";
            WriteAll(root, "a file where the device belongs");
            qputenv("PIVEX_DEVICE_ROOT", root.toUtf8());
        } else {
            SetCurrent(Pivex::kInputMethodClsid);
        }
        if (fault == "key is a file") {
            WriteAll(QFileInfo(ValuesPath()).absolutePath(), "a file where a key belongs");
        } else if (fault == "startup is a file") {
            // Root() makes the folder again: the path is taken first.
            const QString startup = Root() + "/Windows/StartUp";
            QVERIFY(QDir(startup).removeRecursively());
            WriteAll(startup, "a file where the Startup folder belongs");
        } else if (fault == "shortcut is a folder") {
            QVERIFY(QDir().mkpath(Shortcut()));
        } else if (fault == "values too large") {
            values = QByteArray(DeviceIo::kMaxStateFileSize, ' ') + "\n\"Save new word\"=dword:00000000\n";
            WriteAll(ValuesPath(), values);
        } else if (fault == "values is a folder") {
            QVERIFY(QDir().mkpath(ValuesPath()));
        }
        const QString path = named.isEmpty() ? Root() : Root() + "/" + named;

        CSettingsDlg dlg;
        COptionsPage* page = dlg.OptionsPage();
        QVERIFY(page);
        QList<QPair<QString, QString>> shown = AppletPrompt::TakeShown();
        QCOMPARE(shown.size(), atOpen ? 1 : 0);
        if (atOpen) {
            // What cannot be read is not shown as the defaults.
            QVERIFY(!Check(*page, COptionsPage::IDC_SAVE_NEW_WORD)->isChecked());
            QVERIFY(!Check(*page, COptionsPage::IDC_SAVE_NEW_WORD)->isEnabled());
            QVERIFY(!Check(*page, COptionsPage::IDC_DEFAULT_KEYBOARD)->isEnabled());
            QCOMPARE(Sensitivity(*page)->currentIndex(), -1);
        } else {
            Check(*page, COptionsPage::IDC_DEFAULT_KEYBOARD)->setChecked(checked);
            Check(*page, COptionsPage::IDC_INSERT_SPACE)->setChecked(true);
        }

        QSignalSpy accepted(&dlg, &QDialog::accepted);
        dlg.OnCommand(CSettingsDlg::IDOK);
        shown += AppletPrompt::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().first, Pivex::AppName());
        QVERIFY2(shown.first().second.contains(QDir::toNativeSeparators(path)),
                 qPrintable(shown.first().second));
        // A failed save keeps the dialog and what the user chose; options
        // that could not be read leave nothing to lose.
        QCOMPARE(accepted.count(), atOpen ? 1 : 0);
        if (!atOpen)
            QVERIFY(Check(*page, COptionsPage::IDC_INSERT_SPACE)->isChecked());
        // The input method is told to reload only what was saved.
        QVERIFY(!QFileInfo::exists(Root() + "/SIP/Info"));
        if (!values.isEmpty())
            QCOMPARE(ReadAll(ValuesPath()), values);
        if (fault == "values is a folder")
            QVERIFY(!QFileInfo::exists(Shortcut()));
    }

    void enterGoesWhereTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("launched"); // start of the launch record; empty: none
        QTest::addColumn<bool>("closes");
        const QByteArray help = "\\Windows\\peghelp.exe\tfile:pivexhelp.htm#Main_Contents\t";
        const QByteArray utility = "\\Windows\\PivexPunctUtility.exe\t\trecorded";
        QTest::newRow("Help, Return") << "help" << int(Qt::Key_Return) << help << false;
        QTest::newRow("Help, Enter") << "help" << int(Qt::Key_Enter) << help << false;
        QTest::newRow("Customize, Return") << "customize" << int(Qt::Key_Return) << utility << false;
        QTest::newRow("Customize, Enter") << "customize" << int(Qt::Key_Enter) << utility << false;
        QTest::newRow("check box") << "check box" << int(Qt::Key_Return) << QByteArray() << true;
        QTest::newRow("sensitivity list") << "list" << int(Qt::Key_Enter) << QByteArray() << true;
        QTest::newRow("ok") << "ok" << int(Qt::Key_Return) << QByteArray() << true;
    }

    void enterGoesWhereTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QByteArray, launched);
        QFETCH(bool, closes);
        WriteAll(Root() + "/Windows/PivexPunctUtility.exe", "placeholder");
        CSettingsDlg dlg;
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QWidget* target = nullptr;
        if (focus == "help")
            target = dlg.Button(CSettingsDlg::IDC_HELP_BUTTON);
        else if (focus == "customize")
            target = dlg.Button(CSettingsDlg::IDC_CUSTOMIZE_SYMBOLS);
        else if (focus == "ok")
            target = dlg.Button(CSettingsDlg::IDOK);
        else if (focus == "list")
            target = Sensitivity(*dlg.OptionsPage());
        else
            target = Check(*dlg.OptionsPage(), COptionsPage::IDC_INSERT_SPACE);
        target->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(target->hasFocus());

        QSignalSpy accepted(&dlg, &QDialog::accepted);
        QTest::keyClick(dlg.windowHandle(), Qt::Key(key));
        QCOMPARE(accepted.count(), closes ? 1 : 0);
        QCOMPARE(dlg.isVisible(), !closes);
        const QList<QByteArray> launches = Lines(DeviceProcess::LaunchLogPath());
        if (launched.isEmpty()) {
            QVERIFY(launches.isEmpty());
        } else {
            QCOMPARE(launches.size(), 1);
            QVERIFY2(launches.first().startsWith(launched), launches.first().constData());
        }
        dlg.close();
    }

    void wheelScrollsTheDialogUnlessTheListHasFocus()
    {
        CSettingsDlg dlg;
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        const QSize design = dlg.Scroller()->DesignSize();
        dlg.resize(dlg.width(), dlg.height() - dlg.Viewport()->height() + design.height() / 2);
        QTRY_VERIFY(dlg.VerticalBar()->isEnabled());
        QComboBox* list = Sensitivity(*dlg.OptionsPage());
        QCOMPARE(list->currentIndex(), 2);
        // As the window system delivers it: a spontaneous event goes on to
        // the parents when a widget ignores it.
        const auto wheelDown = [list] {
            const QPointF pos(list->width() / 2, list->height() / 2);
            QWheelEvent event(pos, list->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&event);
            // sendEvent() would clear the flag.
            qApp->notify(list, &event);
        };

        dlg.Button(CSettingsDlg::IDC_HELP_BUTTON)->setFocus();
        wheelDown();
        QCOMPARE(list->currentIndex(), 2);
        QVERIFY(!list->hasFocus());
        QVERIFY(dlg.VerticalBar()->value() > 0);

        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        const int scrolled = dlg.VerticalBar()->value();
        wheelDown();
        QCOMPARE(list->currentIndex(), 3);
        QCOMPARE(dlg.VerticalBar()->value(), scrolled);
        dlg.close();
    }

    void pageRectForTab_data()
    {
        QTest::addColumn<QRect>("tab");
        QTest::addColumn<QRect>("page");
        QTest::newRow("at the origin") << QRect(0, 0, 100, 50) << QRect(4, 9, 96, 41);
        QTest::newRow("products truncated") << QRect(0, 0, 49, 11) << QRect(1, 1, 48, 10);
        QTest::newRow("moved with the tab control") << QRect(5, 6, 200, 150) << QRect(13, 33, 192, 123);
        QTest::newRow("too small to move") << QRect(0, 0, 24, 5) << QRect(0, 0, 24, 5);
    }

    void pageRectForTab()
    {
        QFETCH(QRect, tab);
        QFETCH(QRect, page);
        QCOMPARE(CSettingsDlg::PageRectForTab(tab), page);
    }

    void dialogShowsTheSettingsTab()
    {
        CSettingsDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QString("Pivex Settings"));
        QCOMPARE(dlg.TabControl()->count(), 1);
        QCOMPARE(dlg.TabControl()->tabText(0), QString("Settings"));
        QVERIFY(dlg.OptionsPage() && dlg.OptionsPage()->isVisible());
        QCOMPARE(dlg.OptionsPage()->geometry(), CSettingsDlg::PageRectForTab(dlg.TabControl()->geometry()));
        QCOMPARE(dlg.Button(CSettingsDlg::IDC_CUSTOMIZE_SYMBOLS)->text(), QString("Customize Symbol List"));
        QCOMPARE(dlg.Button(CSettingsDlg::IDC_HELP_BUTTON)->text(), QString("Help"));
        QVERIFY(AppletPrompt::TakeShown().isEmpty());
        dlg.close();
    }

    void scrollerResize_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("oldPage");
        QTest::addColumn<int>("oldPos");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pos");
        QTest::newRow("fits") << 300 << 300 << 0 << 0 << 0 << 0;
        QTest::newRow("fits again: back to the start") << 300 << 400 << 100 << 150 << 0 << 0;
        QTest::newRow("starts scrolling") << 300 << 200 << 0 << 0 << 200 << 0;
        QTest::newRow("position rescaled") << 300 << 150 << 100 << 60 << 150 << 90;
        QTest::newRow("rescaled, then limited") << 300 << 150 << 100 << 140 << 150 << 149;
        QTest::newRow("no previous page keeps nothing") << 300 << 150 << 0 << 60 << 150 << 0;
    }

    void scrollerResize()
    {
        QFETCH(int, design);
        QFETCH(int, visible);
        QFETCH(int, oldPage);
        QFETCH(int, oldPos);
        QFETCH(int, page);
        QFETCH(int, pos);
        const auto axis = CDialogScroller::Resize(design, visible, {oldPage, oldPos});
        QCOMPARE(axis.page, page);
        QCOMPARE(axis.pos, pos);
    }

    void scrollerRequests_data()
    {
        using R = CDialogScroller::Request;
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("track");
        QTest::addColumn<int>("expected");
        // design 300, page 100: positions 0 .. 200
        QTest::newRow("line down") << int(R::LineDown) << 0 << 0 << 60;
        QTest::newRow("line down at the end") << int(R::LineDown) << 180 << 0 << 200;
        QTest::newRow("line up at the start") << int(R::LineUp) << 30 << 0 << 0;
        QTest::newRow("page down") << int(R::PageDown) << 50 << 0 << 150;
        QTest::newRow("page up") << int(R::PageUp) << 150 << 0 << 50;
        QTest::newRow("thumb track") << int(R::ThumbTrack) << 0 << 123 << 123;
        QTest::newRow("thumb beyond the end") << int(R::ThumbPosition) << 0 << 500 << 200;
        QTest::newRow("thumb before the start") << int(R::ThumbTrack) << 80 << -20 << 0;
        QTest::newRow("top is ignored") << int(R::Top) << 80 << 0 << 80;
        QTest::newRow("end of scroll is ignored") << int(R::EndScroll) << 80 << 0 << 80;
    }

    void scrollerRequests()
    {
        QFETCH(int, request);
        QFETCH(int, pos);
        QFETCH(int, track);
        QFETCH(int, expected);
        QCOMPARE(CDialogScroller::Scroll(CDialogScroller::Request(request), track, 300, {100, pos}),
                 expected);
    }

    void dialogScrollsWhenSmallerThanItsDesign()
    {
        CSettingsDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QSize design = dlg.Scroller()->DesignSize();
        QVERIFY(!dlg.VerticalBar()->isEnabled());
        QVERIFY(dlg.VerticalBar()->isVisible());
        QCOMPARE(dlg.Content()->pos(), QPoint(0, 0));

        dlg.resize(dlg.width(), dlg.height() - dlg.Viewport()->height() + design.height() / 2);
        QTRY_COMPARE(dlg.Viewport()->height(), design.height() / 2);
        QScrollBar* bar = dlg.VerticalBar();
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->pageStep(), dlg.Viewport()->height());
        QCOMPARE(bar->maximum(), design.height() - dlg.Viewport()->height());

        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(bar->value(), 60);
        QCOMPARE(dlg.Content()->y(), -60);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(dlg.Content()->y(), -bar->maximum());
        // The whole design can be seen: its bottom edge reaches the viewport's.
        QCOMPARE(dlg.Content()->geometry().bottom(), dlg.Viewport()->rect().bottom());

        dlg.resize(dlg.width(), dlg.height() + design.height());
        QTRY_VERIFY(!bar->isEnabled());
        QCOMPARE(dlg.Content()->pos(), QPoint(0, 0));
        dlg.close();
    }
};

QTEST_MAIN(TestPivexSettings)
#include "tst_pivexsettings.moc"
