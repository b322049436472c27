#pragma once

#include "ui/frame/CMainFrame.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>

// One window per user session. The first start owns a name on the session
// bus and answers there; a later start hands itself over to it and ends, so
// the launcher, the login start and the command line all bring the running
// window forward instead of opening a second one.
class SingleWindow : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.quillory.Tallyvane.Window")
public:
    // The name on the session bus, and where the window answers.
    static QString ServiceName();
    static QString ObjectPath();

    // How long a start waits for the running window to take it over.
    static constexpr int kHandOverWaitMs = 10000;

    enum class Outcome
    {
        First,      // this start owns the name: it opens the window and answers later starts
        HandedOver, // a running window took this start: end it
        Alone,      // no bus, or none to ask: open the window as without one
    };

    explicit SingleWindow(const QDBusConnection& bus, QObject* parent = nullptr);
    ~SingleWindow() override;

    // workDir: the folder this start was given (empty: none); tray: started
    // into the tray; activationToken: the desktop's permission to take the
    // focus, handed on to the running window.
    Outcome Claim(const QString& workDir, bool tray, const QString& activationToken);

    // The window that answers from now on (null while there is none yet).
    void Serve(CMainFrame* frame) { m_frame = frame; }

public slots:
    // A later start of the program. Answered at once; the window comes
    // forward (and asks about another folder) from the event loop, so that
    // the caller never waits for a question.
    Q_SCRIPTABLE void Activate(const QString& workDir, bool tray, const QString& activationToken);

private:
    // Exports the window's object and owns the name; false (neither) when
    // another owns it.
    bool OwnName();

    QDBusConnection m_bus;
    QPointer<CMainFrame> m_frame;
    bool m_exported = false;
    bool m_owner = false;
};
