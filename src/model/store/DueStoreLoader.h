#pragma once

#include "model/store/CDueStore.h"

#include <QObject>

#include <mutex>
#include <thread>

// Loads a store's data folder on a thread of its own, so that a window is up
// while a large folder is read. The store is emptied at the start and stays
// empty until the whole folder has been read; then, on the loader's thread,
// it takes all of the folder's dues at once and loaded() follows. Nothing
// half read is ever in the store.
class DueStoreLoader : public QObject
{
    Q_OBJECT
public:
    explicit DueStoreLoader(CDueStore& store, QObject* parent = nullptr);
    ~DueStoreLoader() override; // waits for a read under way and drops it

    // Empties the store, creates its data folder and starts reading it. A
    // load already under way is finished first.
    void Start();
    bool IsLoading() const { return m_loading; }
    // Waits for the load under way and gives it to the store now.
    void Finish();

signals:
    // The store holds the folder's dues (its load problems included).
    void loaded();

private:
    void Deliver(quint64 generation);
    void Join();

    CDueStore& m_store;
    std::thread m_thread;
    std::mutex m_mutex;
    DueStoreContentsPtr m_result; // under m_mutex
    quint64 m_generation = 0;
    bool m_loading = false;
};
