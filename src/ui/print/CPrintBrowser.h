#pragma once

#include <QTextBrowser>

// Holds the print page: loads it from its file, so the page's relative
// references (the due icons) resolve beside it, and hands its document to the
// print preview.
class CPrintBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit CPrintBrowser(QWidget* parent = nullptr);

    // Loads the HTML file at path, also when it is the page already shown.
    void Navigate(const QString& path);
    // Shows html directly; relative references resolve in baseFolder.
    void ShowHtml(const QString& html, const QString& baseFolder);
    // The file last loaded by Navigate (empty after ShowHtml).
    QString CurrentPath() const { return m_path; }

private:
    QString m_path;
};
