#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUuid>

// Identifiers, paths and names shared by the applet and the input method.
namespace Pivex {

// The soft input panel knows the Pivex input method by this class identifier.
// {5EFAB5BD-0AF5-48F8-ABEC-6F36E3A0B5AF}
inline constexpr QUuid kInputMethodClsid{0x5EFAB5BD, 0x0AF5, 0x48F8, 0xAB, 0xEC, 0x6F,
                                         0x36,       0xE3,   0xA0,   0xB5, 0xAF};

inline QString RegistryKey()
{
    return QStringLiteral("\\SOFTWARE\\Pellworth\\Pivex");
}

inline QString ShortcutName()
{
    return QStringLiteral("\\_Pivex.lnk");
}
inline QString ShortcutTarget()
{
    return QStringLiteral("\"\\Windows\\PivexSettings.exe\" /s");
}

inline QString PunctuationUtility()
{
    return QStringLiteral("\\Windows\\PivexPunctUtility.exe");
}
inline QString HelpViewer()
{
    return QStringLiteral("peghelp.exe");
}
inline QString HelpCommandLine()
{
    return QStringLiteral("file:pivexhelp.htm#Main_Contents");
}

inline QString AppName()
{
    return QCoreApplication::translate("Pivex", "Pivex Settings");
}

} // namespace Pivex
