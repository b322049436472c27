#include "model/store/DueFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueFile)
};

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned codes.
const char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

template <typename T> void AppendLE(QByteArray& out, T value)
{
    char buf[sizeof(T)];
    qToLittleEndian(value, buf);
    out.append(buf, sizeof(T));
}

void AppendDouble(QByteArray& out, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendLE<quint64>(out, bits);
}

void AppendLength(QByteArray& out, quint32 length)
{
    if (length < 255) {
        out.append(char(length));
    } else if (length < 65534) {
        out.append(char(0xFF));
        AppendLE<quint16>(out, quint16(length));
    } else {
        out.append(char(0xFF));
        AppendLE<quint16>(out, 0xFFFF);
        AppendLE<quint32>(out, length);
    }
}

void AppendDate(QByteArray& out, const COleDateTime& date)
{
    AppendLE<qint32>(out, qint32(date.m_status));
    AppendDouble(out, date.m_dt);
}

// The bytes AppendLength writes for a length.
int LengthPrefixSize(quint32 length)
{
    return length < 255 ? 1 : length < 65534 ? 3 : 7;
}

bool IsCp1252Unassigned(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] == 0;
}

bool HasCp1252Form(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (char16_t high : kCp1252High) {
        if (high == c && c != 0)
            return true;
    }
    return false;
}

class Reader
{
public:
    Reader(const char* data, qsizetype size) : m_data(data), m_size(size) {}
    qsizetype Pos() const { return m_pos; }
    bool AtEnd() const { return m_pos == m_size; }

    bool Take(void* dst, qsizetype n)
    {
        if (n < 0 || m_size - m_pos < n)
            return Fail(Texts::tr("the file ends early"));
        std::memcpy(dst, m_data + m_pos, size_t(n));
        m_pos += n;
        return true;
    }
    template <typename T> bool Read(T& value)
    {
        char buf[sizeof(T)];
        if (!Take(buf, sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(buf);
        return true;
    }
    bool ReadDouble(double& value)
    {
        quint64 bits;
        if (!Read(bits))
            return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }

    // Returns the length and whether the UTF-16 form follows. The format has
    // one marker at most (FF FE FF, then the length), so this reads it without
    // looping or calling itself on what follows.
    bool ReadLength(quint32& length, bool& utf16)
    {
        utf16 = false;
        if (!ReadPlainLength(length, &utf16))
            return false;
        if (!utf16)
            return true;
        bool again = false;
        if (!ReadPlainLength(length, &again))
            return false;
        if (again)
            return Fail(Texts::tr("a text has two UTF-16 markers"));
        return true;
    }

    // One length prefix; marker is set (and length left alone) when the
    // prefix is the UTF-16 marker instead.
    bool ReadPlainLength(quint32& length, bool* marker)
    {
        *marker = false;
        quint8 b;
        if (!Read(b))
            return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        quint16 w;
        if (!Read(w))
            return false;
        if (w == 0xFFFE) {
            *marker = true;
            return true;
        }
        if (w == 0xFFFF) {
            quint32 d;
            if (!Read(d))
                return false;
            length = d;
            return true;
        }
        length = w;
        return true;
    }

    // Finds the next text without making it: its bytes (data, count of
    // characters, form) and whether it is written as Serialize writes it.
    // UTF-16 text is checked for unpaired surrogates here.
    bool LocateString(const char*& text, quint32& length, bool& utf16, bool& canonical)
    {
        const qsizetype start = m_pos;
        if (!ReadLength(length, utf16))
            return false;
        const qint64 bytes = utf16 ? qint64(length) * 2 : qint64(length);
        if (bytes > m_size - m_pos)
            return Fail(Texts::tr("a text length runs past the end of the file"));
        text = m_data + m_pos;
        const qsizetype prefix = m_pos - start - (utf16 ? 3 : 0);
        canonical = prefix == LengthPrefixSize(length);
        if (utf16) {
            bool needsUtf16 = false;
            for (quint32 i = 0; i < length; ++i) {
                const char16_t c = qFromLittleEndian<quint16>(text + 2 * i);
                if (QChar::isHighSurrogate(c)) {
                    if (i + 1 >= length ||
                        !QChar::isLowSurrogate(qFromLittleEndian<quint16>(text + 2 * i + 2)))
                        return Fail(Texts::tr("a UTF-16 text is not valid"));
                    ++i;
                    needsUtf16 = true;
                } else if (QChar::isLowSurrogate(c)) {
                    return Fail(Texts::tr("a UTF-16 text is not valid"));
                } else if (!needsUtf16 && !HasCp1252Form(c)) {
                    needsUtf16 = true;
                }
            }
            canonical = canonical && needsUtf16;
        } else if (canonical) {
            for (quint32 i = 0; i < length; ++i) {
                if (IsCp1252Unassigned(static_cast<unsigned char>(text[i]))) {
                    canonical = false; // read as a C1 control, written back as UTF-16
                    break;
                }
            }
        }
        m_pos += bytes;
        return true;
    }

    bool SkipString(bool& canonical)
    {
        const char* text;
        quint32 length;
        bool utf16, plain;
        if (!LocateString(text, length, utf16, plain))
            return false;
        canonical = canonical && plain;
        return true;
    }

    bool ReadString(QString& text)
    {
        const char* data;
        quint32 length;
        bool utf16, canonical;
        if (!LocateString(data, length, utf16, canonical))
            return false;
        if (utf16 && length == 0) {
            text = QString();
        } else if (utf16) {
            QString s(qsizetype(length), Qt::Uninitialized);
            for (quint32 i = 0; i < length; ++i)
                s[qsizetype(i)] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
            text = s;
        } else {
            text = DueFile::FromCp1252(data, qsizetype(length));
        }
        return true;
    }

    bool ReadDate(COleDateTime& date, const QString& name)
    {
        qint32 status;
        double value;
        if (!Read(status) || !ReadDouble(value))
            return false;
        date.m_status = static_cast<COleDateTime::DateTimeStatus>(status);
        date.m_dt = value;
        // A date marked valid must be one: NaN or a value outside the years
        // 100 to 9999 cannot come from a sound writer.
        if (status == COleDateTime::valid &&
            (!std::isfinite(value) || value < COleDateTime::MinDate || value >= COleDateTime::MaxDate))
            return Fail(Texts::tr("the %1 is not a valid date").arg(name));
        return true;
    }

    bool Fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return false;
    }
    QString Error() const { return m_error; }

private:
    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QString m_error;
};

} // namespace

namespace DueFile {

bool ToCp1252(const QString& text, QByteArray& out)
{
    out.clear();
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(char(c));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == c && c != 0) {
                found = i;
                break;
            }
        }
        if (found < 0)
            return false;
        out.append(char(0x80 + found));
    }
    return true;
}

QString FromCp1252(const char* data, qsizetype size)
{
    if (size <= 0)
        return QString(); // no allocation for the many empty fields
    QString s(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        char16_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : char16_t(b); // unassigned: keep the code
        s[i] = QChar(c);
    }
    return s;
}

void AppendString(QByteArray& out, const QString& text)
{
    QByteArray ansi;
    if (ToCp1252(text, ansi)) {
        AppendLength(out, quint32(ansi.size()));
        out.append(ansi);
        return;
    }
    // Text that 1252 cannot hold goes in the UTF-16 form, which every reader accepts.
    out.append(char(0xFF));
    AppendLE<quint16>(out, 0xFFFE);
    AppendLength(out, quint32(text.size()));
    for (QChar c : text)
        AppendLE<quint16>(out, c.unicode());
}

QByteArray Serialize(const DueRecord& r)
{
    QByteArray out;
    out.reserve(96 + r.m_strTitle.size() + r.m_strNotes.size() + r.m_strPayTo.size() + r.m_strAccount.size());
    AppendString(out, r.m_strRecId);
    AppendString(out, r.m_strTitle);
    AppendDate(out, r.m_dtStart);
    AppendDate(out, r.m_dtDue);
    AppendString(out, r.m_strPayTo);
    AppendString(out, r.m_strAccount);
    AppendDouble(out, r.m_dAmount);
    AppendLE<qint32>(out, r.m_nType);
    AppendLE<qint32>(out, r.m_bPaid);
    AppendString(out, r.m_strNotes);
    AppendString(out, r.m_strSeriesId);
    return out;
}

bool Parse(const QByteArray& bytes, DueRecord& r, QString* error)
{
    Reader in(bytes.constData(), bytes.size());
    const bool ok = in.ReadString(r.m_strRecId) && in.ReadString(r.m_strTitle) &&
                    in.ReadDate(r.m_dtStart, Texts::tr("start date")) &&
                    in.ReadDate(r.m_dtDue, Texts::tr("due date")) && in.ReadString(r.m_strPayTo) &&
                    in.ReadString(r.m_strAccount) && in.ReadDouble(r.m_dAmount) && in.Read(r.m_nType) &&
                    in.Read(r.m_bPaid) && in.ReadString(r.m_strNotes) && in.ReadString(r.m_strSeriesId);
    if (!ok) {
        if (error)
            *error = in.Error();
        return false;
    }
    if (!std::isfinite(r.m_dAmount)) {
        if (error)
            *error = Texts::tr("the amount is not a number");
        return false;
    }
    return true;
}

bool Summarise(const char* data, qsizetype size, Summary& s, QString* error)
{
    // The same walk as Parse, field for field, so that both give one answer.
    Reader in(data, size);
    COleDateTime start, due;
    qint32 type = 0;
    bool canonical = true;
    bool ok = in.SkipString(canonical);
    s.idEnd = in.Pos();
    ok = ok && in.SkipString(canonical) && in.ReadDate(start, Texts::tr("start date")) &&
         in.ReadDate(due, Texts::tr("due date")) && in.SkipString(canonical) && in.SkipString(canonical) &&
         in.ReadDouble(s.amount) && in.Read(type) && in.Read(s.paid) && in.SkipString(canonical);
    s.seriesBegin = in.Pos();
    ok = ok && in.SkipString(canonical);
    s.seriesEnd = in.Pos();
    if (!ok) {
        if (error)
            *error = in.Error();
        return false;
    }
    if (!std::isfinite(s.amount)) {
        if (error)
            *error = Texts::tr("the amount is not a number");
        return false;
    }
    s.idBegin = 0;
    s.due = due.m_dt;
    s.dueStatus = qint32(due.m_status);
    s.canonical = canonical && in.AtEnd();
    return true;
}

QByteArray PreferencesBytes()
{
    QByteArray out;
    AppendLE<qint32>(out, 1);
    AppendLE<qint32>(out, 1);
    return out;
}

bool Fits(const DueRecord& record, QString* why)
{
    // Each text takes at most two bytes a character (UTF-16) and a prefix;
    // the rest of the record is a few dozen bytes.
    const qint64 bound =
        2 * (qint64(record.m_strRecId.size()) + record.m_strTitle.size() + record.m_strPayTo.size() +
             record.m_strAccount.size() + record.m_strNotes.size() + record.m_strSeriesId.size()) +
        256;
    if (bound <= kMaxDueFileSize || Serialize(record).size() <= kMaxDueFileSize)
        return true;
    if (why) {
        const QList<QPair<qsizetype, QString>> fields{{record.m_strNotes.size(), Texts::tr("Notes")},
                                                      {record.m_strTitle.size(), Texts::tr("Title")},
                                                      {record.m_strPayTo.size(), Texts::tr("Pay To")},
                                                      {record.m_strAccount.size(), Texts::tr("Account")}};
        auto largest = std::max_element(fields.begin(), fields.end(),
                                        [](const auto& a, const auto& b) { return a.first < b.first; });
        *why = Texts::tr("the %1 field is too long: a due holds at most %2 in all")
                   .arg(largest->second, QLocale().formattedDataSize(kMaxDueFileSize));
    }
    return false;
}

} // namespace DueFile
