#include "ui/print/CPrintListCtrl.h"

#include "ui/frame/ToolTipText.h"
#include "ui/print/DueIcons.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QIcon>

CPrintListCtrl::CPrintListCtrl(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The skin's list colours; the selected row stands on the face colour, in
    // both the active and the inactive state, so the selection always shows.
    const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
    QPalette pal = GuiDrawLayer::SkinPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, skin.face);
        pal.setColor(group, QPalette::HighlightedText, skin.text);
    }
    setPalette(pal);
}

void CPrintListCtrl::DeleteAllItems()
{
    clear();
    m_records.clear();
}

void CPrintListCtrl::InsertItem(int index, const QString& text, int image, const DueRecord& record)
{
    static const QIcon icons[2] = {QIcon(DueIconPixmap(false)), QIcon(DueIconPixmap(true))};
    auto* item = new QListWidgetItem(icons[image == 1 ? 1 : 0], text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(12);
    font.setStrikeOut(record.m_bPaid != 0);
    item->setFont(font);
    item->setToolTip(ToolTipText::ForScreen(text, this));
    index = qBound(0, index, count());
    insertItem(index, item);
    m_records.insert(index, record);
}

bool CPrintListCtrl::IsChecked(int row) const
{
    const QListWidgetItem* it = item(row);
    return it && it->checkState() == Qt::Checked;
}

void CPrintListCtrl::SetChecked(int row, bool checked)
{
    if (QListWidgetItem* it = item(row))
        it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

int CPrintListCtrl::CheckedCount() const
{
    int n = 0;
    for (int row = 0; row < count(); ++row)
        n += IsChecked(row) ? 1 : 0;
    return n;
}

QList<DueRecord> CPrintListCtrl::CheckedRecords() const
{
    QList<DueRecord> records;
    for (int row = 0; row < count(); ++row)
        if (IsChecked(row))
            records << m_records.at(row);
    return records;
}
