#include "ui/frame/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

void AfterFirstPaint::Run(QWidget* window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work)); // owned by the window, gone once done
}

AfterFirstPaint::AfterFirstPaint(QWidget* window, std::function<void()> work)
    : QObject(window), m_work(std::move(work))
{
    window->installEventFilter(this);
    QTimer::singleShot(kLatestMs, this, [this] { Fire(); });
}

bool AfterFirstPaint::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        QTimer::singleShot(0, this, [this] { Fire(); }); // once this frame is out
    return false;
}

void AfterFirstPaint::Fire()
{
    if (!m_work)
        return;
    const auto work = std::move(m_work);
    m_work = nullptr;
    deleteLater();
    work();
}
