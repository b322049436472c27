#include "CRegistryKey.h"

CRegistryKey::CRegistryKey(RegRoot root, const QString& subKey, bool create)
    : m_key(DeviceRegistryKey::Open(root, subKey, create, &m_openError))
{
}

CRegistryKey::~CRegistryKey()
{
    if (m_key)
        m_key->Flush();
}

quint32 CRegistryKey::ReadDword(const QString& name, quint32 defaultValue, DeviceError* readError)
{
    if (m_key) {
        DeviceError error;
        if (const auto value = m_key->QueryDword(name, &error))
            return *value;
        // Values that exist but cannot be read are not replaced by defaults.
        if (error.IsSet()) {
            if (readError)
                *readError = error;
            return defaultValue;
        }
    }
    // Nothing stored: the default is what the input method uses too, so a
    // failure to store it changes nothing the user sees.
    WriteDword(name, defaultValue);
    return defaultValue;
}

bool CRegistryKey::WriteDword(const QString& name, quint32 value, DeviceError* error)
{
    if (!m_key) {
        if (error)
            *error = m_openError;
        return false;
    }
    return m_key->SetDword(name, value, error);
}
