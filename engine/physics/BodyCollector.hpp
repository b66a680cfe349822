#pragma once

#include <unordered_set>
#include <vector>

class b2Body;
class b2Fixture;

namespace orv {

// The bodies of the fixtures a query reports, each once, in report order; sensors left out on
// request.
class BodyCollector {
public:
    explicit BodyCollector(bool skipSensors) : skipSensors(skipSensors) {}

    void add(b2Fixture* fixture);
    const std::vector<b2Body*>& getBodies() const { return bodies; }

private:
    std::vector<b2Body*> bodies;
    std::unordered_set<const b2Body*> seen;
    bool skipSensors;
};

} // namespace orv
