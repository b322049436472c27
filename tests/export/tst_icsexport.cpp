#include "export/IcsExport.h"
#include "model/base/Clock.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(COleDateTime)

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

// Looked for once: starting Python is slow.
QString PythonWithIcalendar()
{
    static const QString found = [] {
        for (const QString& python : {QStringLiteral("python3"), QStringLiteral("/usr/bin/python3")}) {
            QProcess p;
            p.start(python, {QStringLiteral("-c"), QStringLiteral("import icalendar")});
            if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
                return python;
        }
        return QString();
    }();
    return found;
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
    void allDayEndsNextDay_data();
    void allDayEndsNextDay();
    void textsReadBackWhole_data();
    void textsReadBackWhole();
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

        // A paid due rings no alarm.
        icalcomponent* alarm = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT);
        if (trigger.isEmpty() || r.m_bPaid) {
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
                 QStringLiteral("%1 %2@tallyvane %3 %4")
                     .arg(start, r.m_strRecId, r.m_bPaid ? QStringLiteral("-") : QStringLiteral("-259200"),
                          r.m_strTitle));
    }
}

void TestIcsExport::uidStableAcrossExports()
{
    ExportRequest request;
    request.dues = MonthOfDues();
    auto stampNow = [] {
        return QByteArray("DTSTAMP:") +
               Clock::Now().toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ")).toLatin1();
    };
    const QByteArray firstStamp = stampNow();
    const QByteArray first = IcsExport::Build(request, 3);
    Clock::Advance(86400 * 40 + 61);
    const QByteArray secondStamp = stampNow();
    std::reverse(request.dues.begin(), request.dues.end());
    const QByteArray second = IcsExport::Build(request, 3);
    auto lines = [](const QByteArray& bytes, const char* name) {
        QStringList out;
        for (const QByteArray& line : bytes.split('\n'))
            if (line.startsWith(name))
                out << QString::fromUtf8(line.trimmed());
        out.sort();
        return out;
    };
    QCOMPARE(lines(first, "UID:").size(), 12);
    QCOMPARE(lines(first, "UID:"), lines(second, "UID:"));
    // Each event carries the time of its export: the stamp itself moved.
    QVERIFY(firstStamp != secondStamp);
    QCOMPARE(lines(first, "DTSTAMP:"), QStringList(12, QString::fromLatin1(firstStamp)));
    QCOMPARE(lines(second, "DTSTAMP:"), QStringList(12, QString::fromLatin1(secondStamp)));
}

void TestIcsExport::allDayEndsNextDay_data()
{
    QTest::addColumn<COleDateTime>("due");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end"); // empty: no DTEND
    QTest::newRow("mid month") << COleDateTime(2007, 3, 14, 0, 0, 0) << "20070314"
                               << "20070315";
    QTest::newRow("month end") << COleDateTime(2007, 1, 31, 0, 0, 0) << "20070131"
                               << "20070201";
    QTest::newRow("year end") << COleDateTime(2007, 12, 31, 0, 0, 0) << "20071231"
                              << "20080101";
    QTest::newRow("before leap day") << COleDateTime(2024, 2, 28, 0, 0, 0) << "20240228"
                                     << "20240229";
    QTest::newRow("leap day") << COleDateTime(2024, 2, 29, 0, 0, 0) << "20240229"
                              << "20240301";
    QTest::newRow("timed has none") << COleDateTime(2007, 3, 14, 9, 15, 0) << "20070314T091500"
                                    << "";
}

void TestIcsExport::allDayEndsNextDay()
{
    QFETCH(COleDateTime, due);
    QFETCH(QString, start);
    QFETCH(QString, end);
    ExportRequest request;
    request.dues = MonthOfDues().mid(0, 1);
    request.dues[0].m_dtDue = due;
    const QByteArray bytes = IcsExport::Build(request, 3);
    std::unique_ptr<icalcomponent, ComponentFree> cal(icalparser_parse_string(bytes.constData()));
    QVERIFY(cal);
    icalcomponent* ev = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT);
    QVERIFY(ev);
    QCOMPARE(QString::fromUtf8(icaltime_as_ical_string(icalcomponent_get_dtstart(ev))), start);
    icalproperty* dtend = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY);
    QCOMPARE(dtend != nullptr, !end.isEmpty());
    if (dtend) {
        QCOMPARE(QString::fromUtf8(icaltime_as_ical_string(icalproperty_get_dtend(dtend))), end);
        QVERIFY(icalproperty_get_dtend(dtend).is_date);
    }
}

// Notes and titles as a calendar program shows them: every kind of line end
// is a line break, a control character a space, and nothing after either is
// lost. Read by libical and, where installed, by Python's icalendar.
void TestIcsExport::textsReadBackWhole_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("shownNotes");
    QTest::newRow("LF") << "Gas"
                        << "one\ntwo"
                        << "Gas"
                        << "one\ntwo";
    QTest::newRow("CR LF") << "Gas"
                           << "one\r\ntwo"
                           << "Gas"
                           << "one\ntwo";
    QTest::newRow("lone CR") << "Gas"
                             << "one\rtwo\r"
                             << "Gas"
                             << "one\ntwo\n";
    QTest::newRow("LF CR is two") << "Gas"
                                  << "one\n\rtwo"
                                  << "Gas"
                                  << "one\n\ntwo";
    QTest::newRow("break in the title") << "Gas\rbill"
                                        << "x"
                                        << "Gas\nbill"
                                        << "x";
    QTest::newRow("tab stays") << "Gas"
                               << "a\tb"
                               << "Gas"
                               << "a\tb";
    QTest::newRow("NUL and escapes") << QStringLiteral("Gas") + QChar(0) + QStringLiteral("after\x1b[0m;end")
                                     << QStringLiteral("n") + QChar(0) + QStringLiteral("\x0b\x0c\x7f") +
                                            QChar(0x85) + QStringLiteral("z")
                                     << "Gas after [0m;end" << QStringLiteral("n     z");
    // (Not a backslash before an n: Python's icalendar 4 takes the escaped
    // backslash and the n for a line break, though libical reads it right.)
    QTest::newRow("backslash, comma, semicolon") << "a\\b, c"
                                                 << "d;e\\"
                                                 << "a\\b, c"
                                                 << "d;e\\";
}

void TestIcsExport::textsReadBackWhole()
{
    QFETCH(QString, title);
    QFETCH(QString, notes);
    QFETCH(QString, shownTitle);
    QFETCH(QString, shownNotes);
    ExportRequest request;
    request.dues = MonthOfDues().mid(0, 1);
    request.dues[0].m_strTitle = title;
    request.dues[0].m_strNotes = notes;
    request.locale = QLocale::c();
    const QByteArray bytes = IcsExport::Build(request, 3);
    // No control character reaches the file, and CR and LF only as the
    // lines' ends: nothing cuts a property.
    for (char c = 0; c < 0x20; ++c)
        QVERIFY2(c == '\r' || c == '\n' || c == '\t' || !bytes.contains(c), qPrintable(QString::number(c)));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

    std::unique_ptr<icalcomponent, ComponentFree> cal(icalparser_parse_string(bytes.constData()));
    QVERIFY(cal);
    QCOMPARE(icalcomponent_count_errors(cal.get()), 0);
    icalcomponent* ev = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT);
    const QString summary = QString::fromUtf8(icalcomponent_get_summary(ev));
    const QString description = QString::fromUtf8(icalcomponent_get_description(ev));
    QCOMPARE(summary.section(QStringLiteral(" - "), 0, 0), shownTitle);
    QVERIFY2(description.endsWith(QStringLiteral("\n\n") + shownNotes), qPrintable(description));

    const QString python = PythonWithIcalendar();
    if (python.isEmpty())
        QSKIP("Python's icalendar module is not installed: read by libical only");
    const QString path = m_dir.filePath(QStringLiteral("texts.ics"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(IcsExport::Build(request, 3));
    f.close();
    const char* script = R"(import sys, json, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
ev = next(iter(cal.walk('VEVENT')))
print(json.dumps([str(ev['SUMMARY']), str(ev['DESCRIPTION'])]))
)";
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromUtf8(script), path});
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    const QJsonArray read = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).toString(), summary);
    QCOMPARE(read.at(1).toString(), description);
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
