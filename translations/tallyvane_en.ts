<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CCalendarSyncDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/sync/CCalendarSyncDlg.cpp" line="+103"/>
        <source>%n calendar(s) found.</source>
        <translation>
            <numerusform>%n calendar found.</numerusform>
            <numerusform>%n calendars found.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarView</name>
    <message numerus="yes">
        <location filename="../src/ui/calendar/CCalendarView.cpp" line="+278"/>
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
        <location line="+229"/>
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
        <location filename="../src/ui/comingup/CComingUpView.cpp" line="+106"/>
        <source>Late dues and those of the next %n day(s), whatever the month list&apos;s filter</source>
        <translation>
            <numerusform>Late dues and those of the next %n day, whatever the month list&apos;s filter</numerusform>
            <numerusform>Late dues and those of the next %n days, whatever the month list&apos;s filter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CConflictBar</name>
    <message numerus="yes">
        <location filename="../src/ui/conflicts/CConflictBar.cpp" line="+51"/>
        <source>Conflicting versions of %n due(s): more than one file holds each (a sync tool kept both changes, or two computers made the same identifier). The list shows one version of each.</source>
        <translation>
            <numerusform>Conflicting versions of %n due: more than one file holds it (a sync tool kept both changes, or two computers made the same identifier). The list shows one version of it.</numerusform>
            <numerusform>Conflicting versions of %n dues: more than one file holds each (a sync tool kept both changes, or two computers made the same identifier). The list shows one version of each.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CConflictDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/conflicts/CConflictDlg.cpp" line="+80"/>
        <source>“%1” is held by %n file(s), each with a version of its own: a sync tool kept both changes, or two computers made the same identifier. The fields that differ are marked. Keep one version (the other files are removed), or keep every version as a due of its own.</source>
        <translation>
            <numerusform>“%1” is held by %n file, each with a version of its own: a sync tool kept both changes, or two computers made the same identifier. The fields that differ are marked. Keep one version (the other files are removed), or keep every version as a due of its own.</numerusform>
            <numerusform>“%1” is held by %n files, each with a version of its own: a sync tool kept both changes, or two computers made the same identifier. The fields that differ are marked. Keep one version (the other files are removed), or keep every version as a due of its own.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCsvImportDlg</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/CCsvImportDlg.cpp" line="+228"/>
        <source>%Ln due(s) will be added; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln due will be added; the first %1 are shown:</numerusform>
            <numerusform>%Ln dues will be added; the first %1 are shown:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n due(s) will be added:</source>
        <translation>
            <numerusform>%n due will be added:</numerusform>
            <numerusform>%n dues will be added:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%Ln line(s) will be left out; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln line will be left out; the first %1 are shown:</numerusform>
            <numerusform>%Ln lines will be left out; the first %1 are shown:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
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
        <location filename="../src/model/store/CDueStore.cpp" line="+468"/>
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
    <message numerus="yes">
        <location line="+8"/>
        <source>%n due(s) added</source>
        <translation>
            <numerusform>%n due added</numerusform>
            <numerusform>%n dues added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n due(s) not added</source>
        <translation>
            <numerusform>%n due not added</numerusform>
            <numerusform>%n dues not added</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message numerus="yes">
        <location filename="../src/ui/frame/CMainFrame.cpp" line="+838"/>
        <source>%n leftover file(s) of an earlier save that was interrupted were removed:</source>
        <translation>
            <numerusform>%n leftover file of an earlier save that was interrupted was removed:</numerusform>
            <numerusform>%n leftover files of an earlier save that was interrupted were removed:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n due files could not be read and were left as they are:</source>
        <translation>
            <numerusform>%n due file could not be read and was left as it is:</numerusform>
            <numerusform>%n due files could not be read and were left as they are:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n due(s) are held by more than one file, each with a version of its own (a sync tool kept both changes). Choose which to keep with Tools &gt; Resolve Conflicts:</source>
        <translation>
            <numerusform>%n due is held by more than one file, each with a version of its own (a sync tool kept both changes). Choose which to keep with Tools &gt; Resolve Conflicts:</numerusform>
            <numerusform>%n dues are held by more than one file, each with a version of its own (a sync tool kept both changes). Choose which to keep with Tools &gt; Resolve Conflicts:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+80"/>
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
    <message numerus="yes">
        <location filename="../src/ui/frame/CMainFrameConflicts.cpp" line="+168"/>
        <source>%n dues deleted here are in the data folder again: another computer or program changed them meanwhile, and a sync tool brought them back. Delete them again?</source>
        <translation>
            <numerusform>%n due deleted here is in the data folder again: another computer or program changed it meanwhile, and a sync tool brought it back. Delete it again?</numerusform>
            <numerusform>%n dues deleted here are in the data folder again: another computer or program changed them meanwhile, and a sync tool brought them back. Delete them again?</numerusform>
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
        <location filename="../src/app/CommandLine.cpp" line="+487"/>
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
        <location filename="../src/app/DataCommands.cpp" line="+65"/>
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
    <name>DavClient</name>
    <message numerus="yes">
        <location filename="../src/sync/DavClient.cpp" line="+79"/>
        <source>%1: %2 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1: %2 did not answer within %n second.</numerusform>
            <numerusform>%1: %2 did not answer within %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueCsv</name>
    <message numerus="yes">
        <location filename="../src/export/DueCsv.cpp" line="+499"/>
        <source>the header (split at each %1) lacks the column(s) %2</source>
        <translation>
            <numerusform>the header (split at each %1) lacks the column %2</numerusform>
            <numerusform>the header (split at each %1) lacks the columns %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/export/CsvRecordReader.cpp" line="+49"/>
        <source>line %1: a record runs past %n character(s); a quote is probably not closed</source>
        <translation>
            <numerusform>line %1: a record runs past %n character; a quote is probably not closed</numerusform>
            <numerusform>line %1: a record runs past %n characters; a quote is probably not closed</numerusform>
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
        <location filename="../src/ui/reminders/ReminderCenter.cpp" line="+81"/>
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
<context>
    <name>SyncCenter</name>
    <message numerus="yes">
        <location filename="../src/ui/sync/SyncCenter.cpp" line="+168"/>
        <source>%n due(s) were deleted on the calendar server; they stay here:</source>
        <translation>
            <numerusform>%n due was deleted on the calendar server; it stays here:</numerusform>
            <numerusform>%n dues were deleted on the calendar server; they stay here:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Calendar: %n change(s) wait</source>
        <translation>
            <numerusform>Calendar: %n change waits</numerusform>
            <numerusform>Calendar: %n changes wait</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Calendar: %n conflict(s)</source>
        <translation>
            <numerusform>Calendar: %n conflict</numerusform>
            <numerusform>Calendar: %n conflicts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Calendar: offline, %n change(s) wait</source>
        <translation>
            <numerusform>Calendar: offline, %n change waits</numerusform>
            <numerusform>Calendar: offline, %n changes wait</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Calendar: stopped, %n change(s) wait</source>
        <translation>
            <numerusform>Calendar: stopped, %n change waits</numerusform>
            <numerusform>Calendar: stopped, %n changes wait</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommandText</name>
    <message numerus="yes">
        <location filename="../src/app/SyncRun.cpp" line="+160"/>
        <source>%n change(s) wait for the next sync.</source>
        <translation>
            <numerusform>%n change waits for the next sync.</numerusform>
            <numerusform>%n changes wait for the next sync.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>%1 (%n change(s) here wait to be sent)</source>
        <translation>
            <numerusform>%1 (%n change here waits to be sent)</numerusform>
            <numerusform>%1 (%n changes here wait to be sent)</numerusform>
        </translation>
    </message>
</context>
</TS>
