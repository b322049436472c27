#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class TrayHostWatcher;

// The notification-area icon: the number of overdue and soon-due dues in its
// tool tip, and a menu with Open, Coming Up and Quit. Where the desktop has no
// tray it stays hidden and Available() is false; a tray that comes up later
// (the panel starting after the program) gets the icon then. The desktop is
// asked for its tray (on most desktops a call over the session bus) only by
// Install() or Available(): a window starting shows its first frame first.
class CTrayIcon : public QObject
{
    Q_OBJECT
public:
    // Whether the desktop shows tray icons now, given what is on the session
    // bus: a StatusNotifier host, its watcher (with or without a host yet).
    // Tests replace it; returns the one it replaces.
    using TrayCheck = std::function<bool(bool hostRegistered, bool watcherUp)>;
    static TrayCheck SetTrayCheck(TrayCheck check);

    explicit CTrayIcon(QObject* parent = nullptr);
    ~CTrayIcon() override;

    // Shows the icon where the desktop has a tray, once the session bus has
    // answered, and watches for a tray that comes later; once.
    void Install();
    // Installs the icon if that has not been done yet; true while it shows.
    bool Available();
    // Counts from theDueStore as of Clock::Now(), with the lead time as "soon".
    void Update();
    QString ToolTip() const;
    QMenu* Menu() const { return m_menu; }

signals:
    void openRequested();
    void comingUpRequested();
    void quitRequested();
    // The icon shows now (at Install, or when the tray came up later).
    void shown();

private:
    void TryShow();

    QSystemTrayIcon* m_icon = nullptr;
    TrayHostWatcher* m_hosts = nullptr;
    QMenu* m_menu;
    QString m_toolTip;
};
