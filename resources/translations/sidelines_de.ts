<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>clsPlayer</name>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="35"/>
        <source>Please Choose Team to Add to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="63"/>
        <source>Are you sure you would like to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="64"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="81"/>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsPlayer.cpp" line="81"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsTeam</name>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="47"/>
        <source>Please Choose the Team to Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="51"/>
        <source>Are you sure you would like to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="52"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="61"/>
        <source>Please Choose the Team to Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="68"/>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/clsTeam.cpp" line="68"/>
        <source>&amp;Cancel</source>
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
        <location filename="../../src/roster/frmPlayer.cpp" line="15"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="17"/>
        <source>Player&apos;s Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="28"/>
        <source>Player&apos;s Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="40"/>
        <source>Add Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="40"/>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="61"/>
        <source>Please fill in the Player&apos;s Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="62"/>
        <source>Player Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="67"/>
        <source>Please fill in the Player&apos;s Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/roster/frmPlayer.cpp" line="68"/>
        <source>Player&apos;s Name</source>
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
        <source>Team Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
