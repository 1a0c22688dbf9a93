<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CProgressBar</name>
    <message>
        <location filename="../../src/core/CProgressBar.cpp" line="28"/>
        <source>Canvas property must be of type PictureBox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/CProgressBar.cpp" line="45"/>
        <source>Min property must be less than Max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/CProgressBar.cpp" line="55"/>
        <source>Max property must be greater than Min.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataPlaces</name>
    <message>
        <location filename="../../src/core/DataPlace.cpp" line="48"/>
        <source>Sidelines cannot keep its database beside the program in
%1
because that folder cannot be written, and no database template was installed in
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/DataPlace.cpp" line="84"/>
        <source>Sidelines cannot create its data folder
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/DataPlace.cpp" line="97"/>
        <source>Sidelines cannot copy the empty database
%1
to
%2

%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../../src/core/Database.cpp" line="32"/>
        <source>The database did not accept the statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="124"/>
        <source>It needs an upgrade, and the copy kept before upgrading could not be written as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="141"/>
        <source>It could not be upgraded from database version %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="156"/>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="161"/>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="179"/>
        <source>It is not a Sidelines database: the table %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="187"/>
        <source>It was written by a newer Sidelines (database version %1); this Sidelines reads database version %2 and older.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="273"/>
        <source>The schema is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="304"/>
        <source>The file already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="352"/>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="373"/>
        <source>%1 is not a Sidelines database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="382"/>
        <source>%1 was written by a newer Sidelines (database version %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="390"/>
        <source>%1 needs an upgrade, and the copy kept before upgrading could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchCaption</name>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="9"/>
        <source>(deleted team)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="10"/>
        <source> vs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="11"/>
        <source> on </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchSession</name>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="24"/>
        <source>Setting up the Home Team...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/MatchSession.cpp" line="25"/>
        <source>Setting up the Away Team...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchStore</name>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="55"/>
        <source>There is no game under way to put the players on court in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="61"/>
        <source>A player on court has no identifier.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <location filename="../../src/game/PlayerStats.cpp" line="11"/>
        <source>Percentage = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordId</name>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="51"/>
        <source>team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="53"/>
        <source>player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="55"/>
        <source>match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="57"/>
        <source>game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="61"/>
        <source>action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/RecordId.cpp" line="187"/>
        <source>No new %1 can be stored: the newest %1 in the database has the identifier %2, the last date and time an identifier can hold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportData</name>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="32"/>
        <source>Team Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="41"/>
        <source>the totals of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="74"/>
        <source>Player Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="115"/>
        <source>Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="116"/>
        <source>court position (zones n and n+6 together)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="117"/>
        <source>GP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="118"/>
        <source>games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="123"/>
        <source>PCT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="124"/>
        <source>hitting percentage (K-E)/TA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="126"/>
        <source>PTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="127"/>
        <source>points K + SA + BS + ½ BA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="224"/>
        <source>Dates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="225"/>
        <source>Match:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="227"/>
        <source>Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="228"/>
        <source>Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="229"/>
        <source>Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="230"/>
        <source>Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="231"/>
        <source>Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="233"/>
        <source> (positions apart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="234"/>
        <source> (positions together)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="235"/>
        <source>Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="252"/>
        <source>No statistics were recorded for these choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="339"/>
        <location filename="../../src/reports/ReportData.cpp" line="392"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="339"/>
        <location filename="../../src/reports/ReportData.cpp" line="391"/>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="391"/>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterChooser</name>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="88"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="88"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="142"/>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="149"/>
        <source>&quot;%1&quot; cannot be chosen: its identifier &quot;%2&quot; is not a date and time written as YYYY-MM-DD HH:MM:SS, so Sidelines cannot tell which record it is. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="168"/>
        <source>&quot;%1&quot; cannot be chosen: %2 records share its identifier &quot;%3&quot;, so Sidelines cannot tell them apart. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sidelines</name>
    <message>
        <location filename="../../src/core/mConstants.cpp" line="126"/>
        <source>The database file %1 is no longer there: it was moved or deleted while Sidelines was running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/mConstants.cpp" line="138"/>
        <location filename="../../src/core/mConstants.cpp" line="143"/>
        <source>Sidelines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidelinesStart</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="202"/>
        <source>Sidelines cannot create its data folder
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="223"/>
        <source>Sidelines is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="237"/>
        <source>Sidelines cannot open its database
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="243"/>
        <source>Database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="245"/>
        <source>Sidelines can read its database
%1
but cannot write to it: %2

The roster and the recorded matches can be looked at. Anything that stores (adding or changing, recording a match, making a report) will be refused until the file can be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsGame</name>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="23"/>
        <source>Subtracted a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="23"/>
        <source>Added a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="24"/>
        <source> Passing stat to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="26"/>
        <location filename="../../src/game/clsGame.cpp" line="31"/>
        <source>Subtracted 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="26"/>
        <location filename="../../src/game/clsGame.cpp" line="31"/>
        <source>Added 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="27"/>
        <source> and 1 Attempt to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="31"/>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="49"/>
        <source>Unknown statistic: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="64"/>
        <source>You cannot have more than five games per match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="65"/>
        <location filename="../../src/game/clsGame.cpp" line="70"/>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="69"/>
        <source>You choose a best of 3 match. There can be no game 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="73"/>
        <source>Are you sure you want to go to game %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/clsGame.cpp" line="74"/>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsMatch</name>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="30"/>
        <source>This Team has no Players. Please use another team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="31"/>
        <source>Sidelines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="41"/>
        <source>Please Choose the Home Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/clsMatch.cpp" line="45"/>
        <source>Please Choose the Away Team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsPlayer</name>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="14"/>
        <source>Choose Team that the Player is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="28"/>
        <source>Please Choose Team to Add to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="56"/>
        <source>Are you sure you would like to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="57"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="74"/>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="74"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsReport</name>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="94"/>
        <source>Loading the Report Wizard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="110"/>
        <source>Loading all the years...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="113"/>
        <source>You do not have any saved Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="114"/>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="130"/>
        <source>All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="142"/>
        <source>Loading all the matches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="76"/>
        <source>(deleted team)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="87"/>
        <source>%1 v %2, no game recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="88"/>
        <source>%1 %2, %3 %4 (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="159"/>
        <source>All Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="168"/>
        <source>All Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="170"/>
        <location filename="../../src/reports/clsReport.cpp" line="180"/>
        <source>Loading the Game Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="173"/>
        <location filename="../../src/reports/clsReport.cpp" line="185"/>
        <source>Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="199"/>
        <source>Loading all the teams...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="203"/>
        <source>All Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="220"/>
        <source>Loading all the Players...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="227"/>
        <source>All Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="247"/>
        <source>All Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="249"/>
        <source>Position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="257"/>
        <source>By Teamname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="258"/>
        <source>By Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="259"/>
        <source>By Percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="278"/>
        <source>Creating the report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="291"/>
        <source>The report cannot be made: the figures of %1 are too large to add up. Correct or delete those records and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="299"/>
        <location filename="../../src/reports/clsReport.cpp" line="308"/>
        <source>Error Creating report please try again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsTeam</name>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="40"/>
        <source>Please Choose the Team to Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="44"/>
        <source>Are you sure you would like to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="45"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="54"/>
        <source>Please Choose the Team to Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="61"/>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="61"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="329"/>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="436"/>
        <source>N&amp;ew Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="437"/>
        <location filename="../../src/game/frmGame.cpp" line="783"/>
        <source>&amp;Rotate Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="438"/>
        <location filename="../../src/game/frmGame.cpp" line="780"/>
        <source>Score &amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="439"/>
        <location filename="../../src/game/frmGame.cpp" line="780"/>
        <source>Score &amp;Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="440"/>
        <location filename="../../src/game/frmGame.cpp" line="783"/>
        <source>R&amp;otate Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="441"/>
        <location filename="../../src/game/frmGame.cpp" line="523"/>
        <source>E&amp;nd Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="482"/>
        <source>Subtraction &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="484"/>
        <source>Click on here to reverse any previous action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="489"/>
        <source>SUBTRACTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="516"/>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="518"/>
        <source>Go to N&amp;ext Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="520"/>
        <source>&amp;Substitute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="531"/>
        <source>&amp;Choose Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="534"/>
        <source>Left side zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="534"/>
        <source>Right side zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="552"/>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="572"/>
        <source>&amp;View Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="879"/>
        <location filename="../../src/game/frmGame.cpp" line="967"/>
        <source>There is no player in this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="904"/>
        <source>There is no game under way to score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="906"/>
        <source>The point was not stored: this game is not in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="919"/>
        <source>Not counted: this game is played to %1, won by two. &quot;Points per Game&quot; can be changed in the match options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="923"/>
        <source>Not taken back: a score cannot go below 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="927"/>
        <source>Not taken back: past %1 a score only comes back to within two points of the other side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="943"/>
        <source>Rotating Home...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="943"/>
        <source>Rotating Away...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="964"/>
        <source>Getting the Stats for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="970"/>
        <source> Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="995"/>
        <source>Are you sure you would like to end the Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="996"/>
        <source>End Match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGameOptions</name>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="48"/>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="51"/>
        <source>How many games are included in this match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="52"/>
        <source>Best of &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="53"/>
        <source>Best of &amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="54"/>
        <source>Amount of Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="57"/>
        <source>How many points win a game? The deciding game is always played to 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="58"/>
        <source>&amp;15 Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="59"/>
        <source>&amp;25 Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="60"/>
        <source>Points per Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="63"/>
        <source>Which side of the court would you like to start the home team on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="64"/>
        <source>&amp;Left Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="65"/>
        <source>&amp;Right Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="66"/>
        <source>Side of Court</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="68"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmGameOptions.cpp" line="72"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="45"/>
        <location filename="../../src/shell/frmMain.cpp" line="112"/>
        <source>&amp;Start Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="46"/>
        <location filename="../../src/shell/frmMain.cpp" line="111"/>
        <source>Add &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="47"/>
        <location filename="../../src/shell/frmMain.cpp" line="110"/>
        <source>Add &amp;Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="48"/>
        <source>Report &amp;Wiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="49"/>
        <location filename="../../src/shell/frmMain.cpp" line="116"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="61"/>
        <source>Sidelines 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="108"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="113"/>
        <source>Restore Saved &amp;Matches…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="118"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="120"/>
        <source>E&amp;dit a Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="121"/>
        <source>Edit a P&amp;layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="122"/>
        <source>Delete &amp;Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="123"/>
        <source>Delete &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="125"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="127"/>
        <source>&amp;Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="129"/>
        <source>&amp;Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="131"/>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="133"/>
        <source>Report &amp;Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="378"/>
        <source>Saving the matches to the archive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="382"/>
        <source>The recorded matches could not be saved and cleared away: %1

Sidelines closes now; nothing was cleared, and the matches are still in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="385"/>
        <location filename="../../src/shell/frmMain.cpp" line="393"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="392"/>
        <source>Are you sure you would like to leave Sidelines?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMatch</name>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="14"/>
        <source>Match Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="20"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="24"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="48"/>
        <source>Loading all the matches...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPickPlayer</name>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="10"/>
        <source>List of Players for you to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="13"/>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="33"/>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="25"/>
        <source>Loading all the Players...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="33"/>
        <source>There are no Players on this team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickPlayer.cpp" line="50"/>
        <source>Please Choose a Player Name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPickTeam</name>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="10"/>
        <source>List of Teams for you to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="13"/>
        <location filename="../../src/roster/frmPickTeam.cpp" line="36"/>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="20"/>
        <source>TEAM ID: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="27"/>
        <source>Loading all the Teams...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="36"/>
        <source>There are no teams loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPickTeam.cpp" line="49"/>
        <source>Please Choose a Team Name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPlayer</name>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="14"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="16"/>
        <source>Player&apos;s Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="25"/>
        <source>Player&apos;s Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="37"/>
        <source>Add Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="37"/>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="58"/>
        <source>Please fill in the Player&apos;s Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="59"/>
        <location filename="../../src/roster/frmPlayer.cpp" line="75"/>
        <source>Player Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="64"/>
        <source>Please fill in the Player&apos;s Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="65"/>
        <location filename="../../src/roster/frmPlayer.cpp" line="83"/>
        <source>Player&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="74"/>
        <source>The Player&apos;s Number must be a whole number from 0 to 99.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="82"/>
        <source>A name cannot hold tabs, line breaks or other control characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="67"/>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="71"/>
        <source>Year and Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="72"/>
        <source>Please choose the Date(s) from which you would like to view the stats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="75"/>
        <source>&amp;Thru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="81"/>
        <source>Match and Stat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="82"/>
        <source>Please choose the Match in which you would like to view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="86"/>
        <source>Please choose the Game(s) that you would like to see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="89"/>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="90"/>
        <source>Please choose the Team(s) for which you would like to see the stats. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="94"/>
        <source>Player and Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="95"/>
        <source>Please choose the Player for which you would like to see the stats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="98"/>
        <source>Please choose the Position which you would like to view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="101"/>
        <source>&amp;Show all Positions Seperate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="105"/>
        <source>Please choose the order in which you would like to view the stats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="109"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="110"/>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="111"/>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="112"/>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="239"/>
        <source>All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="245"/>
        <source> thru </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="273"/>
        <location filename="../../src/reports/frmReport.cpp" line="302"/>
        <source>You cannot have a second date if you choose All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="280"/>
        <source>Please choose the second date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReport.cpp" line="285"/>
        <source>The second date must be greater than the first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReportView</name>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="32"/>
        <source>Sidelines report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="39"/>
        <source>Report - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="52"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="54"/>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="56"/>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="58"/>
        <source>Export &amp;MaxPreps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="60"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="136"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="150"/>
        <source>The report could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="163"/>
        <source>The report could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="184"/>
        <source>The report could not be exported: the figures of %1 are too large to add up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="200"/>
        <source>The report could not be exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="213"/>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="222"/>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="223"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="230"/>
        <source>Export Report as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="231"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="238"/>
        <source>Export Report for MaxPreps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="239"/>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="17"/>
        <location filename="../../src/match/frmRestore.cpp" line="106"/>
        <source>Restore Saved Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="24"/>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="27"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="31"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="69"/>
        <source>%1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="110"/>
        <source>Loading the saved matches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="114"/>
        <source>There are no saved matches yet. The recorded matches are saved each time you leave Sidelines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="125"/>
        <source>Restoring the saved matches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="128"/>
        <source>Saved matches restored: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmRestore.cpp" line="136"/>
        <source>These matches are already among the recorded matches and were left as they are:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="45"/>
        <source>Splash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="70"/>
        <source>Volleyball statistics from the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="72"/>
        <source>Keep your roster, record every rally live and print a report for each player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="75"/>
        <source>Sidelines Volleyball Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="124"/>
        <source>for Windows 95</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="125"/>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStarters</name>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="50"/>
        <source>Starters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="102"/>
        <location filename="../../src/match/frmStarters.cpp" line="105"/>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="103"/>
        <location filename="../../src/match/frmStarters.cpp" line="106"/>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="104"/>
        <location filename="../../src/match/frmStarters.cpp" line="107"/>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="110"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="110"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="115"/>
        <source>Move the selected players into the starting line-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="117"/>
        <source>Take the selected starters back to the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="119"/>
        <source>Take every starter back to the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="129"/>
        <source>&amp;Go To Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="142"/>
        <source>&amp;Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="143"/>
        <source>Starting &amp;order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="299"/>
        <source>You can only have six Players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="299"/>
        <location filename="../../src/match/frmStarters.cpp" line="408"/>
        <source>Six Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="312"/>
        <source>You can only choose one Player at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="312"/>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="393"/>
        <source>Setting up the Home Starters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="393"/>
        <source>Setting up the Away Starters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="407"/>
        <source>Please fill in six players for each team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="456"/>
        <source>Game %1: substitution under way. One player out with &quot;&lt;&quot;, one in with &quot;&gt;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="457"/>
        <source>Game %1: choose six starters for each team, in their order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="508"/>
        <source>Are you sure you would like to cancel this Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="509"/>
        <source>Are you sure you would like to end the Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="510"/>
        <source>End Match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTeam</name>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="14"/>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="16"/>
        <source>Team Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="26"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="26"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="45"/>
        <source>Please fill in the Team Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="46"/>
        <location filename="../../src/roster/frmTeam.cpp" line="52"/>
        <source>Team Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmTeam.cpp" line="51"/>
        <source>A name cannot hold tabs, line breaks or other control characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="31"/>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="64"/>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="97"/>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="101"/>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="104"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="145"/>
        <source>That the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="145"/>
        <source> file was not found? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="146"/>
        <source>Create a text file named </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="147"/>
        <source> using NotePad with 1 tip per line. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="148"/>
        <source>Then place it in the same directory as the application. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main.cpp" line="40"/>
        <source>Volleyball statistics from the bench. Started without arguments, Sidelines opens its main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/main.cpp" line="44"/>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/main.cpp" line="50"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
