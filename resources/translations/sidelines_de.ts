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
    <name>Database</name>
    <message>
        <location filename="../../src/core/Database.cpp" line="29"/>
        <source>The database did not accept the statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="90"/>
        <source>It needs an upgrade, and the copy kept before upgrading could not be written as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="107"/>
        <source>It could not be upgraded from database version %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="122"/>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="127"/>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="145"/>
        <source>It is not a Sidelines database: the table %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="153"/>
        <source>It was written by a newer Sidelines (database version %1); this Sidelines reads database version %2 and older.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="225"/>
        <source>The schema is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/Database.cpp" line="256"/>
        <source>The file already exists.</source>
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
        <location filename="../../src/core/MatchStore.cpp" line="48"/>
        <source>There is no game under way to put the players on court in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/MatchStore.cpp" line="54"/>
        <source>A player on court has no identifier.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <location filename="../../src/game/PlayerStats.cpp" line="17"/>
        <source>Percentage = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportData</name>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="30"/>
        <source>Team Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="59"/>
        <source>Player Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="90"/>
        <source>Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="91"/>
        <source>court position (zones n and n+6 together)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="92"/>
        <source>GP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="93"/>
        <source>games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="98"/>
        <source>PCT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="99"/>
        <source>hitting percentage (K-E)/TA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="165"/>
        <source>Dates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="166"/>
        <source>Match:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="167"/>
        <source>Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="168"/>
        <source>Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="169"/>
        <source>Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="170"/>
        <source>Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="172"/>
        <source> (positions apart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="173"/>
        <source> (positions together)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="174"/>
        <source>Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="182"/>
        <source>No statistics were recorded for these choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="200"/>
        <location filename="../../src/reports/ReportData.cpp" line="262"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportData.cpp" line="261"/>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterChooser</name>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="87"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="87"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/DialogParts.cpp" line="140"/>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sidelines</name>
    <message>
        <location filename="../../src/core/mConstants.cpp" line="112"/>
        <source>The database file %1 is no longer there: it was moved or deleted while Sidelines was running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/core/mConstants.cpp" line="124"/>
        <location filename="../../src/core/mConstants.cpp" line="129"/>
        <source>Sidelines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidelinesStart</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="204"/>
        <source>Sidelines is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="212"/>
        <source>Sidelines cannot open its database
%1

%2</source>
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
        <location filename="../../src/reports/clsReport.cpp" line="74"/>
        <source>Loading the Report Wizard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="90"/>
        <source>Loading all the years...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="93"/>
        <source>You do not have any saved Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="94"/>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="110"/>
        <source>All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="122"/>
        <source>Loading all the matches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="126"/>
        <source>(deleted team)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="133"/>
        <source> vs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="134"/>
        <source> on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="141"/>
        <source>All Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="150"/>
        <source>All Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="152"/>
        <location filename="../../src/reports/clsReport.cpp" line="162"/>
        <source>Loading the Game Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="155"/>
        <location filename="../../src/reports/clsReport.cpp" line="167"/>
        <source>Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="181"/>
        <source>Loading all the teams...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="185"/>
        <source>All Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="202"/>
        <source>Loading all the Players...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="209"/>
        <source>All Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="229"/>
        <source>All Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="231"/>
        <source>Position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="239"/>
        <source>By Teamname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="240"/>
        <source>By Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="241"/>
        <source>By Percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="260"/>
        <source>Creating the report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/clsReport.cpp" line="269"/>
        <location filename="../../src/reports/clsReport.cpp" line="278"/>
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
        <location filename="../../src/game/frmGame.cpp" line="268"/>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="354"/>
        <source>N&amp;ew Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="355"/>
        <location filename="../../src/game/frmGame.cpp" line="632"/>
        <source>&amp;Rotate Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="356"/>
        <location filename="../../src/game/frmGame.cpp" line="631"/>
        <source>Score &amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="357"/>
        <location filename="../../src/game/frmGame.cpp" line="631"/>
        <source>Score &amp;Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="358"/>
        <location filename="../../src/game/frmGame.cpp" line="632"/>
        <source>R&amp;otate Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="359"/>
        <location filename="../../src/game/frmGame.cpp" line="418"/>
        <source>E&amp;nd Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="399"/>
        <source>Subtraction &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="401"/>
        <source>Click on here to reverse any previous action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="411"/>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="413"/>
        <source>Go to N&amp;ext Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="415"/>
        <source>&amp;Substitute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="426"/>
        <source>&amp;Choose Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="429"/>
        <source>Left side zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="429"/>
        <source>Right side zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="438"/>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="458"/>
        <source>&amp;View Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="721"/>
        <location filename="../../src/game/frmGame.cpp" line="785"/>
        <source>There is no player in this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="740"/>
        <source>There is no game under way to score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="742"/>
        <source>The point was not stored: this game is not in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="761"/>
        <source>Rotating Home...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="761"/>
        <source>Rotating Away...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="782"/>
        <source>Getting the Stats for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="788"/>
        <source> Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="813"/>
        <source>Are you sure you would like to end the Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/game/frmGame.cpp" line="814"/>
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
        <location filename="../../src/shell/frmMain.cpp" line="44"/>
        <location filename="../../src/shell/frmMain.cpp" line="111"/>
        <source>&amp;Start Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="45"/>
        <location filename="../../src/shell/frmMain.cpp" line="110"/>
        <source>Add &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="46"/>
        <location filename="../../src/shell/frmMain.cpp" line="109"/>
        <source>Add &amp;Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="47"/>
        <source>Report &amp;Wiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="48"/>
        <location filename="../../src/shell/frmMain.cpp" line="114"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="60"/>
        <source>Sidelines 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="107"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="116"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="118"/>
        <source>E&amp;dit a Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="119"/>
        <source>Edit a P&amp;layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="120"/>
        <source>Delete &amp;Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="121"/>
        <source>Delete &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="123"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="125"/>
        <source>&amp;Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="127"/>
        <source>&amp;Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="129"/>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="131"/>
        <source>Report &amp;Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="373"/>
        <source>The recorded matches could not be cleared away: %1

Sidelines closes now; nothing was cleared, and the matches are still in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="376"/>
        <location filename="../../src/shell/frmMain.cpp" line="384"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmMain.cpp" line="383"/>
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
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="52"/>
        <source>(deleted team)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="55"/>
        <source> vs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmMatch.cpp" line="56"/>
        <source> on </source>
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
        <location filename="../../src/reports/frmReportView.cpp" line="30"/>
        <source>Sidelines report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="37"/>
        <source>Report - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="46"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="48"/>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="50"/>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="52"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="104"/>
        <source>The report could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="117"/>
        <source>The report could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="136"/>
        <source>The report could not be exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="149"/>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="158"/>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="159"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="166"/>
        <source>Export Report as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/reports/frmReportView.cpp" line="167"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="44"/>
        <source>Splash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="69"/>
        <source>Volleyball statistics from the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="71"/>
        <source>Keep your roster, record every rally live and print a report for each player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="74"/>
        <source>Sidelines Volleyball Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="123"/>
        <source>for Windows 95</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmSplash.cpp" line="124"/>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStarters</name>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="44"/>
        <source>Starters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="93"/>
        <location filename="../../src/match/frmStarters.cpp" line="96"/>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="94"/>
        <location filename="../../src/match/frmStarters.cpp" line="97"/>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="95"/>
        <location filename="../../src/match/frmStarters.cpp" line="98"/>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="101"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="101"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="106"/>
        <source>Move the selected players into the starting line-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="108"/>
        <source>Take the selected starters back to the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="110"/>
        <source>Take every starter back to the bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="120"/>
        <source>&amp;Go To Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="133"/>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="134"/>
        <source>Starting order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="277"/>
        <source>You can only have six Players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="277"/>
        <location filename="../../src/match/frmStarters.cpp" line="385"/>
        <source>Six Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="290"/>
        <source>You can only choose one Player at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="290"/>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="370"/>
        <source>Setting up the Home Starters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="370"/>
        <source>Setting up the Away Starters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="384"/>
        <source>Please fill in six players for each team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="432"/>
        <source>Are you sure you would like to cancel this Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="433"/>
        <source>Are you sure you would like to end the Match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/match/frmStarters.cpp" line="434"/>
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
        <location filename="../../src/shell/frmTip.cpp" line="25"/>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="58"/>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="91"/>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="95"/>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="98"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="134"/>
        <source>That the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="134"/>
        <source> file was not found? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="135"/>
        <source>Create a text file named </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="136"/>
        <source> using NotePad with 1 tip per line. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/frmTip.cpp" line="137"/>
        <source>Then place it in the same directory as the application. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
