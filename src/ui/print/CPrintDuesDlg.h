#pragma once

#include "model/base/COleDateTime.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class CPrintBrowser;
class CPrintListCtrl;
class QComboBox;
class QDateEdit;
class QPrintPreviewDialog;
class QPushButton;

// The "Print" dialog: a range of months, the dues whose due date falls in
// it (ticked by hand, by the "Records" presets or by account), and "&Print",
// which fills the print template into print.html beside it and opens the
// print preview of that page.
class CPrintDuesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPrintDuesDlg(QWidget* parent = nullptr);
    ~CPrintDuesDlg() override;

    enum Preset
    {
        All = 0,
        Invert = 1,
        Paid = 2,
        UnPaid = 3,
        Reset = 4
    };

    // Reads the controls into the members.
    void UpdateData();
    // Lists the dues of the months m_dtFrom..m_dtTo (unticked) and refills
    // the account box.
    void RefreshList();
    void FillAccountBox();
    // Ticks exactly the dues of the account m_arrAccounts[index] (blanks
    // ignored).
    void SelectAccount(int index);
    void ApplyPreset(int preset);
    // Fills the print template with the ticked dues, writes print.html and
    // loads it into the browser. False, with the reason, when the template
    // cannot be read; nothing is written then.
    bool GeneratePrintPage(QString* errorText = nullptr);
    // Opens the print preview of the page the browser holds.
    void ShowPrintPreview();

    CPrintListCtrl* List() const { return m_list; }
    CPrintBrowser* Browser() const { return m_browser; }
    QDateEdit* FromEdit() const { return m_fromEdit; }
    QDateEdit* ToEdit() const { return m_toEdit; }
    QComboBox* RecordsBox() const { return m_recordsBox; }
    QComboBox* AccountBox() const { return m_accountBox; }
    QPushButton* PrintButton() const { return m_printButton; }

    // Tests take the preview instead of its modal loop; null restores it.
    using PreviewHandler = std::function<void(QPrintPreviewDialog& preview)>;
    static void SetPreviewHandler(PreviewHandler handler);

    COleDateTime m_dtFrom;
    COleDateTime m_dtTo;
    int m_nRecords = -1;
    int m_nAccount = -1;
    QStringList m_arrItemAccounts;
    QStringList m_arrAccounts;

private:
    void OnFromChanged();
    void OnPrint();

    CPrintListCtrl* m_list = nullptr;
    CPrintBrowser* m_browser = nullptr;
    QDateEdit* m_fromEdit = nullptr;
    QDateEdit* m_toEdit = nullptr;
    QComboBox* m_recordsBox = nullptr;
    QComboBox* m_accountBox = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

// File > Print: the print dialog, modal over parent.
void RunPrintDialog(QWidget* parent);
