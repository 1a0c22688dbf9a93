#include "Court.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFontInfo>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace game_test;

// The court at laptop and large-monitor sizes: everything inside the window, nothing on top of
// anything else that should not be, and text large enough to read from the bench. Set
// SIDELINES_SHOTS to a folder to keep the pictures.
class TestCourtLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void readableAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("minBoxPx");
        QTest::addColumn<int>("minButtonPx");
        QTest::newRow("1366x768") << QSize(1366, 768) << 20 << 13;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 28 << 18;
        QTest::newRow("smallest window") << QSize(640, 460) << 11 << 9;
        // As it opens on this screen (under Xvfb: the screen's own size).
        QTest::newRow("as it opens") << QSize() << 11 << 9;
    }

    void readableAtEverySize()
    {
        QFETCH(QSize, size);
        QFETCH(int, minBoxPx);
        QFETCH(int, minButtonPx);
        Court c;
        if (size.isValid())
            c.screen->resize(size);
        QVERIFY(c.show());
        if (size.isValid()) {
            c.screen->resize(size);
            QCOMPARE(c.screen->size(), size);
        } else {
            // It opens on the screen, centred, and uses most of it.
            const QRect area = c.screen->screen()->availableGeometry();
            QVERIFY(area.contains(c.screen->frameGeometry()));
            QVERIFY(c.screen->width() * 10 >= std::min(area.width(), 640) * 9 || c.screen->width() == 640);
            size = c.screen->size();
        }
        // A selection and a status line, as during play.
        QVERIFY(c.record(3, Qt::Key_D));
        QTRY_VERIFY(!c.status()->text().isEmpty());

        const QRect window = c.screen->rect();
        QList<QRect> boxes;
        for (int n = 1; n <= 12; ++n) {
            QLabel* box = c.box(n);
            const QRect r(box->mapTo(c.screen.get(), QPoint(0, 0)), box->size());
            QVERIFY2(window.contains(r), qPrintable(QStringLiteral("box %1 leaves the window").arg(n)));
            for (const QRect& other : boxes)
                QVERIFY2(!other.intersects(r), qPrintable(QStringLiteral("box %1 overlaps another").arg(n)));
            boxes << r;
            // The key hint sits inside its own box.
            QLabel* hint = c.hint(n);
            QVERIFY(r.contains(QRect(hint->mapTo(c.screen.get(), QPoint(0, 0)), hint->size())));
            QVERIFY2(QFontInfo(box->font()).pixelSize() >= minBoxPx,
                     qPrintable(QStringLiteral("box %1 text is %2 px").arg(n).arg(QFontInfo(box->font()).pixelSize())));
            QVERIFY(QFontInfo(box->font()).bold());
            // The caption fits the box.
            const QRect need
                = box->fontMetrics().boundingRect(box->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, box->text());
            QVERIFY2(box->contentsRect().contains(need), qPrintable(QStringLiteral("box %1 text spills").arg(n)));
        }
        // Left half left of the net, right half right of it.
        auto* net = c.screen->findChild<QWidget*>(QStringLiteral("Line1"));
        QVERIFY(net);
        const int netX = net->geometry().center().x();
        for (int n = 1; n <= 12; ++n)
            QVERIFY(n <= 6 ? boxes[n - 1].right() < netX : boxes[n - 1].left() > netX);
        for (const char* name : {"cmdGame", "cmdRotate_0", "cmdScore_0", "cmdScore_1", "cmdRotate_1", "cmdEndMatch"}) {
            QPushButton* b = c.button(QString::fromLatin1(name));
            QVERIFY2(QFontInfo(b->font()).pixelSize() >= minButtonPx, name);
            QString text = b->text();
            text.remove(QLatin1Char('&'));
            QVERIFY2(b->fontMetrics().horizontalAdvance(text) < b->width() - 6, name);
        }
        for (int i = 0; i < 2; ++i)
            QVERIFY(QFontInfo(c.score(i)->font()).pixelSize() >= 2 * minButtonPx);
        // The status line shows the whole of its text.
        QVERIFY(c.status()->fontMetrics().horizontalAdvance(c.status()->text()) <= c.status()->contentsRect().width());

        const QString dir = qEnvironmentVariable("SIDELINES_SHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(c.screen->grab().save(
                QDir(dir).filePath(QStringLiteral("court-%1x%2.png").arg(size.width()).arg(size.height()))));
            if (QTest::currentDataTag() == QByteArray("as it opens"))
                QVERIFY(c.screen->screen()->grabWindow(0).save(QDir(dir).filePath(QStringLiteral("screen.png"))));
        }
    }
};

SIDELINES_TEST(TestCourtLook)
#include "tst_courtlook.moc"
