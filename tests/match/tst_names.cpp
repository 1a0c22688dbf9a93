#include "base/Names.h"
#include "game/CourtPieces.h"
#include "game/MatchSession.h"
#include "game/RallyKeeper.h"
#include "match/frmStarters.h"
#include "roster/clsPlayer.h"
#include "support/TestMain.h"

#include <QDateTime>
#include <QFont>
#include <QListWidgetItem>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

// A name written right to left must not turn the figures beside it around: a shirt stays "#2", a
// score "1–0", on the court's boxes and in the status line's sentences, whichever direction the
// text is laid out in. What is checked is the order the glyphs are drawn in, as Qt lays them out.
class TestNamesShown : public QObject
{
    Q_OBJECT

    // Every shirt and score in the text, each as drawn from left to right: its characters' glyphs
    // in their written order. Returns the first one drawn otherwise.
    static QString TurnedFigure(const QString& text, Qt::LayoutDirection direction)
    {
        QTextLayout layout(text, QFont());
        QTextOption option;
        option.setTextDirection(direction);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(10000);
        layout.endLayout();
        const auto centre = [&](qsizetype i) { return layout.glyphRuns(int(i), 1).value(0).boundingRect().center().x(); };
        static const QRegularExpression figure(QStringLiteral("#\\d+|\\d+\u2013\\d+"));
        for (const QRegularExpressionMatch& m : figure.globalMatch(text)) {
            for (qsizetype i = m.capturedStart() + 1; i < m.capturedEnd(); ++i)
                if (centre(i - 1) >= centre(i))
                    return m.captured();
        }
        return QString();
    }

    static RecordId Id(int n) { return RecordId(QDateTime(QDate(2026, 3, 1), QTime(10, 0, n))); }

    static MatchSession Session()
    {
        MatchSession s;
        s.rosters[0] = {QStringLiteral("\u0646\u0633\u0648\u0631 \u0627\u0644\u0645\u064A\u0646\u0627\u0621"), // Harbour Hawks
                        {{Id(1), RecordId(), QStringLiteral("\u0633\u0627\u0631\u0629 \u0639\u0644\u064A"), 2},
                         {Id(2), RecordId(), QStringLiteral("\u05E9\u05E8\u05D4 \u05DB\u05D4\u05DF"), 11}}};
        s.rosters[1] = {QStringLiteral("Owls"), {{Id(3), RecordId(), QStringLiteral("Ann Lee"), 7}}};
        return s;
    }

private slots:
    void figuresKeepTheirOrder_data()
    {
        QTest::addColumn<QString>("text");
        const MatchSession session = Session();
        const RallyWords words(session);
        const auto entry = [&](Rally::Kind kind, int side, int player, int out, const char* stat) {
            Rally::Entry e;
            e.kind = kind;
            e.side = side;
            e.amount = 1;
            e.homeScore = 1;
            e.awayScore = 0;
            e.player = player ? Id(player) : RecordId();
            e.out = out ? Id(out) : RecordId();
            e.stat = QString::fromLatin1(stat);
            return words.entry(e, {});
        };
        for (const PlayerRow& p : session.rosters[0].players) {
            clsPlayer player;
            player.setPlayerName(p.name);
            player.setPlayerNumber(qint16(p.number));
            QTest::addRow("court box of #%d", p.number) << PlayerBox::CaptionOf(player);
            const std::unique_ptr<QListWidgetItem> line(frmStarters::MakeEntry(player));
            QTest::addRow("line-up entry of #%d", p.number) << line->text();
        }
        QTest::newRow("an action") << entry(Rally::Kind::Action, 0, 1, 0, "KILL");
        QTest::newRow("a point") << entry(Rally::Kind::Point, 0, 0, 0, "");
        QTest::newRow("a substitution") << entry(Rally::Kind::Sub, 0, 1, 2, "");
        QTest::newRow("a libero swap") << entry(Rally::Kind::Libero, 0, 2, 1, "");
        QTest::newRow("a timeout") << entry(Rally::Kind::Timeout, 0, 0, 0, "");
    }
    void figuresKeepTheirOrder()
    {
        QFETCH(QString, text);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("#\\d|\\d\u2013\\d"))));
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft, Qt::LayoutDirectionAuto})
            QVERIFY2(TurnedFigure(text, direction).isEmpty(),
                     qPrintable(QStringLiteral("%1 turned in \"%2\", direction %3")
                                    .arg(TurnedFigure(text, direction), text).arg(int(direction))));
    }

    // A name longer than a heading or message can hold loses its middle; the ends stay, and a
    // character outside the basic plane is kept or given up whole.
    void longNamesLoseTheirMiddle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString emoji = QStringLiteral("\U0001F3D0"); // a volleyball: two UTF-16 units
        QTest::newRow("as long as allowed") << QString(names::kLongest, QLatin1Char('a')) << QString(names::kLongest, QLatin1Char('a'));
        QTest::newRow("one more") << QStringLiteral("b") + QString(names::kLongest, QLatin1Char('a'))
                                  << QStringLiteral("b") + QString(28, QLatin1Char('a')) + QChar(0x2026) + QString(30, QLatin1Char('a'));
        QTest::newRow("ten thousand") << QString(10000, QLatin1Char('x')) + QStringLiteral("end")
                                      << QString(29, QLatin1Char('x')) + QChar(0x2026) + QString(27, QLatin1Char('x')) + QStringLiteral("end");
        QTest::newRow("pair at the head's cut") << QString(28, QLatin1Char('a')) + emoji + QString(100, QLatin1Char('z'))
                                                 << QString(28, QLatin1Char('a')) + QChar(0x2026) + QString(30, QLatin1Char('z'));
        QTest::newRow("pair at the tail's cut") << QString(100, QLatin1Char('a')) + emoji + QString(29, QLatin1Char('z'))
                                                 << QString(29, QLatin1Char('a')) + QChar(0x2026) + QString(29, QLatin1Char('z'));
    }
    void longNamesLoseTheirMiddle()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(names::Shown(name), shown);
        QVERIFY(names::Shown(name).size() <= names::kLongest);
    }

    // Names in other scripts are kept exactly as typed: nothing hidden joins them.
    void otherNamesAsTyped()
    {
        clsPlayer player;
        player.setPlayerName(QStringLiteral("Zo\u00EB \u0160\u0165astn\u00E1 \u0416\u0443\u043A"));
        player.setPlayerNumber(7);
        QCOMPARE(PlayerBox::CaptionOf(player), QStringLiteral("Zo\u00EB \u0160\u0165astn\u00E1 \u0416\u0443\u043A\n#7"));
    }
};

SIDELINES_TEST(TestNamesShown)
#include "tst_names.moc"
