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
#include "support/Table.h"
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

    void hostileFilesAreRefusedByLine_data() { table::Rows(QStringLiteral("scoutread.txt")); }

    void hostileFilesAreRefusedByLine()
    {
        QFETCH(QByteArray, recipe);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const QString before = Counts(*app);
        const Scout::ReadResult read = Scout::Read(Made(recipe), Scout::Encoding::Automatic, kToday);
        QVERIFY2(!read.ok(), "the file was accepted");
        QVERIFY2(read.refusal.line == line && read.refusal.reason.contains(reason), qPrintable(read.refusal.text()));
        QVERIFY(read.refusal.text().startsWith(QStringLiteral("Line %1: ").arg(line)));
        QCOMPARE(Counts(*app), before);
    }

    // The names as written, whatever the file declares: UTF-8 when the bytes are UTF-8, else the
    // declared code page, else Windows-1252; a chosen encoding reads every name again.
    void namesInEachEncoding_data() { table::Rows(QStringLiteral("scoutread.txt")); }
    void namesInEachEncoding()
    {
        QFETCH(QByteArray, recipe);
        QFETCH(QString, chosen);
        QFETCH(QString, note);
        QFETCH(QString, home);
        QFETCH(QString, setter);
        const Scout::ReadResult read = Scout::Read(Made(recipe), *Scout::EncodingFromName(chosen), kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(read.note(), note);
        QCOMPARE(read.match->teams[0].name, home);
        QCOMPARE(read.match->teams[0].player(4)->name(), setter);
    }

    // What newer programs and portals add never refuses a file: the hexadecimal copies of texts,
    // control characters in fields the program does not use, substitutions without a line-up; nor
    // do lines ended by LF or CR alone, or a last line without its end. Each file reads as the
    // real match, line for line and name for name.
    void fieldsNotUsedAreNotLookedAt_data() { table::Rows(QStringLiteral("scoutread.txt")); }
    void fieldsNotUsedAreNotLookedAt()
    {
        QFETCH(QByteArray, recipe);
        const Scout::ReadResult plain = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        const Scout::ReadResult read = Scout::Read(Made(recipe), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(int(read.match->lines.size()), 1031);
        QCOMPARE(read.match->lineCount, 1148);
        QCOMPARE(read.match->lines.back().line, 1148);
        QCOMPARE(int(read.match->sets.size()), 3);
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
    void utf8Bytes_data() { table::Rows(QStringLiteral("scoutread.txt")); }
    void utf8Bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QCOMPARE(Scout::IsUtf8(bytes), utf8);
    }

    // A copy is the bytes after 0x0F and a digit, two hexadecimal digits each.
    void hexadecimalCopies_data() { table::Rows(QStringLiteral("scoutread.txt")); }
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
    void garbledNamesTakeTheirCopy_data() { table::Rows(QStringLiteral("scoutread.txt")); }
    void garbledNamesTakeTheirCopy()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArray, copies);
        QFETCH(QString, page);
        QFETCH(QString, used);
        std::vector<QByteArray> list;
        for (const QByteArray& copy : copies.split(';'))
            if (!copy.isEmpty())
                list.push_back(copy);
        QCOMPARE(Scout::Repaired(plain, list, *Scout::EncodingFromName(page)), used);
    }

    // The numbers and times of the fields, read by hand: what reads and what does not.
    void numbersAndTimes_data() { table::Rows(QStringLiteral("scoutread.txt")); }
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

    void encodingNames_data() { table::Rows(QStringLiteral("scoutread.txt")); }
    void encodingNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, encoding);
        const std::optional<Scout::Encoding> e = Scout::EncodingFromName(name);
        QCOMPARE(e ? Scout::EncodingName(*e) : QStringLiteral("unknown"), encoding);
    }
};

SIDELINES_TEST(TestScoutFile)
#include "tst_scoutread.moc"
