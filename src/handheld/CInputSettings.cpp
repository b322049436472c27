#include "CInputSettings.h"

#include "CRegistryKey.h"
#include "PivexIds.h"

quint32 CInputSettings::Read(const QString& name, quint32 defaultValue)
{
    CRegistryKey key(RegRoot::LocalMachine, Pivex::RegistryKey(), true);
    return key.ReadDword(name, defaultValue);
}

bool CInputSettings::Write(const QString& name, quint32 value)
{
    CRegistryKey key(RegRoot::LocalMachine, Pivex::RegistryKey(), true);
    return key.WriteDword(name, value);
}

quint32 CInputSettings::GetSaveNewWord() const
{
    return Read(SaveNewWordName(), kDefaultSaveNewWord);
}

bool CInputSettings::SetSaveNewWord(quint32 value)
{
    return Write(SaveNewWordName(), value);
}

quint32 CInputSettings::GetInsertSpace() const
{
    return Read(InsertSpaceName(), kDefaultInsertSpace);
}

bool CInputSettings::SetInsertSpace(quint32 value)
{
    return Write(InsertSpaceName(), value);
}

quint32 CInputSettings::GetScribingSensitivity() const
{
    return Read(ScribingSensitivityName(), kDefaultScribingSensitivity);
}

bool CInputSettings::SetScribingSensitivity(quint32 value)
{
    return Write(ScribingSensitivityName(), value);
}

quint32 CInputSettings::GetAccentedCharacters() const
{
    return Read(AccentedCharactersName(), kDefaultAccentedCharacters);
}

bool CInputSettings::SetAccentedCharacters(quint32 value)
{
    return Write(AccentedCharactersName(), value);
}

quint32 CInputSettings::GetShowActualCharacters() const
{
    return Read(ShowActualCharactersName(), kDefaultShowActualCharacters);
}

bool CInputSettings::SetShowActualCharacters(quint32 value)
{
    return Write(ShowActualCharactersName(), value);
}

quint32 CInputSettings::GetReorderTwoCharWords() const
{
    return Read(ReorderTwoCharWordsName(), kDefaultReorderTwoCharWords);
}

bool CInputSettings::SetReorderTwoCharWords(quint32 value)
{
    return Write(ReorderTwoCharWordsName(), value);
}

quint32 CInputSettings::GetDefaultKeyboard() const
{
    return Read(DefaultKeyboardName(), kDefaultDefaultKeyboard);
}

bool CInputSettings::SetDefaultKeyboard(quint32 value)
{
    return Write(DefaultKeyboardName(), value);
}
