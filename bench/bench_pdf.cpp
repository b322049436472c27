#include "BenchReport.h"

#include "export/CPdfExport.h"
#include "export/CPdfWriter.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// 1,000 dues with notes of 20 lines each, as the PDF export gets them.
ExportRequest MakeRequest(const QString& outputPath)
{
    ExportRequest request;
    request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
    request.withNotes = true;
    request.outputPath = outputPath;
    QStringList notes;
    for (int line = 1; line <= 20; ++line)
        notes << QStringLiteral("Line %1 of the notes: paid by transfer (ref. 4471-%1), receipt filed.")
                     .arg(line);
    const QString notesText = notes.join(QStringLiteral("\r\n"));
    for (int i = 0; i < 1000; ++i) {
        DueRecord due;
        due.m_strRecId = QStringLiteral("%1").arg(20070301000000LL + i, 16, 10, QLatin1Char('0'));
        due.m_strTitle = QStringLiteral("Due number %1 (March)").arg(i + 1);
        due.m_dtStart = COleDateTime(2007, 3, 1, 0, 0, 0);
        due.m_dtDue = COleDateTime(2007, 3, 1 + i % 28, 0, 0, 0);
        due.m_strPayTo = QStringLiteral("City Works");
        due.m_strAccount = QStringLiteral("AC-%1").arg(7000 + i);
        due.m_dAmount = 12.5 * (i + 1);
        due.m_nType = 1 + i % 2;
        due.m_bPaid = i % 3 == 0;
        due.m_strNotes = notesText;
        request.dues.append(due);
    }
    return request;
}

QByteArray BuildDocument(const ExportRequest& request)
{
    CPdfWriter writer;
    BuildPdfExport(writer, request);
    return writer.Document();
}

// The whole command: layout, assembly and the file write.
void BM_ExportPdfFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const ExportRequest request = MakeRequest(dir.filePath(QStringLiteral("dues.pdf")));
    for (auto _ : state) {
        QString error;
        if (!ExportPdfFile(request, &error))
            state.SkipWithError(qPrintable(error));
    }
    const qint64 size = QFileInfo(request.outputPath).size();
    state.counters["file_bytes"] = double(size);
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_ExportPdfFile)->Unit(benchmark::kMillisecond);

// The writer alone: the same document built in memory, no file.
void BM_WriterInMemory(benchmark::State& state)
{
    const ExportRequest request = MakeRequest(QString());
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray doc = BuildDocument(request);
        size = doc.size();
        benchmark::DoNotOptimize(doc.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriterInMemory)->Unit(benchmark::kMillisecond);

// The baseline of the export: the same bytes written to a real file, as
// plainly as that can be done.
void BM_FileWriteBaseline(benchmark::State& state)
{
    const QByteArray doc = BuildDocument(MakeRequest(QString()));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("baseline.pdf"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(doc) != doc.size()) {
            state.SkipWithError(qPrintable(file.errorString()));
            break;
        }
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * doc.size());
}
BENCHMARK(BM_FileWriteBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::string loadBefore = BenchReport::LoadAverage();
    BenchReport::Reporter reporter;
    if (!BenchReport::RunAll(&argc, argv, &reporter))
        return 1;

    std::printf("\nPDF of 1,000 dues with notes (%s before, %s after):\n", loadBefore.c_str(),
                BenchReport::LoadAverage().c_str());
    const auto* writer = reporter.Find("BM_WriterInMemory");
    const auto* file = reporter.Find("BM_ExportPdfFile");
    const auto* baseline = reporter.Find("BM_FileWriteBaseline");
    if (writer) {
        const double mbs = writer->counters.at("bytes_per_second") / 1e6;
        BenchReport::Value("PDF writer, by CPU time", mbs, "MB/s", 300, false);
        BenchReport::Value("PDF writer, by wall clock", mbs * writer->cpu / writer->real, "MB/s", 300, false);
    }
    if (file && baseline)
        std::printf("%-46s %8.4f / %8.4f = %5.2f\n", "export to a file / writing its bytes (s, wall)",
                    file->real, baseline->real, file->real / baseline->real);
    std::fflush(stdout); // the summary before the static folders are removed
    return 0;
}
