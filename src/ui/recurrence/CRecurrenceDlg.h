#pragma once

#include "recurrence/RecurrencePattern.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

// "Recurrence Pattern": how often a recurring due occurs and over which
// range. OK validates the input and generates the placeholder dues of the
// series through theDueStore; their identifiers are then in
// m_arrOccurrenceIds. A new dialog starts from the defaults every time.
class CRecurrenceDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CRecurrenceDlg(QWidget* parent = nullptr);

    // Output of the last generation.
    QString m_strSeriesId;
    QStringList m_arrOccurrenceIds;
    // Occurrences the weekend rule moved onto a day that already had one.
    qint64 m_nDroppedOccurrences = 0;

    // Each reads the controls and shows its own message when the input is
    // not acceptable.
    bool ValidatePattern();
    bool ValidateRange();
    // Shows the controls of frequency group 0 (Day) to 3 (Year).
    void ShowFrequencyGroup(int index);
    // Generates the placeholder dues; long runs show their progress, and a
    // pattern of more than kAskAbove dues asks first. False when the user
    // cancelled or declined, or a write failed (said once, with the reason):
    // every placeholder of the run is then gone again.
    bool GenerateOccurrences();

    // The pattern the controls hold, and loading one into them.
    RecurrencePattern Pattern() const;
    void SetPattern(const RecurrencePattern& pattern);

    // Patterns with more occurrences than this ask first, naming the number.
    static constexpr qint64 kAskAbove = 10000;

public slots:
    void accept() override;

private:
    void BuildUi();
    QWidget* BuildDayGroup();
    QWidget* BuildWeekGroup();
    QWidget* BuildMonthGroup();
    QWidget* BuildYearGroup();
    void OnWeekdayClicked(int index, bool checked);
    void OnStartChanged();
    void OnEndByChanged();

    QComboBox* m_pFrequency = nullptr;
    QStackedWidget* m_pGroups = nullptr;

    QRadioButton* m_pDailyEvery = nullptr;
    QRadioButton* m_pDailyWeekday = nullptr;
    QLineEdit* m_pDailyInterval = nullptr;

    QLineEdit* m_pWeeklyInterval = nullptr;
    std::array<QCheckBox*, 7> m_pWeekday{};

    QRadioButton* m_pMonthlyByDay = nullptr;
    QRadioButton* m_pMonthlyByOrdinal = nullptr;
    QLineEdit* m_pMonthlyDay = nullptr;
    QLineEdit* m_pMonthlyDayInterval = nullptr;
    QComboBox* m_pMonthlyOrdinal = nullptr;
    QComboBox* m_pMonthlyWeekday = nullptr;
    QLineEdit* m_pMonthlyOrdinalInterval = nullptr;

    QRadioButton* m_pYearlyByDate = nullptr;
    QRadioButton* m_pYearlyByOrdinal = nullptr;
    QComboBox* m_pYearlyMonth = nullptr;
    QLineEdit* m_pYearlyDay = nullptr;
    QComboBox* m_pYearlyOrdinal = nullptr;
    QComboBox* m_pYearlyWeekday = nullptr;
    QComboBox* m_pYearlyOrdinalMonth = nullptr;

    QDateTimeEdit* m_pRangeStart = nullptr;
    QRadioButton* m_pEndAfter = nullptr;
    QRadioButton* m_pEndBy = nullptr;
    QLineEdit* m_pOccurrences = nullptr;
    QDateTimeEdit* m_pEndByDate = nullptr;
    QComboBox* m_pWeekendRule = nullptr;
};
