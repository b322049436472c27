#include "ui/recurrence/PickerFormat.h"

#include "model/base/LocaleFormat.h"

#include <QDateTimeEdit>

namespace {

// Room for the widest text the format gives, plus the frame and the button
// of the calendar or the spin arrows.
void FitToFormat(QDateTimeEdit* edit, const QString& format)
{
    const QString widest = edit->locale().toString(QDateTime(QDate(2000, 12, 28), QTime(20, 58, 58)), format);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(widest + QStringLiteral("  ")) + 36);
}

// Drops the time-zone field ("t") and the blanks before it from a Qt time
// pattern: a due's time is a wall-clock time.
QString WithoutZone(const QString& pattern)
{
    QString out;
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) {
            while (out.endsWith(QLatin1Char(' ')))
                out.chop(1);
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

} // namespace

QString QtPickerFormat(const QString& picture)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == QLatin1Char('t')) {
            const bool pair = i + 1 < picture.size() && picture.at(i + 1) == QLatin1Char('t');
            out += pair ? QStringLiteral("AP") : QStringLiteral("A");
            if (pair)
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

void SetPickerPicture(QDateTimeEdit* edit, const QString& windowsPicture)
{
    const QString format = QtPickerFormat(windowsPicture);
    edit->setDisplayFormat(format);
    FitToFormat(edit, format);
}

QString LocaleDateTimeFormat(const QLocale& locale)
{
    return ShortDatePattern(locale) + QStringLiteral("  ") +
           WithoutZone(locale.timeFormat(QLocale::LongFormat));
}

void SetLocalePicker(QDateTimeEdit* edit)
{
    const QString format = LocaleDateTimeFormat(edit->locale());
    edit->setDisplayFormat(format);
    FitToFormat(edit, format);
}
