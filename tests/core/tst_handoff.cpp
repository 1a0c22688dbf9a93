#include "support/Table.h"
#include "support/TestMain.h"

#include "club/OrderedHandoff.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
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

// The values a user takes until nothing more comes (with wait, waiting for each), and the
// failure thrown at the end, if one is.
QString Taken(Handoff& h, bool wait = true)
{
    QStringList got;
    try {
        while (const auto item = wait ? h.take() : h.tryTake())
            got << QString::number(item->value);
    } catch (const std::runtime_error& e) {
        got << QString::fromLatin1(e.what());
    }
    return got.join(QLatin1Char(' '));
}

} // namespace

// Items made on several threads and taken strictly in order, with the makers held a few items
// ahead of the taking.
class TestOrderedHandoff : public QObject
{
    Q_OBJECT

private slots:
    // Items put in any order within the window come out in index order, each with its own value,
    // taken with waiting or without; without waiting, nothing while the next item is missing, even
    // with later ones there.
    void takenInOrder_data() { table::Rows(QStringLiteral("handoff.txt")); }
    void takenInOrder()
    {
        QFETCH(QList<int>, order);
        QFETCH(int, ahead);
        Handoff h(size_t(order.size()), size_t(ahead));
        for (const int i : order) {
            if (order.indexOf(0) > order.indexOf(i))
                QCOMPARE(h.tryTake().has_value(), false);
            QVERIFY(h.put(size_t(i), 100 + i));
        }
        for (size_t i = 0; i < size_t(order.size()); ++i) {
            const auto item = i % 2 ? h.tryTake() : h.take();
            QVERIFY(item);
            QCOMPARE(item->index, i);
            QCOMPARE(item->value, 100 + int(i));
        }
        QCOMPARE(h.take().has_value(), false);
        QCOMPARE(h.tryTake().has_value(), false);
        QCOMPARE(h.taken(), size_t(order.size()));
    }

    // A maker that runs further ahead than the window waits until the taking catches up; one item
    // taken lets exactly one more in.
    void makerWaitsAtTheWindow_data() { table::Rows(QStringLiteral("handoff.txt")); }
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
    // that later items are in before earlier ones, and one user or two taking at once (the send's
    // two connections): each item goes to one user, each user takes its items in order, none is
    // lost or doubled, and no maker ever runs past the window.
    void makersOnThreads_data() { table::Rows(QStringLiteral("handoff.txt")); }
    void makersOnThreads()
    {
        QFETCH(int, makers);
        QFETCH(int, users);
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
        const auto use = [&] {
            std::vector<Handoff::Item> got;
            while (const auto item = h.take())
                got.push_back(*item);
            return got;
        };
        std::vector<std::future<std::vector<Handoff::Item>>> taking;
        for (int u = 0; u < users; ++u)
            taking.push_back(std::async(std::launch::async, use));
        // Items that stop coming would leave every thread waiting: closing lets them go.
        const bool finished = std::all_of(taking.begin(), taking.end(), [](auto& f) { return Returns(f); });
        if (!finished)
            h.close();
        for (std::thread& t : threads)
            t.join();
        QVERIFY2(finished, "the items stopped coming");
        std::vector<int> times(size_t(count), 0);
        for (auto& f : taking) {
            int last = -1;
            for (const Handoff::Item& item : f.get()) {
                QVERIFY(int(item.index) > last && int(item.index) < count);
                QCOMPARE(item.value, int(item.index) * 7);
                last = int(item.index);
                ++times[item.index];
            }
        }
        QCOMPARE(times, std::vector<int>(size_t(count), 1));
        QCOMPARE(pastWindow.load(), 0);
    }

    // However the hand-off stops (closed, given up from outside without a word to anyone, or by a
    // maker's failure, the first of two kept), a maker held at the window and a user waiting for
    // an item are woken, and nothing is made after. Items handed over before a failure still
    // come, and the user meets the failure at the first item not handed over; closing drops them.
    void stopWakesBothSides_data() { table::Rows(QStringLiteral("handoff.txt")); }
    void stopWakesBothSides()
    {
        QFETCH(QString, how);
        QFETCH(QString, waiting);
        QFETCH(QString, left);
        std::atomic<bool> stop{false};
        const std::function<bool()> outside
            = how == QLatin1String("given up") ? std::function<bool()>([&] { return stop.load(); }) : nullptr;
        Handoff full(4, 1, outside);
        Handoff empty(4, 2, outside);
        Handoff filled(4, 4, outside);
        QVERIFY(full.put(0, 0));
        QVERIFY(filled.put(1, 11) && filled.put(0, 10));
        auto maker = std::async(std::launch::async, [&] { return full.put(1, 1); });
        auto user = std::async(std::launch::async, [&] { return Taken(empty); });
        QVERIFY(Blocked(maker));
        QVERIFY(Blocked(user));

        stop = true;
        for (Handoff* h : {&full, &empty, &filled}) {
            if (how == QLatin1String("close")) {
                h->close();
            } else if (how == QLatin1String("fail")) {
                h->fail(std::make_exception_ptr(std::runtime_error("first")));
                h->fail(std::make_exception_ptr(std::runtime_error("second")));
            }
        }
        QVERIFY(Returns(maker));
        QCOMPARE(maker.get(), false);
        QVERIFY(Returns(user));
        QCOMPARE(user.get(), waiting);
        QCOMPARE(Taken(empty, false), waiting);
        QCOMPARE(Taken(filled), left);
        QCOMPARE(full.waitForRoom(1), false);
        QCOMPARE(full.put(1, 1), false);
    }
};

SIDELINES_TEST(TestOrderedHandoff)
#include "tst_handoff.moc"
