#include "platform/CXlsxWorkbook.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

using namespace OoxmlXml;

namespace {

const QString kTemplateMainType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml");
const QString kWorkbookMainType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
const QString kCommentsType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.comments+xml");
const QString kStylesType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
const QString kVmlType = QStringLiteral("application/vnd.openxmlformats-officedocument.vmlDrawing");
const char* const kCommentAuthor = "Tallyvane";

constexpr int kMaxColumn = 16384;         // XFD
constexpr double kMaxColumnWidth = 255.0; // characters
constexpr int kMaxRow = 1048576;

// The children of a worksheet in the order its schema fixes.
const QStringList& WorksheetOrder()
{
    static const QStringList order = {
        QStringLiteral("sheetPr"),
        QStringLiteral("dimension"),
        QStringLiteral("sheetViews"),
        QStringLiteral("sheetFormatPr"),
        QStringLiteral("cols"),
        QStringLiteral("sheetData"),
        QStringLiteral("sheetCalcPr"),
        QStringLiteral("sheetProtection"),
        QStringLiteral("protectedRanges"),
        QStringLiteral("scenarios"),
        QStringLiteral("autoFilter"),
        QStringLiteral("sortState"),
        QStringLiteral("dataConsolidate"),
        QStringLiteral("customSheetViews"),
        QStringLiteral("mergeCells"),
        QStringLiteral("phoneticPr"),
        QStringLiteral("conditionalFormatting"),
        QStringLiteral("dataValidations"),
        QStringLiteral("hyperlinks"),
        QStringLiteral("printOptions"),
        QStringLiteral("pageMargins"),
        QStringLiteral("pageSetup"),
        QStringLiteral("headerFooter"),
        QStringLiteral("rowBreaks"),
        QStringLiteral("colBreaks"),
        QStringLiteral("customProperties"),
        QStringLiteral("cellWatches"),
        QStringLiteral("ignoredErrors"),
        QStringLiteral("smartTags"),
        QStringLiteral("drawing"),
        QStringLiteral("legacyDrawing"),
        QStringLiteral("legacyDrawingHF"),
        QStringLiteral("drawingHF"),
        QStringLiteral("picture"),
        QStringLiteral("oleObjects"),
        QStringLiteral("controls"),
        QStringLiteral("webPublishItems"),
        QStringLiteral("tableParts"),
        QStringLiteral("extLst"),
    };
    return order;
}

const QStringList& StyleSheetOrder()
{
    static const QStringList order = {
        QStringLiteral("numFmts"),    QStringLiteral("fonts"),        QStringLiteral("fills"),
        QStringLiteral("borders"),    QStringLiteral("cellStyleXfs"), QStringLiteral("cellXfs"),
        QStringLiteral("cellStyles"), QStringLiteral("dxfs"),         QStringLiteral("tableStyles"),
        QStringLiteral("colors"),     QStringLiteral("extLst"),
    };
    return order;
}

QByteArray Utf8(const QString& s)
{
    return s.toUtf8();
}

QString AttrText(const pugi::xml_node& node, const char* name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

// The prefix (with colon) under which a root declares a namespace; empty
// string when it is the default namespace; null QString when undeclared.
QString DeclaredPrefix(const pugi::xml_node& root, const char* ns)
{
    for (pugi::xml_attribute a : root.attributes()) {
        const QString name = QString::fromUtf8(a.name());
        if (QString::fromUtf8(a.value()) != QString::fromUtf8(ns))
            continue;
        if (name == QLatin1String("xmlns"))
            return QStringLiteral("");
        if (name.startsWith(QLatin1String("xmlns:")))
            return name.mid(6) + QLatin1Char(':');
    }
    return QString();
}

// The prefix for the office relationships namespace on a root, declaring
// "r" (or a free name) when it is missing.
QString RelationshipPrefix(pugi::xml_node root)
{
    const QString existing = DeclaredPrefix(root, kOfficeRelNs);
    if (!existing.isNull() && !existing.isEmpty())
        return existing;
    QString name = QStringLiteral("r");
    while (root.attribute(Utf8(QStringLiteral("xmlns:") + name).constData()))
        name += QLatin1Char('r');
    root.append_attribute(Utf8(QStringLiteral("xmlns:") + name).constData()) = kOfficeRelNs;
    return name + QLatin1Char(':');
}

int Count(const pugi::xml_node& parent, const char* localName)
{
    int n = 0;
    const QString wanted = QString::fromUtf8(localName);
    for (pugi::xml_node c : parent.children()) {
        if (c.type() == pugi::node_element && LocalName(c) == wanted)
            ++n;
    }
    return n;
}

pugi::xml_node NthChild(const pugi::xml_node& parent, const char* localName, int index)
{
    const QString wanted = QString::fromUtf8(localName);
    int n = 0;
    for (pugi::xml_node c : parent.children()) {
        if (c.type() == pugi::node_element && LocalName(c) == wanted && n++ == index)
            return c;
    }
    return {};
}

void SetCount(pugi::xml_node parent, const char* childName)
{
    const int n = Count(parent, childName);
    if (pugi::xml_attribute a = parent.attribute("count"))
        a.set_value(n);
    else
        parent.append_attribute("count") = n;
}

pugi::xml_node AppendChild(pugi::xml_node parent, const QString& prefix, const char* localName)
{
    return parent.append_child(Utf8(prefix + QString::fromUtf8(localName)).constData());
}

// A part name of the form folder/stemN.ext that the package does not hold.
QString FreePartName(const OoxmlPackage& package, const QString& folder, const QString& stem,
                     const QString& ext)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1/%2%3.%4").arg(folder, stem).arg(n).arg(ext);
        if (!package.Contains(name))
            return name;
    }
}

bool Fail(QString* why, const QString& text)
{
    if (why)
        *why = text;
    return false;
}

} // namespace

// The parsed active sheet with the parts that hang off it.
struct CXlsxWorkbook::Sheet
{
    QString part;
    pugi::xml_document doc;
    QString ns; // prefix of the spreadsheet namespace ("" or "x:")
    QByteArray rowName, cellName;
    Relationships rels;
    bool relsChanged = false;

    // Every row of sheetData by number and every cell of a row by column, so
    // that finding or placing a cell never walks the sheet.
    struct Row
    {
        pugi::xml_node node;
        std::map<int, pugi::xml_node> cells;
    };
    pugi::xml_node data;
    std::map<int, Row> rows;

    QString commentsPart;
    pugi::xml_document comments;
    QString vmlPart;
    pugi::xml_document vml;
    bool hasComments = false;
    std::set<std::pair<int, int>> commentCells; // (row, column) of every comment
    int authorId = 0;
    int lastShapeId = 1024;
    int shapeBlocks = 0; // blocks of 1024 shape ids the id map announces
};

CXlsxWorkbook::CXlsxWorkbook() = default;
CXlsxWorkbook::~CXlsxWorkbook() = default;

bool CXlsxWorkbook::ParseCellName(const QString& cell, int* column, int* row)
{
    // One to three letters, then a row number without leading zeros.
    qsizetype i = 0;
    int col = 0;
    for (; i < cell.size(); ++i) {
        char16_t u = cell.at(i).unicode();
        if (u >= u'a' && u <= u'z')
            u -= u'a' - u'A';
        if (u < u'A' || u > u'Z')
            break;
        col = col * 26 + (u - u'A' + 1);
        if (i == 3)
            return false;
    }
    const qsizetype digits = cell.size() - i;
    if (i == 0 || digits < 1 || digits > 7 || cell.at(i) == u'0')
        return false;
    int r = 0;
    for (; i < cell.size(); ++i) {
        const char16_t u = cell.at(i).unicode();
        if (u < u'0' || u > u'9')
            return false;
        r = r * 10 + (u - u'0');
    }
    if (col > kMaxColumn || r > kMaxRow)
        return false;
    *column = col;
    *row = r;
    return true;
}

QString CXlsxWorkbook::ColumnName(int column)
{
    QString name;
    while (column > 0) {
        const int rem = (column - 1) % 26;
        name.prepend(QChar('A' + rem));
        column = (column - 1) / 26;
    }
    return name;
}

bool CXlsxWorkbook::Load(const QString& templatePath, QString* why)
{
    m_loaded = false;
    m_sheet.reset();
    m_sheetParts.clear();
    m_active = -1;
    m_stylesLoaded = false;
    m_derivedStyles.clear();
    m_numberFormats.clear();
    m_sharedRefsDropped = 0;
    m_sharedRefsApplied = 0;
    m_sharedStrings.clear();
    m_sharedStringsLoaded = false;

    QString reason;
    if (!m_package.Read(templatePath, &reason))
        return Fail(why, QStringLiteral("%1: %2").arg(templatePath, reason));
    auto broken = [&](const QString& text) {
        m_package.Clear();
        return Fail(why, QStringLiteral("%1: %2").arg(templatePath, text));
    };

    if (!m_types.Load(m_package.Part(QStringLiteral("[Content_Types].xml")), &reason))
        return broken(tr("no valid content types (%1)").arg(reason));

    Relationships rootRels;
    if (!m_package.Contains(QStringLiteral("_rels/.rels")) ||
        !rootRels.Load(m_package.Part(QStringLiteral("_rels/.rels")), &reason))
        return broken(tr("no valid package relationships"));
    m_workbookPart = ResolveTarget(QString(), rootRels.TargetOfType(QStringLiteral("officeDocument")));
    if (m_workbookPart.isEmpty() || !m_package.Contains(m_workbookPart))
        return broken(tr("the package holds no workbook"));

    const QString type = m_types.TypeOf(m_workbookPart);
    if (type != kTemplateMainType && type != kWorkbookMainType)
        return broken(tr("not a spreadsheet template"));
    // A workbook made from a template is an ordinary workbook.
    m_types.SetOverride(m_workbookPart, kWorkbookMainType);

    if (!OoxmlXml::Load(m_workbook, m_package.Part(m_workbookPart), &reason))
        return broken(tr("the workbook part is damaged (%1)").arg(reason));
    Relationships bookRels;
    if (!bookRels.Load(m_package.Part(RelsPartFor(m_workbookPart)), &reason))
        return broken(tr("the workbook relationships are damaged (%1)").arg(reason));

    const pugi::xml_node book = m_workbook.document_element();
    const QString relPrefix = DeclaredPrefix(book, kOfficeRelNs);
    for (pugi::xml_node sheet : Child(book, "sheets").children()) {
        if (LocalName(sheet) != QLatin1String("sheet"))
            continue;
        const QString id = AttrText(sheet, Utf8(relPrefix + QStringLiteral("id")).constData());
        const QString part = ResolveTarget(m_workbookPart, bookRels.TargetOfId(id));
        if (id.isEmpty() || part.isEmpty() || !m_package.Contains(part))
            return broken(tr("a sheet of the workbook is missing"));
        m_sheetParts.append(part);
    }

    // The calculation chain caches formula cells; cells we overwrite with text
    // would leave it stale, so it goes (the application rebuilds it).
    const QString calcTarget = bookRels.TargetOfType(QStringLiteral("calcChain"));
    if (!calcTarget.isEmpty()) {
        const QString calcPart = ResolveTarget(m_workbookPart, calcTarget);
        m_package.RemovePart(calcPart);
        m_types.RemoveOverride(calcPart);
        bookRels.RemoveTarget(calcTarget);
        m_package.SetPart(RelsPartFor(m_workbookPart), bookRels.Save());
    }

    m_loaded = true;
    if (!m_sheetParts.isEmpty()) {
        m_active = 0;
        if (!LoadActiveSheet(&reason)) {
            m_loaded = false;
            return broken(reason);
        }
    }
    return true;
}

bool CXlsxWorkbook::SelectSheet(int index, QString* why)
{
    if (!m_loaded)
        return Fail(why, tr("No workbook is open."));
    if (index < 1 || index > m_sheetParts.size())
        return Fail(why, tr("The workbook has no sheet %1.").arg(index));
    if (m_active == index - 1)
        return true;
    if (!FlushActiveSheet(why))
        return false;
    m_active = index - 1;
    if (pugi::xml_node view = Child(Child(m_workbook.document_element(), "bookViews"), "workbookView")) {
        if (pugi::xml_attribute a = view.attribute("activeTab"))
            a.set_value(m_active);
        else
            view.append_attribute("activeTab") = m_active;
    }
    return LoadActiveSheet(why);
}

QString CXlsxWorkbook::ActiveSheetPart() const
{
    return m_sheet ? m_sheet->part : QString();
}

bool CXlsxWorkbook::LoadActiveSheet(QString* why)
{
    m_sheet.reset();
    auto sheet = std::make_unique<Sheet>();
    sheet->part = m_sheetParts.at(m_active);
    QString reason;
    if (!OoxmlXml::Load(sheet->doc, m_package.Part(sheet->part), &reason))
        return Fail(why, tr("The sheet %1 is damaged (%2).").arg(sheet->part, reason));
    pugi::xml_node root = sheet->doc.document_element();
    if (LocalName(root) != QLatin1String("worksheet"))
        return Fail(why, tr("The active sheet is not a worksheet."));
    sheet->ns = PrefixOf(root);
    if (!sheet->rels.Load(m_package.Part(RelsPartFor(sheet->part)), &reason))
        return Fail(why, tr("The relationships of %1 are damaged (%2).").arg(sheet->part, reason));

    sheet->rowName = Utf8(sheet->ns + QStringLiteral("row"));
    sheet->cellName = Utf8(sheet->ns + QStringLiteral("c"));

    // Rows and cells may leave out their positions; give every one its
    // explicit reference so that inserting keeps the order.
    pugi::xml_node data = Child(root, "sheetData");
    if (!data)
        data = InsertInOrder(root, "sheetData", WorksheetOrder());
    sheet->data = data;
    int lastRow = 0;
    for (pugi::xml_node row : data.children()) {
        if (LocalName(row) != QLatin1String("row"))
            continue;
        int r = row.attribute("r").as_int(0);
        if (r <= lastRow) {
            if (row.attribute("r"))
                return Fail(why, tr("The rows of %1 are out of order.").arg(sheet->part));
            r = lastRow + 1;
            row.append_attribute("r") = r;
        }
        lastRow = r;
        Sheet::Row& entry = sheet->rows.emplace_hint(sheet->rows.end(), r, Sheet::Row{row, {}})->second;
        int lastCol = 0;
        for (pugi::xml_node c : row.children()) {
            if (LocalName(c) != QLatin1String("c"))
                continue;
            int col = 0, cr = 0;
            if (c.attribute("r")) {
                if (!ParseCellName(AttrText(c, "r"), &col, &cr) || cr != r || col <= lastCol)
                    return Fail(why, tr("The cells of %1 are out of order.").arg(sheet->part));
            } else {
                col = lastCol + 1;
                c.append_attribute("r") = Utf8(ColumnName(col) + QString::number(r)).constData();
            }
            entry.cells.emplace_hint(entry.cells.end(), col, c);
            lastCol = col;
        }
    }
    m_sheet = std::move(sheet);
    return true;
}

pugi::xml_node CXlsxWorkbook::FindOrCreateCell(const QString& cell, QString* why)
{
    if (!m_sheet) {
        Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
        return {};
    }
    int col = 0, row = 0;
    if (!ParseCellName(cell, &col, &row)) {
        Fail(why, tr("%1 is not a cell name.").arg(cell));
        return {};
    }
    Sheet& s = *m_sheet;

    auto rowIt = s.rows.lower_bound(row);
    if (rowIt == s.rows.end() || rowIt->first != row) {
        pugi::xml_node node = rowIt != s.rows.end()
                                  ? s.data.insert_child_before(s.rowName.constData(), rowIt->second.node)
                                  : s.data.append_child(s.rowName.constData());
        node.append_attribute("r") = row;
        rowIt = s.rows.emplace_hint(rowIt, row, Sheet::Row{node, {}});
    }
    Sheet::Row& entry = rowIt->second;
    auto cellIt = entry.cells.lower_bound(col);
    if (cellIt != entry.cells.end() && cellIt->first == col)
        return cellIt->second;

    pugi::xml_node before = cellIt != entry.cells.end() ? cellIt->second : pugi::xml_node();
    // A row's extension list stays after its cells.
    if (!before && entry.node.last_child() && LocalName(entry.node.last_child()) == QLatin1String("extLst"))
        before = entry.node.last_child();
    pugi::xml_node c = before ? entry.node.insert_child_before(s.cellName.constData(), before)
                              : entry.node.append_child(s.cellName.constData());
    c.append_attribute("r") = Utf8(ColumnName(col) + QString::number(row)).constData();
    entry.cells.emplace_hint(cellIt, col, c);

    // A new cell takes the style the row or the column gives it, as typing
    // into an empty cell does.
    const pugi::xml_node rowNode = entry.node;
    const char* style = "";
    if (rowNode.attribute("customFormat").as_bool() && rowNode.attribute("s"))
        style = rowNode.attribute("s").value();
    if (!*style) {
        for (pugi::xml_node colNode : Child(s.doc.document_element(), "cols").children()) {
            if (colNode.attribute("min").as_int() <= col && col <= colNode.attribute("max").as_int() &&
                colNode.attribute("style")) {
                style = colNode.attribute("style").value();
                break;
            }
        }
    }
    if (*style && std::strcmp(style, "0") != 0)
        c.append_attribute("s") = style;
    return c;
}

void CXlsxWorkbook::ClearCellValue(pugi::xml_node c)
{
    // A cell that pointed into the shared strings no longer counts there.
    if (std::strcmp(c.attribute("t").value(), "s") == 0 && Child(c, "v"))
        ++m_sharedRefsDropped;
    for (pugi::xml_node child = c.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        const QString local = LocalName(child);
        if (local == QLatin1String("f") || local == QLatin1String("v") || local == QLatin1String("is"))
            c.remove_child(child);
        child = next;
    }
    c.remove_attribute("t");
}

bool CXlsxWorkbook::SetCellText(const QString& cell, const QString& text, QString* why)
{
    pugi::xml_node c = FindOrCreateCell(cell, why);
    if (!c)
        return false;
    ClearCellValue(c);
    // An empty text empties the cell; its style stays.
    if (text.isEmpty())
        return true;
    c.append_attribute("t") = "inlineStr";
    const QString value = SpreadsheetText(text);
    pugi::xml_node t = AppendChild(AppendChild(c, m_sheet->ns, "is"), m_sheet->ns, "t");
    if (NeedsPreserve(value))
        t.append_attribute("xml:space") = "preserve";
    t.text().set(Utf8(value).constData());
    return true;
}

bool CXlsxWorkbook::SetCellNumber(const QString& cell, double value, QString* why)
{
    if (!std::isfinite(value))
        return Fail(why, tr("%1 is not a number a cell can hold.").arg(value));
    pugi::xml_node c = FindOrCreateCell(cell, why);
    if (!c)
        return false;
    ClearCellValue(c);
    // The shortest text that reads back as the same double.
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value == 0.0 ? 0.0 : value);
    *result.ptr = '\0';
    AppendChild(c, m_sheet->ns, "v").text().set(digits);
    return true;
}

bool CXlsxWorkbook::SetCellNumberFormat(const QString& cell, const QString& formatCode, QString* why)
{
    if (formatCode.isEmpty())
        return Fail(why, tr("An empty number format cannot be given to %1.").arg(cell));
    pugi::xml_node c = FindOrCreateCell(cell, why);
    if (!c || !EnsureStyles(why))
        return false;
    const int id = NumberFormatId(formatCode);
    const int xf = DerivedStyle(c, QStringLiteral("n%1").arg(id), [id](pugi::xml_node f) {
        f.remove_attribute("numFmtId");
        f.append_attribute("numFmtId") = id;
        f.remove_attribute("applyNumberFormat");
        f.append_attribute("applyNumberFormat") = 1;
    });
    c.remove_attribute("s");
    c.append_attribute("s") = xf;
    return true;
}

int CXlsxWorkbook::NumberFormatId(const QString& formatCode)
{
    if (formatCode.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return 0;
    pugi::xml_node sheet = m_styles.document_element();
    pugi::xml_node formats = Child(sheet, "numFmts");
    if (m_numberFormats.isEmpty() && formats) {
        for (pugi::xml_node f : formats.children())
            m_numberFormats.insert(AttrText(f, "formatCode"), f.attribute("numFmtId").as_int());
    }
    if (m_numberFormats.contains(formatCode))
        return m_numberFormats.value(formatCode);
    if (!formats)
        formats = InsertInOrder(sheet, "numFmts", StyleSheetOrder());
    // Ids below 164 belong to the built-in formats.
    int id = 163;
    for (int used : std::as_const(m_numberFormats))
        id = std::max(id, used);
    ++id;
    pugi::xml_node f = AppendChild(formats, PrefixOf(sheet), "numFmt");
    f.append_attribute("numFmtId") = id;
    f.append_attribute("formatCode") = Utf8(CleanText(formatCode)).constData();
    SetCount(formats, "numFmt");
    m_numberFormats.insert(formatCode, id);
    return id;
}

int CXlsxWorkbook::DerivedStyle(pugi::xml_node c, const QString& key,
                                const std::function<void(pugi::xml_node xf)>& change)
{
    const int style = c.attribute("s").as_int(0);
    const QString cacheKey = QString::number(style) + QLatin1Char(':') + key;
    if (m_derivedStyles.contains(cacheKey))
        return m_derivedStyles.value(cacheKey);

    pugi::xml_node sheet = m_styles.document_element();
    const QString ns = PrefixOf(sheet);
    pugi::xml_node xfs = Child(sheet, "cellXfs");
    if (!xfs) {
        xfs = InsertInOrder(sheet, "cellXfs", StyleSheetOrder());
        pugi::xml_node xf = AppendChild(xfs, ns, "xf");
        for (const char* a : {"numFmtId", "fontId", "fillId", "borderId"})
            xf.append_attribute(a) = 0;
    }
    pugi::xml_node base = NthChild(xfs, "xf", style);
    if (!base)
        base = NthChild(xfs, "xf", 0);
    pugi::xml_node xf = xfs.append_copy(base);
    if (!xf) {
        xf = AppendChild(xfs, ns, "xf");
        for (const char* a : {"numFmtId", "fontId", "fillId", "borderId"})
            xf.append_attribute(a) = 0;
    }
    change(xf);
    const int index = Count(xfs, "xf") - 1;
    SetCount(xfs, "xf");
    m_derivedStyles.insert(cacheKey, index);
    return index;
}

bool CXlsxWorkbook::SetPaperSize(int paperSize, QString* why)
{
    if (!m_sheet)
        return Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
    if (paperSize < 1 || paperSize > 118)
        return Fail(why, tr("%1 is not a paper size.").arg(paperSize));
    pugi::xml_node root = m_sheet->doc.document_element();
    pugi::xml_node setup = Child(root, "pageSetup");
    if (!setup)
        setup = InsertInOrder(root, "pageSetup", WorksheetOrder());
    setup.remove_attribute("paperSize");
    setup.prepend_attribute("paperSize") = paperSize;
    return true;
}

// The text of a run of text elements: the t children of an si or is
// element and those of its runs; phonetic guides (rPh) are not part of it.
QString CXlsxWorkbook::RichText(const pugi::xml_node& holder)
{
    QString text;
    for (pugi::xml_node child : holder.children()) {
        const QString local = LocalName(child);
        if (local == QLatin1String("t"))
            text += QString::fromUtf8(child.child_value());
        else if (local == QLatin1String("r"))
            text += QString::fromUtf8(Child(child, "t").child_value());
    }
    return SpreadsheetTextValue(text);
}

bool CXlsxWorkbook::LoadSharedStrings(QString* why)
{
    if (m_sharedStringsLoaded)
        return true;
    Relationships bookRels;
    QString reason;
    if (!bookRels.Load(m_package.Part(RelsPartFor(m_workbookPart)), &reason))
        return Fail(why, reason);
    const QString target = bookRels.TargetOfType(QStringLiteral("sharedStrings"));
    const QString part = target.isEmpty() ? QString() : ResolveTarget(m_workbookPart, target);
    if (!part.isEmpty() && m_package.Contains(part)) {
        pugi::xml_document sst;
        if (!OoxmlXml::Load(sst, m_package.Part(part), &reason))
            return Fail(why, tr("The shared strings of the workbook are damaged (%1).").arg(reason));
        for (pugi::xml_node si : sst.document_element().children()) {
            if (LocalName(si) == QLatin1String("si"))
                m_sharedStrings << RichText(si);
        }
    }
    m_sharedStringsLoaded = true;
    return true;
}

bool CXlsxWorkbook::CellText(const QString& cell, QString* text, QString* why)
{
    if (!m_sheet)
        return Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
    int col = 0, row = 0;
    if (!ParseCellName(cell, &col, &row))
        return Fail(why, tr("%1 is not a cell name.").arg(cell));
    text->clear();
    const auto rowIt = m_sheet->rows.find(row);
    if (rowIt == m_sheet->rows.end())
        return true;
    const auto cellIt = rowIt->second.cells.find(col);
    if (cellIt == rowIt->second.cells.end())
        return true;
    const pugi::xml_node c = cellIt->second;
    const QString type = AttrText(c, "t");
    const QString value = QString::fromUtf8(Child(c, "v").child_value());
    if (type == QLatin1String("inlineStr")) {
        *text = RichText(Child(c, "is"));
    } else if (type == QLatin1String("s")) {
        if (!LoadSharedStrings(why))
            return false;
        bool ok = false;
        const int index = value.toInt(&ok);
        if (!ok || index < 0 || index >= m_sharedStrings.size())
            return Fail(why, tr("%1 points to a shared string the workbook does not hold.").arg(cell));
        *text = m_sharedStrings.at(index);
    } else if (type == QLatin1String("str")) {
        *text = SpreadsheetTextValue(value);
    } else {
        *text = value;
    }
    return true;
}

bool CXlsxWorkbook::ColumnWidth(int column, double* width, QString* why)
{
    if (!m_sheet)
        return Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
    if (column < 1 || column > kMaxColumn)
        return Fail(why, tr("The sheet has no column %1.").arg(column));
    const pugi::xml_node root = m_sheet->doc.document_element();
    for (pugi::xml_node c : Child(root, "cols").children()) {
        if (LocalName(c) == QLatin1String("col") && c.attribute("min").as_int() <= column &&
            column <= c.attribute("max").as_int() && c.attribute("width")) {
            *width = c.attribute("width").as_double();
            return true;
        }
    }
    // The sheet's default, else what a spreadsheet program takes for eight
    // digits and the cell's margins.
    const pugi::xml_node format = Child(root, "sheetFormatPr");
    if (format.attribute("defaultColWidth"))
        *width = format.attribute("defaultColWidth").as_double();
    else
        *width = format.attribute("baseColWidth").as_double(8.0) + 0.43;
    return true;
}

bool CXlsxWorkbook::SetColumnWidth(int column, double width, QString* why)
{
    if (!m_sheet)
        return Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
    if (column < 1 || column > kMaxColumn)
        return Fail(why, tr("The sheet has no column %1.").arg(column));
    if (!std::isfinite(width) || width < 0 || width > kMaxColumnWidth)
        return Fail(why, tr("%1 is not a column width.").arg(width));
    pugi::xml_node root = m_sheet->doc.document_element();
    pugi::xml_node cols = Child(root, "cols");
    if (!cols)
        cols = InsertInOrder(root, "cols", WorksheetOrder());

    // The entry of the column alone: a range it shares is split, the other
    // columns keeping what they had.
    pugi::xml_node entry;
    pugi::xml_node after;
    for (pugi::xml_node c : cols.children()) {
        if (LocalName(c) != QLatin1String("col"))
            continue;
        const int min = c.attribute("min").as_int();
        const int max = c.attribute("max").as_int();
        if (min > column) {
            after = c;
            break;
        }
        if (column > max)
            continue;
        if (min < column)
            cols.insert_copy_before(c, c).attribute("max").set_value(column - 1);
        if (max > column)
            cols.insert_copy_after(c, c).attribute("min").set_value(column + 1);
        c.attribute("min").set_value(column);
        c.attribute("max").set_value(column);
        entry = c;
        break;
    }
    if (!entry) {
        entry = after ? cols.insert_child_before(Utf8(m_sheet->ns + QStringLiteral("col")).constData(), after)
                      : AppendChild(cols, m_sheet->ns, "col");
        entry.append_attribute("min") = column;
        entry.append_attribute("max") = column;
    }
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, width);
    *result.ptr = '\0';
    if (!entry.attribute("width"))
        entry.append_attribute("width");
    entry.attribute("width").set_value(digits);
    if (!entry.attribute("customWidth"))
        entry.append_attribute("customWidth");
    entry.attribute("customWidth").set_value(1);
    return true;
}

bool CXlsxWorkbook::UpdateSharedStringCount(QString* why)
{
    const int pending = m_sharedRefsDropped - m_sharedRefsApplied;
    if (pending <= 0)
        return true;
    Relationships bookRels;
    if (!bookRels.Load(m_package.Part(RelsPartFor(m_workbookPart)), why))
        return false;
    const QString target = bookRels.TargetOfType(QStringLiteral("sharedStrings"));
    const QString part = target.isEmpty() ? QString() : ResolveTarget(m_workbookPart, target);
    pugi::xml_document sst;
    if (part.isEmpty() || !OoxmlXml::Load(sst, m_package.Part(part), nullptr))
        return true; // nothing to keep true
    if (pugi::xml_attribute count = sst.document_element().attribute("count")) {
        count.set_value(std::max(0, count.as_int() - pending));
        m_package.SetPart(part, OoxmlXml::Save(sst));
    }
    m_sharedRefsApplied = m_sharedRefsDropped;
    return true;
}

bool CXlsxWorkbook::EnsureStyles(QString* why)
{
    if (m_stylesLoaded)
        return true;
    Relationships bookRels;
    QString reason;
    if (!bookRels.Load(m_package.Part(RelsPartFor(m_workbookPart)), &reason))
        return Fail(why, reason);
    const QString target = bookRels.TargetOfType(QStringLiteral("styles"));
    if (!target.isEmpty() && m_package.Contains(ResolveTarget(m_workbookPart, target))) {
        m_stylesPart = ResolveTarget(m_workbookPart, target);
        if (!OoxmlXml::Load(m_styles, m_package.Part(m_stylesPart), &reason))
            return Fail(why, tr("The styles of the workbook are damaged (%1).").arg(reason));
    } else {
        // A workbook without styles gets the smallest complete style sheet.
        static const char* const minimal =
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
            "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
            "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
            "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
            "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
            "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
            "borderId=\"0\"/></cellStyleXfs>"
            "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" "
            "xfId=\"0\"/></cellXfs>"
            "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
            "</styleSheet>";
        m_styles.load_string(minimal);
        m_stylesPart = FreePartName(m_package, m_workbookPart.section(QLatin1Char('/'), 0, -2),
                                    QStringLiteral("styles"), QStringLiteral("xml"));
        bookRels.Add(QStringLiteral("styles"), RelativeTarget(m_workbookPart, m_stylesPart));
        m_package.SetPart(RelsPartFor(m_workbookPart), bookRels.Save());
        m_types.SetOverride(m_stylesPart, kStylesType);
    }
    if (LocalName(m_styles.document_element()) != QLatin1String("styleSheet"))
        return Fail(why, tr("The styles of the workbook are damaged."));
    m_stylesLoaded = true;
    return true;
}

bool CXlsxWorkbook::SetCellFill(const QString& cell, quint32 colorRef, QString* why)
{
    const QString rgb = ColorRefToRgb(colorRef);
    if (rgb.isEmpty())
        return Fail(why, tr("%1 is not an RGB colour.").arg(colorRef));
    pugi::xml_node c = FindOrCreateCell(cell, why);
    if (!c || !EnsureStyles(why))
        return false;

    const int xf = DerivedStyle(c, QStringLiteral("f") + rgb, [this, &rgb](pugi::xml_node f) {
        pugi::xml_node sheet = m_styles.document_element();
        const QString ns = PrefixOf(sheet);
        pugi::xml_node fills = Child(sheet, "fills");
        if (!fills) {
            fills = InsertInOrder(sheet, "fills", StyleSheetOrder());
            // Fills 0 and 1 are reserved by spreadsheet applications.
            AppendChild(AppendChild(fills, ns, "fill"), ns, "patternFill").append_attribute("patternType") =
                "none";
            AppendChild(AppendChild(fills, ns, "fill"), ns, "patternFill").append_attribute("patternType") =
                "gray125";
        }
        pugi::xml_node pattern = AppendChild(AppendChild(fills, ns, "fill"), ns, "patternFill");
        pattern.append_attribute("patternType") = "solid";
        AppendChild(pattern, ns, "fgColor").append_attribute("rgb") =
            Utf8(QStringLiteral("FF") + rgb).constData();
        AppendChild(pattern, ns, "bgColor").append_attribute("indexed") = 64;
        SetCount(fills, "fill");
        f.remove_attribute("fillId");
        f.append_attribute("fillId") = Count(fills, "fill") - 1;
        f.remove_attribute("applyFill");
        f.append_attribute("applyFill") = 1;
    });
    c.remove_attribute("s");
    c.append_attribute("s") = xf;
    return true;
}

bool CXlsxWorkbook::EnsureComments(QString* why)
{
    Sheet& s = *m_sheet;
    if (s.hasComments)
        return true;
    QString reason;
    pugi::xml_node root = s.doc.document_element();

    // The comments part: the sheet's own if it has one.
    const QString commentsTarget = s.rels.TargetOfType(QStringLiteral("comments"));
    if (!commentsTarget.isEmpty()) {
        s.commentsPart = ResolveTarget(s.part, commentsTarget);
        if (!OoxmlXml::Load(s.comments, m_package.Part(s.commentsPart), &reason))
            return Fail(why, tr("The comments of the sheet are damaged (%1).").arg(reason));
    } else {
        s.comments.load_string(
            "<comments xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
            "<authors/><commentList/></comments>");
        s.commentsPart =
            FreePartName(m_package, QStringLiteral("xl"), QStringLiteral("comments"), QStringLiteral("xml"));
        s.rels.Add(QStringLiteral("comments"), RelativeTarget(s.part, s.commentsPart));
        s.relsChanged = true;
        m_types.SetOverride(s.commentsPart, kCommentsType);
        m_package.SetPart(s.commentsPart, QByteArray()); // reserve the name
    }
    pugi::xml_node comments = s.comments.document_element();
    const QString cns = PrefixOf(comments);
    if (!Child(comments, "authors"))
        comments.prepend_child(Utf8(cns + QStringLiteral("authors")).constData());
    if (!Child(comments, "commentList"))
        AppendChild(comments, cns, "commentList");
    for (pugi::xml_node c : Child(comments, "commentList").children()) {
        int col = 0, row = 0;
        if (ParseCellName(AttrText(c, "ref"), &col, &row))
            s.commentCells.insert({row, col});
    }
    pugi::xml_node authors = Child(comments, "authors");
    s.authorId = 0;
    bool found = false;
    for (pugi::xml_node a : authors.children()) {
        if (std::strcmp(a.text().get(), kCommentAuthor) == 0) {
            found = true;
            break;
        }
        ++s.authorId;
    }
    if (!found)
        AppendChild(authors, cns, "author").text().set(kCommentAuthor);

    // The drawing that holds one note shape per comment.
    pugi::xml_node legacy = Child(root, "legacyDrawing");
    if (legacy) {
        const QString relPrefix = RelationshipPrefix(root);
        const QString target =
            s.rels.TargetOfId(AttrText(legacy, Utf8(relPrefix + QStringLiteral("id")).constData()));
        s.vmlPart = ResolveTarget(s.part, target);
        if (s.vmlPart.isEmpty() || !m_package.Contains(s.vmlPart))
            return Fail(why, tr("The note drawing of the sheet is missing."));
        if (!OoxmlXml::Load(s.vml, m_package.Part(s.vmlPart), &reason))
            return Fail(why, tr("The note drawing of the sheet is damaged (%1).").arg(reason));
    } else {
        s.vml.load_string("<xml xmlns:v=\"urn:schemas-microsoft-com:vml\" "
                          "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                          "xmlns:x=\"urn:schemas-microsoft-com:office:excel\">"
                          "<o:shapelayout v:ext=\"edit\"><o:idmap v:ext=\"edit\" data=\"1\"/></o:shapelayout>"
                          "</xml>");
        s.vmlPart = FreePartName(m_package, QStringLiteral("xl/drawings"), QStringLiteral("vmlDrawing"),
                                 QStringLiteral("vml"));
        const QString id = s.rels.Add(QStringLiteral("vmlDrawing"), RelativeTarget(s.part, s.vmlPart));
        s.relsChanged = true;
        m_types.EnsureDefault(QStringLiteral("vml"), kVmlType);
        m_package.SetPart(s.vmlPart, QByteArray());
        const QString relPrefix = RelationshipPrefix(root);
        legacy = InsertInOrder(root, "legacyDrawing", WorksheetOrder());
        legacy.append_attribute(Utf8(relPrefix + QStringLiteral("id")).constData()) = Utf8(id).constData();
    }
    pugi::xml_node vml = s.vml.document_element();
    bool hasNoteType = false;
    for (pugi::xml_node n : vml.children("v:shapetype")) {
        if (AttrText(n, "id") == QLatin1String("_x0000_t202"))
            hasNoteType = true;
    }
    if (!hasNoteType) {
        pugi::xml_node layout = vml.child("o:shapelayout");
        pugi::xml_node type =
            layout ? vml.insert_child_after("v:shapetype", layout) : vml.prepend_child("v:shapetype");
        type.append_attribute("id") = "_x0000_t202";
        type.append_attribute("coordsize") = "21600,21600";
        type.append_attribute("o:spt") = "202";
        type.append_attribute("path") = "m,l,21600r21600,l21600,xe";
        pugi::xml_node stroke = type.append_child("v:stroke");
        stroke.append_attribute("joinstyle") = "miter";
        pugi::xml_node path = type.append_child("v:path");
        path.append_attribute("gradientshapeok") = "t";
        path.append_attribute("o:connecttype") = "rect";
    }
    // Shape ids are unique across the drawing: new ones follow the highest.
    static const QRegularExpression idRe(QStringLiteral("^_x0000_s(\\d+)$"));
    for (pugi::xml_node shape : vml.children("v:shape")) {
        const QRegularExpressionMatch m = idRe.match(AttrText(shape, "id"));
        if (m.hasMatch())
            s.lastShapeId = std::max(s.lastShapeId, m.captured(1).toInt());
    }
    s.hasComments = true;
    return true;
}

bool CXlsxWorkbook::AddCellComment(const QString& cell, const QString& text, QString* why)
{
    int col = 0, row = 0;
    if (!m_sheet)
        return Fail(why, m_loaded ? tr("The workbook has no worksheet.") : tr("No workbook is open."));
    if (!ParseCellName(cell, &col, &row))
        return Fail(why, tr("%1 is not a cell name.").arg(cell));
    if (!EnsureComments(why))
        return false;
    Sheet& s = *m_sheet;
    const QString ref = ColumnName(col) + QString::number(row);
    if (s.commentCells.count({row, col}))
        return Fail(why, tr("The cell %1 already holds a comment.").arg(ref));
    s.commentCells.insert({row, col});

    pugi::xml_node comments = s.comments.document_element();
    const QString cns = PrefixOf(comments);
    pugi::xml_node comment = AppendChild(Child(comments, "commentList"), cns, "comment");
    comment.append_attribute("ref") = Utf8(ref).constData();
    comment.append_attribute("authorId") = s.authorId;
    const QString value = SpreadsheetText(text);
    pugi::xml_node t = AppendChild(AppendChild(AppendChild(comment, cns, "text"), cns, "r"), cns, "t");
    if (NeedsPreserve(value))
        t.append_attribute("xml:space") = "preserve";
    t.text().set(Utf8(value).constData());

    // The note shape; its id lies in the blocks of 1024 that the id map
    // announces.
    pugi::xml_node vml = s.vml.document_element();
    const int shapeId = ++s.lastShapeId;
    if (shapeId / 1024 > s.shapeBlocks) {
        s.shapeBlocks = shapeId / 1024;
        QStringList blocks;
        for (int b = 1; b <= s.shapeBlocks; ++b)
            blocks.append(QString::number(b));
        pugi::xml_node layout = vml.child("o:shapelayout");
        if (!layout) {
            layout = vml.prepend_child("o:shapelayout");
            layout.append_attribute("v:ext") = "edit";
        }
        pugi::xml_node idmap = layout.child("o:idmap");
        if (!idmap) {
            idmap = layout.append_child("o:idmap");
            idmap.append_attribute("v:ext") = "edit";
        }
        idmap.remove_attribute("data");
        idmap.append_attribute("data") = Utf8(blocks.join(QLatin1Char(','))).constData();
    }

    pugi::xml_node shape = vml.append_child("v:shape");
    shape.append_attribute("id") = Utf8(QStringLiteral("_x0000_s%1").arg(shapeId)).constData();
    shape.append_attribute("type") = "#_x0000_t202";
    shape.append_attribute("style") =
        "position:absolute;margin-left:59.25pt;margin-top:1.5pt;width:108pt;height:59.25pt;z-index:1;"
        "visibility:hidden";
    shape.append_attribute("fillcolor") = "#ffffe1";
    shape.append_attribute("o:insetmode") = "auto";
    shape.append_child("v:fill").append_attribute("color2") = "#ffffe1";
    pugi::xml_node shadow = shape.append_child("v:shadow");
    shadow.append_attribute("on") = "t";
    shadow.append_attribute("color") = "black";
    shadow.append_attribute("obscured") = "t";
    shape.append_child("v:path").append_attribute("o:connecttype") = "none";
    pugi::xml_node box = shape.append_child("v:textbox");
    box.append_attribute("style") = "mso-direction-alt:auto";
    box.append_child("div").append_attribute("style") = "text-align:left";
    pugi::xml_node data = shape.append_child("x:ClientData");
    data.append_attribute("ObjectType") = "Note";
    data.append_child("x:MoveWithCells");
    data.append_child("x:SizeWithCells");
    // Left column, offset, top row, offset, right column, offset, bottom row,
    // offset: a box beside the cell, zero-based.
    const int c0 = col - 1, r0 = row - 1;
    const QString anchor = QStringLiteral("%1, 15, %2, 2, %3, 15, %4, 4")
                               .arg(c0 + 1)
                               .arg(std::max(0, r0 - 1))
                               .arg(c0 + 3)
                               .arg(r0 + 3);
    data.append_child("x:Anchor").text().set(Utf8(anchor).constData());
    data.append_child("x:AutoFill").text().set("False");
    data.append_child("x:Row").text().set(r0);
    data.append_child("x:Column").text().set(c0);
    return true;
}

bool CXlsxWorkbook::FlushActiveSheet(QString* why)
{
    Q_UNUSED(why);
    if (!m_sheet)
        return true;
    Sheet& s = *m_sheet;
    pugi::xml_node root = s.doc.document_element();

    // Keep the used range honest.
    int minCol = INT_MAX, minRow = INT_MAX, maxCol = 0, maxRow = 0;
    for (const auto& [r, entry] : s.rows) {
        if (entry.cells.empty())
            continue;
        minRow = std::min(minRow, r);
        maxRow = std::max(maxRow, r);
        minCol = std::min(minCol, entry.cells.begin()->first);
        maxCol = std::max(maxCol, entry.cells.rbegin()->first);
    }
    if (maxRow > 0) {
        const QString first = ColumnName(minCol) + QString::number(minRow);
        const QString last = ColumnName(maxCol) + QString::number(maxRow);
        const QString ref = first == last ? first : first + QLatin1Char(':') + last;
        pugi::xml_node dim = Child(root, "dimension");
        if (!dim)
            dim = InsertInOrder(root, "dimension", WorksheetOrder());
        dim.remove_attribute("ref");
        dim.append_attribute("ref") = Utf8(ref).constData();
    }

    m_package.SetPart(s.part, OoxmlXml::Save(s.doc));
    if (s.relsChanged)
        m_package.SetPart(RelsPartFor(s.part), s.rels.Save());
    if (s.hasComments) {
        m_package.SetPart(s.commentsPart, OoxmlXml::Save(s.comments));
        m_package.SetPart(s.vmlPart, OoxmlXml::SaveBare(s.vml));
    }
    return true;
}

bool CXlsxWorkbook::ToPackage(OoxmlPackage* package, QString* why)
{
    if (!m_loaded)
        return Fail(why, tr("No workbook is open."));
    if (!FlushActiveSheet(why))
        return false;
    if (!UpdateSharedStringCount(why))
        return false;
    if (m_stylesLoaded)
        m_package.SetPart(m_stylesPart, OoxmlXml::Save(m_styles));
    m_package.SetPart(m_workbookPart, OoxmlXml::Save(m_workbook));
    m_package.SetPart(QStringLiteral("[Content_Types].xml"), m_types.Save());
    *package = m_package;
    return true;
}

bool CXlsxWorkbook::Save(const QString& path, QString* why)
{
    OoxmlPackage package;
    if (!ToPackage(&package, why))
        return false;
    QString reason;
    if (!package.Write(path, &reason))
        return Fail(why, QStringLiteral("%1: %2").arg(path, reason));
    return true;
}
