#pragma once

#include <QObject>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon: the number of overdue and soon-due dues in its
// tool tip, and a menu with Open, Coming Up and Quit. Where the desktop has no
// tray it stays hidden and Available() is false. The desktop is asked for its
// tray (on most desktops a call over the session bus) only by Install() or
// Available(): a window starting shows its first frame first.
class CTrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit CTrayIcon(QObject* parent = nullptr);
    ~CTrayIcon() override;

    // Shows the icon where the desktop has a tray; once.
    void Install();
    // Installs the icon if that has not been done yet.
    bool Available();
    // Counts from theDueStore as of Clock::Now(), with the lead time as "soon".
    void Update();
    QString ToolTip() const;
    QMenu* Menu() const { return m_menu; }

signals:
    void openRequested();
    void comingUpRequested();
    void quitRequested();

private:
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu;
    QString m_toolTip;
    bool m_installed = false;
};
