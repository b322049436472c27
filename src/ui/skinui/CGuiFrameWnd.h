#pragma once

#include <QMainWindow>

// The skinned main window: menu bar, dock areas on every side and a status
// bar, all painted in the face colour of the style given to StyleDispl.
class CGuiFrameWnd : public QMainWindow
{
    Q_OBJECT
public:
    explicit CGuiFrameWnd(QWidget* parent = nullptr);

    // Applies a visual style to the frame and everything docked in it.
    void StyleDispl(int style);
    int Style() const { return m_StyleDisplay; }

    // Allows docking on the given sides (Qt::DockWidgetAreas).
    void EnableDocking(Qt::DockWidgetAreas areas);

protected:
    int m_StyleDisplay;
};
