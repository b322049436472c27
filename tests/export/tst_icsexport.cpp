#include "export/IcsExport.h"
#include "model/base/Clock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <libical/ical.h>

#include <algorithm>
#include <memory>

namespace {
struct ComponentFree
{
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

// Twelve dues of March 2007: midnight ones all-day, the others timed.
QList<DueRecord> MonthOfDues()
{
    QList<DueRecord> dues;
    for (int i = 0; i < 12; ++i) {
        DueRecord r(Qt::Uninitialized);
        r.m_strRecId = QStringLiteral("20070301090000%1").arg(i, 2, 10, QLatin1Char('0'));
        r.m_strTitle = i == 3 ? QStringLiteral("Water; \"north\", flat, and a very long title that needs "
                                               "folding because it runs past seventy-five octets")
                              : QStringLiteral("Due %1").arg(i);
        const int day = 1 + i * 2 + (i > 5 ? 1 : 0);
        r.m_dtStart = COleDateTime(2007, 3, 1, 0, 0, 0);
        r.m_dtDue = i % 3 == 1 ? COleDateTime(2007, 3, day, 17, 30, 0) : COleDateTime(2007, 3, day, 0, 0, 0);
        r.m_strPayTo = QStringLiteral("Payee %1").arg(i);
        r.m_strAccount = QStringLiteral("Acc\\%1").arg(i);
        r.m_dAmount = 10.5 * (i + 1);
        r.m_nType = i % 2 ? 2 : 1;
        r.m_bPaid = i % 4 == 0;
        r.m_strNotes = i == 3 ? QStringLiteral("first line\r\nZoë, second line") : QString();
        dues << r;
    }
    return dues;
}

QString ExpectedStart(const DueRecord& r)
{
    const QDateTime due = r.m_dtDue.ToQDateTime();
    return due.time() == QTime(0, 0) ? due.toString(QStringLiteral("yyyyMMdd"))
                                     : due.toString(QStringLiteral("yyyyMMddTHHmmss"));
}

QString PythonWithIcalendar()
{
    for (const QString& python : {QStringLiteral("python3"), QStringLiteral("/usr/bin/python3")}) {
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QStringLiteral("import icalendar")});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return python;
    }
    return QString();
}
} // namespace

class TestIcsExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void libicalReadsTwelveEvents_data();
    void libicalReadsTwelveEvents();
    void pythonIcalendarReadsIt();
    void uidStableAcrossExports();
    void leadDaysFromSettings_data();
    void leadDaysFromSettings();
    void writesTheFile();
    void controlCharactersKeepTheRest();

private:
    QTemporaryDir m_dir;
};

void TestIcsExport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Settings of this run only, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    Clock::SetFixed(QDateTime(QDate(2007, 3, 12), QTime(14, 25, 30)));
}

void TestIcsExport::libicalReadsTwelveEvents_data()
{
    QTest::addColumn<int>("leadDays");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("default three days") << 3 << QStringLiteral("-P3D");
    QTest::newRow("one day") << 1 << QStringLiteral("-P1D");
    QTest::newRow("two weeks") << 14 << QStringLiteral("-P2W");
    QTest::newRow("no alarm") << 0 << QString();
}

void TestIcsExport::libicalReadsTwelveEvents()
{
    QFETCH(int, leadDays);
    QFETCH(QString, trigger);
    ExportRequest request;
    request.dues = MonthOfDues();
    request.locale = QLocale::c();
    const QByteArray bytes = IcsExport::Build(request, leadDays);
    for (const QByteArray& line : bytes.split('\n'))
        QVERIFY2(line.size() <= 76, line.constData()); // 75 octets and the CR

    std::unique_ptr<icalcomponent, ComponentFree> cal(icalparser_parse_string(bytes.constData()));
    QVERIFY(cal);
    QCOMPARE(icalcomponent_isa(cal.get()), ICAL_VCALENDAR_COMPONENT);
    QCOMPARE(icalcomponent_count_errors(cal.get()), 0);
    QCOMPARE(icalcomponent_count_components(cal.get(), ICAL_VEVENT_COMPONENT), 12);

    int i = 0;
    for (icalcomponent* ev = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal.get(), ICAL_VEVENT_COMPONENT), ++i) {
        const DueRecord& r = request.dues.at(i);
        const icaltimetype start = icalcomponent_get_dtstart(ev);
        QCOMPARE(QString::fromUtf8(icaltime_as_ical_string(start)), ExpectedStart(r));
        QCOMPARE(bool(start.is_date), r.m_dtDue.ToQDateTime().time() == QTime(0, 0));
        QVERIFY(!icaltime_get_timezone(start)); // floating: local time wherever it is read
        QCOMPARE(QString::fromUtf8(icalcomponent_get_uid(ev)), r.m_strRecId + QStringLiteral("@tallyvane"));
        const QString summary = QString::fromUtf8(icalcomponent_get_summary(ev));
        QVERIFY2(summary.startsWith(r.m_strTitle + QStringLiteral(" - ")), qPrintable(summary));
        QVERIFY2(summary.contains(QString::number(r.m_dAmount, 'f', 2)), qPrintable(summary));
        const QString description = QString::fromUtf8(icalcomponent_get_description(ev));
        QVERIFY(description.contains(r.m_strPayTo));
        QVERIFY(description.contains(r.m_strAccount));
        QVERIFY(
            description.contains(r.m_nType == 2 ? QStringLiteral("Personal") : QStringLiteral("Business")));
        QVERIFY(description.contains(r.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid")));
        if (!r.m_strNotes.isEmpty())
            QVERIFY2(description.endsWith(QStringLiteral("first line\nZoë, second line")),
                     qPrintable(description));

        icalcomponent* alarm = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT);
        if (trigger.isEmpty()) {
            QVERIFY(!alarm);
            continue;
        }
        QVERIFY(alarm);
        icalproperty* prop = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        QVERIFY(prop);
        const icaltriggertype t = icalproperty_get_trigger(prop);
        QCOMPARE(QString::fromUtf8(icaldurationtype_as_ical_string(t.duration)), trigger);
        QCOMPARE(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                 ICAL_ACTION_DISPLAY);
    }
}

void TestIcsExport::pythonIcalendarReadsIt()
{
    const QString python = PythonWithIcalendar();
    if (python.isEmpty())
        QSKIP("Python's icalendar module is not installed");
    ExportRequest request;
    request.dues = MonthOfDues();
    request.locale = QLocale::c();
    const QString path = m_dir.filePath(QStringLiteral("py.ics"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(IcsExport::Build(request, 3));
    f.close();

    const char* script = R"(import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for ev in cal.walk('VEVENT'):
    alarms = [a for a in ev.walk('VALARM')]
    trig = alarms[0].decoded('TRIGGER') if alarms else None
    print(ev.decoded('DTSTART').isoformat(), str(ev['UID']), int(trig.total_seconds()) if trig else '-', str(ev['SUMMARY']).split(' - ')[0])
)";
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromUtf8(script), path});
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 12);
    for (int i = 0; i < 12; ++i) {
        const DueRecord& r = request.dues.at(i);
        const QDateTime due = r.m_dtDue.ToQDateTime();
        const QString start = due.time() == QTime(0, 0) ? due.date().toString(Qt::ISODate)
                                                        : due.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        QCOMPARE(lines.at(i),
                 QStringLiteral("%1 %2@tallyvane -259200 %3").arg(start, r.m_strRecId, r.m_strTitle));
    }
}

void TestIcsExport::uidStableAcrossExports()
{
    ExportRequest request;
    request.dues = MonthOfDues();
    const QByteArray first = IcsExport::Build(request, 3);
    Clock::Advance(86400 * 40);
    std::reverse(request.dues.begin(), request.dues.end());
    const QByteArray second = IcsExport::Build(request, 3);
    auto uids = [](const QByteArray& bytes) {
        QStringList out;
        for (const QByteArray& line : bytes.split('\n'))
            if (line.startsWith("UID:"))
                out << QString::fromUtf8(line.trimmed());
        out.sort();
        return out;
    };
    QCOMPARE(uids(first).size(), 12);
    QCOMPARE(uids(first), uids(second));
    QVERIFY(first != second); // the stamp moved with the clock
}

// A NUL in a title once ended the summary there: the rest must reach the file.
void TestIcsExport::controlCharactersKeepTheRest()
{
    ExportRequest request;
    request.dues = MonthOfDues().mid(0, 1);
    request.dues[0].m_strTitle = QStringLiteral("Gas") + QChar(0) + QStringLiteral("after nul\x01\x1b end");
    request.dues[0].m_strNotes = QStringLiteral("note") + QChar(0) + QStringLiteral("tail");
    const QByteArray bytes = IcsExport::Build(request, 3);
    QVERIFY(!bytes.contains('\0') && !bytes.contains('\x01') && !bytes.contains('\x1b'));
    QVERIFY2(bytes.contains("SUMMARY:Gas after nul   end"), bytes.constData());
    QVERIFY2(bytes.contains("note tail"), bytes.constData());
}

void TestIcsExport::leadDaysFromSettings_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("days");
    QTest::newRow("absent") << QVariant() << 3;
    QTest::newRow("zero: no alarm") << QVariant(0) << 0;
    QTest::newRow("seven") << QVariant(7) << 7;
    QTest::newRow("text number") << QVariant(QStringLiteral(" 5 ")) << 5;
    QTest::newRow("negative") << QVariant(-2) << 3;
    QTest::newRow("too far") << QVariant(100000) << 3;
    QTest::newRow("not a number") << QVariant(QStringLiteral("soon")) << 3;
}

void TestIcsExport::leadDaysFromSettings()
{
    QFETCH(QVariant, value);
    QFETCH(int, days);
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    if (value.isValid())
        settings.setValue(QStringLiteral("Reminders/LeadDays"), value);
    else
        settings.remove(QStringLiteral("Reminders/LeadDays"));
    settings.sync();
    QCOMPARE(IcsExport::ReminderLeadDays(), days);
    settings.remove(QStringLiteral("Reminders/LeadDays"));
}

void TestIcsExport::writesTheFile()
{
    ExportRequest request;
    request.dues = MonthOfDues();
    request.outputPath = m_dir.filePath(QStringLiteral("month.ics"));
    QString why;
    QVERIFY2(IcsExport::ExportFile(request, &why), qPrintable(why));
    QFile f(request.outputPath);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("BEGIN:VCALENDAR\r\n"));
    QCOMPARE(bytes.count("BEGIN:VEVENT"), 12);

    request.outputPath = m_dir.filePath(QStringLiteral("missing/month.ics"));
    QVERIFY(!IcsExport::ExportFile(request, &why));
    QVERIFY2(why.contains(QDir::toNativeSeparators(request.outputPath)), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestIcsExport)
#include "tst_icsexport.moc"
