#pragma once

#include "device/DeviceIo.h"

#include <QCoreApplication>
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
// Blanks may stand before the name and around "="; lines of other types,
// section headers, comments and anything else are kept as they are (and
// cannot be read as a DWORD). Where a name appears more than once, the last
// line counts, as it would when the file is imported. Key and value names
// match without regard to case.
//
// Other programs write this file too, so a write changes only the data of
// the one value it sets, in place, and adds a new value as a last line; every
// other byte stays, in the file's own encoding and line ends (see
// DeviceTextFile). Every write replaces values.reg atomically, so the value is
// on disk when the call returns.
class DeviceRegistryKey
{
    Q_DECLARE_TR_FUNCTIONS(DeviceRegistryKey)

public:
    // Opens root\subKey; with create, missing keys on the way are created.
    // Empty when the key does not exist (without create), the path holds an
    // invalid name, or the key cannot be created; error says which.
    static std::optional<DeviceRegistryKey> Open(RegRoot root, const QString& subKey, bool create,
                                                 DeviceError* error = nullptr);

    // The value when it exists and is a DWORD. error is filled only when
    // values.reg exists but cannot be read, not for a missing value.
    std::optional<quint32> QueryDword(const QString& name, DeviceError* error = nullptr) const;
    // Adds or replaces a DWORD value. Fails for a null name, and when the
    // key's value file cannot be read (it is never overwritten then) or
    // written.
    bool SetDword(const QString& name, quint32 value, DeviceError* error = nullptr);
    // Writes are already on disk; reports whether the key still exists.
    bool Flush() const;

    QString HostFolder() const { return m_folder; }
    QString ValuesFile() const;

    static QString RootName(RegRoot root);

private:
    explicit DeviceRegistryKey(QString folder) : m_folder(std::move(folder)) {}

    QString m_folder;
};
