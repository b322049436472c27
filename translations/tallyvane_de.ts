<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../src/ui/CAboutDlg.cpp" line="+13"/>
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
    <name>CDetailsBar</name>
    <message>
        <location filename="../src/ui/CDetailsBar.cpp" line="+35"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+40"/>
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
        <location filename="../src/ui/editor/CDueDateSheet.cpp" line="+176"/>
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
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Modify Due</source>
        <translation>Fälligkeit ändern</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location filename="../src/model/CDueStore.cpp" line="+89"/>
        <source>%1: a leftover of an interrupted save that could not be removed: %2</source>
        <translation>%1: ein Rest eines unterbrochenen Speicherns, der nicht entfernt werden konnte: %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: holds the same record identifier as %2, which is listed instead</source>
        <translation>%1: trägt dieselbe Eintragskennung wie %2, das stattdessen aufgeführt wird</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+125"/>
        <location line="+102"/>
        <source>Could not save &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>„%1“ konnte nicht gespeichert werden: Die Eintragskennung ist nicht verwendbar.</translation>
    </message>
    <message>
        <location line="-217"/>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+139"/>
        <location line="+12"/>
        <location line="+41"/>
        <source>Could not save &quot;%1&quot; to %2: %3</source>
        <translation>„%1“ konnte nicht in %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <location line="-169"/>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+284"/>
        <source>Could not delete &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>„%1“ konnte nicht gelöscht werden: Die Eintragskennung ist nicht verwendbar.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+205"/>
        <source>Could not delete %1: %2</source>
        <translation>%1 konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location line="-200"/>
        <source>the file no longer exists</source>
        <translation>die Datei existiert nicht mehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not delete &quot;%1&quot; (%2): %3</source>
        <translation>„%1“ (%2) konnte nicht gelöscht werden: %3</translation>
    </message>
</context>
<context>
    <name>CFilterCombo</name>
    <message>
        <location filename="../src/ui/CFilterCombo.cpp" line="+6"/>
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
        <location filename="../src/ui/CMainFrame.cpp" line="+234"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Due</source>
        <translation>F&amp;älligkeit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+7"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date </source>
        <translation>Fälligkeitsdatum </translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Deleting the %1 dues of the series...</source>
        <translation>Die %1 Fälligkeiten der Serie werden gelöscht …</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deleting was stopped: %1 of the %2 dues of the series were deleted; the others are still there.</source>
        <translation>Das Löschen wurde angehalten: %1 der %2 Fälligkeiten der Serie wurden gelöscht; die übrigen sind noch da.</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n leftover file(s) of an earlier save that was interrupted were removed:</source>
        <translation>
            <numerusform>%n übrig gebliebene Datei eines früheren, unterbrochenen Speicherns wurde entfernt:</numerusform>
            <numerusform>%n übrig gebliebene Dateien eines früheren, unterbrochenen Speicherns wurden entfernt:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location line="+12"/>
        <source>%n changes could not be written:</source>
        <translation>
            <numerusform>%n Änderung konnte nicht geschrieben werden:</numerusform>
            <numerusform>%n Änderungen konnten nicht geschrieben werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainToolBar</name>
    <message>
        <location filename="../src/ui/CMainToolBar.cpp" line="+16"/>
        <source>Search this month</source>
        <translation>Diesen Monat durchsuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the dues of the month whose title, pay to, account or notes hold the words typed here</source>
        <translation>Zeigt die Fälligkeiten des Monats, deren Titel, Empfänger, Konto oder Notizen die hier eingegebenen Wörter enthalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ProjectToolBar</source>
        <translation>Symbolleiste</translation>
    </message>
</context>
<context>
    <name>CPdfEmbeddedFont</name>
    <message>
        <location filename="../src/export/CPdfEmbeddedFont.cpp" line="+205"/>
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
        <location filename="../src/export/CPdfExport.cpp" line="+26"/>
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
        <location line="+93"/>
        <source>Due Date(s)</source>
        <translation>Fälligkeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record %1 of %2</source>
        <translation>Eintrag %1 von %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CPdfFontSet</name>
    <message>
        <location filename="../src/export/CPdfFontSet.cpp" line="+146"/>
        <source>No installed font can show the character &quot;%1&quot; (U+%2); the PDF needs DejaVu Sans (package fonts-dejavu-core) for Latin, Greek and Cyrillic text, or Noto Sans CJK (package fonts-noto-cjk) for Chinese, Japanese and Korean.</source>
        <translation>Keine installierte Schrift kann das Zeichen „%1“ (U+%2) darstellen; das PDF braucht DejaVu Sans (Paket fonts-dejavu-core) für lateinischen, griechischen und kyrillischen Text oder Noto Sans CJK (Paket fonts-noto-cjk) für Chinesisch, Japanisch und Koreanisch.</translation>
    </message>
</context>
<context>
    <name>CPrintDuesDlg</name>
    <message>
        <location filename="../src/export/widgets/CPrintDuesDlg.cpp" line="+62"/>
        <location line="+222"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Dues to print</source>
        <translation>Zu druckende Fälligkeiten</translation>
    </message>
    <message>
        <location line="+12"/>
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
        <location filename="../src/recurrence/widgets/CRecurrenceDlg.cpp" line="+389"/>
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
    <name>CSpreadsheetExport</name>
    <message>
        <location filename="../src/export/CSpreadsheetExport.cpp" line="+223"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Notes</source>
        <translation>Notizen anzeigen</translation>
    </message>
    <message>
        <location line="+201"/>
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
    <name>CTallyvaneView</name>
    <message>
        <location filename="../src/ui/CTallyvaneView.cpp" line="+80"/>
        <source>No dues of this month match the search</source>
        <translation>Keine Fälligkeit dieses Monats passt zur Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No dues in this month</source>
        <translation>Keine Fälligkeiten in diesem Monat</translation>
    </message>
    <message>
        <location line="+75"/>
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
        <location filename="../src/ui/CWorkDirDlg.cpp" line="+45"/>
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
        <location line="+49"/>
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
</context>
<context>
    <name>CXlsxWorkbook</name>
    <message>
        <location filename="../src/platform/CXlsxWorkbook.cpp" line="+283"/>
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
        <location line="+221"/>
        <location line="+123"/>
        <source>No workbook is open.</source>
        <translation>Es ist keine Arbeitsmappe geöffnet.</translation>
    </message>
    <message>
        <location line="-607"/>
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
        <location line="+221"/>
        <source>The workbook has no worksheet.</source>
        <translation>Die Arbeitsmappe hat kein Arbeitsblatt.</translation>
    </message>
    <message>
        <location line="-399"/>
        <location line="+401"/>
        <source>%1 is not a cell name.</source>
        <translation>%1 ist kein Zellname.</translation>
    </message>
    <message>
        <location line="-318"/>
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
        <location line="+43"/>
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
    <name>ChangeProgressWindow</name>
    <message>
        <location filename="../src/ui/ChangeProgressWindow.cpp" line="+18"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+36"/>
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
        <location line="+125"/>
        <source>bad month &quot;%1&quot;: expected YYYY-MM</source>
        <translation>ungültiger Monat „%1“: erwartet wird JJJJ-MM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad filter &quot;%1&quot;: expected all, paid or unpaid</source>
        <translation>ungültiger Filter „%1“: erwartet wird all, paid oder unpaid</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>working directory not found: %1</source>
        <translation>Arbeitsverzeichnis nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>working directory not readable: %1</source>
        <translation>Arbeitsverzeichnis nicht lesbar: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>skipped %1</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>unknown export format &quot;%1&quot;</source>
        <translation>unbekanntes Exportformat „%1“</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no dues in %1: %2 lists none</source>
        <translation>keine Fälligkeiten in %1: %2 führt keine auf</translation>
    </message>
    <message>
        <location line="+12"/>
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
        <location line="+32"/>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Print the dues of one month, one tab-separated line each, then their sums</source>
        <translation>Die Fälligkeiten eines Monats ausgeben, je eine durch Tabulatoren getrennte Zeile, danach ihre Summen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the dues of one month to a file, as the window&apos;s export does</source>
        <translation>Die Fälligkeiten eines Monats in eine Datei schreiben, wie es der Export im Fenster tut</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open the dues under DIR; the remembered working directory stays as it is</source>
        <translation>Die Fälligkeiten unter DIR öffnen; das gespeicherte Arbeitsverzeichnis bleibt, wie es ist</translation>
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
        <location line="+33"/>
        <source>the command %1 comes first, before any option</source>
        <translation>der Befehl %1 kommt zuerst, vor jeder Option</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location filename="../src/app/OfficeMain.cpp" line="+33"/>
        <source>%1 does not run here</source>
        <translation>%1 läuft hier nicht</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../src/model/DataFolder.cpp" line="+150"/>
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
    <name>DueEditFlows</name>
    <message>
        <location filename="../src/ui/editor/DueEditFlows.cpp" line="+44"/>
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
        <location line="+8"/>
        <source>Only %1 of the %2 dues of the series were changed; the others are as they were:</source>
        <translation>Nur %1 der %2 Fälligkeiten der Serie wurden geändert; die übrigen sind wie zuvor:</translation>
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
        <location filename="../src/model/DueFile.cpp" line="+65"/>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>a text has two UTF-16 markers</source>
        <translation>ein Text hat zwei UTF-16-Kennungen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>a text length runs past the end of the file</source>
        <translation>eine Textlänge reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>a UTF-16 text is not valid</source>
        <translation>ein UTF-16-Text ist ungültig</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the %1 is not a valid date</source>
        <translation>%1 ist kein gültiges Datum</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>start date</source>
        <translation>das Startdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>due date</source>
        <translation>das Fälligkeitsdatum</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the amount is not a number</source>
        <translation>der Betrag ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>DueFolderReader</name>
    <message>
        <location filename="../src/model/DueFolderReader.cpp" line="+61"/>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+13"/>
        <source>the file is too large to be a due</source>
        <translation>die Datei ist zu groß für eine Fälligkeit</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file holds only zero bytes (a write to it was cut off)</source>
        <translation>die Datei enthält nur Null-Bytes (ein Schreibvorgang wurde abgebrochen)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the record identifier &quot;%1&quot; is not usable</source>
        <translation>die Eintragskennung „%1“ ist nicht verwendbar</translation>
    </message>
</context>
<context>
    <name>DueIcons</name>
    <message>
        <location filename="../src/export/widgets/DueIcons.cpp" line="+105"/>
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
    <name>ExportFile</name>
    <message>
        <location filename="../src/model/ExportFile.cpp" line="+27"/>
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
        <location filename="../src/model/FolderLock.cpp" line="+67"/>
        <source>No data folder is chosen.</source>
        <translation>Es ist kein Datenordner gewählt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The data folder %1 is in use by %2 (process %3 on %4). Close it there and try again.</source>
        <translation>Der Datenordner %1 wird von %2 verwendet (Prozess %3 auf %4). Schließen Sie ihn dort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The data folder %1 is in use by another program. Close it there and try again.</source>
        <translation>Der Datenordner %1 wird von einem anderen Programm verwendet. Schließen Sie ihn dort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The data folder %1 cannot be locked for writing: %2 cannot be created.</source>
        <translation>Der Datenordner %1 kann nicht zum Schreiben gesperrt werden: %2 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <location filename="../src/app/HelperProgram.cpp" line="+39"/>
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
        <location filename="../src/export/widgets/HtmlExportCommand.cpp" line="+22"/>
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
    <name>Messages</name>
    <message>
        <location filename="../src/model/MessageTexts.cpp" line="+15"/>
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
        <location line="+221"/>
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
        <location filename="../src/model/OutputPath.cpp" line="+58"/>
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
        <location filename="../src/ui/Prompt.cpp" line="+46"/>
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
        <location filename="../src/recurrence/RecurrencePattern.cpp" line="+18"/>
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
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/model/SaveFile.cpp" line="+466"/>
        <source>another file took the name meanwhile</source>
        <translation>eine andere Datei hat den Namen inzwischen belegt</translation>
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
</TS>
