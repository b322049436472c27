#include "CSettingsApp.h"

#include "CSettingsDlg.h"
#include "PivexIds.h"
#include "device/DeviceSip.h"

#include <QApplication>
#include <QCoreApplication>

#include <memory>

QString CSettingsApp::CommandLine(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

bool CSettingsApp::IsSilentCommandLine(const QString& commandLine)
{
    return commandLine == QLatin1String("/s");
}

void CSettingsApp::MakeDefaultInputMethod()
{
    QUuid previous;
    const bool knowPrevious = DeviceSip::SipGetCurrentIM(&previous);
    if (knowPrevious && previous == Pivex::kInputMethodClsid)
        return;
    DeviceSip::SipSetCurrentIM(Pivex::kInputMethodClsid);
    QUuid now;
    if (DeviceSip::SipGetCurrentIM(&now) && now == Pivex::kInputMethodClsid)
        return;
    // Without a previous identifier there is nothing to go back to.
    if (knowPrevious)
        DeviceSip::SipSetCurrentIM(previous);
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
        MakeDefaultInputMethod();
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pivexsettings"));
    auto dialog = std::make_unique<CSettingsDlg>();
    dialog->exec();
    dialog.reset();
    return 0;
}
