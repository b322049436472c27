#pragma once

// Printing HTML pages the way a user's browser does: headless Chromium's
// print to PDF, read back with pdftotext. Tests skip where either is missing.

#include "model/store/DueRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace BrowserPrint {

inline QString Chromium()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

inline QString PdfToText()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

inline bool Available()
{
    return !Chromium().isEmpty() && !PdfToText().isEmpty();
}

// A month of twelve dues with everyday payees and accounts; the seventh has
// an unbroken word longer than any column in its title and its notes.
// Amounts 1,234.56 times the position.
inline QList<DueRecord> TwelveDues()
{
    const char* payees[] = {"Northern Utilities", "Landlord & Sons", "City Water Works",
                            "Metropolitan Insurance"};
    const char* accounts[] = {"Checking", "Savings", "Household", "Business Checking"};
    const QString longWord = QStringLiteral("Averyveryverylongunbrokenwordwithoutanyspaces").repeated(3);
    QList<DueRecord> dues;
    for (int i = 0; i < 12; ++i) {
        DueRecord d;
        d.m_strTitle = i == 6 ? longWord : QStringLiteral("Electricity bill %1").arg(i + 1);
        d.m_dtStart = COleDateTime(2007, 3, 1, 0, 0, 0);
        d.m_dtDue = COleDateTime(2007, 3, 10 + i, 0, 0, 0);
        d.m_strPayTo = QString::fromLatin1(payees[i % 4]);
        d.m_strAccount = QString::fromLatin1(accounts[i % 4]);
        d.m_dAmount = 1234.56 * (i + 1);
        d.m_nType = 1 + i % 2;
        d.m_bPaid = i % 3 == 0;
        d.m_strNotes =
            i == 6 ? longWord + QStringLiteral("\r\n") + longWord : QStringLiteral("Paid by transfer");
        dues << d;
    }
    return dues;
}

// What is wrong with the printed words of a print page of TwelveDues(): a
// word of Pay To or Account cut in two, an amount (texts as given) missing.
inline QStringList PrintPageProblems(const QStringList& words, const QStringList& amounts)
{
    QStringList problems;
    const QList<QPair<QString, int>> whole = {
        {QStringLiteral("Northern"), 3},     {QStringLiteral("Utilities"), 3},
        {QStringLiteral("Metropolitan"), 3}, {QStringLiteral("Insurance"), 3},
        {QStringLiteral("Checking"), 6},     {QStringLiteral("Household"), 3},
        {QStringLiteral("Savings"), 3},
    };
    for (const auto& [word, times] : whole) {
        if (words.count(word) != times)
            problems
                << QStringLiteral("%1 whole %2 times, not %3").arg(word).arg(words.count(word)).arg(times);
    }
    for (const QString& amount : amounts) {
        if (!words.contains(amount))
            problems << amount + QStringLiteral(" missing");
    }
    return problems;
}

// The words of a printed text, split at white space.
inline QStringList Words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Prints htmlPath to a PDF in workDir and returns the PDF's text, pages
// separated by form feeds. Empty, with why, when a step fails.
inline QString PrintedText(const QString& htmlPath, const QString& workDir, QString* why)
{
    const QString pdf = workDir + QStringLiteral("/printed.pdf");
    QFile::remove(pdf);
    QProcess chromium;
    chromium.setProcessChannelMode(QProcess::MergedChannels);
    // A profile of its own, nothing fetched from the network, no sandbox
    // (tests may run as root, where the sandbox refuses to start).
    chromium.start(Chromium(),
                   {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                    QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                    QStringLiteral("--disable-background-networking"),
                    QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                    QStringLiteral("--user-data-dir=") + workDir + QStringLiteral("/chromium-profile"),
                    QStringLiteral("--print-to-pdf=") + pdf, QUrl::fromLocalFile(htmlPath).toString()});
    if (!chromium.waitForFinished(120000)) {
        chromium.kill();
        chromium.waitForFinished();
        *why = QStringLiteral("chromium timed out");
        return {};
    }
    if (!QFileInfo::exists(pdf)) {
        *why = QStringLiteral("chromium made no PDF: ") + QString::fromLocal8Bit(chromium.readAll());
        return {};
    }
    QProcess text;
    text.start(PdfToText(), {pdf, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitCode() != 0) {
        *why = QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(text.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace BrowserPrint
