#include "ui/frame/FrameSettings.h"

#include "model/base/Clock.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"

#include <QScreen>
#include <QSettings>
#include <QSplitter>

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
    // Qt brings a window saved on a larger or another screen back onto this one.
    frame.restoreGeometry(settings.value(kGeometry).toByteArray());
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
    if (const QScreen* screen = frame.screen()) {
        const QRect free = screen->availableGeometry();
        const QSize normal = QSize(1100, 720).boundedTo(free.size() * 9 / 10);
        QRect place(QPoint(0, 0), normal);
        place.moveCenter(free.center());
        frame.setGeometry(place);
    }
    frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
}

} // namespace FrameSettings
