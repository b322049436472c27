#include "model/services/FolderWatcher.h"

#include "model/store/CDueStore.h"

#include <QFileInfo>

FolderWatcher::FolderWatcher(CDueStore& store, QObject* parent) : QObject(parent), m_store(store)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, [this] { RescanNow(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::OnEvent);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::OnEvent);
}

void FolderWatcher::Watch()
{
    Stop();
    const QString folder = m_store.Folder().IsEmpty() ? QString() : m_store.Folder().Path();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
}

void FolderWatcher::Stop()
{
    m_delay.stop();
    m_pending = false;
    const QStringList paths = m_watcher.directories() + m_watcher.files();
    if (!paths.isEmpty())
        m_watcher.removePaths(paths);
}

QString FolderWatcher::WatchedFolder() const
{
    return m_watcher.directories().value(0);
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

void FolderWatcher::OnEvent()
{
    // The folder itself may have been replaced (moved away and made again):
    // keep watching whatever folder is there now.
    if (m_watcher.directories().isEmpty())
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
    if (!m_store.Rescan())
        return false;
    emit changed();
    return true;
}
