#include "recurrence/widgets/PickerFormat.h"

#include <QDateTimeEdit>

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
    // Room for the widest text the format gives, plus the frame and the
    // button of the calendar or the spin arrows.
    const QString widest = edit->locale().toString(QDateTime(QDate(2000, 12, 28), QTime(20, 58, 58)), format);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(widest + QStringLiteral("  ")) + 36);
}
