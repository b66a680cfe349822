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

namespace {

// merge_patch of patch over a copy of own (both objects), built in one walk over the two sorted
// members: what the patch sets is taken from alone (the patch merged over nothing), a null in it
// removes the member, objects on both sides merge member by member.
nlohmann::json mergedOver(const nlohmann::json& own, const nlohmann::json& patch,
                          const nlohmann::json& alone) {
    nlohmann::json result(nlohmann::json::value_t::object);
    auto& out = result.get_ref<nlohmann::json::object_t&>();
    const auto& mine = own.get_ref<const nlohmann::json::object_t&>();
    const auto& theirs = patch.get_ref<const nlohmann::json::object_t&>();
    const auto& theirsAlone = alone.get_ref<const nlohmann::json::object_t&>();
    auto o = mine.begin();
    auto p = theirs.begin();
    auto a = theirsAlone.begin();
    // The patch's member as merged over nothing; alone holds every non-null member of the patch.
    auto aloneOf = [&](const std::string& key) -> const nlohmann::json& {
        while (a->first < key)
            ++a;
        return a->second;
    };
    while (o != mine.end() || p != theirs.end()) {
        if (p == theirs.end() || (o != mine.end() && o->first < p->first)) {
            out.emplace_hint(out.end(), o->first, o->second);
            ++o;
        } else if (o == mine.end() || p->first < o->first) {
            if (!p->second.is_null())
                out.emplace_hint(out.end(), p->first, aloneOf(p->first));
            ++p;
        } else {
            if (p->second.is_null()) {
                // removed by the patch
            } else if (o->second.is_object() && p->second.is_object()) {
                out.emplace_hint(out.end(), o->first, mergedOver(o->second, p->second, aloneOf(p->first)));
            } else {
                out.emplace_hint(out.end(), o->first, aloneOf(p->first));
            }
            ++o;
            ++p;
        }
    }
    return result;
}

} // namespace

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
    Blueprint& added = blueprints.emplace_back(std::move(document));
    added.setSource(std::move(source));
    // A later blueprint of a name already held is listed but never found by that name.
    byName.emplace(added.getNameAsGiven(), &added);
    return added;
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
    auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

const Blueprint* BlueprintManager::find(const std::string& name) const {
    auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
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

void BlueprintManager::forEachResolvedComponent(
    const nlohmann::json& saved,
    const std::function<void(const std::string& key, const nlohmann::json& value)>& visit) const {
    if (!namesBlueprint(saved)) {
        for (const auto& [key, value] : saved.items())
            visit(key, value);
        return;
    }
    const Blueprint& blueprint = get(BlueprintComponent::readBlueprintName(saved[BlueprintComponent::Name]));
    const nlohmann::json& patch = blueprint.getComponents();
    const nlohmann::json& patchAlone = blueprint.getComponentsOverNothing();
    // Both objects keep their members sorted by key: one walk over the two, as merge_patch
    // would give them. A null in the blueprint removes the member.
    auto own = saved.begin();
    auto other = patch.begin();
    while (own != saved.end() || other != patch.end()) {
        if (other == patch.end() || (own != saved.end() && own.key() < other.key())) {
            visit(own.key(), own.value());
            ++own;
        } else if (own == saved.end() || other.key() < own.key()) {
            if (!other->is_null())
                visit(other.key(), patchAlone.at(other.key()));
            ++other;
        } else {
            if (other->is_null()) {
                // removed by the blueprint
            } else if (own->is_object() && !own->empty() && other->is_object()) {
                visit(own.key(), mergedOver(own.value(), other.value(), patchAlone.at(own.key())));
            } else {
                // What the blueprint defines whole is saved as an empty record; anything but an
                // object on either side is the blueprint's value.
                visit(own.key(), patchAlone.at(own.key()));
            }
            ++own;
            ++other;
        }
    }
}

} // namespace orv
