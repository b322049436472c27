#pragma once

#include "device/DeviceRegistryKey.h"

#include <QString>

#include <optional>

// One key of the handheld's registry, open for as long as the object lives.
class CRegistryKey
{
public:
    // With create, the key is created when missing; otherwise a missing key
    // leaves the object without a key (reads give their defaults, writes fail).
    CRegistryKey(RegRoot root, const QString& subKey, bool create);
    ~CRegistryKey();

    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool IsOpen() const { return m_key.has_value(); }

    // The stored value when it can be read; otherwise stores defaultValue and
    // returns it. When the key's values exist but cannot be read, nothing is
    // stored, readError says why, and defaultValue is returned.
    quint32 ReadDword(const QString& name, quint32 defaultValue, DeviceError* readError = nullptr);
    // error says why a write failed, including why the key could not be opened.
    bool WriteDword(const QString& name, quint32 value, DeviceError* error = nullptr);

private:
    DeviceError m_openError;
    std::optional<DeviceRegistryKey> m_key;
};
