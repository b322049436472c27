#pragma once

#include <QDockWidget>

// A dockable bar with a painted caption that holds one child window and keeps
// it filling the bar.
class CGuiControlBar : public QDockWidget
{
    Q_OBJECT
public:
    explicit CGuiControlBar(const QString& title, QWidget* parent = nullptr);

    void SetChild(QWidget* child);
    void SetStyle(int style);

private:
    class Caption;
    Caption* m_caption;
};
