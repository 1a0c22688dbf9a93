#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include "widgets/CProgressBar.h"
#include "widgets/PictureBox.h"

#include <QLabel>
#include <QTest>

namespace {
const QColor kLit(0x80, 0x80, 0x80);
const QColor kUnlit(0xC0, 0xC0, 0xC0);

// A gauge on a canvas whose inside is width x height pixels, coloured as the main window's.
struct Gauge
{
    PictureBox canvas;
    CProgressBar gauge;
    Gauge(int width, int height)
    {
        canvas.setForeColor(kLit);
        canvas.setBackColor(kUnlit);
        canvas.setFixedSize(width + canvas.frameWidth() * 2, height + canvas.frameWidth() * 2);
        gauge.setCanvas(&canvas);
    }
    // Segments drawn lit, counted from the picture itself; -1 for a colour neither lit nor unlit.
    int lit() const
    {
        const QImage image = canvas.surface().toImage();
        int lit = 0;
        for (int i = 0; i < gauge.segmentCount(); ++i) {
            const int x = gauge.margin() + i * (gauge.segmentWidth() + gauge.gap()) + gauge.segmentWidth() / 2;
            const QColor c = image.pixelColor(x, gauge.margin() + gauge.segmentHeight() / 2);
            if (c != kLit && c != kUnlit)
                return -1;
            lit += c == kLit;
        }
        return lit;
    }
};
}  // namespace

class TestGauge : public QObject
{
    Q_OBJECT

private slots:
    void canvasIsFittedToWholeSegments_data() { table::Rows(QStringLiteral("gauge.txt")); }
    void canvasIsFittedToWholeSegments()
    {
        QFETCH(int, width);
        QFETCH(int, count);
        QFETCH(int, fittedWidth);
        Gauge g(width, 20);
        QCOMPARE(g.gauge.segmentCount(), count);
        QCOMPARE(g.canvas.innerWidth(), fittedWidth);
        QCOMPARE(g.lit(), 0);
    }

    void valueLightsItsShareOfTwentySegments_data() { table::Rows(QStringLiteral("gauge.txt")); }
    void valueLightsItsShareOfTwentySegments()
    {
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, stored);
        QFETCH(int, lit);
        Gauge g(280, 20);
        g.gauge.setMin(0);
        g.gauge.setMax(max);
        g.gauge.setValue(value);
        QCOMPARE(g.gauge.value(), stored);
        QCOMPARE(g.lit(), lit);
        g.gauge.setValue(0); // going back down unlights again
        QCOMPARE(g.lit(), 0);
    }

    void refusedSettingsLeaveTheGaugeAsItWas_data() { table::Rows(QStringLiteral("gauge.txt")); }
    void refusedSettingsLeaveTheGaugeAsItWas()
    {
        QFETCH(QString, property);
        QFETCH(int, newValue);
        QFETCH(int, number);
        QFETCH(QString, description);
        Gauge g(110, 20);
        g.gauge.setMax(100);
        g.gauge.setValue(40);
        const int litBefore = g.lit();
        QLabel notAPictureBox;
        try {
            if (property == QLatin1String("Min"))
                g.gauge.setMin(newValue);
            else if (property == QLatin1String("Max"))
                g.gauge.setMax(newValue);
            else
                g.gauge.setCanvas(&notAPictureBox);
            QFAIL("not refused");
        } catch (const GaugeError& e) {
            QCOMPARE(e.number(), number);
            QCOMPARE(e.source(), "CProgressBar." + property);
            QCOMPARE(e.description(), description);
        }
        QCOMPARE(QList<int>({g.gauge.min(), g.gauge.max(), g.gauge.value(), g.gauge.segmentCount(), g.lit()}),
                 QList<int>({0, 100, 40, 8, litBefore}));
        QCOMPARE(g.gauge.canvas(), &g.canvas);
    }
};

SIDELINES_TEST(TestGauge)
#include "tst_gauge.moc"
