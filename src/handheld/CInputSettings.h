#pragma once

#include "device/DeviceIo.h"

#include <QString>

// The input method's options in the handheld's registry. Each call opens the
// key (creating it when missing), reads or writes one value and closes the
// key again. A read of a missing value stores its default; a read of values
// that exist but cannot be read gives the default, stores nothing and leaves
// the reason in LastError().
class CInputSettings
{
public:
    // Value names as the input method reads them.
    static QString SaveNewWordName() { return QStringLiteral("Save new word"); }
    static QString InsertSpaceName() { return QStringLiteral("Insert space"); }
    static QString ScribingSensitivityName() { return QStringLiteral("Scribing Sensitivity"); }
    static QString AccentedCharactersName() { return QStringLiteral("Accented characters"); }
    static QString ShowActualCharactersName() { return QStringLiteral("Show actual characters typed"); }
    static QString ReorderTwoCharWordsName() { return QStringLiteral("Reorder 2 character words"); }
    static QString DefaultKeyboardName() { return QStringLiteral("Default keyboard"); }

    // Scribing sensitivity: 0 Off, 1 Low, 2 Standard, 3 High; 0xFFFFFFFF
    // (-1) when none was chosen.
    static constexpr quint32 kDefaultSaveNewWord = 1;
    static constexpr quint32 kDefaultInsertSpace = 0;
    static constexpr quint32 kDefaultScribingSensitivity = 2;
    static constexpr quint32 kDefaultAccentedCharacters = 1;
    static constexpr quint32 kDefaultShowActualCharacters = 1;
    static constexpr quint32 kDefaultReorderTwoCharWords = 0;
    static constexpr quint32 kDefaultDefaultKeyboard = 1;

    quint32 GetSaveNewWord();
    bool SetSaveNewWord(quint32 value);
    quint32 GetInsertSpace();
    bool SetInsertSpace(quint32 value);
    quint32 GetScribingSensitivity();
    bool SetScribingSensitivity(quint32 value);
    quint32 GetAccentedCharacters();
    bool SetAccentedCharacters(quint32 value);
    quint32 GetShowActualCharacters();
    bool SetShowActualCharacters(quint32 value);
    quint32 GetReorderTwoCharWords();
    bool SetReorderTwoCharWords(quint32 value);
    quint32 GetDefaultKeyboard();
    bool SetDefaultKeyboard(quint32 value);

    // Why the last read or write that failed did so; empty while none has.
    const DeviceError& LastError() const { return m_error; }

private:
    quint32 Read(const QString& name, quint32 defaultValue);
    bool Write(const QString& name, quint32 value);

    DeviceError m_error;
};
