#pragma once

#include <QByteArray>
#include <QString>

// The tag mechanism shared by the HTML export and the print page: tags open
// with "<{[" and close with "]}>", a repeated block stands between a start and
// an end marker, and a block may hold an optional section (the notes).
namespace HtmlTemplate {

// "<{[" + name + "]}>"
QString Tag(const char* name);

// Cuts the text between the first startTag and the first endTag after it out
// of text and returns it; both markers stay, side by side. When either marker
// is missing (or the end comes first) the block counts as empty and text is
// left as it is.
QString CutBlock(QString& text, const QString& startTag, const QString& endTag);

// Empties every section between a startTag and the next endTag; the markers
// stay. A start marker without an end marker after it holds no section.
void EmptySections(QString& text, const QString& startTag, const QString& endTag);

// Inserts insertion just before the first startTag (a block that is filled
// once per record lands there, in record order). Nothing happens when the
// marker is missing.
void InsertBeforeMarker(QString& text, const QString& startTag, const QString& insertion);

// A value as HTML text: &, <, > and quotes escaped, so a value shows as typed
// and a tag inside a value stays text.
QString Escape(const QString& value);
// Notes as HTML: escaped, then every line break (CR LF, LF or a lone CR)
// becomes "<br>" and a tab four blanks.
QString NotesHtml(const QString& notes);

// The text of a template file's bytes: everything up to the first zero byte,
// read as UTF-8 (the templates declare it).
QString DecodeTemplate(const QByteArray& bytes);
// Reads a whole template file. On failure text is empty and errorText names
// the path and the reason.
[[nodiscard]] bool ReadTemplateFile(const QString& path, QString* text, QString* errorText);

// The "Templates" folder of the installed data folder or beside the program,
// or the folder set for tests.
QString TemplatesFolder();
// Points the templates at another folder; an empty folder restores the one
// beside the program.
void SetTemplatesFolder(const QString& folder);
// TemplatesFolder() + "/" + fileName.
QString GetTemplatePath(const QString& fileName);

} // namespace HtmlTemplate
