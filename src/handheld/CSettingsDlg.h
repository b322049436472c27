#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QSize>

class CDialogScroller;
class COptionsPage;
class QPushButton;
class QScrollBar;
class QTabWidget;

// The main window: a tab control with the options page, "Customize Symbol
// List" and "Help" below it, and the handheld's title bar with its "ok".
class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    enum
    {
        IDD = 102,
        IDR_MAINFRAME = 129
    };
    enum CommandId
    {
        IDOK = 1,
        IDC_HELP_BUTTON = 2,
        IDC_CUSTOMIZE_SYMBOLS = 3,
        IDC_TAB = 1000
    };

    // Size of the dialog, and the part of it that must be reachable by
    // scrolling, in dialog units.
    static constexpr QSize kDesignUnits{157, 129};
    static constexpr QSize kScrollDesignUnits{136, 129};

    explicit CSettingsDlg(QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // Runs a command as the dialog's buttons and keys do: 1 OK, 2 Help,
    // 3 Customize Symbol List.
    void OnCommand(int id);

    // Where the options page goes for a tab control of the given geometry:
    // its client rectangle, with the left edge moved right by 4% of its width
    // and the top edge down by 18% of its height.
    static QRect PageRectForTab(const QRect& tabGeometry);

    COptionsPage* OptionsPage() const { return m_optionsPage; }
    QTabWidget* TabControl() const { return m_tabCtrl; }
    QWidget* Content() const { return m_content; }
    QWidget* Viewport() const { return m_viewport; }
    QScrollBar* HorizontalBar() const { return m_hBar; }
    QScrollBar* VerticalBar() const { return m_vBar; }
    CDialogScroller* Scroller() const { return m_scroller; }
    QPushButton* Button(int id) const;

public slots:
    // OK saves the options and closes the dialog; when they cannot be saved
    // it says why and stays open.
    void accept() override;
    // The Help button has the command id the handheld gives to Escape, so
    // Escape opens the help too; the dialog is never cancelled.
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void OnSelchangeTab();
    void OnHelp();
    void OnCustomizeSymbolList();
    void LayOutContent();
    QSize InitialSize() const;

    QWidget* m_captionBar = nullptr;
    QPushButton* m_okButton = nullptr;
    QWidget* m_viewport = nullptr;
    QWidget* m_content = nullptr;
    QScrollBar* m_hBar = nullptr;
    QScrollBar* m_vBar = nullptr;
    QTabWidget* m_tabCtrl = nullptr;
    QPushButton* m_customizeButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    COptionsPage* m_optionsPage = nullptr; // created when first shown
    CDialogScroller* m_scroller = nullptr;
    QPointer<QWidget> m_lastFocus; // kept while the dialog is inactive
};
