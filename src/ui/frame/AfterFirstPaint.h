#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs `work` once the window has drawn its first frame, so that it does not
// hold up the first sight of the window; at the latest after kLatestMs (a
// window that is not drawn, hidden or minimised, still gets it done).
class AfterFirstPaint : public QObject
{
public:
    static constexpr int kLatestMs = 250;

    static void Run(QWidget* window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget* window, std::function<void()> work);
    void Fire();

    std::function<void()> m_work;
};
