#include "support/TestMain.h"

#include "club/OrderedHandoff.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <future>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

using Handoff = OrderedHandoff<int>;

// Long enough for a thread that should have returned to have done so; a thread that must stay
// blocked is only ever given this long, so a slow machine cannot make a right answer wrong.
constexpr auto kSettle = 100ms;
// How long a thread that must return is waited for before the test calls it stuck.
constexpr auto kStuck = 30s;

template <typename R>
bool Blocked(std::future<R>& f)
{
    return f.wait_for(kSettle) == std::future_status::timeout;
}

template <typename R>
bool Returns(std::future<R>& f)
{
    return f.wait_for(kStuck) == std::future_status::ready;
}

std::vector<int> Numbers(const QString& text)
{
    std::vector<int> out;
    for (const QString& n : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.push_back(n.toInt());
    return out;
}

} // namespace

// Items made on several threads and taken strictly in order, with the makers held a few items
// ahead of the taking.
class TestOrderedHandoff : public QObject
{
    Q_OBJECT

private slots:
    // Items put in any order within the window come out in index order, each with its own value.
    void takenInOrder_data()
    {
        QTest::addColumn<QString>("putOrder");
        QTest::addColumn<int>("ahead");
        QTest::newRow("in order") << "0 1 2 3" << 4;
        QTest::newRow("backwards") << "3 2 1 0" << 4;
        QTest::newRow("first last") << "1 2 3 0" << 4;
        QTest::newRow("interleaved") << "2 0 3 1" << 4;
        QTest::newRow("window larger than the items") << "2 1 0" << 8;
    }
    void takenInOrder()
    {
        QFETCH(QString, putOrder);
        QFETCH(int, ahead);
        const std::vector<int> order = Numbers(putOrder);
        Handoff h(order.size(), size_t(ahead));
        for (const int i : order)
            QVERIFY(h.put(size_t(i), 100 + i));
        for (size_t i = 0; i < order.size(); ++i) {
            const auto item = h.take();
            QVERIFY(item);
            QCOMPARE(item->index, i);
            QCOMPARE(item->value, 100 + int(i));
        }
        QCOMPARE(h.take().has_value(), false);
        QCOMPARE(h.taken(), order.size());
    }

    // Without waiting: nothing while the next item is missing, even with later ones there.
    void tryTakeWaitsForTheNext()
    {
        Handoff h(3, 3);
        QVERIFY(h.put(1, 11));
        QVERIFY(h.put(2, 12));
        QCOMPARE(h.tryTake().has_value(), false);
        QVERIFY(h.put(0, 10));
        for (int i = 0; i < 3; ++i) {
            const auto item = h.tryTake();
            QVERIFY(item);
            QCOMPARE(item->value, 10 + i);
        }
        QCOMPARE(h.tryTake().has_value(), false);
    }

    // A maker that runs further ahead than the window waits until the taking catches up; one item
    // taken lets exactly one more in.
    void makerWaitsAtTheWindow_data()
    {
        QTest::addColumn<int>("ahead");
        QTest::newRow("one ahead") << 1;
        QTest::newRow("three ahead") << 3;
        QTest::newRow("six ahead") << 6;
    }
    void makerWaitsAtTheWindow()
    {
        QFETCH(int, ahead);
        const size_t window = size_t(ahead);
        Handoff h(window + 2, window);
        for (size_t i = 0; i < window; ++i)
            QVERIFY(h.put(i, int(i)));
        auto first = std::async(std::launch::async, [&] { return h.put(window, int(window)); });
        QVERIFY(Blocked(first));
        auto second = std::async(std::launch::async, [&] { return h.waitForRoom(window + 1); });
        QVERIFY(Blocked(second));

        QCOMPARE(h.take()->index, size_t(0));
        QVERIFY(Returns(first));
        QVERIFY(first.get());
        QVERIFY(Blocked(second));

        QCOMPARE(h.take()->index, size_t(1));
        QVERIFY(Returns(second));
        QVERIFY(second.get());
    }

    // Makers on threads of their own, each making every n-th item, the first of them slowest, so
    // that later items are in before earlier ones: taken in order all the same, none lost or
    // doubled, and no maker ever past the window.
    void makersOnThreads_data()
    {
        QTest::addColumn<int>("makers");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("ahead");
        QTest::newRow("two makers, six ahead") << 2 << 60 << 6;
        QTest::newRow("three makers, three ahead") << 3 << 45 << 3;
        QTest::newRow("four makers, one ahead") << 4 << 20 << 1;
        QTest::newRow("one maker, three ahead") << 1 << 30 << 3;
    }
    void makersOnThreads()
    {
        QFETCH(int, makers);
        QFETCH(int, count);
        QFETCH(int, ahead);
        Handoff h{size_t(count), size_t(ahead)};
        std::atomic<int> pastWindow{0};
        std::vector<std::thread> threads;
        for (int m = 0; m < makers; ++m) {
            threads.emplace_back([&, m] {
                for (int i = m; i < count; i += makers) {
                    if (!h.waitForRoom(size_t(i)))
                        return;
                    // Made while the window allowed it: what was taken can only have grown since.
                    if (size_t(i) >= h.taken() + size_t(ahead)) {
                        ++pastWindow;
                        h.close();
                        return;
                    }
                    if (m == 0)
                        std::this_thread::sleep_for(2ms);
                    if (!h.put(size_t(i), i * 7))
                        return;
                }
            });
        }
        auto user = std::async(std::launch::async, [&] {
            std::vector<int> values;
            while (const auto item = h.take()) {
                if (item->index != values.size())
                    break;
                values.push_back(item->value);
            }
            return values;
        });
        // Items that stop coming would leave every thread waiting: closing lets them go.
        const bool finished = Returns(user);
        if (!finished)
            h.close();
        for (std::thread& t : threads)
            t.join();
        QVERIFY2(finished, "the items stopped coming");
        const std::vector<int> values = user.get();
        QCOMPARE(int(values.size()), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(values[size_t(i)], i * 7);
        QCOMPARE(pastWindow.load(), 0);
    }

    // Two users taking at once (the send's two connections): each item goes to one of them.
    void twoUsersShareTheItems()
    {
        constexpr int kCount = 200;
        Handoff h(kCount, 3);
        std::thread maker([&] {
            for (int i = 0; i < kCount; ++i)
                if (!h.put(size_t(i), i))
                    return;
        });
        auto use = [&] {
            std::vector<int> got;
            while (const auto item = h.take()) {
                if (item->value != int(item->index))
                    return std::vector<int>{-1};
                got.push_back(item->value);
            }
            return got;
        };
        auto a = std::async(std::launch::async, use);
        auto b = std::async(std::launch::async, use);
        std::multiset<int> all;
        for (auto* f : {&a, &b}) {
            QVERIFY(Returns(*f));
            for (const int v : f->get())
                all.insert(v);
        }
        maker.join();
        QCOMPARE(int(all.size()), kCount);
        QCOMPARE(int(std::set<int>(all.begin(), all.end()).size()), kCount);
        QCOMPARE(*all.begin(), 0);
        QCOMPARE(*all.rbegin(), kCount - 1);
    }

    // Closing wakes a maker held at the window and a user waiting for an item; neither makes nor
    // takes anything after.
    void closeWakesBothSides()
    {
        Handoff h(4, 1);
        QVERIFY(h.put(0, 0));
        auto maker = std::async(std::launch::async, [&] { return h.put(1, 1); });
        Handoff empty(4, 2);
        auto user = std::async(std::launch::async, [&] { return empty.take().has_value(); });
        QVERIFY(Blocked(maker));
        QVERIFY(Blocked(user));

        h.close();
        empty.close();
        QVERIFY(Returns(maker));
        QCOMPARE(maker.get(), false);
        QVERIFY(Returns(user));
        QCOMPARE(user.get(), false);
        QCOMPARE(h.take().has_value(), false);
        QCOMPARE(h.waitForRoom(1), false);
        QCOMPARE(h.put(1, 1), false);
    }

    // A stop from outside that notifies no one (a call given up): a maker held at the window
    // notices it, and so does a user waiting for an item.
    void givenUpFromOutside()
    {
        std::atomic<bool> stop{false};
        Handoff h(4, 1, [&] { return stop.load(); });
        QVERIFY(h.put(0, 0));
        auto maker = std::async(std::launch::async, [&] { return h.waitForRoom(1); });
        QVERIFY(Blocked(maker));
        stop = true;
        QVERIFY(Returns(maker));
        QCOMPARE(maker.get(), false);

        std::atomic<bool> stopUser{false};
        Handoff empty(4, 2, [&] { return stopUser.load(); });
        auto user = std::async(std::launch::async, [&] { return empty.take().has_value(); });
        QVERIFY(Blocked(user));
        stopUser = true;
        QVERIFY(Returns(user));
        QCOMPARE(user.get(), false);
        QCOMPARE(empty.tryTake().has_value(), false);
    }

    // A maker's failure reaches the user at the item the maker stopped at: the items before it
    // still come, a user already waiting is woken with it, and the other makers stop.
    void failureReachesTheUser()
    {
        Handoff h(6, 3);
        QVERIFY(h.put(0, 10));
        QVERIFY(h.put(1, 11));
        auto waiting = std::async(std::launch::async, [&] {
            h.take();
            h.take();
            try {
                h.take();
            } catch (const std::runtime_error& e) {
                return QString::fromLatin1(e.what());
            }
            return QString();
        });
        QVERIFY(Blocked(waiting));
        try {
            throw std::runtime_error("the archive went away");
        } catch (...) {
            h.fail(std::current_exception());
        }
        QVERIFY(Returns(waiting));
        QCOMPARE(waiting.get(), QStringLiteral("the archive went away"));
        QCOMPARE(h.put(2, 12), false);
        QCOMPARE(h.waitForRoom(3), false);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, h.tryTake());
    }

    // Items handed over before the failure are not lost to it; the first failure is the one kept.
    void itemsBeforeTheFailureStillCome()
    {
        Handoff h(4, 4);
        QVERIFY(h.put(1, 11));
        QVERIFY(h.put(0, 10));
        h.fail(std::make_exception_ptr(std::runtime_error("first")));
        h.fail(std::make_exception_ptr(std::runtime_error("second")));
        QCOMPARE(h.take()->value, 10);
        QCOMPARE(h.take()->value, 11);
        try {
            h.take();
            QFAIL("the failure did not reach the user");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("first"));
        }
    }
};

SIDELINES_TEST(TestOrderedHandoff)
#include "tst_handoff.moc"
