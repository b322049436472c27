#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"
#include "model/base/LocaleFormat.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

// Dues with notes of 20 lines each, as the office exports get them.
ExportRequest MakeRequest(int count, const QString& outputPath)
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
    for (int i = 0; i < count; ++i) {
        DueRecord due;
        due.m_strTitle = QStringLiteral("Due number %1 (March)").arg(i + 1);
        due.m_dtStart = COleDateTime(2007, 3, 1, 0, 0, 0);
        due.m_dtDue = COleDateTime(2007, 3, 1 + i % 28, i % 5 == 0 ? 14 : 0, 30 * (i % 2), 0);
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

// The spreadsheet template as the build lays it out: bench/ and bin/ side by
// side in the build folder.
QString& TemplatePath()
{
    static QString path;
    return path;
}

bool ExportXlsx(const ExportRequest& request, QString* error)
{
    return ExportSpreadsheetFileFromTemplate(request, TemplatePath(), error);
}

template <bool (*Export)(const ExportRequest&, QString*)>
void RunExport(benchmark::State& state, const char* fileName)
{
    QTemporaryDir dir;
    const ExportRequest request =
        MakeRequest(int(state.range(0)), dir.filePath(QString::fromLatin1(fileName)));
    for (auto _ : state) {
        QString error;
        if (!Export(request, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    state.counters["file_bytes"] = double(QFileInfo(request.outputPath).size());
}

// The whole file export: template, every cell and comment, the package write.
void BM_ExportXlsx(benchmark::State& state)
{
    RunExport<ExportXlsx>(state, "dues.xlsx");
}
BENCHMARK(BM_ExportXlsx)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportDocx(benchmark::State& state)
{
    RunExport<ExportWordFile>(state, "dues.docx");
}
BENCHMARK(BM_ExportDocx)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the time of every run so that the growth from 1,000 to 4,000 dues
// can be printed at the end: linear work gives about 4.
class GrowthReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Single runs, or the mean where runs are repeated; seconds.
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                m_times[run.run_name.str()] = {run.GetAdjustedRealTime() / 1000.0,
                                               run.GetAdjustedCPUTime() / 1000.0};
        }
    }

    // The wall-clock ratio is the one that counts on a quiet machine; the
    // processor-time ratio says the same where other work shares the cores.
    void PrintGrowth() const
    {
        for (const char* family : {"BM_ExportXlsx", "BM_ExportDocx"}) {
            const auto small = m_times.find(std::string(family) + "/1000/real_time");
            const auto large = m_times.find(std::string(family) + "/4000/real_time");
            if (small == m_times.end() || large == m_times.end() || small->second.first <= 0 ||
                small->second.second <= 0)
                continue;
            std::printf("%s: 1000 dues %.3f s, 4000 dues %.3f s, ratio 4000/1000 = %.2f "
                        "(processor time %.3f s, %.3f s, ratio %.2f)\n",
                        family, small->second.first, large->second.first,
                        large->second.first / small->second.first, small->second.second, large->second.second,
                        large->second.second / small->second.second);
        }
    }

private:
    std::map<std::string, std::pair<double, double>> m_times; // real, processor
};

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TemplatePath() = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +
                     QStringLiteral("/../bin/Templates/tlv.xltx");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    GrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintGrowth();
    benchmark::Shutdown();
    return 0;
}
