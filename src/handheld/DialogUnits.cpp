#include "DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>

namespace DialogUnits {

QSize BaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Rounded average over the 52 letters, as the handheld computes it.
    const int width = (letters / 26 + 1) / 2;
    return {qMax(1, width), qMax(1, metrics.height())};
}

QFont DialogFont()
{
    QFont font;
    // Helvetica-like faces come closest to Tahoma's widths where it is missing.
    font.setFamilies(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Nimbus Sans"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace DialogUnits
