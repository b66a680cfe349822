#pragma once

#include "bt/BehaviorTreeFactory.hpp"
#include "bt/Tree.hpp"
#include "game/ai/Vector2fConversion.hpp"
#include "game/resources/StringResourceCache.hpp"

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orv {
class ResourceManager;
}

namespace tarsk {

class AttackManager;
class RandomNumberGenerator;

// The behaviour-tree library: a node factory with the game's nodes registered, and the text of
// every tree file, known by its file name without extension. Trees are parsed only when made, so
// a broken file shows when something asks for it.
class AiManager {
public:
    inline static const std::filesystem::path DefaultFolder = "./data/ai";

    // Reads every ".xml" file below folder through the resource manager. Of two files with the
    // same name, the one later in path order wins. A missing folder or an unreadable file throws.
    AiManager(orv::ResourceManager& resources, const RandomNumberGenerator& random,
              const AttackManager& attacks, const std::filesystem::path& folder = DefaultFolder);
    AiManager(const AiManager&) = delete;
    AiManager& operator=(const AiManager&) = delete;

    // A new tree with its own nodes and a fresh blackboard. An unknown name throws
    // std::out_of_range; bad tree text throws the library's bt::RuntimeError, naming the file.
    bt::Tree createTree(const std::string& name) const;

    // Writes "behaviour tree "<name>" (<file>): <text>" to standard output, once for each tree
    // and text however many entities run the tree.
    void reportTreeFault(const std::string& name, const std::string& text) const;

    bool hasTree(const std::string& name) const { return trees.contains(name); }
    // Sorted.
    std::vector<std::string> getTreeNames() const;
    const bt::BehaviorTreeFactory& getFactory() const { return factory; }

private:
    using TextHandle = std::shared_ptr<ResourceCache::StringResourceCache>;
    struct TreeFile {
        std::string path;
        TextHandle text;
    };

    void loadTreeFiles(orv::ResourceManager& resources, const std::filesystem::path& folder);

    bt::BehaviorTreeFactory factory;
    std::map<std::string, TreeFile> trees;
    mutable std::set<std::pair<std::string, std::string>> reportedFaults;
};

} // namespace tarsk
