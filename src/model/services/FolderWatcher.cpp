#include "model/services/FolderWatcher.h"

#include "model/store/CDueStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#endif

FolderWatcher::FolderWatcher(CDueStore& store, QObject* parent) : QObject(parent), m_store(store)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, [this] { RescanNow(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::OnEvent);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::OnEvent);
#ifdef Q_OS_LINUX
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify >= 0) {
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatcher::ReadNotifications);
    }
#endif
}

FolderWatcher::~FolderWatcher()
{
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void FolderWatcher::Watch()
{
    Stop();
    const QString folder = m_store.Folder().IsEmpty() ? QString() : m_store.Folder().Path();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
#ifdef Q_OS_LINUX
    if (m_inotify >= 0) {
        m_watch =
            ::inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(),
                                IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                    IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR);
        if (m_watch >= 0) {
            m_folder = folder;
            return;
        }
    }
#endif
    m_watcher.addPath(folder);
}

void FolderWatcher::Stop()
{
    m_delay.stop();
    m_pending = false;
    m_touched.clear();
#ifdef Q_OS_LINUX
    if (m_watch >= 0)
        ::inotify_rm_watch(m_inotify, m_watch);
#endif
    m_watch = -1;
    m_folder.clear();
    const QStringList paths = m_watcher.directories() + m_watcher.files();
    if (!paths.isEmpty())
        m_watcher.removePaths(paths);
}

QString FolderWatcher::WatchedFolder() const
{
    return m_watch >= 0 ? m_folder : m_watcher.directories().value(0);
}

void FolderWatcher::Hold()
{
    ++m_holds;
}

void FolderWatcher::Release()
{
    if (m_holds > 0 && --m_holds == 0 && m_pending)
        m_delay.start();
}

void FolderWatcher::ReadNotifications()
{
#ifdef Q_OS_LINUX
    alignas(inotify_event) char buffer[16384];
    bool any = false;
    bool gone = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + e->len);
            if (e->wd != m_watch)
                continue;
            any = true;
            if (e->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED))
                gone = true;
            // A due file written where it stands: its size and times may not
            // tell, so the rescan reads it whatever they say.
            if (e->len > 0 && (e->mask & (IN_MODIFY | IN_CLOSE_WRITE))) {
                const QString name = QFile::decodeName(e->name);
                if (name.endsWith(QLatin1String(".due")))
                    m_touched.insert(name);
            }
        }
    }
    if (gone) {
        m_watch = -1; // the folder was moved or removed: watch whatever is there now
        Watch();
    }
    if (any)
        OnEvent();
#endif
}

void FolderWatcher::OnEvent()
{
    // The folder itself may have been replaced (moved away and made again):
    // keep watching whatever folder is there now.
    if (m_watch < 0 && m_watcher.directories().isEmpty())
        Watch();
    m_pending = true;
    // Not restarted by later events: a steady stream of changes still shows
    // within the delay.
    if (!IsHeld() && !m_delay.isActive())
        m_delay.start();
}

bool FolderWatcher::RescanNow()
{
    if (IsHeld()) {
        m_pending = true;
        return false;
    }
    m_pending = false;
    const QStringList touched(m_touched.cbegin(), m_touched.cend());
    m_touched.clear();
    if (!m_store.Rescan(touched))
        return false;
    emit changed();
    return true;
}
