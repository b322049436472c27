#include "model/store/DueStoreLoader.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
constexpr int kBackgroundNice = 5;
} // namespace

DueStoreLoader::DueStoreLoader(CDueStore& store, QObject* parent) : QObject(parent), m_store(store) {}

DueStoreLoader::~DueStoreLoader()
{
    Join();
}

void DueStoreLoader::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void DueStoreLoader::Start()
{
    if (m_loading)
        Finish();
    m_store.RemoveAll();
    (void)m_store.Folder().Create(); // a folder that cannot be made lists empty; writes say why
    const quint64 generation = ++m_generation;
    m_loading = true;
    m_thread = std::thread([this, generation, folder = m_store.Folder(), sweep = m_store.IsWriter()] {
#ifdef Q_OS_LINUX
        // Below the window's thread (the readers it starts inherit this):
        // a window that is drawing its first frame goes first.
        (void)::setpriority(PRIO_PROCESS, id_t(::gettid()), kBackgroundNice);
#endif
        DueStoreContentsPtr contents = CDueStore::ReadFolder(folder, sweep);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_result = std::move(contents);
        }
        // Handed over on the loader's thread; dropped with the loader.
        QMetaObject::invokeMethod(
            this, [this, generation] { Deliver(generation); }, Qt::QueuedConnection);
    });
}

void DueStoreLoader::Finish()
{
    if (m_loading)
        Deliver(m_generation);
}

void DueStoreLoader::Deliver(quint64 generation)
{
    if (!m_loading || generation != m_generation)
        return; // taken already by Finish
    Join();
    DueStoreContentsPtr contents;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        contents = std::move(m_result);
    }
    m_loading = false;
    m_store.Adopt(std::move(contents));
    emit loaded();
}
