#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/SlotList.hpp"

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

    // The slot list is made at the first connection: most signals of most objects (every entity
    // has some) are never connected to.
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    // The moved-from signal is left empty and usable; holders keep pointing at the moved list.
    Signal(Signal&& other) noexcept : slots(std::exchange(other.slots, nullptr)) {}
    Signal& operator=(Signal&& other) noexcept {
        if (this != &other)
            slots = std::exchange(other.slots, nullptr);
        return *this;
    }

    u64 connect(Callback callback) {
        if (!callback)
            throw std::invalid_argument("smartsignals::Signal::connect(): empty callback");
        if (!slots)
            slots = std::make_shared<Slots>();
        const u64 id = slots->nextId++;
        slots->entries.push_back(std::make_unique<Entry>(Entry{id, std::move(callback), true}));
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
        if (!slots)
            return;
        std::shared_ptr<Slots> keepAlive = slots;
        Slots& list = *keepAlive;
        // Entries stay in place while any emit runs: disconnection only marks them.
        const EmitScope scope(list);
        const std::size_t count = list.entries.size();
        for (std::size_t i = 0; i < count; ++i) {
            Entry& entry = *list.entries[i];
            if (entry.connected)
                entry.callback(args...);
        }
    }

    void disconnect(const std::vector<u64>& ids) {
        if (slots)
            slots->disconnect(ids);
    }
    void disconnect(u64 id) {
        if (slots)
            slots->disconnect(id);
    }
    bool isConnected(u64 id) const { return slots && slots->isConnected(id); }
    std::size_t getSlotCount() const {
        if (!slots)
            return 0;
        return static_cast<std::size_t>(
            std::count_if(slots->entries.begin(), slots->entries.end(),
                          [](const std::unique_ptr<Entry>& entry) { return entry->connected; }));
    }

private:
    struct Entry {
        u64 id;
        Callback callback;
        bool connected;
    };

    struct Slots final : SlotListBase {
        u64 nextId = 0;
        // Heap entries: a slot connected meanwhile may grow the list under a running callback.
        std::vector<std::unique_ptr<Entry>> entries;
        int emitting = 0;
        bool disconnectedWhileEmitting = false;

        void disconnect(const std::vector<u64>& ids) override {
            for (const auto& entry : entries) {
                if (std::find(ids.begin(), ids.end(), entry->id) != ids.end())
                    entry->connected = false;
            }
            drop();
        }
        void disconnect(u64 id) override {
            auto it = std::find_if(entries.begin(), entries.end(),
                                   [id](const std::unique_ptr<Entry>& entry) { return entry->id == id; });
            if (it == entries.end())
                return;
            (*it)->connected = false;
            drop();
        }
        bool isConnected(u64 id) const override {
            return std::any_of(entries.begin(), entries.end(), [id](const std::unique_ptr<Entry>& entry) {
                return entry->id == id && entry->connected;
            });
        }
        // Removes the disconnected entries, or leaves that to the end of the outermost emit.
        void drop() {
            if (emitting > 0) {
                disconnectedWhileEmitting = true;
                return;
            }
            std::erase_if(entries, [](const std::unique_ptr<Entry>& entry) { return !entry->connected; });
            disconnectedWhileEmitting = false;
        }
    };

    class EmitScope {
    public:
        explicit EmitScope(Slots& list) : list(list) { ++list.emitting; }
        ~EmitScope() {
            if (--list.emitting == 0 && list.disconnectedWhileEmitting)
                list.drop();
        }
        EmitScope(const EmitScope&) = delete;
        EmitScope& operator=(const EmitScope&) = delete;

    private:
        Slots& list;
    };

    // Null until the first connection.
    std::shared_ptr<Slots> slots;
};

} // namespace smartsignals
