<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CCalendarView</name>
    <message numerus="yes">
        <location filename="../src/ui/calendar/CCalendarView.cpp" line="+277"/>
        <source>%1, today, %n due(s)</source>
        <translation>
            <numerusform>%1, today, %n due</numerusform>
            <numerusform>%1, today, %n dues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n due(s)</source>
        <translation>
            <numerusform>%1, %n due</numerusform>
            <numerusform>%1, %n dues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+228"/>
        <source>+%n more</source>
        <translation>
            <numerusform>+%n more</numerusform>
            <numerusform>+%n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CComingUpView</name>
    <message numerus="yes">
        <location filename="../src/ui/comingup/CComingUpView.cpp" line="+104"/>
        <source>Late dues and those of the next %n day(s), whatever the month list&apos;s filter</source>
        <translation>
            <numerusform>Late dues and those of the next %n day, whatever the month list&apos;s filter</numerusform>
            <numerusform>Late dues and those of the next %n days, whatever the month list&apos;s filter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCsvImportDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/CCsvImportDlg.cpp" line="+224"/>
        <source>%n due(s) will be added:</source>
        <translation>
            <numerusform>%n due will be added:</numerusform>
            <numerusform>%n dues will be added:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+31"/>
        <source>%n line(s) will be left out:</source>
        <translation>
            <numerusform>%n line will be left out:</numerusform>
            <numerusform>%n lines will be left out:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDetailPage</name>
    <message numerus="yes">
        <location filename="../src/ui/editor/CDetailPage.cpp" line="+306"/>
        <source> (%n left out: moved off the weekend onto a day that already has one)</source>
        <translation>
            <numerusform> (%n left out: moved off the weekend onto a day that already has one)</numerusform>
            <numerusform> (%n left out: moved off the weekend onto a day that already has one)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDueStore</name>
    <message numerus="yes">
        <location filename="../src/model/store/CDueStore.cpp" line="+467"/>
        <source>the series &quot;%1&quot; (%n due(s))</source>
        <translation>
            <numerusform>the series &quot;%1&quot; (%n due)</numerusform>
            <numerusform>the series &quot;%1&quot; (%n dues)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <source>%n due(s) deleted</source>
        <translation>
            <numerusform>%n due deleted</numerusform>
            <numerusform>%n dues deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n unfinished file(s)</source>
        <translation>
            <numerusform>%n unfinished file</numerusform>
            <numerusform>%n unfinished files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message numerus="yes">
        <location filename="../src/ui/frame/CMainFrame.cpp" line="+813"/>
        <source>%n leftover file(s) of an earlier save that was interrupted were removed:</source>
        <translation>
            <numerusform>%n leftover file of an earlier save that was interrupted was removed:</numerusform>
            <numerusform>%n leftover files of an earlier save that was interrupted were removed:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n due files could not be read and were left as they are:</source>
        <translation>
            <numerusform>%n due file could not be read and was left as it is:</numerusform>
            <numerusform>%n due files could not be read and were left as they are:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>Another program deleted %n of these dues since they were shown here.</source>
        <translation>
            <numerusform>Another program deleted %n of these dues since they were shown here.</numerusform>
            <numerusform>Another program deleted %n of these dues since they were shown here.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Another program changed %n of these dues since they were shown here. Your change was not written over theirs.</source>
        <translation>
            <numerusform>Another program changed %n of these dues since they were shown here. Your change was not written over theirs.</numerusform>
            <numerusform>Another program changed %n of these dues since they were shown here. Your change was not written over theirs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+43"/>
        <source>%n changes could not be written:</source>
        <translation>
            <numerusform>%n change could not be written:</numerusform>
            <numerusform>%n changes could not be written:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message numerus="yes">
        <location filename="../src/export/CPdfExport.cpp" line="+227"/>
        <source>&quot;%1&quot; shows a replacement mark for %n character(s) that no installed font has: %2. Installing fonts-noto-core, fonts-noto-cjk and fonts-symbola adds fonts for most scripts and for emoji.</source>
        <translation>
            <numerusform>&quot;%1&quot; shows a replacement mark for %n character that no installed font has: %2. Installing fonts-noto-core, fonts-noto-cjk and fonts-symbola adds fonts for most scripts and for emoji.</numerusform>
            <numerusform>&quot;%1&quot; shows a replacement mark for %n characters that no installed font has: %2. Installing fonts-noto-core, fonts-noto-cjk and fonts-symbola adds fonts for most scripts and for emoji.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRecurrenceDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/recurrence/CRecurrenceDlg.cpp" line="+199"/>
        <source>Day(s)</source>
        <translation>
            <numerusform>Day</numerusform>
            <numerusform>Days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>Week(s) On</source>
        <translation>
            <numerusform>Week On</numerusform>
            <numerusform>Weeks On</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+36"/>
        <location line="+8"/>
        <source>Month(s)</source>
        <translation>
            <numerusform>Month</numerusform>
            <numerusform>Months</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderSettingsDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/reminders/CReminderSettingsDlg.cpp" line="+26"/>
        <location line="+5"/>
        <source> day(s) before</source>
        <translation>
            <numerusform> day before</numerusform>
            <numerusform> days before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-3"/>
        <location line="+4"/>
        <source> day(s)</source>
        <translation>
            <numerusform> day</numerusform>
            <numerusform> days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReportsView</name>
    <message numerus="yes">
        <location filename="../src/ui/reports/CReportsView.cpp" line="+295"/>
        <source>%1: %n due(s), paid %2, unpaid %3 (overdue %4), total %5</source>
        <translation>
            <numerusform>%1: %n due, paid %2, unpaid %3 (overdue %4), total %5</numerusform>
            <numerusform>%1: %n dues, paid %2, unpaid %3 (overdue %4), total %5</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message numerus="yes">
        <location filename="../src/ui/reminders/CTrayIcon.cpp" line="+105"/>
        <source>Tallyvane: %1 overdue, %2 due within %n day(s)</source>
        <translation>
            <numerusform>Tallyvane: %1 overdue, %2 due within %n day</numerusform>
            <numerusform>Tallyvane: %1 overdue, %2 due within %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <location filename="../src/app/CommandLine.cpp" line="+454"/>
        <source>removed %n leftover files of an earlier save that was interrupted: %1</source>
        <translation>
            <numerusform>removed %n leftover file of an earlier save that was interrupted: %1</numerusform>
            <numerusform>removed %n leftover files of an earlier save that was interrupted: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataCommandsText</name>
    <message numerus="yes">
        <location filename="../src/app/DataCommands.cpp" line="+57"/>
        <source>imported %n due(s)</source>
        <translation>
            <numerusform>imported %n due</numerusform>
            <numerusform>imported %n dues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>rejected %n line(s)</source>
        <translation>
            <numerusform>rejected %n line</numerusform>
            <numerusform>rejected %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueCsv</name>
    <message numerus="yes">
        <location filename="../src/export/DueCsv.cpp" line="+386"/>
        <source>the header (split at each %1) lacks the column(s) %2</source>
        <translation>
            <numerusform>the header (split at each %1) lacks the column %2</numerusform>
            <numerusform>the header (split at each %1) lacks the columns %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message numerus="yes">
        <location filename="../src/model/store/FolderLock.cpp" line="+65"/>
        <source>The data folder %1 is being written by another program for longer than %n second(s). Try again when it has finished.</source>
        <translation>
            <numerusform>The data folder %1 is being written by another program for longer than %n second. Try again when it has finished.</numerusform>
            <numerusform>The data folder %1 is being written by another program for longer than %n seconds. Try again when it has finished.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/Prompt.cpp" line="+47"/>
        <source>%n item(s) in all; see the details.</source>
        <translation>
            <numerusform>%n item in all; see the details.</numerusform>
            <numerusform>%n items in all; see the details.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderCenter</name>
    <message numerus="yes">
        <location filename="../src/ui/reminders/ReminderCenter.cpp" line="+77"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n dues are overdue</source>
        <translation>
            <numerusform>%n due is overdue</numerusform>
            <numerusform>%n dues are overdue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n dues fall due within %1</source>
        <translation>
            <numerusform>%n due falls due within %1</numerusform>
            <numerusform>%n dues fall due within %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n fall due within %1</source>
        <translation>
            <numerusform>%n falls due within %1</numerusform>
            <numerusform>%n fall due within %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+132"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportBars</name>
    <message numerus="yes">
        <location filename="../src/ui/reports/ReportBars.cpp" line="+76"/>
        <source>Other (%n)</source>
        <translation>
            <numerusform>Other (%n)</numerusform>
            <numerusform>Other (%n)</numerusform>
        </translation>
    </message>
</context>
</TS>
