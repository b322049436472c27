#pragma once

#include <QLocale>
#include <QString>

class QDateTimeEdit;

// Date and time pictures in the Windows syntax ("MM/dd/yyyy  hh:mm:ss tt",
// " HH : mm") turned into the display format of a QDateTimeEdit: the same
// letters, with "tt"/"t" becoming Qt's AM/PM marker; quoted text stays.
QString QtPickerFormat(const QString& windowsPicture);
void SetPickerPicture(QDateTimeEdit* edit, const QString& windowsPicture);

// The display format of a date-and-time picker in a locale: its short date
// with a four-digit year, two blanks, and its time of day with seconds (no
// time zone), e.g. "M/d/yyyy  h:mm:ss AP" or "dd.MM.yyyy  HH:mm:ss".
QString LocaleDateTimeFormat(const QLocale& locale);
// Gives the picker that format, in the picker's own locale.
void SetLocalePicker(QDateTimeEdit* edit);
