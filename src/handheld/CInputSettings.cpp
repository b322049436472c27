#include "CInputSettings.h"

#include "CRegistryKey.h"
#include "PivexIds.h"

quint32 CInputSettings::Read(const QString& name, quint32 defaultValue)
{
    CRegistryKey key(RegRoot::LocalMachine, Pivex::RegistryKey(), true);
    DeviceError error;
    const quint32 value = key.ReadDword(name, defaultValue, &error);
    if (error.IsSet())
        m_error = error;
    return value;
}

bool CInputSettings::Write(const QString& name, quint32 value)
{
    CRegistryKey key(RegRoot::LocalMachine, Pivex::RegistryKey(), true);
    DeviceError error;
    if (key.WriteDword(name, value, &error))
        return true;
    m_error = error;
    return false;
}

quint32 CInputSettings::GetSaveNewWord()
{
    return Read(SaveNewWordName(), kDefaultSaveNewWord);
}

bool CInputSettings::SetSaveNewWord(quint32 value)
{
    return Write(SaveNewWordName(), value);
}

quint32 CInputSettings::GetInsertSpace()
{
    return Read(InsertSpaceName(), kDefaultInsertSpace);
}

bool CInputSettings::SetInsertSpace(quint32 value)
{
    return Write(InsertSpaceName(), value);
}

quint32 CInputSettings::GetScribingSensitivity()
{
    return Read(ScribingSensitivityName(), kDefaultScribingSensitivity);
}

bool CInputSettings::SetScribingSensitivity(quint32 value)
{
    return Write(ScribingSensitivityName(), value);
}

quint32 CInputSettings::GetAccentedCharacters()
{
    return Read(AccentedCharactersName(), kDefaultAccentedCharacters);
}

bool CInputSettings::SetAccentedCharacters(quint32 value)
{
    return Write(AccentedCharactersName(), value);
}

quint32 CInputSettings::GetShowActualCharacters()
{
    return Read(ShowActualCharactersName(), kDefaultShowActualCharacters);
}

bool CInputSettings::SetShowActualCharacters(quint32 value)
{
    return Write(ShowActualCharactersName(), value);
}

quint32 CInputSettings::GetReorderTwoCharWords()
{
    return Read(ReorderTwoCharWordsName(), kDefaultReorderTwoCharWords);
}

bool CInputSettings::SetReorderTwoCharWords(quint32 value)
{
    return Write(ReorderTwoCharWordsName(), value);
}

quint32 CInputSettings::GetDefaultKeyboard()
{
    return Read(DefaultKeyboardName(), kDefaultDefaultKeyboard);
}

bool CInputSettings::SetDefaultKeyboard(quint32 value)
{
    return Write(DefaultKeyboardName(), value);
}
