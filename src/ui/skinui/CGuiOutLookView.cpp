#include "ui/skinui/CGuiOutLookView.h"

#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QVBoxLayout>

CGuiFolder::CGuiFolder(QWidget* parent) : QToolBox(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void CGuiFolder::AddFolder(QWidget* content, const QString& caption, const QIcon& icon)
{
    addItem(content, icon, caption);
}

CGuiOutLookView::CGuiOutLookView(QWidget* parent) : QWidget(parent), m_folders(new CGuiFolder(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_folders);
}

void CGuiOutLookView::AddFolder(CGuiOutLook* list, const QString& caption)
{
    m_folders->AddFolder(list, caption);
    connect(list, &CGuiOutLook::commandRequested, this, &CGuiOutLookView::commandRequested);
}

void CGuiOutLookView::SetStyle(int style)
{
    const QColor face = GuiDrawLayer::GetRGBColorFace(style);
    const auto [top, bottom] = GuiDrawLayer::BannerColors(face);
    const QColor shadow = GuiDrawLayer::GetRGBColorShadow(style);
    m_folders->setStyleSheet(
        QStringLiteral(
            "QToolBox { background: %4; }"
            "QToolBox::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);"
            " border: 1px solid %3; border-radius: 0px; color: #10213f; font-weight: bold;"
            " padding-left: 6px; min-height: 22px; }"
            "QToolBox::tab:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 #fff3c8, stop:1 #fbc46b); color: #10213f; }"
            "QToolBox::tab:hover { background: #ffe7a2; }")
            .arg(top.name(), bottom.name(), shadow.name(), face.lighter(108).name()));
    GuiDrawLayer::ApplyFace(this, style);
}
