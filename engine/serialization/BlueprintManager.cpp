#include "engine/serialization/BlueprintManager.hpp"

#include "engine/common/JsonWhere.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/JsonResourceCache.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BlueprintComponent.hpp"
#include "engine/serialization/JsonRecord.hpp"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace orv {

BlueprintManager::BlueprintManager(ResourceManager& resources) : resources(resources) {}

void BlueprintManager::loadAll(const std::string& folder) {
    for (const std::filesystem::path& file : listFolderFiles(folder, {".json"})) {
        const std::string name = file.generic_string();
        readFromFile(name, [&] {
            const nlohmann::json& document = resources.get(name).getCache<JsonResourceCache>()->get();
            if (!document.is_null())
                add(document, name);
        });
    }
    compileAll();
}

Blueprint& BlueprintManager::add(nlohmann::json document, std::string source) {
    Blueprint& blueprint = blueprints.emplace_back(std::move(document));
    blueprint.setSource(std::move(source));
    return blueprint;
}

void BlueprintManager::compileAll() {
    // Parents compile on demand, so some are done by the time the walk reaches them.
    for (Blueprint& blueprint : blueprints) {
        if (blueprint.isCompiled())
            continue;
        if (blueprint.getSource().empty())
            blueprint.compile(*this);
        else
            readFromFile(blueprint.getSource(), [&] { blueprint.compile(*this); });
    }
}

Blueprint* BlueprintManager::find(const std::string& name) {
    auto it = std::find_if(blueprints.begin(), blueprints.end(),
                           [&name](const Blueprint& blueprint) { return blueprint.hasName(name); });
    return it == blueprints.end() ? nullptr : &*it;
}

const Blueprint* BlueprintManager::find(const std::string& name) const {
    auto it = std::find_if(blueprints.begin(), blueprints.end(),
                           [&name](const Blueprint& blueprint) { return blueprint.hasName(name); });
    return it == blueprints.end() ? nullptr : &*it;
}

const Blueprint& BlueprintManager::get(const std::string& name) const {
    if (const Blueprint* blueprint = find(name))
        return *blueprint;
    throw std::logic_error("unknown blueprint \"" + name + "\"");
}

std::vector<Blueprint*> BlueprintManager::getEntityBlueprints() {
    std::vector<Blueprint*> result;
    for (Blueprint& blueprint : blueprints) {
        if (blueprint.isEntity())
            result.push_back(&blueprint);
    }
    return result;
}

bool BlueprintManager::namesBlueprint(const nlohmann::json& saved) {
    requireObject(saved);
    return saved.contains(BlueprintComponent::Name);
}

nlohmann::json BlueprintManager::resolveComponents(const nlohmann::json& saved) const {
    if (!namesBlueprint(saved))
        return saved;
    const std::string name = BlueprintComponent::readBlueprintName(saved[BlueprintComponent::Name]);
    nlohmann::json resolved = saved;
    resolved.merge_patch(get(name).getComponents());
    return resolved;
}

} // namespace orv
