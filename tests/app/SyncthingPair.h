#pragma once

// Two Syncthing instances on this machine, each with a home of its own, that
// share one data folder between two installations of the program: no
// discovery, relays or NAT, each instance at the other's explicit address,
// driven over their REST API. Every wait ends with a message saying what it
// waited for; only the instances started here are ended.

#include "model/store/DataFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

#include <sys/prctl.h>

namespace SyncTest {

inline const QString kFolderId = QStringLiteral("tallyvane");

// How long the instances may take to start, to connect and to agree on a
// busy machine.
constexpr int kStartMs = 60000;
constexpr int kSettleMs = 90000;

// One machine: a Syncthing home, a working directory holding the shared data
// folder, and the program's own settings (its installation number).
struct Side
{
    QString name;
    QString root;
    QString deviceId;
    QString apiKey;
    quint16 guiPort = 0;
    quint16 listenPort = 0;
    std::unique_ptr<QProcess> syncthing;

    QString Home() const { return root + QStringLiteral("/syncthing"); }
    QString Work() const { return root + QStringLiteral("/work"); }
    QString Data() const { return Work() + QLatin1Char('/') + QString::fromLatin1(kDataFolderName); }
    QString Settings() const { return root + QStringLiteral("/config"); }
    QString Log() const { return root + QStringLiteral("/syncthing.log"); }

    // The environment of the program installed on this side.
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), root);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Settings());
        env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/state"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
        return env;
    }

    // The number this installation ends its single dues' identifiers with.
    bool SetInstallationNumber(int number) const
    {
        const QString dir = Settings() + QStringLiteral("/Quillory");
        QFile conf(dir + QStringLiteral("/Tallyvane.conf"));
        return QDir().mkpath(dir) && conf.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               conf.write("[Identifiers]\nNumber=" + QByteArray::number(number) + '\n') > 0;
    }
};

// Files of the data folder that a sync tool carries: not Syncthing's own
// (.stfolder, .stignore, its temporary files) and not what the ignore
// patterns leave out.
inline bool Carried(const QString& name)
{
    return !name.startsWith(QLatin1String(".st")) && !name.startsWith(QLatin1String(".syncthing.")) &&
           !name.startsWith(QLatin1String(".tallyvane")) && !name.endsWith(QLatin1String(".tmp"));
}

// Name and hash of every carried file: two sides agree when these are equal.
inline QStringList Tree(const Side& side)
{
    QStringList out;
    const QDir dir(side.Data());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!Carried(name))
            continue;
        QFile f(dir.filePath(name));
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
        out << name + QLatin1Char(' ') +
                   QString::fromLatin1(
                       QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12));
    }
    return out;
}

// A test that is killed (a timeout) takes the programs it started with it.
inline void EndWithThisProcess(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

class Pair
{
public:
    Pair()
    {
        m_a.name = QStringLiteral("A");
        m_b.name = QStringLiteral("B");
        m_net.setProxy(QNetworkProxy::NoProxy);
    }
    ~Pair() { Stop(); }
    Pair(const Pair&) = delete;
    Pair& operator=(const Pair&) = delete;

    static QString Program() { return QStandardPaths::findExecutable(QStringLiteral("syncthing")); }

    Side& A() { return m_a; }
    Side& B() { return m_b; }

    // Makes both homes under root, starts both instances and waits until they
    // are connected.
    bool Start(const QString& root, QString* why)
    {
        // Four free ports, held open together so that no two are the same.
        QTcpServer servers[4];
        for (QTcpServer& s : servers) {
            if (!s.listen(QHostAddress::LocalHost, 0)) {
                *why = QStringLiteral("no free port on localhost: ") + s.errorString();
                return false;
            }
        }
        m_a.guiPort = servers[0].serverPort();
        m_a.listenPort = servers[1].serverPort();
        m_b.guiPort = servers[2].serverPort();
        m_b.listenPort = servers[3].serverPort();
        for (QTcpServer& s : servers)
            s.close();

        for (Side* side : {&m_a, &m_b}) {
            side->root = root + QLatin1Char('/') + side->name;
            side->apiKey = QStringLiteral("tallyvane-test-key-") + side->name;
            if (!QDir().mkpath(side->Data()) || !QDir().mkpath(side->Settings())) {
                *why = QStringLiteral("cannot make the folders under ") + side->root;
                return false;
            }
            QProcess generate;
            generate.setProcessChannelMode(QProcess::MergedChannels);
            generate.start(Program(), {QStringLiteral("generate"), QStringLiteral("--home=") + side->Home(),
                                       QStringLiteral("--no-default-folder")});
            if (!generate.waitForFinished(kStartMs) || generate.exitCode() != 0) {
                *why = QStringLiteral("syncthing generate failed: ") +
                       QString::fromLocal8Bit(generate.readAll());
                return false;
            }
            QFile config(side->Home() + QStringLiteral("/config.xml"));
            if (config.open(QIODevice::ReadOnly)) {
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral("<device id=\"([^\"]+)\""))
                        .match(QString::fromUtf8(config.readAll()));
                side->deviceId = m.captured(1);
            }
            if (side->deviceId.isEmpty()) {
                *why =
                    QStringLiteral("syncthing generate wrote no device identifier in ") + config.fileName();
                return false;
            }
            // Sync tools carry every file; these are the program's own
            // unfinished writes, which mean nothing on another machine.
            QFile ignore(side->Data() + QStringLiteral("/.stignore"));
            if (!ignore.open(QIODevice::WriteOnly) || ignore.write(".tallyvane*\n*.tmp\n") < 0) {
                *why = ignore.fileName() + QStringLiteral(": ") + ignore.errorString();
                return false;
            }
        }
        for (Side* side : {&m_a, &m_b}) {
            if (!Configure(*side, side == &m_a ? m_b : m_a, why))
                return false;
            side->syncthing = std::make_unique<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
            env.insert(QStringLiteral("HOME"), side->root);
            side->syncthing->setProcessEnvironment(env);
            side->syncthing->setProcessChannelMode(QProcess::MergedChannels);
            side->syncthing->setStandardOutputFile(side->Log());
            EndWithThisProcess(*side->syncthing);
            side->syncthing->start(Program(),
                                   {QStringLiteral("serve"), QStringLiteral("--home=") + side->Home(),
                                    QStringLiteral("--no-browser"), QStringLiteral("--no-restart"),
                                    QStringLiteral("--no-upgrade")});
            if (!side->syncthing->waitForStarted(kStartMs)) {
                *why = QStringLiteral("syncthing serve did not start: ") + side->syncthing->errorString();
                return false;
            }
        }
        return WaitConnected(true, why);
    }

    // Ends the instances started here, and only those.
    void Stop()
    {
        for (Side* side : {&m_a, &m_b}) {
            if (!side->syncthing || side->syncthing->state() == QProcess::NotRunning)
                continue;
            side->syncthing->terminate();
            if (!side->syncthing->waitForFinished(10000)) {
                side->syncthing->kill();
                side->syncthing->waitForFinished(5000);
            }
        }
    }

    // Waits until both instances have scanned what the program wrote, pulled
    // what the other has, carried on the conflicting copies they made, and
    // hold the same files.
    bool Settle(QString* why)
    {
        if (!Scan(why))
            return false;
        QElapsedTimer clock;
        clock.start();
        int agreed = 0;
        while (agreed < 3) {
            QString waitingFor;
            for (const Side* side : {&m_a, &m_b}) {
                const Side& other = side == &m_a ? m_b : m_a;
                QJsonObject status, completion;
                QString failed;
                if (!Rest(*side, "GET", QStringLiteral("/rest/db/status?folder=") + kFolderId, &status,
                          &failed) ||
                    !Rest(*side, "GET",
                          QStringLiteral("/rest/db/completion?folder=%1&device=%2")
                              .arg(kFolderId, other.deviceId),
                          &completion, &failed)) {
                    waitingFor += failed + QStringLiteral("; ");
                    continue;
                }
                const QString state = status.value(QLatin1String("state")).toString();
                const int need = status.value(QLatin1String("needTotalItems")).toInt(-1);
                const double done = completion.value(QLatin1String("completion")).toDouble(-1);
                if (state != QLatin1String("idle") || need != 0 || done < 100.0 || !Connected(*side, other))
                    waitingFor += QStringLiteral("%1: state %2, %3 items needed, %4 % of the other's; ")
                                      .arg(side->name, state)
                                      .arg(need)
                                      .arg(done);
            }
            const QStringList a = Tree(m_a), b = Tree(m_b);
            if (a != b)
                waitingFor += QStringLiteral("A holds [%1], B holds [%2]")
                                  .arg(a.join(QLatin1String(", ")), b.join(QLatin1String(", ")));
            agreed = waitingFor.isEmpty() ? agreed + 1 : 0;
            if (clock.elapsed() > kSettleMs) {
                *why = QStringLiteral("the two sides did not agree within %1 s: %2")
                           .arg(kSettleMs / 1000)
                           .arg(waitingFor);
                return false;
            }
            QTest::qWait(300);
        }
        return true;
    }

    // The two machines apart, once they agree: changes made now meet later.
    bool Disconnect(QString* why)
    {
        return Settle(why) && Post(m_a, QStringLiteral("/rest/system/pause?device=") + m_b.deviceId, why) &&
               WaitConnected(false, why);
    }

    // Each side's index holds its own changes before they meet.
    bool Reconnect(QString* why)
    {
        return Scan(why) && Post(m_a, QStringLiteral("/rest/system/resume?device=") + m_b.deviceId, why) &&
               WaitConnected(true, why) && Settle(why);
    }

private:
    // The generated config.xml with the GUI and API on a port of ours, no
    // discovery, relays, NAT or upgrades, the other instance at its address,
    // and one shared folder (taking Syncthing's own defaults for a new folder
    // and a new device) watched with a short delay.
    static bool Configure(Side& self, const Side& other, QString* why)
    {
        QFile file(self.Home() + QStringLiteral("/config.xml"));
        if (!file.open(QIODevice::ReadOnly)) {
            *why = file.fileName() + QStringLiteral(": ") + file.errorString();
            return false;
        }
        QString xml = QString::fromUtf8(file.readAll());
        file.close();
        auto fail = [&](const QString& what) {
            *why = file.fileName() + QStringLiteral(": ") + what;
            return false;
        };
        const QRegularExpression gui(QStringLiteral("(<gui\\b[^>]*>)(.*?)(</gui>)"),
                                     QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch g = gui.match(xml);
        if (!g.hasMatch() || !g.captured(2).contains(QLatin1String("<apikey>")))
            return fail(QStringLiteral("no <gui> with an <apikey>"));
        QString inner = g.captured(2);
        inner.replace(QRegularExpression(QStringLiteral("<address>[^<]*</address>")),
                      QStringLiteral("<address>127.0.0.1:%1</address>").arg(self.guiPort));
        inner.replace(QRegularExpression(QStringLiteral("<apikey>[^<]*</apikey>")),
                      QStringLiteral("<apikey>%1</apikey>").arg(self.apiKey));
        xml.replace(g.capturedStart(2), g.capturedLength(2), inner);

        const std::pair<const char*, QString> options[] = {
            {"listenAddress", QStringLiteral("tcp://127.0.0.1:%1").arg(self.listenPort)},
            {"globalAnnounceEnabled", QStringLiteral("false")},
            {"localAnnounceEnabled", QStringLiteral("false")},
            {"relaysEnabled", QStringLiteral("false")},
            {"natEnabled", QStringLiteral("false")},
            {"startBrowser", QStringLiteral("false")},
            {"autoUpgradeIntervalH", QStringLiteral("0")},
            {"urAccepted", QStringLiteral("-1")},
            {"crashReportingEnabled", QStringLiteral("false")},
            {"reconnectionIntervalS", QStringLiteral("1")},
        };
        for (const auto& [element, value] : options) {
            const QRegularExpression re(QStringLiteral("<%1>[^<]*</%1>").arg(QLatin1String(element)));
            if (xml.count(re) != 1)
                return fail(QStringLiteral("no single <%1>").arg(QLatin1String(element)));
            xml.replace(re, QStringLiteral("<%1>%2</%1>").arg(QLatin1String(element), value.toHtmlEscaped()));
        }

        const QRegularExpression defaultFolder(
            QStringLiteral("<defaults>.*?(<folder\\b[^>]*>)(.*?)</folder>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression defaultDevice(
            QStringLiteral("<defaults>.*?(<device id=\"\"[^>]*>)(.*?)</device>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch f = defaultFolder.match(xml);
        const QRegularExpressionMatch d = defaultDevice.match(xml);
        if (!f.hasMatch() || !d.hasMatch())
            return fail(QStringLiteral("no <defaults> for a folder and a device"));
        QString folderTag = f.captured(1);
        const std::pair<const char*, QString> attributes[] = {
            {"id", kFolderId},
            {"label", kFolderId},
            {"path", self.Data()},
            {"type", QStringLiteral("sendreceive")},
            {"rescanIntervalS", QStringLiteral("5")},
            {"fsWatcherEnabled", QStringLiteral("true")},
            {"fsWatcherDelayS", QStringLiteral("1")},
        };
        for (const auto& [name, value] : attributes)
            folderTag = WithAttribute(folderTag, QLatin1String(name), value);
        QString folderInner = f.captured(2);
        folderInner.remove(QRegularExpression(QStringLiteral("<device\\b.*?</device>"),
                                              QRegularExpression::DotMatchesEverythingOption));
        const QString folder = folderTag +
                               QStringLiteral("<device id=\"%1\" introducedBy=\"\"></device>"
                                              "<device id=\"%2\" introducedBy=\"\"></device>")
                                   .arg(self.deviceId, other.deviceId) +
                               folderInner + QStringLiteral("</folder>\n");
        const QString deviceTag =
            WithAttribute(WithAttribute(d.captured(1), QStringLiteral("id"), other.deviceId),
                          QStringLiteral("name"), other.name);
        QString deviceInner = d.captured(2);
        deviceInner.replace(QRegularExpression(QStringLiteral("<address>[^<]*</address>")),
                            QStringLiteral("<address>tcp://127.0.0.1:%1</address>").arg(other.listenPort));
        xml.insert(xml.indexOf(QLatin1String("<gui")),
                   folder + deviceTag + deviceInner + QStringLiteral("</device>\n"));

        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(xml.toUtf8()) < 0)
            return fail(file.errorString());
        return true;
    }

    // Sets an attribute of an opening tag.
    static QString WithAttribute(QString tag, const QString& name, const QString& value)
    {
        const QRegularExpression re(QStringLiteral("\\b%1=\"[^\"]*\"").arg(name));
        const QString attribute = QStringLiteral("%1=\"%2\"").arg(name, value.toHtmlEscaped());
        if (tag.contains(re))
            tag.replace(re, attribute);
        else
            tag.insert(tag.size() - 1, QLatin1Char(' ') + attribute);
        return tag;
    }

    bool Rest(const Side& side, const QByteArray& verb, const QString& path, QJsonObject* answer,
              QString* why)
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(side.guiPort).arg(path)));
        request.setRawHeader("X-API-Key", side.apiKey.toLatin1());
        std::unique_ptr<QNetworkReply> reply(m_net.sendCustomRequest(request, verb));
        QEventLoop loop;
        QTimer::singleShot(kStartMs, &loop, &QEventLoop::quit);
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        const QString what = QStringLiteral("%1 %2 on %3: ").arg(QString::fromLatin1(verb), path, side.name);
        if (!reply->isFinished()) {
            reply->abort();
            *why = what + QStringLiteral("no answer within %1 s").arg(kStartMs / 1000);
            return false;
        }
        if (reply->error() != QNetworkReply::NoError) {
            *why = what + reply->errorString();
            return false;
        }
        const QByteArray body = reply->readAll();
        if (answer)
            *answer = QJsonDocument::fromJson(body).object();
        return true;
    }

    bool Post(const Side& side, const QString& path, QString* why)
    {
        return Rest(side, "POST", path, nullptr, why);
    }

    bool Scan(QString* why)
    {
        const QString scan = QStringLiteral("/rest/db/scan?folder=") + kFolderId;
        return Post(m_a, scan, why) && Post(m_b, scan, why);
    }

    bool Connected(const Side& side, const Side& other)
    {
        QJsonObject answer;
        QString why;
        return Rest(side, "GET", QStringLiteral("/rest/system/connections"), &answer, &why) &&
               answer.value(QLatin1String("connections"))
                   .toObject()
                   .value(other.deviceId)
                   .toObject()
                   .value(QLatin1String("connected"))
                   .toBool();
    }

    bool WaitConnected(bool connected, QString* why)
    {
        QElapsedTimer clock;
        clock.start();
        while (Connected(m_a, m_b) != connected || Connected(m_b, m_a) != connected) {
            for (const Side* side : {&m_a, &m_b}) {
                if (side->syncthing->state() != QProcess::Running) {
                    *why = QStringLiteral("syncthing %1 ended; its log is %2").arg(side->name, side->Log());
                    return false;
                }
            }
            if (clock.elapsed() > kStartMs) {
                *why = QStringLiteral("the two syncthing instances did not %1 within %2 s; logs: %3, %4")
                           .arg(connected ? QStringLiteral("connect") : QStringLiteral("disconnect"))
                           .arg(kStartMs / 1000)
                           .arg(m_a.Log(), m_b.Log());
                return false;
            }
            QTest::qWait(200);
        }
        return true;
    }

    QNetworkAccessManager m_net;
    Side m_a, m_b;
};

} // namespace SyncTest
