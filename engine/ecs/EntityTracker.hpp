#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/EntityManager.hpp"
#include "engine/signals/ScopedConnections.hpp"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orv {

// The entities of one world that carry a component C, in the order they arrived, each with its
// component. Fed by the world's entities-added and entities-removed signals.
//
// Removal is O(1): a leaving entity only empties its slot, and the list is compacted once
// enough slots are empty and no walk is running. forEach() stays valid while its own work adds
// entities to the world or removes them from it: the removed are skipped, the added wait for
// the next walk.
template <class C>
class EntityTracker {
public:
    struct Entry {
        const Entity* entity = nullptr;
        C* component = nullptr;
    };
    // A system's own work for an entity that joins or leaves the list.
    using Hook = std::function<void(const Entity*, C&)>;

    class Iterator {
    public:
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(const std::vector<Entry>* list, std::size_t at) : list(list), at(at) { skipEmpty(); }
        const Entry& operator*() const { return (*list)[at]; }
        const Entry* operator->() const { return &(*list)[at]; }
        Iterator& operator++() {
            ++at;
            skipEmpty();
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return at == other.at; }

    private:
        void skipEmpty() {
            while (at < list->size() && !(*list)[at].entity)
                ++at;
        }
        const std::vector<Entry>* list = nullptr;
        std::size_t at = 0;
    };

    EntityTracker() = default;
    EntityTracker(const EntityTracker&) = delete;
    EntityTracker& operator=(const EntityTracker&) = delete;

    // Follows `world` from now on (entities already in it are not seen) until this tracker
    // dies. `onAdded` runs for an arriving holder once it is listed, `onRemoved` for a leaving
    // one once it is off the list (the entity is still whole then).
    void follow(EntityManager& world, Hook added = {}, Hook removed = {}) {
        onAdded = std::move(added);
        onRemoved = std::move(removed);
        world.getEntitiesAddedSignal().connectTracked(
            connections, [this](const std::vector<const Entity*>& batch) { add(batch); });
        world.getEntitiesRemovedSignal().connectTracked(
            connections, [this](const std::vector<const Entity*>& batch) { remove(batch); });
    }

    // Appends the holders of C in batch order; an entity listed already stays where it is.
    void add(const std::vector<const Entity*>& batch) {
        reserveFor(batch.size());
        for (const Entity* entity : batch)
            add(entity);
    }

    void add(const Entity* entity) {
        C* component = entity->findComponent<C>();
        if (!component || !slots.try_emplace(entity, list.size()).second)
            return;
        list.push_back({entity, component});
        if (onAdded)
            onAdded(entity, *component);
    }

    // Takes the listed entities of the batch off the list; the others keep their order.
    void remove(const std::vector<const Entity*>& batch) {
        for (const Entity* entity : batch)
            drop(entity);
        if (walks == 0)
            compactIfSparse();
    }

    void remove(const Entity* entity) {
        drop(entity);
        if (walks == 0)
            compactIfSparse();
    }

    // Calls work(entity, component) for every entity listed when the walk starts, in order,
    // unless the walk has taken it off the list before its turn.
    template <class Work>
    void forEach(Work&& work) {
        forEach(work, [](const Entity*, C&) {});
    }

    // As above, and then(entity, component) right after the work of an entity that its own
    // work left on the list.
    template <class Work, class Then>
    void forEach(Work&& work, Then&& then) {
        Walk walk(*this);
        const std::size_t end = list.size();
        for (std::size_t i = 0; i < end; ++i) {
            const Entry entry = list[i]; // the work may grow the list
            if (!entry.entity)
                continue;
            work(entry.entity, *entry.component);
            // Slots are not reused during a walk: a removed entity that came back sits elsewhere.
            if (list[i].entity)
                then(entry.entity, *entry.component);
        }
    }

    bool contains(const Entity* entity) const { return slots.contains(entity); }
    std::size_t size() const { return slots.size(); }
    bool isEmpty() const { return slots.empty(); }

    // Reading only: the work of a loop over these must not add or remove entities.
    Iterator begin() const { return Iterator(&list, 0); }
    Iterator end() const { return Iterator(&list, list.size()); }

    // The listed entities, in order.
    std::vector<const Entity*> entities() const {
        std::vector<const Entity*> result;
        result.reserve(slots.size());
        for (const Entry& entry : *this)
            result.push_back(entry.entity);
        return result;
    }

    // The list without empty slots. Not during a walk.
    const std::vector<Entry>& entries() {
        compact();
        return list;
    }

    // Lets `permute(std::vector<Entry>&)` put the (compacted) list in another order; it returns
    // whether it changed anything. Later arrivals are appended after that order. Not during a walk.
    template <class Permute>
    void reorder(Permute&& permute) {
        compact();
        if (!permute(list))
            return;
        for (std::size_t i = 0; i < list.size(); ++i)
            slots.find(list[i].entity)->second = i;
    }

private:
    // Room for that many more at once, growing geometrically: a whole world arriving in one batch
    // rehashes the slots once instead of at every doubling.
    void reserveFor(std::size_t more) {
        if (list.size() + more > list.capacity())
            list.reserve(std::max(list.size() + more, 2 * list.capacity()));
        const std::size_t held = slots.size() + more;
        if (held > slots.bucket_count() * slots.max_load_factor())
            slots.reserve(std::max(held, 2 * slots.size()));
    }

    struct Walk {
        explicit Walk(EntityTracker& tracker) : tracker(tracker) { ++tracker.walks; }
        ~Walk() {
            if (--tracker.walks == 0)
                tracker.compactIfSparse();
        }
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;
        EntityTracker& tracker;
    };

    void drop(const Entity* entity) {
        const auto slot = slots.find(entity);
        if (slot == slots.end())
            return;
        C* component = list[slot->second].component;
        list[slot->second] = Entry{};
        slots.erase(slot);
        ++empty;
        if (onRemoved)
            onRemoved(entity, *component);
    }

    // Amortised: at least as many entries are kept as were dropped since the last compaction.
    void compactIfSparse() {
        if (empty > 0 && empty * 2 >= list.size())
            compact();
    }

    void compact() {
        if (walks > 0)
            throw std::logic_error("An entity list cannot be rearranged while it is being walked");
        if (empty == 0)
            return;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!list[i].entity)
                continue;
            if (kept != i) {
                list[kept] = list[i];
                slots.find(list[kept].entity)->second = kept;
            }
            ++kept;
        }
        list.resize(kept);
        empty = 0;
    }

    std::vector<Entry> list;
    std::unordered_map<const Entity*, std::size_t> slots;
    std::size_t empty = 0;
    int walks = 0;
    Hook onAdded;
    Hook onRemoved;
    // Last, so the slots leave the signals before anything else of the tracker goes.
    smartsignals::ScopedConnections connections;
};

} // namespace orv
