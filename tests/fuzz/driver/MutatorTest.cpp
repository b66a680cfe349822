#include "fuzz/driver/Mutator.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

// Whether "size" or "id" holds null, a boolean, an array or an object somewhere in the text.
bool hasValueOfOtherType(const std::string& text) {
    for (const std::string key : {"\"size\":", "\"id\":"}) {
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
            const auto value = text.find_first_not_of(' ', at + key.size());
            if (value == std::string::npos)
                continue;
            const std::string_view rest = std::string_view(text).substr(value);
            for (const std::string_view start : {"null", "true", "false", "[", "{"})
                if (rest.starts_with(start))
                    return true;
        }
    }
    return false;
}

const std::string seed = R"({"items": [{"id": "wood", "size": 16, "scale": [0.5, 1.0]}], "name": "tree"})";

TEST(Mutator, RunsRepeatAndDiffer) {
    const fuzz::Mutator mutator({seed});
    const fuzz::Mutator again({seed});
    std::set<std::string> distinct;
    for (std::uint64_t run = 0; run < 200; ++run) {
        const std::string input = mutator.mutate(run);
        EXPECT_EQ(input, again.mutate(run)) << run;
        distinct.insert(input);
    }
    EXPECT_GT(distinct.size(), 180u);
}

// What the readers' guards are about must come out: documents nested past the JSON depth limit,
// numbers outside the converted types, cut documents and values of another type.
TEST(Mutator, ReachesTheEdgesReadersGuard) {
    const fuzz::Mutator mutator({seed, "[1, 2, 3]"});
    bool deep = false, edgeNumber = false, cut = false, otherType = false;
    for (std::uint64_t run = 0; run < 3000; ++run) {
        const std::string input = mutator.mutate(run);
        deep |= input.find(std::string(257, '[')) != std::string::npos;
        edgeNumber |= input.find("1e309") != std::string::npos;
        cut |= input.size() < seed.size() / 2 && seed.starts_with(input.substr(0, 8));
        otherType |= input.size() < 4096 && hasValueOfOtherType(input);
    }
    EXPECT_TRUE(deep);
    EXPECT_TRUE(edgeNumber);
    EXPECT_TRUE(cut);
    EXPECT_TRUE(otherType);
}

} // namespace
