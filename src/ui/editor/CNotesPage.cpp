#include "ui/editor/CNotesPage.h"

#include "model/base/MessageTexts.h"
#include "model/store/DueFile.h"
#include "ui/dialogs/Prompt.h"
#include "ui/editor/DueEditRules.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CNotesPage::CNotesPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("notesPage"));
    setTitle(LoadResString(MessageId::NotesTitle));
    setSubTitle(LoadResString(MessageId::NotesSubtitle));
    m_pNotes = new QPlainTextEdit(this);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    m_pNotes->setAccessibleName(LoadResString(MessageId::NotesTitle));
    m_pNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pNotes->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pNotes);
    GuiDrawLayer::ApplyFace(this);
}

void CNotesPage::UpdateData(bool save)
{
    if (save)
        m_strNotes = DueEditRules::NotesForStore(m_pNotes->toPlainText());
    else
        m_pNotes->setPlainText(DueEditRules::NotesForEdit(m_strNotes));
}

bool CNotesPage::validatePage()
{
    UpdateData(true);
    // Notes no reader of the data folder would take are refused here, where
    // they can still be shortened, not when the due is written.
    DueRecord probe;
    probe.m_strNotes = m_strNotes;
    QString why;
    if (!DueFile::Fits(probe, &why)) {
        Prompt::Message(this, tr("These notes cannot be kept: %1.").arg(why), QMessageBox::Warning);
        m_pNotes->setFocus();
        return false;
    }
    return true;
}
