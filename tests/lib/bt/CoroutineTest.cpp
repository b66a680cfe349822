#include "bt/Coroutine.hpp"
#include "bt/Exceptions.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using bt::Coroutine;

TEST(Coroutine, AlternatesWithItsCaller) {
    std::vector<std::string> log;
    Coroutine* self = nullptr;
    Coroutine coroutine([&] {
        log.push_back("a");
        self->yield();
        log.push_back("b");
        self->yield();
        log.push_back("c");
    });
    self = &coroutine;
    EXPECT_TRUE(coroutine.resume());
    log.push_back("1");
    EXPECT_TRUE(coroutine.isSuspended());
    EXPECT_TRUE(coroutine.resume());
    log.push_back("2");
    EXPECT_FALSE(coroutine.resume());
    EXPECT_TRUE(coroutine.isFinished());
    EXPECT_EQ(log, (std::vector<std::string>{"a", "1", "b", "2", "c"}));
    EXPECT_THROW(coroutine.resume(), bt::LogicError);
}

TEST(Coroutine, CancelRunsDestructorsOfTheSuspendedBody) {
    struct Flag {
        bool& flag;
        ~Flag() { flag = true; }
    };
    bool destroyed = false;
    bool continued = false;
    Coroutine* self = nullptr;
    Coroutine coroutine([&] {
        Flag flag{destroyed};
        self->yield();
        continued = true;
    });
    self = &coroutine;
    coroutine.resume();
    EXPECT_FALSE(destroyed);
    coroutine.cancel();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(continued);
    EXPECT_TRUE(coroutine.isFinished());
    coroutine.cancel(); // again: nothing left to do
}

TEST(Coroutine, YieldOutsideTheBodyIsALogicError) {
    Coroutine coroutine([] {});
    EXPECT_THROW(coroutine.yield(), bt::LogicError);
    EXPECT_THROW(Coroutine(std::function<void()>()), bt::LogicError);
}

TEST(Coroutine, DeepCallsFitOnTheStack) {
    // Recursion with sizeable frames, as nodes with a few locals and library calls would use.
    std::function<int(int)> depth = [&](int n) {
        volatile char frame[512] = {};
        frame[0] = static_cast<char>(n);
        return n == 0 ? frame[0] : depth(n - 1) + 1;
    };
    int result = 0;
    Coroutine coroutine([&] { result = depth(100); });
    EXPECT_FALSE(coroutine.resume());
    EXPECT_EQ(result, 100);
}
