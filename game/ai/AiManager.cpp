#include "game/ai/AiManager.hpp"

#include "bt/Blackboard.hpp"
#include "bt/Exceptions.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/ai/RegisterBTNodeData.hpp"

#include <algorithm>
#include <iostream>
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
        trees.insert_or_assign(file.stem().string(), TreeFile{file.generic_string(), std::move(text)});
    }
}

bt::Tree AiManager::createTree(const std::string& name) const {
    const auto it = trees.find(name);
    if (it == trees.end())
        throw std::out_of_range("no behaviour tree named \"" + name + "\"");
    try {
        return factory.createTreeFromText(it->second.text->get(), bt::Blackboard::create());
    } catch (const bt::RuntimeError& error) {
        throw bt::RuntimeError(it->second.path, ": ", error.what());
    }
}

void AiManager::reportTreeFault(const std::string& name, const std::string& text) const {
    if (!reportedFaults.emplace(name, text).second)
        return;
    const auto it = trees.find(name);
    std::cout << "behaviour tree \"" << name << "\"";
    if (it != trees.end())
        std::cout << " (" << it->second.path << ")";
    std::cout << ": " << text << std::endl;
}

std::vector<std::string> AiManager::getTreeNames() const {
    std::vector<std::string> names;
    names.reserve(trees.size());
    for (const auto& [name, text] : trees)
        names.push_back(name);
    return names;
}

} // namespace tarsk
