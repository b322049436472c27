#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts the handheld synchronisation manager so that it synchronises at once.
// Where the manager is not installed nothing happens.
class CSyncLauncher
{
public:
    void Synchronize();

    // The manager's program path from its "App Paths" entry; empty when missing.
    static QString ManagerPath();

    // Starts a program detached; tests replace it.
    using Starter = std::function<bool(const QString& program, const QStringList& args)>;
    static Starter SetStarter(Starter starter);
};
