#include "game/CourtPieces.h"
#include "support/Table.h"
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
    void largestSizeThatFits_data() { table::Rows(QStringLiteral("textfit.txt")); }

    void largestSizeThatFits()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, size);
        const QSize room(size.value(0), size.value(1));
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
