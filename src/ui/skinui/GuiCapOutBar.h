#pragma once

#include <QFrame>
#include <QToolButton>

class CGuiMiniTool;

// A captioned button of a mini toolbar: text, tool tip and icon change at run time.
class CGuiToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CGuiToolButton(QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { setText(caption); }
    void SetToolTip(const QString& tip) { setToolTip(tip); }
    void SethIcon(const QIcon& icon) { setIcon(icon); }
    void SetColor(const QColor& color);
};

// A row of captioned buttons with icons cut from one image strip.
class CGuiMiniTool : public QWidget
{
    Q_OBJECT
public:
    explicit CGuiMiniTool(QWidget* parent = nullptr);

    void SetImageList(const QList<QPixmap>& images);
    void AddButton(int index, int id, const QString& caption, const QString& toolTip);
    CGuiToolButton* GetButton(int index) const;
    QIcon GetImagIcon(int index) const;
    void SetColorCaption(const QColor& color);
    void SetColor(const QColor& color);
    void AutoSize(bool on) { m_autoSize = on; }
    void RecalLayout();

private:
    QList<QPixmap> m_images;
    QList<CGuiToolButton*> m_buttons;
    QColor m_caption;
    bool m_autoSize = false;
};

// The caption bar above a view: a gradient strip holding one mini toolbar.
class GuiCapOutBar : public QFrame
{
    Q_OBJECT
public:
    explicit GuiCapOutBar(QWidget* parent = nullptr);

    void SetMiniTool(CGuiMiniTool* tool);
    CGuiMiniTool* MiniTool() const { return m_tool; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CGuiMiniTool* m_tool = nullptr;
};
