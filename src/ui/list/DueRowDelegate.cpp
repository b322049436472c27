#include "ui/list/DueRowDelegate.h"

#include "model/base/Clock.h"
#include "ui/images/LoadImageList.h"
#include "ui/list/DueListModel.h"
#include "ui/list/DueRowLook.h"
#include "ui/skinui/GuiDrawLayer.h"

#include "model/base/LocaleFormat.h"

#include <QHash>
#include <QMutex>
#include <QPainter>

#include <algorithm>

DueRowDelegate::DueRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QSize DueRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width() > 0 ? option.rect.width() : 300, kDueRowHeight);
}

void DueRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const QVariant value = index.data(DueListModel::RecordRole);
    if (!value.canConvert<DueRecord>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const DueRecord record = value.value<DueRecord>();
    const bool selected = option.state & QStyle::State_Selected;
    const DueRowLook look = ComputeRowLook(record, index.row(), selected, Clock::Now().date(),
                                           RowColours(GuiDrawLayer::IsDark(option.palette)));
    const DueRowLayout layout = ComputeRowLayout(option.rect);
    // Laid out left to right, then mirrored where the layout runs the other way:
    // the image first on the right, the amount at the left end.
    const Qt::LayoutDirection direction = option.direction;
    auto place = [&](const QRect& part) { return PlaceInRow(part, option.rect, direction); };
    auto placeImage = [&](const QPoint& at, const QPixmap& image) {
        return place(QRect(at, image.deviceIndependentSize().toSize())).topLeft();
    };

    painter->save();
    painter->setClipRect(option.rect);
    painter->setLayoutDirection(direction); // leading and trailing below
    painter->fillRect(place(layout.fill), look.background);

    const QFont bold = RowFont(option.font, true);
    const QFont normal = RowFont(option.font, false);
    const QFontMetrics boldMetrics(bold), normalMetrics(normal);
    const DueRowTextPlaces places = PlaceRowTexts(option.rect, boldMetrics.horizontalAdvance(look.amount),
                                                  normalMetrics.horizontalAdvance(look.line2));
    constexpr int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    painter->setPen(look.text);
    painter->setFont(bold);
    painter->drawText(place(places.title), Qt::AlignLeading | flags,
                      boldMetrics.elidedText(look.line1, Qt::ElideRight, std::max(0, places.title.width())));
    painter->drawText(place(places.amount), Qt::AlignTrailing | flags, look.amount);
    painter->setFont(normal);
    painter->drawText(place(places.date), Qt::AlignLeading | flags,
                      normalMetrics.elidedText(look.line2, Qt::ElideRight, std::max(0, places.date.width())));

    if (!m_imagesLoaded) { // on the first row painted: an empty list needs none
        m_row = LoadImageList(132, 32);
        m_marks = LoadImageList(142, 16);
        m_imagesLoaded = true;
    }
    if (!m_row.isEmpty())
        painter->drawPixmap(placeImage(layout.rowImage, m_row.at(0)), m_row.at(0));
    if (look.paidMark && m_marks.size() > 0)
        painter->drawPixmap(placeImage(layout.paidMark, m_marks.at(0)), m_marks.at(0));
    if (look.recurringMark && m_marks.size() > 1)
        painter->drawPixmap(placeImage(layout.recurringMark, m_marks.at(1)), m_marks.at(1));
    if (option.state & QStyle::State_HasFocus) {
        // Where the keyboard is, also on a row that is not selected.
        QPen pen(look.text, 1, Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

QFont DueRowDelegate::RowFont(const QFont& base, bool bold)
{
    QFont f = base;
    f.setPixelSize(13);
    f.setBold(bold);
    return f;
}

int DueRowDelegate::MinimumWidth(const QFont& base, const QLocale& locale)
{
    // Kept per font and locale: a window's start may have it measured ahead
    // on another thread, and measuring takes two fonts of their own.
    static QMutex mutex;
    static QHash<QString, int> measured;
    const QString key = base.key() + QLatin1Char('|') + locale.name();
    {
        const QMutexLocker lock(&mutex);
        const auto it = measured.constFind(key);
        if (it != measured.constEnd())
            return it.value();
    }
    const int width = MeasureMinimumWidth(base, locale);
    const QMutexLocker lock(&mutex);
    measured.insert(key, width);
    return width;
}

int DueRowDelegate::MeasureMinimumWidth(const QFont& base, const QLocale& locale)
{
    // The widest texts a row of this locale shows: a late date with a two-digit
    // month, day and hour, and an amount in the millions.
    DueRecord sample(Qt::Uninitialized);
    sample.m_dtDue = COleDateTime(2000, 12, 28, 22, 58, 0);
    sample.m_dAmount = 9999999.99;
    const QString date = FormatDatePicture(sample.m_dtDue, QString(), locale) + QLatin1Char(' ') +
                         FormatTimePicture(sample.m_dtDue, QString(), locale);
    const QString amount = FormatCurrencyText(AmountText(sample.m_dAmount), locale);
    const QFontMetrics boldMetrics(RowFont(base, true)), normalMetrics(RowFont(base, false));
    return MinimumRowWidth(boldMetrics.horizontalAdvance(amount), normalMetrics.horizontalAdvance(date),
                           boldMetrics.horizontalAdvance(QStringLiteral("Wwww…")));
}
