#pragma once

// A CalDAV server of its own for a test or a benchmark: Radicale on a free
// localhost port, with its own storage folder and one user with a plain
// password.
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <memory>

#include <signal.h>
#include <sys/prctl.h>

class RadicaleServer
{
public:
    static inline const QString kUser = QStringLiteral("alice");
    static inline const QString kPassword = QStringLiteral("secret");

    ~RadicaleServer() { Stop(); }

    static QString Program() { return QStandardPaths::findExecutable(QStringLiteral("radicale")); }

    // Starts it on a new port with empty storage; false with why.
    bool Start(QString* why)
    {
        if (Program().isEmpty()) {
            *why = QStringLiteral("radicale is not installed (Debian package radicale)");
            return false;
        }
        if (!m_dir.isValid()) {
            *why = QStringLiteral("no temporary folder");
            return false;
        }
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            *why = probe.errorString();
            return false;
        }
        m_port = probe.serverPort();
        probe.close();
        QDir(m_dir.path()).mkpath(QStringLiteral("collections"));
        QFile users(m_dir.filePath(QStringLiteral("users")));
        if (!users.open(QIODevice::WriteOnly) || users.write((kUser + ':' + kPassword + '\n').toUtf8()) < 0) {
            *why = users.errorString();
            return false;
        }
        users.close();
        QFile config(m_dir.filePath(QStringLiteral("config")));
        if (!config.open(QIODevice::WriteOnly)) {
            *why = config.errorString();
            return false;
        }
        config.write(
            QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n"
                           "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\nhtpasswd_encryption = plain\n"
                           "[storage]\nfilesystem_folder = %3\n"
                           "[rights]\ntype = owner_only\n"
                           "[logging]\nlevel = warning\n")
                .arg(m_port)
                .arg(m_dir.filePath(QStringLiteral("users")), m_dir.filePath(QStringLiteral("collections")))
                .toUtf8());
        config.close();
        return Run(why);
    }

    // Starts it again after Kill, on the same port and storage.
    bool Restart(QString* why) { return Run(why); }

    // Gone at once, as a server that crashes or loses its network.
    void Kill()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }

    void Stop()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(5000))
                Kill();
        }
    }

    QUrl Url(const QString& path = QStringLiteral("/")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }
    QString Log() const
    {
        return m_process ? QString::fromUtf8(m_process->readAllStandardError()) : QString();
    }

private:
    bool Run(QString* why)
    {
        m_process = std::make_unique<QProcess>();
        m_process->setProgram(Program());
        m_process->setArguments({QStringLiteral("--config"), m_dir.filePath(QStringLiteral("config"))});
        // Gone with the test, also when the test crashes.
        m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process->start();
        if (!m_process->waitForStarted(10000)) {
            *why = m_process->errorString();
            return false;
        }
        // Ready once it takes connections.
        for (int i = 0; i < 200; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (socket.waitForConnected(100))
                return true;
            if (m_process->state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
        *why = QStringLiteral("radicale did not come up: ") +
               QString::fromUtf8(m_process->readAllStandardError());
        return false;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};
