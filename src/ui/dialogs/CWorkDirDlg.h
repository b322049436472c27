#pragma once

#include <QDialog>

class CGuiButton;
class QLineEdit;

// "Working Directory": asks for the folder under which the data folder
// "Tallyvane Files" lives. OK with a path accepts it (m_strPath); OK
// without one ends the dialog like Cancel.
class CWorkDirDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CWorkDirDlg(QWidget* parent = nullptr, const QString& path = {});

    QString m_strPath;

    // The folder chooser; picking the data folder itself takes its parent.
    void OnBrowse();
    void OnOK();
    // Empties the path (with message 61454) when nothing is found there.
    void ValidatePath();

    // The working directory for a folder the user picked.
    static QString PathForPick(const QString& picked);
    // The folder a first start offers, so that OK alone starts the program:
    // the user's documents folder (XDG user directories), else the home folder.
    static QString SuggestedPath();

    QLineEdit* PathEdit() const { return m_edit; }
    CGuiButton* BrowseButton() const { return m_browse; }
    CGuiButton* HelpButton() const { return m_help; }
    CGuiButton* OkButton() const { return m_ok; }
    CGuiButton* CancelButton() const { return m_cancel; }

private:
    void UpdateEdit();

    QLineEdit* m_edit;
    CGuiButton* m_browse;
    CGuiButton* m_help;
    CGuiButton* m_ok;
    CGuiButton* m_cancel;
};
