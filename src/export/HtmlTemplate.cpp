#include "export/HtmlTemplate.h"

#include "model/base/AppPaths.h"

#include <QFile>

namespace HtmlTemplate {

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString Tag(const char* name)
{
    return QLatin1String("<{[") + QLatin1String(name) + QLatin1String("]}>");
}

QString CutBlock(QString& text, const QString& startTag, const QString& endTag)
{
    const qsizetype start = text.indexOf(startTag);
    if (start < 0)
        return {};
    const qsizetype begin = start + startTag.size();
    const qsizetype end = text.indexOf(endTag, begin);
    if (end < 0)
        return {};
    // Only this one span is cut: the same text elsewhere in the page is not
    // the block and stays.
    QString block = text.mid(begin, end - begin);
    text.remove(begin, end - begin);
    return block;
}

void EmptySections(QString& text, const QString& startTag, const QString& endTag)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(startTag, from);
        if (start < 0)
            return;
        const qsizetype begin = start + startTag.size();
        const qsizetype end = text.indexOf(endTag, begin);
        if (end < 0)
            return;
        text.remove(begin, end - begin);
        from = begin + endTag.size();
    }
}

void InsertBeforeMarker(QString& text, const QString& startTag, const QString& insertion)
{
    const qsizetype at = text.indexOf(startTag);
    if (at >= 0)
        text.insert(at, insertion);
}

QString Escape(const QString& value)
{
    QString out = value.toHtmlEscaped();
    out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return out;
}

QString NotesHtml(const QString& notes)
{
    QString out = Escape(notes);
    // CR LF, LF and a lone CR each end a line, as the editor shows them.
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    // HTML would fold a tab into one blank; four keep a column apart, the
    // last an ordinary one so that a long line can still wrap there.
    out.replace(QLatin1Char('\t'), QLatin1String("&nbsp;&nbsp;&nbsp; "));
    return out;
}

QString DecodeTemplate(const QByteArray& bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
}

bool ReadTemplateFile(const QString& path, QString* text, QString* errorText)
{
    text->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = QStringLiteral("%1 (%2)").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = QStringLiteral("%1 (%2)").arg(path, file.errorString());
        return false;
    }
    *text = DecodeTemplate(bytes);
    return true;
}

QString TemplatesFolder()
{
    const QString& folder = FolderOverride();
    return folder.isEmpty() ? GetDataFilePath(QStringLiteral("Templates")) : folder;
}

void SetTemplatesFolder(const QString& folder)
{
    FolderOverride() = folder;
}

QString GetTemplatePath(const QString& fileName)
{
    return TemplatesFolder() + QLatin1Char('/') + fileName;
}

} // namespace HtmlTemplate
