#pragma once

#include <cstdint>
#include <vector>

namespace smartsignals {

using u64 = std::uint64_t;

// The connection bookkeeping of one signal. It lives behind a shared pointer owned by the
// signal, so connection holders can reach it (weakly) even after the signal was moved.
class SlotListBase {
public:
    virtual void disconnect(const std::vector<u64>& ids) = 0;
    virtual void disconnect(u64 id) = 0;
    virtual bool isConnected(u64 id) const = 0;

protected:
    ~SlotListBase() = default;
};

} // namespace smartsignals
