#pragma once

#include <QDialog>

class CGuiButton;

// "About Tallyvane": the icon, the product name and version, and OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CGuiButton* OkButton() const { return m_ok; }

private:
    CGuiButton* m_ok;
};
