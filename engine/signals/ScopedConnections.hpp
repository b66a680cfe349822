#pragma once

#include "engine/signals/SlotList.hpp"

#include <memory>
#include <vector>

namespace smartsignals {

// The connections one listener made to signals owned by others; dropped together when the
// listener goes away, skipping signals that no longer exist.
class ScopedConnections {
public:
    ScopedConnections() = default;
    ScopedConnections(const ScopedConnections&) = delete;
    ScopedConnections& operator=(const ScopedConnections&) = delete;
    ScopedConnections(ScopedConnections&&) noexcept = default;
    ScopedConnections& operator=(ScopedConnections&& other) noexcept;
    ~ScopedConnections();

    void add(std::weak_ptr<SlotListBase> signal, u64 id);
    void disconnectAll();

    std::size_t size() const { return records.size(); }
    bool getDisconnectOnDestroy() const { return disconnectOnDestroy; }
    void setDisconnectOnDestroy(bool value) { disconnectOnDestroy = value; }

private:
    struct Record {
        std::weak_ptr<SlotListBase> signal;
        u64 id;
    };
    std::vector<Record> records;
    bool disconnectOnDestroy = true;
};

} // namespace smartsignals
