#pragma once

#include <QFrame>

class CGuiMiniTool;

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
