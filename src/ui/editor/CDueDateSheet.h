#pragma once

#include "model/store/DueRecord.h"

#include <QObject>
#include <QPointer>

class CDetailPage;
class CNotesPage;
class QDialog;
class QWidget;

// The due editor: "Due Details" and "Notes", run as the new-due wizard or as
// the tabbed "Modify Due" sheet. m_due goes into the pages when the window is
// created and, when the sheet is accepted (Finish or OK), comes back from them.
class CDueDateSheet : public QObject
{
    Q_OBJECT

public:
    enum class Mode
    {
        New,
        Modify
    };

    explicit CDueDateSheet(Mode mode, QWidget* parent = nullptr);
    ~CDueDateSheet() override;

    DueRecord m_due; // defaults: empty texts, both dates now, Type 1, unpaid
    // The pages; the window owns them once it exists.
    QPointer<CDetailPage> m_pDetailPage;
    QPointer<CNotesPage> m_pNotesPage;

    // Builds the window (once) and loads m_due into the pages.
    QDialog* Create();
    // Runs the sheet; QDialog::Accepted after Finish or OK.
    int DoModal();

    QDialog* Window() const { return m_pWindow; }
    Mode GetMode() const { return m_mode; }

    // Resource images of the wizard.
    static QString WatermarkPath() { return QStringLiteral(":/editor/wizard-watermark.png"); }
    static QString HeaderPath() { return QStringLiteral(":/editor/wizard-header.png"); }

private:
    QDialog* CreateWizard();
    QDialog* CreateModifySheet();
    void CopyBack();

    Mode m_mode;
    QWidget* m_pParent;
    QPointer<QDialog> m_pWindow;
};
