#pragma once

#include "engine/serialization/Blueprint.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

namespace orv {

class ResourceManager;

// The blueprint library: every blueprint in load order, compiled once at start-up. The list
// never moves its elements, so pointers handed out stay valid.
class BlueprintManager {
public:
    inline static const std::string DefaultFolder = "./data/blueprint";

    explicit BlueprintManager(ResourceManager& resources);
    BlueprintManager(const BlueprintManager&) = delete;
    BlueprintManager& operator=(const BlueprintManager&) = delete;

    // Reads every ".json" file below the folder, in path order, then compiles what it holds.
    // Errors in a file, or in compiling a blueprint read from one, are orv::JsonErrors naming it.
    void loadAll(const std::string& folder = DefaultFolder);

    // Appends a blueprint without compiling it; source names the file it came from, if any.
    Blueprint& add(nlohmann::json document, std::string source = {});
    // Compiles every blueprint not compiled yet, in list order.
    void compileAll();

    // The first blueprint of that name, or null.
    Blueprint* find(const std::string& name);
    const Blueprint* find(const std::string& name) const;
    // The named blueprint; a name that no blueprint has throws std::logic_error naming it.
    const Blueprint& get(const std::string& name) const;

    std::vector<Blueprint*> getEntityBlueprints();
    const std::list<Blueprint>& getBlueprints() const { return blueprints; }

    // The components of a saved entity with its blueprint's current components merged over
    // them; without a "blueprint" member the record is returned as it is.
    nlohmann::json resolveComponents(const nlohmann::json& saved) const;
    // The members of resolveComponents(saved), in key order, without building it: members that
    // only one side holds are handed over where they are, only those on both sides are merged.
    void forEachResolvedComponent(
        const nlohmann::json& saved,
        const std::function<void(const std::string& key, const nlohmann::json& value)>& visit) const;
    // Whether a saved component object names a blueprint.
    static bool namesBlueprint(const nlohmann::json& saved);

private:
    ResourceManager& resources;
    std::list<Blueprint> blueprints;
    // The first blueprint of each name.
    std::unordered_map<std::string, Blueprint*> byName;
};

} // namespace orv
