<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArchiveStore</name>
    <message>
        <location filename="../../src/storage/ArchiveStore.cpp" line="142"/>
        <source>The archive of saved matches %1 cannot be used: %2</source>
        <translation>Das Archiv der gespeicherten Spiele %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/storage/ArchiveStore.cpp" line="153"/>
        <source>No database is open, so there is no archive of saved matches beside it.</source>
        <translation>Es ist keine Datenbank geöffnet, daher gibt es daneben auch kein Archiv gespeicherter Spiele.</translation>
    </message>
</context>
<context>
    <name>CProgressBar</name>
    <message>
        <location filename="../../src/widgets/CProgressBar.cpp" line="28"/>
        <source>Canvas property must be of type PictureBox.</source>
        <translation>Die Eigenschaft Canvas muss vom Typ PictureBox sein.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CProgressBar.cpp" line="45"/>
        <source>Min property must be less than Max.</source>
        <translation>Die Eigenschaft Min muss kleiner als Max sein.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CProgressBar.cpp" line="55"/>
        <source>Max property must be greater than Min.</source>
        <translation>Die Eigenschaft Max muss größer als Min sein.</translation>
    </message>
</context>
<context>
    <name>ClubBatch</name>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="49"/>
        <source>Club server: %1 (bench &quot;%2&quot;, %3). The password is typed in File &gt; Club Server, or kept in the PostgreSQL password file (~/.pgpass) of the account that sends.</source>
        <translation>Vereinsserver: %1 (Bank „%2“, %3). Das Passwort wird unter Datei &gt; Vereinsserver eingegeben oder in der PostgreSQL-Passwortdatei (~/.pgpass) des sendenden Kontos hinterlegt.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="59"/>
        <source>No club server is set up. Name it first: sidelines --club-server &quot;host=... port=... dbname=... user=...&quot;</source>
        <translation>Es ist kein Vereinsserver eingerichtet. Geben Sie ihn zuerst an: sidelines --club-server &quot;host=... port=... dbname=... user=...&quot;</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="73"/>
        <location filename="../../src/shell/ClubBatch.cpp" line="100"/>
        <source>No match waits for the club server.</source>
        <translation>Kein Spiel wartet auf den Vereinsserver.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="78"/>
        <source>The archive of saved matches %1 cannot be used: %2</source>
        <translation>Das Archiv der gespeicherten Spiele %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="94"/>
        <source>sent: %1</source>
        <translation>gesendet: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="105"/>
        <source>already on the server: %1</source>
        <translation>schon auf dem Server: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="109"/>
        <source>waiting: %1</source>
        <translation>wartet: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="113"/>
        <source>%1 of %2 matches went to the club server; %3 wait for the next send.</source>
        <translation>%1 von %2 Spielen sind beim Vereinsserver angekommen; %3 warten auf das nächste Senden.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="127"/>
        <source>Keeps the club server&apos;s settings, in libpq&apos;s form: &quot;host=... port=... dbname=... user=... sslrootcert=...&quot; (no password).</source>
        <translation>Speichert die Einstellungen des Vereinsservers in der Form von libpq: &quot;host=... port=... dbname=... user=... sslrootcert=...&quot; (ohne Passwort).</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="129"/>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubBatch.cpp" line="130"/>
        <source>Sends every match waiting for the club server.</source>
        <translation>Sendet jedes Spiel, das auf den Vereinsserver wartet.</translation>
    </message>
</context>
<context>
    <name>ClubCall</name>
    <message>
        <location filename="../../src/club/ClubCall.cpp" line="176"/>
        <source>The club server did not answer within %1 seconds.</source>
        <translation>Der Vereinsserver hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubCall.cpp" line="184"/>
        <source>The club server took longer than the %1 seconds it is given.</source>
        <translation>Der Vereinsserver hat länger als die ihm zugestandenen %1 Sekunden gebraucht.</translation>
    </message>
</context>
<context>
    <name>ClubCommands</name>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="37"/>
        <source>The archive of saved matches %1 cannot be used: %2</source>
        <translation>Das Archiv der gespeicherten Spiele %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="57"/>
        <source>Sending the matches to the club server...</source>
        <translation>Spiele werden an den Vereinsserver gesendet...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="69"/>
        <source>1 match waiting for the club server</source>
        <translation>1 Spiel wartet auf den Vereinsserver</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="70"/>
        <source>%1 matches waiting for the club server</source>
        <translation>%1 Spiele warten auf den Vereinsserver</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="99"/>
        <source>Send Matches to Club Server</source>
        <translation>Spiele an Vereinsserver senden</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="101"/>
        <source>No club server is set up yet: File &gt; Club Server.</source>
        <translation>Es ist noch kein Vereinsserver eingerichtet: Datei &gt; Vereinsserver.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="110"/>
        <source>Every saved match is on the club server already.</source>
        <translation>Alle gespeicherten Spiele sind bereits auf dem Vereinsserver.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="115"/>
        <source>1 match sent to the club server.</source>
        <translation>1 Spiel an den Vereinsserver gesendet.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="116"/>
        <source>%1 matches sent to the club server.</source>
        <translation>%1 Spiele an den Vereinsserver gesendet.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="119"/>
        <source>%1 of %2 matches went to the club server; %3 wait for the next send.

%4</source>
        <translation>%1 von %2 Spielen sind beim Vereinsserver angekommen; %3 warten auf das nächste Senden.

%4</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="136"/>
        <source>Matches left waiting for the club server: %1</source>
        <translation>Spiele warten weiter auf den Vereinsserver: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="157"/>
        <source>The system&apos;s key store cannot be reached (%1), so the password for the club server %2 is not kept between starts.

Please type it for this session.</source>
        <translation>Der Schlüsselbund des Systems ist nicht erreichbar (%1), daher wird das Passwort für den Vereinsserver %2 nicht über das Beenden hinaus aufbewahrt.

Bitte geben Sie es für diese Sitzung ein.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="160"/>
        <location filename="../../src/shell/ClubCommands.cpp" line="163"/>
        <source>Club Server</source>
        <translation>Vereinsserver</translation>
    </message>
    <message>
        <location filename="../../src/shell/ClubCommands.cpp" line="164"/>
        <source>Password of %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
</context>
<context>
    <name>ClubSettings</name>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="78"/>
        <source>Name the club server&apos;s database.</source>
        <translation>Geben Sie die Datenbank des Vereinsservers an.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="80"/>
        <source>Name this bench&apos;s login role on the club server (the user).</source>
        <translation>Geben Sie die Anmelderolle dieser Bank auf dem Vereinsserver an (den Benutzer).</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="82"/>
        <location filename="../../src/club/ClubSettings.cpp" line="161"/>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="85"/>
        <source>The club server %1 is not on this computer, so it must prove itself with its certificate: choose the CA certificate file that signed it.</source>
        <translation>Der Vereinsserver %1 läuft nicht auf diesem Computer und muss sich daher mit seinem Zertifikat ausweisen: Wählen Sie die CA-Zertifikatsdatei, mit der es signiert wurde.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="93"/>
        <source>The path of the CA certificate file must not contain &apos;;&apos;.</source>
        <translation>Der Pfad der CA-Zertifikatsdatei darf kein „;“ enthalten.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="96"/>
        <source>The CA certificate file %1 cannot be read.</source>
        <translation>Die CA-Zertifikatsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="123"/>
        <source>Expected key=value pairs such as &quot;host=club.example port=5432 dbname=season user=bench_hall&quot;, not &quot;%1&quot;.</source>
        <translation>Erwartet werden Paare der Form Schlüssel=Wert wie &quot;host=club.example port=5432 dbname=season user=bench_hall&quot;, nicht „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="144"/>
        <source>The value of %1 has no closing quote.</source>
        <translation>Dem Wert von %1 fehlt das schließende Anführungszeichen.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="169"/>
        <source>A password is never given on the command line. Type it in File &gt; Club Server, or keep it in the PostgreSQL password file (~/.pgpass) of the account that sends.</source>
        <translation>Ein Passwort wird nie auf der Befehlszeile angegeben. Geben Sie es unter Datei &gt; Vereinsserver ein, oder hinterlegen Sie es in der PostgreSQL-Passwortdatei (~/.pgpass) des sendenden Kontos.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="172"/>
        <source>Unknown key &quot;%1&quot;: the club server is named by host, port, dbname, user and sslrootcert.</source>
        <translation>Unbekannter Schlüssel „%1“: Der Vereinsserver wird mit host, port, dbname, user und sslrootcert angegeben.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="178"/>
        <source>Name at least the database (dbname=...) and this bench&apos;s login role (user=...).</source>
        <translation>Geben Sie mindestens die Datenbank (dbname=...) und die Anmelderolle dieser Bank (user=...) an.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="200"/>
        <source>This bench</source>
        <translation>Diese Bank</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="228"/>
        <source>The key store did not answer within %1 seconds.</source>
        <translation>Der Schlüsselbund hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSettings.cpp" line="248"/>
        <source>The key store refused (error %1).</source>
        <translation>Der Schlüsselbund hat abgelehnt (Fehler %1).</translation>
    </message>
</context>
<context>
    <name>ClubStore</name>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="40"/>
        <source>The connection to the club server was lost.</source>
        <translation>Die Verbindung zum Vereinsserver ist abgebrochen.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="42"/>
        <source>The club server refused the password of %1. (%2)</source>
        <translation>Der Vereinsserver hat das Passwort von %1 abgelehnt. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="44"/>
        <source>The club server asks for a password, and none is kept for %1: type it in File &gt; Club Server, or keep it in the PostgreSQL password file (~/.pgpass) of this account. (%2)</source>
        <translation>Der Vereinsserver verlangt ein Passwort, und für %1 ist keines hinterlegt: Geben Sie es unter Datei &gt; Vereinsserver ein oder legen Sie es in der PostgreSQL-Passwortdatei (~/.pgpass) dieses Kontos ab. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="48"/>
        <source>The club server has no database &quot;%1&quot;. (%2)</source>
        <translation>Der Vereinsserver hat keine Datenbank „%1“. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="50"/>
        <source>The club server has no login role &quot;%1&quot;. (%2)</source>
        <translation>Der Vereinsserver hat keine Anmelderolle „%1“. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="52"/>
        <source>The club server at %1 could not prove that it is %1: its certificate was made for another host, so Sidelines did not connect. (%2)</source>
        <translation>Der Vereinsserver unter %1 konnte nicht nachweisen, dass er %1 ist: Sein Zertifikat wurde für einen anderen Rechner ausgestellt, daher hat Sidelines keine Verbindung aufgebaut. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="56"/>
        <source>The club server at %1 could not prove that it is %1: its certificate is not signed by the CA certificate %2, so Sidelines did not connect. (%3)</source>
        <translation>Der Vereinsserver unter %1 konnte nicht nachweisen, dass er %1 ist: Sein Zertifikat ist nicht mit dem CA-Zertifikat %2 signiert, daher hat Sidelines keine Verbindung aufgebaut. (%3)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="60"/>
        <source>The CA certificate file %1 cannot be used. (%2)</source>
        <translation>Die CA-Zertifikatsdatei %1 kann nicht verwendet werden. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="62"/>
        <source>The club server at %1 offers no encrypted connection, which a server not on this computer must. (%2)</source>
        <translation>Der Vereinsserver unter %1 bietet keine verschlüsselte Verbindung an, die ein Server außerhalb dieses Computers bieten muss. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="66"/>
        <source>The club server at %1 did not answer within %2 seconds. (%3)</source>
        <translation>Der Vereinsserver unter %1 hat nicht innerhalb von %2 Sekunden geantwortet. (%3)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="69"/>
        <source>Nothing answers at %1, port %2: the club server is not running there, or a firewall is in the way. (%3)</source>
        <translation>Unter %1, Port %2 antwortet nichts: Der Vereinsserver läuft dort nicht, oder eine Firewall ist im Weg. (%3)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="73"/>
        <source>The name %1 cannot be found: check it, and the network. (%2)</source>
        <translation>Der Name %1 wurde nicht gefunden: Prüfen Sie ihn und das Netzwerk. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="75"/>
        <source>There is no club server at the socket folder %1, port %2. (%3)</source>
        <translation>Im Socket-Ordner %1, Port %2 gibt es keinen Vereinsserver. (%3)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="78"/>
        <source>The club server does not let %1 in from this computer. (%2)</source>
        <translation>Der Vereinsserver lässt %1 von diesem Computer aus nicht zu. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="80"/>
        <source>The club server refused to store this bench&apos;s matches: the login role %1 may write only its own bench&apos;s rows, and this bench&apos;s identifier belongs to another login role. (%2)</source>
        <translation>Der Vereinsserver hat es abgelehnt, die Spiele dieser Bank zu speichern: Die Anmelderolle %1 darf nur die Zeilen ihrer eigenen Bank schreiben, und die Kennung dieser Bank gehört einer anderen Anmelderolle. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="84"/>
        <source>The login role %1 lacks a right that the club server&apos;s set-up gives every bench. (%2)</source>
        <translation>Der Anmelderolle %1 fehlt ein Recht, das die Einrichtung des Vereinsservers jeder Bank gibt. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="87"/>
        <source>The club server&apos;s database %1 does not have the Sidelines tables as this Sidelines needs them: set it up with schema.sql (see the README). (%2)</source>
        <translation>Die Datenbank %1 des Vereinsservers hat die Sidelines-Tabellen nicht so, wie dieses Sidelines sie braucht: Richten Sie sie mit schema.sql ein (siehe README). (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="91"/>
        <source>The club server took longer than %1 seconds over one statement. (%2)</source>
        <translation>Der Vereinsserver hat für eine Anweisung länger als %1 Sekunden gebraucht. (%2)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="98"/>
        <source>The connection to the club server was lost. (%1)</source>
        <translation>Die Verbindung zum Vereinsserver ist abgebrochen. (%1)</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="99"/>
        <source>The club server refused: %1</source>
        <translation>Der Vereinsserver hat abgelehnt: %1</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="174"/>
        <source>No club server is set up: see File &gt; Club Server.</source>
        <translation>Es ist noch kein Vereinsserver eingerichtet: Datei &gt; Vereinsserver.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubConnection.cpp" line="197"/>
        <source>The PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubSend.cpp" line="38"/>
        <source>The match %1 is no longer in the archive.</source>
        <translation>Das Spiel %1 ist nicht mehr im Archiv.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubRestore.cpp" line="92"/>
        <source>The club server sent rows of the match %1 that this program cannot read.</source>
        <translation>Der Vereinsserver hat Zeilen des Spiels %1 gesendet, die dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubMapping.cpp" line="35"/>
        <source>The archive of saved matches %1 cannot be used: %2</source>
        <translation>Das Archiv der gespeicherten Spiele %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/club/ClubMapping.cpp" line="103"/>
        <source>Another bench&apos;s record %1 cannot be restored: this computer has a record with the same identifier.</source>
        <translation>Der Datensatz %1 einer anderen Bank kann nicht wiederhergestellt werden: Auf diesem Computer gibt es einen Datensatz mit derselben Kennung.</translation>
    </message>
</context>
<context>
    <name>DataPlaces</name>
    <message>
        <location filename="../../src/storage/DataPlace.cpp" line="51"/>
        <source>Sidelines cannot use its database
%1
because the folder that holds it is read-only. Copy the folder to a place you can write to, or make it writable.</source>
        <translation>Sidelines kann seine Datenbank
%1
nicht verwenden, weil ihr Ordner schreibgeschützt ist. Kopieren Sie den Ordner an einen beschreibbaren Ort, oder machen Sie ihn beschreibbar.</translation>
    </message>
    <message>
        <location filename="../../src/storage/DataPlace.cpp" line="54"/>
        <source>Sidelines cannot keep its database beside the program in
%1
because that folder cannot be written, and no database template was installed in
%2</source>
        <translation>Sidelines kann seine Datenbank nicht neben dem Programm in
%1
ablegen, weil dieser Ordner nicht beschreibbar ist, und in
%2
wurde keine Datenbankvorlage installiert.</translation>
    </message>
    <message>
        <location filename="../../src/storage/DataPlace.cpp" line="90"/>
        <source>Sidelines cannot create its data folder
%1</source>
        <translation>Sidelines kann seinen Datenordner nicht anlegen:
%1</translation>
    </message>
    <message>
        <location filename="../../src/storage/DataPlace.cpp" line="103"/>
        <source>Sidelines cannot copy the empty database
%1
to
%2

%3</source>
        <translation>Sidelines kann die leere Datenbank
%1
nicht nach
%2
kopieren.

%3</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="31"/>
        <source>The database did not accept the statement.</source>
        <translation>Die Datenbank hat die Anweisung nicht angenommen.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="107"/>
        <source>the disk holding it is full (%1 free, %2 needed)</source>
        <translation>der Datenträger, auf dem sie liegt, ist voll (%1 frei, %2 nötig)</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="109"/>
        <source>it needs an upgrade, and the copy kept before upgrading could not be written as %1: %2</source>
        <translation>sie muss aktualisiert werden, und die Sicherungskopie vor der Aktualisierung konnte nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="124"/>
        <source>It needs an upgrade from database version %1, but it cannot be written: %2</source>
        <translation>Sie muss von Datenbankversion %1 aktualisiert werden, ist aber nicht beschreibbar: %2</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="137"/>
        <source>It could not be upgraded from database version %1: %2</source>
        <translation>Sie konnte nicht von Datenbankversion %1 aktualisiert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="207"/>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="212"/>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="230"/>
        <source>It is not a Sidelines database: the table %1 is missing.</source>
        <translation>Das ist keine Sidelines-Datenbank: Die Tabelle %1 fehlt.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="238"/>
        <source>It was written by a newer Sidelines (database version %1); this Sidelines reads database version %2 and older.</source>
        <translation>Sie wurde von einem neueren Sidelines geschrieben (Datenbankversion %1); dieses Sidelines liest Datenbankversion %2 und älter.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="179"/>
        <source>The schema is missing from the program.</source>
        <translation>Dem Programm fehlt das Datenbankschema.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="210"/>
        <source>The file already exists.</source>
        <translation>Die Datei existiert bereits.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="259"/>
        <source>it could not be written.</source>
        <translation>sie konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="280"/>
        <source>it is not a Sidelines database.</source>
        <translation>sie ist keine Sidelines-Datenbank.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="289"/>
        <source>it was written by a newer Sidelines (database version %1); this Sidelines reads database version %2 and older.</source>
        <translation>sie wurde von einem neueren Sidelines geschrieben (Datenbankversion %1); dieses Sidelines liest Datenbankversion %2 und älter.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Schema.cpp" line="299"/>
        <source>it needs an upgrade from database version %1, but it cannot be written: %2</source>
        <translation>sie muss von Datenbankversion %1 aktualisiert werden, ist aber nicht beschreibbar: %2</translation>
    </message>
</context>
<context>
    <name>Db</name>
    <message>
        <location filename="../../src/storage/BlockInsert.cpp" line="174"/>
        <location filename="../../src/storage/BlockInsert.cpp" line="196"/>
        <location filename="../../src/storage/EngineRead.cpp" line="23"/>
        <source>The database connection is not an SQLite one.</source>
        <translation>Die Datenbankverbindung ist keine SQLite-Verbindung.</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <location filename="../../src/widgets/mConstants.cpp" line="149"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/widgets/mConstants.cpp" line="153"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <location filename="../../src/shell/InstanceLock.cpp" line="56"/>
        <source>The file was replaced each time it was locked.</source>
        <translation>Die Datei wurde bei jedem Sperren ersetzt.</translation>
    </message>
</context>
<context>
    <name>LogStrip</name>
    <message>
        <location filename="../../src/game/CourtMarks.cpp" line="109"/>
        <source>Last entries, newest first</source>
        <translation>Letzte Einträge, neueste zuerst</translation>
    </message>
</context>
<context>
    <name>MatchCaption</name>
    <message>
        <location filename="../../src/storage/MatchStore.cpp" line="12"/>
        <source>(deleted team)</source>
        <translation>(gelöschtes Team)</translation>
    </message>
    <message>
        <location filename="../../src/storage/MatchStore.cpp" line="13"/>
        <source> vs </source>
        <translation> gegen </translation>
    </message>
    <message>
        <location filename="../../src/storage/MatchStore.cpp" line="15"/>
        <source> on </source>
        <translation> am </translation>
    </message>
</context>
<context>
    <name>MatchSession</name>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="66"/>
        <location filename="../../src/game/MatchSession.cpp" line="69"/>
        <source>Are you sure you would like to end the Match?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="70"/>
        <source>The match is not decided (%1–%2). End it anyway?</source>
        <translation>Das Spiel ist noch nicht entschieden (%1–%2). Trotzdem beenden?</translation>
    </message>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="79"/>
        <source>Setting up the Home Team...</source>
        <translation>Heimteam wird aufgestellt...</translation>
    </message>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="80"/>
        <source>Setting up the Away Team...</source>
        <translation>Gastteam wird aufgestellt...</translation>
    </message>
</context>
<context>
    <name>MatchStore</name>
    <message>
        <location filename="../../src/storage/MatchStore.cpp" line="171"/>
        <source>There is no game under way to put the players on court in.</source>
        <translation>Es läuft kein Satz, in dem die Spieler aufs Feld gestellt werden könnten.</translation>
    </message>
    <message>
        <location filename="../../src/storage/MatchStore.cpp" line="177"/>
        <source>A player on court has no identifier.</source>
        <translation>Ein Spieler auf dem Feld hat keine Kennung.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message numerus="yes">
        <location filename="../../src/widgets/MsgBox.cpp" line="49"/>
        <source>...and %n more (Show Details lists them all).</source>
        <translation>
            <numerusform>...und %n weiterer Eintrag („Details einblenden...“ zeigt alle).</numerusform>
            <numerusform>...und %n weitere Einträge („Details einblenden...“ zeigt alle).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerBox</name>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="210"/>
        <source>Left half, zone %1, key F%2</source>
        <translation>Linke Hälfte, Position %1, Taste F%2</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="211"/>
        <source>Right half, zone %1, key F%2</source>
        <translation>Rechte Hälfte, Position %1, Taste F%2</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="218"/>
        <source>Box %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="220"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="222"/>
        <source>%1, libero</source>
        <translation>%1, Libero</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="224"/>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/game/CourtPieces.cpp" line="226"/>
        <source>%1, serving</source>
        <translation>%1, hat Aufschlag</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <location filename="../../src/game/PlayerStats.cpp" line="11"/>
        <source>Percentage = </source>
        <translation>Angriffseffizienz = </translation>
    </message>
</context>
<context>
    <name>RallyKeeper</name>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="181"/>
        <source>%1 win game %2, %3, and the match %4. Alt+N ends the match.</source>
        <translation>%1 gewinnt Satz %2, %3, und das Spiel %4. Alt+N beendet das Spiel.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="187"/>
        <source>%1 win game %2, %3. Alt+E goes to game %4.</source>
        <translation>%1 gewinnt Satz %2, %3. Alt+E geht zu Satz %4.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="198"/>
        <source>Point %1: %2.</source>
        <translation>Punkt %1: %2.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="199"/>
        <source>Point taken off %1: %2.</source>
        <translation>Punkt abgezogen %1: %2.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="202"/>
        <source>Libero %1 in for %2.</source>
        <translation>Libero %1 kommt für %2.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="203"/>
        <source>%1 back in for the libero %2.</source>
        <translation>%1 kommt für den Libero %2 zurück.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="207"/>
        <source>Timeout %1 at %2.</source>
        <translation>Auszeit %1 bei %2.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="225"/>
        <source>No libero was named for %1 in this game.</source>
        <translation>Für %1 ist in diesem Satz kein Libero benannt.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="227"/>
        <source>Not done: the libero plays in the back row only (zones 1, 5 and 6).</source>
        <translation>Nicht ausgeführt: Der Libero spielt nur in der Hinterreihe (Positionen 1, 5 und 6).</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="229"/>
        <source>Not done: the libero does not serve, and %1 are serving.</source>
        <translation>Nicht ausgeführt: Der Libero schlägt nicht auf, und %1 hat den Aufschlag.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="231"/>
        <source>Not done: the libero %1 is on court already.</source>
        <translation>Nicht ausgeführt: Der Libero %1 steht schon auf dem Feld.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="233"/>
        <source>There is no player in this box.</source>
        <translation>In diesem Feld steht kein Spieler.</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="167"/>
        <source>Home won the serve back: rotate Home (Alt+R).</source>
        <translation>Heim hat den Aufschlag zurückgewonnen: Heim rotieren (Alt+R).</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="168"/>
        <source>Away won the serve back: rotate Away (Alt+O).</source>
        <translation>Gast hat den Aufschlag zurückgewonnen: Gast rotieren (Alt+O).</translation>
    </message>
</context>
<context>
    <name>RallyStore</name>
    <message>
        <location filename="../../src/storage/RallyStore.cpp" line="155"/>
        <source>There is no game under way to record in.</source>
        <translation>Es läuft kein Satz, in dem etwas erfasst werden könnte.</translation>
    </message>
    <message>
        <location filename="../../src/storage/RallyStore.cpp" line="167"/>
        <source>The point was not stored: this game is not in the database.</source>
        <translation>Der Punkt wurde nicht gespeichert: Dieser Satz ist nicht in der Datenbank.</translation>
    </message>
</context>
<context>
    <name>RallyWords</name>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="267"/>
        <source>a player no longer on the roster</source>
        <translation>ein Spieler, der nicht mehr im Kader ist</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="277"/>
        <source>Pass %1</source>
        <translation>Annahme %1</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="289"/>
        <source>Game starts, %1 serve first</source>
        <translation>Satzbeginn, %1 hat den ersten Aufschlag</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="291"/>
        <source>Point %1, %2</source>
        <translation>Punkt %1, %2</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="292"/>
        <source>Point taken off %1, %2</source>
        <translation>Punkt abgezogen %1, %2</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="294"/>
        <source>%1 rotate</source>
        <translation>%1 rotiert</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="294"/>
        <source>%1 rotate back</source>
        <translation>%1 rotiert zurück</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="296"/>
        <source>%1: %2 in for %3</source>
        <translation>%1: %2 kommt für %3</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="298"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="299"/>
        <source>Taken off: %1, %2</source>
        <translation>Abgezogen: %1, %2</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="301"/>
        <source>%1: libero %2 in for %3</source>
        <translation>%1: Libero %2 kommt für %3</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="302"/>
        <source>%1: %2 back in for the libero %3</source>
        <translation>%1: %2 kommt für den Libero %3 zurück</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="304"/>
        <source>Timeout %1, %2</source>
        <translation>Auszeit %1, %2</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="315"/>
        <source>Took back: %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <location filename="../../src/game/RallyKeeper.cpp" line="315"/>
        <source>Took back an entry</source>
        <translation>Einen Eintrag zurückgenommen</translation>
    </message>
</context>
<context>
    <name>RecordId</name>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="44"/>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="46"/>
        <source>player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="48"/>
        <source>match</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="50"/>
        <source>game</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="54"/>
        <source>action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location filename="../../src/storage/RecordIssue.cpp" line="76"/>
        <source>No new %1 can be stored: the newest %1 in the database has the identifier %2, the last date and time an identifier can hold.</source>
        <translation>Kein neuer Eintrag (%1) kann gespeichert werden: Der neueste Eintrag dieser Art (%1) in der Datenbank hat die Kennung %2, das letzte Datum mit Uhrzeit, das eine Kennung fassen kann.</translation>
    </message>
</context>
<context>
    <name>ReportData</name>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="36"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="220"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="296"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="435"/>
        <source>Team Totals</source>
        <translation>Teamsumme</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="45"/>
        <source>the totals of %1</source>
        <translation>die Summen von %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="39"/>
        <source>Rotation with zone 1 empty</source>
        <translation>Rotation mit leerer Position 1</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="42"/>
        <source>Rotation of #%1 %2</source>
        <translation>Rotation von #%1 %2</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="45"/>
        <source>Rotation of a player no longer on the roster</source>
        <translation>Rotation eines Spielers, der nicht mehr im Kader ist</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="47"/>
        <source>Rotation of a player no longer on the roster (%1)</source>
        <translation>Rotation eines Spielers, der nicht mehr im Kader ist (%1)</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="76"/>
        <source>SRV</source>
        <translation>AUFS</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="76"/>
        <source>rallies served</source>
        <translation>Ballwechsel mit eigenem Aufschlag</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="77"/>
        <source>WS</source>
        <translation>PA</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="77"/>
        <source>points won on own serve</source>
        <translation>Punkte bei eigenem Aufschlag</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="78"/>
        <source>BP%</source>
        <translation>BP%</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="78"/>
        <source>break-point percentage WS/SRV</source>
        <translation>Breakpoint-Quote PA/AUFS</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="79"/>
        <source>REC</source>
        <translation>EMPF</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="80"/>
        <source>rallies received (the other side served)</source>
        <translation>Ballwechsel in der Annahme (die andere Seite schlug auf)</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="81"/>
        <source>WR</source>
        <translation>PE</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="82"/>
        <source>points won on the other side&apos;s serve, its serve errors included</source>
        <translation>Punkte bei gegnerischem Aufschlag, dessen Aufschlagfehler eingeschlossen</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="83"/>
        <source>SO%</source>
        <translation>SO%</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="83"/>
        <source>sideout percentage WR/REC</source>
        <translation>Sideout-Quote PE/EMPF</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="84"/>
        <source>W</source>
        <translation>G</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="84"/>
        <source>points won</source>
        <translation>gewonnene Punkte</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="85"/>
        <source>L</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="85"/>
        <source>points lost</source>
        <translation>verlorene Punkte</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="86"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="405"/>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="86"/>
        <source>points won less points lost</source>
        <translation>gewonnene weniger verlorene Punkte</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="99"/>
        <source>ATK</source>
        <translation>ANG</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="99"/>
        <source>points won by a kill</source>
        <translation>Punkte durch Angriff</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="100"/>
        <source>BLK</source>
        <translation>BLO</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="100"/>
        <source>points won by a block</source>
        <translation>Punkte durch Block</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="101"/>
        <source>ACE</source>
        <translation>ASS</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="101"/>
        <source>points won by a serve ace</source>
        <translation>Punkte durch Aufschlag-Ass</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="102"/>
        <source>OPE</source>
        <translation>FGG</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="102"/>
        <source>points won by the other side&apos;s errors</source>
        <translation>Punkte durch Fehler des Gegners</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="103"/>
        <source>OTH</source>
        <translation>AND</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="104"/>
        <source>points scored without a deciding action recorded</source>
        <translation>Punkte ohne erfasste entscheidende Aktion</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="105"/>
        <source>WON</source>
        <translation>GES</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="105"/>
        <source>points won in all</source>
        <translation>gewonnene Punkte insgesamt</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="112"/>
        <source>No timeout in game %1.</source>
        <translation>Keine Auszeit in Satz %1.</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="115"/>
        <source>%1 at %2–%3</source>
        <translation>%1 bei %2–%3</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="119"/>
        <source>Timeouts in game %1: %2.</source>
        <translation>Auszeiten in Satz %1: %2.</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="337"/>
        <source>The lead after each rally that stands: above the middle line the home team leads, below it the away team. A dashed line marks a timeout, in the colour of the side that took it.</source>
        <translation>Die Führung nach jedem gültigen Ballwechsel: Über der Mittellinie führt das Heimteam, darunter das Gastteam. Eine gestrichelte Linie markiert eine Auszeit, in der Farbe der Seite, die sie genommen hat.</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="407"/>
        <source>Won by Attack</source>
        <translation>Gewonnen durch Angriff</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="408"/>
        <source>Won by Block</source>
        <translation>Gewonnen durch Block</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="409"/>
        <source>Won by Serve</source>
        <translation>Gewonnen durch Aufschlag</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="410"/>
        <source>Won by Opponent Errors</source>
        <translation>Gewonnen durch Fehler des Gegners</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="411"/>
        <source>Won Otherwise</source>
        <translation>Anders gewonnen</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="90"/>
        <source>Player Statistics</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="131"/>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="132"/>
        <source>court position (zones n and n+6 together)</source>
        <translation>Position auf dem Feld (Positionen n und n+6 zusammen)</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="133"/>
        <source>GP</source>
        <translation>GS</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="134"/>
        <source>games played</source>
        <translation>gespielte Sätze</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="139"/>
        <source>PCT</source>
        <translation>QUO</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="140"/>
        <source>hitting percentage (K-E)/TA</source>
        <translation>Angriffseffizienz (AP-AF)/AV</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="142"/>
        <source>PTS</source>
        <translation>PKT</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="143"/>
        <source>points K + SA + BS + ½ BA</source>
        <translation>Punkte AP + ASS + EB + ½ BB</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="189"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="381"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="459"/>
        <source>No rally log for game %1</source>
        <translation>Kein Ballwechsel-Protokoll für Satz %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="197"/>
        <source>Game %1: %2</source>
        <translation>Satz %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="215"/>
        <source>Game %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="244"/>
        <source>Team Numbers</source>
        <translation>Teamwerte</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="245"/>
        <source>Every rally of the games chosen, from each game&apos;s rally log; a point taken back counts nowhere.</source>
        <translation>Jeder Ballwechsel der gewählten Sätze, aus dem Protokoll jedes Satzes; ein zurückgenommener Punkt zählt nirgends.</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="249"/>
        <source>The player and position chosen do not narrow the team numbers: they count every rally of these games.</source>
        <translation>Gewählter Spieler und gewählte Position schränken die Teamwerte nicht ein: Sie zählen jeden Ballwechsel dieser Sätze.</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="313"/>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="320"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="395"/>
        <source>Match</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="321"/>
        <source>Longest run of points in each game</source>
        <translation>Längste Punkteserie in jedem Satz</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="325"/>
        <source>Points won</source>
        <translation>Gewonnene Punkte</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="336"/>
        <source>Score Flow</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="199"/>
        <source>Dates:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="200"/>
        <source>Match:</source>
        <translation>Spiel:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="202"/>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="203"/>
        <source>Game:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="204"/>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="205"/>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="206"/>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="208"/>
        <source> (positions apart)</source>
        <translation> (Positionen getrennt)</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="209"/>
        <source> (positions together)</source>
        <translation> (Positionen zusammen)</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="210"/>
        <source>Order:</source>
        <translation>Reihenfolge:</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="227"/>
        <source>No statistics were recorded for these choices.</source>
        <translation>Für diese Auswahl wurden keine Statistiken erfasst.</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="306"/>
        <location filename="../../src/reports/ReportData.cpp" line="338"/>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="306"/>
        <location filename="../../src/reports/ReportData.cpp" line="337"/>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../../src/reports/ScoreFlowChart.cpp" line="106"/>
        <source>Game %1: %2 %3, %4 %5</source>
        <translation>Satz %1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <location filename="../../src/reports/ScoreFlowChart.cpp" line="234"/>
        <source>%1 ahead</source>
        <translation>%1 führt</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="337"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="393"/>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="394"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="396"/>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="446"/>
        <source>Game</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="397"/>
        <source>Served</source>
        <translation>Aufschläge</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="398"/>
        <source>Won Serving</source>
        <translation>Gewonnen bei Aufschlag</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="399"/>
        <source>Break Point %</source>
        <translation>Breakpoint %</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="400"/>
        <source>Received</source>
        <translation>Annahmen</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="401"/>
        <source>Won Receiving</source>
        <translation>Gewonnen bei Annahme</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="402"/>
        <source>Sideout %</source>
        <translation>Sideout %</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="403"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="404"/>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <location filename="../../src/reports/TeamNumbersReport.cpp" line="406"/>
        <source>Longest Run</source>
        <translation>Längste Serie</translation>
    </message>
</context>
<context>
    <name>ReportHtml</name>
    <message>
        <location filename="../../src/reports/ReportHtml.cpp" line="56"/>
        <source>en</source>
        <extracomment>The code of the language of this translation, as web pages name it (&quot;de&quot; for German).</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>ReportStore</name>
    <message>
        <location filename="../../src/storage/ReportStore.cpp" line="220"/>
        <source>(deleted team)</source>
        <translation>(gelöschtes Team)</translation>
    </message>
</context>
<context>
    <name>RosterChooser</name>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="101"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="101"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="157"/>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="164"/>
        <source>&quot;%1&quot; cannot be chosen: its identifier &quot;%2&quot; is not a date and time written as YYYY-MM-DD HH:MM:SS, so Sidelines cannot tell which record it is. Nothing was changed.</source>
        <translation>„%1“ kann nicht gewählt werden: Seine Kennung „%2“ ist kein Datum mit Uhrzeit in der Form JJJJ-MM-TT HH:MM:SS, daher kann Sidelines den Datensatz nicht bestimmen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="183"/>
        <source>&quot;%1&quot; cannot be chosen: %2 records share its identifier &quot;%3&quot;, so Sidelines cannot tell them apart. Nothing was changed.</source>
        <translation>„%1“ kann nicht gewählt werden: %2 Datensätze teilen sich die Kennung „%3“, daher kann Sidelines sie nicht unterscheiden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>RosterEditor</name>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="73"/>
        <source>A name can be at most %1 characters long; this one has %2.</source>
        <translation>Ein Name darf höchstens %1 Zeichen lang sein; dieser hat %2.</translation>
    </message>
</context>
<context>
    <name>Scout</name>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="107"/>
        <source>the byte 0x%1 has no letter in %2; choose the text encoding the file was written in.</source>
        <translation>Das Byte 0x%1 steht in %2 für kein Zeichen; wählen Sie die Zeichenkodierung, in der die Datei geschrieben wurde.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="354"/>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="463"/>
        <source>the line holds characters that are not text: this is no scout file, or it is damaged.</source>
        <translation>Die Zeile enthält Zeichen, die kein Text sind: Das ist keine Scout-Datei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="105"/>
        <source>the line is not UTF-8 text; choose the text encoding the file was written in.</source>
        <translation>Die Zeile ist kein UTF-8-Text; wählen Sie die Zeichenkodierung, in der die Datei geschrieben wurde.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="525"/>
        <source>home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="525"/>
        <source>visiting</source>
        <translation>Gast</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="200"/>
        <source>[3TEAMS] must hold two lines, the home team&apos;s and the visiting team&apos;s; it holds %1.</source>
        <translation>[3TEAMS] muss zwei Zeilen enthalten, die des Heimteams und die des Gastteams; es enthält %1.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="206"/>
        <source>the line is cut short: a team line gives at least its code, name and sets won.</source>
        <translation>Die Zeile ist unvollständig: Eine Teamzeile nennt mindestens Code, Namen und gewonnene Sätze des Teams.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="212"/>
        <source>the %1 team has no name.</source>
        <translation>Das %1team hat keinen Namen.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="214"/>
        <source>the %1 team&apos;s name is too long to be a team&apos;s name.</source>
        <translation>Der Name des %1teams ist zu lang für einen Teamnamen.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="218"/>
        <source>the sets won by the %1 team must be a number from 0 to %2, not &quot;%3&quot;.</source>
        <translation>Die gewonnenen Sätze des %1teams müssen eine Zahl von 0 bis %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="228"/>
        <source>both teams are called &quot;%1&quot;: the players of one could not be told from the other&apos;s.</source>
        <translation>Beide Teams heißen „%1“: Die Spieler des einen wären von denen des anderen nicht zu unterscheiden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="240"/>
        <source>the player line is cut short: it has %1 fields where a player line has at least 11.</source>
        <translation>Die Spielerzeile ist unvollständig: Sie hat %1 Felder, eine Spielerzeile hat mindestens 11.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="245"/>
        <source>a line of [3PLAYERS-%1] must begin with %2, not &quot;%3&quot;.</source>
        <translation>Eine Zeile von [3PLAYERS-%1] muss mit %2 beginnen, nicht mit „%3“.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="253"/>
        <source>the shirt number &quot;%1&quot; is not one from 0 to 99.</source>
        <translation>Die Rückennummer „%1“ liegt nicht zwischen 0 und 99.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="257"/>
        <source>the %1 team lists shirt number %2 twice (first at line %3).</source>
        <translation>Das %1team führt die Rückennummer %2 zweimal auf (zuerst in Zeile %3).</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="265"/>
        <source>player %1&apos;s place in set %2 must be a zone from 1 to 6, &quot;*&quot; or nothing, not &quot;%3&quot;.</source>
        <translation>Der Platz von Spieler %1 in Satz %2 muss eine Position von 1 bis 6, „*“ oder leer sein, nicht „%3“.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="278"/>
        <source>player %1 of the %2 team has no name.</source>
        <translation>Spieler %1 des %2teams hat keinen Namen.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="280"/>
        <source>player %1&apos;s name is too long to be a player&apos;s name.</source>
        <translation>Der Name von Spieler %1 ist zu lang für einen Spielernamen.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="284"/>
        <source>the %1 team has no players.</source>
        <translation>Das %1team hat keine Spieler.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="298"/>
        <source>the final score &quot;%1&quot; cannot be read.</source>
        <translation>Das Endergebnis „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="38"/>
        <source>&quot;%1&quot; is no scout code: a code begins with * (home) or a (visiting).</source>
        <translation>„%1“ ist kein Scout-Code: Ein Code beginnt mit * (Heim) oder a (Gast).</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="54"/>
        <source>the code &quot;%1&quot; cannot be read: an action is the team, two digits of the shirt number, the skill, the hitting type and the evaluation.</source>
        <translation>Der Code „%1“ kann nicht gelesen werden: Eine Aktion besteht aus dem Team, zwei Ziffern der Rückennummer, dem Spielelement, der Schlagart und der Bewertung.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="64"/>
        <source>the code &quot;%1&quot; names no skill: the skills are S, R, A, B, D, E and F.</source>
        <translation>Der Code „%1“ nennt kein Spielelement: Die Spielelemente sind S, R, A, B, D, E und F.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="110"/>
        <source>the code &quot;%1&quot; cannot be read.</source>
        <translation>Der Code „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="129"/>
        <source>the scout line is cut short: it has %1 fields where one has %2.</source>
        <translation>Die Scout-Zeile ist unvollständig: Sie hat %1 Felder statt %2.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="136"/>
        <source>the time &quot;%1&quot; cannot be read.</source>
        <translation>Die Uhrzeit „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="141"/>
        <source>the set number &quot;%2&quot; is not one from 1 to %1.</source>
        <translation>Die Satznummer „%2“ liegt nicht zwischen 1 und %1.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="155"/>
        <source>the %1 player in zone %2 is &quot;%3&quot;, not a shirt number from 0 to 99.</source>
        <translation>Der %1spieler auf Position %2 ist „%3“, keine Rückennummer von 0 bis 99.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="177"/>
        <source>%1 names shirt number %2, who is not on the %3 team&apos;s roster.</source>
        <translation>%1 nennt die Rückennummer %2, die nicht im Kader des %3teams steht.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="173"/>
        <source>the action</source>
        <translation>Die Aktion</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="174"/>
        <source>the substitution</source>
        <translation>Der Wechsel</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="192"/>
        <source>the substitution exchanges player %1 for the same player.</source>
        <translation>Der Wechsel tauscht Spieler %1 gegen sich selbst.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="175"/>
        <source>the line-up</source>
        <translation>Die Aufstellung</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="203"/>
        <source>the %1 player %2 stands in two zones at once.</source>
        <translation>Der %1spieler %2 steht auf zwei Positionen zugleich.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="232"/>
        <source>the line ends set %1, but set %2 is being played.</source>
        <translation>Die Zeile beendet Satz %1, gespielt wird aber Satz %2.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="244"/>
        <source>the line lies past the end of set %1, and a match has at most %1 sets.</source>
        <translation>Die Zeile liegt hinter dem Ende von Satz %1, und ein Spiel hat höchstens %1 Sätze.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="253"/>
        <source>the score %1:%2 does not follow from %3:%4 with a point for the %5 team.</source>
        <translation>Der Spielstand %1:%2 folgt nicht aus %3:%4 mit einem Punkt für das %5team.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="285"/>
        <source>the file ends before set %1, which [3SET] gives as played %2-%3: it is cut short.</source>
        <translation>Die Datei endet vor Satz %1, den [3SET] als mit %2-%3 gespielt angibt: Sie ist unvollständig.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="298"/>
        <source>set %1 is scouted, but [3SET] gives it no final score.</source>
        <translation>Satz %1 ist erfasst, aber [3SET] nennt kein Endergebnis dafür.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="303"/>
        <source>set %1 ends %2-%3 by its points, but [3SET] gives %4-%5%6.</source>
        <translation>Satz %1 endet nach seinen Punkten %2-%3, aber [3SET] nennt %4-%5%6.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="309"/>
        <source>: the file is cut short</source>
        <translation>: Die Datei ist unvollständig</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="317"/>
        <source>the file ends in the middle of set %1 (%2-%3): it is cut short.</source>
        <translation>Die Datei endet mitten in Satz %1 (%2-%3): Sie ist unvollständig.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="323"/>
        <source>the file holds no set that was played.</source>
        <translation>Die Datei enthält keinen gespielten Satz.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="325"/>
        <source>the file holds %1 sets; a match has at most %2.</source>
        <translation>Die Datei enthält %1 Sätze; ein Spiel hat höchstens %2.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="337"/>
        <source>the %1 team is said to have won %2 sets, but the set scores give it %3.</source>
        <translation>Das %1team soll %2 Sätze gewonnen haben, nach den Satzergebnissen sind es aber %3.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="342"/>
        <source>the section [%1] appears a second time (first at line %2).</source>
        <translation>Der Abschnitt [%1] kommt ein zweites Mal vor (zuerst in Zeile %2).</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="356"/>
        <source>this is no scout file: a scout file begins with a section such as [3DATAVOLLEYSCOUT].</source>
        <translation>Das ist keine Scout-Datei: Eine Scout-Datei beginnt mit einem Abschnitt wie [3DATAVOLLEYSCOUT].</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="362"/>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="538"/>
        <source>the file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="372"/>
        <source>the file ends without its [%1] section: it is cut short, or it is no scout file.</source>
        <translation>Die Datei endet ohne ihren Abschnitt [%1]: Sie ist unvollständig, oder sie ist keine Scout-Datei.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="384"/>
        <source>[3MATCH] is empty: it gives the match&apos;s date.</source>
        <translation>[3MATCH] ist leer: Dort steht das Datum des Spiels.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="394"/>
        <source>the match&apos;s date &quot;%1&quot; cannot be read.</source>
        <translation>Das Spieldatum „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="396"/>
        <source>the match&apos;s date %1 is no date of a scouted match.</source>
        <translation>Das Spieldatum %1 kommt für ein erfasstes Spiel nicht in Frage.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="400"/>
        <source>the match&apos;s date %1 lies in the future.</source>
        <translation>Das Spieldatum %1 liegt in der Zukunft.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="403"/>
        <source>the match&apos;s time &quot;%1&quot; cannot be read.</source>
        <translation>Die Uhrzeit des Spiels „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutWrite.cpp" line="33"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutText.cpp" line="338"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="553"/>
        <source>the file declares its text as UTF-8, but this line is not UTF-8; choose the text encoding the file was written in.</source>
        <translation>Die Datei gibt ihren Text als UTF-8 an, aber diese Zeile ist kein UTF-8; wählen Sie die Zeichenkodierung, in der die Datei geschrieben wurde.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutGames.cpp" line="339"/>
        <source>player %1 is not on court to go off.</source>
        <translation>Spieler %1 steht nicht auf dem Feld und kann nicht ausgewechselt werden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutGames.cpp" line="341"/>
        <source>player %1 is on court already.</source>
        <translation>Spieler %1 steht bereits auf dem Feld.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutGames.cpp" line="346"/>
        <source>the line-up of the line does not show player %1 coming on for player %2.</source>
        <translation>Die Aufstellung in der Zeile zeigt nicht, dass Spieler %1 für Spieler %2 kommt.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="344"/>
        <source>The match has %1 games; a scout file holds at most %2.</source>
        <translation>Das Spiel hat %1 Sätze; eine Scout-Datei fasst höchstens %2.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="358"/>
        <source>%2 and %3 of %4 both wear number %1: a scout file tells players apart by their numbers. Change one of them, then export again.</source>
        <translation>%2 und %3 von %4 tragen beide die Nummer %1: Eine Scout-Datei unterscheidet Spieler an ihren Nummern. Ändern Sie eine davon und exportieren Sie dann erneut.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="375"/>
        <source>Both teams of the match are called &quot;%1&quot;: a scout file could not tell their players apart.</source>
        <translation>Beide Teams des Spiels heißen „%1“: Eine Scout-Datei könnte ihre Spieler nicht unterscheiden.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="489"/>
        <source>Recorded without a rally log: game %1 has its actions and final score only, not its points, rotations and substitutions.</source>
        <translation>Ohne Ballwechsel-Protokoll erfasst: Satz %1 enthält nur seine Aktionen und sein Endergebnis, nicht seine Punkte, Rotationen und Wechsel.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="494"/>
        <source>%1 actions taken back in subtraction mode had no action left to take back and are not written.</source>
        <translation>Im Korrekturmodus zurückgenommene Aktionen, für die es nichts mehr zurückzunehmen gab, werden nicht geschrieben: %1.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutExport.cpp" line="498"/>
        <source>%1 actions of players no longer on the roster are not written.</source>
        <translation>Aktionen von Spielern, die nicht mehr im Kader sind, werden nicht geschrieben: %1.</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="585"/>
        <source>read as %1, as chosen</source>
        <translation>gelesen als %1, wie gewählt</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="587"/>
        <source>read as %1</source>
        <translation>gelesen als %1</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="589"/>
        <source>read as %1, as the file declares</source>
        <translation>gelesen als %1, wie die Datei angibt</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="591"/>
        <source>read as %1, found in the file&apos;s letters</source>
        <translation>gelesen als %1, an den Buchstaben der Datei erkannt</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutRead.cpp" line="593"/>
        <source>read as %1: the file&apos;s letters tell no other</source>
        <translation>gelesen als %1: Die Buchstaben der Datei deuten auf keine andere</translation>
    </message>
    <message>
        <location filename="../../src/scoutfile/ScoutLines.cpp" line="186"/>
        <source>the block names player %1 as the partner of the same player.</source>
        <translation>Der Block nennt Spieler %1 als Partner desselben Spielers.</translation>
    </message>
</context>
<context>
    <name>ScoutBatch</name>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="71"/>
        <source>Imports the scout files (.dvw) named after the options into the season&apos;s matches, each in one transaction, and prints one line per file.</source>
        <translation>Importiert die nach den Optionen genannten Scout-Dateien (.dvw) in die Spiele der Saison, jede in einer eigenen Transaktion, und gibt je Datei eine Zeile aus.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="75"/>
        <source>With --import: reads the names in this text encoding (UTF-8, Windows-1250, Windows-1251, Windows-1252, ISO-8859-2) instead of finding it out.</source>
        <translation>Mit --import: liest die Namen in dieser Zeichenkodierung (UTF-8, Windows-1250, Windows-1251, Windows-1252, ISO-8859-2), statt sie selbst zu ermitteln.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="77"/>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="79"/>
        <source>Writes every recorded match into the folder as a scout file (.dvw).</source>
        <translation>Schreibt jedes erfasste Spiel als Scout-Datei (.dvw) in den Ordner.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="80"/>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="81"/>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="81"/>
        <source>With --import: the scout files.</source>
        <translation>Mit --import: die Scout-Dateien.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="82"/>
        <source>[files...]</source>
        <translation>[Dateien...]</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="132"/>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="136"/>
        <source>too large to be a scout file</source>
        <translation>zu groß für eine Scout-Datei</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="137"/>
        <source>%1: not read: %2</source>
        <translation>%1: nicht gelesen: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="149"/>
        <source>%3: imported: %4 (%1 new teams, %2 new players)</source>
        <translation>%3: importiert: %4 (neue Teams: %1, neue Spieler: %2)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="161"/>
        <location filename="../../src/shell/ScoutBatch.cpp" line="164"/>
        <location filename="../../src/shell/ScoutBatch.cpp" line="167"/>
        <source>%1: refused: %2</source>
        <translation>%1: abgelehnt: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="177"/>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="184"/>
        <source>There are no recorded matches to export.</source>
        <translation>Es gibt keine erfassten Spiele zum Exportieren.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="198"/>
        <location filename="../../src/shell/ScoutBatch.cpp" line="201"/>
        <source>%1: not written: %2</source>
        <translation>%1: nicht geschrieben: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="215"/>
        <source>Give either --import with scout files (and --encoding if need be) or --export-scout with a folder.</source>
        <translation>Geben Sie entweder --import mit Scout-Dateien (und bei Bedarf --encoding) oder --export-scout mit einem Ordner an.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="225"/>
        <source>Unknown text encoding &apos;%1&apos;: use UTF-8, Windows-1250, Windows-1251, Windows-1252 or ISO-8859-2.</source>
        <translation>Unbekannte Zeichenkodierung „%1“: Verwenden Sie UTF-8, Windows-1250, Windows-1251, Windows-1252 oder ISO-8859-2.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="234"/>
        <source>--import needs the scout files to import.</source>
        <translation>--import braucht die zu importierenden Scout-Dateien.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="243"/>
        <source>Sidelines cannot create its data folder %1</source>
        <translation>Sidelines kann seinen Datenordner %1 nicht anlegen</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="251"/>
        <source>Sidelines is running on this database; close it first.</source>
        <translation>Sidelines läuft bereits mit dieser Datenbank; beenden Sie es zuerst.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="256"/>
        <source>The lock file %1 cannot be used: %2</source>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="263"/>
        <source>Sidelines cannot open its database %1: %2</source>
        <translation>Sidelines kann seine Datenbank %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="270"/>
        <source>Sidelines cannot write to its database %1: %2</source>
        <translation>Sidelines kann nicht in seine Datenbank %1 schreiben: %2</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="155"/>
        <source>%3: imported: %4 (%1 new teams, %2 new players; %5)</source>
        <translation>%3: importiert: %4 (neue Teams: %1, neue Spieler: %2; %5)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="134"/>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../../src/shell/ScoutBatch.cpp" line="119"/>
        <source>Importing %1 of %2: %3...</source>
        <translation>Datei %1 von %2 wird importiert: %3...</translation>
    </message>
</context>
<context>
    <name>ScoutStore</name>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="139"/>
        <source>this match is already among the recorded matches: %1.</source>
        <translation>Dieses Spiel ist bereits unter den erfassten Spielen: %1.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="185"/>
        <source>both teams are the same team of the roster.</source>
        <translation>Beide Teams sind dasselbe Team aus dem Kader.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="208"/>
        <source>%2 #%1 (%3)</source>
        <translation>%2 #%1 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="230"/>
        <source>shirt number %1 of %2 was given to a player of the roster meanwhile; import the file again.</source>
        <translation>Die Rückennummer %1 von %2 wurde inzwischen an einen Spieler im Kader vergeben; importieren Sie die Datei erneut.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="311"/>
        <source>The match of %1 is no longer among the recorded matches.</source>
        <translation>Das Spiel vom %1 ist nicht mehr unter den erfassten Spielen.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="321"/>
        <source>The %1 team of this match has been deleted from the roster, with its players: their actions cannot be written.</source>
        <translation>Das %1team dieses Spiels wurde mit seinen Spielern aus dem Kader gelöscht: Ihre Aktionen können nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="325"/>
        <source>home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="326"/>
        <source>away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="433"/>
        <source>deleted team</source>
        <translation>gelöschtes Team</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="448"/>
        <source>The scout file could not be written to %1: %2</source>
        <translation>Die Scout-Datei konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="136"/>
        <source>this match is already in the archive of saved matches: %1; File &gt; Restore Saved Matches brings it back.</source>
        <translation>Dieses Spiel ist bereits im Archiv der gespeicherten Spiele: %1; Datei &gt; Gespeicherte Spiele wiederherstellen holt es zurück.</translation>
    </message>
    <message>
        <location filename="../../src/storage/ScoutStore.cpp" line="436"/>
        <source> vs </source>
        <translation> gegen </translation>
    </message>
</context>
<context>
    <name>ServeMark</name>
    <message>
        <location filename="../../src/game/CourtMarks.cpp" line="21"/>
        <source>Serving: %1</source>
        <translation>Aufschlag: %1</translation>
    </message>
</context>
<context>
    <name>Sidelines</name>
    <message>
        <location filename="../../src/storage/Database.cpp" line="52"/>
        <source>The disk holding %1 is full: nothing more could be written to it. Make room on that disk, then try again.</source>
        <translation>Der Datenträger mit %1 ist voll: Es konnte nichts mehr darauf geschrieben werden. Schaffen Sie dort Platz und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="55"/>
        <source>The disk holding %1 is full (%2 free): nothing more could be written to it. Make room on that disk, then try again.</source>
        <translation>Der Datenträger mit %1 ist voll (%2 frei): Es konnte nichts mehr darauf geschrieben werden. Schaffen Sie dort Platz und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="70"/>
        <source>The database file %1 is no longer there: it was moved or deleted while Sidelines was running.</source>
        <translation>Die Datenbankdatei %1 ist nicht mehr vorhanden: Sie wurde verschoben oder gelöscht, während Sidelines lief.</translation>
    </message>
    <message>
        <location filename="../../src/storage/Database.cpp" line="84"/>
        <source>The statement that failed:</source>
        <translation>Die Anweisung, die fehlschlug:</translation>
    </message>
    <message>
        <location filename="../../src/widgets/mConstants.cpp" line="85"/>
        <location filename="../../src/widgets/mConstants.cpp" line="91"/>
        <source>Sidelines</source>
        <translation>Sidelines</translation>
    </message>
</context>
<context>
    <name>SidelinesStart</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="259"/>
        <source>Sidelines cannot create its data folder
%1</source>
        <translation>Sidelines kann seinen Datenordner nicht anlegen:
%1</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="235"/>
        <source>Sidelines is already running.

Its lock file
%1
is held by another process.</source>
        <translation>Sidelines läuft bereits.

Seine Sperrdatei
%1
wird von einem anderen Prozess gehalten.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="239"/>
        <source>Sidelines is already running.

Its lock file
%1
is held by process %2.</source>
        <translation>Sidelines läuft bereits.

Seine Sperrdatei
%1
wird von Prozess %2 gehalten.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="242"/>
        <source>Sidelines is already running.

Its lock file
%1
is held by process %2 on %3.</source>
        <translation>Sidelines läuft bereits.

Seine Sperrdatei
%1
wird von Prozess %2 auf %3 gehalten.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="278"/>
        <source>Sidelines cannot start: its lock file
%1
cannot be used: %2

Without it, a second copy of Sidelines could start on the same database and clear the matches this one records. When no other copy is running, remove or repair that file, then start Sidelines again.</source>
        <translation>Sidelines kann nicht starten: Seine Sperrdatei
%1
kann nicht verwendet werden: %2

Ohne sie könnte eine zweite Sidelines-Kopie mit derselben Datenbank starten und die Spiele löschen, die diese erfasst. Wenn keine andere Kopie läuft, entfernen oder reparieren Sie die Datei und starten Sie Sidelines erneut.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="299"/>
        <source>Sidelines cannot open its database
%1

%2</source>
        <translation>Sidelines kann seine Datenbank
%1
nicht öffnen.

%2</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="305"/>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="307"/>
        <source>Sidelines can read its database
%1
but cannot write to it: %2

The roster and the recorded matches can be looked at. Anything that stores (adding or changing, recording a match, making a report) will be refused until the file can be written.</source>
        <translation>Sidelines kann seine Datenbank
%1
lesen, aber nicht beschreiben: %2

Kader und erfasste Spiele lassen sich ansehen. Alles, was speichert (Hinzufügen oder Ändern, ein Spiel erfassen, einen Bericht erstellen), wird abgelehnt, bis die Datei beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>StatKind</name>
    <message>
        <location filename="../../src/base/StatKinds.h" line="45"/>
        <source>&amp;Attempt</source>
        <translation>&amp;Angriffsversuch</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="46"/>
        <source>Attempts</source>
        <translation>Angriffsversuche</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="46"/>
        <source>TA</source>
        <translation>AV</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="47"/>
        <source>total attacks</source>
        <translation>Angriffsversuche</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="47"/>
        <source>By Attempts</source>
        <translation>Nach Angriffsversuchen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="49"/>
        <source>&amp;Kill</source>
        <translation>Angriffspun&amp;kt</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="50"/>
        <source>Kills</source>
        <translation>Angriffspunkte</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="50"/>
        <source>K</source>
        <translation>AP</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="50"/>
        <source>kills</source>
        <translation>Angriffspunkte</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="51"/>
        <source>By Kills</source>
        <translation>Nach Angriffspunkten</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="52"/>
        <source>&amp;Error</source>
        <translation>Angriffsf&amp;ehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="53"/>
        <source>Errors</source>
        <translation>Angriffsfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="53"/>
        <source>E</source>
        <translation>AF</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="54"/>
        <source>attack errors</source>
        <translation>Angriffsfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="54"/>
        <source>By Errors</source>
        <translation>Nach Angriffsfehlern</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="56"/>
        <source>&amp;Pass</source>
        <translation>A&amp;nnahme</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="57"/>
        <source>PASS</source>
        <translation>ANN</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="57"/>
        <source>average pass rating (1 to 3)</source>
        <translation>mittlere Annahmenote (1 bis 3)</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="59"/>
        <source>&amp;Serve Ace</source>
        <translation>Aufschlag-A&amp;ss</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="60"/>
        <source>Serve Aces</source>
        <translation>Aufschlag-Asse</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="60"/>
        <source>SA</source>
        <translation>ASS</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="61"/>
        <source>service aces</source>
        <translation>Aufschlag-Asse</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="61"/>
        <source>By Service Aces</source>
        <translation>Nach Aufschlag-Assen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="63"/>
        <source>Serve E&amp;rror</source>
        <translation>Aufschlagfehle&amp;r</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="64"/>
        <source>Serve Errors</source>
        <translation>Aufschlagfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="64"/>
        <source>SE</source>
        <translation>AUF</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="65"/>
        <source>service errors</source>
        <translation>Aufschlagfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="65"/>
        <source>By Service Errors</source>
        <translation>Nach Aufschlagfehlern</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="67"/>
        <source>&amp;Dig</source>
        <translation>Fel&amp;dabwehr</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="68"/>
        <source>Digs</source>
        <translation>Feldabwehr</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="68"/>
        <source>DIG</source>
        <translation>FA</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="68"/>
        <source>digs</source>
        <translation>Feldabwehraktionen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="69"/>
        <source>By Digs</source>
        <translation>Nach Feldabwehr</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="71"/>
        <source>Re&amp;ceiving Error</source>
        <translation>Annahme&amp;fehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="71"/>
        <source>Receiving Errors</source>
        <translation>Annahmefehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="72"/>
        <source>RE</source>
        <translation>ANF</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="72"/>
        <source>receiving errors</source>
        <translation>Annahmefehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="73"/>
        <source>By Receiving Errors</source>
        <translation>Nach Annahmefehlern</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="74"/>
        <source>S&amp;olo Block</source>
        <translation>Einzelbl&amp;ock</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="75"/>
        <source>Solo Blocks</source>
        <translation>Einzelblöcke</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="75"/>
        <source>BS</source>
        <translation>EB</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="76"/>
        <source>solo blocks</source>
        <translation>Einzelblockpunkte</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="76"/>
        <source>By Solo Blocks</source>
        <translation>Nach Einzelblöcken</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="78"/>
        <source>&amp;Block Assist</source>
        <translation>&amp;Blockbeteiligung</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="79"/>
        <source>Blocking Assists</source>
        <translation>Blockbeteiligungen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="79"/>
        <source>BA</source>
        <translation>BB</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="80"/>
        <source>block assists</source>
        <translation>Blockbeteiligungen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="80"/>
        <source>By Block Assists</source>
        <translation>Nach Blockbeteiligungen</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="82"/>
        <source>B&amp;lock Error</source>
        <translation>B&amp;lockfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="83"/>
        <source>Blocking Errors</source>
        <translation>Blockfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="83"/>
        <source>BE</source>
        <translation>BF</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="84"/>
        <source>block errors</source>
        <translation>Blockfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="84"/>
        <source>By Block Errors</source>
        <translation>Nach Blockfehlern</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="87"/>
        <source>Ball &amp;Handling Error</source>
        <translation>Tec&amp;hnikfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="87"/>
        <source>Ball Handling Errors</source>
        <translation>Technikfehler</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="88"/>
        <source>BHE</source>
        <translation>TF</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="88"/>
        <source>ball-handling errors</source>
        <translation>Technikfehler (Ballführung)</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="90"/>
        <source>Se&amp;t Assist</source>
        <translation>&amp;Zuspiel zum Punkt</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="91"/>
        <source>Set Assists</source>
        <translation>Zuspiele zum Punkt</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="91"/>
        <source>AST</source>
        <translation>ZU</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="92"/>
        <source>set assists</source>
        <translation>Zuspiele zum Punkt</translation>
    </message>
    <message>
        <location filename="../../src/base/StatKinds.h" line="92"/>
        <source>By Set Assists</source>
        <translation>Nach Zuspielen zum Punkt</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <location filename="../../src/club/ClubRestore.cpp" line="294"/>
        <source>Not every chosen match came from the club server; nothing was restored.</source>
        <translation>Nicht jedes gewählte Spiel kam vom Vereinsserver; es wurde nichts wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>clsGame</name>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="26"/>
        <source>Took back a %1 Passing stat from </source>
        <translation>Annahme %1 zurückgenommen bei </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="26"/>
        <source>Added a %1 Passing stat to </source>
        <translation>Annahme %1 erfasst für </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="29"/>
        <source>Took back 1 %1 and 1 Attempt from </source>
        <translation>1 × %1 und 1 Angriffsversuch zurückgenommen bei </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="29"/>
        <source>Added 1 %1 and 1 Attempt to </source>
        <translation>1 × %1 und 1 Angriffsversuch erfasst für </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="34"/>
        <source>Took back 1 %1 from </source>
        <translation>1 × %1 zurückgenommen bei </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="34"/>
        <source>Added 1 %1 to </source>
        <translation>1 × %1 erfasst für </translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="52"/>
        <source>Unknown statistic: %1</source>
        <translation>Unbekannte Statistik: %1</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="64"/>
        <source>pass rated %1</source>
        <translation>Annahme mit Note %1</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="65"/>
        <source>Not taken back: %1 has no %2 to take back in this game.</source>
        <translation>Nicht zurückgenommen: %1 hat in diesem Satz keinen Eintrag „%2“ zum Zurücknehmen.</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="126"/>
        <source>You cannot have more than five games per match</source>
        <translation>Ein Spiel hat höchstens fünf Sätze</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="127"/>
        <location filename="../../src/game/clsGame.cpp" line="132"/>
        <source>Match</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="131"/>
        <source>You choose a best of 3 match. There can be no game 4.</source>
        <translation>Sie haben ein Spiel über höchstens 3 Sätze gewählt. Einen 4. Satz gibt es nicht.</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="117"/>
        <source>Are you sure you want to go to game %1?</source>
        <translation>Möchten Sie wirklich zu Satz %1 wechseln?</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="75"/>
        <source>Not recorded: %1</source>
        <translation>Nicht erfasst: %1</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="105"/>
        <source>%1 have won the match %2–%3. Go to game %4 anyway?</source>
        <translation>%1 hat das Spiel %2–%3 gewonnen. Trotzdem zu Satz %4 wechseln?</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="112"/>
        <source>Game %1 stands %2–%3 and is not decided. Go to game %4 anyway?</source>
        <translation>Satz %1 steht %2–%3 und ist nicht entschieden. Trotzdem zu Satz %4 wechseln?</translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="136"/>
        <source>New Game</source>
        <translation>Neuer Satz</translation>
    </message>
</context>
<context>
    <name>clsMatch</name>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="35"/>
        <source>This Team has no Players. Please use another team.</source>
        <translation>Dieses Team hat keine Spieler. Bitte wählen Sie ein anderes Team.</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="36"/>
        <source>Sidelines</source>
        <translation>Sidelines</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="46"/>
        <source>Please Choose the Home Team</source>
        <translation>Bitte wählen Sie das Heimteam</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="51"/>
        <source>Please Choose the Away Team</source>
        <translation>Bitte wählen Sie das Gastteam</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="135"/>
        <source>(deleted team)</source>
        <translation>(gelöschtes Team)</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="137"/>
        <source>%1 vs %2, game %3, %4–%5</source>
        <translation>%1 gegen %2, Satz %3, %4–%5</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="168"/>
        <source>%1, on %2</source>
        <translation>%1, am %2</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="171"/>
        <source>Every match is finished: there is none to continue.</source>
        <translation>Jedes Spiel ist abgeschlossen: Es gibt keines fortzusetzen.</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="172"/>
        <location filename="../../src/match/clsMatch.cpp" line="176"/>
        <location filename="../../src/match/clsMatch.cpp" line="248"/>
        <source>Continue Match</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="176"/>
        <source>Matches not finished, newest first</source>
        <translation>Nicht abgeschlossene Spiele, neueste zuerst</translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="246"/>
        <source>A match was being recorded when Sidelines last stopped: %1. Continue it?</source>
        <translation>Als Sidelines zuletzt anhielt, wurde gerade ein Spiel erfasst: %1. Fortsetzen?</translation>
    </message>
</context>
<context>
    <name>clsPlayer</name>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="16"/>
        <source>Choose Team that the Player is on</source>
        <translation>Team des Spielers wählen</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="26"/>
        <source>Number %1 is already worn by %2 of %3. Please give this player another number.</source>
        <translation>Die Nummer %1 trägt schon %2 von %3. Bitte geben Sie diesem Spieler eine andere Nummer.</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="28"/>
        <source>Player Number</source>
        <translation>Rückennummer</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="39"/>
        <source>Please Choose Team to Add to</source>
        <translation>Bitte wählen Sie das Team, dem der Spieler hinzugefügt werden soll</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="79"/>
        <source>Are you sure you would like to delete </source>
        <translation>Möchten Sie wirklich löschen: </translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="80"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="101"/>
        <source>&amp;Update</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="101"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>clsReport</name>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="99"/>
        <source>Loading the Report Wizard...</source>
        <translation>Berichts-Assistent wird geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="115"/>
        <source>Loading all the years...</source>
        <translation>Alle Jahre werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="118"/>
        <source>You do not have any saved Matches</source>
        <translation>Es gibt keine gespeicherten Spiele</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="119"/>
        <source>Matches</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="135"/>
        <source>All Dates</source>
        <translation>Alle Daten</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="147"/>
        <source>Loading all the matches...</source>
        <translation>Alle Spiele werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="76"/>
        <source>(deleted team)</source>
        <translation>(gelöschtes Team)</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="80"/>
        <source>%1 v %2, no game recorded</source>
        <translation>%1 gegen %2, kein Satz erfasst</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="91"/>
        <source>%1 unfinished</source>
        <translation>%1 nicht beendet</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="93"/>
        <source>%1 %2, %3 %4 (%5)</source>
        <translation>%1 %2, %3 %4 (%5)</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="165"/>
        <source>All Matches</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="174"/>
        <source>All Games</source>
        <translation>Alle Sätze</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="176"/>
        <location filename="../../src/reports/clsReport.cpp" line="186"/>
        <source>Loading the Game Options...</source>
        <translation>Satzauswahl wird geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="179"/>
        <location filename="../../src/reports/clsReport.cpp" line="191"/>
        <source>Game %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="205"/>
        <source>Loading all the teams...</source>
        <translation>Alle Teams werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="209"/>
        <source>All Teams</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="226"/>
        <source>Loading all the Players...</source>
        <translation>Alle Spieler werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="233"/>
        <source>All Players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="253"/>
        <source>All Positions</source>
        <translation>Alle Positionen</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="255"/>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="263"/>
        <source>By Teamname</source>
        <translation>Nach Teamname</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="264"/>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="265"/>
        <source>By Percentage</source>
        <translation>Nach Angriffseffizienz</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="284"/>
        <source>Creating the report...</source>
        <translation>Bericht wird erstellt...</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="304"/>
        <source>The report cannot be made: the figures of %1 are too large to add up. Correct or delete those records and try again.</source>
        <translation>Der Bericht kann nicht erstellt werden: Die Werte von %1 sind zu groß zum Addieren. Korrigieren oder löschen Sie diese Datensätze und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="312"/>
        <location filename="../../src/reports/clsReport.cpp" line="321"/>
        <source>Error Creating report please try again</source>
        <translation>Fehler beim Erstellen des Berichts, bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>clsTeam</name>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="42"/>
        <source>Please Choose the Team to Delete</source>
        <translation>Bitte wählen Sie das zu löschende Team</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="46"/>
        <source>Are you sure you would like to delete </source>
        <translation>Möchten Sie wirklich löschen: </translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="47"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="56"/>
        <source>Please Choose the Team to Update</source>
        <translation>Bitte wählen Sie das zu ändernde Team</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="63"/>
        <source>&amp;Update</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="63"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmClubServer</name>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="30"/>
        <source>Club Server</source>
        <translation>Vereinsserver</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="35"/>
        <source>a name, an address, or a socket folder</source>
        <translation>ein Name, eine Adresse oder ein Socket-Ordner</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="48"/>
        <source>needed for a server that is not on this computer</source>
        <translation>nötig für einen Server, der nicht auf diesem Computer läuft</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="52"/>
        <source>B&amp;rowse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="57"/>
        <source>Bench identifier: %1</source>
        <translation>Kennung der Bank: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="69"/>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="86"/>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="87"/>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="88"/>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="89"/>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="90"/>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="94"/>
        <source>C&amp;A certificate:</source>
        <translation>C&amp;A-Zertifikat:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="95"/>
        <source>&amp;Bench name:</source>
        <translation>&amp;Name der Bank:</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="141"/>
        <source>The Club Server&apos;s CA Certificate</source>
        <translation>CA-Zertifikat des Vereinsservers</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="142"/>
        <source>Certificates (*.crt *.pem *.cer);;All files (*)</source>
        <translation>Zertifikate (*.crt *.pem *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="151"/>
        <source>Name the club server&apos;s database and this bench&apos;s login role first.</source>
        <translation>Geben Sie zuerst die Datenbank des Vereinsservers und die Anmelderolle dieser Bank an.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="155"/>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="159"/>
        <source>Connecting to the club server...</source>
        <translation>Verbindung zum Vereinsserver wird hergestellt...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="163"/>
        <source>No connection: %1</source>
        <translation>Keine Verbindung: %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="166"/>
        <source>Connected to PostgreSQL %1 as %2.</source>
        <translation>Mit PostgreSQL %1 als %2 verbunden.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="169"/>
        <source>The club&apos;s tables are there, with %1 from %2.</source>
        <translation>Die Tabellen des Vereins sind vorhanden und enthalten %1 von %2.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="170"/>
        <source>1 match</source>
        <translation>1 Spiel</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="170"/>
        <source>%1 matches</source>
        <translation>%1 Spiele</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="171"/>
        <source>1 bench</source>
        <translation>1 Bank</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="171"/>
        <source>%1 benches</source>
        <translation>%1 Bänken</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="174"/>
        <source>The club&apos;s tables are not there, or %1 may not read them: set the database up with schema.sql and roles.sql (see the README).</source>
        <translation>Die Tabellen des Vereins sind nicht vorhanden, oder %1 darf sie nicht lesen: Richten Sie die Datenbank mit schema.sql und roles.sql ein (siehe README).</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmClubServer.cpp" line="200"/>
        <source>The system&apos;s key store cannot be reached (%1).

The password is kept only until Sidelines closes, and Sidelines will ask for it at each start.</source>
        <translation>Der Schlüsselbund des Systems ist nicht erreichbar (%1).

Das Passwort wird nur aufbewahrt, bis Sidelines beendet wird, und Sidelines fragt bei jedem Start danach.</translation>
    </message>
</context>
<context>
    <name>frmExportScout</name>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="20"/>
        <location filename="../../src/match/frmExportScout.cpp" line="91"/>
        <source>Export Scout File</source>
        <translation>Scout-Datei exportieren</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="25"/>
        <source>Recorded matches</source>
        <translation>Erfasste Spiele</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="59"/>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="99"/>
        <source>There are no recorded matches to export.</source>
        <translation>Es gibt keine erfassten Spiele zum Exportieren.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="119"/>
        <source>Scout files (*.dvw)</source>
        <translation>Scout-Dateien (*.dvw)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="141"/>
        <source>Writing the scout file...</source>
        <translation>Scout-Datei wird geschrieben...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="147"/>
        <source>Scout file written: %1</source>
        <translation>Scout-Datei geschrieben: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmExportScout.cpp" line="131"/>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="120"/>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="172"/>
        <source>Last entries</source>
        <translation>Letzte Einträge</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="225"/>
        <source>N&amp;ew Game</source>
        <translation>N&amp;euer Satz</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="139"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="226"/>
        <source>&amp;Rotate Home</source>
        <translation>Heim &amp;rotieren</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="133"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="227"/>
        <source>Score &amp;Home</source>
        <translation>Punkt &amp;Heim</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="106"/>
        <source>(no longer on the roster)</source>
        <translation>(nicht mehr im Kader)</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="133"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="228"/>
        <source>Score &amp;Away</source>
        <translation>Punkt G&amp;ast</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="139"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="229"/>
        <source>R&amp;otate Away</source>
        <translation>Gast r&amp;otieren</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="230"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="327"/>
        <source>E&amp;nd Match</source>
        <translation>Spiel bee&amp;nden</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="273"/>
        <source>Subtraction &amp;Mode</source>
        <translation>Korrektur&amp;modus</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="275"/>
        <source>Click on here to reverse any previous action</source>
        <translation>Hier klicken, um eine frühere Aktion zurückzunehmen</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="280"/>
        <source>SUBTRACTING</source>
        <translation>KORREKTUR</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="298"/>
        <source>Subtraction mode on: an action, point or rotation chosen now is taken back.</source>
        <translation>Korrekturmodus ein: Eine jetzt gewählte Aktion, ein Punkt oder eine Rotation wird zurückgenommen.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="299"/>
        <source>Subtraction mode off: recording again.</source>
        <translation>Korrekturmodus aus: Es wird wieder erfasst.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="310"/>
        <source>&amp;Game</source>
        <translation>&amp;Satz</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="312"/>
        <source>Go to N&amp;ext Game</source>
        <translation>Zum nächst&amp;en Satz</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="314"/>
        <source>&amp;Substitute</source>
        <translation>We&amp;chsel</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="316"/>
        <source>&amp;Undo Last</source>
        <translation>Letzten Eintrag z&amp;urücknehmen</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="321"/>
        <source>&amp;Timeout...</source>
        <translation>Aus&amp;zeit...</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="335"/>
        <source>&amp;Choose Player</source>
        <translation>Spieler &amp;wählen</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="338"/>
        <source>Left side zone %1</source>
        <translation>Linke Seite, Position %1</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="338"/>
        <source>Right side zone %1</source>
        <translation>Rechte Seite, Position %1</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="356"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="358"/>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGameLayout.cpp" line="385"/>
        <source>&amp;View Stats</source>
        <translation>S&amp;tatistik anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="121"/>
        <source>A player on court has no identifier.</source>
        <translation>Ein Spieler auf dem Feld hat keine Kennung.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="141"/>
        <source>A point for %1</source>
        <translation>Ein Punkt für %1</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="142"/>
        <source>Turns %1 one place</source>
        <translation>Rotiert %1 um eine Position</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="287"/>
        <source>L&amp;ibero Out</source>
        <translation>L&amp;ibero raus</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="287"/>
        <location filename="../../src/game/frmGameLayout.cpp" line="381"/>
        <source>L&amp;ibero In</source>
        <translation>L&amp;ibero rein</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="300"/>
        <location filename="../../src/game/frmGame.cpp" line="550"/>
        <source>There is no player in this box.</source>
        <translation>In diesem Feld steht kein Spieler.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="322"/>
        <source>There is no game under way to score.</source>
        <translation>Es läuft kein Satz, in dem gezählt werden könnte.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="340"/>
        <source>Not counted: this game is played to %1, won by two. &quot;Points per Game&quot; can be changed in the match options.</source>
        <translation>Nicht gezählt: Dieser Satz geht bis %1, mit zwei Punkten Vorsprung. „Punkte pro Satz“ lässt sich in den Spieloptionen ändern.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="344"/>
        <source>Not taken back: a score cannot go below 0.</source>
        <translation>Nicht zurückgenommen: Ein Spielstand kann nicht unter 0 fallen.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="348"/>
        <source>Not taken back: past %1 a score only comes back to within two points of the other side.</source>
        <translation>Nicht zurückgenommen: Über %1 geht ein Spielstand nur bis auf zwei Punkte an die andere Seite zurück.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="404"/>
        <source>%1 have taken 2 timeouts in this game. Record a third?</source>
        <translation>%1 hat in diesem Satz schon 2 Auszeiten genommen. Eine dritte erfassen?</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="405"/>
        <source>%1 have taken %2 timeouts in this game. Record another?</source>
        <translation>%1 hat in diesem Satz schon %2 Auszeiten genommen. Noch eine erfassen?</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="406"/>
        <source>Timeout</source>
        <translation>Auszeit</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="414"/>
        <source>Not recorded: %1</source>
        <translation>Nicht erfasst: %1</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="429"/>
        <source>Nothing to take back in this game.</source>
        <translation>In diesem Satz gibt es nichts zurückzunehmen.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="436"/>
        <source>Score %1–%2.</source>
        <translation>Spielstand %1–%2.</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="486"/>
        <source>%1 (taken back)</source>
        <translation>%1 (zurückgenommen)</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="512"/>
        <source>Score of %1: %2</source>
        <translation>Punkte %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="547"/>
        <source>Getting the Stats for </source>
        <translation>Statistik wird geholt für </translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="553"/>
        <source> Stats</source>
        <translation> – Statistik</translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="579"/>
        <source>End Match</source>
        <translation>Spiel beenden</translation>
    </message>
</context>
<context>
    <name>frmGameOptions</name>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="49"/>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="52"/>
        <source>How many games are included in this match?</source>
        <translation>Über wie viele Sätze geht dieses Spiel?</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="53"/>
        <source>Best of &amp;3</source>
        <translation>2 &amp;Gewinnsätze</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="54"/>
        <source>Best of &amp;5</source>
        <translation>&amp;3 Gewinnsätze</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="55"/>
        <source>Amount of Games</source>
        <translation>Anzahl der Sätze</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="58"/>
        <source>How many points win a game? The deciding game is always played to 15.</source>
        <translation>Wie viele Punkte gewinnen einen Satz? Der Entscheidungssatz geht immer bis 15.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="59"/>
        <source>&amp;15 Points</source>
        <translation>&amp;15 Punkte</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="60"/>
        <source>&amp;25 Points</source>
        <translation>&amp;25 Punkte</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="61"/>
        <source>Points per Game</source>
        <translation>Punkte pro Satz</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="64"/>
        <source>Which side of the court would you like to start the home team on?</source>
        <translation>Auf welcher Feldseite soll das Heimteam beginnen?</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="65"/>
        <source>&amp;Left Side</source>
        <translation>&amp;Linke Seite</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="66"/>
        <source>&amp;Right Side</source>
        <translation>&amp;Rechte Seite</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="67"/>
        <source>Side of Court</source>
        <translation>Feldseite</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="71"/>
        <source>Keeping Score</source>
        <translation>Zählweise</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="73"/>
        <source>Rotate on side-&amp;out</source>
        <translation>Bei Aufschlag&amp;wechsel rotieren</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="75"/>
        <source>Score from the &amp;deciding action</source>
        <translation>Punkt aus der &amp;entscheidenden Aktion</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="83"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="87"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmImportScout</name>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="46"/>
        <location filename="../../src/match/frmImportScout.cpp" line="285"/>
        <source>Import Scout File</source>
        <translation>Scout-Datei importieren</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="50"/>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="51"/>
        <source>Text &amp;encoding:</source>
        <translation>Zeichen&amp;kodierung:</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="85"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="89"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="165"/>
        <source>This file cannot be imported. %1</source>
        <translation>Diese Datei kann nicht importiert werden. %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="166"/>
        <source>This file cannot be imported: %1</source>
        <translation>Diese Datei kann nicht importiert werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="178"/>
        <source>Home: %1</source>
        <translation>Heim: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="178"/>
        <source>Visiting: %1</source>
        <translation>Gast: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="180"/>
        <source> (new team)</source>
        <translation> (neues Team)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="188"/>
        <source>#%1  %2</source>
        <translation>#%1  %2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="190"/>
        <source>  (new)</source>
        <translation>  (neu)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="196"/>
        <source>Date: %1, %2</source>
        <translation>Datum: %1, %2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="199"/>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="207"/>
        <source>This match is already among the recorded matches: %1.</source>
        <translation>Dieses Spiel ist bereits unter den erfassten Spielen: %1.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="295"/>
        <source>Scout files (*.dvw);;All files (*)</source>
        <translation>Scout-Dateien (*.dvw);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="315"/>
        <source>%1: the file is too large to be a scout file.</source>
        <translation>%1: Die Datei ist zu groß für eine Scout-Datei.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="327"/>
        <location filename="../../src/match/frmImportScout.cpp" line="338"/>
        <location filename="../../src/match/frmImportScout.cpp" line="355"/>
        <location filename="../../src/match/frmImportScout.cpp" line="357"/>
        <location filename="../../src/match/frmImportScout.cpp" line="359"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="342"/>
        <source>%1: the match is already among the recorded matches: %2.</source>
        <translation>%1: Das Spiel ist bereits unter den erfassten Spielen: %2.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="349"/>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="364"/>
        <source>Scout files imported: %1.</source>
        <translation>Importierte Scout-Dateien: %1.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="376"/>
        <source>Matches imported (%1):</source>
        <translation>Importierte Spiele (%1):</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="377"/>
        <source>New teams (%1):</source>
        <translation>Neue Teams (%1):</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="378"/>
        <source>New players (%1):</source>
        <translation>Neue Spieler (%1):</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="379"/>
        <source>Not imported (%1):</source>
        <translation>Nicht importiert (%1):</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="319"/>
        <source>%1: not a regular file</source>
        <translation>%1: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="323"/>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="204"/>
        <source>This match is already in the archive of saved matches: %1. File &gt; Restore Saved Matches brings it back.</source>
        <translation>Dieses Spiel ist bereits im Archiv der gespeicherten Spiele: %1. Datei &gt; Gespeicherte Spiele wiederherstellen holt es zurück.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="341"/>
        <source>%1: the match is already in the archive of saved matches: %2.</source>
        <translation>%1: Das Spiel ist bereits im Archiv der gespeicherten Spiele: %2.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmImportScout.cpp" line="200"/>
        <source>Sets: %1 (%2 first)</source>
        <translation>Sätze: %1 (%2 zuerst)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="50"/>
        <location filename="../../src/shell/frmMain.cpp" line="116"/>
        <source>&amp;Start Match</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="51"/>
        <location filename="../../src/shell/frmMain.cpp" line="115"/>
        <source>Add &amp;Player</source>
        <translation>S&amp;pieler hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="52"/>
        <location filename="../../src/shell/frmMain.cpp" line="114"/>
        <source>Add &amp;Team</source>
        <translation>&amp;Team hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="53"/>
        <source>Report &amp;Wiz</source>
        <translation>Ber&amp;icht</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="54"/>
        <location filename="../../src/shell/frmMain.cpp" line="128"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="66"/>
        <source>Sidelines 2.0</source>
        <translation>Sidelines 2.0</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="112"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="117"/>
        <source>&amp;Continue Match...</source>
        <translation>Spiel &amp;fortsetzen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="119"/>
        <source>Restore Saved &amp;Matches…</source>
        <translation>Gespeicherte Spiele wieder&amp;herstellen…</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="120"/>
        <source>&amp;Import Scout File...</source>
        <translation>Scout-Datei i&amp;mportieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="122"/>
        <source>Export Scout &amp;File...</source>
        <translation>Scout-Datei e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="124"/>
        <source>C&amp;lub Server...</source>
        <translation>&amp;Vereinsserver...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="125"/>
        <source>Se&amp;nd Matches to Club Server</source>
        <translation>Spie&amp;le an Vereinsserver senden</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="130"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="132"/>
        <source>E&amp;dit a Team</source>
        <translation>Team &amp;ändern</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="133"/>
        <source>Edit a P&amp;layer</source>
        <translation>Spieler ä&amp;ndern</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="134"/>
        <source>Delete &amp;Team</source>
        <translation>&amp;Team löschen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="135"/>
        <source>Delete &amp;Player</source>
        <translation>S&amp;pieler löschen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="137"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="139"/>
        <source>&amp;Match</source>
        <translation>Spiel&amp;übersicht</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="141"/>
        <source>&amp;Tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="143"/>
        <source>&amp;Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="145"/>
        <source>Report &amp;Wizard</source>
        <translation>Berichts-Ass&amp;istent</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="202"/>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="414"/>
        <source>Saving the matches to the archive...</source>
        <translation>Spiele werden im Archiv gesichert...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="423"/>
        <source>The recorded matches could not be saved to the archive %1 in the folder
%2

%3

Make room on that drive, or move %1 aside; nothing was cleared, and the matches are still in the database. Sidelines closes now.</source>
        <translation>Die erfassten Spiele konnten nicht im Archiv %1 im Ordner
%2
gesichert werden.

%3

Schaffen Sie Platz auf dem Laufwerk oder verschieben Sie %1; es wurde nichts gelöscht, die Spiele sind weiter in der Datenbank. Sidelines wird jetzt beendet.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="430"/>
        <source>The recorded matches could not be saved and cleared away: %1

Sidelines closes now; nothing was cleared, and the matches are still in the database.</source>
        <translation>Die erfassten Spiele konnten nicht gesichert und geleert werden: %1

Sidelines wird jetzt beendet; es wurde nichts gelöscht, die Spiele sind weiter in der Datenbank.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="440"/>
        <source>Are you sure you would like to leave Sidelines?

Your recorded matches are saved to the archive and cleared from the working tables.</source>
        <translation>Möchten Sie Sidelines wirklich beenden?

Ihre erfassten Spiele werden im Archiv gesichert und aus den Arbeitstabellen entfernt.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="427"/>
        <location filename="../../src/shell/frmMain.cpp" line="433"/>
        <location filename="../../src/shell/frmMain.cpp" line="442"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmMatch</name>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="13"/>
        <source>Match Listing</source>
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="13"/>
        <source>Recorded matches</source>
        <translation>Erfasste Spiele</translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="59"/>
        <source>Loading all the matches...</source>
        <translation>Alle Spiele werden geladen...</translation>
    </message>
</context>
<context>
    <name>frmPickPlayer</name>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="10"/>
        <source>List of Players for you to choose from</source>
        <translation>Liste der Spieler zur Auswahl</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="13"/>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="33"/>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="25"/>
        <source>Loading all the Players...</source>
        <translation>Alle Spieler werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="33"/>
        <source>There are no Players on this team.</source>
        <translation>Dieses Team hat keine Spieler.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="50"/>
        <source>Please Choose a Player Name.</source>
        <translation>Bitte wählen Sie einen Spieler.</translation>
    </message>
</context>
<context>
    <name>frmPickTeam</name>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="10"/>
        <source>List of Teams for you to choose from</source>
        <translation>Liste der Teams zur Auswahl</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="13"/>
        <location filename="../../src/roster/frmPickTeam.cpp" line="36"/>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="20"/>
        <source>TEAM ID: </source>
        <translation>TEAM-KENNUNG: </translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="27"/>
        <source>Loading all the Teams...</source>
        <translation>Alle Teams werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="36"/>
        <source>There are no teams loaded.</source>
        <translation>Es sind keine Teams vorhanden.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="59"/>
        <source>Please Choose a Team Name.</source>
        <translation>Bitte wählen Sie ein Team.</translation>
    </message>
</context>
<context>
    <name>frmPlayer</name>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="14"/>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="16"/>
        <source>Player&apos;s Number:</source>
        <translation>Rückennummer:</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="25"/>
        <source>Player&apos;s Name:</source>
        <translation>Name des Spielers:</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="37"/>
        <source>Add Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="37"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="61"/>
        <source>Please fill in the Player&apos;s Number.</source>
        <translation>Bitte geben Sie die Rückennummer ein.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="62"/>
        <location filename="../../src/roster/frmPlayer.cpp" line="79"/>
        <source>Player Number</source>
        <translation>Rückennummer</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="68"/>
        <source>Please fill in the Player&apos;s Name.</source>
        <translation>Bitte geben Sie den Namen des Spielers ein.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="69"/>
        <location filename="../../src/roster/frmPlayer.cpp" line="87"/>
        <location filename="../../src/roster/frmPlayer.cpp" line="91"/>
        <source>Player&apos;s Name</source>
        <translation>Name des Spielers</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="78"/>
        <source>The Player&apos;s Number must be a whole number from 0 to 99.</source>
        <translation>Die Rückennummer muss eine ganze Zahl von 0 bis 99 sein.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="86"/>
        <source>A name cannot hold tabs, line breaks or other control characters.</source>
        <translation>Ein Name darf keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="93"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="97"/>
        <source>Year and Month</source>
        <translation>Jahr und Monat</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="98"/>
        <source>Please choose the Date(s) from which you would like to view the stats.</source>
        <translation>Bitte wählen Sie das Datum oder den Zeitraum der Statistik.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="101"/>
        <source>&amp;Thru</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="107"/>
        <source>Match and Stat</source>
        <translation>Spiel und Satz</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="109"/>
        <source>Please choose the Match in which you would like to view</source>
        <translation>Bitte wählen Sie das Spiel, das Sie sehen möchten</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="114"/>
        <source>Please choose the Game(s) that you would like to see.</source>
        <translation>Bitte wählen Sie den Satz oder die Sätze, die Sie sehen möchten.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="117"/>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="118"/>
        <source>Please choose the Team(s) for which you would like to see the stats. </source>
        <translation>Bitte wählen Sie das oder die Teams für die Statistik. </translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="122"/>
        <source>Player and Position</source>
        <translation>Spieler und Position</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="123"/>
        <source>Please choose the Player for which you would like to see the stats.</source>
        <translation>Bitte wählen Sie den Spieler für die Statistik.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="126"/>
        <source>Please choose the Position which you would like to view.</source>
        <translation>Bitte wählen Sie die Position, die Sie sehen möchten.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="129"/>
        <source>&amp;Show all Positions Seperate </source>
        <translation>Positionen &amp;getrennt zeigen </translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="133"/>
        <source>Please choose the order in which you would like to view the stats.</source>
        <translation>Bitte wählen Sie die Reihenfolge der Statistik.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="137"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="138"/>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="139"/>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="140"/>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="279"/>
        <source>All Dates</source>
        <translation>Alle Daten</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="285"/>
        <source> thru </source>
        <translation> bis </translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="313"/>
        <location filename="../../src/reports/frmReport.cpp" line="342"/>
        <source>You cannot have a second date if you choose All Dates</source>
        <translation>Mit „Alle Daten“ gibt es kein zweites Datum</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="320"/>
        <source>Please choose the second date</source>
        <translation>Bitte wählen Sie das zweite Datum</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="325"/>
        <source>The second date must be greater than the first</source>
        <translation>Das zweite Datum muss nach dem ersten liegen</translation>
    </message>
</context>
<context>
    <name>frmReportView</name>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="89"/>
        <source>Report - </source>
        <translation>Bericht – </translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="92"/>
        <source>Report preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="104"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="106"/>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="108"/>
        <source>Save as &amp;Web Page...</source>
        <translation>Als &amp;Webseite speichern...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="110"/>
        <source>Export &amp;CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="112"/>
        <source>Export &amp;MaxPreps...</source>
        <translation>&amp;MaxPreps exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="114"/>
        <source>Export &amp;Team Numbers...</source>
        <translation>&amp;Teamwerte exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="116"/>
        <source>Export &amp;Rallies...</source>
        <translation>&amp;Ballwechsel exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="122"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="216"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="230"/>
        <source>The report could not be saved as %1: %2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="243"/>
        <source>The report could not be saved as %1.</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="282"/>
        <source>The rallies could not be read from the database: %1</source>
        <translation>Die Ballwechsel konnten nicht aus der Datenbank gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="304"/>
        <source>The report could not be exported: the figures of %1 are too large to add up.</source>
        <translation>Der Bericht konnte nicht exportiert werden: Die Werte von %1 sind zu groß zum Addieren.</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="315"/>
        <source>MaxPreps reads one team from a file, so a file was written for each team in %1:
%2</source>
        <translation>MaxPreps liest ein Team je Datei, daher wurde für jedes Team eine Datei in %1 geschrieben:
%2</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="326"/>
        <source>The report could not be exported to %1: %2</source>
        <translation>Der Bericht konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="348"/>
        <source>Sidelines report</source>
        <translation>Sidelines-Bericht</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="361"/>
        <source>These files already exist:
%1
Do you want to replace them?</source>
        <translation>Diese Dateien existieren bereits:
%1
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="376"/>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="385"/>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="385"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="393"/>
        <source>Save Report as Web Page</source>
        <translation>Bericht als Webseite speichern</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="393"/>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="401"/>
        <source>Export Report as CSV</source>
        <translation>Bericht als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="401"/>
        <location filename="../../src/reports/frmReportView.cpp" line="421"/>
        <location filename="../../src/reports/frmReportView.cpp" line="430"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="421"/>
        <source>Export Team Numbers as CSV</source>
        <translation>Teamwerte als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="422"/>
        <source>Sidelines team numbers</source>
        <translation>Sidelines-Teamwerte</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="430"/>
        <source>Export Rallies as CSV</source>
        <translation>Ballwechsel als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="431"/>
        <source>Sidelines rallies</source>
        <translation>Sidelines-Ballwechsel</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="317"/>
        <location filename="../../src/reports/frmReportView.cpp" line="412"/>
        <source>Export Report for MaxPreps</source>
        <translation>Bericht für MaxPreps exportieren</translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="412"/>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="31"/>
        <location filename="../../src/match/frmRestore.cpp" line="191"/>
        <source>Restore Saved Matches</source>
        <translation>Gespeicherte Spiele wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="34"/>
        <source>&amp;This computer</source>
        <translation>&amp;Dieser Computer</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="36"/>
        <source>&amp;Club server</source>
        <translation>&amp;Vereinsserver</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="41"/>
        <source>Matches saved on:</source>
        <translation>Spiele gespeichert auf:</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="51"/>
        <source>Saved matches</source>
        <translation>Gespeicherte Spiele</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="52"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="89"/>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="100"/>
        <source>The club server&apos;s matches cannot be listed: %1</source>
        <translation>Die Spiele des Vereinsservers können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="147"/>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="195"/>
        <source>Loading the saved matches...</source>
        <translation>Gespeicherte Spiele werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="204"/>
        <source>Loading the club server&apos;s matches...</source>
        <translation>Spiele des Vereinsservers werden geladen...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="210"/>
        <source>There are no saved matches yet. The recorded matches are saved each time you leave Sidelines.</source>
        <translation>Es gibt noch keine gespeicherten Spiele. Die erfassten Spiele werden bei jedem Beenden von Sidelines gesichert.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="224"/>
        <source>Restoring the matches from the club server...</source>
        <translation>Die Spiele werden vom Vereinsserver wiederhergestellt...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="228"/>
        <source>Restoring the saved matches...</source>
        <translation>Gespeicherte Spiele werden wiederhergestellt...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="231"/>
        <source>Saved matches restored: %1.</source>
        <translation>Gespeicherte Spiele wiederhergestellt: %1.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="246"/>
        <source>These matches are already among the recorded matches and were left as they are:
</source>
        <translation>Diese Spiele sind bereits unter den erfassten Spielen und wurden belassen:
</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="54"/>
        <source>Splash</source>
        <translation>Startbild</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="79"/>
        <source>Volleyball statistics from the bench</source>
        <translation>Volleyball-Statistik von der Bank</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="81"/>
        <source>Keep your roster, record every rally live and print a report for each player.</source>
        <translation>Kader pflegen, jeden Ballwechsel live erfassen und für jeden Spieler einen Bericht drucken.</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="92"/>
        <source>Sidelines Volleyball Software</source>
        <translation>Sidelines Volleyball-Software</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="154"/>
        <source>for Windows 95</source>
        <translation>für Windows 95</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="155"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmStarters</name>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="48"/>
        <source>Starters</source>
        <translation>Aufstellung</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="101"/>
        <location filename="../../src/match/frmStartersLayout.cpp" line="104"/>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="102"/>
        <location filename="../../src/match/frmStartersLayout.cpp" line="105"/>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="103"/>
        <location filename="../../src/match/frmStartersLayout.cpp" line="106"/>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="109"/>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="109"/>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="114"/>
        <source>Move the selected players into the starting line-up</source>
        <translation>Die gewählten Spieler in die Startaufstellung übernehmen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="116"/>
        <source>Take the selected starters back to the bench</source>
        <translation>Die gewählten Starter zurück auf die Bank</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="118"/>
        <source>Take every starter back to the bench</source>
        <translation>Alle Starter zurück auf die Bank</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="122"/>
        <source>Home: move into the starting order</source>
        <translation>Heim: in die Aufstellung übernehmen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="123"/>
        <source>Home: back to the players</source>
        <translation>Heim: zurück zu den Spielern</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="124"/>
        <source>Home: every starter back to the players</source>
        <translation>Heim: alle Starter zurück zu den Spielern</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="125"/>
        <source>Away: move into the starting order</source>
        <translation>Gast: in die Aufstellung übernehmen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="126"/>
        <source>Away: back to the players</source>
        <translation>Gast: zurück zu den Spielern</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="127"/>
        <source>Away: every starter back to the players</source>
        <translation>Gast: alle Starter zurück zu den Spielern</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="128"/>
        <source>Home: starter up</source>
        <translation>Heim: Starter nach oben</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="129"/>
        <source>Home: starter down</source>
        <translation>Heim: Starter nach unten</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="130"/>
        <source>Away: starter up</source>
        <translation>Gast: Starter nach oben</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="131"/>
        <source>Away: starter down</source>
        <translation>Gast: Starter nach unten</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="133"/>
        <source>Home players</source>
        <translation>Heimspieler</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="134"/>
        <source>Home starting order</source>
        <translation>Heim-Aufstellung</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="135"/>
        <source>Away players</source>
        <translation>Gastspieler</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="136"/>
        <source>Away starting order</source>
        <translation>Gast-Aufstellung</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="137"/>
        <source>Home places</source>
        <translation>Heim-Positionen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="138"/>
        <source>Away places</source>
        <translation>Gast-Positionen</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="147"/>
        <source>&amp;Go To Game</source>
        <translation>Zum &amp;Satz</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="159"/>
        <source>Home libero</source>
        <translation>Libero Heim</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="159"/>
        <source>Away libero</source>
        <translation>Libero Gast</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="171"/>
        <source>&amp;Libero:</source>
        <translation>&amp;Libero:</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="171"/>
        <source>L&amp;ibero:</source>
        <translation>L&amp;ibero:</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="178"/>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="178"/>
        <source>Pla&amp;yers</source>
        <translation>Spi&amp;eler</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="179"/>
        <source>Starting &amp;order</source>
        <translation>&amp;Aufstellung</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="179"/>
        <source>Starting orde&amp;r</source>
        <translation>Aufs&amp;tellung</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="231"/>
        <source>First serve:</source>
        <translation>Erster Aufschlag:</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="235"/>
        <source>&amp;Home serves first</source>
        <translation>&amp;Heim schlägt auf</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="235"/>
        <source>&amp;Away serves first</source>
        <translation>&amp;Gast schlägt auf</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="113"/>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="130"/>
        <source>The libero comes on by her own key on the court (I), not by a substitution.</source>
        <translation>Der Libero kommt mit seiner eigenen Taste auf dem Spielfeld (I) aufs Feld, nicht durch einen Wechsel.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="131"/>
        <source>The libero leaves the court by her own key on the court (I), not by a substitution.</source>
        <translation>Der Libero verlässt das Feld mit seiner eigenen Taste auf dem Spielfeld (I), nicht durch einen Wechsel.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="134"/>
        <source>This player is off for the libero and comes back by the libero&apos;s key on the court (I).</source>
        <translation>Dieser Spieler ist für den Libero draußen und kommt mit der Libero-Taste auf dem Spielfeld (I) zurück.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="148"/>
        <location filename="../../src/match/frmStarters.cpp" line="186"/>
        <source>Libero</source>
        <translation>Libero</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="164"/>
        <source>You can only have six Players.</source>
        <translation>Es können nur sechs Spieler starten.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="164"/>
        <location filename="../../src/match/frmStarters.cpp" line="281"/>
        <source>Six Players</source>
        <translation>Sechs Spieler</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="178"/>
        <source>You can only choose one Player at a time.</source>
        <translation>Sie können nur einen Spieler auf einmal wählen.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="178"/>
        <source>One</source>
        <translation>Einer</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="266"/>
        <source>Setting up the Home Starters...</source>
        <translation>Heim-Aufstellung wird vorbereitet...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="266"/>
        <source>Setting up the Away Starters...</source>
        <translation>Gast-Aufstellung wird vorbereitet...</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="280"/>
        <source>Please fill in six players for each team.</source>
        <translation>Bitte stellen Sie für jedes Team sechs Spieler auf.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="285"/>
        <source>Game %1: substitution under way. One player out with &quot;&lt;&quot;, one in with &quot;&gt;&quot;.</source>
        <translation>Satz %1: Wechsel läuft. Ein Spieler raus mit „&lt;“, einer rein mit „&gt;“.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStartersLayout.cpp" line="286"/>
        <source>Game %1: choose six starters for each team, in their order.</source>
        <translation>Satz %1: Wählen Sie für jedes Team sechs Starter in ihrer Reihenfolge.</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="373"/>
        <source>Are you sure you would like to cancel this Match?</source>
        <translation>Möchten Sie dieses Spiel wirklich abbrechen?</translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="374"/>
        <source>End Match</source>
        <translation>Spiel beenden</translation>
    </message>
</context>
<context>
    <name>frmTeam</name>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="14"/>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="16"/>
        <source>Team Name:</source>
        <translation>Teamname:</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="26"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="46"/>
        <source>Please fill in the Team Name.</source>
        <translation>Bitte geben Sie den Teamnamen ein.</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="47"/>
        <location filename="../../src/roster/frmTeam.cpp" line="53"/>
        <location filename="../../src/roster/frmTeam.cpp" line="57"/>
        <source>Team Name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="52"/>
        <source>A name cannot hold tabs, line breaks or other control characters.</source>
        <translation>Ein Name darf keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>frmTimeout</name>
    <message>
        <location filename="../../src/game/frmTimeout.cpp" line="15"/>
        <source>Timeout</source>
        <translation>Auszeit</translation>
    </message>
    <message>
        <location filename="../../src/game/frmTimeout.cpp" line="18"/>
        <source>Which side takes the timeout?
Home: %1
Away: %2</source>
        <translation>Welche Seite nimmt die Auszeit?
Heim: %1
Gast: %2</translation>
    </message>
    <message>
        <location filename="../../src/game/frmTimeout.cpp" line="30"/>
        <source>&amp;Home</source>
        <translation>&amp;Heim</translation>
    </message>
    <message>
        <location filename="../../src/game/frmTimeout.cpp" line="31"/>
        <source>&amp;Away</source>
        <translation>&amp;Gast</translation>
    </message>
    <message>
        <location filename="../../src/game/frmTimeout.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="33"/>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="66"/>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="99"/>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="104"/>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="107"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="148"/>
        <source>That the </source>
        <translation>Dass die Datei </translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="148"/>
        <source> file was not found? </source>
        <translation> nicht gefunden wurde? </translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="149"/>
        <source>Create a text file named </source>
        <translation>Legen Sie eine Textdatei namens </translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="150"/>
        <source> using NotePad with 1 tip per line. </source>
        <translation> mit einem Texteditor an, mit 1 Tipp pro Zeile. </translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="151"/>
        <source>Then place it in the same directory as the application. </source>
        <translation>Legen Sie sie dann in denselben Ordner wie das Programm. </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main.cpp" line="40"/>
        <source>Volleyball statistics from the bench. Started without arguments, Sidelines opens its main window.</source>
        <translation>Volleyball-Statistik von der Bank. Ohne Argumente gestartet, öffnet Sidelines sein Hauptfenster.</translation>
    </message>
    <message>
        <location filename="../../src/main.cpp" line="44"/>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <location filename="../../src/main.cpp" line="53"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
</TS>
