#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace orv {

class BlueprintManager;

// An entity template: named component records that inherit from other blueprints. It holds its
// file's document until compiled, then the document merged over its parents.
class Blueprint {
public:
    // The members a blueprint document reserves; all others are component records.
    inline static const std::string TypeKey = "_type";
    inline static const std::string InheritKey = "_inherit";
    inline static const std::string IsEntityKey = "_isEntity";
    inline static const std::string SaveKey = "_save";

    // Reads the name, the parents and the entity flag at once, so the blueprint can be found by
    // name before it is compiled. Throws the JSON library's type errors on a wrong or missing one.
    explicit Blueprint(nlohmann::json document);

    // Merges the parents (compiling them first when needed) under this blueprint's own members.
    // Parents count from the weakest to the strongest; a null member removes what the parents set.
    // Without parents the document stays as it is, nulls included.
    void compile(BlueprintManager& library);

    // These need a compiled blueprint.
    const nlohmann::json& getData() const;
    // The compiled document without the reserved members: one member per component.
    const nlohmann::json& getComponents() const;
    // The components merged over nothing, as a saved record that lacks one of them gets it: null
    // members are gone at every depth.
    const nlohmann::json& getComponentsOverNothing() const;
    // The "_save" list of one of the compiled document's component records, or null when the
    // record has none. Read at the first call for each record, since every save asks again.
    const std::unordered_set<std::string>* findSaveList(const std::string& component) const;

    // What saving needs of one component record: the compiled document's member (null when it
    // has none) and, for an object member, its "_save" list (null when it has none).
    struct SaveRule {
        const nlohmann::json* defined = nullptr;
        const std::unordered_set<std::string>* listed = nullptr;
    };
    // The rule for a component's key, worked out at the first call for each key: a blueprint has
    // a handful of components, so a short list beats the document's map and the save-list cache.
    SaveRule findSaveRule(const std::string& component) const;
    const std::string& getName() const;
    bool isEntity() const;
    // The name, for a blueprint that is an entity.
    const std::string& checkIsEntity() const;

    // Usable before compiling: the name as the document gives it.
    bool hasName(const std::string& candidate) const { return name == candidate; }
    const std::string& getNameAsGiven() const { return name; }
    const std::vector<std::string>& getInherit() const { return inherit; }
    bool isCompiled() const { return compiled; }
    bool isCompiling() const { return compiling; }
    // The file the document was read from; empty for one made in code.
    const std::string& getSource() const { return source; }
    void setSource(std::string file) { source = std::move(file); }

    // A copy of the document without the reserved members.
    static nlohmann::json withoutReservedKeys(const nlohmann::json& document);

private:
    void requireCompiled() const;

    nlohmann::json data;
    nlohmann::json components;
    nlohmann::json componentsOverNothing;
    mutable std::map<std::string, std::optional<std::unordered_set<std::string>>, std::less<>> saveLists;
    mutable std::vector<std::pair<std::string, SaveRule>> saveRules;
    std::string name;
    std::vector<std::string> inherit;
    std::string source;
    bool entity = false;
    bool compiled = false;
    bool compiling = false;
};

} // namespace orv
