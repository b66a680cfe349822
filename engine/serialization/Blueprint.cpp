#include "engine/serialization/Blueprint.hpp"

#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/JsonRecord.hpp"

#include <stdexcept>
#include <utility>

namespace orv {

Blueprint::Blueprint(nlohmann::json document) : data(std::move(document)) {
    name = memberOrNull(data, TypeKey).get<std::string>();
    // The JSON library's own conversion refuses anything but an array of strings (type error 302).
    inherit = memberOrNull(data, InheritKey).get<std::vector<std::string>>();
    entity = memberOrNull(data, IsEntityKey).get<bool>();
}

void Blueprint::compile(BlueprintManager& library) {
    if (compiled)
        throw std::logic_error("blueprint is already compiled");

    // Cleared however the compile ends, so a failed one is not mistaken for a cycle later.
    struct CompilingFlag {
        bool& flag;
        explicit CompilingFlag(bool& f) : flag(f) { flag = true; }
        ~CompilingFlag() { flag = false; }
    } guard(compiling);

    // The parents merge among themselves first and the child goes on top last: merging the child
    // into each parent in turn would let an earlier parent bring back what the child removed.
    if (!inherit.empty()) {
        nlohmann::json merged = nlohmann::json::object();
        for (const std::string& parentName : inherit) {
            Blueprint* parent = library.find(parentName);
            if (!parent)
                throw std::logic_error("blueprint \"" + name + "\" inherits from unknown blueprint \"" +
                                       parentName + "\"");
            if (parent->compiling)
                throw std::logic_error("blueprint \"" + name + "\" is in an inheritance cycle through \"" +
                                       parentName + "\"");
            if (!parent->compiled)
                parent->compile(library);
            merged.merge_patch(parent->components);
        }
        merged.merge_patch(data);
        data = std::move(merged);
    }

    components = withoutReservedKeys(data);
    componentsOverNothing = nlohmann::json::object();
    componentsOverNothing.merge_patch(components);
    saveLists.clear();
    saveRules.clear();
    compiled = true;
}

void Blueprint::requireCompiled() const {
    if (!compiled)
        throw std::logic_error("blueprint has not been compiled");
}

const nlohmann::json& Blueprint::getData() const {
    requireCompiled();
    return data;
}

const nlohmann::json& Blueprint::getComponents() const {
    requireCompiled();
    return components;
}

const nlohmann::json& Blueprint::getComponentsOverNothing() const {
    requireCompiled();
    return componentsOverNothing;
}

const std::unordered_set<std::string>* Blueprint::findSaveList(const std::string& component) const {
    requireCompiled();
    if (auto known = saveLists.find(component); known != saveLists.end())
        return known->second ? &*known->second : nullptr;
    std::optional<std::unordered_set<std::string>> list;
    if (auto record = data.find(component); record != data.end() && record->is_object()) {
        if (auto save = record->find(SaveKey); save != record->end())
            list = save->get<std::unordered_set<std::string>>();
    }
    const auto& stored = saveLists.emplace(component, std::move(list)).first->second;
    return stored ? &*stored : nullptr;
}

Blueprint::SaveRule Blueprint::findSaveRule(const std::string& component) const {
    for (const auto& [key, rule] : saveRules) {
        if (key == component)
            return rule;
    }
    SaveRule rule;
    if (auto record = getData().find(component); record != data.end()) {
        rule.defined = &*record;
        if (record->is_object())
            rule.listed = findSaveList(component);
    }
    return saveRules.emplace_back(component, rule).second;
}

const std::string& Blueprint::getName() const {
    requireCompiled();
    return name;
}

bool Blueprint::isEntity() const {
    requireCompiled();
    return entity;
}

const std::string& Blueprint::checkIsEntity() const {
    if (!isEntity())
        throw std::logic_error("blueprint is not entity");
    return name;
}

nlohmann::json Blueprint::withoutReservedKeys(const nlohmann::json& document) {
    nlohmann::json result = document;
    for (const std::string* key : {&TypeKey, &InheritKey, &IsEntityKey, &SaveKey})
        result.erase(*key);
    return result;
}

} // namespace orv
