#pragma once

#include <SFML/System/Vector2.hpp>

#include <gtest/gtest.h>

#include <cmath>

inline testing::AssertionResult nearVector(sf::Vector2f actual, sf::Vector2f expected,
                                           float tolerance = 1e-4f) {
    if (std::abs(actual.x - expected.x) <= tolerance && std::abs(actual.y - expected.y) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") is not near ("
                                       << expected.x << ", " << expected.y << ")";
}
