#include "platform/OoxmlXml.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace OoxmlXml {

namespace {
// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OoxmlXml)
};
} // namespace

bool Load(pugi::xml_document& doc, const QByteArray& bytes, QString* why)
{
    const pugi::xml_parse_result result =
        doc.load_buffer(bytes.constData(), size_t(bytes.size()),
                        pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_auto);
    if (!result) {
        if (why)
            *why =
                Texts::tr("%1 at offset %2").arg(QString::fromUtf8(result.description())).arg(result.offset);
        return false;
    }
    if (!doc.document_element()) {
        if (why)
            *why = Texts::tr("no root element");
        return false;
    }
    return true;
}

namespace {

// Collects pugixml's output straight into the bytes of a part.
class ByteArrayWriter : public pugi::xml_writer
{
public:
    explicit ByteArrayWriter(QByteArray& out) : m_out(out) {}
    void write(const void* data, size_t size) override
    {
        m_out.append(static_cast<const char*>(data), qsizetype(size));
    }

private:
    QByteArray& m_out;
};

QByteArray Print(const pugi::xml_document& doc, const char* declaration)
{
    QByteArray bytes(declaration);
    ByteArrayWriter writer(bytes);
    for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_declaration)
            continue;
        child.print(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    }
    return bytes;
}

} // namespace

QByteArray Save(const pugi::xml_document& doc)
{
    return Print(doc, kDeclaration);
}

void AppendNode(QByteArray& out, const pugi::xml_node& node)
{
    ByteArrayWriter writer(out);
    node.print(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
}

QByteArray SaveBare(const pugi::xml_document& doc)
{
    return Print(doc, "");
}

pugi::xml_node InsertInOrder(pugi::xml_node parent, const char* localName, const QStringList& order)
{
    const qsizetype rank = order.indexOf(QString::fromUtf8(localName));
    const QByteArray name = (PrefixOf(parent) + QString::fromUtf8(localName)).toUtf8();
    if (rank >= 0) {
        for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element)
                continue;
            const qsizetype r = order.indexOf(LocalName(c));
            if (r > rank)
                return parent.insert_child_before(name.constData(), c);
        }
    }
    return parent.append_child(name.constData());
}

QString LocalName(const pugi::xml_node& node)
{
    const QString name = QString::fromUtf8(node.name());
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon >= 0 ? name.mid(colon + 1) : name;
}

QString PrefixOf(const pugi::xml_node& node)
{
    const QString name = QString::fromUtf8(node.name());
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon >= 0 ? name.left(colon + 1) : QString();
}

pugi::xml_node Child(const pugi::xml_node& parent, const char* localName)
{
    const QString wanted = QString::fromUtf8(localName);
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element && LocalName(c) == wanted)
            return c;
    }
    return {};
}

namespace {
bool Unwanted(char16_t u)
{
    return (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D) || u == 0xFFFE || u == 0xFFFF;
}
} // namespace

QString CleanText(const QString& text)
{
    // Most texts carry nothing to drop: they are passed on as they are.
    bool clean = true;
    for (QChar c : text) {
        if (Unwanted(c.unicode()) || c.isSurrogate()) {
            clean = false;
            break;
        }
    }
    if (clean)
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate()) {
            if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                out += c;
                out += text.at(++i);
            }
            continue;
        }
        if (c.isLowSurrogate())
            continue;
        if (Unwanted(u))
            continue;
        out += c;
    }
    return out;
}

QString SpreadsheetText(const QString& text)
{
    static const QRegularExpression escapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    QString out = CleanText(text);
    if (out.contains(QLatin1Char('_')))
        out.replace(escapeLike, QStringLiteral("_x005F_\\1"));
    out.replace(QLatin1Char('\r'), QStringLiteral("_x000D_"));
    return out;
}

QString SpreadsheetTextValue(const QString& stored)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    if (!stored.contains(QLatin1Char('_')))
        return stored;
    QString out;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = escape.globalMatch(stored); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(stored).mid(from, m.capturedStart() - from);
        out += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += QStringView(stored).mid(from);
    return out;
}

bool NeedsPreserve(const QString& text)
{
    if (text.isEmpty())
        return false;
    return text.front().isSpace() || text.back().isSpace() || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\t'));
}

QString ColorRefToRgb(quint32 colorRef)
{
    if (colorRef & 0xFF000000u)
        return {};
    // Red is the low byte.
    static const char hex[] = "0123456789ABCDEF";
    QString rgb(6, Qt::Uninitialized);
    for (int i = 0; i < 3; ++i) {
        const unsigned byte = (colorRef >> (8 * i)) & 0xFF;
        rgb[2 * i] = QLatin1Char(hex[byte >> 4]);
        rgb[2 * i + 1] = QLatin1Char(hex[byte & 0xF]);
    }
    return rgb;
}

QString RelsPartFor(const QString& partName)
{
    if (partName.isEmpty())
        return QStringLiteral("_rels/.rels");
    const qsizetype slash = partName.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? partName.left(slash + 1) : QString();
    const QString file = partName.mid(slash + 1);
    return folder + QStringLiteral("_rels/") + file + QStringLiteral(".rels");
}

QString ResolveTarget(const QString& sourcePart, const QString& target)
{
    QString path;
    if (target.startsWith(QLatin1Char('/'))) {
        path = target.mid(1);
    } else {
        const qsizetype slash = sourcePart.lastIndexOf(QLatin1Char('/'));
        path = (slash >= 0 ? sourcePart.left(slash + 1) : QString()) + target;
    }
    QStringList out;
    for (const QString& segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (out.isEmpty())
                return {};
            out.removeLast();
            continue;
        }
        out.append(segment);
    }
    return out.join(QLatin1Char('/'));
}

QString RelativeTarget(const QString& sourcePart, const QString& partName)
{
    const qsizetype slash = sourcePart.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? sourcePart.left(slash) : QString();
    // QDir works on any string paths; anchor both at a fake root.
    return QDir(QStringLiteral("/") + folder).relativeFilePath(QStringLiteral("/") + partName);
}

// --- Relationships ---------------------------------------------------------

bool Relationships::Load(const QByteArray& bytes, QString* why)
{
    m_doc.reset();
    if (bytes.isEmpty()) {
        pugi::xml_node root = m_doc.append_child("Relationships");
        root.append_attribute("xmlns") = kRelationshipsNs;
        return true;
    }
    if (!OoxmlXml::Load(m_doc, bytes, why))
        return false;
    if (LocalName(m_doc.document_element()) != QLatin1String("Relationships")) {
        if (why)
            *why = Texts::tr("not a relationships part");
        return false;
    }
    return true;
}

namespace {
bool TypeMatches(const pugi::xml_node& rel, const QString& typeSuffix)
{
    const QString type = QString::fromUtf8(rel.attribute("Type").value());
    return type.endsWith(QLatin1Char('/') + typeSuffix);
}
} // namespace

QString Relationships::TargetOfType(const QString& typeSuffix) const
{
    for (pugi::xml_node rel : m_doc.document_element().children()) {
        if (LocalName(rel) == QLatin1String("Relationship") && TypeMatches(rel, typeSuffix) &&
            QString::fromUtf8(rel.attribute("TargetMode").value()) != QLatin1String("External"))
            return QString::fromUtf8(rel.attribute("Target").value());
    }
    return {};
}

QString Relationships::IdOfType(const QString& typeSuffix) const
{
    for (pugi::xml_node rel : m_doc.document_element().children()) {
        if (LocalName(rel) == QLatin1String("Relationship") && TypeMatches(rel, typeSuffix))
            return QString::fromUtf8(rel.attribute("Id").value());
    }
    return {};
}

QString Relationships::TargetOfId(const QString& id) const
{
    for (pugi::xml_node rel : m_doc.document_element().children()) {
        if (LocalName(rel) == QLatin1String("Relationship") &&
            QString::fromUtf8(rel.attribute("Id").value()) == id)
            return QString::fromUtf8(rel.attribute("Target").value());
    }
    return {};
}

QString Relationships::Add(const QString& typeSuffix, const QString& target)
{
    QString id;
    for (int n = 1;; ++n) {
        id = QStringLiteral("rId%1").arg(n);
        if (TargetOfId(id).isEmpty())
            break;
    }
    pugi::xml_node root = m_doc.document_element();
    pugi::xml_node rel =
        root.append_child((PrefixOf(root) + QStringLiteral("Relationship")).toUtf8().constData());
    rel.append_attribute("Id") = id.toUtf8().constData();
    rel.append_attribute("Type") = (QString::fromUtf8(kRelTypeBase) + typeSuffix).toUtf8().constData();
    rel.append_attribute("Target") = target.toUtf8().constData();
    return id;
}

void Relationships::RemoveTarget(const QString& target)
{
    pugi::xml_node root = m_doc.document_element();
    for (pugi::xml_node rel = root.first_child(); rel;) {
        pugi::xml_node next = rel.next_sibling();
        if (QString::fromUtf8(rel.attribute("Target").value()) == target)
            root.remove_child(rel);
        rel = next;
    }
}

// --- ContentTypes ----------------------------------------------------------

bool ContentTypes::Load(const QByteArray& bytes, QString* why)
{
    m_doc.reset();
    if (!OoxmlXml::Load(m_doc, bytes, why))
        return false;
    if (LocalName(m_doc.document_element()) != QLatin1String("Types")) {
        if (why)
            *why = Texts::tr("not a content types part");
        return false;
    }
    return true;
}

QString ContentTypes::TypeOf(const QString& partName) const
{
    const QString wanted = QLatin1Char('/') + partName;
    for (pugi::xml_node n : m_doc.document_element().children()) {
        if (LocalName(n) == QLatin1String("Override") &&
            QString::fromUtf8(n.attribute("PartName").value()).compare(wanted, Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(n.attribute("ContentType").value());
    }
    const QString ext = partName.mid(partName.lastIndexOf(QLatin1Char('.')) + 1);
    for (pugi::xml_node n : m_doc.document_element().children()) {
        if (LocalName(n) == QLatin1String("Default") &&
            QString::fromUtf8(n.attribute("Extension").value()).compare(ext, Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(n.attribute("ContentType").value());
    }
    return {};
}

void ContentTypes::SetOverride(const QString& partName, const QString& contentType)
{
    const QString wanted = QLatin1Char('/') + partName;
    pugi::xml_node root = m_doc.document_element();
    for (pugi::xml_node n : root.children()) {
        if (LocalName(n) == QLatin1String("Override") &&
            QString::fromUtf8(n.attribute("PartName").value()).compare(wanted, Qt::CaseInsensitive) == 0) {
            n.attribute("ContentType").set_value(contentType.toUtf8().constData());
            return;
        }
    }
    pugi::xml_node n = root.append_child((PrefixOf(root) + QStringLiteral("Override")).toUtf8().constData());
    n.append_attribute("PartName") = wanted.toUtf8().constData();
    n.append_attribute("ContentType") = contentType.toUtf8().constData();
}

void ContentTypes::RemoveOverride(const QString& partName)
{
    const QString wanted = QLatin1Char('/') + partName;
    pugi::xml_node root = m_doc.document_element();
    for (pugi::xml_node n = root.first_child(); n;) {
        pugi::xml_node next = n.next_sibling();
        if (LocalName(n) == QLatin1String("Override") &&
            QString::fromUtf8(n.attribute("PartName").value()).compare(wanted, Qt::CaseInsensitive) == 0)
            root.remove_child(n);
        n = next;
    }
}

void ContentTypes::EnsureDefault(const QString& extension, const QString& contentType)
{
    pugi::xml_node root = m_doc.document_element();
    for (pugi::xml_node n : root.children()) {
        if (LocalName(n) == QLatin1String("Default") &&
            QString::fromUtf8(n.attribute("Extension").value()).compare(extension, Qt::CaseInsensitive) == 0)
            return;
    }
    // Defaults come before Overrides by convention.
    pugi::xml_node firstOverride = Child(root, "Override");
    const QByteArray name = (PrefixOf(root) + QStringLiteral("Default")).toUtf8();
    pugi::xml_node n = firstOverride ? root.insert_child_before(name.constData(), firstOverride)
                                     : root.append_child(name.constData());
    n.append_attribute("Extension") = extension.toUtf8().constData();
    n.append_attribute("ContentType") = contentType.toUtf8().constData();
}

} // namespace OoxmlXml
