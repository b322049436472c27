#pragma once

#include "device/DeviceIo.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

// The options of the input method: five check boxes, the scribing
// sensitivity and "Set Pivex as default keyboard". Shown as a child of the
// settings dialog over its tab control.
class COptionsPage : public QWidget
{
    Q_OBJECT

public:
    enum
    {
        IDD = 104
    };
    enum ControlId
    {
        IDC_SAVE_NEW_WORD = 1005,
        IDC_INSERT_SPACE = 1006,
        IDC_ACCENTED_CHARACTERS = 1007,
        IDC_SHOW_ACTUAL_CHARACTERS = 1008,
        IDC_REORDER_TWO_CHAR_WORDS = 1009,
        IDC_DEFAULT_KEYBOARD = 1010,
        IDC_SENSITIVITY_LABEL = 1023,
        IDC_SENSITIVITY = 1024,
    };

    // Design size of the page in dialog units.
    static constexpr QSize kDesignUnits{143, 90};

    explicit COptionsPage(QWidget* parent);

    // The control with the given id, or null.
    QWidget* Control(int id) const;

    // Stores the options as the user left them (see the .cpp for what is
    // written when). A failure is shown to the user, and false returned.
    bool SaveOptions();

    static bool IsInputMethodCurrent();
    static bool UpdateStartupShortcut(bool defaultKeyboardChecked, DeviceError* error = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    bool SaveFailed(const QString& text, const DeviceError& error);
    static void NotifyInputMethod();

    bool m_valuesRead = true;

    QCheckBox* m_chkSaveNewWord = nullptr;
    QCheckBox* m_chkInsertSpace = nullptr;
    QLabel* m_lblSensitivity = nullptr;
    QComboBox* m_cboSensitivity = nullptr;
    QCheckBox* m_chkAccentedCharacters = nullptr;
    QCheckBox* m_chkShowActualCharacters = nullptr;
    QCheckBox* m_chkReorderTwoCharWords = nullptr;
    QCheckBox* m_chkDefaultKeyboard = nullptr;
};
