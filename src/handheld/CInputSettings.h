#pragma once

#include <QString>

// The input method's options in the handheld's registry. Each call opens the
// key (creating it when missing), reads or writes one value and closes the
// key again. A read of a missing value stores its default.
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

    quint32 GetSaveNewWord() const;
    bool SetSaveNewWord(quint32 value);
    quint32 GetInsertSpace() const;
    bool SetInsertSpace(quint32 value);
    quint32 GetScribingSensitivity() const;
    bool SetScribingSensitivity(quint32 value);
    quint32 GetAccentedCharacters() const;
    bool SetAccentedCharacters(quint32 value);
    quint32 GetShowActualCharacters() const;
    bool SetShowActualCharacters(quint32 value);
    quint32 GetReorderTwoCharWords() const;
    bool SetReorderTwoCharWords(quint32 value);
    quint32 GetDefaultKeyboard() const;
    bool SetDefaultKeyboard(quint32 value);

private:
    static quint32 Read(const QString& name, quint32 defaultValue);
    static bool Write(const QString& name, quint32 value);
};
