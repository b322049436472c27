#include "ui/frame/COutlookView.h"

#include "ui/frame/CommandIds.h"
#include "ui/images/LoadImageList.h"
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
    // Names of formats and programs stay as they are in every language.
    const QList<Folder> folders = {
        {QT_TR_NOOP("Due"),
         {{ID_DUE_NEW, QT_TR_NOOP("Add"), 24},
          {ID_DUE_MODIFY, QT_TR_NOOP("Modify"), 18},
          {ID_DUE_DELETE, QT_TR_NOOP("Delete"), 19}}},
        {QT_TR_NOOP("Tools"),
         {{ID_REFRESH, QT_TR_NOOP("Refresh"), 12},
          {ID_SYNCHRONIZE, QT_TR_NOOP("Synchronize"), 11},
          {ID_CHANGE_WORKDIR, QT_TR_NOOP("Working Directory"), 15}}},
        {QT_TR_NOOP("Export"),
         {{ID_EXCEL_NOTES, "Excel", 9},
          {ID_WORD_NOTES, "Word", 8},
          {ID_HTML_NOTES, "HTML", 10},
          {ID_PDF_NOTES, "PDF", 20},
          {ID_ICAL_EXPORT, "iCalendar", 21},
          {ID_CSV_EXPORT, "CSV", 22}}},
        {QT_TR_NOOP("Print"), {{ID_FILE_PRINT, QT_TR_NOOP("Print"), 7}}},
    };
    const QList<QIcon> images = LoadImageIcons(156, 32);
    for (const Folder& folder : folders) {
        auto* list = new CGuiOutLook(Folders());
        list->SetImageList(images);
        for (const Item& item : folder.items)
            list->AddItem(item.commandId, tr(item.caption), item.image, QString());
        list->SetStyle(GuiDrawLayer::kStyleBlue);
        AddFolder(list, tr(folder.caption));
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
