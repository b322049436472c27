#include "ui/COutlookView.h"

#include "ui/CommandIds.h"
#include "ui/LoadImageList.h"
#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/GuiDrawLayer.h"

namespace {
struct Item
{
    int commandId;
    const char* caption;
    int image;
};
struct Folder
{
    const char* caption;
    QList<Item> items;
};
} // namespace

COutlookView::COutlookView(QWidget* parent) : CGuiOutLookView(parent)
{
    setObjectName(QStringLiteral("OutlookView"));
    const QList<Folder> folders = {
        {"Due", {{ID_DUE_NEW, "Add", 24}, {ID_DUE_MODIFY, "Modify", 18}, {ID_DUE_DELETE, "Delete", 19}}},
        {"Tools",
         {{ID_REFRESH, "Refresh", 12},
          {ID_SYNCHRONIZE, "Synchronize", 11},
          {ID_CHANGE_WORKDIR, "Working Directory", 15}}},
        {"Export",
         {{ID_EXCEL_NOTES, "Excel", 9},
          {ID_WORD_NOTES, "Word", 8},
          {ID_HTML_NOTES, "HTML", 10},
          {ID_PDF_NOTES, "PDF", 20},
          {ID_ICAL_EXPORT, "iCalendar", 21},
          {ID_CSV_EXPORT, "CSV", 22}}},
        {"Print", {{ID_FILE_PRINT, "Print", 7}}},
    };
    const QList<QPixmap> images = LoadImageList(156, 32);
    for (const Folder& folder : folders) {
        auto* list = new CGuiOutLook(Folders());
        list->SetImageList(images);
        for (const Item& item : folder.items)
            list->AddItem(item.commandId, QString::fromLatin1(item.caption), item.image, QString());
        list->SetStyle(GuiDrawLayer::kStyleBlue);
        AddFolder(list, QString::fromLatin1(folder.caption));
        m_lists << list;
    }
    SetStyle(GuiDrawLayer::kStyleBlue);
    Folders()->SelectFolder(0);
}

void COutlookView::SetCommandEnabled(int commandId, bool enabled)
{
    for (CGuiOutLook* list : m_lists)
        list->SetItemEnabled(commandId, enabled);
}
