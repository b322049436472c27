#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Predefined roots of the handheld's registry.
enum class RegRoot
{
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users
};

// One open key of the handheld's registry.
//
// Storage: the key "\SOFTWARE\A" of HKEY_LOCAL_MACHINE is the folder
// Registry/HKEY_LOCAL_MACHINE/SOFTWARE/A in the device root; its values are
// the lines of values.reg in that folder, in the form of a registry export:
//
//   "Save new word"=dword:00000001
//
// Names are quoted, with \\ and \" escaped and control characters as \xHH.
// Lines of other types are kept as they are (and cannot be read as a DWORD).
// Key and value names match without regard to case. Every write replaces
// values.reg atomically, so the value is on disk when the call returns.
class DeviceRegistryKey
{
public:
    // Opens root\subKey; with create, missing keys on the way are created.
    // Empty when the key does not exist (without create), the path holds an
    // invalid name, or the key cannot be created.
    static std::optional<DeviceRegistryKey> Open(RegRoot root, const QString& subKey, bool create);

    // The value when it exists and is a DWORD.
    std::optional<quint32> QueryDword(const QString& name) const;
    // Adds or replaces a DWORD value. Fails for a null name, and when the
    // key's value file cannot be read (it is never overwritten then).
    bool SetDword(const QString& name, quint32 value);
    // Writes are already on disk; reports whether the key still exists.
    bool Flush() const;

    QString HostFolder() const { return m_folder; }
    QString ValuesFile() const;

    static QString RootName(RegRoot root);

private:
    explicit DeviceRegistryKey(QString folder) : m_folder(std::move(folder)) {}

    QString m_folder;
};
