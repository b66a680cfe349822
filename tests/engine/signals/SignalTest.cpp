#include "engine/signals/Signal.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using smartsignals::ScopedConnections;
using smartsignals::Signal;

TEST(Signal, IdsCountFromZeroAndAreNeverReused) {
    Signal<void()> signal;
    Signal<void()> other;
    EXPECT_EQ(signal.connect([] {}), 0u);
    EXPECT_EQ(signal.connect([] {}), 1u);
    EXPECT_EQ(other.connect([] {}), 0u);
    signal.disconnect(0);
    EXPECT_EQ(signal.connect([] {}), 2u);
    EXPECT_FALSE(signal.isConnected(0));
    EXPECT_TRUE(signal.isConnected(2));
    EXPECT_FALSE(signal.isConnected(99));
}

TEST(Signal, EmitCallsSlotsInOrderWithArguments) {
    Signal<void(int, const std::string&)> signal;
    std::vector<std::string> calls;
    signal.connect([&](int n, const std::string& s) { calls.push_back("a" + std::to_string(n) + s); });
    signal.connect([&](int n, const std::string& s) { calls.push_back("b" + std::to_string(n) + s); });
    signal.emit(3, "x");
    EXPECT_EQ(calls, (std::vector<std::string>{"a3x", "b3x"}));
}

TEST(Signal, ConstVectorArgumentIsTheEmittersVector) {
    Signal<void(const std::vector<int>&)> signal;
    const std::vector<int>* seen = nullptr;
    signal.connect([&](const std::vector<int>& v) { seen = &v; });
    std::vector<int> values{1, 2};
    signal.emit(values);
    EXPECT_EQ(seen, &values);
}

TEST(Signal, MemberFunctionConnect) {
    struct Counter {
        int count = 0;
        void bump() { ++count; }
    } counter;
    Signal<void()> signal;
    signal.connect(&counter, &Counter::bump);
    signal.emit();
    signal.emit();
    EXPECT_EQ(counter.count, 2);
}

TEST(Signal, EmptyCallbackIsRejectedAtConnect) {
    Signal<void()> signal;
    EXPECT_THROW(signal.connect(std::function<void()>()), std::invalid_argument);
    EXPECT_EQ(signal.getSlotCount(), 0u);
}

TEST(Signal, NeverConnectedSignalAnswersEverything) {
    Signal<void(int)> signal;
    signal.emit(1);
    signal.disconnect(0);
    signal.disconnect(std::vector<smartsignals::u64>{0, 1});
    EXPECT_FALSE(signal.isConnected(0));
    EXPECT_EQ(signal.getSlotCount(), 0u);
    Signal<void(int)> moved(std::move(signal));
    moved.emit(2);
    int got = 0;
    EXPECT_EQ(moved.connect([&](int value) { got = value; }), 0u);
    moved.emit(3);
    EXPECT_EQ(got, 3);
}

TEST(Signal, DisconnectManyKeepsOrderAndIgnoresUnknownIds) {
    Signal<void()> signal;
    std::string calls;
    for (char c : std::string("abcd"))
        signal.connect([&calls, c] { calls += c; });
    signal.disconnect(std::vector<smartsignals::u64>{7, 8});
    EXPECT_EQ(signal.getSlotCount(), 4u);
    signal.disconnect(std::vector<smartsignals::u64>{1, 3, 42});
    signal.emit();
    EXPECT_EQ(calls, "ac");
}

TEST(SignalReentrancy, SelfDisconnectIsCalledThisEmitOnly) {
    Signal<void()> signal;
    int calls = 0;
    smartsignals::u64 id = 0;
    id = signal.connect([&] {
        ++calls;
        signal.disconnect(id);
    });
    signal.emit();
    signal.emit();
    EXPECT_EQ(calls, 1);
}

TEST(SignalReentrancy, SlotConnectedDuringEmitWaitsForNextEmit) {
    Signal<void()> signal;
    int late = 0;
    bool connected = false;
    signal.connect([&] {
        if (!connected) {
            connected = true;
            signal.connect([&] { ++late; });
        }
    });
    signal.emit();
    EXPECT_EQ(late, 0);
    signal.emit();
    EXPECT_EQ(late, 1);
}

TEST(SignalReentrancy, SlotDisconnectedBeforeItIsReachedIsSkipped) {
    Signal<void()> signal;
    auto listener = std::make_unique<ScopedConnections>();
    int listenerCalls = 0;
    signal.connect([&] { listener.reset(); }); // destroys the later listener mid-emit
    signal.connectTracked(*listener, [&] { ++listenerCalls; });
    signal.emit();
    EXPECT_EQ(listenerCalls, 0);
    EXPECT_EQ(signal.getSlotCount(), 1u);
}

TEST(SignalReentrancy, SlotsDroppedInANestedEmitStayDroppedForTheOuterOne) {
    Signal<void()> signal;
    std::vector<int> calls;
    smartsignals::u64 third = 0;
    int depth = 0;
    signal.connect([&] {
        calls.push_back(1);
        if (depth++ == 0) {
            signal.emit();
            EXPECT_FALSE(signal.isConnected(third));
            EXPECT_EQ(signal.getSlotCount(), 2u);
        }
    });
    signal.connect([&] {
        calls.push_back(2);
        signal.disconnect(third);
    });
    third = signal.connect([&] { calls.push_back(3); });
    signal.emit();
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 2, 2}));
    depth = 1;
    signal.emit();
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 2, 2, 1, 2}));
}

TEST(SignalReentrancy, OwnerDestroyedDuringEmit) {
    auto signal = std::make_unique<Signal<void()>>();
    int after = 0;
    signal->connect([&] { signal.reset(); });
    signal->connect([&] { ++after; });
    signal->emit();
    EXPECT_EQ(signal, nullptr);
    // The second slot belonged to the destroyed signal but was connected when the emit began.
    EXPECT_EQ(after, 1);
}

TEST(SignalReentrancy, ExceptionStopsTheEmitAndPropagates) {
    Signal<void()> signal;
    int second = 0;
    signal.connect([] { throw std::runtime_error("boom"); });
    signal.connect([&] { ++second; });
    EXPECT_THROW(signal.emit(), std::runtime_error);
    EXPECT_EQ(second, 0);
}

TEST(ScopedConnections, DisconnectAllDropsTrackedSlots) {
    Signal<void(int)> signal;
    int calls = 0;
    {
        ScopedConnections holder;
        signal.connectTracked(holder, [&](int) { ++calls; });
        signal.connectTracked(holder, [&](int) { ++calls; });
        EXPECT_EQ(holder.size(), 2u);
        signal.emit(1);
    }
    signal.emit(1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(signal.getSlotCount(), 0u);
}

TEST(ScopedConnections, SignalDestroyedFirstIsSkippedAndRecordCleared) {
    ScopedConnections holder;
    {
        Signal<void()> signal;
        signal.connectTracked(holder, [] {});
    }
    holder.disconnectAll();
    EXPECT_EQ(holder.size(), 0u);
}

TEST(ScopedConnections, RecordsFollowAMovedSignal) {
    ScopedConnections holder;
    int calls = 0;
    std::optional<Signal<void()>> original(std::in_place);
    original->connectTracked(holder, [&] { ++calls; });
    Signal<void()> moved(std::move(*original));
    original.reset(); // the moved-from signal dies first
    moved.emit();
    EXPECT_EQ(calls, 1);
    holder.disconnectAll();
    moved.emit();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(moved.getSlotCount(), 0u);
}

TEST(ScopedConnections, MovedSignalDyingBeforeHolderIsSafe) {
    auto holder = std::make_unique<ScopedConnections>();
    {
        Signal<void()> a;
        a.connectTracked(*holder, [] {});
        Signal<void()> b;
        b = std::move(a);
        // The tracked slot went with the move, and the holder still reaches it there.
        EXPECT_EQ(b.getSlotCount(), 1u);
        a.connect([] {}); // the moved-from signal stays usable
        EXPECT_EQ(a.getSlotCount(), 1u);
        holder->disconnectAll();
        EXPECT_EQ(b.getSlotCount(), 0u);
        EXPECT_EQ(a.getSlotCount(), 1u);
        b.connectTracked(*holder, [] {});
        EXPECT_EQ(holder->size(), 1u);
    }
    // b is gone: dropping the record must leave its memory alone (the sanitizers watch).
    EXPECT_EQ(holder->size(), 1u);
    holder->disconnectAll();
    EXPECT_EQ(holder->size(), 0u);
    holder.reset();
}

TEST(ScopedConnections, KeepsConnectionsWhenAskedNotToDisconnect) {
    Signal<void()> signal;
    int calls = 0;
    {
        ScopedConnections holder;
        holder.setDisconnectOnDestroy(false);
        signal.connectTracked(holder, [&] { ++calls; });
    }
    signal.emit();
    EXPECT_EQ(calls, 1);
}

TEST(ScopedConnections, DisconnectOnlyTouchesItsOwnSlots) {
    Signal<void()> signal;
    std::string calls;
    signal.connect([&] { calls += 'p'; });
    {
        ScopedConnections holder;
        signal.connectTracked(holder, [&] { calls += 't'; });
    }
    signal.connect([&] { calls += 'q'; });
    signal.emit();
    EXPECT_EQ(calls, "pq");
}
