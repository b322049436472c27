#include "ui/print/CPrintBrowser.h"

#include <QDir>
#include <QUrl>

CPrintBrowser::CPrintBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setReadOnly(true);
}

void CPrintBrowser::Navigate(const QString& path)
{
    const QUrl url = QUrl::fromLocalFile(QDir::cleanPath(QDir().absoluteFilePath(path)));
    m_path = url.toLocalFile();
    // The page is rewritten in place at every print; drop the cached copy of
    // its images too, so nothing shown is older than the file.
    document()->clear();
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

void CPrintBrowser::ShowHtml(const QString& html, const QString& baseFolder)
{
    m_path.clear();
    setSearchPaths({baseFolder});
    document()->setBaseUrl(QUrl::fromLocalFile(QDir(baseFolder).absolutePath() + QLatin1Char('/')));
    setHtml(html);
}
