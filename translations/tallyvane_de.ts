<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BarChartPainter</name>
    <message>
        <location filename="../src/ui/reports/BarChartPainter.cpp" line="+88"/>
        <source>%1 a month</source>
        <translation>%1 im Monat</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Cost per month</source>
        <translation>Kosten im Monat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Overdue (part of unpaid)</source>
        <translation>Überfällig (Teil von unbezahlt)</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>No dues in this range.</source>
        <translation>Keine Fälligkeiten in diesem Zeitraum.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 a year</source>
        <translation>%1 im Jahr</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CAboutDlg.cpp" line="+13"/>
        <source>About Tallyvane</source>
        <translation>Über Tallyvane</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tallyvane 

Version %1.%2</source>
        <translation>Tallyvane 

Version %1.%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keeps track of the bills that fall due, month by month.</source>
        <translation>Behält die fälligen Rechnungen im Blick, Monat für Monat.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCalendarSyncDlg</name>
    <message>
        <location filename="../src/ui/sync/CCalendarSyncDlg.cpp" line="+37"/>
        <source>Calendar Sync</source>
        <translation>Kalenderabgleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep the dues in step with a calendar on a CalDAV server</source>
        <translation>Fälligkeiten mit einem Kalender auf einem CalDAV-Server &amp;abgleichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dav.example.org or https://dav.example.org/</source>
        <translation>dav.example.org oder https://dav.example.org/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept in the keyring; type to change</source>
        <translation>Im Schlüsselbund gespeichert; zum Ändern eintippen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kept in the desktop&apos;s keyring</source>
        <translation>Im Schlüsselbund der Arbeitsumgebung gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find Calendars</source>
        <translation>Kalender &amp;suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name of a new calendar</source>
        <translation>Name eines neuen Kalenders</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make It</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As &amp;tasks, ticked off when paid</source>
        <translation>Als &amp;Aufgaben, abgehakt, wenn bezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As &amp;events, for apps that show calendars only</source>
        <translation>Als &amp;Termine, für Apps, die nur Kalender zeigen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Calendar:</source>
        <translation>&amp;Kalender:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;New calendar:</source>
        <translation>&amp;Neuer Kalender:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each due goes to the calendar</source>
        <translation>Jede Fälligkeit kommt in den Kalender</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The server has no calendars for %1 yet: make one below.</source>
        <translation>Der Server hat noch keine Kalender für %1: Legen Sie unten einen an.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n calendar(s) found.</source>
        <translation>
            <numerusform>%n Kalender gefunden.</numerusform>
            <numerusform>%n Kalender gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar &quot;%1&quot; was made; listing the calendars...</source>
        <translation>Der Kalender „%1“ wurde angelegt; die Kalender werden aufgelistet …</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+70"/>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation>„%1“ ist keine Serveradresse.</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Looking for calendars...</source>
        <translation>Kalender werden gesucht …</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Find the calendars first: the new one is made beside them.</source>
        <translation>Suchen Sie zuerst die Kalender: Der neue wird neben ihnen angelegt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Making the calendar...</source>
        <translation>Kalender wird angelegt …</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The user name is missing.</source>
        <translation>Der Benutzername fehlt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No calendar is chosen: find the calendars and choose one, or make one.</source>
        <translation>Kein Kalender gewählt: Suchen Sie die Kalender und wählen Sie einen, oder legen Sie einen an.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The calendar &quot;%1&quot; holds no events: choose tasks or another calendar.</source>
        <translation>Der Kalender „%1“ nimmt keine Termine auf: Wählen Sie Aufgaben oder einen anderen Kalender.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The calendar &quot;%1&quot; holds no tasks: choose events or another calendar.</source>
        <translation>Der Kalender „%1“ nimmt keine Aufgaben auf: Wählen Sie Termine oder einen anderen Kalender.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password could not be kept in the keyring: %1. It is used until Tallyvane ends: after the next start it is to be typed here again.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1. Es gilt, bis Tallyvane beendet wird; nach dem nächsten Start muss es hier erneut eingegeben werden.</translation>
    </message>
</context>
<context>
    <name>CCalendarView</name>
    <message>
        <location filename="../src/ui/calendar/CCalendarView.cpp" line="+35"/>
        <source>Arrow keys move by a day and a week, Page Down and Page Up go through the dues of the day, Enter modifies the due or starts a new one on the day</source>
        <translation>Pfeiltasten gehen um einen Tag und eine Woche weiter, Bild ab und Bild auf durch die Fälligkeiten des Tages, die Eingabetaste ändert die Fälligkeit oder legt an dem Tag eine neue an</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Calendar of %1</source>
        <translation>Kalender für %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message numerus="yes">
        <location line="+220"/>
        <source>%1, today, %n due(s)</source>
        <translation>
            <numerusform>%1, heute, %n Fälligkeit</numerusform>
            <numerusform>%1, heute, %n Fälligkeiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n due(s)</source>
        <translation>
            <numerusform>%1, %n Fälligkeit</numerusform>
            <numerusform>%1, %n Fälligkeiten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+223"/>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>+%n more</source>
        <translation>
            <numerusform>+%n weitere</numerusform>
            <numerusform>+%n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CComingUpView</name>
    <message>
        <location filename="../src/ui/comingup/CComingUpView.cpp" line="+54"/>
        <source>Coming Up</source>
        <translation>Demnächst</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>Late dues and those of the next %n day(s), whatever the month list&apos;s filter</source>
        <translation>
            <numerusform>Überfällige Fälligkeiten und die bis in %n Tag, gleich welcher Filter in der Monatsliste gilt</numerusform>
            <numerusform>Überfällige Fälligkeiten und die bis in %n Tagen, gleich welcher Filter in der Monatsliste gilt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Overdue: %1</source>
        <translation>Überfällig: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next 7 days: %1</source>
        <translation>Nächste 7 Tage: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 30 days: %1</source>
        <translation>Nächste 30 Tage: %1</translation>
    </message>
</context>
<context>
    <name>CConflictBar</name>
    <message>
        <location filename="../src/ui/conflicts/CConflictBar.cpp" line="+28"/>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>Conflicting versions of %n due(s): more than one file holds each (a sync tool kept both changes, or two computers made the same identifier). The list shows one version of each.</source>
        <translation>
            <numerusform>Abweichende Fassungen von %n Fälligkeit: mehr als eine Datei enthält sie (ein Synchronisationsprogramm hat beide Änderungen behalten, oder zwei Computer haben dieselbe Kennung vergeben). Die Liste zeigt eine Fassung davon.</numerusform>
            <numerusform>Abweichende Fassungen von %n Fälligkeiten: mehr als eine Datei enthält jede davon (ein Synchronisationsprogramm hat beide Änderungen behalten, oder zwei Computer haben dieselbe Kennung vergeben). Die Liste zeigt je eine Fassung.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Resolve...</source>
        <translation>Lösen …</translation>
    </message>
</context>
<context>
    <name>CConflictDlg</name>
    <message>
        <location filename="../src/ui/conflicts/CConflictDlg.cpp" line="+54"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Conflict %1 of %2</source>
        <translation>Konflikt %1 von %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>“%1” is held by %n file(s), each with a version of its own: a sync tool kept both changes, or two computers made the same identifier. The fields that differ are marked. Keep one version (the other files are removed), or keep every version as a due of its own.</source>
        <translation>
            <numerusform>„%1“ steht in %n Datei, jede mit einer eigenen Fassung: ein Synchronisationsprogramm hat beide Änderungen behalten, oder zwei Computer haben dieselbe Kennung vergeben. Die abweichenden Felder sind markiert. Behalten Sie eine Fassung (die anderen Dateien werden entfernt) oder jede Fassung als eigene Fälligkeit.</numerusform>
            <numerusform>„%1“ steht in %n Dateien, jede mit einer eigenen Fassung: ein Synchronisationsprogramm hat beide Änderungen behalten, oder zwei Computer haben dieselbe Kennung vergeben. Die abweichenden Felder sind markiert. Behalten Sie eine Fassung (die anderen Dateien werden entfernt) oder jede Fassung als eigene Fälligkeit.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>changed %1</source>
        <translation>geändert %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(listed now)</source>
        <translation>(jetzt angezeigt)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differs between the versions</source>
        <translation>Unterscheidet sich zwischen den Fassungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep “%1”</source>
        <translation>„%1“ behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep this version as the due and remove the other files</source>
        <translation>Diese Fassung als Fälligkeit behalten und die anderen Dateien entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep All</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep every version: the others become dues of their own</source>
        <translation>Jede Fassung behalten: die anderen werden eigene Fälligkeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decide Later</source>
        <translation>Später entscheiden</translation>
    </message>
</context>
<context>
    <name>CCsvImportDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CCsvImportDlg.cpp" line="+63"/>
        <location line="+219"/>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
    <message numerus="yes">
        <location line="+164"/>
        <source>%n due(s) will be added:</source>
        <translation>
            <numerusform>%n Fälligkeit wird hinzugefügt:</numerusform>
            <numerusform>%n Fälligkeiten werden hinzugefügt:</numerusform>
        </translation>
    </message>
    <message>
        <location line="-114"/>
        <location line="+5"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Point (1,234.50)</source>
        <translation>Punkt (1,234.50)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma (1.234,50)</source>
        <translation>Komma (1.234,50)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day, month, year</source>
        <translation>Tag, Monat, Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month, day, year</source>
        <translation>Monat, Tag, Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year, month, day</source>
        <translation>Jahr, Monat, Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Decimal sign:</source>
        <translation>&amp;Dezimalzeichen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;ates:</source>
        <translation>D&amp;atumsangaben:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each column of the file is taken as:</source>
        <translation>Jede Spalte der Datei wird übernommen als:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+131"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>Series ID</source>
        <translation>Serienkennung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>(not imported)</source>
        <translation>(nicht übernommen)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-8 with a byte order mark</source>
        <translation>UTF-8 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-16</source>
        <translation>UTF-16</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Windows-1252: the file is not UTF-8, so it was taken as Windows-1252 text</source>
        <translation>Windows-1252: Die Datei ist kein UTF-8, daher wurde sie als Windows-1252-Text gelesen</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln due(s) will be added; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln Fälligkeit wird hinzugefügt; die ersten %1 werden gezeigt:</numerusform>
            <numerusform>%Ln Fälligkeiten werden hinzugefügt; die ersten %1 werden gezeigt:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln line(s) will be left out; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln Zeile wird ausgelassen; die ersten %1 werden gezeigt:</numerusform>
            <numerusform>%Ln Zeilen werden ausgelassen; die ersten %1 werden gezeigt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n line(s) will be left out:</source>
        <translation>
            <numerusform>%n Zeile wird ausgelassen:</numerusform>
            <numerusform>%n Zeilen werden ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing was imported from %1</source>
        <translation>Aus %1 wurde nichts importiert</translation>
    </message>
</context>
<context>
    <name>CDetailPage</name>
    <message>
        <location filename="../src/ui/editor/CDetailPage.cpp" line="+71"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Recursive Due</source>
        <translation>Wiederkehrende Fälligkeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+78"/>
        <source>Set Recurrence Pattern</source>
        <translation>Wiederholungsmuster festlegen</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Days from the start date to the due date</source>
        <translation>Tage vom Startdatum bis zum Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours and minutes from the start date to the due date</source>
        <translation>Stunden und Minuten vom Startdatum bis zum Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Due Date occurs</source>
        <translation>Fälligkeitsdatum liegt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days and</source>
        <translation>Tage und</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hours &amp; Minutes</source>
        <translation>Std. &amp; Min.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after Start Date</source>
        <translation>nach dem Startdatum</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>Estimated number of records :  %1</source>
        <translation>Voraussichtliche Anzahl Einträge:  %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n left out: moved off the weekend onto a day that already has one)</source>
        <translation>
            <numerusform> (%n ausgelassen: vom Wochenende auf einen Tag verschoben, der schon eine hat)</numerusform>
            <numerusform> (%n ausgelassen: vom Wochenende auf einen Tag verschoben, der schon eine hat)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDetailsBar</name>
    <message>
        <location filename="../src/ui/frame/CDetailsBar.cpp" line="+18"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Details of the selected due</source>
        <translation>Details der gewählten Fälligkeit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
</context>
<context>
    <name>CDocxApplication</name>
    <message>
        <location filename="../src/platform/CDocxApplication.cpp" line="+35"/>
        <source>No document is open.</source>
        <translation>Es ist kein Dokument geöffnet.</translation>
    </message>
</context>
<context>
    <name>CDueDateSheet</name>
    <message>
        <location filename="../src/ui/editor/CDueDateSheet.cpp" line="+188"/>
        <source>New Due</source>
        <translation>Neue Fälligkeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Finish</source>
        <translation>&amp;Fertigstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Modify Due</source>
        <translation>Fälligkeit ändern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Due Details</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No Title</source>
        <translation>Ohne Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Someone</source>
        <translation>Jemand</translation>
    </message>
</context>
<context>
    <name>CDueStore</name>
    <message>
        <location filename="../src/model/store/CDueStore.cpp" line="+538"/>
        <source>%1: a leftover of an interrupted save that could not be removed: %2</source>
        <translation>%1: ein Rest eines unterbrochenen Speicherns, der nicht entfernt werden konnte: %2</translation>
    </message>
    <message numerus="yes">
        <location line="-70"/>
        <source>the series &quot;%1&quot; (%n due(s))</source>
        <translation>
            <numerusform>die Serie „%1“ (%n Fälligkeit)</numerusform>
            <numerusform>die Serie „%1“ (%n Fälligkeiten)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the series &quot;%1&quot;</source>
        <translation>die Serie „%1“</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <source>%n due(s) deleted</source>
        <translation>
            <numerusform>%n Fälligkeit gelöscht</numerusform>
            <numerusform>%n Fälligkeiten gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>A change that a crash interrupted was finished: %1.</source>
        <translation>Eine Änderung, die ein Absturz unterbrochen hatte, wurde zu Ende geführt: %1.</translation>
    </message>
    <message numerus="yes">
        <location line="-7"/>
        <source>%n unfinished file(s)</source>
        <translation>
            <numerusform>%n unfertige Datei</numerusform>
            <numerusform>%n unfertige Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>A change that a crash interrupted was taken back, as if it had not begun: %1.</source>
        <translation>Eine Änderung, die ein Absturz unterbrochen hatte, wurde zurückgenommen, als hätte sie nie begonnen: %1.</translation>
    </message>
    <message numerus="yes">
        <location line="-3"/>
        <source>%n due(s) added</source>
        <translation>
            <numerusform>%n Fälligkeit hinzugefügt</numerusform>
            <numerusform>%n Fälligkeiten hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n due(s) not added</source>
        <translation>
            <numerusform>%n Fälligkeit nicht hinzugefügt</numerusform>
            <numerusform>%n Fälligkeiten nicht hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+144"/>
        <location line="+164"/>
        <location line="+88"/>
        <location line="+568"/>
        <source>Could not save &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>„%1“ konnte nicht gespeichert werden: Die Eintragskennung ist nicht verwendbar.</translation>
    </message>
    <message>
        <location line="-815"/>
        <location line="+155"/>
        <location line="+883"/>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="-1025"/>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+173"/>
        <location line="+12"/>
        <location line="+845"/>
        <source>Could not save &quot;%1&quot; to %2: %3</source>
        <translation>„%1“ konnte nicht in %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <location line="-1003"/>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+284"/>
        <source>Could not delete &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>„%1“ konnte nicht gelöscht werden: Die Eintragskennung ist nicht verwendbar.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+244"/>
        <source>Could not delete %1: %2</source>
        <translation>%1 konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location line="-225"/>
        <source>the file no longer exists</source>
        <translation>die Datei existiert nicht mehr</translation>
    </message>
    <message>
        <location line="+416"/>
        <source>%1 holds another version of the due in %2 (the same record identifier %3); %2 is listed until the conflict is resolved</source>
        <translation>%1 enthält eine andere Fassung der Fälligkeit in %2 (dieselbe Kennung %3); angezeigt wird %2, bis der Konflikt gelöst ist</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The due %1 is no longer held by more than one file: nothing was changed.</source>
        <translation>Die Fälligkeit %1 steht nicht mehr in mehr als einer Datei: nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The files of &quot;%1&quot; changed since they were shown: nothing was changed.</source>
        <translation>Die Dateien von „%1“ haben sich geändert, seit sie angezeigt wurden: nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a version of the due %2.</source>
        <translation>%1 ist keine Fassung der Fälligkeit %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+57"/>
        <source>Could not resolve the conflict of &quot;%1&quot; (%2): %3</source>
        <translation>Der Konflikt von „%1“ (%2) konnte nicht gelöst werden: %3</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Did not change &quot;%1&quot;: another program removed its file %2 since it was read; nothing was written.</source>
        <translation>„%1“ wurde nicht geändert: Ein anderes Programm hat die Datei %2 entfernt, seit sie gelesen wurde; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Did not change &quot;%1&quot;: another program changed its file %2 since it was read; nothing was written over that change.</source>
        <translation>„%1“ wurde nicht geändert: Ein anderes Programm hat die Datei %2 geändert, seit sie gelesen wurde; diese Änderung wurde nicht überschrieben.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Could not save the dues to %1: %2</source>
        <translation>Die Fälligkeiten konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="-715"/>
        <location line="+4"/>
        <source>Could not delete &quot;%1&quot; (%2): %3</source>
        <translation>„%1“ (%2) konnte nicht gelöscht werden: %3</translation>
    </message>
</context>
<context>
    <name>CFilterCombo</name>
    <message>
        <location filename="../src/ui/frame/CFilterCombo.cpp" line="+6"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paid Dues</source>
        <translation>Bezahlte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid Dues</source>
        <translation>Unbezahlte</translation>
    </message>
</context>
<context>
    <name>CGuiControlBar</name>
    <message>
        <location filename="../src/ui/skinui/CGuiControlBar.cpp" line="+23"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
</context>
<context>
    <name>CGuiToolBarWnd</name>
    <message>
        <location filename="../src/ui/skinui/CGuiToolBarWnd.cpp" line="+14"/>
        <source>More Tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
</context>
<context>
    <name>CHtmlExport</name>
    <message>
        <location filename="../src/export/CHtmlExport.cpp" line="+77"/>
        <source>No output file was given.</source>
        <translation>Es wurde keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The HTML template could not be read: %1. Nothing was written.</source>
        <translation>Die HTML-Vorlage konnte nicht gelesen werden: %1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../src/ui/frame/CMainFrame.cpp" line="+83"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Due </source>
        <translation>Neue Fälligkeit </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> New Due</source>
        <translation> Neue Fälligkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Modify</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Due </source>
        <translation>Fälligkeit ändern </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Modify Due</source>
        <translation> Fälligkeit ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Due </source>
        <translation>Fälligkeit löschen </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Delete Due</source>
        <translation> Fälligkeit löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Dues </source>
        <translation>Fälligkeiten drucken </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Print Dues </source>
        <translation> Fälligkeiten drucken </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Details Window</source>
        <translation>&amp;Detailfenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show\Hide Detail Window</source>
        <translation>Detailfenster ein-/ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle Detail Window</source>
        <translation>Detailfenster ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Synchronize</source>
        <translation>&amp;Synchronisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export to Excel With Notes </source>
        <translation>Nach Excel exportieren, mit Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Excel With Notes</source>
        <translation> Nach Excel exportieren, mit Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Excel Without Notes </source>
        <translation>Nach Excel exportieren, ohne Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Excel Without Notes</source>
        <translation> Nach Excel exportieren, ohne Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Word With Notes </source>
        <translation>Nach Word exportieren, mit Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Word With Notes</source>
        <translation> Nach Word exportieren, mit Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Word Without Notes </source>
        <translation>Nach Word exportieren, ohne Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Word Without Notes</source>
        <translation> Nach Word exportieren, ohne Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to HTML With Notes </source>
        <translation>Nach HTML exportieren, mit Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to HTML With Notes</source>
        <translation> Nach HTML exportieren, mit Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to HTML Without Notes </source>
        <translation>Nach HTML exportieren, ohne Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to HTML Without Notes</source>
        <translation> Nach HTML exportieren, ohne Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to PDF With Notes </source>
        <translation>Als PDF exportieren, mit Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to PDF  With Notes</source>
        <translation> Als PDF exportieren, mit Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to PDF Without Notes </source>
        <translation>Als PDF exportieren, ohne Notizen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to PDF  Without Notes</source>
        <translation> Als PDF exportieren, ohne Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change &amp;Working Directory</source>
        <translation>&amp;Arbeitsverzeichnis wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Directory </source>
        <translation>Verzeichnis wechseln </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Change Directory</source>
        <translation> Verzeichnis wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallyvane...</source>
        <translation>&amp;Über Tallyvane …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help Contents</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help </source>
        <translation>Hilfe </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Help</source>
        <translation> Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Previous Month</source>
        <translation>&amp;Voriger Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Goto Previous Month </source>
        <translation>Zum vorigen Monat </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Goto Previous Month</source>
        <translation> Zum vorigen Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next Month</source>
        <translation>Nä&amp;chster Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Goto Next Month </source>
        <translation>Zum nächsten Monat </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Goto Next Month</source>
        <translation> Zum nächsten Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the current month</source>
        <translation>Den laufenden Monat zeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find...</source>
        <translation>S&amp;uchen …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search the shown month</source>
        <translation>Den gezeigten Monat durchsuchen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the month as a calendar</source>
        <translation>Den Monat als Kalender zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;iCalendar...</source>
        <translation>&amp;iCalendar …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export the listed dues to an iCalendar file</source>
        <translation>Die aufgeführten Fälligkeiten in eine iCalendar-Datei exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to iCalendar</source>
        <translation> Als iCalendar exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export the listed dues to a CSV file</source>
        <translation>Die aufgeführten Fälligkeiten in eine CSV-Datei exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to CSV</source>
        <translation> Als CSV exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add dues from a CSV file</source>
        <translation>Fälligkeiten aus einer CSV-Datei hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Import CSV</source>
        <translation> CSV importieren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>By &amp;Due Date</source>
        <translation>Nach &amp;Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Amount</source>
        <translation>Nach &amp;Betrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Title</source>
        <translation>Nach &amp;Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Pay To</source>
        <translation>Nach &amp;Empfänger</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Due</source>
        <translation>F&amp;älligkeit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Tools</source>
        <translation>Ex&amp;tras</translation>
    </message>
    <message>
        <location line="-248"/>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>With &amp;Notes</source>
        <translation>Mit &amp;Notizen</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>With&amp;out Notes</source>
        <translation>&amp;Ohne Notizen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>C&amp;alendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Excel</source>
        <translation>&amp;Excel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Word</source>
        <translation>&amp;Word</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;PDF</source>
        <translation>&amp;PDF</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+450"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="-450"/>
        <source>Due Date </source>
        <translation>Fälligkeitsdatum </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Dues of the month</source>
        <translation>Fälligkeiten des Monats</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Loading...</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>New</source>
        <translation>Neue Fälligkeit</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/ui/frame/CMainFrameConflicts.cpp" line="+184"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Deleting the %1 dues of the series...</source>
        <translation>Die %1 Fälligkeiten der Serie werden gelöscht …</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deleting was stopped: %1 of the %2 dues of the series were deleted; the others are still there.</source>
        <translation>Das Löschen wurde angehalten: %1 der %2 Fälligkeiten der Serie wurden gelöscht; die übrigen sind noch da.</translation>
    </message>
    <message numerus="yes">
        <location line="+92"/>
        <source>%n leftover file(s) of an earlier save that was interrupted were removed:</source>
        <translation>
            <numerusform>%n übrig gebliebene Datei eines früheren, unterbrochenen Speicherns wurde entfernt:</numerusform>
            <numerusform>%n übrig gebliebene Dateien eines früheren, unterbrochenen Speicherns wurden entfernt:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This due file could not be read and was left as it is:</source>
        <translation>Diese Fälligkeitsdatei konnte nicht gelesen werden und wurde unverändert gelassen:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n due files could not be read and were left as they are:</source>
        <translation>
            <numerusform>%n Fälligkeitsdatei konnte nicht gelesen werden und wurde unverändert gelassen:</numerusform>
            <numerusform>%n Fälligkeitsdateien konnten nicht gelesen werden und wurden unverändert gelassen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n due(s) are held by more than one file, each with a version of its own (a sync tool kept both changes). Choose which to keep with Tools &gt; Resolve Conflicts:</source>
        <translation>
            <numerusform>%n Fälligkeit steht in mehr als einer Datei, jede mit einer eigenen Fassung (ein Synchronisationsprogramm hat beide Änderungen behalten). Wählen Sie mit Extras &gt; Konflikte lösen, welche Sie behalten:</numerusform>
            <numerusform>%n Fälligkeiten stehen in mehr als einer Datei, jede mit einer eigenen Fassung (ein Synchronisationsprogramm hat beide Änderungen behalten). Wählen Sie mit Extras &gt; Konflikte lösen, welche Sie behalten:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+1"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: “%2” there, “%3” in your change</source>
        <translation>%1: dort „%2“, in Ihrer Änderung „%3“</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Another program deleted “%1” (%2) since it was shown here.</source>
        <translation>Ein anderes Programm hat „%1“ (%2) gelöscht, seit es hier angezeigt wurde.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Another program deleted %n of these dues since they were shown here.</source>
        <translation>
            <numerusform>Ein anderes Programm hat %n dieser Fälligkeiten gelöscht, seit sie hier angezeigt wurden.</numerusform>
            <numerusform>Ein anderes Programm hat %n dieser Fälligkeiten gelöscht, seit sie hier angezeigt wurden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep It With My Change</source>
        <translation>Mit meiner Änderung behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave It Deleted</source>
        <translation>Gelöscht lassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program changed “%1” (%2) since it was shown here. Your change was not written over theirs.</source>
        <translation>Ein anderes Programm hat „%1“ (%2) geändert, seit es hier angezeigt wurde. Ihre Änderung hat die andere nicht überschrieben.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Another program changed %n of these dues since they were shown here. Your change was not written over theirs.</source>
        <translation>
            <numerusform>Ein anderes Programm hat %n dieser Fälligkeiten geändert, seit sie hier angezeigt wurden. Ihre Änderung hat die andere nicht überschrieben.</numerusform>
            <numerusform>Ein anderes Programm hat %n dieser Fälligkeiten geändert, seit sie hier angezeigt wurden. Ihre Änderung hat die andere nicht überschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changed there:</source>
        <translation>Dort geändert:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed by you:</source>
        <translation>Von Ihnen geändert:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply My Change on Top</source>
        <translation>Meine Änderung darüber anwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete It Anyway</source>
        <translation>Trotzdem löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Theirs</source>
        <translation>Die andere behalten</translation>
    </message>
    <message numerus="yes">
        <location line="+32"/>
        <source>%n changes could not be written:</source>
        <translation>
            <numerusform>%n Änderung konnte nicht geschrieben werden:</numerusform>
            <numerusform>%n Änderungen konnten nicht geschrieben werden:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Loading the dues of %1...</source>
        <translation>Die Fälligkeiten in %1 werden geladen…</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was imported from %1</source>
        <translation>Aus %1 wurde nichts importiert</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Tallyvane was started for the working directory %1, which is no longer there.</source>
        <translation>Tallyvane wurde für das Arbeitsverzeichnis %1 gestartet, das es nicht mehr gibt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tallyvane was started for the working directory %1, while this window shows %2.

Switch this window to %1? The working directory set for the next start stays as it is.</source>
        <translation>Tallyvane wurde für das Arbeitsverzeichnis %1 gestartet, während dieses Fenster %2 zeigt.

Dieses Fenster zu %1 wechseln? Das für den nächsten Start eingestellte Arbeitsverzeichnis bleibt, wie es ist.</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameDues.cpp" line="+65"/>
        <source>Mark &amp;Paid</source>
        <translation>Als &amp;bezahlt markieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark &amp;Unpaid</source>
        <translation>Als &amp;unbezahlt markieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark Paid or Unpaid</source>
        <translation>Als bezahlt oder unbezahlt markieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+121"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+120"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>&amp;Coming Up</source>
        <translation>Dem&amp;nächst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Month</source>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Go to the Due&apos;s Month</source>
        <translation>&amp;Zum Monat der Fälligkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reminders and Coming &amp;Up...</source>
        <translation>Erinnerungen und &amp;Demnächst …</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+4"/>
        <location line="+24"/>
        <location line="+110"/>
        <source>Coming Up</source>
        <translation>Demnächst</translation>
    </message>
    <message>
        <location line="-138"/>
        <source>Overdue and upcoming dues</source>
        <translation>Überfällige und anstehende Fälligkeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/frame/CMainFrameReports.cpp" line="+25"/>
        <location line="+35"/>
        <location line="+26"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sums by month, pay to, account and type</source>
        <translation>Summen nach Monat, Empfänger, Konto und Art</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The dues of the month</source>
        <translation>Die Fälligkeiten des Monats</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Mark Paid</source>
        <translation>Als bezahlt markieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mark Unpaid</source>
        <translation>Als unbezahlt markieren</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Filter set to All and search cleared, so that &quot;%1&quot; shows.</source>
        <translation>Filter auf Alle gestellt und Suche geleert, damit „%1“ angezeigt wird.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter set to All, so that &quot;%1&quot; shows.</source>
        <translation>Filter auf Alle gestellt, damit „%1“ angezeigt wird.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search cleared, so that &quot;%1&quot; shows.</source>
        <translation>Suche geleert, damit „%1“ angezeigt wird.</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameReports.cpp" line="-65"/>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sums by month, pay to, account and type, and what the recurring dues cost</source>
        <translation>Summen nach Monat, Empfänger, Konto und Art, und was die wiederkehrenden Fälligkeiten kosten</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameConflicts.cpp" line="-157"/>
        <source>Resolve &amp;Conflicts...</source>
        <translation>&amp;Konflikte lösen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose between the versions of dues that more than one file holds</source>
        <translation>Zwischen den Fassungen von Fälligkeiten wählen, die in mehr als einer Datei stehen</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Could not note the deleted dues in %1: %2. Should they come back, it will not be said.</source>
        <translation>Die gelöschten Fälligkeiten konnten nicht in %1 vermerkt werden: %2. Sollten sie zurückkehren, wird es nicht gemeldet.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>“%1”, due %2, deleted here %3</source>
        <translation>„%1“, fällig am %2, hier gelöscht am %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” is in the data folder again, although it was deleted here on %2: another computer or program changed it meanwhile, and a sync tool brought it back. Delete it again?</source>
        <translation>„%1“ ist wieder im Datenordner, obwohl es hier am %2 gelöscht wurde: ein anderer Computer oder ein anderes Programm hat es inzwischen geändert, und ein Synchronisationsprogramm hat es zurückgebracht. Erneut löschen?</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n dues deleted here are in the data folder again: another computer or program changed them meanwhile, and a sync tool brought them back. Delete them again?</source>
        <translation>
            <numerusform>%n hier gelöschte Fälligkeit ist wieder im Datenordner: ein anderer Computer oder ein anderes Programm hat sie inzwischen geändert, und ein Synchronisationsprogramm hat sie zurückgebracht. Erneut löschen?</numerusform>
            <numerusform>%n hier gelöschte Fälligkeiten sind wieder im Datenordner: ein anderer Computer oder ein anderes Programm hat sie inzwischen geändert, und ein Synchronisationsprogramm hat sie zurückgebracht. Erneut löschen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete It Again</source>
        <translation>Erneut löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Them Again</source>
        <translation>Alle erneut löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep It</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep Them</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not change %1: %2</source>
        <translation>%1 konnte nicht geändert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameSync.cpp" line="+20"/>
        <source>Calendar &amp;Sync...</source>
        <translation>Kalenderab&amp;gleich …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync with the Calendar &amp;Now</source>
        <translation>&amp;Jetzt mit dem Kalender abgleichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep the dues in step with a calendar on a CalDAV server</source>
        <translation>Die Fälligkeiten mit einem Kalender auf einem CalDAV-Server abgleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bring the dues and the calendar in step now</source>
        <translation>Fälligkeiten und Kalender jetzt abgleichen</translation>
    </message>
</context>
<context>
    <name>CMainToolBar</name>
    <message>
        <location filename="../src/ui/frame/CMainToolBar.cpp" line="+16"/>
        <source>Search this month</source>
        <translation>Diesen Monat durchsuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows the dues of the month whose title, pay to, account or notes hold the words typed here</source>
        <translation>Zeigt die Fälligkeiten des Monats, deren Titel, Empfänger, Konto oder Notizen die hier eingegebenen Wörter enthalten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ProjectToolBar</source>
        <translation>Symbolleiste</translation>
    </message>
</context>
<context>
    <name>CMonthPicker</name>
    <message>
        <location filename="../src/ui/frame/CMonthPicker.cpp" line="+8"/>
        <source>Month shown</source>
        <translation>Angezeigter Monat</translation>
    </message>
</context>
<context>
    <name>CNotesPage</name>
    <message>
        <location filename="../src/ui/editor/CNotesPage.cpp" line="+45"/>
        <source>These notes cannot be kept: %1.</source>
        <translation>Diese Notizen können nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>COutlookView</name>
    <message>
        <location filename="../src/ui/frame/COutlookView.cpp" line="+27"/>
        <source>Due</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working Directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>CPdfEmbeddedFont</name>
    <message>
        <location filename="../src/export/CPdfEmbeddedFont.cpp" line="+223"/>
        <source>The font file %1 could not be read.</source>
        <translation>Die Schriftdatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Out of memory while embedding the font %1.</source>
        <translation>Nicht genügend Speicher beim Einbetten der Schrift %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+6"/>
        <source>The font %1 could not be subset for embedding.</source>
        <translation>Von der Schrift %1 konnte keine Teilmenge zum Einbetten gebildet werden.</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <location filename="../src/export/CPdfExport.cpp" line="+27"/>
        <source>Due</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>Due Date(s)</source>
        <translation>Fälligkeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record %1 of %2</source>
        <translation>Eintrag %1 von %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>&quot;%1&quot; shows a replacement mark for %n character(s) that no installed font has: %2. Installing fonts-noto-core, fonts-noto-cjk and fonts-symbola adds fonts for most scripts and for emoji.</source>
        <translation>
            <numerusform>„%1“ zeigt ein Ersatzzeichen für %n Zeichen, das keine installierte Schrift enthält: %2. Mit fonts-noto-core, fonts-noto-cjk und fonts-symbola kommen Schriften für die meisten Schriftsysteme und für Emoji hinzu.</numerusform>
            <numerusform>„%1“ zeigt ein Ersatzzeichen für %n Zeichen, die keine installierte Schrift enthält: %2. Mit fonts-noto-core, fonts-noto-cjk und fonts-symbola kommen Schriften für die meisten Schriftsysteme und für Emoji hinzu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPrintDuesDlg</name>
    <message>
        <location filename="../src/ui/print/CPrintDuesDlg.cpp" line="+62"/>
        <location line="+223"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="-213"/>
        <source>Dues to print</source>
        <translation>Zu druckende Fälligkeiten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Print What</source>
        <translation>Was drucken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UnPaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The print template could not be read: %1.</source>
        <translation>Die Druckvorlage konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Due Date Details</source>
        <translation>Fälligkeiten im Einzelnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>CRecurrenceDlg</name>
    <message>
        <location filename="../src/ui/recurrence/CRecurrenceDlg.cpp" line="+36"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+8"/>
        <source>Recurrence Pattern</source>
        <translation>Wiederholungsmuster</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Due Occurs Every</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recurrence Range</source>
        <translation>Zeitraum der Serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End After</source>
        <translation>Endet nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of occurrences</source>
        <translation>Anzahl der Termine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End By</source>
        <translation>Endet am</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Occurances</source>
        <translation>Terminen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On a Saturday or Sunday</source>
        <translation>An einem Samstag oder Sonntag</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Every</source>
        <comment>every n days</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every how many days</source>
        <translation>Alle wie viele Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every WeekDay</source>
        <translation>Jeden Werktag</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Day(s)</source>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Every how many weeks</source>
        <translation>Alle wie viele Wochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recur Every</source>
        <translation>Alle</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Week(s) On</source>
        <translation>
            <numerusform>Woche am</numerusform>
            <numerusform>Wochen am</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Day</source>
        <translation>Am Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+40"/>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+6"/>
        <source>Every how many months</source>
        <translation>Alle wie viele Monate</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+39"/>
        <source>The</source>
        <translation>Am</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+39"/>
        <source>Which week of the month</source>
        <translation>Welche Woche des Monats</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+39"/>
        <source>Day of the week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Of Every</source>
        <translation>alle</translation>
    </message>
    <message numerus="yes">
        <location line="-5"/>
        <location line="+8"/>
        <source>Month(s)</source>
        <translation>
            <numerusform>Monat</numerusform>
            <numerusform>Monate</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Every</source>
        <comment>every year on a date</comment>
        <translation>Jedes Jahr am</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Of</source>
        <translation>im</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>This pattern makes %1 dues. Do you want to create them all?</source>
        <translation>Dieses Muster ergibt %1 Fälligkeiten. Wollen Sie sie alle anlegen?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Creating the %1 dues of the series...</source>
        <translation>Die %1 Fälligkeiten der Serie werden angelegt …</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The series could not be written, so none of its dues were kept. Nothing in the data folder was changed.</source>
        <translation>Die Serie konnte nicht geschrieben werden, daher wurde keine ihrer Fälligkeiten behalten. Im Datenordner wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CReminderBar</name>
    <message>
        <location filename="../src/ui/reminders/CReminderBar.cpp" line="+41"/>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reminders (no desktop notification service answered):</source>
        <translation>Erinnerungen (kein Benachrichtigungsdienst des Desktops hat geantwortet):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Coming Up</source>
        <translation>Demnächst öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CReminderSettingsDlg</name>
    <message>
        <location filename="../src/ui/reminders/CReminderSettingsDlg.cpp" line="+20"/>
        <source>Reminders and Coming Up</source>
        <translation>Erinnerungen und Demnächst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off</source>
        <translation>Nie</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <location line="+5"/>
        <source> day(s) before</source>
        <translation>
            <numerusform> Tag vorher</numerusform>
            <numerusform> Tage vorher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-3"/>
        <location line="+4"/>
        <source> day(s)</source>
        <translation>
            <numerusform> Tag</numerusform>
            <numerusform> Tage</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep running in the notification area when the window closes</source>
        <translation>Nach dem Schließen des Fensters im Benachrichtigungsfeld &amp;weiterlaufen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Start at login in the notification area</source>
        <translation>Bei der Anmeldung im Benachrichtigungsfeld &amp;starten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remind me:</source>
        <translation>&amp;Erinnern:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coming Up lists:</source>
        <translation>&amp;Demnächst zeigt:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The login entry %1 could not be written: %2</source>
        <translation>Der Anmeldeeintrag %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CReportPanel</name>
    <message>
        <location filename="../src/ui/reports/CReportPanel.cpp" line="+23"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show the numbers of the chart as a table</source>
        <translation>Die Zahlen des Diagramms als Tabelle zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show %1 as a table</source>
        <translation>%1 als Tabelle zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the chart as an image or its numbers as CSV</source>
        <translation>Das Diagramm als Bild oder seine Zahlen als CSV speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chart as PNG Image...</source>
        <translation>Diagramm als PNG-Bild …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart as SVG Drawing...</source>
        <translation>Diagramm als SVG-Zeichnung …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numbers as CSV...</source>
        <translation>Zahlen als CSV …</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Save Chart as PNG Image</source>
        <translation>Diagramm als PNG-Bild speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Chart as SVG Drawing</source>
        <translation>Diagramm als SVG-Zeichnung speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Numbers as CSV</source>
        <translation>Zahlen als CSV speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>CReportsView</name>
    <message>
        <location filename="../src/ui/reports/CReportsView.cpp" line="+44"/>
        <source>Paid and Unpaid by Month</source>
        <translation>Bezahlt und unbezahlt nach Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Pay To</source>
        <translation>Nach Empfänger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Account</source>
        <translation>Nach Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Type</source>
        <translation>Nach Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recurring Costs</source>
        <translation>Wiederkehrende Kosten</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>First month</source>
        <translation>Erster Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom range</source>
        <translation>Eigener Zeitraum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Range:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the Report...</source>
        <translation>Den Bericht drucken …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the Report as PDF...</source>
        <translation>Den Bericht als PDF speichern …</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Close the list of dues</source>
        <translation>Die Liste der Fälligkeiten schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dues of the chosen bar</source>
        <translation>Fälligkeiten des gewählten Balkens</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>No recurring dues in this range.</source>
        <translation>Keine wiederkehrenden Fälligkeiten in diesem Zeitraum.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+149"/>
        <source>Fixed cost per month: %1</source>
        <translation>Fixkosten im Monat: %1</translation>
    </message>
    <message numerus="yes">
        <location line="-134"/>
        <source>%1: %n due(s), paid %2, unpaid %3 (overdue %4), total %5</source>
        <translation>
            <numerusform>%1: %n Fälligkeit, bezahlt %2, unbezahlt %3 (überfällig %4), gesamt %5</numerusform>
            <numerusform>%1: %n Fälligkeiten, bezahlt %2, unbezahlt %3 (überfällig %4), gesamt %5</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Dues of %1, %2</source>
        <translation>Fälligkeiten von %1, %2</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Report, %1</source>
        <translation>Bericht, %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CSpreadsheetExport</name>
    <message>
        <location filename="../src/export/CSpreadsheetExport.cpp" line="+30"/>
        <source>Tallyvane Dues</source>
        <translation>Tallyvane-Fälligkeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The dues listed for the month</source>
        <translation>Die für den Monat aufgeführten Fälligkeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid:</source>
        <translation>Unbezahlt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+262"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Show Notes</source>
        <translation>Notizen anzeigen</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>No output file was given.</source>
        <translation>Es wurde keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The spreadsheet application could not be started.</source>
        <translation>Die Tabellenkalkulation konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CSyncConflictDlg</name>
    <message>
        <location filename="../src/ui/sync/CSyncConflictDlg.cpp" line="+16"/>
        <source>Calendar Sync: Changed on Both Sides</source>
        <translation>Kalenderabgleich: auf beiden Seiten geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These dues were changed here and on the calendar server since the last sync. Nothing of them was written; choose which version to keep.</source>
        <translation>Diese Fälligkeiten wurden seit dem letzten Abgleich hier und auf dem Kalenderserver geändert. Nichts davon wurde geschrieben; wählen Sie, welche Fassung bleiben soll.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Due</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar server</source>
        <translation>Kalenderserver</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Decide later</source>
        <translation>Später entscheiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete it there too</source>
        <translation>Dort auch löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This computer&apos;s</source>
        <translation>Die dieses Computers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave it there, not synced</source>
        <translation>Dort lassen, nicht abgeglichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The server&apos;s</source>
        <translation>Die des Servers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep for %1</source>
        <translation>Behalten für %1</translation>
    </message>
</context>
<context>
    <name>CTallyvaneView</name>
    <message>
        <location filename="../src/ui/list/CTallyvaneView.cpp" line="+88"/>
        <source>No dues of this month match the search</source>
        <translation>Keine Fälligkeit dieses Monats passt zur Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No dues in this month</source>
        <translation>Keine Fälligkeiten in diesem Monat</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark Paid</source>
        <translation>Als bezahlt markieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark Unpaid</source>
        <translation>Als unbezahlt markieren</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <location filename="../src/ui/reminders/CTrayIcon.cpp" line="+44"/>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coming Up</source>
        <translation>Dem&amp;nächst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message numerus="yes">
        <location line="+58"/>
        <source>Tallyvane: %1 overdue, %2 due within %n day(s)</source>
        <translation>
            <numerusform>Tallyvane: %1 überfällig, %2 fällig in %n Tag</numerusform>
            <numerusform>Tallyvane: %1 überfällig, %2 fällig in %n Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWordDocument</name>
    <message>
        <location filename="../src/platform/CWordDocument.cpp" line="+71"/>
        <source>The selection is not in a table.</source>
        <translation>Die Auswahl liegt nicht in einer Tabelle.</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>A font size of %1 points is out of range.</source>
        <translation>Eine Schriftgröße von %1 Punkt liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unknown paragraph alignment %1.</source>
        <translation>Unbekannte Absatzausrichtung %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <location line="+136"/>
        <source>The selection is lost.</source>
        <translation>Die Auswahl ist verloren gegangen.</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Unknown vertical alignment %1.</source>
        <translation>Unbekannte vertikale Ausrichtung %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Only moves by table cell are possible (unit %1).</source>
        <translation>Nur Bewegungen um Tabellenzellen sind möglich (Einheit %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown move extension %1.</source>
        <translation>Unbekannte Erweiterung der Bewegung %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no cell %1 to the right.</source>
        <translation>Rechts gibt es keine Zelle %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>There is no cell %1 to the left.</source>
        <translation>Links gibt es keine Zelle %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A cell splits into two rows of one column only.</source>
        <translation>Eine Zelle lässt sich nur in zwei Zeilen mit einer Spalte teilen.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>A table of %1 rows and %2 columns cannot be made.</source>
        <translation>Eine Tabelle mit %1 Zeilen und %2 Spalten kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tables cannot be nested.</source>
        <translation>Tabellen können nicht verschachtelt werden.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Paper size %1 is not available.</source>
        <translation>Das Papierformat %1 ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>CWordExport</name>
    <message>
        <location filename="../src/export/CWordExport.cpp" line="+44"/>
        <source>Error !!!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Due</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To/Account</source>
        <translation>Empfänger/Konto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type/Status</source>
        <translation>Art/Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Show Notes</source>
        <translation>Notizen anzeigen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Status: (%1/%2)</source>
        <translation>Status: (%1/%2)</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The word processor has no document.</source>
        <translation>Die Textverarbeitung hat kein Dokument.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The document could not be completed.</source>
        <translation>Das Dokument konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No output file was given.</source>
        <translation>Es wurde keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The word processor could not be started.</source>
        <translation>Die Textverarbeitung konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CWorkDirDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CWorkDirDlg.cpp" line="+46"/>
        <location line="+19"/>
        <source>Working Directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Your dues are kept in the folder &quot;%1&quot; under it.</source>
        <translation>Ihre Fälligkeiten liegen darin im Ordner „%1“.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No folder chosen yet</source>
        <translation>Noch kein Ordner gewählt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Pick a Directory</source>
        <translation>Verzeichnis wählen</translation>
    </message>
</context>
<context>
    <name>CXlsxApplication</name>
    <message>
        <location filename="../src/platform/CXlsxApplication.cpp" line="+20"/>
        <source>No workbook is open.</source>
        <translation>Es ist keine Arbeitsmappe geöffnet.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not a column name.</source>
        <translation>%1 ist kein Spaltenname.</translation>
    </message>
</context>
<context>
    <name>CXlsxWorkbook</name>
    <message>
        <location filename="../src/platform/CXlsxWorkbook.cpp" line="+286"/>
        <source>no valid content types (%1)</source>
        <translation>keine gültigen Inhaltstypen (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no valid package relationships</source>
        <translation>keine gültigen Paketbeziehungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the package holds no workbook</source>
        <translation>das Paket enthält keine Arbeitsmappe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a spreadsheet template</source>
        <translation>keine Tabellenvorlage</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the workbook part is damaged (%1)</source>
        <translation>der Teil der Arbeitsmappe ist beschädigt (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the workbook relationships are damaged (%1)</source>
        <translation>die Beziehungen der Arbeitsmappe sind beschädigt (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a sheet of the workbook is missing</source>
        <translation>ein Blatt der Arbeitsmappe fehlt</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+183"/>
        <location line="+53"/>
        <location line="+35"/>
        <location line="+24"/>
        <location line="+261"/>
        <location line="+123"/>
        <source>No workbook is open.</source>
        <translation>Es ist keine Arbeitsmappe geöffnet.</translation>
    </message>
    <message>
        <location line="-759"/>
        <source>The workbook has no sheet %1.</source>
        <translation>Die Arbeitsmappe hat kein Blatt %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The sheet %1 is damaged (%2).</source>
        <translation>Das Blatt %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The active sheet is not a worksheet.</source>
        <translation>Das aktive Blatt ist kein Arbeitsblatt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The relationships of %1 are damaged (%2).</source>
        <translation>Die Beziehungen von %1 sind beschädigt (%2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The rows of %1 are out of order.</source>
        <translation>Die Zeilen von %1 sind nicht in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The cells of %1 are out of order.</source>
        <translation>Die Zellen von %1 sind nicht in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+183"/>
        <location line="+53"/>
        <location line="+35"/>
        <location line="+24"/>
        <location line="+261"/>
        <source>The workbook has no worksheet.</source>
        <translation>Die Arbeitsmappe hat kein Arbeitsblatt.</translation>
    </message>
    <message>
        <location line="-551"/>
        <location line="+234"/>
        <location line="+319"/>
        <source>%1 is not a cell name.</source>
        <translation>%1 ist kein Zellname.</translation>
    </message>
    <message>
        <location line="-470"/>
        <source>%1 is not a number a cell can hold.</source>
        <translation>%1 ist keine Zahl, die eine Zelle aufnehmen kann.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>An empty number format cannot be given to %1.</source>
        <translation>%1 kann kein leeres Zahlenformat erhalten.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 is not a paper size.</source>
        <translation>%1 ist kein Papierformat.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The shared strings of the workbook are damaged (%1).</source>
        <translation>Die gemeinsamen Zeichenfolgen der Arbeitsmappe sind beschädigt (%1).</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 points to a shared string the workbook does not hold.</source>
        <translation>%1 verweist auf eine gemeinsame Zeichenfolge, die die Arbeitsmappe nicht enthält.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+24"/>
        <source>The sheet has no column %1.</source>
        <translation>Das Blatt hat keine Spalte %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a column width.</source>
        <translation>%1 ist keine Spaltenbreite.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>The styles of the workbook are damaged (%1).</source>
        <translation>Die Formatvorlagen der Arbeitsmappe sind beschädigt (%1).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The styles of the workbook are damaged.</source>
        <translation>Die Formatvorlagen der Arbeitsmappe sind beschädigt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an RGB colour.</source>
        <translation>%1 ist keine RGB-Farbe.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The comments of the sheet are damaged (%1).</source>
        <translation>Die Kommentare des Blatts sind beschädigt (%1).</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The note drawing of the sheet is missing.</source>
        <translation>Die Kommentarzeichnung des Blatts fehlt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The note drawing of the sheet is damaged (%1).</source>
        <translation>Die Kommentarzeichnung des Blatts ist beschädigt (%1).</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The cell %1 already holds a comment.</source>
        <translation>Die Zelle %1 hat bereits einen Kommentar.</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <location filename="../src/sync/CalDavDiscovery.cpp" line="+103"/>
        <source>Looking for calendars</source>
        <translation>Kalender werden gesucht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Looking for calendars at %1: %2</source>
        <translation>Suche nach Kalendern bei %1: %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 names no calendars for this user.</source>
        <translation>%1 nennt keine Kalender für diesen Benutzer.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Asking for the user&apos;s calendars</source>
        <translation>Die Kalender des Benutzers werden erfragt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 names no calendar home for this user.</source>
        <translation>%1 nennt keinen Kalenderordner für diesen Benutzer.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Listing the calendars</source>
        <translation>Die Kalender werden aufgelistet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing the calendars at %1: %2</source>
        <translation>Auflisten der Kalender bei %1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Making the calendar &quot;%1&quot;</source>
        <translation>Der Kalender „%1“ wird angelegt</translation>
    </message>
</context>
<context>
    <name>CalendarObject</name>
    <message>
        <location filename="../src/sync/CalendarObject.cpp" line="+125"/>
        <source>%1 (paid)</source>
        <translation>%1 (bezahlt)</translation>
    </message>
</context>
<context>
    <name>ChangeProgressWindow</name>
    <message>
        <location filename="../src/ui/dialogs/ChangeProgressWindow.cpp" line="+18"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+55"/>
        <source>Show this help and exit</source>
        <translation>Diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show the version and exit</source>
        <translation>Die Version zeigen und beenden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The month of the dues</source>
        <translation>Der Monat der Fälligkeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Which dues: all (the default), only the paid or the unpaid ones</source>
        <translation>Welche Fälligkeiten: all (Vorgabe), nur die bezahlten (paid) oder die unbezahlten (unpaid)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The working directory; the dues are in &quot;%1&quot; inside it</source>
        <translation>Das Arbeitsverzeichnis; die Fälligkeiten liegen darin in „%1“</translation>
    </message>
    <message>
        <location line="+118"/>
        <location line="+64"/>
        <location line="+265"/>
        <source>bad month &quot;%1&quot;: expected YYYY-MM</source>
        <translation>ungültiger Monat „%1“: erwartet wird JJJJ-MM</translation>
    </message>
    <message>
        <location line="-323"/>
        <location line="+86"/>
        <source>bad filter &quot;%1&quot;: expected all, paid or unpaid</source>
        <translation>ungültiger Filter „%1“: erwartet wird all, paid oder unpaid</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>working directory not found: %1</source>
        <translation>Arbeitsverzeichnis nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>working directory not readable: %1</source>
        <translation>Arbeitsverzeichnis nicht lesbar: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>skipped %1</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <location line="-213"/>
        <source>--month YYYY-MM is required (or --from and --to)</source>
        <translation>--month JJJJ-MM ist erforderlich (oder --from und --to)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--month cannot be combined with --from and --to</source>
        <translation>--month lässt sich nicht mit --from und --to verbinden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--from YYYY-MM and --to YYYY-MM go together</source>
        <translation>--from JJJJ-MM und --to JJJJ-MM gehören zusammen</translation>
    </message>
    <message>
        <location line="+259"/>
        <source>--to %1 is before --from %2</source>
        <translation>--to %1 liegt vor --from %2</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>unknown export format &quot;%1&quot;</source>
        <translation>unbekanntes Exportformat „%1“</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no dues in %1: %2 lists none</source>
        <translation>keine Fälligkeiten in %1: %2 führt keine auf</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The first month of a range, instead of --month</source>
        <translation>Der erste Monat eines Zeitraums, statt --month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last month of the range</source>
        <translation>Der letzte Monat des Zeitraums</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the notes out</source>
        <translation>Die Notizen weglassen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file to write</source>
        <translation>Die zu schreibende Datei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>export needs a format: %1</source>
        <translation>export braucht ein Format: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>FORMAT is one of: %1</source>
        <translation>FORMAT ist eines von: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>could not note the deleted dues in %1: %2</source>
        <translation>die gelöschten Fälligkeiten konnten nicht in %1 vermerkt werden: %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>could not create the data folder %1</source>
        <translation>der Datenordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 (see &quot;tallyvane conflicts&quot;)</source>
        <translation>%1 (siehe „tallyvane conflicts“)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>removed a leftover file of an earlier save that was interrupted: %1</source>
        <translation>ein Rest eines früher unterbrochenen Speicherns wurde entfernt: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>removed %n leftover files of an earlier save that was interrupted: %1</source>
        <translation>
            <numerusform>%n Rest eines früher unterbrochenen Speicherns wurde entfernt: %1</numerusform>
            <numerusform>%n Reste eines früher unterbrochenen Speicherns wurden entfernt: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Print the dues of one month, one tab-separated line each, then their sums</source>
        <translation>Die Fälligkeiten eines Monats ausgeben, je eine durch Tabulatoren getrennte Zeile, danach ihre Summen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the dues of one month or a range of months to a file, as the window&apos;s export does</source>
        <translation>Die Fälligkeiten eines Monats oder Zeitraums in eine Datei schreiben, wie es der Export im Fenster tut</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add the dues of a CSV file, each under a new record identifier</source>
        <translation>Die Fälligkeiten einer CSV-Datei hinzufügen, jede unter einer neuen Eintragskennung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the sums of the dues of a range of months by month, payee, account, type or series</source>
        <translation>Die Summen der Fälligkeiten mehrerer Monate ausgeben, nach Monat, Empfänger, Konto, Art oder Serie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the unpaid dues that are late or fall due within N days, then their sums</source>
        <translation>Die unbezahlten Fälligkeiten ausgeben, die überfällig sind oder in N Tagen fällig werden, danach ihre Summen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add a due, or a series with --repeat; prints the identifier of every due it adds</source>
        <translation>Eine Fälligkeit hinzufügen, mit --repeat eine Serie; gibt die Kennung jeder hinzugefügten Fälligkeit aus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mark dues paid (or unpaid with --unpaid)</source>
        <translation>Fälligkeiten als bezahlt markieren (mit --unpaid als unbezahlt)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete a due, or its whole series with --series</source>
        <translation>Eine Fälligkeit löschen, mit --series ihre ganze Serie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the dues that more than one file holds, with every file&apos;s version</source>
        <translation>Die Fälligkeiten ausgeben, die in mehr als einer Datei stehen, mit der Fassung jeder Datei</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>End a conflict: keep one file&apos;s version as the due, or keep every version as a due</source>
        <translation>Einen Konflikt beenden: die Fassung einer Datei als Fälligkeit behalten, oder jede Fassung als Fälligkeit behalten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bring the dues and a CalDAV calendar in step, both ways</source>
        <translation>Fälligkeiten und einen CalDAV-Kalender in beide Richtungen abgleichen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open the dues under DIR; the remembered working directory stays as it is</source>
        <translation>Die Fälligkeiten unter DIR öffnen; das gespeicherte Arbeitsverzeichnis bleibt, wie es ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start in the notification area, without the window (as at login)</source>
        <translation>Im Benachrichtigungsfeld starten, ohne Fenster (wie bei der Anmeldung)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>option %1 given twice</source>
        <translation>Option %1 doppelt angegeben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>the command %1 comes first, before any option</source>
        <translation>der Befehl %1 kommt zuerst, vor jeder Option</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+34"/>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Keeps track of bills and other payments that fall due.</source>
        <translation>Behält Rechnungen und andere fällige Zahlungen im Blick.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Without a command it opens its window:</source>
        <translation>Ohne Befehl öffnet es sein Fenster:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Commands, which need no window:</source>
        <translation>Befehle, die kein Fenster brauchen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&quot;tallyvane COMMAND --help&quot; describes the command&apos;s options.</source>
        <translation>„tallyvane BEFEHL --help“ beschreibt die Optionen des Befehls.</translation>
    </message>
    <message>
        <location filename="../src/app/OfficeMain.cpp" line="+23"/>
        <location filename="../src/app/SyncMain.cpp" line="+24"/>
        <source>%1 does not run here</source>
        <translation>%1 läuft hier nicht</translation>
    </message>
</context>
<context>
    <name>ConflictCommandsText</name>
    <message>
        <location filename="../src/app/ConflictCommands.cpp" line="+31"/>
        <source>The working directory that holds the dues</source>
        <translation>Das Arbeitsverzeichnis mit den Fälligkeiten</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a file of the data folder %2</source>
        <translation>%1 ist keine Datei des Datenordners %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file whose version becomes the due, or both to keep every version as a due</source>
        <translation>Die Datei, deren Fassung die Fälligkeit wird, oder both, um jede Fassung als Fälligkeit zu behalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>resolve needs exactly one identifier</source>
        <translation>resolve braucht genau eine Kennung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One line per file, tab-separated: identifier, file, when the file was changed, then the due as list prints it. The file listed as the due comes first.</source>
        <translation>Eine Zeile je Datei, durch Tabulatoren getrennt: Kennung, Datei, wann die Datei geändert wurde, dann die Fälligkeit, wie list sie ausgibt. Die als Fälligkeit angezeigte Datei kommt zuerst.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--keep FILE writes that version to the due&apos;s own file and removes the others; --keep both keeps every other version as a due of its own under a new identifier (a member of a series in a series of its own) and removes its file.</source>
        <translation>--keep FILE schreibt diese Fassung in die eigene Datei der Fälligkeit und entfernt die anderen; --keep both behält jede andere Fassung als eigene Fälligkeit unter einer neuen Kennung (ein Mitglied einer Serie in einer eigenen Serie) und entfernt ihre Datei.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>no due with the identifier %1</source>
        <translation>keine Fälligkeit mit der Kennung %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is held by one file only: nothing to resolve</source>
        <translation>%1 steht nur in einer Datei: nichts zu lösen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a version of %2; its files are: %3</source>
        <translation>%1 ist keine Fassung von %2; seine Dateien sind: %3</translation>
    </message>
</context>
<context>
    <name>DataCommandsText</name>
    <message>
        <location filename="../src/app/DataCommands.cpp" line="+28"/>
        <source>import needs a format: csv</source>
        <translation>import braucht ein Format: csv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import csv needs the FILE to read</source>
        <translation>import csv braucht die zu lesende DATEI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import takes one file, not &quot;%1&quot; as well</source>
        <translation>import nimmt eine Datei, nicht zusätzlich „%1“</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not UTF-8: taken as Windows-1252 text</source>
        <translation>kein UTF-8: als Windows-1252-Text gelesen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>rejected: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>imported %n due(s)</source>
        <translation>
            <numerusform>%n Fälligkeit importiert</numerusform>
            <numerusform>%n Fälligkeiten importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>rejected %n line(s)</source>
        <translation>
            <numerusform>%n Zeile abgelehnt</numerusform>
            <numerusform>%n Zeilen abgelehnt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../src/model/store/DataFolder.cpp" line="+157"/>
        <source>data folder %1 cannot be used: %2</source>
        <translation>Datenordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data folder %1 is not a folder</source>
        <translation>Datenordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data folder %1 cannot be read: %2</source>
        <translation>Datenordner %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../src/sync/DavClient.cpp" line="+71"/>
        <source>%1: stopped.</source>
        <translation>%1: abgebrochen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the certificate of %2 is not trusted: %3</source>
        <translation>%1: Dem Zertifikat von %2 wird nicht vertraut: %3</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1: %2 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1: %2 hat nicht innerhalb von %n Sekunde geantwortet.</numerusform>
            <numerusform>%1: %2 hat nicht innerhalb von %n Sekunden geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 cannot be reached: %3</source>
        <translation>%1: %2 ist nicht erreichbar: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the server refused the user name or password (%2).</source>
        <translation>%1: Der Server hat Benutzername oder Passwort abgelehnt (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the server does not allow it (%2).</source>
        <translation>%1: Der Server erlaubt es nicht (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: there is nothing at %2 (%3).</source>
        <translation>%1: Unter %2 ist nichts (%3).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: it was changed on the server meanwhile (%2).</source>
        <translation>%1: Es wurde inzwischen auf dem Server geändert (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the server refused it (%2).</source>
        <translation>%1: Der Server hat es abgelehnt (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: the server failed (%2).</source>
        <translation>%1: Der Server ist gescheitert (%2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It said: %1</source>
        <translation>Er sagte: %1</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/sync/DavXml.cpp" line="+170"/>
        <source>not a multi-status answer</source>
        <translation>keine Multi-Status-Antwort</translation>
    </message>
</context>
<context>
    <name>DeletionMemory</name>
    <message>
        <location filename="../src/model/services/DeletionMemory.cpp" line="+69"/>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is not a list of deleted dues</source>
        <translation>die Datei ist keine Liste gelöschter Fälligkeiten</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>another program holds %1</source>
        <translation>ein anderes Programm hält %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <location filename="../src/platform/DesktopNotifier.cpp" line="+33"/>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
</context>
<context>
    <name>DueCsv</name>
    <message>
        <location filename="../src/export/CsvRecordReader.cpp" line="+104"/>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>ein Feld in Anführungszeichen ist vor dem Dateiende nicht geschlossen</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>text follows a closing quote</source>
        <translation>nach einem schließenden Anführungszeichen folgt Text</translation>
    </message>
    <message numerus="yes">
        <location line="-43"/>
        <source>line %1: a record runs past %n character(s); a quote is probably not closed</source>
        <translation>
            <numerusform>Zeile %1: Ein Datensatz läuft über %n Zeichen hinaus; vermutlich wird ein Anführungszeichen nicht geschlossen</numerusform>
            <numerusform>Zeile %1: Ein Datensatz läuft über %n Zeichen hinaus; vermutlich wird ein Anführungszeichen nicht geschlossen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64"/>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <location filename="../src/export/DueCsv.cpp" line="+382"/>
        <source>Could not write the CSV file %1: %2</source>
        <translation>Die CSV-Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-348"/>
        <source>Record ID</source>
        <translation>Eintragskennung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series ID</source>
        <translation>Serienkennung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file starts as UTF-16 text but is not</source>
        <translation>die Datei beginnt als UTF-16-Text, ist es aber nicht</translation>
    </message>
    <message>
        <location line="+430"/>
        <source>the file changed since it was read; read it again</source>
        <translation>die Datei hat sich seit dem Lesen geändert; lesen Sie sie erneut</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>the file starts as UTF-8 text but is not</source>
        <translation>die Datei beginnt als UTF-8-Text, ist es aber nicht</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>the file is empty: a header row is needed</source>
        <translation>die Datei ist leer: eine Kopfzeile wird gebraucht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the header row cannot be read: %1</source>
        <translation>die Kopfzeile kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the header names the column &quot;%1&quot; twice</source>
        <translation>die Kopfzeile nennt die Spalte „%1“ doppelt</translation>
    </message>
    <message numerus="yes">
        <location line="+48"/>
        <source>the header (split at each %1) lacks the column(s) %2</source>
        <translation>
            <numerusform>der Kopfzeile (an jedem %1 getrennt) fehlt die Spalte %2</numerusform>
            <numerusform>der Kopfzeile (an jedem %1 getrennt) fehlen die Spalten %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the due date &quot;%1&quot; is not a date such as %2 or 2025-12-31, with or without a time</source>
        <translation>das Fälligkeitsdatum „%1“ ist kein Datum wie %2 oder 2025-12-31, mit oder ohne Uhrzeit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the start date &quot;%1&quot; is not a date such as %2 or 2025-12-31, with or without a time</source>
        <translation>das Startdatum „%1“ ist kein Datum wie %2 oder 2025-12-31, mit oder ohne Uhrzeit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the amount &quot;%1&quot; is not an amount such as %2, -12 or $1,234.50</source>
        <translation>der Betrag „%1“ ist kein Betrag wie %2, -12 oder 1.234,50 €</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1 fields where the header has %2</source>
        <translation>%1 Felder, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the due date is before the start date</source>
        <translation>das Fälligkeitsdatum liegt vor dem Startdatum</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the type &quot;%1&quot; is neither Business nor Personal</source>
        <translation>die Art „%1“ ist weder Business noch Personal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the paid state &quot;%1&quot; is neither Paid nor Unpaid</source>
        <translation>der Zahlungsstand „%1“ ist weder Paid noch Unpaid</translation>
    </message>
</context>
<context>
    <name>DueEditFlows</name>
    <message>
        <location filename="../src/ui/editor/DueEditFlows.cpp" line="+52"/>
        <source>Writing the %1 dues of the series...</source>
        <translation>Die %1 Fälligkeiten der Serie werden geschrieben …</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The series could not be written, so none of its dues were kept:</source>
        <translation>Die Serie konnte nicht geschrieben werden, daher wurde keine ihrer Fälligkeiten behalten:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Writing the series was cancelled, so none of its dues were kept.</source>
        <translation>Das Schreiben der Serie wurde abgebrochen, daher wurde keine ihrer Fälligkeiten behalten.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Changing the %1 dues of the series...</source>
        <translation>Die %1 Fälligkeiten der Serie werden geändert …</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The %1 dues of the series could not be changed, so all of them are as they were:</source>
        <translation>Die %1 Fälligkeiten der Serie konnten nicht geändert werden; alle sind geblieben, wie sie waren:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The change was stopped: %1 of the %2 dues of the series were changed; the others are as they were.</source>
        <translation>Die Änderung wurde angehalten: %1 der %2 Fälligkeiten der Serie wurden geändert; die übrigen sind wie zuvor.</translation>
    </message>
</context>
<context>
    <name>DueEditRules</name>
    <message>
        <location filename="../src/ui/editor/DueEditRules.cpp" line="+97"/>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Please enter an amount from 0 to 1000000000000000000.</source>
        <translation>Bitte geben Sie einen Betrag von 0 bis 1000000000000000000 ein.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Please enter a whole number of days.</source>
        <translation>Bitte geben Sie eine ganze Zahl von Tagen ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter a number of days from 0 to %1.</source>
        <translation>Bitte geben Sie eine Anzahl Tage von 0 bis %1 ein.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>DueFile</name>
    <message>
        <location filename="../src/model/store/DueFile.cpp" line="+91"/>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>a text has two UTF-16 markers</source>
        <translation>ein Text hat zwei UTF-16-Kennungen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>a text length runs past the end of the file</source>
        <translation>eine Textlänge reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>a UTF-16 text is not valid</source>
        <translation>ein UTF-16-Text ist ungültig</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>the %1 is not a valid date</source>
        <translation>%1 ist kein gültiges Datum</translation>
    </message>
    <message>
        <location line="+100"/>
        <location line="+26"/>
        <source>start date</source>
        <translation>das Startdatum</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <source>due date</source>
        <translation>das Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+28"/>
        <source>the amount is not a number</source>
        <translation>der Betrag ist keine Zahl</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the %1 field is too long: a due holds at most %2 in all</source>
        <translation>das Feld %1 ist zu lang: Eine Fälligkeit fasst insgesamt höchstens %2</translation>
    </message>
</context>
<context>
    <name>DueFolderReader</name>
    <message>
        <location filename="../src/model/store/DueFolderReader.cpp" line="+74"/>
        <source>a link to a file outside the data folder, not read</source>
        <translation>ein Verweis auf eine Datei außerhalb des Datenordners, nicht gelesen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+39"/>
        <source>the file is too large to be a due</source>
        <translation>die Datei ist zu groß für eine Fälligkeit</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file holds only zero bytes (a write to it was cut off)</source>
        <translation>die Datei enthält nur Null-Bytes (ein Schreibvorgang wurde abgebrochen)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the record identifier &quot;%1&quot; is not usable</source>
        <translation>die Eintragskennung „%1“ ist nicht verwendbar</translation>
    </message>
</context>
<context>
    <name>DueIcons</name>
    <message>
        <location filename="../src/ui/print/DueIcons.cpp" line="+105"/>
        <source>Print Dues</source>
        <translation>Fälligkeiten drucken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the months and the dues for the page</source>
        <translation>Wählen Sie die Monate und die Fälligkeiten für die Seite</translation>
    </message>
</context>
<context>
    <name>DueRowLook</name>
    <message>
        <location filename="../src/ui/list/DueRowLook.cpp" line="+74"/>
        <source>paid</source>
        <translation>bezahlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>overdue</source>
        <translation>überfällig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>due today</source>
        <translation>heute fällig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unpaid</source>
        <translation>unbezahlt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, %2, due %3, %4, part of a series</source>
        <translation>%1, %2, fällig am %3, %4, Teil einer Serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2, due %3, %4</source>
        <translation>%1, %2, fällig am %3, %4</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <location filename="../src/ui/export/ExportCommands.cpp" line="+43"/>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The PDF file was saved as %1, but no program could open it.</source>
        <translation>Die PDF-Datei wurde als %1 gespeichert, aber kein Programm konnte sie öffnen.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export to iCalendar</source>
        <translation>Als iCalendar exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <location filename="../src/model/store/ExportFile.cpp" line="+27"/>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>this is a folder</source>
        <translation>dies ist ein Ordner</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <location filename="../src/model/store/FolderLock.cpp" line="+44"/>
        <location line="+25"/>
        <source>The data folder %1 cannot be locked for writing: %2</source>
        <translation>Der Datenordner %1 kann nicht zum Schreiben gesperrt werden: %2</translation>
    </message>
    <message numerus="yes">
        <location line="-4"/>
        <source>The data folder %1 is being written by another program for longer than %n second(s). Try again when it has finished.</source>
        <translation>
            <numerusform>Ein anderes Programm schreibt seit mehr als %n Sekunde in den Datenordner %1. Versuchen Sie es erneut, wenn es fertig ist.</numerusform>
            <numerusform>Ein anderes Programm schreibt seit mehr als %n Sekunden in den Datenordner %1. Versuchen Sie es erneut, wenn es fertig ist.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GuiStartup</name>
    <message>
        <location filename="../src/app/GuiStartup.cpp" line="+132"/>
        <source>unknown argument: %1</source>
        <translation>unbekanntes Argument: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working directory not found: %1</source>
        <translation>Arbeitsverzeichnis nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <location filename="../src/app/HelperProgram.cpp" line="+56"/>
        <source>the program %1 is not installed with %2</source>
        <translation>das Programm %1 ist nicht mit %2 installiert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>HtmlExportCommand</name>
    <message>
        <location filename="../src/ui/export/HtmlExportCommand.cpp" line="+22"/>
        <location line="+9"/>
        <location line="+16"/>
        <location line="+10"/>
        <location line="+7"/>
        <source>Export to HTML</source>
        <translation>Als HTML exportieren</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>HTML Files (*.html)</source>
        <translation>HTML-Dateien (*.html)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Wollen Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The dues were exported to %1, but no program could open the file.</source>
        <translation>Die Fälligkeiten wurden nach %1 exportiert, aber kein Programm konnte die Datei öffnen.</translation>
    </message>
</context>
<context>
    <name>IcsExport</name>
    <message>
        <location filename="../src/export/IcsExport.cpp" line="+76"/>
        <source>Pay To: %1</source>
        <translation>Empfänger: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1 - %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Could not write the calendar file %1: %2</source>
        <translation>Die Kalenderdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>LoginAutostart</name>
    <message>
        <location filename="../src/platform/LoginAutostart.cpp" line="+84"/>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/model/base/MessageTexts.cpp" line="+15"/>
        <source>Tallyvane</source>
        <translation>Tallyvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Due Notes</source>
        <translation>Notizen zur Fälligkeit eingeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure want to delete this record?</source>
        <translation>Wollen Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is a recursive due. Select &quot;Yes&quot; to delete the whole series or &quot;No&quot; to delete this record alone.</source>
        <translation>Dies ist eine wiederkehrende Fälligkeit. Wählen Sie „Ja“, um die ganze Serie zu löschen, oder „Nein“, um nur diesen Eintrag zu löschen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The directory you have selected does not exists or it is a write protected medium.</source>
        <translation>Das gewählte Verzeichnis existiert nicht oder liegt auf einem schreibgeschützten Medium.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The working directory is moved or deleted. Please set the working directory to continue.</source>
        <translation>Das Arbeitsverzeichnis wurde verschoben oder gelöscht. Bitte legen Sie das Arbeitsverzeichnis fest, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please set the Recurrence Pattern.</source>
        <translation>Bitte legen Sie das Wiederholungsmuster fest.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is a recursive due. Select &quot;Yes&quot; to modify the whole series or &quot;No&quot; to modify this record individually.</source>
        <translation>Dies ist eine wiederkehrende Fälligkeit. Wählen Sie „Ja“, um die ganze Serie zu ändern, oder „Nein“, um nur diesen Eintrag zu ändern.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paid : </source>
        <translation>Bezahlt: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid : </source>
        <translation>Unbezahlt: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total : </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There was a problem exporting the document to MS Excel
Please contact support for further queries.</source>
        <translation>Beim Export des Dokuments nach MS Excel ist ein Problem aufgetreten.
Wenden Sie sich bei weiteren Fragen an den Support.</translation>
    </message>
</context>
<context>
    <name>OoxmlPackage</name>
    <message>
        <location filename="../src/platform/OoxmlPackage.cpp" line="+66"/>
        <source>The file is too large to be an office package.</source>
        <translation>Die Datei ist zu groß für ein Office-Paket.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not an office package (%1).</source>
        <translation>Kein Office-Paket (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The package holds too many parts.</source>
        <translation>Das Paket enthält zu viele Teile.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The package holds a part with an unusable name.</source>
        <translation>Das Paket enthält einen Teil mit unbrauchbarem Namen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The package holds the part %1 twice.</source>
        <translation>Das Paket enthält den Teil %1 doppelt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The part %1 is too large.</source>
        <translation>Der Teil %1 ist zu groß.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The part %1 cannot be read (%2).</source>
        <translation>Der Teil %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The part %1 is damaged.</source>
        <translation>Der Teil %1 ist beschädigt.</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+5"/>
        <source>The package could not be assembled.</source>
        <translation>Das Paket konnte nicht zusammengestellt werden.</translation>
    </message>
</context>
<context>
    <name>OoxmlXml</name>
    <message>
        <location filename="../src/platform/OoxmlXml.cpp" line="+25"/>
        <source>%1 at offset %2</source>
        <translation>%1 an Position %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no root element</source>
        <translation>kein Wurzelelement</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>not a relationships part</source>
        <translation>kein Beziehungsteil</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>not a content types part</source>
        <translation>kein Inhaltstypenteil</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../src/model/store/OutputPath.cpp" line="+58"/>
        <source>no output file is given</source>
        <translation>es ist keine Ausgabedatei angegeben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is in the data folder %2; an export never writes there</source>
        <translation>%1 liegt im Datenordner %2; ein Export schreibt nie dorthin</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is another name of a file in the data folder %2; an export never writes there</source>
        <translation>%1 ist ein anderer Name einer Datei im Datenordner %2; ein Export schreibt nie dorthin</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/export/PrintPage.cpp" line="+30"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Due Date Details</source>
        <translation>Fälligkeiten im Einzelnen</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/Prompt.cpp" line="+47"/>
        <source>%n item(s) in all; see the details.</source>
        <translation>
            <numerusform>Insgesamt %n Eintrag; siehe Details.</numerusform>
            <numerusform>Insgesamt %n Einträge; siehe Details.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurrencePattern</name>
    <message>
        <location filename="../src/recurrence/RecurrencePattern.cpp" line="+19"/>
        <source>Please enter valid recurrence day</source>
        <translation>Bitte geben Sie einen gültigen Wiederholungstag ein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid recurrence week</source>
        <translation>Bitte geben Sie eine gültige Wiederholungswoche ein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid recurrence month</source>
        <translation>Bitte geben Sie einen gültigen Wiederholungsmonat ein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Atleast one day should be selected!</source>
        <translation>Mindestens ein Tag muss gewählt sein!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid number of recurrences</source>
        <translation>Bitte geben Sie eine gültige Anzahl Wiederholungen ein</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Month %1 does not have date %2</source>
        <translation>Der Monat %1 hat keinen Tag %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep it on that day</source>
        <translation>Am selben Tag lassen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move it to the Friday before</source>
        <translation>Auf den Freitag davor legen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move it to the Monday after</source>
        <translation>Auf den Montag danach legen</translation>
    </message>
</context>
<context>
    <name>ReminderCenter</name>
    <message>
        <location filename="../src/ui/reminders/ReminderCenter.cpp" line="+68"/>
        <source>Overdue: %1</source>
        <translation>Überfällig: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due soon: %1</source>
        <translation>Bald fällig: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 due on %2</source>
        <translation>%1 fällig am %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 due is overdue</source>
        <translation>1 Fälligkeit ist überfällig</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n dues are overdue</source>
        <translation>
            <numerusform>%n Fälligkeit ist überfällig</numerusform>
            <numerusform>%n Fälligkeiten sind überfällig</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 due falls due within %1</source>
        <translation>1 Fälligkeit wird innerhalb von %1 fällig</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n dues fall due within %1</source>
        <translation>
            <numerusform>%n Fälligkeit wird innerhalb von %1 fällig</numerusform>
            <numerusform>%n Fälligkeiten werden innerhalb von %1 fällig</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 falls due within %1</source>
        <translation>1 wird innerhalb von %1 fällig</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n fall due within %1</source>
        <translation>
            <numerusform>%n wird innerhalb von %1 fällig</numerusform>
            <numerusform>%n werden innerhalb von %1 fällig</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <comment>overdue, falling due</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>Mark paid</source>
        <translation>Als bezahlt markieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Coming Up</source>
        <translation>Demnächst öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dismiss</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>ReminderMemory</name>
    <message>
        <location filename="../src/model/services/Reminders.cpp" line="+95"/>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is not a list of reminders</source>
        <translation>die Datei ist keine Liste von Erinnerungen</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ReportBars</name>
    <message numerus="yes">
        <location filename="../src/ui/reports/ReportBars.cpp" line="+76"/>
        <source>Other (%n)</source>
        <translation>
            <numerusform>Sonstige (%n)</numerusform>
            <numerusform>Sonstige (%n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>(no pay to)</source>
        <translation>(ohne Empfänger)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(no account)</source>
        <translation>(ohne Konto)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(untitled series)</source>
        <translation>(Serie ohne Titel)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 %2</source>
        <comment>month name, year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 → %3 since %4</source>
        <translation>%1 %2 → %3 seit %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 a month, %3 a year</source>
        <translation>%1: %2 im Monat, %3 im Jahr</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: paid %2, unpaid %3</source>
        <translation>%1: bezahlt %2, unbezahlt %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, of which overdue %1</source>
        <translation>, davon überfällig %1</translation>
    </message>
</context>
<context>
    <name>ReportCommandText</name>
    <message>
        <location filename="../src/app/ReportCommand.cpp" line="+112"/>
        <source>(no series)</source>
        <translation>(keine Serie)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(none)</source>
        <translation>(ohne)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The working directory that holds the dues</source>
        <translation>Das Arbeitsverzeichnis mit den Fälligkeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first month</source>
        <translation>Der erste Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last month, included</source>
        <translation>Der letzte Monat, eingeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the dues are summed by</source>
        <translation>Wonach die Fälligkeiten summiert werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>text (the default), json or csv</source>
        <translation>text (Vorgabe), json oder csv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A due counts in the month of its due date. By series, each series also shows what it costs a
month and a year and its latest change of amount; the dues of no series are a group of their own.</source>
        <translation>Eine Fälligkeit zählt im Monat ihres Fälligkeitsdatums. Nach Serie zeigt jede Serie auch, was sie im
Monat und im Jahr kostet, und ihre letzte Betragsänderung; die Fälligkeiten ohne Serie bilden eine eigene Gruppe.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Dues</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+23"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>A month</source>
        <translation>Im Monat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A year</source>
        <translation>Im Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latest change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Series ID</source>
        <translation>Serienkennung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 from %2, before %3</source>
        <translation>%1 ab %2, vorher %3</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>bad grouping &quot;%1&quot;: expected month, payee, account, type or series</source>
        <translation>ungültige Gruppierung „%1“: erwartet wird month, payee, account, type oder series</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>bad format &quot;%1&quot;: expected text, json or csv</source>
        <translation>ungültiges Format „%1“: erwartet wird text, json oder csv</translation>
    </message>
</context>
<context>
    <name>ReportFileSave</name>
    <message>
        <location filename="../src/ui/reports/ReportFileSave.cpp" line="+55"/>
        <source>nothing could be drawn</source>
        <translation>es konnte nichts gezeichnet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the file %1: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ReportPrintout</name>
    <message>
        <location filename="../src/ui/reports/ReportPrintout.cpp" line="+113"/>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>ReportRanges</name>
    <message>
        <location filename="../src/ui/reports/ReportRanges.cpp" line="+45"/>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <location filename="../src/ui/reports/ReportTableModel.cpp" line="+88"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dues</source>
        <translation>Fälligkeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per Month</source>
        <translation>Im Monat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per Year</source>
        <translation>Im Jahr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/model/store/SaveFile.cpp" line="+524"/>
        <source>another program kept the folder locked for writing too long</source>
        <translation>ein anderes Programm hielt den Ordner zu lange zum Schreiben gesperrt</translation>
    </message>
    <message>
        <location line="+158"/>
        <location line="+99"/>
        <source>%1: a change that was interrupted could not be finished: %2</source>
        <translation>%1: eine unterbrochene Änderung konnte nicht zu Ende geführt werden: %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1: a leftover of an interrupted save that could not be removed: %2</source>
        <translation>%1: ein Rest eines unterbrochenen Speicherns, der nicht entfernt werden konnte: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 could not be synced: %2</source>
        <translation>%1 konnte nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+40"/>
        <source>an earlier file of the same change could not be written</source>
        <translation>eine frühere Datei derselben Änderung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>another file took the name meanwhile</source>
        <translation>eine andere Datei hat den Namen inzwischen belegt</translation>
    </message>
</context>
<context>
    <name>SyncCenter</name>
    <message>
        <location filename="../src/ui/sync/SyncCenter.cpp" line="+22"/>
        <source>Calendar sync</source>
        <translation>Kalenderabgleich</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Calendar: no password</source>
        <translation>Kalender: kein Passwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The password for %1 could not be read from the keyring: %2. Set it in Preferences &gt; Calendar Sync.</source>
        <translation>Das Passwort für %1 konnte nicht aus dem Schlüsselbund gelesen werden: %2. Legen Sie es unter Einstellungen &gt; Kalenderabgleich fest.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar sync has no password for %1: %2. Set it in Preferences &gt; Calendar Sync.</source>
        <translation>Der Kalenderabgleich hat kein Passwort für %1: %2. Legen Sie es unter Einstellungen &gt; Kalenderabgleich fest.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Calendar: syncing...</source>
        <translation>Kalender: Abgleich läuft …</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sending the dues to the calendar %1...</source>
        <translation>Die Fälligkeiten werden an den Kalender %1 gesendet …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Calendar: syncing %1 of %2...</source>
        <translation>Kalender: Abgleich %1 von %2 …</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n due(s) were deleted on the calendar server; they stay here:</source>
        <translation>
            <numerusform>%n Fälligkeit wurde auf dem Kalenderserver gelöscht; hier bleibt sie:</numerusform>
            <numerusform>%n Fälligkeiten wurden auf dem Kalenderserver gelöscht; hier bleiben sie:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Calendar: %n change(s) wait</source>
        <translation>
            <numerusform>Kalender: %n Änderung wartet</numerusform>
            <numerusform>Kalender: %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar: in step at %1</source>
        <translation>Kalender: abgeglichen um %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Calendar: %n conflict(s)</source>
        <translation>
            <numerusform>Kalender: %n Konflikt</numerusform>
            <numerusform>Kalender: %n Konflikte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changed here and on the server: click to choose what to keep.</source>
        <translation>Hier und auf dem Server geändert: Klicken Sie, um zu wählen, was bleibt.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Calendar: offline, %n change(s) wait</source>
        <translation>
            <numerusform>Kalender: offline, %n Änderung wartet</numerusform>
            <numerusform>Kalender: offline, %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Calendar: stopped, %n change(s) wait</source>
        <translation>
            <numerusform>Kalender: angehalten, %n Änderung wartet</numerusform>
            <numerusform>Kalender: angehalten, %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calendar: not in step</source>
        <translation>Kalender: nicht abgeglichen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The calendar sync with %1 failed. %2 Nothing was lost; it is tried again.</source>
        <translation>Der Kalenderabgleich mit %1 ist gescheitert. %2 Nichts ging verloren; er wird erneut versucht.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Calendar sync: %1</source>
        <translation>Kalenderabgleich: %1</translation>
    </message>
</context>
<context>
    <name>SyncCommandText</name>
    <message>
        <location filename="../src/app/SyncCommand.cpp" line="+19"/>
        <source>The working directory that holds the dues</source>
        <translation>Das Arbeitsverzeichnis mit den Fälligkeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The CalDAV server or calendar, instead of the folder&apos;s account</source>
        <translation>Der CalDAV-Server oder Kalender statt des Kontos des Ordners</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The user name on that server</source>
        <translation>Der Benutzername auf diesem Server</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --caldav: events instead of tasks</source>
        <translation>Mit --caldav: Termine statt Aufgaben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settle every conflict with this computer&apos;s or the server&apos;s version</source>
        <translation>Jeden Konflikt mit der Fassung dieses Computers oder des Servers entscheiden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Without --caldav the account set in the window (Preferences &gt; Calendar Sync) is used. With --caldav and --user the password is taken from %1, or from the keyring when that is not set; a server&apos;s address leads to its calendar &quot;Tallyvane&quot;, which is made when missing. Exit status: 0 in step, 1 conflicts left, 2 errors.</source>
        <translation>Ohne --caldav gilt das im Fenster eingerichtete Konto (Einstellungen &gt; Kalenderabgleich). Mit --caldav und --user kommt das Passwort aus %1 oder, wenn das nicht gesetzt ist, aus dem Schlüsselbund; die Adresse eines Servers führt zu seinem Kalender „Tallyvane“, der angelegt wird, wenn er fehlt. Rückgabewert: 0 abgeglichen, 1 Konflikte offen, 2 Fehler.</translation>
    </message>
    <message>
        <location filename="../src/app/SyncRun.cpp" line="+78"/>
        <source>no password for %1: set %2 or keep it in the keyring (%3)</source>
        <translation>kein Passwort für %1: Setzen Sie %2 oder legen Sie es im Schlüsselbund ab (%3)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--caldav URL and --user NAME go together</source>
        <translation>--caldav URL und --user NAME gehören zusammen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--events goes with --caldav; the folder&apos;s account says what it syncs</source>
        <translation>--events gehört zu --caldav; das Konto des Ordners legt fest, was es abgleicht</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>bad value for --prefer &quot;%1&quot;: expected here or server</source>
        <translation>ungültiger Wert für --prefer „%1“: erwartet here oder server</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad address for --caldav &quot;%1&quot;</source>
        <translation>ungültige Adresse für --caldav „%1“</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>no calendar account for %1: set one in Preferences &gt; Calendar Sync, or give --caldav URL and --user NAME</source>
        <translation>kein Kalenderkonto für %1: Richten Sie eines unter Einstellungen &gt; Kalenderabgleich ein oder geben Sie --caldav URL und --user NAME an</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&quot;%1&quot; was deleted on the server; it stays here.</source>
        <translation>„%1“ wurde auf dem Server gelöscht; hier bleibt es.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sent: %1, deleted on the server: %2, changed here: %3</source>
        <translation>Gesendet: %1, auf dem Server gelöscht: %2, hier geändert: %3</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n change(s) wait for the next sync.</source>
        <translation>
            <numerusform>%n Änderung wartet auf den nächsten Abgleich.</numerusform>
            <numerusform>%n Änderungen warten auf den nächsten Abgleich.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>conflict: %1</source>
        <translation>Konflikt: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 (%n change(s) here wait to be sent)</source>
        <translation>
            <numerusform>%1 (%n Änderung hier wartet auf das Senden)</numerusform>
            <numerusform>%1 (%n Änderungen hier warten auf das Senden)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../src/sync/SyncEngine.cpp" line="+55"/>
        <source>no due date</source>
        <translation>kein Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>due %1</source>
        <translation>fällig %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paid, due %1</source>
        <translation>bezahlt, fällig %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unpaid, due %1</source>
        <translation>unbezahlt, fällig %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot;: deleted here; on the server %3</source>
        <translation>%1 „%2“: hier gelöscht; auf dem Server %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 &quot;%2&quot;: here %3; on the server %4</source>
        <translation>%1 „%2“: hier %3; auf dem Server %4</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>Reading the changes of the calendar: %1</source>
        <translation>Lesen der Änderungen des Kalenders: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Asking the calendar for its changes</source>
        <translation>Der Kalender wird nach seinen Änderungen gefragt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Listing the calendar</source>
        <translation>Der Kalender wird aufgelistet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Listing the calendar: %1</source>
        <translation>Auflisten des Kalenders: %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Reading the calendar&apos;s tasks</source>
        <translation>Die Aufgaben des Kalenders werden gelesen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the calendar&apos;s tasks: %1</source>
        <translation>Lesen der Aufgaben des Kalenders: %1</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1 holds no dues, but %2 were in step with the calendar: nothing was deleted on the server. Delete them there if that is meant.</source>
        <translation>%1 enthält keine Fälligkeiten, aber %2 waren mit dem Kalender abgeglichen: Auf dem Server wurde nichts gelöscht. Löschen Sie sie dort, wenn das gewollt ist.</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Could not write &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Deleting &quot;%1&quot; on the server</source>
        <translation>„%1“ wird auf dem Server gelöscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sending &quot;%1&quot;</source>
        <translation>„%1“ wird gesendet</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Reading &quot;%1&quot; from the server</source>
        <translation>„%1“ wird vom Server gelesen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Could not keep the state of the calendar sync in %1: %2</source>
        <translation>Der Stand des Kalenderabgleichs konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>SyncPassword</name>
    <message>
        <location filename="../src/sync/SyncPassword.cpp" line="+34"/>
        <location line="+25"/>
        <source>the keyring holds no password for it</source>
        <translation>der Schlüsselbund enthält kein Passwort dafür</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>the keyring refused it (%1)</source>
        <translation>der Schlüsselbund hat es abgelehnt (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no keyring of the desktop answered (%1)</source>
        <translation>kein Schlüsselbund der Arbeitsumgebung hat geantwortet (%1)</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../src/sync/SyncState.cpp" line="+90"/>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the file is not the state of a calendar sync</source>
        <translation>die Datei ist kein Stand eines Kalenderabgleichs</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TemporaryDocument</name>
    <message>
        <location filename="../src/platform/TemporaryDocument.cpp" line="+55"/>
        <source>No program could open %1.</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <location filename="../src/model/services/UndoStack.cpp" line="+91"/>
        <source>Cannot undo %1</source>
        <translation>„%1“ kann nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cannot redo %1</source>
        <translation>„%1“ kann nicht wiederholt werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1: %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 was changed on disk since.</source>
        <translation>%1: %2 wurde inzwischen auf der Festplatte geändert.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+9"/>
        <source>%1: %2 could not be written: %3.</source>
        <translation>%1: %2 konnte nicht geschrieben werden: %3.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2 could not be read back.</source>
        <translation>%1: %2 konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 could not be removed: %3.</source>
        <translation>%1: %2 konnte nicht entfernt werden: %3.</translation>
    </message>
</context>
<context>
    <name>WriteCommandsText</name>
    <message>
        <location filename="../src/app/WriteCommands.cpp" line="+81"/>
        <source>The working directory that holds the dues</source>
        <translation>Das Arbeitsverzeichnis mit den Fälligkeiten</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>no due with the identifier %1</source>
        <translation>keine Fälligkeit mit der Kennung %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--repeat must be daily, weekly, monthly or yearly</source>
        <translation>--repeat muss daily, weekly, monthly oder yearly sein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--every N needs a whole number from 1 to 9999</source>
        <translation>--every N braucht eine ganze Zahl von 1 bis 9999</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a yearly due repeats every year: --every must be 1</source>
        <translation>eine jährliche Fälligkeit wiederholt sich jedes Jahr: --every muss 1 sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a repeating due needs either --count N or --until YYYY-MM-DD</source>
        <translation>eine wiederkehrende Fälligkeit braucht entweder --count N oder --until JJJJ-MM-TT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--weekdays goes with --repeat weekly only</source>
        <translation>--weekdays geht nur mit --repeat weekly</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>bad weekday &quot;%1&quot;: expected mon, tue, wed, thu, fri, sat or sun</source>
        <translation>ungültiger Wochentag „%1“: erwartet wird mon, tue, wed, thu, fri, sat oder sun</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--count N needs a whole number from 1 to %1</source>
        <translation>--count N braucht eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad date for --until &quot;%1&quot;: expected YYYY-MM-DD</source>
        <translation>ungültiges Datum für --until „%1“: erwartet wird JJJJ-MM-TT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--until lies before the first due date</source>
        <translation>--until liegt vor dem ersten Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>text (the default) or json</source>
        <translation>text (Vorgabe) oder json</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>bad format &quot;%1&quot;: expected text or json</source>
        <translation>ungültiges Format „%1“: erwartet wird text oder json</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>When it falls due</source>
        <translation>Wann sie fällig ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its start date (the due date when not given)</source>
        <translation>Ihr Startdatum (ohne Angabe das Fälligkeitsdatum)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whom it is paid to</source>
        <translation>An wen sie gezahlt wird</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The account</source>
        <translation>Das Konto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The amount, with &quot;.&quot; for decimals</source>
        <translation>Der Betrag, mit „.“ als Dezimaltrennzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The type</source>
        <translation>Die Art</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Already paid (the first of a series)</source>
        <translation>Bereits bezahlt (die erste einer Serie)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make a series that repeats</source>
        <translation>Eine sich wiederholende Serie anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every N days, weeks or months</source>
        <translation>Alle N Tage, Wochen oder Monate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How many dues the series has</source>
        <translation>Wie viele Fälligkeiten die Serie hat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Or the last day of the series</source>
        <translation>Oder der letzte Tag der Serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The days of a weekly series</source>
        <translation>Die Tage einer wöchentlichen Serie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mark them unpaid instead</source>
        <translation>Stattdessen als unbezahlt markieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Delete every due of its series</source>
        <translation>Jede Fälligkeit ihrer Serie löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>How many days ahead (14 when not given)</source>
        <translation>Wie viele Tage im Voraus (ohne Angabe 14)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>paid needs at least one identifier</source>
        <translation>paid braucht mindestens eine Kennung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>delete needs exactly one identifier</source>
        <translation>delete braucht genau eine Kennung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--title T is required and may not be blank</source>
        <translation>--title T ist erforderlich und darf nicht leer sein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bad date for --due &quot;%1&quot;: expected YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>ungültiges Datum für --due „%1“: erwartet wird JJJJ-MM-TT oder JJJJ-MM-TTTHH:MM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad date for --start &quot;%1&quot;: expected YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>ungültiges Datum für --start „%1“: erwartet wird JJJJ-MM-TT oder JJJJ-MM-TTTHH:MM</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--start lies after --due</source>
        <translation>--start liegt nach --due</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>bad amount &quot;%1&quot;: expected digits with &quot;.&quot; for decimals, at most 1e18</source>
        <translation>ungültiger Betrag „%1“: erwartet werden Ziffern mit „.“ als Dezimaltrennzeichen, höchstens 1e18</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bad type &quot;%1&quot;: expected business or personal</source>
        <translation>ungültige Art „%1“: erwartet wird business oder personal</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the repeat options yield no date</source>
        <translation>die Wiederholungsoptionen ergeben kein Datum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the repeat options yield more than %1 dues</source>
        <translation>die Wiederholungsoptionen ergeben mehr als %1 Fälligkeiten</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>%1 does not belong to a series</source>
        <translation>%1 gehört zu keiner Serie</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--days N needs a whole number from 0 to 36500</source>
        <translation>--days N braucht eine ganze Zahl von 0 bis 36500</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Overdue: </source>
        <translation>Überfällig: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 7 days: </source>
        <translation>Nächste 7 Tage: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 30 days: </source>
        <translation>Nächste 30 Tage: </translation>
    </message>
</context>
</TS>
