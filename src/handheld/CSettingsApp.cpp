#include "CSettingsApp.h"

#include "CSettingsDlg.h"
#include "PivexIds.h"
#include "PivexVersion.h"
#include "device/DeviceSip.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>

QString CSettingsApp::CommandLine(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

bool CSettingsApp::IsSilentCommandLine(const QString& commandLine)
{
    return commandLine == QLatin1String("/s");
}

std::optional<QString> CSettingsApp::InfoText(const QStringList& arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    // Whatever else is on the line does not matter here: it shows the dialog.
    (void)parser.parse(arguments);
    if (parser.isSet(help)) {
        return tr("Usage: pivexsettings [/s]\n\n"
                  "Settings of the Pivex soft-keyboard input method.\n\n"
                  "  /s              Make Pivex the current input method, without a window\n"
                  "  -h, --help      Show this help and exit\n"
                  "  -v, --version   Show the version and exit\n\n"
                  "Any other command line shows the settings dialog.\n");
    }
    if (parser.isSet(version))
        return QStringLiteral("pivexsettings " PIVEXSETTINGS_VERSION "\n");
    return std::nullopt;
}

bool CSettingsApp::MakeDefaultInputMethod(QString* error)
{
    QUuid previous;
    const bool knowPrevious = DeviceSip::SipGetCurrentIM(&previous);
    if (knowPrevious && previous == Pivex::kInputMethodClsid)
        return true;
    DeviceError switchError;
    DeviceSip::SipSetCurrentIM(Pivex::kInputMethodClsid, &switchError);
    QUuid now;
    DeviceError nowError;
    if (DeviceSip::SipGetCurrentIM(&now, &nowError) && now == Pivex::kInputMethodClsid)
        return true;
    // Without a previous identifier there is nothing to go back to.
    if (knowPrevious)
        DeviceSip::SipSetCurrentIM(previous);
    if (error) {
        if (switchError.IsSet())
            *error = switchError.Text();
        else if (nowError.IsSet())
            *error = nowError.Text();
        else
            *error = tr("the soft input panel kept another input method");
    }
    return false;
}

int CSettingsApp::Run(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsSilentCommandLine(CommandLine(arguments))) {
        // No window: this runs at boot, before anyone looks at the screen.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("pivexsettings"));
        QString error;
        if (!MakeDefaultInputMethod(&error)) {
            QTextStream(stderr)
                << tr("pivexsettings: Pivex could not be made the current input method: %1").arg(error)
                << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (const std::optional<QString> info = InfoText(arguments)) {
        QTextStream(stdout) << *info;
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pivexsettings"));
    auto dialog = std::make_unique<CSettingsDlg>();
    dialog->exec();
    dialog.reset();
    return 0;
}
