#include "sync/SyncPassword.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace SyncPassword {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SyncPassword)
};

const QString kService = QStringLiteral("Tallyvane calendar sync");
QHash<QString, QString>* g_standIn = nullptr;

// Runs job to its end; false with why on failure.
bool Run(QKeychain::Job& job, QString* why)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (job.error() == QKeychain::NoError)
        return true;
    if (!why)
        return false;
    switch (job.error()) {
    case QKeychain::EntryNotFound:
        *why = Texts::tr("the keyring holds no password for it");
        break;
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        *why = Texts::tr("the keyring refused it (%1)").arg(job.errorString());
        break;
    default:
        // Without a keyring service the library only knows "unknown error".
        *why = Texts::tr("no keyring of the desktop answered (%1)").arg(job.errorString());
        break;
    }
    return false;
}

} // namespace

void SetStandIn(QHash<QString, QString>* table)
{
    g_standIn = table;
}

bool Read(const QString& key, QString* password, QString* why)
{
    if (g_standIn) {
        if (!g_standIn->contains(key)) {
            *why = Texts::tr("the keyring holds no password for it");
            return false;
        }
        *password = g_standIn->value(key);
        return true;
    }
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(key);
    if (!Run(job, why))
        return false;
    *password = job.textData();
    return true;
}

bool Write(const QString& key, const QString& password, QString* why)
{
    if (g_standIn) {
        g_standIn->insert(key, password);
        return true;
    }
    QKeychain::WritePasswordJob job(kService);
    job.setKey(key);
    job.setTextData(password);
    return Run(job, why);
}

bool Remove(const QString& key, QString* why)
{
    if (g_standIn) {
        g_standIn->remove(key);
        return true;
    }
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(key);
    QString problem;
    if (Run(job, &problem) || job.error() == QKeychain::EntryNotFound)
        return true;
    if (why)
        *why = problem;
    return false;
}

} // namespace SyncPassword
