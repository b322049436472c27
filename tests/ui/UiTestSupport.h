#pragma once

// Shared set-up of the window tests: a data folder of their own, a pinned
// clock, settings kept apart from the user's, and no modal window ever shown.

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace UiTest {

// Call first in initTestCase, before anything touches QSettings.
inline void IsolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    // Test programs run side by side: each keeps its settings in a folder of its own.
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
    Prompt::SetTestMode(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

inline QString StoredWorkDir()
{
    return QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"))
        .value(QStringLiteral("Directory/Path"))
        .toString();
}

inline void SetStoredWorkDir(const QString& path)
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    if (path.isNull())
        settings.remove(QStringLiteral("Directory/Path"));
    else
        settings.setValue(QStringLiteral("Directory/Path"), path);
    settings.sync();
}

// Points the program at a fresh working directory and loads it.
inline void UseWorkDir(const QString& dir)
{
    theDueStore.SetFolder(DataFolder(dir));
    theDueStore.LoadAll();
    theDueStore.TakeErrors();
}

inline DueRecord MakeDue(const QString& title, const QDateTime& due, double amount, bool paid = false,
                         const QString& seriesId = {}, const QString& payTo = {})
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtDue = COleDateTime::FromQDateTime(due);
    r.m_dtStart = r.m_dtDue;
    r.m_dAmount = amount;
    r.m_bPaid = paid ? 1 : 0;
    r.m_strSeriesId = seriesId;
    r.m_strPayTo = payTo;
    return r;
}

// Adds a due through the store (so its file is written); returns its identifier.
inline QString AddDue(const DueRecord& r)
{
    Clock::Advance(1); // a fresh identifier for each
    return theDueStore.AddDue(r);
}

// Runs `act` on the first modal window of type T once it is up (within a few seconds).
template <typename T> void WhenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

} // namespace UiTest
