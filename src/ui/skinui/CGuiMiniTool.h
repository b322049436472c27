#pragma once

#include "ui/skinui/CGuiToolButton.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

// A row of captioned buttons with icons cut from one image strip.
class CGuiMiniTool : public QWidget
{
    Q_OBJECT
public:
    explicit CGuiMiniTool(QWidget* parent = nullptr);

    void SetImageList(const QList<QIcon>& images);
    void AddButton(int index, int id, const QString& caption, const QString& toolTip);
    CGuiToolButton* GetButton(int index) const;
    QIcon GetImagIcon(int index) const;
    void SetColorCaption(const QColor& color);
    void SetColor(const QColor& color);
    void AutoSize(bool on) { m_autoSize = on; }
    void RecalLayout();

private:
    QList<QIcon> m_images;
    QList<CGuiToolButton*> m_buttons;
    QColor m_caption;
    bool m_autoSize = false;
};
