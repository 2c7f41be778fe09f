// SPDX-License-Identifier: Apache-2.0
#pragma once

// A small bounded queue between two threads. Closing it wakes both sides:
// pushes fail from then on, and pops drain what is left and then give nothing.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace harvela::cli {

template <typename Item>
class BlockingQueue {
public:
    explicit BlockingQueue(std::size_t capacity) : capacity_(capacity) {}

    // Waits for room; false once the queue is closed.
    bool push(Item item)
    {
        std::unique_lock lock(mutex_);
        roomOrClosed_.wait(lock, [&] { return closed_ || items_.size() < capacity_; });
        if (closed_) {
            return false;
        }
        items_.push_back(std::move(item));
        itemOrClosed_.notify_one();
        return true;
    }

    // Waits for an item; nothing once the queue is closed and empty.
    std::optional<Item> pop()
    {
        std::unique_lock lock(mutex_);
        itemOrClosed_.wait(lock, [&] { return closed_ || !items_.empty(); });
        if (items_.empty()) {
            return std::nullopt;
        }
        Item item = std::move(items_.front());
        items_.pop_front();
        roomOrClosed_.notify_one();
        return item;
    }

    void close()
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        roomOrClosed_.notify_all();
        itemOrClosed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable roomOrClosed_;
    std::condition_variable itemOrClosed_;
    std::deque<Item> items_;
    std::size_t capacity_;
    bool closed_ = false;
};

}  // namespace harvela::cli
