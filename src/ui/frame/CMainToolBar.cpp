#include "ui/frame/CMainToolBar.h"

#include "ui/frame/CBannerStatic.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/CommandIds.h"

#include <QAction>
#include <QLineEdit>

CMainToolBar::CMainToolBar(const QHash<int, QAction*>& actions, QWidget* parent)
    : CGuiToolBarWnd(QStringLiteral("ProjectToolBar"), parent), m_picker(new CMonthPicker(this)),
      m_banner(new CBannerStatic(this)), m_filter(new CFilterCombo(this)), m_search(new QLineEdit(this))
{
    m_search->setObjectName(QStringLiteral("SearchField"));
    m_search->setPlaceholderText(tr("Search this month"));
    m_search->setAccessibleName(m_search->placeholderText());
    m_search->setToolTip(tr("Shows the dues of the month whose title, pay to, account or notes hold the "
                            "words typed here"));
    // The clear button shows only over text, and making it asks the icon theme:
    // it is made when there is first something to clear.
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && !m_search->isClearButtonEnabled())
            m_search->setClearButtonEnabled(true);
    });
    setObjectName(QStringLiteral("ProjectToolBar"));
    setWindowTitle(tr("ProjectToolBar"));
    for (int id : SlotIds()) {
        switch (id) {
        case 0:
            addSeparator();
            break;
        case ID_MONTH_PICKER:
            AddControlSlot(m_picker, 140, id);
            break;
        case ID_BANNER:
            AddControlSlot(m_banner, 140, id);
            break;
        case ID_FILTER:
            AddControlSlot(m_filter, 140, id);
            break;
        case ID_SEARCH:
            AddControlSlot(m_search, 170, id);
            break;
        default:
            if (QAction* a = actions.value(id))
                addAction(a);
            break;
        }
    }
}

QList<int> CMainToolBar::SlotIds()
{
    return {ID_PREV_MONTH,
            ID_MONTH_PICKER,
            ID_NEXT_MONTH,
            0,
            ID_DUE_NEW,
            ID_DUE_MODIFY,
            ID_DUE_DELETE,
            0,
            ID_BANNER,
            ID_FILTER,
            ID_SEARCH,
            0,
            ID_REFRESH,
            ID_SYNCHRONIZE,
            ID_VIEW_DETAILS,
            0,
            ID_EXCEL_NOTES,
            ID_WORD_NOTES,
            ID_HTML_NOTES,
            ID_PDF_NOTES,
            0,
            ID_HELP_CONTENTS,
            ID_APP_ABOUT};
}
