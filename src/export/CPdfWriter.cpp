#include "export/CPdfWriter.h"

#include "export/HelveticaMetrics.h"
#include "model/SaveFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kWrapWidth = 500; // pixels of the measuring font
constexpr int kPageBottom = 65; // a line whose height falls below this starts a new page
constexpr int kPageTop = 750;   // where paragraphs continue on a new page

QByteArray Num(qint64 n)
{
    return QByteArray::number(n);
}

// PDF literal string body: "\", "(" and ")" escaped; CR LF ends the shown
// string and moves to the next line.
QByteArray TextOperands(const QByteArray& text)
{
    // Worst case: CR LF (2 bytes) becomes 7, anything else at most 2.
    QByteArray out(text.size() * 4, Qt::Uninitialized);
    char* o = out.data();
    const char* p = text.constData();
    const char* end = p + text.size();
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '\r' && p + 1 < end && p[1] == '\n') {
            std::memcpy(o, ")Tj T*(", 7);
            o += 7;
            ++p;
            continue;
        }
        if (c == '\\' || c == '(' || c == ')')
            *o++ = '\\';
        *o++ = c;
    }
    out.truncate(o - out.constData());
    return out;
}

} // namespace

// --- CPdfObjectMap ---------------------------------------------------------

void CPdfObjectMap::SetAt(qint32 number, const QByteArray& text)
{
    auto it = m_texts.find(number);
    if (it != m_texts.end()) {
        *it = text;
        return;
    }
    m_texts.insert(number, text);
    m_chains[Bucket(number)].push_back(number);
}

QByteArray* CPdfObjectMap::Lookup(qint32 number)
{
    auto it = m_texts.find(number);
    return it == m_texts.end() ? nullptr : &*it;
}

const QByteArray& CPdfObjectMap::At(qint32 number) const
{
    static const QByteArray empty;
    auto it = m_texts.constFind(number);
    return it == m_texts.cend() ? empty : *it;
}

std::vector<qint32> CPdfObjectMap::EnumerationOrder() const
{
    std::vector<qint32> order;
    order.reserve(size_t(m_texts.size()));
    for (const auto& chain : m_chains)
        order.insert(order.end(), chain.rbegin(), chain.rend());
    return order;
}

// --- CPdfWriter ------------------------------------------------------------

void CPdfWriter::NewPage()
{
    m_nCurrentPage = ++m_nLastObject;
    QByteArray text = Num(m_nCurrentPage);
    text += " 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [";
    text += kContentsPlaceholder;
    text += "] /Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n";
    m_mapPages.SetAt(m_nCurrentPage, text);
}

void CPdfWriter::AddTextBlock(const QString& text, int x, int y, int size)
{
    AddTextBlockBytes(ToMacRoman(text), x, y, size);
}

void CPdfWriter::AddTextBlockBytes(const QByteArray& text, int x, int y, int size)
{
    QByteArray stream = "0 g\r1 i \rBT\r/F1 ";
    stream += Num(size);
    stream += " Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 ";
    stream += Num(x);
    stream += ' ';
    stream += Num(y);
    stream += " Tm \rT* (";
    stream += TextOperands(text);
    stream += ") Tj \rET";

    const qint32 number = ++m_nLastObject;
    QByteArray object = Num(number);
    object += " 0 obj<</Length ";
    object += Num(stream.size());
    object += ">>stream\r\n";
    object += stream;
    object += "\r\nendstream\rendobj\n";
    AddContentObject(number, object);
}

void CPdfWriter::DrawLine(int x1, int y1, int x2, int y2, int width)
{
    const QByteArray stream =
        Num(width) + " w\r\n" + Num(x1) + ' ' + Num(y1) + " m\r\n" + Num(x2) + ' ' + Num(y2) + " l\r\nS";
    const qint32 number = ++m_nLastObject;
    const QByteArray object = Num(number) + " 0 obj<</Length " + Num(stream.size()) + " >>stream\r\n" +
                              stream + "\r\nendstream\rendobj\n";
    AddContentObject(number, object);
}

void CPdfWriter::AddContentObject(qint32 number, const QByteArray& objectText)
{
    m_mapContents.SetAt(number, objectText);
    // Content made before the first page stays in the file, unreferenced.
    if (QByteArray* page = m_mapPages.Lookup(m_nCurrentPage)) {
        const QByteArray placeholder(kContentsPlaceholder);
        page->replace(placeholder, Num(number) + " 0 R " + placeholder);
    }
}

QList<QByteArray> CPdfWriter::WrapLines(const QString& text, int unit)
{
    QString plain = text;
    plain.replace(QLatin1Char('('), QLatin1Char(' '));
    plain.replace(QLatin1Char(')'), QLatin1Char(' '));
    const QByteArray bytes = ToMacRoman(plain);

    const qint64 cell = std::clamp<qint64>(qint64(unit) * 9 / 5, 0, 1 << 20);
    const CHelveticaMeasure measure{int(cell)};

    QList<QByteArray> out;
    qsizetype lineStart = 0;
    for (;;) {
        qsizetype lineEnd = bytes.indexOf("\r\n", lineStart);
        const bool last = lineEnd < 0;
        if (last)
            lineEnd = bytes.size();

        qsizetype pos = lineStart;
        for (;;) {
            const qsizetype rest = lineEnd - pos;
            const char* p = bytes.constData() + pos;
            const qsizetype fit = measure.FitCount(p, rest, kWrapWidth);
            if (fit >= rest) {
                out.append(QByteArray(p, rest));
                break;
            }
            qsizetype cut = 0;
            for (qsizetype i = fit - 1; i >= 0 && cut == 0; --i) {
                if (p[i] == ' ')
                    cut = i + 1;
            }
            for (qsizetype i = fit - 1; i >= 0 && cut == 0; --i) {
                if (p[i] == '-')
                    cut = i + 1;
            }
            if (cut == 0)
                cut = fit;
            // A single glyph wider than the line still has to move on.
            if (cut == 0)
                cut = 1;
            out.append(QByteArray(p, cut));
            pos += cut;
            if (pos == lineEnd)
                break;
        }

        if (last)
            break;
        lineStart = lineEnd + 2;
    }
    return out;
}

void CPdfWriter::AddParagraph(const QString& text, int x, int y, int size, int unit)
{
    const QList<QByteArray> lines = WrapLines(text, unit);
    const qint64 step = 2 * qint64(unit);

    QByteArray block;
    int y0 = y;
    qint64 h = y;
    for (const QByteArray& line : lines) {
        h -= step;
        if (h < kPageBottom) {
            AddTextBlockBytes(block, x, y0, size);
            NewPage();
            y0 = kPageTop;
            h = kPageTop;
            block.clear();
        }
        block += line;
        block += "\r\n";
    }
    if (!block.isEmpty())
        AddTextBlockBytes(block, x, y0, size);
}

QByteArray CPdfWriter::Document() const
{
    qsizetype total = 512 + qsizetype(m_nLastObject) * 20;
    for (qint32 n : m_mapPages.EnumerationOrder())
        total += m_mapPages.At(n).size();
    for (qint32 n : m_mapContents.EnumerationOrder())
        total += m_mapContents.At(n).size();

    QByteArray doc;
    doc.reserve(total);
    std::vector<qint64> offsets(size_t(m_nLastObject) + 1, 0);

    doc += "%PDF-1.4\r\n";
    offsets[1] = doc.size();
    doc += "1 0 obj<</Type /Catalog /Pages 4 0 R>>\nendobj\r";
    offsets[2] = doc.size();
    doc += "2 0 obj\r\n[/PDF /Text]\r\nendobj\n";
    offsets[3] = doc.size();
    doc += "3 0 obj\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica /Encoding "
           "/MacRomanEncoding>>endobj\r\n";

    std::vector<qint32> pageOrder = m_mapPages.EnumerationOrder();
    std::vector<qint32> kids = pageOrder;
    std::sort(kids.begin(), kids.end());
    offsets[4] = doc.size();
    doc += "4 0 obj<</Type /Pages /Kids [";
    for (qint32 n : kids) {
        doc += Num(n);
        doc += " 0 R ";
    }
    doc += "] /Count ";
    doc += Num(qint64(kids.size()));
    doc += ">>\nendobj\r";

    const QByteArray placeholder(kContentsPlaceholder);
    for (qint32 n : pageOrder) {
        offsets[size_t(n)] = doc.size();
        QByteArray page = m_mapPages.At(n);
        doc += page.replace(placeholder, QByteArray());
    }
    for (qint32 n : m_mapContents.EnumerationOrder()) {
        offsets[size_t(n)] = doc.size();
        doc += m_mapContents.At(n);
    }

    const qint64 xref = doc.size();
    doc += "xref\r\n0 ";
    doc += Num(qint64(m_nLastObject) + 1);
    doc += "\r\n0000000000 65535 f\r\n";
    for (qint32 n = 1; n <= m_nLastObject; ++n) {
        doc += Num(offsets[size_t(n)]).rightJustified(10, '0');
        doc += " 00000 n\r\n";
    }
    doc += "trailer\n<</Size ";
    doc += Num(qint64(m_nLastObject) + 1);
    doc += "/Root 1 0 R>>\r\nstartxref\r\n";
    doc += Num(xref);
    doc += "\r\n%%EOF\r\n";
    return doc;
}

bool CPdfWriter::Save(const QString& path, QString* errorText) const
{
    // SaveFile: durable, QSaveFile's meaning for links, permissions and
    // read-only files, and a FIFO or device written into, not replaced.
    return SaveFile::Write(path, Document(), errorText);
}
