#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/SlotList.hpp"

#include <boost/container/small_vector.hpp>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace smartsignals {

template <class Signature>
class Signal;

// A list of callbacks called in connection order. Connection ids count from 0 per signal and
// are never reused. Callbacks may connect, disconnect or destroy listeners (and the signal's
// owner) while the signal is emitting.
template <class... Args>
class Signal<void(Args...)> {
public:
    using Callback = std::function<void(Args...)>;

    Signal() : slots(std::make_shared<Slots>()) {}
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    // The moved-from signal is left empty and usable; holders keep pointing at the moved list.
    Signal(Signal&& other) noexcept : slots(std::exchange(other.slots, std::make_shared<Slots>())) {}
    Signal& operator=(Signal&& other) noexcept {
        if (this != &other)
            slots = std::exchange(other.slots, std::make_shared<Slots>());
        return *this;
    }

    u64 connect(Callback callback) {
        if (!callback)
            throw std::invalid_argument("smartsignals::Signal::connect(): empty callback");
        const u64 id = slots->nextId++;
        slots->entries.push_back(std::make_shared<Entry>(Entry{id, std::move(callback), true}));
        return id;
    }

    template <class T>
    u64 connect(T* object, void (T::*method)(Args...)) {
        return connect([object, method](Args... args) { (object->*method)(args...); });
    }

    u64 connectTracked(ScopedConnections& holder, Callback callback) {
        const u64 id = connect(std::move(callback));
        holder.add(std::weak_ptr<SlotListBase>(slots), id);
        return id;
    }

    // Calls the slots connected when the emit starts, in order. A slot disconnected before it is
    // reached is skipped; one connected meanwhile waits for the next emit. Exceptions of a
    // callback end the emit and reach the caller.
    void emit(Args... args) {
        std::shared_ptr<Slots> keepAlive = slots;
        // Most signals have a handful of slots: the snapshot then lives on the stack.
        const boost::container::small_vector<std::shared_ptr<Entry>, 4> snapshot(keepAlive->entries.begin(),
                                                                                 keepAlive->entries.end());
        for (const auto& entry : snapshot) {
            if (entry->connected)
                entry->callback(args...);
        }
    }

    void disconnect(const std::vector<u64>& ids) { slots->disconnect(ids); }
    void disconnect(u64 id) { slots->disconnect(id); }
    bool isConnected(u64 id) const { return slots->isConnected(id); }
    std::size_t getSlotCount() const { return slots->entries.size(); }

private:
    struct Entry {
        u64 id;
        Callback callback;
        bool connected;
    };

    struct Slots final : SlotListBase {
        u64 nextId = 0;
        std::vector<std::shared_ptr<Entry>> entries;

        void disconnect(const std::vector<u64>& ids) override {
            std::erase_if(entries, [&ids](const std::shared_ptr<Entry>& entry) {
                const bool hit = std::find(ids.begin(), ids.end(), entry->id) != ids.end();
                if (hit)
                    entry->connected = false;
                return hit;
            });
        }
        void disconnect(u64 id) override {
            auto it = std::find_if(entries.begin(), entries.end(),
                                   [id](const std::shared_ptr<Entry>& entry) { return entry->id == id; });
            if (it == entries.end())
                return;
            (*it)->connected = false;
            entries.erase(it);
        }
        bool isConnected(u64 id) const override {
            return std::any_of(entries.begin(), entries.end(),
                               [id](const std::shared_ptr<Entry>& entry) { return entry->id == id; });
        }
    };

    std::shared_ptr<Slots> slots;
};

} // namespace smartsignals
