#include "tests/data/DataFolder.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <fstream>

namespace {

struct State {
    float begin;
    std::array<int, 3> rgb;
};

// The colour of the cycle at a fraction of the day, interpolated between the states around it
// and wrapping from the last state of one day into the first of the next.
std::array<int, 3> colourAt(const std::vector<State>& states, float t) {
    std::size_t from = states.size() - 1;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (states[i].begin <= t) {
            from = i;
        }
    }
    const std::size_t to = (from + 1) % states.size();
    const float val = t >= states[from].begin ? t - states[from].begin : 1.f - states[from].begin + t;
    const float dist = states[to].begin > states[from].begin ? states[to].begin - states[from].begin
                                                             : states[to].begin + 1.f - states[from].begin;
    const float f = val / dist;
    std::array<int, 3> out{};
    for (std::size_t c = 0; c < 3; ++c) {
        out[c] = static_cast<int>(states[from].rgb[c] * (1.f - f) + states[to].rgb[c] * f);
    }
    return out;
}

int brightness(const std::array<int, 3>& c) {
    return c[0] + c[1] + c[2];
}

TEST(DayNightFile, DefaultCycleIsDarkAtNightAndWhiteAtNoon) {
    const auto files = datatest::filesBelow(datatest::dataFolder() / "other" / "dayNight", {".json"});
    std::vector<State> states;
    int definitions = 0;
    for (const auto& file : files) {
        std::ifstream in(file);
        const auto document = nlohmann::json::parse(in);
        const auto list = document.is_array() ? document : nlohmann::json::array({document});
        for (const auto& definition : list) {
            if (definition.at("id") != "DAY_NIGHT_DEFAULT") {
                continue;
            }
            ++definitions;
            for (const auto& s : definition.at("states")) {
                const auto& colour = s.at("color");
                ASSERT_GE(colour.size(), 4u);
                for (std::size_t c = 0; c < 4; ++c) {
                    ASSERT_TRUE(colour[c].is_number_integer());
                    EXPECT_GE(colour[c].get<int>(), 0);
                    EXPECT_LE(colour[c].get<int>(), 255);
                }
                const float begin = s.at("beginPercent").get<float>();
                EXPECT_GE(begin, 0.f);
                EXPECT_LE(begin, 1.f);
                states.push_back({begin, {colour[0].get<int>(), colour[1].get<int>(), colour[2].get<int>()}});
            }
        }
    }
    ASSERT_EQ(definitions, 1);
    ASSERT_GE(states.size(), 4u);
    std::sort(states.begin(), states.end(), [](const State& a, const State& b) { return a.begin < b.begin; });

    // The game starts at noon: the world must look as drawn.
    EXPECT_EQ(colourAt(states, 0.5f), (std::array<int, 3>{255, 255, 255}));
    const int midnight = brightness(colourAt(states, 0.f));
    EXPECT_LT(midnight, 300);
    // Night is bluish, not plain grey.
    EXPECT_GT(colourAt(states, 0.f)[2], colourAt(states, 0.f)[0]);
    // Dawn and dusk pass through warm light: more red than blue somewhere in each half.
    auto warmBetween = [&](float a, float b) {
        for (float t = a; t < b; t += 0.005f) {
            const auto c = colourAt(states, t);
            if (c[0] > c[2] + 40) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(warmBetween(0.15f, 0.4f)) << "dawn";
    EXPECT_TRUE(warmBetween(0.6f, 0.9f)) << "dusk";
    // Brightness rises through the morning and falls through the evening without jumps.
    for (float t = 0.f; t < 1.f; t += 0.001f) {
        EXPECT_LT(std::abs(brightness(colourAt(states, t + 0.001f > 1.f ? 0.f : t + 0.001f)) -
                           brightness(colourAt(states, t))),
                  40)
            << t;
    }
}

} // namespace
