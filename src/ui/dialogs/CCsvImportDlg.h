#pragma once

#include "export/DueCsv.h"

#include <QDialog>

#include <optional>

class QTableWidget;

// The preview of a CSV import: the lines it will add and the lines it
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

    QTableWidget* AddedTable() const { return m_added; }
    QTableWidget* RejectedTable() const { return m_rejected; }

private:
    QTableWidget* m_added = nullptr;
    QTableWidget* m_rejected = nullptr;
};
