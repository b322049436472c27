#pragma once

#include <QString>

class QDateTimeEdit;

// Date and time pictures in the Windows syntax ("MM/dd/yyyy  hh:mm:ss tt",
// " HH : mm") turned into the display format of a QDateTimeEdit: the same
// letters, with "tt"/"t" becoming Qt's AM/PM marker; quoted text stays.
QString QtPickerFormat(const QString& windowsPicture);
void SetPickerPicture(QDateTimeEdit* edit, const QString& windowsPicture);
