// The window in the user's language: under a German or French locale the
// shipped translations reach the menus, the bars and the dialogs; English
// stays as it is.

#include "../UiTestSupport.h"

#include "app/Translations.h"
#include "model/base/AppPaths.h"
#include "model/services/Reminders.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/editor/CDetailPage.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CDetailsList.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/print/CPrintDuesDlg.h"
#include "ui/recurrence/CRecurrenceDlg.h"
#include "ui/reminders/CReminderSettingsDlg.h"
#include "ui/reminders/CTrayIcon.h"
#include "ui/skinui/CGuiStatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>
#include <QWizard>

#include <functional>
#include <map>
#include <memory>

namespace {
// A text as each shipped language shows it: rows of (locale, label, text).
struct LabelTexts
{
    const char* label;
    const char* en;
    const char* de;
    const char* fr;
};

template <size_t N> void AddLabelRows(const LabelTexts (&labels)[N], bool swissGerman)
{
    for (const LabelTexts& l : labels) {
        QTest::addRow("English: %s", l.label) << "en_US" << l.label << QString::fromUtf8(l.en);
        QTest::addRow("German: %s", l.label) << "de_DE" << l.label << QString::fromUtf8(l.de);
        if (swissGerman)
            QTest::addRow("German of Switzerland: %s", l.label)
                << "de_CH" << l.label << QString::fromUtf8(l.de);
        QTest::addRow("French: %s", l.label) << "fr_FR" << l.label << QString::fromUtf8(l.fr);
    }
}
// The letter after a single "&", lower case; null without one.
QChar Accelerator(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;
    }
    return {};
}

// Items of one menu (or of the menu bar) that share an accelerator.
QStringList SharedAccelerators(const QList<QAction*>& actions)
{
    QMap<QChar, QStringList> byLetter;
    for (const QAction* a : actions) {
        const QChar letter = Accelerator(a->text());
        if (a->isVisible() && !letter.isNull())
            byLetter[letter] << a->text();
    }
    QStringList shared;
    for (const QStringList& texts : std::as_const(byLetter)) {
        if (texts.size() > 1)
            shared << texts.join(QStringLiteral(" / "));
    }
    return shared;
}

QMenu* DueMenu(const CMainFrame& frame)
{
    return frame.menuBar()->findChild<QMenu*>(QStringLiteral("DueMenu"));
}
} // namespace

class TestTranslatedWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase()
    {
        UiTest::IsolateSettings();
        if (!QFileInfo::exists(QStringLiteral(TALLYVANE_BIN_DIR "/translations/tallyvane_de.qm")))
            QSKIP("the translations are not built (lrelease from qt6-l10n-tools is missing)");
        // The program's own lookup: the build tree's translations beside the programs.
        SetInstalledDataFolder(
            QDir(QCoreApplication::applicationDirPath()).relativeFilePath(QStringLiteral(TALLYVANE_BIN_DIR)));
    }

    void init()
    {
        Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(10, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UiTest::UseWorkDir(m_dir->path());
    }

    void cleanup()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_dir.reset();
    }

    void keyLabels_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        const LabelTexts labels[] = {
            {"first menu", "&File", "&Datei", "&Fichier"},
            {"due menu", "&Due", "F&älligkeit", "&Échéance"},
            {"new command", "&New", "&Neu", "&Nouvelle"},
            {"mark paid in the due menu", "Mark &Paid", "Als &bezahlt markieren", "Marquer comme &payée"},
            {"due date heading", "Due Date", "Fälligkeitsdatum", "Date d'échéance"},
            {"unpaid filter", "Unpaid Dues", "Unbezahlte", "Impayées"},
            {"search field", "Search this month", "Diesen Monat durchsuchen", "Rechercher dans ce mois"},
            {"paid sum", "Paid : ", "Bezahlt: ", "Payé\u00a0: "},
            {"empty list", "No dues in this month", "Keine Fälligkeiten in diesem Monat",
             "Aucune échéance ce mois-ci"},
            {"working directory dialog", "Working Directory", "Arbeitsverzeichnis", "Dossier de travail"},
            {"print dialog", "Print", "Drucken", "Imprimer"},
        };
        AddLabelRows(labels, true);
    }

    // Alt and a letter reaches one menu, and within a menu one item: in every
    // menu of the window (the menu bar's, their submenus, the context menus and
    // the tray's), in every language shipped.
    void acceleratorsOncePerMenu_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "en_US";
        QTest::newRow("German") << "de_DE";
        QTest::newRow("French") << "fr_FR";
    }

    void acceleratorsOncePerMenu()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        CMainFrame frame;
        frame.resize(1024, 768);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const std::unique_ptr<QMenu> context(frame.View()->BuildContextMenu(
            frame.View()->visualRect(frame.View()->Model()->index(0)).center()));
        const std::unique_ptr<QMenu> dueMenu(frame.BuildDueMenu());
        QList<QMenu*> menus = frame.findChildren<QMenu*>();
        menus << context.get() << dueMenu.get() << frame.Tray()->Menu();
        QVERIFY(menus.size() >=
                13); // File, Edit, Due, View, Sort, Tools, Export and its four, Preferences, Help
        QStringList shared = SharedAccelerators(frame.menuBar()->actions());
        for (const QMenu* menu : std::as_const(menus))
            shared << SharedAccelerators(menu->actions());
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
        // The export submenus' two items each have a letter of their own.
        for (int id : {ID_EXCEL_NOTES, ID_EXCEL_NO_NOTES, ID_WORD_NOTES, ID_WORD_NO_NOTES, ID_HTML_NOTES,
                       ID_HTML_NO_NOTES, ID_PDF_NOTES, ID_PDF_NO_NOTES})
            QVERIFY2(!Accelerator(frame.Action(id)->text()).isNull(), qPrintable(frame.Action(id)->text()));
    }

    // The wizard's buttons each have a letter, Finish too, none shared; Alt
    // and Finish's letter ends the wizard on its last page.
    void wizardButtonsHaveAccelerators_data() { acceleratorsOncePerMenu_data(); }

    void wizardButtonsHaveAccelerators()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        CDueDateSheet sheet(CDueDateSheet::Mode::New);
        auto* wizard = qobject_cast<QWizard*>(sheet.Create());
        QVERIFY(wizard);
        wizard->show();
        QApplication::setActiveWindow(wizard);
        QVERIFY(QTest::qWaitForWindowActive(wizard));
        QSet<QChar> letters;
        for (QWizard::WizardButton which :
             {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton}) {
            const QString text = wizard->button(which)->text();
            const QChar letter = Accelerator(text);
            QVERIFY2(!letter.isNull(), qPrintable(text));
            QVERIFY2(!letters.contains(letter), qPrintable(text));
            letters.insert(letter);
        }
        wizard->next();
        QSignalSpy accepted(wizard, &QDialog::accepted);
        const QChar finish = Accelerator(wizard->button(QWizard::FinishButton)->text());
        QTest::keyClick(QApplication::focusWidget(), finish.toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(accepted.size(), 1); // a button pressed by its letter clicks a moment later
    }

    // English has forms of numbers too ("1 day", "2 days"), and every language
    // without a file of its own reads English.
    void numberForms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("unit");
        QTest::newRow("English, one") << "en_US" << 1 << " day before"
                                      << "Day";
        QTest::newRow("English, two") << "en_US" << 2 << " days before"
                                      << "Days";
        QTest::newRow("Arabic reads English") << "ar_EG" << 1 << " day before"
                                              << "Day";
        QTest::newRow("C reads English") << "C" << 3 << " days before"
                                         << "Days";
        QTest::newRow("German, one") << "de_DE" << 1 << " Tag vorher"
                                     << "Tag";
        QTest::newRow("French, two") << "fr_FR" << 2 << " jours avant"
                                     << "jours";
    }

    void numberForms()
    {
        QFETCH(QString, locale);
        QFETCH(int, days);
        QFETCH(QString, suffix);
        QFETCH(QString, unit);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        ReminderSettings::SetLeadDays(days);
        CReminderSettingsDlg settings;
        QCOMPARE(settings.findChildren<QSpinBox*>().value(0)->suffix(), suffix);
        CRecurrenceDlg recurrence;
        auto* interval = recurrence.findChild<QLineEdit*>(QStringLiteral("dailyInterval"));
        interval->setText(QString::number(days));
        QCOMPARE(recurrence.findChild<QLabel*>(QStringLiteral("dailyUnit"))->text(), unit);
    }

    // Qt's own texts (the buttons of a question, the file and print dialogs)
    // speak the language too.
    void qtTextsTranslated_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yes");
        QTest::newRow("German") << "de_DE"
                                << "&Ja";
        QTest::newRow("French") << "fr_FR"
                                << "&Oui";
    }

    void qtTextsTranslated()
    {
        QFETCH(QString, locale);
        QFETCH(QString, yes);
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    }

    // At 1024 x 768, in each language: the Details bar's headings whole, the
    // sums of Coming Up on one line each whole, the wizard's estimate wrapped
    // beside a pattern button that keeps its whole text.
    void textsFitAt1024_data() { acceleratorsOncePerMenu_data(); }

    void textsFitAt1024()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 30), QTime(9, 0)), 1234567.89));
        UiTest::AddDue(UiTest::MakeDue("Gas", QDateTime(QDate(2007, 2, 20), QTime(9, 0)), 7654321.09));
        CMainFrame frame;
        frame.resize(1024, 768);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        const CDetailsList* details = frame.DetailsBar()->List();
        for (int row = 0; row < details->RowCount(); ++row)
            QCOMPARE(details->ShownText(row, 0), details->Heading(row));

        frame.OnCommand(ID_VIEW_COMING_UP);
        QWidget* sums = frame.ComingUpView()->SumsLine();
        QCoreApplication::processEvents();
        QVERIFY2(
            sums->minimumSizeHint().width() <= sums->width(),
            qPrintable(QStringLiteral("%1 > %2").arg(sums->minimumSizeHint().width()).arg(sums->width())));
        for (const QLabel* label : sums->findChildren<QLabel*>()) {
            QVERIFY(!label->wordWrap());
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }

        CDueDateSheet sheet(CDueDateSheet::Mode::New, &frame);
        QDialog* wizard = sheet.Create();
        sheet.m_pDetailPage->m_arrOccurrenceIds = QStringList(120, QStringLiteral("x"));
        sheet.m_pDetailPage->m_nDroppedOccurrences = 17;
        auto* count = wizard->findChild<QLabel*>(QStringLiteral("count"));
        wizard->findChild<QCheckBox*>(QStringLiteral("makeRecursive"))->click();
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard));
        // The estimate arrives once the pattern is set, in the wizard as it stands.
        const int width = wizard->width();
        count->setText(sheet.m_pDetailPage->CountText());
        QTest::qWait(50);
        QCOMPARE(wizard->width(), width);
        const auto* pattern = wizard->findChild<QPushButton*>(QStringLiteral("setPattern"));
        QVERIFY2(pattern->width() >= pattern->sizeHint().width(), qPrintable(pattern->text()));
        QVERIFY2(count->height() >= count->heightForWidth(count->width()), qPrintable(count->text()));
        QVERIFY(count->geometry().right() <= count->parentWidget()->contentsRect().right());
        wizard->close();
    }

    void keyLabels()
    {
        QFETCH(QString, locale);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        CMainFrame frame;
        const std::map<QString, std::function<QString()>> shown = {
            {"first menu", [&] { return frame.menuBar()->actions().value(0)->text(); }},
            {"due menu", [&] { return DueMenu(frame) ? DueMenu(frame)->title() : QString(); }},
            // The commands joined to the menus later find them whatever their titles say.
            {"mark paid in the due menu",
             [&] {
                 QAction* paid = frame.Action(ID_MARK_PAID);
                 return DueMenu(frame) && DueMenu(frame)->actions().contains(paid) ? paid->text() : QString();
             }},
            {"new command", [&] { return frame.Action(ID_DUE_NEW)->text(); }},
            {"due date heading", [&] { return frame.DetailsBar()->Heading(2); }},
            {"unpaid filter", [&] { return frame.ToolBar()->FilterBox()->itemText(2); }},
            {"search field", [&] { return frame.ToolBar()->SearchField()->placeholderText(); }},
            {"paid sum", [&] { return frame.StatusBar()->PaneText(ID_INDICATOR_PAID).left(text.size()); }},
            {"empty list", [&] { return frame.View()->EmptyText(); }},
            {"working directory dialog", [&] { return CWorkDirDlg(&frame, QString()).windowTitle(); }},
            {"print dialog", [&] { return CPrintDuesDlg(&frame).windowTitle(); }},
        };
        QCOMPARE(shown.at(label)(), text);
    }

    // Qt's own texts follow the language with ours: the buttons of a
    // question, the file dialog, the print dialog and its preview.
    void qtOwnTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        const LabelTexts labels[] = {
            {"question's yes", "&Yes", "&Ja", "&Oui"},
            {"question's no", "&No", "&Nein", "&Non"},
            {"file dialog's folder", "Look in:", "Suchen in:", "Voir dans :"},
            {"print dialog", "Print", "Drucken", "Imprimer"},
            {"print preview", "Print Preview", "Druckvorschau", "Aperçu avant impression"},
        };
        AddLabelRows(labels, false);
    }

    void qtOwnTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, label);
        QFETCH(QString, text);
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFileInfo::exists(qtFolder + QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's own translations are not installed (Debian package qt6-translations-l10n)");
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        const std::map<QString, std::function<QString()>> shown = {
            {"question's yes",
             [] {
                 QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
                 return box.button(QMessageBox::Yes)->text();
             }},
            {"question's no",
             [] {
                 QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
                 return box.button(QMessageBox::No)->text();
             }},
            {"file dialog's folder",
             [] {
                 QFileDialog dialog;
                 dialog.setOption(QFileDialog::DontUseNativeDialog);
                 return dialog.labelText(QFileDialog::LookIn);
             }},
            {"print dialog",
             [] {
                 QPrinter printer;
                 QPrintDialog dialog(&printer);
                 return dialog.windowTitle();
             }},
            {"print preview",
             [] {
                 QPrintPreviewDialog dialog;
                 return dialog.windowTitle();
             }},
        };
        QCOMPARE(shown.at(label)(), text);
    }
};

QTEST_MAIN(TestTranslatedWindow)
#include "tst_translatedwindow.moc"
