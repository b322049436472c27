#include "CRegistryKey.h"

CRegistryKey::CRegistryKey(RegRoot root, const QString& subKey, bool create)
    : m_key(DeviceRegistryKey::Open(root, subKey, create))
{
}

CRegistryKey::~CRegistryKey()
{
    if (m_key)
        m_key->Flush();
}

quint32 CRegistryKey::ReadDword(const QString& name, quint32 defaultValue)
{
    if (m_key) {
        if (const auto value = m_key->QueryDword(name))
            return *value;
    }
    WriteDword(name, defaultValue);
    return defaultValue;
}

bool CRegistryKey::WriteDword(const QString& name, quint32 value)
{
    return m_key && !name.isNull() && m_key->SetDword(name, value);
}
