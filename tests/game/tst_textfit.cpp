#include "game/CourtPieces.h"
#include "support/TestMain.h"

#include <QFont>
#include <QFontMetrics>
#include <QTest>

// The size the court's texts are shown at: the largest pixel size from the wanted one down to the
// least at which the text fits its room, whether the search starts at the wanted size or at the
// size a line or box shows now.
class TestTextFit : public QObject
{
    Q_OBJECT

    // The rule itself, every size tried from the wanted one down.
    static int Largest(const QFont& base, const QString& text, int want, int least, const QSize& room, bool wrap)
    {
        QFont font = base;
        for (int px = want; px > least; --px) {
            font.setPixelSize(px);
            const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 100000),
                                                               Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0), text);
            if (need.width() <= room.width() && need.height() <= room.height())
                return px;
        }
        return least;
    }

private slots:
    void largestSizeThatFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("want");
        QTest::addColumn<int>("least");
        QTest::addColumn<bool>("wrap");
        const QString status = QStringLiteral("Point Harbour Hawks: 12\u201310. Away won the serve back: rotate Away (Alt+O).");
        QTest::newRow("status line, height binds") << QStringLiteral("Point Hawks: 1\u20130.") << QSize(779, 26) << 180 << 9 << false;
        QTest::newRow("status line, width binds") << status << QSize(779, 26) << 180 << 9 << false;
        QTest::newRow("status line, narrow") << status << QSize(300, 26) << 180 << 9 << false;
        QTest::newRow("status line, nothing fits") << status << QSize(60, 26) << 180 << 9 << false;
        QTest::newRow("status on two lines") << status << QSize(300, 40) << 180 << 8 << true;
        QTest::newRow("box, short name") << QStringLiteral("Ann Lee\n#7") << QSize(150, 90) << 40 << 9 << true;
        QTest::newRow("box, long name") << QStringLiteral("Maximiliane Schwarzenberger-Oberhollenzer\n#12")
                                        << QSize(150, 90) << 40 << 9 << true;
        QTest::newRow("box, small") << QStringLiteral("Eva Ng\n#5") << QSize(60, 40) << 40 << 9 << true;
        QTest::newRow("team name") << QStringLiteral("Harbour Hawks") << QSize(300, 40) << 260 << 10 << false;
        QTest::newRow("fits at the wanted size") << QStringLiteral("88") << QSize(400, 300) << 30 << 12 << false;
    }

    void largestSizeThatFits()
    {
        QFETCH(QString, text);
        QFETCH(QSize, room);
        QFETCH(int, want);
        QFETCH(int, least);
        QFETCH(bool, wrap);
        const QFont font;
        const int largest = Largest(font, text, want, least, room, wrap);
        QCOMPARE(CourtText::FittingPixelSize(font, text, want, least, room, wrap), largest);
        // From the size shown now, whatever it is: above, at or below the answer.
        for (int near : {least - 1, least, least + 1, largest - 2, largest - 1, largest, largest + 1, largest + 3,
                         (least + want) / 2, want - 1, want, want + 5})
            QCOMPARE(CourtText::FittingPixelSize(font, text, want, least, room, wrap, near), largest);
    }
};

SIDELINES_TEST(TestTextFit)
#include "tst_textfit.moc"
