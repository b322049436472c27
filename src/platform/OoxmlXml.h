#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

// Small helpers shared by the spreadsheet and word-processor stand-ins for
// the XML parts of office packages.
namespace OoxmlXml {

inline constexpr const char* kRelationshipsNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kContentTypesNs = "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr const char* kOfficeRelNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kRelTypeBase =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
inline constexpr const char* kContentTypeBase = "application/vnd.openxmlformats-officedocument.";

// Parses a part; false with the parser's reason when it is not well formed.
bool Load(pugi::xml_document& doc, const QByteArray& bytes, QString* why);
// UTF-8 with the standalone declaration office readers expect, no indentation.
QByteArray Save(const pugi::xml_document& doc);
// Without the declaration: legacy drawing (VML) parts are written bare.
QByteArray SaveBare(const pugi::xml_document& doc);
// The declaration Save() writes, for parts written piece by piece.
inline constexpr const char* kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
// Appends a node with its subtree, unindented, to the bytes of a part: a
// large part can be printed a piece at a time, each piece's tree let go once
// it is written.
void AppendNode(QByteArray& out, const pugi::xml_node& node);

// Inserts a new child element so that the parent's children keep the order a
// schema sequence prescribes (order lists local names; children not in it
// are stepped over). The new element takes the parent's prefix.
pugi::xml_node InsertInOrder(pugi::xml_node parent, const char* localName, const QStringList& order);

// The name of a node without its namespace prefix.
QString LocalName(const pugi::xml_node& node);
// The prefix of a node's name including the colon ("x:"), or "".
QString PrefixOf(const pugi::xml_node& node);
// The first child with the given local name (any prefix).
pugi::xml_node Child(const pugi::xml_node& parent, const char* localName);

// Drops what XML 1.0 cannot carry at all: control characters other than tab,
// line feed and carriage return, unpaired surrogates, U+FFFE and U+FFFF.
QString CleanText(const QString& text);
// Cell and comment text of a spreadsheet: CleanText, a carriage return as
// _x000D_, and a literal _xHHHH_ kept literal by escaping its underscore.
QString SpreadsheetText(const QString& text);
// What a stored cell or comment text stands for: each _xHHHH_ the character
// it names (so _x005F_ an underscore), read from left to right.
QString SpreadsheetTextValue(const QString& stored);
// True when a text element needs xml:space="preserve".
bool NeedsPreserve(const QString& text);

// An automation colour (0x00BBGGRR) as "RRGGBB"; empty when the high byte is
// set, which is not an RGB value.
QString ColorRefToRgb(quint32 colorRef);

// "xl/worksheets/sheet1.xml" -> "xl/worksheets/_rels/sheet1.xml.rels";
// "" (the package) -> "_rels/.rels".
QString RelsPartFor(const QString& partName);
// A relationship target seen from sourcePart, as a part name without the
// leading slash ("../comments1.xml" from "xl/worksheets/sheet1.xml" ->
// "xl/comments1.xml"). Empty when it leaves the package.
QString ResolveTarget(const QString& sourcePart, const QString& target);
// The relative target that leads from sourcePart to partName.
QString RelativeTarget(const QString& sourcePart, const QString& partName);

// A relationships part: lookups and additions.
class Relationships
{
public:
    bool Load(const QByteArray& bytes, QString* why); // empty bytes: no relationships yet
    QByteArray Save() const { return OoxmlXml::Save(m_doc); }
    // Target of the first relationship of the given type ending, e.g. "comments".
    QString TargetOfType(const QString& typeSuffix) const;
    QString IdOfType(const QString& typeSuffix) const;
    QString TargetOfId(const QString& id) const;
    // Adds a relationship and returns its new, unused id.
    QString Add(const QString& typeSuffix, const QString& target);
    void RemoveTarget(const QString& target);

private:
    pugi::xml_document m_doc;
};

// [Content_Types].xml: lookups and additions.
class ContentTypes
{
public:
    bool Load(const QByteArray& bytes, QString* why);
    QByteArray Save() const { return OoxmlXml::Save(m_doc); }
    // The content type of a part (Override first, then Default by extension).
    QString TypeOf(const QString& partName) const;
    void SetOverride(const QString& partName, const QString& contentType);
    void RemoveOverride(const QString& partName);
    void EnsureDefault(const QString& extension, const QString& contentType);

private:
    pugi::xml_document m_doc;
};

} // namespace OoxmlXml
