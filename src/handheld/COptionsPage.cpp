#include "COptionsPage.h"

#include "CInputSettings.h"
#include "DialogUnits.h"
#include "PivexIds.h"
#include "device/DeviceShell.h"
#include "device/DeviceSip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QtEndian>

COptionsPage::COptionsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("optionsPage"));
    const QSize base = DialogUnits::BaseUnits(font());

    m_chkSaveNewWord = new QCheckBox(QStringLiteral("Auto save new words"), this);
    m_chkInsertSpace = new QCheckBox(QStringLiteral("Add a space after selecting word"), this);
    m_lblSensitivity = new QLabel(QStringLiteral("Scribing Sensitivity"), this);
    m_cboSensitivity = new QComboBox(this);
    m_chkAccentedCharacters = new QCheckBox(QStringLiteral("Enable accented characters"), this);
    m_chkShowActualCharacters = new QCheckBox(QStringLiteral("Show actual characters typed"), this);
    m_chkReorderTwoCharWords = new QCheckBox(QStringLiteral("Reorder 2 character words"), this);
    m_chkDefaultKeyboard = new QCheckBox(QStringLiteral("Set Pivex as default keyboard"), this);
    m_lblSensitivity->setBuddy(m_cboSensitivity);
    m_cboSensitivity->setMinimumContentsLength(7);
    m_cboSensitivity->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // The page overlaps the tab control's right and bottom edges; the margins
    // keep the controls inside its frame.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, DialogUnits::ToPixelsX(3, base), DialogUnits::ToPixelsY(4, base));
    layout->setSpacing(0);
    auto* sensitivityRow = new QHBoxLayout;
    sensitivityRow->setContentsMargins(0, 0, 0, 0);
    sensitivityRow->setSpacing(DialogUnits::ToPixelsX(3, base));
    sensitivityRow->addWidget(m_lblSensitivity);
    sensitivityRow->addWidget(m_cboSensitivity, 1);
    layout->addWidget(m_chkSaveNewWord);
    layout->addStretch(1);
    layout->addWidget(m_chkInsertSpace);
    layout->addStretch(1);
    layout->addLayout(sensitivityRow);
    layout->addStretch(1);
    layout->addWidget(m_chkAccentedCharacters);
    layout->addStretch(1);
    layout->addWidget(m_chkShowActualCharacters);
    layout->addStretch(1);
    layout->addWidget(m_chkReorderTwoCharWords);
    layout->addStretch(1);
    layout->addWidget(m_chkDefaultKeyboard);

    resize(DialogUnits::ToPixels(kDesignUnits, base));
    OnInitDialog();
}

QWidget* COptionsPage::Control(int id) const
{
    switch (id) {
    case IDC_SAVE_NEW_WORD:
        return m_chkSaveNewWord;
    case IDC_INSERT_SPACE:
        return m_chkInsertSpace;
    case IDC_ACCENTED_CHARACTERS:
        return m_chkAccentedCharacters;
    case IDC_SHOW_ACTUAL_CHARACTERS:
        return m_chkShowActualCharacters;
    case IDC_REORDER_TWO_CHAR_WORDS:
        return m_chkReorderTwoCharWords;
    case IDC_DEFAULT_KEYBOARD:
        return m_chkDefaultKeyboard;
    case IDC_SENSITIVITY_LABEL:
        return m_lblSensitivity;
    case IDC_SENSITIVITY:
        return m_cboSensitivity;
    default:
        return nullptr;
    }
}

void COptionsPage::OnInitDialog()
{
    // Each read stores a missing value's default, so the first run leaves
    // all seven values in the registry.
    CInputSettings settings;
    m_chkInsertSpace->setChecked(settings.GetInsertSpace() != 0);
    m_chkSaveNewWord->setChecked(settings.GetSaveNewWord() != 0);
    m_chkAccentedCharacters->setChecked(settings.GetAccentedCharacters() != 0);
    m_chkShowActualCharacters->setChecked(settings.GetShowActualCharacters() != 0);
    m_chkReorderTwoCharWords->setChecked(settings.GetReorderTwoCharWords() != 0);
    m_chkDefaultKeyboard->setChecked(settings.GetDefaultKeyboard() != 0);

    m_cboSensitivity->clear();
    m_cboSensitivity->addItems(
        {QStringLiteral("Off"), QStringLiteral("Low"), QStringLiteral("Standard"), QStringLiteral("High")});
    // A stored value outside the list leaves nothing selected.
    const quint32 sensitivity = settings.GetScribingSensitivity();
    m_cboSensitivity->setCurrentIndex(sensitivity < quint32(m_cboSensitivity->count()) ? int(sensitivity)
                                                                                       : -1);
}

void COptionsPage::SaveOptions()
{
    CInputSettings settings;
    const bool defaultKeyboard = m_chkDefaultKeyboard->isChecked();
    settings.SetDefaultKeyboard(defaultKeyboard ? 1 : 0);
    UpdateStartupShortcut(defaultKeyboard);

    // The other options belong to the running input method: they are only
    // written while Pivex is the current one, and it is told to reload them.
    if (!IsInputMethodCurrent())
        return;
    settings.SetInsertSpace(m_chkInsertSpace->isChecked() ? 1 : 0);
    settings.SetSaveNewWord(m_chkSaveNewWord->isChecked() ? 1 : 0);
    // No selection is stored as -1.
    settings.SetScribingSensitivity(quint32(qint32(m_cboSensitivity->currentIndex())));
    settings.SetAccentedCharacters(m_chkAccentedCharacters->isChecked() ? 1 : 0);
    settings.SetShowActualCharacters(m_chkShowActualCharacters->isChecked() ? 1 : 0);
    settings.SetReorderTwoCharWords(m_chkReorderTwoCharWords->isChecked() ? 1 : 0);
    NotifyInputMethod();
}

void COptionsPage::NotifyInputMethod()
{
    SipInfo info;
    info.cbSize = DeviceSip::kSipInfoSize;
    if (!DeviceSip::SipGetInfo(&info))
        return;
    const quint32 reload = 1;
    info.pvImData = QByteArray(sizeof reload, '\0');
    qToLittleEndian(reload, info.pvImData.data());
    info.dwImDataSize = sizeof reload;
    DeviceSip::SipSetInfo(info);
}

bool COptionsPage::IsInputMethodCurrent()
{
    QUuid current;
    if (!DeviceSip::SipGetCurrentIM(&current))
        return false;
    // The panel's identifiers are compared as their 16 bytes.
    return current.toRfc4122() == Pivex::kInputMethodClsid.toRfc4122();
}

void COptionsPage::UpdateStartupShortcut(bool defaultKeyboardChecked)
{
    QString startup;
    if (!DeviceShell::SHGetSpecialFolderPath(DeviceShell::CSIDL_STARTUP, &startup, false))
        return;
    const QString shortcut = startup + Pivex::ShortcutName();
    // Deleting first also replaces a shortcut with a stale target.
    if (DeviceShell::FindFileExists(shortcut))
        DeviceShell::DeleteFile(shortcut);
    if (defaultKeyboardChecked)
        DeviceShell::SHCreateShortcut(shortcut, Pivex::ShortcutTarget());
}
