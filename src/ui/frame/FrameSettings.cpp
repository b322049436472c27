#include "ui/frame/FrameSettings.h"

#include "model/base/Clock.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include <QSettings>
#include <QSplitter>
#include <algorithm>

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
}

const QString kGeometry = QStringLiteral("Window/Geometry");
const QString kBars = QStringLiteral("DueDetailsBarState/State"); // docks and toolbar
const QString kSplitter = QStringLiteral("Window/Splitter");
const QString kMonth = QStringLiteral("Window/Month"); // yyyy-MM
const QString kFilter = QStringLiteral("Window/Filter");
const QString kSort = QStringLiteral("Window/Sort");

// The frame the desktop puts around the window: known once it has been
// shown, else a title bar and thin borders (a guess on the safe side).
QMargins FrameOf(const CMainFrame& frame)
{
    const QRect outer = frame.frameGeometry();
    const QRect inner = frame.geometry();
    if (outer != inner)
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    const int title = std::max(frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &frame),
                               frame.fontMetrics().height() + 16);
    return QMargins(4, title, 4, 4);
}

// The screen a saved place lies on, else the window's own (the primary one).
QScreen* ScreenOf(const QRect& place, const CMainFrame& frame)
{
    if (QScreen* screen = QGuiApplication::screenAt(place.center()))
        return screen;
    return frame.screen();
}

// Puts a window that is not shown at its normal place, maximised or not.
// Only its state is asked for, never a maximised size: under Wayland the
// compositor alone sizes a maximised window and ends a program that says
// otherwise.
void Place(CMainFrame& frame, const QRect& normal, bool maximized)
{
    Qt::WindowStates state = frame.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen);
    frame.setWindowState(state);
    frame.setGeometry(normal);
    if (maximized)
        frame.setWindowState(state | Qt::WindowMaximized);
}

} // namespace

namespace FrameSettings {

void Save(const CMainFrame& frame)
{
    QSettings settings = Settings();
    settings.setValue(kGeometry, frame.saveGeometry());
    settings.setValue(kBars, frame.saveState());
    settings.setValue(kSplitter, frame.Splitter()->saveState());
    const QDate shown = frame.ToolBar()->MonthPicker()->date();
    settings.setValue(kMonth, shown.toString(QStringLiteral("yyyy-MM")));
    settings.setValue(kFilter, frame.ToolBar()->FilterBox()->currentIndex());
    settings.setValue(kSort, DueSortKey(frame.Sort()));
    settings.sync();
}

bool Restore(CMainFrame& frame)
{
    const QSettings settings = Settings();
    if (!settings.contains(kGeometry))
        return false;
    // Fitted to the screen it opens on, which may be smaller than the one it
    // was left on, or the same at another scale.
    if (const auto saved = WindowPlacement::Decode(settings.value(kGeometry).toByteArray())) {
        const QScreen* screen = ScreenOf(saved->normal, frame);
        const QRect area = screen ? screen->availableGeometry() : saved->normal;
        Place(frame, WindowPlacement::Fit(saved->normal, FrameOf(frame), area),
              saved->maximized || saved->fullScreen);
    } else {
        PlaceAsNew(frame);
    }
    frame.restoreState(settings.value(kBars).toByteArray());
    frame.Splitter()->restoreState(settings.value(kSplitter).toByteArray());

    const QDate month = QDate::fromString(settings.value(kMonth).toString(), QStringLiteral("yyyy-MM"));
    if (month.isValid()) {
        // The month as left, on today's day where the month has it.
        const QDate today = Clock::Now().date();
        const QDate day(month.year(), month.month(), qMin(today.day(), month.daysInMonth()));
        frame.ToolBar()->MonthPicker()->SetTime(COleDateTime::FromQDateTime(QDateTime(day, QTime(0, 0))));
    }
    const int filter = settings.value(kFilter, 0).toInt();
    if (filter >= 0 && filter < frame.ToolBar()->FilterBox()->count()) {
        const QSignalBlocker quiet(frame.ToolBar()->FilterBox());
        frame.ToolBar()->FilterBox()->setCurrentIndex(filter);
    }
    frame.SetSort(DueSortFromKey(settings.value(kSort).toString()));
    frame.RefreshMonth();
    return true;
}

void PlaceAsNew(CMainFrame& frame)
{
    const QScreen* screen = frame.screen();
    const QRect normal =
        screen ? WindowPlacement::FirstPlace(FrameOf(frame), screen->availableGeometry()) : frame.geometry();
    Place(frame, normal, true);
}

void FitToScreen(CMainFrame& frame)
{
    const bool maximized = frame.isMaximized() || frame.isFullScreen();
    const bool shown = frame.isVisible();
    if (shown && maximized)
        return; // the desktop sizes it
    const QRect normal = shown ? frame.geometry() : frame.normalGeometry();
    const QScreen* screen = shown ? frame.screen() : ScreenOf(normal, frame);
    if (!screen)
        return;
    const QRect fitted = WindowPlacement::Fit(normal, FrameOf(frame), screen->availableGeometry());
    if (fitted == normal)
        return;
    if (shown)
        frame.setGeometry(fitted);
    else
        Place(frame, fitted, maximized);
}

} // namespace FrameSettings
