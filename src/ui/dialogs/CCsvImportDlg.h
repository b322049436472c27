#pragma once

#include "export/DueCsv.h"

#include <QDialog>

class QTableWidget;

// The preview of a CSV import: the lines it will add and the lines it
// rejects, each with its reason. Nothing is written until Import is pressed.
class CCsvImportDlg : public QDialog
{
    Q_OBJECT

public:
    CCsvImportDlg(const QString& path, const DueCsv::Reading& reading, QWidget* parent = nullptr);

    // File > Import CSV: asks for the file, reads it, shows the preview and,
    // when confirmed, adds the dues to theDueStore. Returns how many were added.
    static int ImportFile(QWidget* parent);

    QTableWidget* AddedTable() const { return m_added; }
    QTableWidget* RejectedTable() const { return m_rejected; }

private:
    QTableWidget* m_added = nullptr;
    QTableWidget* m_rejected = nullptr;
};
