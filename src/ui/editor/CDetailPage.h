#pragma once

#include "model/base/COleDateTime.h"

#include <QStringList>
#include <QWizardPage>

class CGuiButton;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

// "Due Details": the fields of a due and, for a new due, the controls that
// make it recurring. The members are loaded before the page is shown and
// read back by the sheet when it ends.
class CDetailPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CDetailPage(QWidget* parent = nullptr);

    QString m_strTitle;
    COleDateTime m_dtStart;
    COleDateTime m_dtDue;
    QString m_strPayTo;
    QString m_strAccount;
    double m_dAmount = 0.0;
    int m_nType = 1;
    bool m_bPaid = false;

    bool m_bRecursive = false;
    int m_nOffsetDays = 1;
    COleDateTime m_dtOffsetTime; // only the time of day counts

    // Placeholders of the last confirmed pattern, in generation order.
    QStringList m_arrOccurrenceIds;
    qint64 m_nDroppedOccurrences = 0; // left out by the weekend rule
    bool m_bPatternSet = false;
    bool m_bHideRecursive = false; // Modify: a due is made recurring only when created

    // Loads the members into the controls and sets the page up; runs once,
    // at the latest when the page is first shown.
    void OnInitDialog();

    // Members into the controls (save false), or the controls into the
    // members (save true), which checks Amount and the days offset and, when
    // one is not acceptable, says so and puts the focus there.
    bool UpdateData(bool save);

    // Next in the wizard.
    bool validatePage() override;
    // OK of the modify sheet.
    bool OnOK();

    void OnMakeRecursive();
    void OnSetRecurrencePattern();

    // The count text beside the pattern button.
    QString CountText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ExchangeQuietly();
    void OnStartChanged();
    void OnDueChanged();
    void KeepDateOrder();

    bool m_bInitialised = false;
    QLineEdit* m_pTitle = nullptr;
    QDateTimeEdit* m_pStart = nullptr;
    QDateTimeEdit* m_pDue = nullptr;
    QLineEdit* m_pPayTo = nullptr;
    QLineEdit* m_pAccount = nullptr;
    QLineEdit* m_pAmount = nullptr;
    QComboBox* m_pType = nullptr;
    QCheckBox* m_pPaid = nullptr;
    QCheckBox* m_pRecursive = nullptr;
    QGroupBox* m_pRecurrenceBox = nullptr;
    CGuiButton* m_pSetPattern = nullptr;
    QLabel* m_pCount = nullptr;
    QLineEdit* m_pOffsetDays = nullptr;
    QTimeEdit* m_pOffsetTime = nullptr;
};
