#pragma once

#include "export/DueCsv.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The preview of a CSV import: how the file was read (separator, encoding,
// decimal sign, order of dates and what each column was taken as, all but
// the encoding open to change), the lines it will add and the lines it
// rejects, each with its reason. Nothing is written until Import is pressed.
class CCsvImportDlg : public QDialog
{
    Q_OBJECT

public:
    CCsvImportDlg(const QString& path, const DueCsv::Reading& reading, QWidget* parent = nullptr);

    // File > Import CSV up to the write: asks for the file, reads it and shows
    // the preview. The reading when Import was pressed; nothing when the user
    // cancelled or the file cannot be used (that is said). The caller adds
    // the dues, so that it can take them back as one action.
    static std::optional<DueCsv::Reading> ChooseAndPreview(QWidget* parent);

    // The file as the preview shows it now.
    const DueCsv::Reading& Reading() const { return m_reading; }

    QTableWidget* AddedTable() const { return m_added; }
    QTableWidget* RejectedTable() const { return m_rejected; }
    // One combo box per column of the file: the field it is taken as.
    QComboBox* ColumnChoice(int column) const;
    QComboBox* SeparatorChoice() const { return m_separator; }
    QComboBox* DecimalChoice() const { return m_decimal; }
    QComboBox* DateOrderChoice() const { return m_dateOrder; }
    QLabel* EncodingLabel() const { return m_encoding; }

private:
    void Show();
    void ShowColumns();
    void ReadAgain();
    void ColumnChosen(int column);

    QString m_path;
    DueCsv::Options m_options; // what the user chose; the rest is found from the file
    DueCsv::Reading m_reading;

    QComboBox* m_separator = nullptr;
    QComboBox* m_decimal = nullptr;
    QComboBox* m_dateOrder = nullptr;
    QLabel* m_encoding = nullptr;
    QTableWidget* m_columns = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_addedLabel = nullptr;
    QTableWidget* m_added = nullptr;
    QLabel* m_rejectedLabel = nullptr;
    QTableWidget* m_rejected = nullptr;
    QPushButton* m_import = nullptr;
};
