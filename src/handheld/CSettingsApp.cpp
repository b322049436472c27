#include "CSettingsApp.h"

#include "CSettingsDlg.h"
#include "PivexIds.h"
#include "device/DeviceSip.h"

#include <QApplication>
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pivexsettings"));
    auto dialog = std::make_unique<CSettingsDlg>();
    dialog->exec();
    dialog.reset();
    return 0;
}
