<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BarChartPainter</name>
    <message>
        <location filename="../src/ui/reports/BarChartPainter.cpp" line="+88"/>
        <source>%1 a month</source>
        <translation>%1 par mois</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Cost per month</source>
        <translation>Coût par mois</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Impayé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Overdue (part of unpaid)</source>
        <translation>En retard (part de l’impayé)</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>No dues in this range.</source>
        <translation>Aucune échéance sur cette période.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 a year</source>
        <translation>%1 par an</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CAboutDlg.cpp" line="+13"/>
        <source>About Tallyvane</source>
        <translation>À propos de Tallyvane</translation>
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
        <translation>Garde un œil sur les factures à payer, mois par mois.</translation>
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
        <translation>Synchronisation du calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep the dues in step with a calendar on a CalDAV server</source>
        <translation>&amp;Synchroniser les échéances avec un calendrier sur un serveur CalDAV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dav.example.org or https://dav.example.org/</source>
        <translation>dav.example.org ou https://dav.example.org/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept in the keyring; type to change</source>
        <translation>Conservé dans le trousseau ; saisissez-le pour le changer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kept in the desktop&apos;s keyring</source>
        <translation>Conservé dans le trousseau du bureau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Chercher les calendriers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name of a new calendar</source>
        <translation>Nom d’un nouveau calendrier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make It</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As &amp;tasks, ticked off when paid</source>
        <translation>En &amp;tâches, cochées une fois payées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As &amp;events, for apps that show calendars only</source>
        <translation>En &amp;événements, pour les applications qui n’affichent que des calendriers</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Calendar:</source>
        <translation>Ca&amp;lendrier :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;New calendar:</source>
        <translation>Nou&amp;veau calendrier :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each due goes to the calendar</source>
        <translation>Chaque échéance va dans le calendrier</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The server has no calendars for %1 yet: make one below.</source>
        <translation>Le serveur n’a pas encore de calendrier pour %1 : créez-en un ci-dessous.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n calendar(s) found.</source>
        <translation>
            <numerusform>%n calendrier trouvé.</numerusform>
            <numerusform>%n calendriers trouvés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar &quot;%1&quot; was made; listing the calendars...</source>
        <translation>Le calendrier « %1 » a été créé ; liste des calendriers…</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+70"/>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation>« %1 » n’est pas l’adresse d’un serveur.</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Looking for calendars...</source>
        <translation>Recherche des calendriers…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Find the calendars first: the new one is made beside them.</source>
        <translation>Cherchez d’abord les calendriers : le nouveau est créé à côté d’eux.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Making the calendar...</source>
        <translation>Création du calendrier…</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The user name is missing.</source>
        <translation>Le nom d’utilisateur manque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No calendar is chosen: find the calendars and choose one, or make one.</source>
        <translation>Aucun calendrier n’est choisi : cherchez les calendriers et choisissez-en un, ou créez-en un.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The calendar &quot;%1&quot; holds no events: choose tasks or another calendar.</source>
        <translation>Le calendrier « %1 » n’accepte pas d’événements : choisissez les tâches ou un autre calendrier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The calendar &quot;%1&quot; holds no tasks: choose events or another calendar.</source>
        <translation>Le calendrier « %1 » n’accepte pas de tâches : choisissez les événements ou un autre calendrier.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password could not be kept in the keyring: %1. It is used until Tallyvane ends: after the next start it is to be typed here again.</source>
        <translation>Le mot de passe n’a pas pu être conservé dans le trousseau : %1. Il sert jusqu’à la fermeture de Tallyvane ; après le prochain démarrage, il faudra le saisir ici à nouveau.</translation>
    </message>
</context>
<context>
    <name>CCalendarView</name>
    <message>
        <location filename="../src/ui/calendar/CCalendarView.cpp" line="+35"/>
        <source>Arrow keys move by a day and a week, Page Down and Page Up go through the dues of the day, Enter modifies the due or starts a new one on the day</source>
        <translation>Les flèches avancent d’un jour et d’une semaine, Page suivante et Page précédente parcourent les échéances du jour, Entrée modifie l’échéance ou en crée une nouvelle ce jour-là</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Calendar of %1</source>
        <translation>Calendrier de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message numerus="yes">
        <location line="+220"/>
        <source>%1, today, %n due(s)</source>
        <translation>
            <numerusform>%1, aujourd’hui, %n échéance</numerusform>
            <numerusform>%1, aujourd’hui, %n échéances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n due(s)</source>
        <translation>
            <numerusform>%1, %n échéance</numerusform>
            <numerusform>%1, %n échéances</numerusform>
        </translation>
    </message>
    <message>
        <location line="+223"/>
        <source>%1 of %2: %3</source>
        <translation>%1 sur %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>+%n more</source>
        <translation>
            <numerusform>+%n autre</numerusform>
            <numerusform>+%n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CComingUpView</name>
    <message>
        <location filename="../src/ui/comingup/CComingUpView.cpp" line="+54"/>
        <source>Coming Up</source>
        <translation>À venir</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>Late dues and those of the next %n day(s), whatever the month list&apos;s filter</source>
        <translation>
            <numerusform>Les échéances en retard et celles à venir dans %n jour, quel que soit le filtre de la liste du mois</numerusform>
            <numerusform>Les échéances en retard et celles à venir dans %n jours, quel que soit le filtre de la liste du mois</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Overdue: %1</source>
        <translation>En retard&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next 7 days: %1</source>
        <translation>7 prochains jours&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 30 days: %1</source>
        <translation>30 prochains jours&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CConflictBar</name>
    <message>
        <location filename="../src/ui/conflicts/CConflictBar.cpp" line="+28"/>
        <source>Conflicts</source>
        <translation>Conflits</translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>Conflicting versions of %n due(s): more than one file holds each (a sync tool kept both changes, or two computers made the same identifier). The list shows one version of each.</source>
        <translation>
            <numerusform>Versions divergentes de %n échéance : plus d’un fichier la contient (un outil de synchronisation a gardé les deux modifications, ou deux ordinateurs ont créé le même identifiant). La liste en montre une version.</numerusform>
            <numerusform>Versions divergentes de %n échéances : plus d’un fichier contient chacune (un outil de synchronisation a gardé les deux modifications, ou deux ordinateurs ont créé le même identifiant). La liste en montre une version de chacune.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Resolve...</source>
        <translation>Résoudre…</translation>
    </message>
</context>
<context>
    <name>CConflictDlg</name>
    <message>
        <location filename="../src/ui/conflicts/CConflictDlg.cpp" line="+54"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Conflict %1 of %2</source>
        <translation>Conflit %1 sur %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conflict</source>
        <translation>Conflit</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>“%1” is held by %n file(s), each with a version of its own: a sync tool kept both changes, or two computers made the same identifier. The fields that differ are marked. Keep one version (the other files are removed), or keep every version as a due of its own.</source>
        <translation>
            <numerusform>« %1 » est contenue dans %n fichier, chacun avec sa propre version : un outil de synchronisation a gardé les deux modifications, ou deux ordinateurs ont créé le même identifiant. Les champs qui diffèrent sont marqués. Gardez une version (les autres fichiers sont supprimés), ou gardez chaque version comme une échéance à part.</numerusform>
            <numerusform>« %1 » est contenue dans %n fichiers, chacun avec sa propre version : un outil de synchronisation a gardé les deux modifications, ou deux ordinateurs ont créé le même identifiant. Les champs qui diffèrent sont marqués. Gardez une version (les autres fichiers sont supprimés), ou gardez chaque version comme une échéance à part.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>changed %1</source>
        <translation>modifié le %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(listed now)</source>
        <translation>(affichée)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differs between the versions</source>
        <translation>Diffère d’une version à l’autre</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep “%1”</source>
        <translation>Garder « %1 »</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep this version as the due and remove the other files</source>
        <translation>Garder cette version comme échéance et supprimer les autres fichiers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep All</source>
        <translation>Tout garder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep every version: the others become dues of their own</source>
        <translation>Garder chaque version : les autres deviennent des échéances à part</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decide Later</source>
        <translation>Décider plus tard</translation>
    </message>
</context>
<context>
    <name>CCsvImportDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CCsvImportDlg.cpp" line="+63"/>
        <location line="+219"/>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>From %1</source>
        <translation>Depuis %1</translation>
    </message>
    <message numerus="yes">
        <location line="+164"/>
        <source>%n due(s) will be added:</source>
        <translation>
            <numerusform>%n échéance sera ajoutée&#xa0;:</numerusform>
            <numerusform>%n échéances seront ajoutées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="-114"/>
        <location line="+5"/>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Point (1,234.50)</source>
        <translation>Point (1,234.50)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma (1.234,50)</source>
        <translation>Virgule (1.234,50)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day, month, year</source>
        <translation>Jour, mois, année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month, day, year</source>
        <translation>Mois, jour, année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year, month, day</source>
        <translation>Année, mois, jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encoding:</source>
        <translation>Encodage&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Decimal sign:</source>
        <translation>Signe &amp;décimal&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;ates:</source>
        <translation>D&amp;ates&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each column of the file is taken as:</source>
        <translation>Chaque colonne du fichier est prise comme&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+131"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>Series ID</source>
        <translation>Identifiant de série</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>(not imported)</source>
        <translation>(non importée)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-8 with a byte order mark</source>
        <translation>UTF-8 avec indicateur d&apos;ordre des octets</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-16</source>
        <translation>UTF-16</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Windows-1252: the file is not UTF-8, so it was taken as Windows-1252 text</source>
        <translation>Windows-1252&#xa0;: le fichier n&apos;est pas en UTF-8, il a donc été lu comme texte Windows-1252</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln due(s) will be added; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln échéance sera ajoutée ; les %1 premières sont affichées :</numerusform>
            <numerusform>%Ln échéances seront ajoutées ; les %1 premières sont affichées :</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln line(s) will be left out; the first %1 are shown:</source>
        <translation>
            <numerusform>%Ln ligne sera ignorée ; les %1 premières sont affichées :</numerusform>
            <numerusform>%Ln lignes seront ignorées ; les %1 premières sont affichées :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n line(s) will be left out:</source>
        <translation>
            <numerusform>%n ligne sera ignorée&#xa0;:</numerusform>
            <numerusform>%n lignes seront ignorées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing was imported from %1</source>
        <translation>Rien n&apos;a été importé depuis %1</translation>
    </message>
</context>
<context>
    <name>CDetailPage</name>
    <message>
        <location filename="../src/ui/editor/CDetailPage.cpp" line="+71"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Recursive Due</source>
        <translation>Échéance récurrente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+78"/>
        <source>Set Recurrence Pattern</source>
        <translation>Définir la périodicité</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Days from the start date to the due date</source>
        <translation>Jours entre la date de début et la date d’échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours and minutes from the start date to the due date</source>
        <translation>Heures et minutes entre la date de début et la date d’échéance</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Due Date occurs</source>
        <translation>La date d&apos;échéance tombe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days and</source>
        <translation>jours et</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hours &amp; Minutes</source>
        <translation>h &amp; min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after Start Date</source>
        <translation>après la date de début</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>Estimated number of records :  %1</source>
        <translation>Nombre prévu d&apos;enregistrements&#xa0;:  %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n left out: moved off the weekend onto a day that already has one)</source>
        <translation>
            <numerusform> (%n omise&#xa0;: déplacée du week-end vers un jour qui en a déjà une)</numerusform>
            <numerusform> (%n omises&#xa0;: déplacées du week-end vers un jour qui en a déjà une)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDetailsBar</name>
    <message>
        <location filename="../src/ui/frame/CDetailsBar.cpp" line="+18"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Details of the selected due</source>
        <translation>Détails de l’échéance choisie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
</context>
<context>
    <name>CDocxApplication</name>
    <message>
        <location filename="../src/platform/CDocxApplication.cpp" line="+35"/>
        <source>No document is open.</source>
        <translation>Aucun document n&apos;est ouvert.</translation>
    </message>
</context>
<context>
    <name>CDueDateSheet</name>
    <message>
        <location filename="../src/ui/editor/CDueDateSheet.cpp" line="+188"/>
        <source>New Due</source>
        <translation>Nouvelle échéance</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Modify Due</source>
        <translation>Modifier l&apos;échéance</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Due Details</source>
        <translation>Détails de l&apos;échéance</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No Title</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Someone</source>
        <translation>Quelqu&apos;un</translation>
    </message>
</context>
<context>
    <name>CDueStore</name>
    <message>
        <location filename="../src/model/store/CDueStore.cpp" line="+538"/>
        <source>%1: a leftover of an interrupted save that could not be removed: %2</source>
        <translation>%1&#xa0;: reste d&apos;un enregistrement interrompu qui n&apos;a pas pu être supprimé&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location line="-70"/>
        <source>the series &quot;%1&quot; (%n due(s))</source>
        <translation>
            <numerusform>la série « %1 » (%n échéance)</numerusform>
            <numerusform>la série « %1 » (%n échéances)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the series &quot;%1&quot;</source>
        <translation>la série « %1 »</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <source>%n due(s) deleted</source>
        <translation>
            <numerusform>%n échéance supprimée</numerusform>
            <numerusform>%n échéances supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>A change that a crash interrupted was finished: %1.</source>
        <translation>Une modification interrompue par un plantage a été menée à son terme : %1.</translation>
    </message>
    <message numerus="yes">
        <location line="-7"/>
        <source>%n unfinished file(s)</source>
        <translation>
            <numerusform>%n fichier inachevé</numerusform>
            <numerusform>%n fichiers inachevés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>A change that a crash interrupted was taken back, as if it had not begun: %1.</source>
        <translation>Une modification interrompue par un plantage a été annulée, comme si elle n’avait pas commencé : %1.</translation>
    </message>
    <message numerus="yes">
        <location line="-3"/>
        <source>%n due(s) added</source>
        <translation>
            <numerusform>%n échéance ajoutée</numerusform>
            <numerusform>%n échéances ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n due(s) not added</source>
        <translation>
            <numerusform>%n échéance non ajoutée</numerusform>
            <numerusform>%n échéances non ajoutées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+144"/>
        <location line="+164"/>
        <location line="+88"/>
        <location line="+568"/>
        <source>Could not save &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: l&apos;identifiant d&apos;enregistrement est inutilisable.</translation>
    </message>
    <message>
        <location line="-815"/>
        <location line="+155"/>
        <location line="+883"/>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <location line="-1025"/>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+173"/>
        <location line="+12"/>
        <location line="+845"/>
        <source>Could not save &quot;%1&quot; to %2: %3</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;» dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="-1003"/>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+284"/>
        <source>Could not delete &quot;%1&quot;: the record identifier is not usable.</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: l&apos;identifiant d&apos;enregistrement est inutilisable.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+244"/>
        <source>Could not delete %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-225"/>
        <source>the file no longer exists</source>
        <translation>le fichier n&apos;existe plus</translation>
    </message>
    <message>
        <location line="+416"/>
        <source>%1 holds another version of the due in %2 (the same record identifier %3); %2 is listed until the conflict is resolved</source>
        <translation>%1 contient une autre version de l’échéance de %2 (le même identifiant %3) ; %2 est affiché jusqu’à ce que le conflit soit résolu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The due %1 is no longer held by more than one file: nothing was changed.</source>
        <translation>L’échéance %1 n’est plus contenue dans plus d’un fichier : rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The files of &quot;%1&quot; changed since they were shown: nothing was changed.</source>
        <translation>Les fichiers de « %1 » ont changé depuis leur affichage : rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a version of the due %2.</source>
        <translation>%1 n’est pas une version de l’échéance %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+57"/>
        <source>Could not resolve the conflict of &quot;%1&quot; (%2): %3</source>
        <translation>Impossible de résoudre le conflit de « %1 » (%2) : %3</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Did not change &quot;%1&quot;: another program removed its file %2 since it was read; nothing was written.</source>
        <translation>« %1 » n’a pas été modifié : un autre programme a supprimé son fichier %2 depuis sa lecture ; rien n’a été écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Did not change &quot;%1&quot;: another program changed its file %2 since it was read; nothing was written over that change.</source>
        <translation>« %1 » n’a pas été modifié : un autre programme a modifié son fichier %2 depuis sa lecture ; cette modification n’a pas été écrasée.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Could not save the dues to %1: %2</source>
        <translation>Impossible d’enregistrer les échéances dans %1 : %2</translation>
    </message>
    <message>
        <location line="-715"/>
        <location line="+4"/>
        <source>Could not delete &quot;%1&quot; (%2): %3</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;» (%2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>CFilterCombo</name>
    <message>
        <location filename="../src/ui/frame/CFilterCombo.cpp" line="+6"/>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paid Dues</source>
        <translation>Payées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid Dues</source>
        <translation>Impayées</translation>
    </message>
</context>
<context>
    <name>CGuiControlBar</name>
    <message>
        <location filename="../src/ui/skinui/CGuiControlBar.cpp" line="+23"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close %1</source>
        <translation>Fermer %1</translation>
    </message>
</context>
<context>
    <name>CGuiToolBarWnd</name>
    <message>
        <location filename="../src/ui/skinui/CGuiToolBarWnd.cpp" line="+14"/>
        <source>More Tools</source>
        <translation>Plus d’outils</translation>
    </message>
</context>
<context>
    <name>CHtmlExport</name>
    <message>
        <location filename="../src/export/CHtmlExport.cpp" line="+77"/>
        <source>No output file was given.</source>
        <translation>Aucun fichier de sortie n&apos;a été indiqué.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The HTML template could not be read: %1. Nothing was written.</source>
        <translation>Le modèle HTML n&apos;a pas pu être lu&#xa0;: %1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../src/ui/frame/CMainFrame.cpp" line="+83"/>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Due </source>
        <translation>Nouvelle échéance </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> New Due</source>
        <translation> Nouvelle échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Due </source>
        <translation>Modifier l&apos;échéance </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Modify Due</source>
        <translation> Modifier l&apos;échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Due </source>
        <translation>Supprimer l&apos;échéance </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Delete Due</source>
        <translation> Supprimer l&apos;échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Dues </source>
        <translation>Imprimer les échéances </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Print Dues </source>
        <translation> Imprimer les échéances </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Details Window</source>
        <translation>Fenêtre des &amp;détails</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show\Hide Detail Window</source>
        <translation>Afficher/masquer la fenêtre des détails</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle Detail Window</source>
        <translation>Fenêtre des détails</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Synchronize</source>
        <translation>&amp;Synchroniser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Synchronize</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export to Excel With Notes </source>
        <translation>Exporter vers Excel, avec les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Excel With Notes</source>
        <translation> Exporter vers Excel, avec les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Excel Without Notes </source>
        <translation>Exporter vers Excel, sans les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Excel Without Notes</source>
        <translation> Exporter vers Excel, sans les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Word With Notes </source>
        <translation>Exporter vers Word, avec les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Word With Notes</source>
        <translation> Exporter vers Word, avec les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to Word Without Notes </source>
        <translation>Exporter vers Word, sans les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to Word Without Notes</source>
        <translation> Exporter vers Word, sans les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to HTML With Notes </source>
        <translation>Exporter vers HTML, avec les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to HTML With Notes</source>
        <translation> Exporter vers HTML, avec les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to HTML Without Notes </source>
        <translation>Exporter vers HTML, sans les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to HTML Without Notes</source>
        <translation> Exporter vers HTML, sans les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to PDF With Notes </source>
        <translation>Exporter en PDF, avec les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to PDF  With Notes</source>
        <translation> Exporter en PDF, avec les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export to PDF Without Notes </source>
        <translation>Exporter en PDF, sans les notes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to PDF  Without Notes</source>
        <translation> Exporter en PDF, sans les notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change &amp;Working Directory</source>
        <translation>Changer de &amp;dossier de travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Directory </source>
        <translation>Changer de dossier </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Change Directory</source>
        <translation> Changer de dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallyvane...</source>
        <translation>À &amp;propos de Tallyvane…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations du programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help Contents</source>
        <translation>&amp;Sommaire de l’aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help </source>
        <translation>Aide </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Help</source>
        <translation> Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Previous Month</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Goto Previous Month </source>
        <translation>Aller au mois précédent </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Goto Previous Month</source>
        <translation> Aller au mois précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Goto Next Month </source>
        <translation>Aller au mois suivant </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Goto Next Month</source>
        <translation> Aller au mois suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd’hui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the current month</source>
        <translation>Afficher le mois en cours</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search the shown month</source>
        <translation>Rechercher dans le mois affiché</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the month as a calendar</source>
        <translation>Afficher le mois sous forme de calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;iCalendar...</source>
        <translation>&amp;iCalendar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export the listed dues to an iCalendar file</source>
        <translation>Exporter les échéances affichées dans un fichier iCalendar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to iCalendar</source>
        <translation> Exporter en iCalendar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export the listed dues to a CSV file</source>
        <translation>Exporter les échéances affichées dans un fichier CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Export to CSV</source>
        <translation> Exporter en CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import CSV...</source>
        <translation>Importer un &amp;CSV…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add dues from a CSV file</source>
        <translation>Ajouter des échéances depuis un fichier CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Import CSV</source>
        <translation> Importer un CSV</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>By &amp;Due Date</source>
        <translation>Par date d&apos;&amp;échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Amount</source>
        <translation>Par &amp;montant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Title</source>
        <translation>Par &amp;titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;Pay To</source>
        <translation>Par &amp;bénéficiaire</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Due</source>
        <translation>&amp;Échéance</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="-248"/>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>With &amp;Notes</source>
        <translation>&amp;Avec les notes</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>With&amp;out Notes</source>
        <translation>&amp;Sans les notes</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>C&amp;alendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
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
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+450"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="-450"/>
        <source>Due Date </source>
        <translation>Date d&apos;échéance </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Dues of the month</source>
        <translation>Échéances du mois</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>New</source>
        <translation>Nouvelle échéance</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/ui/frame/CMainFrameConflicts.cpp" line="+184"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Deleting the %1 dues of the series...</source>
        <translation>Suppression des %1 échéances de la série…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deleting was stopped: %1 of the %2 dues of the series were deleted; the others are still there.</source>
        <translation>La suppression a été interrompue&#xa0;: %1 des %2 échéances de la série ont été supprimées&#xa0;; les autres sont toujours là.</translation>
    </message>
    <message numerus="yes">
        <location line="+92"/>
        <source>%n leftover file(s) of an earlier save that was interrupted were removed:</source>
        <translation>
            <numerusform>%n fichier restant d&apos;un enregistrement antérieur interrompu a été supprimé&#xa0;:</numerusform>
            <numerusform>%n fichiers restants d&apos;un enregistrement antérieur interrompu ont été supprimés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This due file could not be read and was left as it is:</source>
        <translation>Ce fichier d&apos;échéance n&apos;a pas pu être lu et a été laissé tel quel&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n due files could not be read and were left as they are:</source>
        <translation>
            <numerusform>%n fichier d&apos;échéance n&apos;a pas pu être lu et a été laissé tel quel&#xa0;:</numerusform>
            <numerusform>%n fichiers d&apos;échéance n&apos;ont pas pu être lus et ont été laissés tels quels&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n due(s) are held by more than one file, each with a version of its own (a sync tool kept both changes). Choose which to keep with Tools &gt; Resolve Conflicts:</source>
        <translation>
            <numerusform>%n échéance est contenue dans plus d’un fichier, chacun avec sa propre version (un outil de synchronisation a gardé les deux modifications). Choisissez laquelle garder avec Outils &gt; Résoudre les conflits :</numerusform>
            <numerusform>%n échéances sont contenues dans plus d’un fichier, chacun avec sa propre version (un outil de synchronisation a gardé les deux modifications). Choisissez lesquelles garder avec Outils &gt; Résoudre les conflits :</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+1"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: “%2” there, “%3” in your change</source>
        <translation>%1 : « %2 » là-bas, « %3 » dans votre modification</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Another program deleted “%1” (%2) since it was shown here.</source>
        <translation>Un autre programme a supprimé « %1 » (%2) depuis son affichage ici.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Another program deleted %n of these dues since they were shown here.</source>
        <translation>
            <numerusform>Un autre programme a supprimé %n de ces échéances depuis leur affichage ici.</numerusform>
            <numerusform>Un autre programme a supprimé %n de ces échéances depuis leur affichage ici.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep It With My Change</source>
        <translation>La garder avec ma modification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave It Deleted</source>
        <translation>La laisser supprimée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program changed “%1” (%2) since it was shown here. Your change was not written over theirs.</source>
        <translation>Un autre programme a modifié « %1 » (%2) depuis son affichage ici. Votre modification n’a pas écrasé la sienne.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Another program changed %n of these dues since they were shown here. Your change was not written over theirs.</source>
        <translation>
            <numerusform>Un autre programme a modifié %n de ces échéances depuis leur affichage ici. Votre modification n’a pas écrasé la sienne.</numerusform>
            <numerusform>Un autre programme a modifié %n de ces échéances depuis leur affichage ici. Votre modification n’a pas écrasé la sienne.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changed there:</source>
        <translation>Modifié là-bas :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed by you:</source>
        <translation>Modifié par vous :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply My Change on Top</source>
        <translation>Appliquer ma modification par-dessus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete It Anyway</source>
        <translation>Supprimer quand même</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Theirs</source>
        <translation>Garder l’autre version</translation>
    </message>
    <message numerus="yes">
        <location line="+32"/>
        <source>%n changes could not be written:</source>
        <translation>
            <numerusform>%n modification n&apos;a pas pu être écrite&#xa0;:</numerusform>
            <numerusform>%n modifications n&apos;ont pas pu être écrites&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Loading the dues of %1...</source>
        <translation>Chargement des échéances de %1…</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was imported from %1</source>
        <translation>Rien n&apos;a été importé depuis %1</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Tallyvane was started for the working directory %1, which is no longer there.</source>
        <translation>Tallyvane a été lancé pour le dossier de travail %1, qui n’existe plus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tallyvane was started for the working directory %1, while this window shows %2.

Switch this window to %1? The working directory set for the next start stays as it is.</source>
        <translation>Tallyvane a été lancé pour le dossier de travail %1, alors que cette fenêtre affiche %2.

Passer cette fenêtre à %1&#xa0;? Le dossier de travail choisi pour le prochain démarrage reste tel quel.</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameDues.cpp" line="+65"/>
        <source>Mark &amp;Paid</source>
        <translation>Marquer comme &amp;payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark &amp;Unpaid</source>
        <translation>Marquer comme &amp;impayée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark Paid or Unpaid</source>
        <translation>Marquer comme payée ou impayée</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+121"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+120"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>&amp;Coming Up</source>
        <translation>&amp;À venir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Month</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Go to the Due&apos;s Month</source>
        <translation>A&amp;ller au mois de l&apos;échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reminders and Coming &amp;Up...</source>
        <translation>Rappels et &amp;À venir…</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+4"/>
        <location line="+24"/>
        <location line="+110"/>
        <source>Coming Up</source>
        <translation>À venir</translation>
    </message>
    <message>
        <location line="-138"/>
        <source>Overdue and upcoming dues</source>
        <translation>Échéances en retard et à venir</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/frame/CMainFrameReports.cpp" line="+25"/>
        <location line="+35"/>
        <location line="+26"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sums by month, pay to, account and type</source>
        <translation>Sommes par mois, bénéficiaire, compte et type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The dues of the month</source>
        <translation>Les échéances du mois</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Mark Paid</source>
        <translation>Marquer comme payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mark Unpaid</source>
        <translation>Marquer comme impayée</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Filter set to All and search cleared, so that &quot;%1&quot; shows.</source>
        <translation>Filtre mis sur Toutes et recherche effacée pour que « %1 » s&apos;affiche.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter set to All, so that &quot;%1&quot; shows.</source>
        <translation>Filtre mis sur Toutes pour que « %1 » s&apos;affiche.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search cleared, so that &quot;%1&quot; shows.</source>
        <translation>Recherche effacée pour que « %1 » s&apos;affiche.</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameReports.cpp" line="-65"/>
        <source>&amp;Reports</source>
        <translation>Rapp&amp;orts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sums by month, pay to, account and type, and what the recurring dues cost</source>
        <translation>Sommes par mois, bénéficiaire, compte et type, et coût des échéances récurrentes</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameConflicts.cpp" line="-157"/>
        <source>Resolve &amp;Conflicts...</source>
        <translation>Résoudre les &amp;conflits…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose between the versions of dues that more than one file holds</source>
        <translation>Choisir entre les versions des échéances contenues dans plus d’un fichier</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Could not note the deleted dues in %1: %2. Should they come back, it will not be said.</source>
        <translation>Impossible de noter les échéances supprimées dans %1 : %2. Si elles reviennent, cela ne sera pas signalé.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>“%1”, due %2, deleted here %3</source>
        <translation>« %1 », échéance le %2, supprimée ici le %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” is in the data folder again, although it was deleted here on %2: another computer or program changed it meanwhile, and a sync tool brought it back. Delete it again?</source>
        <translation>« %1 » est de nouveau dans le dossier de données, bien qu’elle ait été supprimée ici le %2 : un autre ordinateur ou programme l’a modifiée entre-temps, et un outil de synchronisation l’a ramenée. La supprimer de nouveau ?</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n dues deleted here are in the data folder again: another computer or program changed them meanwhile, and a sync tool brought them back. Delete them again?</source>
        <translation>
            <numerusform>%n échéance supprimée ici est de nouveau dans le dossier de données : un autre ordinateur ou programme l’a modifiée entre-temps, et un outil de synchronisation l’a ramenée. La supprimer de nouveau ?</numerusform>
            <numerusform>%n échéances supprimées ici sont de nouveau dans le dossier de données : un autre ordinateur ou programme les a modifiées entre-temps, et un outil de synchronisation les a ramenées. Les supprimer de nouveau ?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete It Again</source>
        <translation>La supprimer de nouveau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Them Again</source>
        <translation>Les supprimer de nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep It</source>
        <translation>La garder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep Them</source>
        <translation>Les garder</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not change %1: %2</source>
        <translation>Impossible de modifier %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ui/frame/CMainFrameSync.cpp" line="+20"/>
        <source>Calendar &amp;Sync...</source>
        <translation>&amp;Synchronisation du calendrier…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync with the Calendar &amp;Now</source>
        <translation>Synchroniser avec le calendrier &amp;maintenant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep the dues in step with a calendar on a CalDAV server</source>
        <translation>Synchroniser les échéances avec un calendrier sur un serveur CalDAV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bring the dues and the calendar in step now</source>
        <translation>Synchroniser maintenant les échéances et le calendrier</translation>
    </message>
</context>
<context>
    <name>CMainToolBar</name>
    <message>
        <location filename="../src/ui/frame/CMainToolBar.cpp" line="+16"/>
        <source>Search this month</source>
        <translation>Rechercher dans ce mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows the dues of the month whose title, pay to, account or notes hold the words typed here</source>
        <translation>Affiche les échéances du mois dont le titre, le bénéficiaire, le compte ou les notes contiennent les mots saisis ici</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ProjectToolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>CMonthPicker</name>
    <message>
        <location filename="../src/ui/frame/CMonthPicker.cpp" line="+8"/>
        <source>Month shown</source>
        <translation>Mois affiché</translation>
    </message>
</context>
<context>
    <name>CNotesPage</name>
    <message>
        <location filename="../src/ui/editor/CNotesPage.cpp" line="+45"/>
        <source>These notes cannot be kept: %1.</source>
        <translation>Ces notes ne peuvent pas être gardées : %1.</translation>
    </message>
</context>
<context>
    <name>COutlookView</name>
    <message>
        <location filename="../src/ui/frame/COutlookView.cpp" line="+27"/>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Synchronize</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working Directory</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>CPdfEmbeddedFont</name>
    <message>
        <location filename="../src/export/CPdfEmbeddedFont.cpp" line="+223"/>
        <source>The font file %1 could not be read.</source>
        <translation>Le fichier de police %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Out of memory while embedding the font %1.</source>
        <translation>Mémoire insuffisante pour incorporer la police %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+6"/>
        <source>The font %1 could not be subset for embedding.</source>
        <translation>La police %1 n&apos;a pas pu être réduite pour être incorporée.</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <location filename="../src/export/CPdfExport.cpp" line="+27"/>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>Due Date(s)</source>
        <translation>Échéance(s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record %1 of %2</source>
        <translation>Enregistrement %1 sur %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>&quot;%1&quot; shows a replacement mark for %n character(s) that no installed font has: %2. Installing fonts-noto-core, fonts-noto-cjk and fonts-symbola adds fonts for most scripts and for emoji.</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» affiche un signe de remplacement pour %n caractère qu’aucune police installée ne contient&#xa0;: %2. L’installation de fonts-noto-core, fonts-noto-cjk et fonts-symbola ajoute des polices pour la plupart des écritures et pour les émojis.</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» affiche un signe de remplacement pour %n caractères qu’aucune police installée ne contient&#xa0;: %2. L’installation de fonts-noto-core, fonts-noto-cjk et fonts-symbola ajoute des polices pour la plupart des écritures et pour les émojis.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPrintDuesDlg</name>
    <message>
        <location filename="../src/ui/print/CPrintDuesDlg.cpp" line="+62"/>
        <location line="+223"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="-213"/>
        <source>Dues to print</source>
        <translation>Échéances à imprimer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Print What</source>
        <translation>Quoi imprimer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paid</source>
        <translation>Payées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UnPaid</source>
        <translation>Impayées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The print template could not be read: %1.</source>
        <translation>Le modèle d&apos;impression n&apos;a pas pu être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Due Date Details</source>
        <translation>Détail des échéances</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>CRecurrenceDlg</name>
    <message>
        <location filename="../src/ui/recurrence/CRecurrenceDlg.cpp" line="+36"/>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+8"/>
        <source>Recurrence Pattern</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Due Occurs Every</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recurrence Range</source>
        <translation>Durée de la série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End After</source>
        <translation>Fin après</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of occurrences</source>
        <translation>Nombre d’occurrences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End By</source>
        <translation>Fin le</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Occurances</source>
        <translation>occurrences</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On a Saturday or Sunday</source>
        <translation>Un samedi ou un dimanche</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Every</source>
        <comment>every n days</comment>
        <translation>Tous les</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every how many days</source>
        <translation>Tous les combien de jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every WeekDay</source>
        <translation>Chaque jour ouvrable</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Day(s)</source>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Every how many weeks</source>
        <translation>Toutes les combien de semaines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recur Every</source>
        <translation>Toutes les</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Week(s) On</source>
        <translation>
            <numerusform>semaine, le</numerusform>
            <numerusform>semaines, le</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Day</source>
        <translation>Le jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+40"/>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+6"/>
        <source>Every how many months</source>
        <translation>Tous les combien de mois</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+39"/>
        <source>The</source>
        <translation>Le</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+39"/>
        <source>Which week of the month</source>
        <translation>Quelle semaine du mois</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+39"/>
        <source>Day of the week</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Of Every</source>
        <translation>tous les</translation>
    </message>
    <message numerus="yes">
        <location line="-5"/>
        <location line="+8"/>
        <source>Month(s)</source>
        <translation>
            <numerusform>mois</numerusform>
            <numerusform>mois</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Every</source>
        <comment>every year on a date</comment>
        <translation>Chaque année le</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Of</source>
        <translation>de</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>This pattern makes %1 dues. Do you want to create them all?</source>
        <translation>Cette périodicité donne %1 échéances. Voulez-vous toutes les créer&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Creating the %1 dues of the series...</source>
        <translation>Création des %1 échéances de la série…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The series could not be written, so none of its dues were kept. Nothing in the data folder was changed.</source>
        <translation>La série n&apos;a pas pu être écrite&#xa0;; aucune de ses échéances n&apos;a donc été conservée. Rien n&apos;a été modifié dans le dossier de données.</translation>
    </message>
</context>
<context>
    <name>CReminderBar</name>
    <message>
        <location filename="../src/ui/reminders/CReminderBar.cpp" line="+41"/>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reminders (no desktop notification service answered):</source>
        <translation>Rappels (aucun service de notification du bureau n’a répondu)&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Coming Up</source>
        <translation>Ouvrir À venir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CReminderSettingsDlg</name>
    <message>
        <location filename="../src/ui/reminders/CReminderSettingsDlg.cpp" line="+20"/>
        <source>Reminders and Coming Up</source>
        <translation>Rappels et À venir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off</source>
        <translation>Jamais</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <location line="+5"/>
        <source> day(s) before</source>
        <translation>
            <numerusform> jour avant</numerusform>
            <numerusform> jours avant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-3"/>
        <location line="+4"/>
        <source> day(s)</source>
        <translation>
            <numerusform> jour</numerusform>
            <numerusform> jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep running in the notification area when the window closes</source>
        <translation>&amp;Continuer dans la zone de notification à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Start at login in the notification area</source>
        <translation>Dé&amp;marrer à la connexion dans la zone de notification</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remind me:</source>
        <translation>&amp;Me rappeler&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coming Up lists:</source>
        <translation>&amp;À venir affiche&#xa0;:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The login entry %1 could not be written: %2</source>
        <translation>L&apos;entrée de connexion %1 n&apos;a pas pu être écrite&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CReportPanel</name>
    <message>
        <location filename="../src/ui/reports/CReportPanel.cpp" line="+23"/>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show the numbers of the chart as a table</source>
        <translation>Afficher les chiffres du graphique sous forme de tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show %1 as a table</source>
        <translation>Afficher %1 sous forme de tableau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save %1</source>
        <translation>Enregistrer %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the chart as an image or its numbers as CSV</source>
        <translation>Enregistrer le graphique en image ou ses chiffres en CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chart as PNG Image...</source>
        <translation>Graphique en image PNG…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart as SVG Drawing...</source>
        <translation>Graphique en dessin SVG…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numbers as CSV...</source>
        <translation>Chiffres en CSV…</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Save Chart as PNG Image</source>
        <translation>Enregistrer le graphique en image PNG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Chart as SVG Drawing</source>
        <translation>Enregistrer le graphique en dessin SVG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Numbers as CSV</source>
        <translation>Enregistrer les chiffres en CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>CReportsView</name>
    <message>
        <location filename="../src/ui/reports/CReportsView.cpp" line="+44"/>
        <source>Paid and Unpaid by Month</source>
        <translation>Payé et impayé par mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Pay To</source>
        <translation>Par bénéficiaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Account</source>
        <translation>Par compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Type</source>
        <translation>Par type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recurring Costs</source>
        <translation>Coûts récurrents</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>First month</source>
        <translation>Premier mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last month</source>
        <translation>Dernier mois</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom range</source>
        <translation>Période personnalisée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Range:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T&amp;o:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the Report...</source>
        <translation>Imprimer le rapport…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the Report as PDF...</source>
        <translation>Enregistrer le rapport en PDF…</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Close the list of dues</source>
        <translation>Fermer la liste des échéances</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dues of the chosen bar</source>
        <translation>Échéances de la barre choisie</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>No recurring dues in this range.</source>
        <translation>Aucune échéance récurrente sur cette période.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+149"/>
        <source>Fixed cost per month: %1</source>
        <translation>Coût fixe par mois&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="-134"/>
        <source>%1: %n due(s), paid %2, unpaid %3 (overdue %4), total %5</source>
        <translation>
            <numerusform>%1&#xa0;: %n échéance, payé %2, impayé %3 (en retard %4), total %5</numerusform>
            <numerusform>%1&#xa0;: %n échéances, payé %2, impayé %3 (en retard %4), total %5</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Dues of %1, %2</source>
        <translation>Échéances de %1, %2</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Report, %1</source>
        <translation>Rapport, %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CSpreadsheetExport</name>
    <message>
        <location filename="../src/export/CSpreadsheetExport.cpp" line="+30"/>
        <source>Tallyvane Dues</source>
        <translation>Échéances Tallyvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The dues listed for the month</source>
        <translation>Les échéances listées pour le mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid:</source>
        <translation>Payées&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid:</source>
        <translation>Impayées&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+262"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Show Notes</source>
        <translation>Voir les notes</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>No output file was given.</source>
        <translation>Aucun fichier de sortie n&apos;a été indiqué.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The spreadsheet application could not be started.</source>
        <translation>Le tableur n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>CSyncConflictDlg</name>
    <message>
        <location filename="../src/ui/sync/CSyncConflictDlg.cpp" line="+16"/>
        <source>Calendar Sync: Changed on Both Sides</source>
        <translation>Synchronisation du calendrier : modifié des deux côtés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These dues were changed here and on the calendar server since the last sync. Nothing of them was written; choose which version to keep.</source>
        <translation>Ces échéances ont été modifiées ici et sur le serveur de calendrier depuis la dernière synchronisation. Rien n’en a été écrit ; choisissez la version à garder.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar server</source>
        <translation>Serveur de calendrier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deleted</source>
        <translation>Supprimée</translation>
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
        <translation>Décider plus tard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete it there too</source>
        <translation>La supprimer là-bas aussi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This computer&apos;s</source>
        <translation>Celle de cet ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave it there, not synced</source>
        <translation>La laisser là-bas, non synchronisée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The server&apos;s</source>
        <translation>Celle du serveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep for %1</source>
        <translation>Garder pour %1</translation>
    </message>
</context>
<context>
    <name>CTallyvaneView</name>
    <message>
        <location filename="../src/ui/list/CTallyvaneView.cpp" line="+88"/>
        <source>No dues of this month match the search</source>
        <translation>Aucune échéance de ce mois ne correspond à la recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No dues in this month</source>
        <translation>Aucune échéance ce mois-ci</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mark Paid</source>
        <translation>Marquer comme payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark Unpaid</source>
        <translation>Marquer comme impayée</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <location filename="../src/ui/reminders/CTrayIcon.cpp" line="+44"/>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coming Up</source>
        <translation>&amp;À venir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message numerus="yes">
        <location line="+58"/>
        <source>Tallyvane: %1 overdue, %2 due within %n day(s)</source>
        <translation>
            <numerusform>Tallyvane&#xa0;: %1 en retard, %2 à payer sous %n jour</numerusform>
            <numerusform>Tallyvane&#xa0;: %1 en retard, %2 à payer sous %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWordDocument</name>
    <message>
        <location filename="../src/platform/CWordDocument.cpp" line="+71"/>
        <source>The selection is not in a table.</source>
        <translation>La sélection n&apos;est pas dans un tableau.</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>A font size of %1 points is out of range.</source>
        <translation>Une taille de police de %1 points est hors limites.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unknown paragraph alignment %1.</source>
        <translation>Alignement de paragraphe inconnu %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <location line="+136"/>
        <source>The selection is lost.</source>
        <translation>La sélection est perdue.</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Unknown vertical alignment %1.</source>
        <translation>Alignement vertical inconnu %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Only moves by table cell are possible (unit %1).</source>
        <translation>Seuls les déplacements par cellule de tableau sont possibles (unité %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown move extension %1.</source>
        <translation>Extension de déplacement inconnue %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no cell %1 to the right.</source>
        <translation>Il n&apos;y a pas de cellule %1 à droite.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>There is no cell %1 to the left.</source>
        <translation>Il n&apos;y a pas de cellule %1 à gauche.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A cell splits into two rows of one column only.</source>
        <translation>Une cellule ne se divise qu&apos;en deux lignes d&apos;une seule colonne.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>A table of %1 rows and %2 columns cannot be made.</source>
        <translation>Un tableau de %1 lignes et %2 colonnes ne peut pas être créé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tables cannot be nested.</source>
        <translation>Les tableaux ne peuvent pas être imbriqués.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Paper size %1 is not available.</source>
        <translation>Le format de papier %1 n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>CWordExport</name>
    <message>
        <location filename="../src/export/CWordExport.cpp" line="+44"/>
        <source>Error !!!</source>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To/Account</source>
        <translation>Bénéficiaire/Compte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type/Status</source>
        <translation>Type/Statut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Show Notes</source>
        <translation>Voir les notes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Status: (%1/%2)</source>
        <translation>Statut&#xa0;: (%1/%2)</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The word processor has no document.</source>
        <translation>Le traitement de texte n&apos;a pas de document.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The document could not be completed.</source>
        <translation>Le document n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No output file was given.</source>
        <translation>Aucun fichier de sortie n&apos;a été indiqué.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The word processor could not be started.</source>
        <translation>Le traitement de texte n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>CWorkDirDlg</name>
    <message>
        <location filename="../src/ui/dialogs/CWorkDirDlg.cpp" line="+46"/>
        <location line="+19"/>
        <source>Working Directory</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Your dues are kept in the folder &quot;%1&quot; under it.</source>
        <translation>Vos échéances sont rangées dans son dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No folder chosen yet</source>
        <translation>Aucun dossier choisi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Pick a Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>CXlsxApplication</name>
    <message>
        <location filename="../src/platform/CXlsxApplication.cpp" line="+20"/>
        <source>No workbook is open.</source>
        <translation>Aucun classeur n&apos;est ouvert.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not a column name.</source>
        <translation>%1 n&apos;est pas un nom de colonne.</translation>
    </message>
</context>
<context>
    <name>CXlsxWorkbook</name>
    <message>
        <location filename="../src/platform/CXlsxWorkbook.cpp" line="+286"/>
        <source>no valid content types (%1)</source>
        <translation>aucun type de contenu valide (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no valid package relationships</source>
        <translation>aucune relation de paquet valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the package holds no workbook</source>
        <translation>le paquet ne contient aucun classeur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a spreadsheet template</source>
        <translation>ce n&apos;est pas un modèle de classeur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the workbook part is damaged (%1)</source>
        <translation>la partie classeur est endommagée (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the workbook relationships are damaged (%1)</source>
        <translation>les relations du classeur sont endommagées (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a sheet of the workbook is missing</source>
        <translation>une feuille du classeur manque</translation>
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
        <translation>Aucun classeur n&apos;est ouvert.</translation>
    </message>
    <message>
        <location line="-759"/>
        <source>The workbook has no sheet %1.</source>
        <translation>Le classeur n&apos;a pas de feuille %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The sheet %1 is damaged (%2).</source>
        <translation>La feuille %1 est endommagée (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The active sheet is not a worksheet.</source>
        <translation>La feuille active n&apos;est pas une feuille de calcul.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The relationships of %1 are damaged (%2).</source>
        <translation>Les relations de %1 sont endommagées (%2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The rows of %1 are out of order.</source>
        <translation>Les lignes de %1 ne sont pas dans l’ordre.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The cells of %1 are out of order.</source>
        <translation>Les cellules de %1 ne sont pas dans l’ordre.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+183"/>
        <location line="+53"/>
        <location line="+35"/>
        <location line="+24"/>
        <location line="+261"/>
        <source>The workbook has no worksheet.</source>
        <translation>Le classeur n&apos;a pas de feuille de calcul.</translation>
    </message>
    <message>
        <location line="-551"/>
        <location line="+234"/>
        <location line="+319"/>
        <source>%1 is not a cell name.</source>
        <translation>%1 n&apos;est pas un nom de cellule.</translation>
    </message>
    <message>
        <location line="-470"/>
        <source>%1 is not a number a cell can hold.</source>
        <translation>%1 n&apos;est pas un nombre qu&apos;une cellule peut contenir.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>An empty number format cannot be given to %1.</source>
        <translation>Un format de nombre vide ne peut pas être donné à %1.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 is not a paper size.</source>
        <translation>%1 n&apos;est pas un format de papier.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The shared strings of the workbook are damaged (%1).</source>
        <translation>Les chaînes partagées du classeur sont endommagées (%1).</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 points to a shared string the workbook does not hold.</source>
        <translation>%1 renvoie à une chaîne partagée absente du classeur.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+24"/>
        <source>The sheet has no column %1.</source>
        <translation>La feuille n&apos;a pas de colonne %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a column width.</source>
        <translation>%1 n&apos;est pas une largeur de colonne.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>The styles of the workbook are damaged (%1).</source>
        <translation>Les styles du classeur sont endommagés (%1).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The styles of the workbook are damaged.</source>
        <translation>Les styles du classeur sont endommagés.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an RGB colour.</source>
        <translation>%1 n&apos;est pas une couleur RVB.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The comments of the sheet are damaged (%1).</source>
        <translation>Les commentaires de la feuille sont endommagés (%1).</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The note drawing of the sheet is missing.</source>
        <translation>Le dessin des commentaires de la feuille manque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The note drawing of the sheet is damaged (%1).</source>
        <translation>Le dessin des commentaires de la feuille est endommagé (%1).</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The cell %1 already holds a comment.</source>
        <translation>La cellule %1 a déjà un commentaire.</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <location filename="../src/sync/CalDavDiscovery.cpp" line="+103"/>
        <source>Looking for calendars</source>
        <translation>Recherche des calendriers</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Looking for calendars at %1: %2</source>
        <translation>Recherche des calendriers sur %1 : %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 names no calendars for this user.</source>
        <translation>%1 n’indique aucun calendrier pour cet utilisateur.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Asking for the user&apos;s calendars</source>
        <translation>Demande des calendriers de l’utilisateur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 names no calendar home for this user.</source>
        <translation>%1 n’indique aucun dossier de calendriers pour cet utilisateur.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Listing the calendars</source>
        <translation>Liste des calendriers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing the calendars at %1: %2</source>
        <translation>Liste des calendriers sur %1 : %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Making the calendar &quot;%1&quot;</source>
        <translation>Création du calendrier « %1 »</translation>
    </message>
</context>
<context>
    <name>CalendarObject</name>
    <message>
        <location filename="../src/sync/CalendarObject.cpp" line="+125"/>
        <source>%1 (paid)</source>
        <translation>%1 (payée)</translation>
    </message>
</context>
<context>
    <name>ChangeProgressWindow</name>
    <message>
        <location filename="../src/ui/dialogs/ChangeProgressWindow.cpp" line="+18"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+55"/>
        <source>Show this help and exit</source>
        <translation>Afficher cette aide et quitter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The month of the dues</source>
        <translation>Le mois des échéances</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Which dues: all (the default), only the paid or the unpaid ones</source>
        <translation>Quelles échéances&#xa0;: all (par défaut), seulement les payées (paid) ou les impayées (unpaid)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The working directory; the dues are in &quot;%1&quot; inside it</source>
        <translation>Le dossier de travail&#xa0;; les échéances sont dans son dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+118"/>
        <location line="+64"/>
        <location line="+265"/>
        <source>bad month &quot;%1&quot;: expected YYYY-MM</source>
        <translation>mois invalide «&#xa0;%1&#xa0;»&#xa0;: AAAA-MM attendu</translation>
    </message>
    <message>
        <location line="-323"/>
        <location line="+86"/>
        <source>bad filter &quot;%1&quot;: expected all, paid or unpaid</source>
        <translation>filtre invalide «&#xa0;%1&#xa0;»&#xa0;: all, paid ou unpaid attendu</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>working directory not found: %1</source>
        <translation>dossier de travail introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>working directory not readable: %1</source>
        <translation>dossier de travail illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>skipped %1</source>
        <translation>%1 ignoré</translation>
    </message>
    <message>
        <location line="-213"/>
        <source>--month YYYY-MM is required (or --from and --to)</source>
        <translation>--month AAAA-MM est obligatoire (ou --from et --to)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--month cannot be combined with --from and --to</source>
        <translation>--month ne peut pas être combiné avec --from et --to</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--from YYYY-MM and --to YYYY-MM go together</source>
        <translation>--from AAAA-MM et --to AAAA-MM vont ensemble</translation>
    </message>
    <message>
        <location line="+259"/>
        <source>--to %1 is before --from %2</source>
        <translation>--to %1 est avant --from %2</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>unknown export format &quot;%1&quot;</source>
        <translation>format d&apos;export inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>could not write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no dues in %1: %2 lists none</source>
        <translation>aucune échéance en %1&#xa0;: %2 n&apos;en contient aucune</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The first month of a range, instead of --month</source>
        <translation>Le premier mois d&apos;une période, au lieu de --month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last month of the range</source>
        <translation>Le dernier mois de la période</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the notes out</source>
        <translation>Laisser les notes de côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file to write</source>
        <translation>Le fichier à écrire</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>export needs a format: %1</source>
        <translation>export a besoin d&apos;un format&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>FORMAT is one of: %1</source>
        <translation>FORMAT est l&apos;un de&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>could not note the deleted dues in %1: %2</source>
        <translation>impossible de noter les échéances supprimées dans %1 : %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 is required</source>
        <translation>%1 est obligatoire</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>could not create the data folder %1</source>
        <translation>impossible de créer le dossier de données %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 (see &quot;tallyvane conflicts&quot;)</source>
        <translation>%1 (voir « tallyvane conflicts »)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>removed a leftover file of an earlier save that was interrupted: %1</source>
        <translation>un reste d’un enregistrement interrompu a été supprimé&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>removed %n leftover files of an earlier save that was interrupted: %1</source>
        <translation>
            <numerusform>%n reste d’un enregistrement interrompu a été supprimé&#xa0;: %1</numerusform>
            <numerusform>%n restes d’un enregistrement interrompu ont été supprimés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Print the dues of one month, one tab-separated line each, then their sums</source>
        <translation>Afficher les échéances d&apos;un mois, une ligne séparée par des tabulations chacune, puis leurs sommes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the dues of one month or a range of months to a file, as the window&apos;s export does</source>
        <translation>Écrire les échéances d&apos;un mois ou d&apos;une période dans un fichier, comme le fait l&apos;export de la fenêtre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add the dues of a CSV file, each under a new record identifier</source>
        <translation>Ajouter les échéances d&apos;un fichier CSV, chacune sous un nouvel identifiant d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the sums of the dues of a range of months by month, payee, account, type or series</source>
        <translation>Afficher les sommes des échéances d&apos;une période de mois, par mois, bénéficiaire, compte, type ou série</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the unpaid dues that are late or fall due within N days, then their sums</source>
        <translation>Afficher les échéances impayées en retard ou à payer sous N jours, puis leurs sommes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add a due, or a series with --repeat; prints the identifier of every due it adds</source>
        <translation>Ajouter une échéance, ou une série avec --repeat&#xa0;; affiche l&apos;identifiant de chaque échéance ajoutée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mark dues paid (or unpaid with --unpaid)</source>
        <translation>Marquer des échéances comme payées (ou impayées avec --unpaid)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete a due, or its whole series with --series</source>
        <translation>Supprimer une échéance, ou toute sa série avec --series</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print the dues that more than one file holds, with every file&apos;s version</source>
        <translation>Afficher les échéances contenues dans plus d’un fichier, avec la version de chaque fichier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>End a conflict: keep one file&apos;s version as the due, or keep every version as a due</source>
        <translation>Terminer un conflit : garder la version d’un fichier comme échéance, ou garder chaque version comme échéance</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bring the dues and a CalDAV calendar in step, both ways</source>
        <translation>Synchroniser les échéances et un calendrier CalDAV dans les deux sens</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open the dues under DIR; the remembered working directory stays as it is</source>
        <translation>Ouvrir les échéances sous DIR&#xa0;; le dossier de travail mémorisé reste tel quel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start in the notification area, without the window (as at login)</source>
        <translation>Démarrer dans la zone de notification, sans la fenêtre (comme à la connexion)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>option %1 given twice</source>
        <translation>option %1 donnée deux fois</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown option: %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 a besoin d&apos;une valeur</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>the command %1 comes first, before any option</source>
        <translation>la commande %1 vient en premier, avant toute option</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+34"/>
        <source>unknown command: %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Keeps track of bills and other payments that fall due.</source>
        <translation>Garde un œil sur les factures et autres paiements à échéance.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Without a command it opens its window:</source>
        <translation>Sans commande, il ouvre sa fenêtre&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Commands, which need no window:</source>
        <translation>Commandes, qui n&apos;ont pas besoin de fenêtre&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&quot;tallyvane COMMAND --help&quot; describes the command&apos;s options.</source>
        <translation>«&#xa0;tallyvane COMMANDE --help&#xa0;» décrit les options de la commande.</translation>
    </message>
    <message>
        <location filename="../src/app/OfficeMain.cpp" line="+23"/>
        <location filename="../src/app/SyncMain.cpp" line="+24"/>
        <source>%1 does not run here</source>
        <translation>%1 ne fonctionne pas ici</translation>
    </message>
</context>
<context>
    <name>ConflictCommandsText</name>
    <message>
        <location filename="../src/app/ConflictCommands.cpp" line="+31"/>
        <source>The working directory that holds the dues</source>
        <translation>Le répertoire de travail qui contient les échéances</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a file of the data folder %2</source>
        <translation>%1 n’est pas un fichier du dossier de données %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file whose version becomes the due, or both to keep every version as a due</source>
        <translation>Le fichier dont la version devient l’échéance, ou both pour garder chaque version comme échéance</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>resolve needs exactly one identifier</source>
        <translation>resolve attend exactement un identifiant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One line per file, tab-separated: identifier, file, when the file was changed, then the due as list prints it. The file listed as the due comes first.</source>
        <translation>Une ligne par fichier, séparée par des tabulations : identifiant, fichier, date de modification du fichier, puis l’échéance telle que list l’affiche. Le fichier affiché comme échéance vient en premier.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--keep FILE writes that version to the due&apos;s own file and removes the others; --keep both keeps every other version as a due of its own under a new identifier (a member of a series in a series of its own) and removes its file.</source>
        <translation>--keep FILE écrit cette version dans le fichier propre de l’échéance et supprime les autres ; --keep both garde chaque autre version comme échéance à part sous un nouvel identifiant (un membre d’une série dans une série à part) et supprime son fichier.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>no due with the identifier %1</source>
        <translation>aucune échéance avec l’identifiant %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is held by one file only: nothing to resolve</source>
        <translation>%1 n’est contenue que dans un fichier : rien à résoudre</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a version of %2; its files are: %3</source>
        <translation>%1 n’est pas une version de %2 ; ses fichiers sont : %3</translation>
    </message>
</context>
<context>
    <name>DataCommandsText</name>
    <message>
        <location filename="../src/app/DataCommands.cpp" line="+28"/>
        <source>import needs a format: csv</source>
        <translation>import a besoin d&apos;un format&#xa0;: csv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import csv needs the FILE to read</source>
        <translation>import csv a besoin du FICHIER à lire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import takes one file, not &quot;%1&quot; as well</source>
        <translation>import prend un seul fichier, pas aussi «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not UTF-8: taken as Windows-1252 text</source>
        <translation>pas en UTF-8&#xa0;: lu comme texte Windows-1252</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>rejected: %1</source>
        <translation>rejeté&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>imported %n due(s)</source>
        <translation>
            <numerusform>%n échéance importée</numerusform>
            <numerusform>%n échéances importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>rejected %n line(s)</source>
        <translation>
            <numerusform>%n ligne rejetée</numerusform>
            <numerusform>%n lignes rejetées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../src/model/store/DataFolder.cpp" line="+157"/>
        <source>data folder %1 cannot be used: %2</source>
        <translation>le dossier de données %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data folder %1 is not a folder</source>
        <translation>le dossier de données %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data folder %1 cannot be read: %2</source>
        <translation>le dossier de données %1 est illisible&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../src/sync/DavClient.cpp" line="+71"/>
        <source>%1: stopped.</source>
        <translation>%1 : arrêté.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the certificate of %2 is not trusted: %3</source>
        <translation>%1 : le certificat de %2 n’est pas fiable : %3</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1: %2 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1 : %2 n’a pas répondu en %n seconde.</numerusform>
            <numerusform>%1 : %2 n’a pas répondu en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 cannot be reached: %3</source>
        <translation>%1 : %2 est injoignable : %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the server refused the user name or password (%2).</source>
        <translation>%1 : le serveur a refusé le nom d’utilisateur ou le mot de passe (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the server does not allow it (%2).</source>
        <translation>%1 : le serveur ne le permet pas (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: there is nothing at %2 (%3).</source>
        <translation>%1 : il n’y a rien à %2 (%3).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: it was changed on the server meanwhile (%2).</source>
        <translation>%1 : cela a été modifié sur le serveur entre-temps (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the server refused it (%2).</source>
        <translation>%1 : le serveur l’a refusé (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: the server failed (%2).</source>
        <translation>%1 : le serveur a échoué (%2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It said: %1</source>
        <translation>Il a répondu : %1</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/sync/DavXml.cpp" line="+170"/>
        <source>not a multi-status answer</source>
        <translation>pas une réponse multi-statut</translation>
    </message>
</context>
<context>
    <name>DeletionMemory</name>
    <message>
        <location filename="../src/model/services/DeletionMemory.cpp" line="+69"/>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is not a list of deleted dues</source>
        <translation>le fichier n’est pas une liste d’échéances supprimées</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n’a pas pu être créé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>another program holds %1</source>
        <translation>un autre programme tient %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <location filename="../src/platform/DesktopNotifier.cpp" line="+33"/>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
</context>
<context>
    <name>DueCsv</name>
    <message>
        <location filename="../src/export/CsvRecordReader.cpp" line="+104"/>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>un champ entre guillemets n&apos;est pas fermé avant la fin du fichier</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message numerus="yes">
        <location line="-43"/>
        <source>line %1: a record runs past %n character(s); a quote is probably not closed</source>
        <translation>
            <numerusform>ligne %1 : un enregistrement dépasse %n caractère ; un guillemet n’est probablement pas fermé</numerusform>
            <numerusform>ligne %1 : un enregistrement dépasse %n caractères ; un guillemet n’est probablement pas fermé</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64"/>
        <source>a quote inside a field that does not start with one</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <location filename="../src/export/DueCsv.cpp" line="+382"/>
        <source>Could not write the CSV file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier CSV %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-348"/>
        <source>Record ID</source>
        <translation>Identifiant d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due Date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Series ID</source>
        <translation>Identifiant de série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Impayé</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file starts as UTF-16 text but is not</source>
        <translation>le fichier commence comme un texte UTF-16 mais n&apos;en est pas un</translation>
    </message>
    <message>
        <location line="+430"/>
        <source>the file changed since it was read; read it again</source>
        <translation>le fichier a changé depuis sa lecture ; relisez-le</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>the file starts as UTF-8 text but is not</source>
        <translation>le fichier commence comme un texte UTF-8 mais n&apos;en est pas un</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>the file is empty: a header row is needed</source>
        <translation>le fichier est vide&#xa0;: une ligne d&apos;en-tête est nécessaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the header row cannot be read: %1</source>
        <translation>la ligne d&apos;en-tête est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the header names the column &quot;%1&quot; twice</source>
        <translation>l&apos;en-tête nomme deux fois la colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+48"/>
        <source>the header (split at each %1) lacks the column(s) %2</source>
        <translation>
            <numerusform>il manque à l’en-tête (découpé à chaque %1) la colonne %2</numerusform>
            <numerusform>il manque à l’en-tête (découpé à chaque %1) les colonnes %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the due date &quot;%1&quot; is not a date such as %2 or 2025-12-31, with or without a time</source>
        <translation>la date d&apos;échéance «&#xa0;%1&#xa0;» n&apos;est pas une date comme %2 ou 2025-12-31, avec ou sans heure</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the start date &quot;%1&quot; is not a date such as %2 or 2025-12-31, with or without a time</source>
        <translation>la date de début «&#xa0;%1&#xa0;» n&apos;est pas une date comme %2 ou 2025-12-31, avec ou sans heure</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the amount &quot;%1&quot; is not an amount such as %2, -12 or $1,234.50</source>
        <translation>le montant «&#xa0;%1&#xa0;» n&apos;est pas un montant comme %2, -12 ou 1 234,50 €</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1 fields where the header has %2</source>
        <translation>%1 champs là où l&apos;en-tête en a %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the due date is before the start date</source>
        <translation>la date d&apos;échéance est antérieure à la date de début</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the type &quot;%1&quot; is neither Business nor Personal</source>
        <translation>le type «&#xa0;%1&#xa0;» n&apos;est ni Business ni Personal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the paid state &quot;%1&quot; is neither Paid nor Unpaid</source>
        <translation>l&apos;état de paiement «&#xa0;%1&#xa0;» n&apos;est ni Paid ni Unpaid</translation>
    </message>
</context>
<context>
    <name>DueEditFlows</name>
    <message>
        <location filename="../src/ui/editor/DueEditFlows.cpp" line="+52"/>
        <source>Writing the %1 dues of the series...</source>
        <translation>Écriture des %1 échéances de la série…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The series could not be written, so none of its dues were kept:</source>
        <translation>La série n&apos;a pas pu être écrite&#xa0;; aucune de ses échéances n&apos;a donc été conservée&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Writing the series was cancelled, so none of its dues were kept.</source>
        <translation>L&apos;écriture de la série a été annulée&#xa0;; aucune de ses échéances n&apos;a donc été conservée.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Changing the %1 dues of the series...</source>
        <translation>Modification des %1 échéances de la série…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The %1 dues of the series could not be changed, so all of them are as they were:</source>
        <translation>Les %1 échéances de la série n’ont pas pu être modifiées ; toutes sont restées telles quelles :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The change was stopped: %1 of the %2 dues of the series were changed; the others are as they were.</source>
        <translation>La modification a été interrompue&#xa0;: %1 des %2 échéances de la série ont été modifiées&#xa0;; les autres sont restées telles quelles.</translation>
    </message>
</context>
<context>
    <name>DueEditRules</name>
    <message>
        <location filename="../src/ui/editor/DueEditRules.cpp" line="+97"/>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Please enter an amount from 0 to 1000000000000000000.</source>
        <translation>Veuillez saisir un montant de 0 à 1000000000000000000.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Please enter a whole number of days.</source>
        <translation>Veuillez saisir un nombre entier de jours.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter a number of days from 0 to %1.</source>
        <translation>Veuillez saisir un nombre de jours de 0 à %1.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>DueFile</name>
    <message>
        <location filename="../src/model/store/DueFile.cpp" line="+91"/>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>a text has two UTF-16 markers</source>
        <translation>un texte a deux marqueurs UTF-16</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>a text length runs past the end of the file</source>
        <translation>une longueur de texte dépasse la fin du fichier</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>a UTF-16 text is not valid</source>
        <translation>un texte UTF-16 n&apos;est pas valide</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>the %1 is not a valid date</source>
        <translation>%1 n&apos;est pas une date valide</translation>
    </message>
    <message>
        <location line="+100"/>
        <location line="+26"/>
        <source>start date</source>
        <translation>la date de début</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <source>due date</source>
        <translation>la date d&apos;échéance</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+28"/>
        <source>the amount is not a number</source>
        <translation>le montant n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the %1 field is too long: a due holds at most %2 in all</source>
        <translation>le champ %1 est trop long : une échéance contient au plus %2 en tout</translation>
    </message>
</context>
<context>
    <name>DueFolderReader</name>
    <message>
        <location filename="../src/model/store/DueFolderReader.cpp" line="+74"/>
        <source>a link to a file outside the data folder, not read</source>
        <translation>un lien vers un fichier hors du dossier de données, non lu</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+39"/>
        <source>the file is too large to be a due</source>
        <translation>le fichier est trop gros pour être une échéance</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file holds only zero bytes (a write to it was cut off)</source>
        <translation>le fichier ne contient que des octets nuls (une écriture a été interrompue)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the record identifier &quot;%1&quot; is not usable</source>
        <translation>l&apos;identifiant d&apos;enregistrement «&#xa0;%1&#xa0;» est inutilisable</translation>
    </message>
</context>
<context>
    <name>DueIcons</name>
    <message>
        <location filename="../src/ui/print/DueIcons.cpp" line="+105"/>
        <source>Print Dues</source>
        <translation>Imprimer les échéances</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the months and the dues for the page</source>
        <translation>Choisissez les mois et les échéances de la page</translation>
    </message>
</context>
<context>
    <name>DueRowLook</name>
    <message>
        <location filename="../src/ui/list/DueRowLook.cpp" line="+74"/>
        <source>paid</source>
        <translation>payée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>overdue</source>
        <translation>en retard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>due today</source>
        <translation>échue aujourd’hui</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unpaid</source>
        <translation>impayée</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, %2, due %3, %4, part of a series</source>
        <translation>%1, %2, échéance le %3, %4, fait partie d’une série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2, due %3, %4</source>
        <translation>%1, %2, échéance le %3, %4</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <location filename="../src/ui/export/ExportCommands.cpp" line="+43"/>
        <source>Export to PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The PDF file was saved as %1, but no program could open it.</source>
        <translation>Le fichier PDF a été enregistré sous %1, mais aucun programme n&apos;a pu l&apos;ouvrir.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export to iCalendar</source>
        <translation>Exporter en iCalendar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <location filename="../src/model/store/ExportFile.cpp" line="+27"/>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>this is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <location filename="../src/model/store/FolderLock.cpp" line="+44"/>
        <location line="+25"/>
        <source>The data folder %1 cannot be locked for writing: %2</source>
        <translation>Le dossier de données %1 ne peut pas être verrouillé pour l’écriture : %2</translation>
    </message>
    <message numerus="yes">
        <location line="-4"/>
        <source>The data folder %1 is being written by another program for longer than %n second(s). Try again when it has finished.</source>
        <translation>
            <numerusform>Un autre programme écrit dans le dossier de données %1 depuis plus de %n seconde. Réessayez quand il aura terminé.</numerusform>
            <numerusform>Un autre programme écrit dans le dossier de données %1 depuis plus de %n secondes. Réessayez quand il aura terminé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GuiStartup</name>
    <message>
        <location filename="../src/app/GuiStartup.cpp" line="+132"/>
        <source>unknown argument: %1</source>
        <translation>argument inconnu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working directory not found: %1</source>
        <translation>dossier de travail introuvable&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <location filename="../src/app/HelperProgram.cpp" line="+56"/>
        <source>the program %1 is not installed with %2</source>
        <translation>le programme %1 n&apos;est pas installé avec %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot start %1: %2</source>
        <translation>impossible de lancer %1&#xa0;: %2</translation>
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
        <translation>Exporter en HTML</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>HTML Files (*.html)</source>
        <translation>Fichiers HTML (*.html)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The dues were exported to %1, but no program could open the file.</source>
        <translation>Les échéances ont été exportées dans %1, mais aucun programme n&apos;a pu ouvrir le fichier.</translation>
    </message>
</context>
<context>
    <name>IcsExport</name>
    <message>
        <location filename="../src/export/IcsExport.cpp" line="+76"/>
        <source>Pay To: %1</source>
        <translation>Bénéficiaire&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Account: %1</source>
        <translation>Compte&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type: %1</source>
        <translation>Type&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1 - %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Could not write the calendar file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de calendrier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LoginAutostart</name>
    <message>
        <location filename="../src/platform/LoginAutostart.cpp" line="+84"/>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
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
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Due Notes</source>
        <translation>Saisissez les notes de l&apos;échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business</source>
        <translation>Professionnelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personal</source>
        <translation>Personnelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure want to delete this record?</source>
        <translation>Voulez-vous vraiment supprimer cet enregistrement&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is a recursive due. Select &quot;Yes&quot; to delete the whole series or &quot;No&quot; to delete this record alone.</source>
        <translation>Cette échéance est récurrente. Choisissez «&#xa0;Oui&#xa0;» pour supprimer toute la série ou «&#xa0;Non&#xa0;» pour supprimer seulement cet enregistrement.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The directory you have selected does not exists or it is a write protected medium.</source>
        <translation>Le dossier choisi n&apos;existe pas ou se trouve sur un support protégé en écriture.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The working directory is moved or deleted. Please set the working directory to continue.</source>
        <translation>Le dossier de travail a été déplacé ou supprimé. Veuillez choisir le dossier de travail pour continuer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please set the Recurrence Pattern.</source>
        <translation>Veuillez définir la périodicité.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is a recursive due. Select &quot;Yes&quot; to modify the whole series or &quot;No&quot; to modify this record individually.</source>
        <translation>Cette échéance est récurrente. Choisissez «&#xa0;Oui&#xa0;» pour modifier toute la série ou «&#xa0;Non&#xa0;» pour modifier seulement cet enregistrement.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paid : </source>
        <translation>Payé&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid : </source>
        <translation>Impayé&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total : </source>
        <translation>Total&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There was a problem exporting the document to MS Excel
Please contact support for further queries.</source>
        <translation>Un problème est survenu lors de l&apos;export du document vers MS Excel.
Veuillez contacter le support pour toute question.</translation>
    </message>
</context>
<context>
    <name>OoxmlPackage</name>
    <message>
        <location filename="../src/platform/OoxmlPackage.cpp" line="+66"/>
        <source>The file is too large to be an office package.</source>
        <translation>Le fichier est trop gros pour être un paquet bureautique.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not an office package (%1).</source>
        <translation>Ce n&apos;est pas un paquet bureautique (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The package holds too many parts.</source>
        <translation>Le paquet contient trop de parties.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The package holds a part with an unusable name.</source>
        <translation>Le paquet contient une partie au nom inutilisable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The package holds the part %1 twice.</source>
        <translation>Le paquet contient deux fois la partie %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The part %1 is too large.</source>
        <translation>La partie %1 est trop grosse.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The part %1 cannot be read (%2).</source>
        <translation>La partie %1 est illisible (%2).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The part %1 is damaged.</source>
        <translation>La partie %1 est endommagée.</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+5"/>
        <source>The package could not be assembled.</source>
        <translation>Le paquet n&apos;a pas pu être assemblé.</translation>
    </message>
</context>
<context>
    <name>OoxmlXml</name>
    <message>
        <location filename="../src/platform/OoxmlXml.cpp" line="+25"/>
        <source>%1 at offset %2</source>
        <translation>%1 à la position %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no root element</source>
        <translation>pas d&apos;élément racine</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>not a relationships part</source>
        <translation>ce n&apos;est pas une partie de relations</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>not a content types part</source>
        <translation>ce n&apos;est pas une partie de types de contenu</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../src/model/store/OutputPath.cpp" line="+58"/>
        <source>no output file is given</source>
        <translation>aucun fichier de sortie n&apos;est indiqué</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is in the data folder %2; an export never writes there</source>
        <translation>%1 est dans le dossier de données %2&#xa0;; un export n&apos;y écrit jamais</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is another name of a file in the data folder %2; an export never writes there</source>
        <translation>%1 est un autre nom d&apos;un fichier du dossier de données %2&#xa0;; un export n&apos;y écrit jamais</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/export/PrintPage.cpp" line="+30"/>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unpaid</source>
        <translation>Impayée</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Due Date Details</source>
        <translation>Détail des échéances</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/Prompt.cpp" line="+47"/>
        <source>%n item(s) in all; see the details.</source>
        <translation>
            <numerusform>%n élément en tout&#xa0;; voir les détails.</numerusform>
            <numerusform>%n éléments en tout&#xa0;; voir les détails.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurrencePattern</name>
    <message>
        <location filename="../src/recurrence/RecurrencePattern.cpp" line="+19"/>
        <source>Please enter valid recurrence day</source>
        <translation>Veuillez saisir un jour de récurrence valide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid recurrence week</source>
        <translation>Veuillez saisir une semaine de récurrence valide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid recurrence month</source>
        <translation>Veuillez saisir un mois de récurrence valide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Atleast one day should be selected!</source>
        <translation>Au moins un jour doit être sélectionné&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter valid number of recurrences</source>
        <translation>Veuillez saisir un nombre de répétitions valide</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Month %1 does not have date %2</source>
        <translation>Le mois de %1 n&apos;a pas de jour %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Day</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Week</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep it on that day</source>
        <translation>La laisser ce jour-là</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move it to the Friday before</source>
        <translation>La mettre au vendredi précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move it to the Monday after</source>
        <translation>La mettre au lundi suivant</translation>
    </message>
</context>
<context>
    <name>ReminderCenter</name>
    <message>
        <location filename="../src/ui/reminders/ReminderCenter.cpp" line="+68"/>
        <source>Overdue: %1</source>
        <translation>En retard&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Due soon: %1</source>
        <translation>Bientôt à payer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 due on %2</source>
        <translation>%1 à payer le %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 due is overdue</source>
        <translation>1 échéance est en retard</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n dues are overdue</source>
        <translation>
            <numerusform>%n échéance est en retard</numerusform>
            <numerusform>%n échéances sont en retard</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 due falls due within %1</source>
        <translation>1 échéance arrive dans %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n dues fall due within %1</source>
        <translation>
            <numerusform>%n échéance arrive dans %1</numerusform>
            <numerusform>%n échéances arrivent dans %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 falls due within %1</source>
        <translation>1 arrive dans %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n fall due within %1</source>
        <translation>
            <numerusform>%n arrive dans %1</numerusform>
            <numerusform>%n arrivent dans %1</numerusform>
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
        <translation>Marquer comme payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n de plus</numerusform>
            <numerusform>%1 et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Coming Up</source>
        <translation>Ouvrir À venir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>ReminderMemory</name>
    <message>
        <location filename="../src/model/services/Reminders.cpp" line="+95"/>
        <source>the file is too large</source>
        <translation>le fichier est trop gros</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is not a list of reminders</source>
        <translation>le fichier n’est pas une liste de rappels</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n’a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>ReportBars</name>
    <message numerus="yes">
        <location filename="../src/ui/reports/ReportBars.cpp" line="+76"/>
        <source>Other (%n)</source>
        <translation>
            <numerusform>Autre (%n)</numerusform>
            <numerusform>Autres (%n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>(no pay to)</source>
        <translation>(sans bénéficiaire)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(no account)</source>
        <translation>(sans compte)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(untitled series)</source>
        <translation>(série sans titre)</translation>
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
        <translation>%1 %2 → %3 depuis %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 a month, %3 a year</source>
        <translation>%1&#xa0;: %2 par mois, %3 par an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: paid %2, unpaid %3</source>
        <translation>%1&#xa0;: payé %2, impayé %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, of which overdue %1</source>
        <translation>, dont %1 en retard</translation>
    </message>
</context>
<context>
    <name>ReportCommandText</name>
    <message>
        <location filename="../src/app/ReportCommand.cpp" line="+112"/>
        <source>(no series)</source>
        <translation>(aucune série)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The working directory that holds the dues</source>
        <translation>Le dossier de travail qui contient les échéances</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first month</source>
        <translation>Le premier mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last month, included</source>
        <translation>Le dernier mois, inclus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the dues are summed by</source>
        <translation>Ce selon quoi les échéances sont additionnées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>text (the default), json or csv</source>
        <translation>text (par défaut), json ou csv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A due counts in the month of its due date. By series, each series also shows what it costs a
month and a year and its latest change of amount; the dues of no series are a group of their own.</source>
        <translation>Une échéance compte dans le mois de sa date d&apos;échéance. Par série, chaque série indique aussi ce qu&apos;elle coûte
par mois et par an, et son dernier changement de montant&#xa0;; les échéances sans série forment un groupe à part.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Dues</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unpaid</source>
        <translation>Impayé</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+23"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>A month</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A year</source>
        <translation>Par an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latest change</source>
        <translation>Dernier changement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Series ID</source>
        <translation>Identifiant de série</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 from %2, before %3</source>
        <translation>%1 depuis le %2, avant %3</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>bad grouping &quot;%1&quot;: expected month, payee, account, type or series</source>
        <translation>regroupement invalide «&#xa0;%1&#xa0;»&#xa0;: month, payee, account, type ou series attendu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>bad format &quot;%1&quot;: expected text, json or csv</source>
        <translation>format invalide «&#xa0;%1&#xa0;»&#xa0;: text, json ou csv attendu</translation>
    </message>
</context>
<context>
    <name>ReportFileSave</name>
    <message>
        <location filename="../src/ui/reports/ReportFileSave.cpp" line="+55"/>
        <source>nothing could be drawn</source>
        <translation>rien n’a pu être dessiné</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the file %1: %2</source>
        <translation>Impossible d’écrire le fichier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReportPrintout</name>
    <message>
        <location filename="../src/ui/reports/ReportPrintout.cpp" line="+113"/>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
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
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay To</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dues</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unpaid</source>
        <translation>Impayé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per Month</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per Year</source>
        <translation>Par an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/model/store/SaveFile.cpp" line="+524"/>
        <source>another program kept the folder locked for writing too long</source>
        <translation>un autre programme a gardé le dossier verrouillé trop longtemps</translation>
    </message>
    <message>
        <location line="+158"/>
        <location line="+99"/>
        <source>%1: a change that was interrupted could not be finished: %2</source>
        <translation>%1 : une modification interrompue n’a pas pu être menée à son terme : %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1: a leftover of an interrupted save that could not be removed: %2</source>
        <translation>%1 : un reste d’un enregistrement interrompu qui n’a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 could not be synced: %2</source>
        <translation>%1 n’a pas pu être écrit sur le disque : %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+40"/>
        <source>an earlier file of the same change could not be written</source>
        <translation>un fichier précédent de la même modification n’a pas pu être écrit</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>another file took the name meanwhile</source>
        <translation>un autre fichier a pris ce nom entre-temps</translation>
    </message>
</context>
<context>
    <name>SyncCenter</name>
    <message>
        <location filename="../src/ui/sync/SyncCenter.cpp" line="+22"/>
        <source>Calendar sync</source>
        <translation>Synchronisation du calendrier</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Calendar: no password</source>
        <translation>Calendrier : pas de mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The password for %1 could not be read from the keyring: %2. Set it in Preferences &gt; Calendar Sync.</source>
        <translation>Le mot de passe de %1 n’a pas pu être lu dans le trousseau : %2. Indiquez-le dans Préférences &gt; Synchronisation du calendrier.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar sync has no password for %1: %2. Set it in Preferences &gt; Calendar Sync.</source>
        <translation>La synchronisation du calendrier n’a pas de mot de passe pour %1 : %2. Indiquez-le dans Préférences &gt; Synchronisation du calendrier.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Calendar: syncing...</source>
        <translation>Calendrier : synchronisation…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sending the dues to the calendar %1...</source>
        <translation>Envoi des échéances au calendrier %1…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Calendar: syncing %1 of %2...</source>
        <translation>Calendrier : synchronisation %1 sur %2…</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n due(s) were deleted on the calendar server; they stay here:</source>
        <translation>
            <numerusform>%n échéance a été supprimée sur le serveur de calendrier ; elle reste ici :</numerusform>
            <numerusform>%n échéances ont été supprimées sur le serveur de calendrier ; elles restent ici :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Calendar: %n change(s) wait</source>
        <translation>
            <numerusform>Calendrier : %n modification en attente</numerusform>
            <numerusform>Calendrier : %n modifications en attente</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar: in step at %1</source>
        <translation>Calendrier : synchronisé à %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Calendar: %n conflict(s)</source>
        <translation>
            <numerusform>Calendrier : %n conflit</numerusform>
            <numerusform>Calendrier : %n conflits</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changed here and on the server: click to choose what to keep.</source>
        <translation>Modifié ici et sur le serveur : cliquez pour choisir ce qui reste.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Calendar: offline, %n change(s) wait</source>
        <translation>
            <numerusform>Calendrier : hors ligne, %n modification en attente</numerusform>
            <numerusform>Calendrier : hors ligne, %n modifications en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Calendar: stopped, %n change(s) wait</source>
        <translation>
            <numerusform>Calendrier : arrêté, %n modification en attente</numerusform>
            <numerusform>Calendrier : arrêté, %n modifications en attente</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calendar: not in step</source>
        <translation>Calendrier : non synchronisé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The calendar sync with %1 failed. %2 Nothing was lost; it is tried again.</source>
        <translation>La synchronisation du calendrier avec %1 a échoué. %2 Rien n’a été perdu ; elle sera réessayée.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Calendar sync: %1</source>
        <translation>Synchronisation du calendrier : %1</translation>
    </message>
</context>
<context>
    <name>SyncCommandText</name>
    <message>
        <location filename="../src/app/SyncCommand.cpp" line="+19"/>
        <source>The working directory that holds the dues</source>
        <translation>Le répertoire de travail qui contient les échéances</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The CalDAV server or calendar, instead of the folder&apos;s account</source>
        <translation>Le serveur ou calendrier CalDAV, au lieu du compte du dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The user name on that server</source>
        <translation>Le nom d’utilisateur sur ce serveur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --caldav: events instead of tasks</source>
        <translation>Avec --caldav : des événements au lieu de tâches</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settle every conflict with this computer&apos;s or the server&apos;s version</source>
        <translation>Régler chaque conflit avec la version de cet ordinateur ou celle du serveur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Without --caldav the account set in the window (Preferences &gt; Calendar Sync) is used. With --caldav and --user the password is taken from %1, or from the keyring when that is not set; a server&apos;s address leads to its calendar &quot;Tallyvane&quot;, which is made when missing. Exit status: 0 in step, 1 conflicts left, 2 errors.</source>
        <translation>Sans --caldav, le compte réglé dans la fenêtre (Préférences &gt; Synchronisation du calendrier) est utilisé. Avec --caldav et --user, le mot de passe est pris dans %1, ou dans le trousseau si elle n’est pas définie ; l’adresse d’un serveur mène à son calendrier « Tallyvane », créé s’il manque. Code de sortie : 0 synchronisé, 1 conflits restants, 2 erreurs.</translation>
    </message>
    <message>
        <location filename="../src/app/SyncRun.cpp" line="+78"/>
        <source>no password for %1: set %2 or keep it in the keyring (%3)</source>
        <translation>pas de mot de passe pour %1 : définissez %2 ou conservez-le dans le trousseau (%3)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--caldav URL and --user NAME go together</source>
        <translation>--caldav URL et --user NOM vont ensemble</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--events goes with --caldav; the folder&apos;s account says what it syncs</source>
        <translation>--events va avec --caldav ; le compte du dossier dit ce qu’il synchronise</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>bad value for --prefer &quot;%1&quot;: expected here or server</source>
        <translation>valeur incorrecte pour --prefer « %1 » : here ou server attendu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad address for --caldav &quot;%1&quot;</source>
        <translation>adresse incorrecte pour --caldav « %1 »</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>no calendar account for %1: set one in Preferences &gt; Calendar Sync, or give --caldav URL and --user NAME</source>
        <translation>pas de compte de calendrier pour %1 : réglez-en un dans Préférences &gt; Synchronisation du calendrier, ou donnez --caldav URL et --user NOM</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&quot;%1&quot; was deleted on the server; it stays here.</source>
        <translation>« %1 » a été supprimée sur le serveur ; elle reste ici.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sent: %1, deleted on the server: %2, changed here: %3</source>
        <translation>Envoyées : %1, supprimées sur le serveur : %2, modifiées ici : %3</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n change(s) wait for the next sync.</source>
        <translation>
            <numerusform>%n modification attend la prochaine synchronisation.</numerusform>
            <numerusform>%n modifications attendent la prochaine synchronisation.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>conflict: %1</source>
        <translation>conflit : %1</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 (%n change(s) here wait to be sent)</source>
        <translation>
            <numerusform>%1 (%n modification d’ici attend d’être envoyée)</numerusform>
            <numerusform>%1 (%n modifications d’ici attendent d’être envoyées)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../src/sync/SyncEngine.cpp" line="+55"/>
        <source>no due date</source>
        <translation>pas de date d’échéance</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>due %1</source>
        <translation>échéance %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paid, due %1</source>
        <translation>payée, échéance %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unpaid, due %1</source>
        <translation>impayée, échéance %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot;: deleted here; on the server %3</source>
        <translation>%1 « %2 » : supprimée ici ; sur le serveur %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 &quot;%2&quot;: here %3; on the server %4</source>
        <translation>%1 « %2 » : ici %3 ; sur le serveur %4</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>Reading the changes of the calendar: %1</source>
        <translation>Lecture des modifications du calendrier : %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Asking the calendar for its changes</source>
        <translation>Demande de ses modifications au calendrier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Listing the calendar</source>
        <translation>Liste du calendrier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Listing the calendar: %1</source>
        <translation>Liste du calendrier : %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Reading the calendar&apos;s tasks</source>
        <translation>Lecture des tâches du calendrier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the calendar&apos;s tasks: %1</source>
        <translation>Lecture des tâches du calendrier : %1</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1 holds no dues, but %2 were in step with the calendar: nothing was deleted on the server. Delete them there if that is meant.</source>
        <translation>%1 ne contient aucune échéance, mais %2 étaient synchronisées avec le calendrier : rien n’a été supprimé sur le serveur. Supprimez-les là-bas si c’est voulu.</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Could not write &quot;%1&quot;.</source>
        <translation>Impossible d’écrire « %1 ».</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Deleting &quot;%1&quot; on the server</source>
        <translation>Suppression de « %1 » sur le serveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sending &quot;%1&quot;</source>
        <translation>Envoi de « %1 »</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Reading &quot;%1&quot; from the server</source>
        <translation>Lecture de « %1 » sur le serveur</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Could not keep the state of the calendar sync in %1: %2</source>
        <translation>Impossible de conserver l’état de la synchronisation du calendrier dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>SyncPassword</name>
    <message>
        <location filename="../src/sync/SyncPassword.cpp" line="+34"/>
        <location line="+25"/>
        <source>the keyring holds no password for it</source>
        <translation>le trousseau ne contient pas de mot de passe pour lui</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>the keyring refused it (%1)</source>
        <translation>le trousseau l’a refusé (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no keyring of the desktop answered (%1)</source>
        <translation>aucun trousseau du bureau n’a répondu (%1)</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../src/sync/SyncState.cpp" line="+90"/>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the file is not the state of a calendar sync</source>
        <translation>le fichier n’est pas l’état d’une synchronisation de calendrier</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>TemporaryDocument</name>
    <message>
        <location filename="../src/platform/TemporaryDocument.cpp" line="+55"/>
        <source>No program could open %1.</source>
        <translation>Aucun programme n&apos;a pu ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <location filename="../src/model/services/UndoStack.cpp" line="+91"/>
        <source>Cannot undo %1</source>
        <translation>Impossible d’annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cannot redo %1</source>
        <translation>Impossible de rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1&#xa0;: %2 est illisible&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 was changed on disk since.</source>
        <translation>%1&#xa0;: %2 a été modifié sur le disque depuis.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+9"/>
        <source>%1: %2 could not be written: %3.</source>
        <translation>%1&#xa0;: %2 n&apos;a pas pu être écrit&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2 could not be read back.</source>
        <translation>%1&#xa0;: %2 n&apos;a pas pu être relu.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 could not be removed: %3.</source>
        <translation>%1&#xa0;: %2 n&apos;a pas pu être supprimé&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>WriteCommandsText</name>
    <message>
        <location filename="../src/app/WriteCommands.cpp" line="+81"/>
        <source>The working directory that holds the dues</source>
        <translation>Le dossier de travail qui contient les échéances</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>no due with the identifier %1</source>
        <translation>aucune échéance avec l&apos;identifiant %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--repeat must be daily, weekly, monthly or yearly</source>
        <translation>--repeat doit valoir daily, weekly, monthly ou yearly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--every N needs a whole number from 1 to 9999</source>
        <translation>--every N demande un nombre entier de 1 à 9999</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a yearly due repeats every year: --every must be 1</source>
        <translation>une échéance annuelle revient chaque année&#xa0;: --every doit valoir 1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a repeating due needs either --count N or --until YYYY-MM-DD</source>
        <translation>une échéance récurrente demande --count N ou --until AAAA-MM-JJ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--weekdays goes with --repeat weekly only</source>
        <translation>--weekdays ne va qu’avec --repeat weekly</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>bad weekday &quot;%1&quot;: expected mon, tue, wed, thu, fri, sat or sun</source>
        <translation>jour de la semaine invalide «&#xa0;%1&#xa0;»&#xa0;: mon, tue, wed, thu, fri, sat ou sun attendu</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--count N needs a whole number from 1 to %1</source>
        <translation>--count N demande un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad date for --until &quot;%1&quot;: expected YYYY-MM-DD</source>
        <translation>date invalide pour --until «&#xa0;%1&#xa0;»&#xa0;: AAAA-MM-JJ attendu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--until lies before the first due date</source>
        <translation>--until est avant la première date d&apos;échéance</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>text (the default) or json</source>
        <translation>text (par défaut) ou json</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>bad format &quot;%1&quot;: expected text or json</source>
        <translation>format invalide «&#xa0;%1&#xa0;»&#xa0;: text ou json attendu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>When it falls due</source>
        <translation>Quand elle arrive à échéance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its start date (the due date when not given)</source>
        <translation>Sa date de début (la date d&apos;échéance si elle n&apos;est pas donnée)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whom it is paid to</source>
        <translation>À qui elle est payée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The account</source>
        <translation>Le compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The amount, with &quot;.&quot; for decimals</source>
        <translation>Le montant, avec «&#xa0;.&#xa0;» pour les décimales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The type</source>
        <translation>Le type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Already paid (the first of a series)</source>
        <translation>Déjà payée (la première d&apos;une série)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make a series that repeats</source>
        <translation>Créer une série qui se répète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every N days, weeks or months</source>
        <translation>Tous les N jours, semaines ou mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How many dues the series has</source>
        <translation>Combien d&apos;échéances compte la série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Or the last day of the series</source>
        <translation>Ou le dernier jour de la série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The days of a weekly series</source>
        <translation>Les jours d&apos;une série hebdomadaire</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mark them unpaid instead</source>
        <translation>Les marquer plutôt comme impayées</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Delete every due of its series</source>
        <translation>Supprimer toutes les échéances de sa série</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>How many days ahead (14 when not given)</source>
        <translation>Combien de jours à l&apos;avance (14 par défaut)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>paid needs at least one identifier</source>
        <translation>paid demande au moins un identifiant</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>delete needs exactly one identifier</source>
        <translation>delete demande exactement un identifiant</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--title T is required and may not be blank</source>
        <translation>--title T est obligatoire et ne peut pas être vide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bad date for --due &quot;%1&quot;: expected YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>date invalide pour --due «&#xa0;%1&#xa0;»&#xa0;: AAAA-MM-JJ ou AAAA-MM-JJTHH:MM attendu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>bad date for --start &quot;%1&quot;: expected YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>date invalide pour --start «&#xa0;%1&#xa0;»&#xa0;: AAAA-MM-JJ ou AAAA-MM-JJTHH:MM attendu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--start lies after --due</source>
        <translation>--start est après --due</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>bad amount &quot;%1&quot;: expected digits with &quot;.&quot; for decimals, at most 1e18</source>
        <translation>montant invalide «&#xa0;%1&#xa0;»&#xa0;: chiffres attendus avec «&#xa0;.&#xa0;» pour les décimales, au plus 1e18</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bad type &quot;%1&quot;: expected business or personal</source>
        <translation>type invalide «&#xa0;%1&#xa0;»&#xa0;: business ou personal attendu</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the repeat options yield no date</source>
        <translation>les options de répétition ne donnent aucune date</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the repeat options yield more than %1 dues</source>
        <translation>les options de répétition donnent plus de %1 échéances</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>%1 does not belong to a series</source>
        <translation>%1 n&apos;appartient à aucune série</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--days N needs a whole number from 0 to 36500</source>
        <translation>--days N demande un nombre entier de 0 à 36500</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Overdue: </source>
        <translation>En retard&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 7 days: </source>
        <translation>7 prochains jours&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next 30 days: </source>
        <translation>30 prochains jours&#xa0;: </translation>
    </message>
</context>
</TS>
