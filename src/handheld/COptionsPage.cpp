#include "COptionsPage.h"

#include "AppletPrompt.h"
#include "CInputSettings.h"
#include "DialogUnits.h"
#include "PivexIds.h"
#include "device/DeviceShell.h"
#include "device/DeviceSip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QtEndian>

COptionsPage::COptionsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("optionsPage"));
    const QSize base = DialogUnits::BaseUnits(font());

    m_chkSaveNewWord = new QCheckBox(tr("Auto save new words"), this);
    m_chkInsertSpace = new QCheckBox(tr("Add a space after selecting word"), this);
    m_lblSensitivity = new QLabel(tr("Scribing Sensitivity"), this);
    m_cboSensitivity = new QComboBox(this);
    m_chkAccentedCharacters = new QCheckBox(tr("Enable accented characters"), this);
    m_chkShowActualCharacters = new QCheckBox(tr("Show actual characters typed"), this);
    m_chkReorderTwoCharWords = new QCheckBox(tr("Reorder 2 character words"), this);
    m_chkDefaultKeyboard = new QCheckBox(tr("Set Pivex as default keyboard"), this);
    m_lblSensitivity->setBuddy(m_cboSensitivity);
    m_cboSensitivity->setMinimumContentsLength(7);
    m_cboSensitivity->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The wheel scrolls the dialog; it changes the sensitivity only once the
    // list has the focus (see eventFilter).
    m_cboSensitivity->setFocusPolicy(Qt::StrongFocus);
    m_cboSensitivity->installEventFilter(this);

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
    const bool insertSpace = settings.GetInsertSpace() != 0;
    const bool saveNewWord = settings.GetSaveNewWord() != 0;
    const bool accentedCharacters = settings.GetAccentedCharacters() != 0;
    const bool showActualCharacters = settings.GetShowActualCharacters() != 0;
    const bool reorderTwoCharWords = settings.GetReorderTwoCharWords() != 0;
    const bool defaultKeyboard = settings.GetDefaultKeyboard() != 0;

    m_cboSensitivity->clear();
    m_cboSensitivity->addItems({tr("Off"), tr("Low"), tr("Standard"), tr("High")});
    const quint32 sensitivity = settings.GetScribingSensitivity();

    if (settings.LastError().IsSet()) {
        // Stored values that cannot be read are neither shown as defaults
        // nor overwritten: the options stay empty and disabled.
        m_valuesRead = false;
        const QList<QWidget*> controls{m_chkSaveNewWord,         m_chkInsertSpace,
                                       m_lblSensitivity,         m_cboSensitivity,
                                       m_chkAccentedCharacters,  m_chkShowActualCharacters,
                                       m_chkReorderTwoCharWords, m_chkDefaultKeyboard};
        for (QWidget* control : controls)
            control->setEnabled(false);
        m_cboSensitivity->setCurrentIndex(-1);
        AppletPrompt::Message(
            this,
            tr("The options could not be read.\n%1\nThey are not shown and will not be saved.")
                .arg(settings.LastError().Text()),
            Pivex::AppName());
        return;
    }

    m_chkInsertSpace->setChecked(insertSpace);
    m_chkSaveNewWord->setChecked(saveNewWord);
    m_chkAccentedCharacters->setChecked(accentedCharacters);
    m_chkShowActualCharacters->setChecked(showActualCharacters);
    m_chkReorderTwoCharWords->setChecked(reorderTwoCharWords);
    m_chkDefaultKeyboard->setChecked(defaultKeyboard);
    // A stored value outside the list leaves nothing selected.
    m_cboSensitivity->setCurrentIndex(sensitivity < quint32(m_cboSensitivity->count()) ? int(sensitivity)
                                                                                       : -1);
}

bool COptionsPage::SaveOptions()
{
    // Options that could not be read were never shown: there is nothing of
    // the user's to store, and what is stored stays as it is.
    if (!m_valuesRead)
        return true;
    CInputSettings settings;
    const bool defaultKeyboard = m_chkDefaultKeyboard->isChecked();
    if (!settings.SetDefaultKeyboard(defaultKeyboard ? 1 : 0))
        return SaveFailed(tr("The options could not be saved.\n%1"), settings.LastError());
    DeviceError shortcutError;
    if (!UpdateStartupShortcut(defaultKeyboard, &shortcutError))
        return SaveFailed(tr("The start-up shortcut could not be updated.\n%1"), shortcutError);

    // The other options belong to the running input method: they are only
    // written while Pivex is the current one, and it is told to reload them
    // once all of them are stored.
    if (!IsInputMethodCurrent())
        return true;
    // No selection is stored as -1.
    const bool written = settings.SetInsertSpace(m_chkInsertSpace->isChecked() ? 1 : 0) &&
                         settings.SetSaveNewWord(m_chkSaveNewWord->isChecked() ? 1 : 0) &&
                         settings.SetScribingSensitivity(quint32(qint32(m_cboSensitivity->currentIndex()))) &&
                         settings.SetAccentedCharacters(m_chkAccentedCharacters->isChecked() ? 1 : 0) &&
                         settings.SetShowActualCharacters(m_chkShowActualCharacters->isChecked() ? 1 : 0) &&
                         settings.SetReorderTwoCharWords(m_chkReorderTwoCharWords->isChecked() ? 1 : 0);
    if (!written)
        return SaveFailed(tr("The options could not be saved.\n%1"), settings.LastError());
    NotifyInputMethod();
    return true;
}

bool COptionsPage::SaveFailed(const QString& text, const DeviceError& error)
{
    AppletPrompt::Message(this, text.arg(error.Text()), Pivex::AppName());
    return false;
}

bool COptionsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_cboSensitivity && event->type() == QEvent::Wheel && !m_cboSensitivity->hasFocus()) {
        // Not for the list: the event goes on to the widgets below, which
        // scroll the dialog.
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
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

bool COptionsPage::UpdateStartupShortcut(bool defaultKeyboardChecked, DeviceError* error)
{
    QString startup;
    DeviceError folderError;
    if (!DeviceShell::SHGetSpecialFolderPath(DeviceShell::CSIDL_STARTUP, &startup, false, &folderError)) {
        // Without the folder there is no shortcut to remove either.
        if (!defaultKeyboardChecked)
            return true;
        if (error)
            *error = folderError;
        return false;
    }
    const QString shortcut = startup + Pivex::ShortcutName();
    // Deleting first also replaces a shortcut with a stale target.
    if (DeviceShell::FindFileExists(shortcut) && !DeviceShell::DeleteFile(shortcut, error))
        return false;
    return !defaultKeyboardChecked || DeviceShell::SHCreateShortcut(shortcut, Pivex::ShortcutTarget(), error);
}
