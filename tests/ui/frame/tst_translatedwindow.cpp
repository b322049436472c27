// The window in the user's language: under a German or French locale the
// shipped translations reach the menus, the bars and the dialogs; English
// stays as it is.

#include "../UiTestSupport.h"

#include "app/Translations.h"
#include "model/base/AppPaths.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/print/CPrintDuesDlg.h"
#include "ui/skinui/CGuiStatusBar.h"

#include <QAction>
#include <QFileDialog>
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
#include <QTest>
#include <QTranslator>

#include <functional>
#include <map>
#include <memory>

namespace {
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
        const struct
        {
            const char* label;
            const char* en;
            const char* de;
            const char* fr;
        } labels[] = {
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
        for (const auto& l : labels) {
            QTest::addRow("English: %s", l.label) << "en_US" << l.label << QString::fromUtf8(l.en);
            QTest::addRow("German: %s", l.label) << "de_DE" << l.label << QString::fromUtf8(l.de);
            QTest::addRow("German of Switzerland: %s", l.label)
                << "de_CH" << l.label << QString::fromUtf8(l.de);
            QTest::addRow("French: %s", l.label) << "fr_FR" << l.label << QString::fromUtf8(l.fr);
        }
    }

    // Alt and a letter reaches one menu, and within a menu one item.
    void acceleratorsOncePerMenu_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("French") << "fr_FR";
    }

    void acceleratorsOncePerMenu()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        InstallTranslations();
        CMainFrame frame;
        QStringList shared = SharedAccelerators(frame.menuBar()->actions());
        for (const QMenu* menu : frame.menuBar()->findChildren<QMenu*>())
            shared << SharedAccelerators(menu->actions());
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
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
        const struct
        {
            const char* label;
            const char* en;
            const char* de;
            const char* fr;
        } labels[] = {
            {"question's yes", "&Yes", "&Ja", "&Oui"},
            {"question's no", "&No", "&Nein", "&Non"},
            {"file dialog's folder", "Look in:", "Suchen in:", "Voir dans :"},
            {"print dialog", "Print", "Drucken", "Imprimer"},
            {"print preview", "Print Preview", "Druckvorschau", "Aperçu avant impression"},
        };
        for (const auto& l : labels) {
            QTest::addRow("English: %s", l.label) << "en_US" << l.label << QString::fromUtf8(l.en);
            QTest::addRow("German: %s", l.label) << "de_DE" << l.label << QString::fromUtf8(l.de);
            QTest::addRow("French: %s", l.label) << "fr_FR" << l.label << QString::fromUtf8(l.fr);
        }
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
