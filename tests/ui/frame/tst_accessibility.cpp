// What a screen reader finds in the window: every control it can reach has
// a name and a role, the rows of the lists say their state in words, and
// the calendar offers its days and dues as items of their own.

#include "../UiTestSupport.h"

#include "ui/comingup/CComingUpView.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/print/CPrintDuesDlg.h"
#include "ui/recurrence/CRecurrenceDlg.h"
#include "ui/reminders/CReminderSettingsDlg.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QListView>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// Roles a user acts on: each needs a name of its own.
bool Interactive(const QAccessibleInterface* iface)
{
    switch (iface->role()) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::Slider:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::MenuItem:
        return true;
    case QAccessible::StaticText: // read as it stands; an empty one says nothing
        return false;
    default:
        return iface->state().focusable;
    }
}

QString Describe(const QAccessibleInterface* iface)
{
    QString path;
    for (const QAccessibleInterface* i = iface; i; i = i->parent()) {
        const QObject* o = i->object();
        const QString part =
            o ? QString::fromLatin1(o->metaObject()->className()) +
                    (o->objectName().isEmpty() ? QString() : QLatin1Char('#') + o->objectName())
              : QStringLiteral("(item)");
        path.prepend(part + (path.isEmpty() ? QString() : QStringLiteral(" > ")));
        if (o && o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow())
            break;
    }
    return QStringLiteral("%1 [role %2]").arg(path).arg(int(iface->role()));
}

// A combo box's name on this desktop is its current item: what it is comes
// from its label (a sibling that is its buddy) or a name of its own.
bool Named(QAccessibleInterface* iface)
{
    if (iface->role() != QAccessible::ComboBox)
        return !iface->text(QAccessible::Name).trimmed().isEmpty();
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    return (widget && !widget->accessibleName().isEmpty()) || !iface->relations(QAccessible::Label).isEmpty();
}

// Every object under root that a user can act on and that has no name.
void FindUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    if (Interactive(iface) && !Named(iface))
        unnamed << Describe(iface);
    // A combo box's pop-up list is the combo box's, which names it.
    if (iface->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        FindUnnamed(iface->child(i), unnamed, depth + 1);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void initTestCase() { UiTest::IsolateSettings(); }

    void init()
    {
        Clock::SetFixed(QDateTime(QDate(2026, 12, 21), QTime(10, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UiTest::UseWorkDir(m_dir->path());
    }

    void cleanup()
    {
        m_frame.reset();
        theDueStore.RemoveAll();
        m_dir.reset();
    }

    void everyControlOfTheWindowIsNamed()
    {
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2026, 12, 20), QTime(0, 0)), 850));
        m_frame = std::make_unique<CMainFrame>();
        m_frame->resize(1024, 768);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QStringList unnamed;
        FindUnnamed(QAccessible::queryAccessibleInterface(m_frame.get()), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    // A row says what it shows and its state in words, not by colour alone:
    // in the month list and in Coming Up alike.
    void rowsSayTheirState_data()
    {
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("said");
        const QDate today(2026, 12, 21);
        QTest::newRow("overdue") << QDateTime(today.addDays(-1), QTime(0, 0)) << false << QString()
                                 << "Rent - Landlord, $850.00, due 12/20/2026, overdue";
        QTest::newRow("due today, with its time")
            << QDateTime(today, QTime(9, 30)) << false << QString()
            << "Rent - Landlord, $850.00, due 12/21/2026 9:30 AM, due today";
        QTest::newRow("to come") << QDateTime(today.addDays(3), QTime(0, 0)) << false << QString()
                                 << "Rent - Landlord, $850.00, due 12/24/2026, unpaid";
        QTest::newRow("paid, of a series")
            << QDateTime(today.addDays(-1), QTime(0, 0)) << true << "s1"
            << "Rent - Landlord, $850.00, due 12/20/2026, paid, part of a series";
    }

    void rowsSayTheirState()
    {
        QFETCH(QDateTime, due);
        QFETCH(bool, paid);
        QFETCH(QString, series);
        QFETCH(QString, said);
        UiTest::AddDue(UiTest::MakeDue("Rent", due, 850, paid, series, "Landlord"));
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        auto firstRow = [](QAbstractItemView* view) {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
            for (int i = 0; list && i < list->childCount(); ++i) {
                QAccessibleInterface* row = list->child(i);
                if (row->role() == QAccessible::ListItem || row->role() == QAccessible::Cell)
                    return row->text(QAccessible::Name);
            }
            return QString();
        };
        QCOMPARE(firstRow(m_frame->View()), said);
        if (!paid) { // Coming Up lists what is unpaid
            m_frame->OnCommand(ID_VIEW_COMING_UP);
            QCOMPARE(firstRow(m_frame->ComingUpView()->List()), said);
        }
    }

    void everyControlOfTheDialogsIsNamed_data()
    {
        QTest::addColumn<std::function<QDialog*(QWidget*)>>("make");
        using Make = std::function<QDialog*(QWidget*)>;
        QTest::newRow("new due wizard") << Make([](QWidget* parent) {
            auto* sheet = new CDueDateSheet(CDueDateSheet::Mode::New, parent);
            sheet->setParent(parent);
            return sheet->Create();
        });
        QTest::newRow("modify sheet") << Make([](QWidget* parent) {
            auto* sheet = new CDueDateSheet(CDueDateSheet::Mode::Modify, parent);
            sheet->setParent(parent);
            return sheet->Create();
        });
        QTest::newRow("recurrence pattern")
            << Make([](QWidget* parent) { return new CRecurrenceDlg(parent); });
        QTest::newRow("reminder settings")
            << Make([](QWidget* parent) { return new CReminderSettingsDlg(parent); });
        QTest::newRow("working directory")
            << Make([](QWidget* parent) { return new CWorkDirDlg(parent, QStringLiteral("/tmp")); });
        QTest::newRow("print") << Make([](QWidget* parent) { return new CPrintDuesDlg(parent); });
        QTest::newRow("about") << Make([](QWidget* parent) { return new CAboutDlg(parent); });
    }

    void everyControlOfTheDialogsIsNamed()
    {
        QFETCH(std::function<QDialog*(QWidget*)>, make);
        QWidget parent;
        QDialog* dialog = make(&parent);
        QVERIFY(dialog);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog);
        QVERIFY(!window->text(QAccessible::Name).isEmpty()); // the window's title
        QStringList unnamed;
        FindUnnamed(window, unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    // The four export buttons look alike but for their icons: each says its export.
    void toolBarButtonsSayWhatTheyDo()
    {
        m_frame = std::make_unique<CMainFrame>();
        QStringList names;
        for (QAction* a : m_frame->ToolBar()->actions()) {
            auto* button = qobject_cast<QToolButton*>(m_frame->ToolBar()->widgetForAction(a));
            if (!button)
                continue;
            names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        }
        const QStringList unique(QSet<QString>(names.cbegin(), names.cend()).values());
        QCOMPARE(unique.size(), names.size());
        for (const char* kind : {"Excel", "Word", "HTML", "PDF"})
            QVERIFY2(names.contains(QStringLiteral("Export to %1 With Notes").arg(QLatin1String(kind))),
                     qPrintable(names.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
