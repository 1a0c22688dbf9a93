#include "support/Fixture.h"
#include "support/TestMain.h"

#include "core/CProgressBar.h"
#include "core/PictureBox.h"

#include <QLabel>
#include <QTest>

namespace {
const QColor kLit(0x80, 0x80, 0x80);
const QColor kUnlit(0xC0, 0xC0, 0xC0);

// A canvas whose inside is width x height pixels, coloured as the main window's.
std::unique_ptr<PictureBox> Canvas(int width, int height)
{
    auto box = std::make_unique<PictureBox>();
    box->setForeColor(kLit);
    box->setBackColor(kUnlit);
    const int frame = box->frameWidth() * 2;
    box->setFixedSize(width + frame, height + frame);
    return box;
}

// Segments drawn lit on the canvas, counted from the picture itself; -1 for a colour that is
// neither lit nor unlit.
int LitOnCanvas(const CProgressBar& gauge)
{
    const QImage image = gauge.canvas()->surface().toImage();
    int lit = 0;
    for (int i = 0; i < gauge.segmentCount(); ++i) {
        const int x = gauge.margin() + i * (gauge.segmentWidth() + gauge.gap()) + gauge.segmentWidth() / 2;
        const QColor c = image.pixelColor(x, gauge.margin() + gauge.segmentHeight() / 2);
        if (c == kLit)
            ++lit;
        else if (c != kUnlit)
            return -1;
    }
    return lit;
}
}  // namespace

class TestGauge : public QObject
{
    Q_OBJECT

private slots:
    void canvasIsFittedToWholeSegments_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("segmentHeight");
        QTest::addColumn<int>("segmentWidth");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("fittedWidth");
        QTest::newRow("100x20: the eighth segment would start outside") << 100 << 20 << 16 << 11 << 7 << 101;
        QTest::newRow("110x20: the eighth segment mostly fits") << 110 << 20 << 16 << 11 << 8 << 115;
        QTest::newRow("280x20: twenty segments") << 280 << 20 << 16 << 11 << 20 << 283;
    }

    void canvasIsFittedToWholeSegments()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, segmentHeight);
        QFETCH(int, segmentWidth);
        QFETCH(int, count);
        QFETCH(int, fittedWidth);
        auto canvas = Canvas(width, height);
        QCOMPARE(canvas->innerWidth(), width);
        CProgressBar gauge;
        gauge.setCanvas(canvas.get());
        QCOMPARE(gauge.segmentHeight(), segmentHeight);
        QCOMPARE(gauge.segmentWidth(), segmentWidth);
        QCOMPARE(gauge.segmentCount(), count);
        QCOMPARE(canvas->innerWidth(), fittedWidth);
        QCOMPARE(gauge.foreColor(), kLit);
        QCOMPARE(gauge.backColor(), kUnlit);
        QCOMPARE(LitOnCanvas(gauge), 0);
    }

    void valueLightsItsShareOfTwentySegments_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("lit");
        QTest::newRow("50 of 100") << 100 << 50 << 50 << 10;
        QTest::newRow("1 of 3, nearest to 6.67") << 3 << 1 << 1 << 7;
        QTest::newRow("2 of 3, nearest to 13.33") << 3 << 2 << 2 << 13;
        QTest::newRow("150 clamped to 100") << 100 << 150 << 100 << 20;
        QTest::newRow("-5 clamped to 0") << 100 << -5 << 0 << 0;
        QTest::newRow("1 of 40, a half goes to the even 0") << 40 << 1 << 1 << 0;
        QTest::newRow("3 of 40, a half goes to the even 2") << 40 << 3 << 3 << 2;
    }

    void valueLightsItsShareOfTwentySegments()
    {
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, stored);
        QFETCH(int, lit);
        auto canvas = Canvas(280, 20);
        CProgressBar gauge;
        gauge.setCanvas(canvas.get());
        gauge.setMin(0);
        QCOMPARE(gauge.segmentCount(), 20);
        gauge.setMax(max);
        gauge.setValue(value);
        QCOMPARE(gauge.value(), stored);
        QCOMPARE(gauge.litSegments(), lit);
        QCOMPARE(LitOnCanvas(gauge), lit);
        // Going back down unlights again.
        gauge.setValue(0);
        QCOMPARE(LitOnCanvas(gauge), 0);
    }

    void refusedSettingsLeaveTheGaugeAsItWas_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("newValue");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("description");
        QTest::newRow("Min equal to Max") << QStringLiteral("Min") << 100 << qint32(-2147221502)
                                          << QStringLiteral("CProgressBar.Min")
                                          << QStringLiteral("Min property must be less than Max.");
        QTest::newRow("Min above Max") << QStringLiteral("Min") << 250 << qint32(-2147221502)
                                       << QStringLiteral("CProgressBar.Min")
                                       << QStringLiteral("Min property must be less than Max.");
        QTest::newRow("Max equal to Min") << QStringLiteral("Max") << 0 << qint32(-2147221501)
                                          << QStringLiteral("CProgressBar.Max")
                                          << QStringLiteral("Max property must be greater than Min.");
        QTest::newRow("Max below Min") << QStringLiteral("Max") << -3 << qint32(-2147221501)
                                       << QStringLiteral("CProgressBar.Max")
                                       << QStringLiteral("Max property must be greater than Min.");
        QTest::newRow("Canvas not a picture box") << QStringLiteral("Canvas") << 0 << qint32(-2147221503)
                                                  << QStringLiteral("CProgressBar.Canvas")
                                                  << QStringLiteral("Canvas property must be of type PictureBox.");
    }

    void refusedSettingsLeaveTheGaugeAsItWas()
    {
        QFETCH(QString, property);
        QFETCH(int, newValue);
        QFETCH(qint32, number);
        QFETCH(QString, source);
        QFETCH(QString, description);
        auto canvas = Canvas(110, 20);
        CProgressBar gauge;
        gauge.setCanvas(canvas.get());
        gauge.setMax(100);
        gauge.setValue(40);
        const int litBefore = LitOnCanvas(gauge);
        QLabel notAPictureBox;

        bool raised = false;
        try {
            if (property == QLatin1String("Min"))
                gauge.setMin(newValue);
            else if (property == QLatin1String("Max"))
                gauge.setMax(newValue);
            else
                gauge.setCanvas(&notAPictureBox);
        } catch (const GaugeError& e) {
            raised = true;
            QCOMPARE(e.number(), number);
            QCOMPARE(e.source(), source);
            QCOMPARE(e.description(), description);
        }
        QVERIFY(raised);
        QCOMPARE(gauge.min(), 0);
        QCOMPARE(gauge.max(), 100);
        QCOMPARE(gauge.value(), 40);
        QCOMPARE(gauge.canvas(), canvas.get());
        QCOMPARE(gauge.segmentCount(), 8);
        QCOMPARE(LitOnCanvas(gauge), litBefore);
    }

    void withoutCanvasOnlyFieldsChange()
    {
        CProgressBar gauge;
        QCOMPARE(gauge.canvas(), nullptr);
        gauge.setMax(10);
        gauge.setValue(12);
        QCOMPARE(gauge.value(), 10);
        gauge.Refresh(true);
        QVERIFY_THROWS_EXCEPTION(GaugeError, gauge.setMax(0));
        QCOMPARE(gauge.max(), 10);
    }
};

SIDELINES_TEST(TestGauge)
#include "tst_gauge.moc"
