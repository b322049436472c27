#pragma once

// Running the PDF readers from tests: qpdf checks a file, pdftotext reads its
// text back. A missing reader skips the rest of the test.
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

// Exit code of a tool, -1 when it is not installed, -2 when it did not finish.
inline int RunTool(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return -1;
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return -2;
    if (out)
        *out = p.readAllStandardOutput() + p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

// Skip the rest of a test when a reader is missing; fail when it objects.
#define CHECK_WITH_QPDF(path)                                                                                \
    do {                                                                                                     \
        QByteArray out_;                                                                                     \
        const int rc_ = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &out_);           \
        if (rc_ == -1)                                                                                       \
            QSKIP("qpdf is not installed (scripts/setup-deps.sh --with-test-tools)");                        \
        QVERIFY2(rc_ == 0, out_.constData());                                                                \
    } while (false)

#define READ_TEXT(path, text)                                                                                \
    do {                                                                                                     \
        QByteArray out_;                                                                                     \
        const QStringList args_{QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),     \
                                path, QStringLiteral("-")};                                                  \
        const int rc_ = RunTool(QStringLiteral("pdftotext"), args_, &out_);                                  \
        if (rc_ == -1)                                                                                       \
            QSKIP("pdftotext is not installed (scripts/setup-deps.sh --with-test-tools)");                   \
        QCOMPARE(rc_, 0);                                                                                    \
        text = QString::fromUtf8(out_);                                                                      \
    } while (false)

// The text in reading order, as pdftotext gives it without -raw: right-to-left
// runs turned back into the order they were typed in.
#define READ_TEXT_ORDERED(path, text)                                                                        \
    do {                                                                                                     \
        QByteArray out_;                                                                                     \
        const QStringList args_{QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")}; \
        const int rc_ = RunTool(QStringLiteral("pdftotext"), args_, &out_);                                  \
        if (rc_ == -1)                                                                                       \
            QSKIP("pdftotext is not installed (scripts/setup-deps.sh --with-test-tools)");                   \
        QCOMPARE(rc_, 0);                                                                                    \
        text = QString::fromUtf8(out_);                                                                      \
    } while (false)

// Text as read, without the embedding marks pdftotext puts around
// right-to-left runs and without blanks at its ends.
inline QString WithoutDirectionMarks(QString text)
{
    static const QRegularExpression marks(QStringLiteral("[\u200E\u200F\u202A-\u202E\u2066-\u2069]"));
    return text.remove(marks).trimmed();
}

// A word as pdftotext places it: its page (from 0) and box in points from
// the top-left corner.
struct PdfWord
{
    int page = 0;
    QString text;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
};

inline QList<PdfWord> ParseWordBoxes(const QString& html)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">(.*)</word>"));
    QList<PdfWord> words;
    int page = -1;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("<page ")))
            ++page;
        const auto m = word.match(line);
        if (!m.hasMatch())
            continue;
        QString text = m.captured(4);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append(
            {page, text, m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

#define READ_WORDS(path, words)                                                                              \
    do {                                                                                                     \
        QByteArray out_;                                                                                     \
        const QStringList args_{QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),    \
                                path, QStringLiteral("-")};                                                  \
        const int rc_ = RunTool(QStringLiteral("pdftotext"), args_, &out_);                                  \
        if (rc_ == -1)                                                                                       \
            QSKIP("pdftotext is not installed (scripts/setup-deps.sh --with-test-tools)");                   \
        QCOMPARE(rc_, 0);                                                                                    \
        words = ParseWordBoxes(QString::fromUtf8(out_));                                                     \
    } while (false)
