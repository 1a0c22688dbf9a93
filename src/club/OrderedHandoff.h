#pragma once

// Items made on threads of their own (a match read from the archive, fetched from the club
// server) and handed to those who use them strictly in the order asked for, however the makers'
// work finishes. Makers stay a few items ahead and no further, so that the work overlaps without
// a whole season waiting in memory; a maker's failure reaches the user at the item it stopped
// at, and closing wakes every thread that waits on either side.
//
// Item i goes in slot i % ahead: a maker may make item i only once item i - ahead has been taken,
// so the slot is free by then.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

template <typename T>
class OrderedHandoff
{
public:
    struct Item
    {
        size_t index;
        T value;
    };

    // count items, 0 to count - 1; a maker may run at most `ahead` items past those taken.
    // givenUp: a stop from outside that cannot wake the waiting threads itself (a call given up);
    // they look at it every 50 ms, and once it holds the hand-off is closed.
    OrderedHandoff(size_t count, size_t ahead, std::function<bool()> givenUp = {})
        : m_count(count), m_slots(ahead > 0 ? ahead : 1), m_givenUp(std::move(givenUp))
    {
    }
    OrderedHandoff(const OrderedHandoff&) = delete;
    OrderedHandoff& operator=(const OrderedHandoff&) = delete;

    // For a maker: waits until item i may be made. False once the hand-off is closed or has
    // failed: make nothing more.
    bool waitForRoom(size_t i)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        waitUntil(lock, [&] { return i < m_taken + m_slots.size(); });
        return !ended();
    }

    // For a maker: hands item i over, waiting for room first. False, and the item dropped, once
    // the hand-off is closed or has failed.
    bool put(size_t i, T value)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        waitUntil(lock, [&] { return i < m_taken + m_slots.size(); });
        if (ended() || i >= m_count || i < m_taken)
            return false;
        m_slots[i % m_slots.size()].emplace(std::move(value));
        m_changed.notify_all();
        return true;
    }

    // For a maker: it stopped at an item it will not hand over. The user gets the failure thrown
    // when it reaches the first item not handed over; the items before still come. The first
    // failure is the one kept.
    void fail(std::exception_ptr failure)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_failure)
            m_failure = std::move(failure);
        m_changed.notify_all();
    }

    // For anyone: no more items are made or taken; every thread that waits returns at once.
    void close()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_closed = true;
        m_changed.notify_all();
    }

    // For the user: the next item in order, once it is there; nothing when every item has been
    // taken or the hand-off is closed. Throws a maker's failure at the first item not handed over.
    std::optional<Item> take()
    {
        std::unique_lock<std::mutex> lock(m_lock);
        waitUntil(lock, [&] { return m_taken >= m_count || nextIsIn(); });
        return takeNext();
    }

    // The same without waiting: nothing also while the next item is not there yet.
    std::optional<Item> tryTake()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_givenUp && m_givenUp())
            m_closed = true;
        return takeNext();
    }

    // How many items have been taken.
    size_t taken() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_taken;
    }

private:
    bool ended() const { return m_closed || m_failure; }
    bool nextIsIn() const { return m_taken < m_count && m_slots[m_taken % m_slots.size()].has_value(); }

    // Waits until ready holds or the hand-off has ended; a stop from outside is looked at now and
    // then, as it wakes no one.
    template <typename Ready>
    void waitUntil(std::unique_lock<std::mutex>& lock, Ready ready)
    {
        for (;;) {
            if (m_givenUp && !m_closed && m_givenUp()) {
                m_closed = true;
                m_changed.notify_all();
            }
            if (ready() || ended())
                return;
            if (m_givenUp)
                m_changed.wait_for(lock, std::chrono::milliseconds(50));
            else
                m_changed.wait(lock);
        }
    }

    std::optional<Item> takeNext()
    {
        if (m_closed || m_taken >= m_count)
            return std::nullopt;
        if (!nextIsIn()) {
            if (m_failure)
                std::rethrow_exception(m_failure);
            return std::nullopt;
        }
        std::optional<T>& slot = m_slots[m_taken % m_slots.size()];
        Item item{m_taken, std::move(*slot)};
        slot.reset();
        ++m_taken;
        m_changed.notify_all();
        return item;
    }

    const size_t m_count;
    std::vector<std::optional<T>> m_slots;
    const std::function<bool()> m_givenUp;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    size_t m_taken = 0;
    bool m_closed = false;
    std::exception_ptr m_failure;
};
