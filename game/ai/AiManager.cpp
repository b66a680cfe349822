#include "game/ai/AiManager.hpp"

#include "bt/Blackboard.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/ai/RegisterBTNodeData.hpp"

#include <algorithm>
#include <stdexcept>

namespace tarsk {

AiManager::AiManager(orv::ResourceManager& resources, const RandomNumberGenerator& random,
                     const AttackManager& attacks, const std::filesystem::path& folder) {
    registerBTNodeData(factory, random, attacks);
    loadTreeFiles(resources, folder);
}

void AiManager::loadTreeFiles(orv::ResourceManager& resources, const std::filesystem::path& folder) {
    for (const std::filesystem::path& file : orv::listFolderFiles(folder, {".xml"})) {
        TextHandle text = resources.get(file.string()).getCache<ResourceCache::StringResourceCache>();
        trees.insert_or_assign(file.stem().string(), std::move(text));
        treeFiles.insert_or_assign(file.stem().string(), file);
    }
}

bt::Tree AiManager::createTree(const std::string& name) const {
    const auto it = trees.find(name);
    if (it == trees.end())
        throw std::out_of_range("no behaviour tree named \"" + name + "\"");
    return factory.createTreeFromText(it->second->get(), bt::Blackboard::create());
}

const std::filesystem::path& AiManager::getTreeFile(const std::string& name) const {
    const auto it = treeFiles.find(name);
    if (it == treeFiles.end())
        throw std::out_of_range("no behaviour tree named \"" + name + "\"");
    return it->second;
}

std::vector<std::string> AiManager::getTreeNames() const {
    std::vector<std::string> names;
    names.reserve(trees.size());
    for (const auto& [name, text] : trees)
        names.push_back(name);
    return names;
}

} // namespace tarsk
