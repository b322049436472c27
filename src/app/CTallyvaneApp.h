#pragma once

#include "model/COleDateTime.h"

#include <QLocale>
#include <QString>

// Application state shared by the main window, the list and the exports:
// the shown month, the three status-bar texts and the working directory,
// plus path, string and formatting services.
class CTallyvaneApp
{
public:
    CTallyvaneApp();

    COleDateTime m_dtCurrentMonth; // zero until the frame sets it
    QString m_strPaidText;
    QString m_strUnpaidText;
    QString m_strTotalText;
    QString m_strWorkDir; // no trailing separator

    // The stored working directory (settings group "Directory", key "Path").
    void ReadWorkingDirectory();
    void WriteWorkingDirectory();

    // The data folder under the working directory.
    QString GetDataFolder() const;
    QString GetPreferencesPath() const;
    // Empty when the identifier is not safe to use in a file name.
    QString GetDueFilePath(const QString& recId) const;
    // Creates the data folder; false when it does not exist afterwards.
    bool CreateDataFolder() const;

    QString FormatCurrency(const QString& valueText) const;
    QString FormatDate(const COleDateTime& date, const QString& picture = {}) const;
    QString FormatTime(const COleDateTime& date, const QString& picture = {}) const;

    // The locale of every currency, date and time text (the system locale
    // unless a test or the command line sets another).
    void SetLocale(const QLocale& locale) { m_locale = locale; }
    const QLocale& Locale() const { return m_locale; }

private:
    QLocale m_locale;
};

extern CTallyvaneApp theApp;

// The folder name of the data folder under the working directory.
inline constexpr const char* kDataFolderName = "Tallyvane Files";

// True when an identifier can name a due file: no separators, no "..", no
// control characters, not empty.
bool IsSafeRecordId(const QString& recId);

// The program's own folder followed by fileName.
QString GetModuleFilePath(const QString& fileName);
