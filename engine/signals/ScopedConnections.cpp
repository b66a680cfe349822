#include "engine/signals/ScopedConnections.hpp"

namespace smartsignals {

ScopedConnections& ScopedConnections::operator=(ScopedConnections&& other) noexcept {
    if (this != &other) {
        if (disconnectOnDestroy)
            disconnectAll();
        records = std::move(other.records);
        disconnectOnDestroy = other.disconnectOnDestroy;
        other.records.clear();
    }
    return *this;
}

ScopedConnections::~ScopedConnections() {
    if (disconnectOnDestroy)
        disconnectAll();
}

void ScopedConnections::add(std::weak_ptr<SlotListBase> signal, u64 id) {
    records.push_back({std::move(signal), id});
}

void ScopedConnections::disconnectAll() {
    // Taken out first: a disconnect may run code that adds records to this holder again.
    std::vector<Record> taken = std::move(records);
    records.clear();
    for (const Record& record : taken) {
        if (auto signal = record.signal.lock(); signal && signal->isConnected(record.id))
            signal->disconnect(record.id);
    }
}

} // namespace smartsignals
