#pragma once

#include <QWizardPage>

class QPlainTextEdit;

// "Notes": free text about the due, filling the whole page.
class CNotesPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CNotesPage(QWidget* parent = nullptr);

    QString m_strNotes; // with CR LF line breaks, as stored

    void UpdateData(bool save);
    // Finish in the wizard: takes the text.
    bool validatePage() override;

private:
    QPlainTextEdit* m_pNotes = nullptr;
};
