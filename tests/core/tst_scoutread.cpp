#include "ScoutChecks.h"
#include "ScoutFixture.h"
#include "ScoutRecorder.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"
#include "scoutfile/ScoutParse.h"
#include "scoutfile/ScoutText.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace scoutchecks;
using namespace scoutfixture;

// The reader on hostile and odd files: everything refused names its line and writes nothing.
class TestScoutFile : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void hostileFilesAreRefusedByLine_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason"); // a part of the reason given
        const QByteArray good = Fixture();
        const QList<QByteArray> lines = Lines(good);
        auto without = [&](int from, int to) { // lines from..to (from 1) left out
            QList<QByteArray> l = lines;
            l.remove(from - 1, to - from + 1);
            return Join(l);
        };
        auto cutAt = [&](int n, int keep) { // the file ends after `keep` bytes of line n
            QList<QByteArray> l = lines.mid(0, n);
            l.last() = l.last().left(keep);
            return l.join("\r\n");
        };
        const int last = int(lines.size());

        QTest::newRow("empty file") << QByteArray() << 1 << "empty";
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n  \n") << 1 << "empty";
        QTest::newRow("not a scout file") << QByteArray("Dear coach,\nhere are the results.\n") << 1 << "no scout file";
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20) << 1
                                     << "no scout file";
        QTest::newRow("binary junk from the start") << QByteArray("\0\x01\x02\x03[3MATCH]", 12) << 1 << "not text";
        QTest::newRow("binary junk in the scout lines")
            << WithLine(300, QByteArray("*06SH#\0\x07\x08;;;", 12)) << 300 << "not text";
        {
            QByteArray junk;
            junk.reserve(10 * 1024 * 1024 + 100);
            while (junk.size() < 10 * 1024 * 1024)
                junk += "4F2A 99 zz qq ### ~~~ 0000 junk junk junk junk junk junk junk\n";
            QTest::newRow("10 MB of junk lines") << junk << 1 << "no scout file";
            QTest::newRow("10 MB of junk lines in the scout section") << good + junk << last + 1 << "no scout code";
        }
        const std::array<std::pair<const char*, std::pair<int, int>>, 6> required{{{"3MATCH", {15, 17}},
                                                                                   {"3TEAMS", {18, 20}},
                                                                                   {"3MORE", {21, 23}},
                                                                                   {"3PLAYERS-H", {32, 46}},
                                                                                   {"3PLAYERS-V", {47, 58}},
                                                                                   {"3SCOUT", {117, last}}}};
        for (const auto& [name, span] : required) {
            const QByteArray file = without(span.first, span.second);
            QTest::addRow("[%s] missing", name) << file << int(Lines(file).size()) << QStringLiteral("[%1]").arg(name);
        }
        QTest::newRow("duplicate section")
            << Join(lines.mid(0, 21) + lines.mid(17, 3) + lines.mid(21)) << 22 << "second time (first at line 18)";
        QTest::newRow("cut in the middle of a scout line") << cutAt(600, 30) << 600 << "cut short";
        QTest::newRow("cut in the middle of a player line") << cutAt(50, 12) << 50 << "cut short";
        QTest::newRow("cut in the middle of the rosters") << Join(lines.mid(0, 52)) << 52 << "[3SCOUT]";
        QTest::newRow("cut in the middle of a set") << Join(lines.mid(0, 700)) << 700 << "cut short";
        QTest::newRow("cut between sets") << Join(lines.mid(0, 771)) << 771 << "ends before set 3";
        QTest::newRow("unknown shirt number in a scout line")
            << WithLine(125, "*77SM+~~~19;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 125
            << "number 77";
        QTest::newRow("unknown shirt number in a line-up")
            << WithLine(125, "*06SM+~~~19;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;10;44;11;15;10;13;3;16;") << 125
            << "number 44";
        QTest::newRow("shirt number 100")
            << WithLine(35, "0;100;14;3;3;3;;;BR4;ZBIČAJNIK;ZALA;;C;;False;;;") << 35 << "\"100\"";
        QTest::newRow("shirt number -1") << WithLine(35, "0;-1;14;3;3;3;;;BR4;ZBIČAJNIK;ZALA;;C;;False;;;") << 35
                                         << "\"-1\"";
        QTest::newRow("zone holding -1") << WithLine(
            125, "*06SM+~~~19;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;10;-1;11;15;10;13;3;16;")
                                         << 125 << "\"-1\"";
        QTest::newRow("shirt listed twice")
            << WithLine(35, "0;3;14;3;3;3;;;BR4;ZBIČAJNIK;ZALA;;C;;False;;;") << 35 << "number 3 twice";
        QTest::newRow("a score that skips a point")
            << WithLine(124, "*p02:00;;;;;;;14.31.21;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 124
            << "does not follow";
        QTest::newRow("a point for the wrong side")
            << WithLine(124, "ap01:00;;;;;;;14.31.21;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 124
            << "does not follow";
        QTest::newRow("a set score that does not add up")
            << WithLine(27, "True;8 -7;16-10;21-13;25-17;21;") << 456 << "[3SET] gives 25-17";
        QTest::newRow("sets won that do not add up")
            << WithLine(19, "BR4;Braslovče;2;JERONČIČ ZORAN;;16777215;") << 19 << "won 2 sets";
        QTest::newRow("set ends out of turn")
            << WithLine(456, "**2set;;;;;;;14.51.27;2;6;5;;;;;;;;;;;;;;;;") << 456 << "ends set 2";
        QTest::newRow("UTF-8 declared, Windows-1250 written")
            << Encoded(Declaring("UTF-8", good), QStringLiteral("windows-1250")) << 19 << "declares its text as UTF-8";
        QTest::newRow("Windows-1252 declared, a byte it has no letter for")
            << Declaring("1252",
                         WithLine(40, "0;8;18;*;;*;;;BR8;MUHOVI\x81;NIKA;;;;False;;;",
                                  Encoded(good, QStringLiteral("windows-1250"))))
            << 40 << "0x81";
        QTest::newRow("unknown skill") << WithLine(
            122, "*06XM#~~~18C;p;;;;;;14.31.13;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;")
                                       << 122 << "names no skill";
        QTest::newRow("code of neither team")
            << WithLine(122, "x06SM#~~~18C;p;;;;;;14.31.13;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 122
            << "no scout code";
        QTest::newRow("unreadable point")
            << WithLine(124, "*p1x:00;;;;;;;14.31.21;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 124
            << "cannot be read";
        QTest::newRow("unreadable time") << WithLine(124,
                                                     "*p01:00;;;;;;;14h31;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;")
                                         << 124 << "time";
        QTest::newRow("substitution of a player not on court")
            << WithLine(249, "ac05:08;;;;;;;14.39.31;1;6;6;;;;12;10;9;6;15;4;13;8;16;11;15;10;") << 249
            << "not on court";
        QTest::newRow("a team line cut short") << WithLine(20, "MB4;Nova") << 20 << "cut short";
        QTest::newRow("both teams of one name") << WithLine(20, "MB4;BRASLOVČE;0;;;;") << 20 << "both teams";
        QTest::newRow("unreadable date") << WithLine(16, "25th January;;2014/2015;;;;;;1;1;Z;0;") << 16 << "date";
        QTest::newRow("a date in the future") << WithLine(16, "25/01/2035;;2014/2015;;;;;;1;1;Z;0;") << 16 << "future";
        QTest::newRow("cut right after its [3SCOUT] line")
            << Join(lines.mid(0, 117)) << 117 << "the file ends before set 1, which [3SET] gives as played 25-16";
        QTest::newRow("cut right after its [3SCOUT] line, its line end too")
            << lines.mid(0, 117).join("\r\n") << 117 << "ends before set 1";
        QTest::newRow("a control character in a player's name")
            << WithLine(35, "0;4;14;3;3;3;;;BR4;ZBI\x01AJNIK;ZALA;;C;;False;;;") << 35 << "not text";
        QTest::newRow("a control character in a team's name")
            << WithLine(19, "BR4;Braslov\x0F" "2e;3;;;;") << 19 << "not text";
        QTest::newRow("a control character in a zone of a scout line")
            << WithLine(125, "*06SM+~~~19;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;1\x02" "0;9;11;15;10;13;3;16;") << 125
            << "not text";
        QTest::newRow("a control character in the time of a scout line")
            << WithLine(125, "*06SM+~~~19;;;;;;;14.31\x1B.34;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 125
            << "not text";
        QTest::newRow("a substitution without line-up of a player not on court")
            << WithLine(249, "ac05:08;;;;;;;14.39.31;1;6;6;;;;") << 249 << "not on court";
        QTest::newRow("an action without line-up") << WithLine(125, "*06SM+~~~19;;;;;;;14.31.34;1;3;3;;;;") << 125
                                                   << "cut short";
        QTest::newRow("a substitution with no time") << WithLine(249, "ac03:08;;;;") << 249 << "cut short";
        QTest::newRow("a block's partner not on the roster")
            << WithLine(125, "*06BH#~~~~~~~~~BA77;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 125
            << "number 77";
        QTest::newRow("a block's partner the blocker")
            << WithLine(125, "*06BH#~~~~~~~~~BA06;;;;;;;14.31.34;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 125
            << "partner of the same player";
    }

    void hostileFilesAreRefusedByLine()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const QString before = Counts(*app);
        const Scout::ReadResult read = Scout::Read(file, Scout::Encoding::Automatic, kToday);
        QVERIFY2(!read.ok(), "the file was accepted");
        QVERIFY2(read.refusal.line == line && read.refusal.reason.contains(reason), qPrintable(read.refusal.text()));
        QVERIFY(read.refusal.text().startsWith(QStringLiteral("Line %1: ").arg(line)));
        QCOMPARE(Counts(*app), before);
    }

    // CR LF, LF and CR alone all end lines, and give the same match line for line.
    void lineEndsAreAccepted_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
        QTest::newRow("CR LF, no end after the last line") << QByteArray();
    }
    void lineEndsAreAccepted()
    {
        QFETCH(QByteArray, end);
        const QByteArray file = end.isEmpty() ? Fixture().chopped(2) : Join(Lines(), end);
        const Scout::ReadResult read = Scout::Read(file, Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(int(read.match->lines.size()), 1031);
        QCOMPARE(read.match->lineCount, 1148);
        QCOMPARE(read.match->lines.back().line, 1148);
        QCOMPARE(int(read.match->sets.size()), 3);
    }

    // The names as written, whatever the file declares: UTF-8 when the bytes are UTF-8, else the
    // declared code page, else Windows-1252; a chosen encoding reads every name again.
    void namesInEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("note"); // how the file was read, as the import window says it
        QTest::addColumn<QString>("home"); // the home team's name as read
        QTest::addColumn<QString>("setter"); // player 4's name as read
        const QByteArray utf8 = Fixture();
        const QByteArray cp1250 = Encoded(utf8, QStringLiteral("windows-1250"));
        const QByteArray latin2 = Encoded(utf8, QStringLiteral("iso-8859-2"));
        const QString right = QStringLiteral("Braslovče");
        const QString zala = QStringLiteral("ZALA ZBIČAJNIK");
        QTest::newRow("UTF-8, a bare 1 declared") << utf8 << "Automatic"
                                                  << "read as UTF-8" << right << zala;
        QTest::newRow("UTF-8 over a wrong declaration") << Declaring("1250", utf8) << "Automatic"
                                                        << "read as UTF-8" << right << zala;
        QTest::newRow("1250 declared") << Declaring("1250", cp1250) << "Automatic"
                                       << "read as Windows-1250, as the file declares" << right << zala;
        QTest::newRow("1250 chosen") << cp1250 << "Windows-1250"
                                     << "read as Windows-1250, as chosen" << right << zala;
        QTest::newRow("ISO-8859-2 declared") << Declaring("28592", latin2) << "Automatic"
                                             << "read as ISO-8859-2, as the file declares" << right << zala;
        QTest::newRow("ISO-8859-2 read as 1250") << latin2 << "Windows-1250"
                                                 << "read as Windows-1250, as chosen" << right << zala;
        QTest::newRow("1251 declared") << Declaring("1251", WithLine(19, "BR4;\xC4\xE8\xED\xE0\xEC\xEE;3;;;;", cp1250))
                                       << "Automatic"
                                       << "read as Windows-1251, as the file declares" << QStringLiteral("Динамо")
                                       << QStringLiteral("ZALA ZBIИAJNIK");
        // Nothing useful declared: the detector tells the code page from the letters, names in
        // capitals as scouts write them.
        QTest::newRow("1250 written, nothing useful declared")
            << cp1250 << "Automatic"
            << "read as Windows-1250, found in the file's letters" << right << zala;
        const QStringList polish{"WÓJCIK", "KOWALCZYK", "ŁUKASZEWSKA", "WIŚNIEWSKA", "DĄBROWSKA", "ZIELIŃSKA",
                                 "SZYMAŃSKA", "WOŹNIAK", "KOZŁOWSKA", "JANKOWSKA", "ZAJĄC", "JABŁOŃSKA", "KRÓL"};
        QTest::newRow("Polish in Windows-1250")
            << Foreign({"MKS Będzin", "Łódź"}, polish, "windows-1250") << "Automatic"
            << "read as Windows-1250, found in the file's letters" << QStringLiteral("MKS Będzin")
            << QStringLiteral("ZALA ŁUKASZEWSKA");
        const QStringList german{"MÜLLER", "KÄSTNER", "SCHÄFER", "GROß",  "WEIß",    "BÖHM", "KÖNIG",
                                 "JÄGER",  "FUß",     "LÖW",     "HÖFER", "GÜNTHER", "KRÄMER"};
        QTest::newRow("German in Windows-1252")
            << Foreign({"Schwäbisch Hall", "Köpenicker SC"}, german, "windows-1252") << "Automatic"
            << "read as Windows-1252, found in the file's letters" << QStringLiteral("Schwäbisch Hall")
            << QStringLiteral("ZALA SCHÄFER");
        const QStringList russian{"ИВАНОВА",   "ПЕТРОВА",  "СМИРНОВА", "КУЗНЕЦОВА", "ПОПОВА",   "ВАСИЛЬЕВА", "СОКОЛОВА",
                                  "МИХАЙЛОВА", "НОВИКОВА", "ФЁДОРОВА", "МОРОЗОВА",  "ВОЛКОВА", "ЛЕБЕДЕВА"};
        QTest::newRow("Russian in Windows-1251")
            << Foreign({"Динамо Москва", "Уралочка"}, russian, "windows-1251") << "Automatic"
            << "read as Windows-1251, found in the file's letters" << QStringLiteral("Динамо Москва")
            << QStringLiteral("ZALA СМИРНОВА");
    }
    void namesInEachEncoding()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, chosen);
        QFETCH(QString, note);
        QFETCH(QString, home);
        QFETCH(QString, setter);
        const Scout::ReadResult read = Scout::Read(file, *Scout::EncodingFromName(chosen), kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(read.note(), note);
        QCOMPARE(read.match->teams[0].name, home);
        QCOMPARE(read.match->teams[0].player(4)->name(), setter);
    }

    // What newer programs and portals add never refuses a file: the hexadecimal copies of texts,
    // control characters in fields the program does not use, substitutions without a line-up.
    // Each file reads as the real match, name for name.
    void fieldsNotUsedAreNotLookedAt_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("lines"); // scout lines read
        QTest::newRow("hexadecimal copies") << Fixture(QStringLiteral("example_hexfields.dvw")) << 1031;
        QTest::newRow("a control character in a player line's role")
            << WithLine(35, "0;4;14;3;3;3;;;BR4;ZBIČAJNIK;ZALA;;C\x07;;False;;;") << 1031;
        QTest::newRow("a control character in a scout line's coordinates")
            << WithLine(125, "*06SM+~~~19;;;;;\x01\x02;;14.31.34;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;") << 1031;
        QTest::newRow("a hexadecimal copy cut short in a team line")
            << WithLine(19, "BR4;Braslovče;3;JERONČIČ ZORAN;MIHALINEC DAMIJANA;16777215;\x0F" "2427261;") << 1031;
        QTest::newRow("substitutions without line-up") << WithoutSubstitutionLineUps() << 1031;
        QTest::newRow("hexadecimal copies and substitutions without line-up")
            << WithoutSubstitutionLineUps(Fixture(QStringLiteral("example_hexfields.dvw"))) << 1031;
    }
    void fieldsNotUsedAreNotLookedAt()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, lines);
        const Scout::ReadResult plain = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        const Scout::ReadResult read = Scout::Read(file, Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(int(read.match->lines.size()), lines);
        QCOMPARE(read.match->league, QStringLiteral("Finale mladinke"));
        for (int side = 0; side < 2; ++side) {
            const Scout::Team& want = plain.match->teams[size_t(side)];
            const Scout::Team& got = read.match->teams[size_t(side)];
            QCOMPARE(got.name, want.name);
            QCOMPARE(got.coach, want.coach);
            QCOMPARE(got.players.size(), want.players.size());
            for (size_t i = 0; i < want.players.size(); ++i)
                QCOMPARE(got.players[i].name(), want.players[i].name());
        }
        QCOMPARE(read.match->teams[0].player(1)->name(), QStringLiteral("ŠPELA BEDNJANIČ"));
    }

    // What is well-formed UTF-8, wherever in a run of plain letters the other bytes stand.
    void utf8Bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        const QByteArray plain("Braslovce;ZALA;");
        QTest::newRow("plain ASCII") << plain << true;
        QTest::newRow("two bytes") << plain + "\xC4\x8D" << true;
        QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") + plain << true;
        QTest::newRow("four bytes") << plain + "\xF0\x9F\x8F\x90" + plain << true;
        QTest::newRow("a code page's letter") << plain + "\xE8" << false;
        for (int at : {0, 7, 8, 9, 15, 16})
            QTest::addRow("a code page's letter at %d", at) << QByteArray(plain).insert(at, '\xC8') << false;
        QTest::newRow("overlong") << plain + "\xC0\xAF" << false;
        QTest::newRow("a surrogate") << plain + "\xED\xA0\x80" << false;
        QTest::newRow("past U+10FFFF") << plain + "\xF4\x90\x80\x80" << false;
        QTest::newRow("cut at the end") << plain + "\xC4" << false;
        QTest::newRow("a lone continuation") << plain + "\x8D" + plain << false;
    }
    void utf8Bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QCOMPARE(Scout::IsUtf8(bytes), utf8);
    }

    // A copy is the bytes after 0x0F and a digit, two hexadecimal digits each.
    void hexadecimalCopies_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Kästner") << QStringLiteral("\x0F" "24BE473746E6572") << true << QByteArray("K\xE4stner");
        QTest::newRow("small hexadecimal digits") << QStringLiteral("\x0F" "34be4") << true << QByteArray("K\xE4");
        QTest::newRow("empty") << QStringLiteral("\x0F" "2") << true << QByteArray();
        QTest::newRow("an odd number of digits") << QStringLiteral("\x0F" "24BE") << false << QByteArray();
        QTest::newRow("no digit after 0x0F") << QStringLiteral("\x0F" "X4BE4") << false << QByteArray();
        QTest::newRow("no hexadecimal digit") << QStringLiteral("\x0F" "24BG4") << false << QByteArray();
        QTest::newRow("no 0x0F") << QStringLiteral("24BE4") << false << QByteArray();
    }
    void hexadecimalCopies()
    {
        QFETCH(QString, field);
        QFETCH(bool, copy);
        QFETCH(QByteArray, bytes);
        const std::optional<QByteArray> got = Scout::HexCopy(field);
        QCOMPARE(got.has_value(), copy);
        if (copy)
            QCOMPARE(*got, bytes);
    }

    // A plain text garbled as UTF-8 read once more as Windows-1252 gives way to a copy that reads
    // as the text put right; a clean text, or a copy of another text, leaves it as it is.
    void garbledNamesTakeTheirCopy_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArrayList>("copies");
        QTest::addColumn<QString>("page"); // the code page the copies are taken to be in
        QTest::addColumn<QString>("used");
        const QByteArray kaestner("K\xE4stner");
        const QByteArray bednjanic1250("BEDNJANI\xC8");
        QTest::newRow("Kästner") << QStringLiteral("KÃ¤stner") << QByteArrayList{kaestner} << "Windows-1252"
                                 << QStringLiteral("Kästner");
        QTest::newRow("Bednjanič in Windows-1250") << QStringLiteral("BEDNJANIÄŒ") << QByteArrayList{bednjanic1250}
                                                   << "Windows-1250" << QStringLiteral("BEDNJANIČ");
        QTest::newRow("Bednjanič, the copies' page taken wrongly")
            << QStringLiteral("BEDNJANIÄŒ") << QByteArrayList{"\x8APELA", bednjanic1250} << "Windows-1252"
            << QStringLiteral("BEDNJANIČ");
        QTest::newRow("a byte Windows-1252 has no letter for, kept as its control character")
            << QStringLiteral("Kova\u00C4\u008Dov\u00C3\u00A1") << QByteArrayList{"Kova\xE8ov\xE1"} << "Windows-1250"
            << QStringLiteral("Kovačová");
        QTest::newRow("a clean name") << QStringLiteral("Kästner") << QByteArrayList{"K\xC4STNER"}
                                      << "Windows-1252" << QStringLiteral("Kästner");
        QTest::newRow("garbled, no copy") << QStringLiteral("KÃ¤stner") << QByteArrayList{} << "Windows-1252"
                                          << QStringLiteral("KÃ¤stner");
        QTest::newRow("garbled, a copy of another text")
            << QStringLiteral("KÃ¤stner") << QByteArrayList{"J\xFCrgen"} << "Windows-1252" << QStringLiteral("KÃ¤stner");
    }
    void garbledNamesTakeTheirCopy()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArrayList, copies);
        QFETCH(QString, page);
        QFETCH(QString, used);
        const std::vector<QByteArray> list(copies.begin(), copies.end());
        QCOMPARE(Scout::Repaired(plain, list, *Scout::EncodingFromName(page)), used);
    }

    // The numbers and times of the fields, read by hand: what reads and what does not.
    void numbersAndTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number"); // as read within -99..99, or "none"
        QTest::addColumn<QString>("time"); // as read, "no time" for an empty field, or "none"
        QTest::newRow("a time") << "14.31.13" << "none" << "14:31:13";
        QTest::newRow("colons") << "14:31:13" << "none" << "14:31:13";
        QTest::newRow("both separators") << "14.31:13" << "none" << "14:31:13";
        QTest::newRow("no seconds") << "14.31" << "none" << "14:31:00";
        QTest::newRow("one digit of the hour") << "9.05.00" << "none" << "09:05:00";
        QTest::newRow("empty") << "" << "none" << "no time";
        QTest::newRow("one digit of the minute") << "14.3" << "none" << "none";
        QTest::newRow("one digit of the second") << "14.31.1" << "none" << "none";
        QTest::newRow("a separator too many") << "14.31.13." << "none" << "none";
        QTest::newRow("no such hour") << "24.00.00" << "none" << "none";
        QTest::newRow("no such minute") << "14.60" << "none" << "none";
        QTest::newRow("a letter for a separator") << "14h31" << "none" << "none";
        QTest::newRow("no separator") << "1431" << "none" << "none";
        QTest::newRow("three digits of the hour") << "114.31" << "none" << "none";
        QTest::newRow("a number") << "7" << "7" << "none";
        QTest::newRow("noughts before it") << "007" << "7" << "none";
        QTest::newRow("the highest") << "99" << "99" << "none";
        QTest::newRow("negative") << "-12" << "-12" << "none";
        QTest::newRow("past the highest") << "100" << "none" << "none";
        QTest::newRow("a minus alone") << "-" << "none" << "none";
        QTest::newRow("a plus") << "+7" << "none" << "none";
        QTest::newRow("a space inside") << "1 0" << "none" << "none";
        QTest::newRow("ten digits") << "0000000007" << "none" << "none";
        QTest::newRow("a letter after") << "7a" << "none" << "none";
    }
    void numbersAndTimes()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QFETCH(QString, time);
        const std::optional<int> n = Scout::Number(text, -99, 99);
        QCOMPARE(n ? QString::number(*n) : QStringLiteral("none"), number);
        const std::optional<QTime> t = Scout::ReadTime(text);
        QCOMPARE(!t ? QStringLiteral("none") : (t->isValid() ? t->toString(Qt::ISODate) : QStringLiteral("no time")), time);
    }

    void encodingNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("encoding"); // empty: unknown
        for (const char* n : {"UTF-8", "utf8", "Utf-8"})
            QTest::newRow(n) << n << "UTF-8";
        for (const char* n : {"windows-1250", "CP1250", "1250"})
            QTest::newRow(n) << n << "Windows-1250";
        QTest::newRow("windows-1251") << "windows-1251"
                                      << "Windows-1251";
        QTest::newRow("cp1252") << "cp1252"
                                << "Windows-1252";
        for (const char* n : {"iso-8859-2", "latin2"})
            QTest::newRow(n) << n << "ISO-8859-2";
        for (const char* n : {"koi8-r", "", "1253"})
            QTest::newRow(*n ? n : "nothing") << n << "";
    }
    void encodingNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, encoding);
        const std::optional<Scout::Encoding> e = Scout::EncodingFromName(name);
        QCOMPARE(e ? Scout::EncodingName(*e) : QString(), encoding);
    }
};

SIDELINES_TEST(TestScoutFile)
#include "tst_scoutread.moc"
