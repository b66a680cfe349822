#include "tools/assetgen/src/AssetCatalog.hpp"

#include "tools/assetgen/src/CharacterSprites.hpp"
#include "tools/assetgen/src/Composition.hpp"
#include "tools/assetgen/src/CreatureSprites.hpp"
#include "tools/assetgen/src/JsonText.hpp"
#include "tools/assetgen/src/PlantSprites.hpp"
#include "tools/assetgen/src/PropSprites.hpp"
#include "tools/assetgen/src/Synthesizer.hpp"
#include "tools/assetgen/src/TilesetBuilder.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

namespace assetgen {

namespace {

void prepareFolder(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
}

} // namespace

std::vector<TextureAsset> AssetCatalog::textures() {
    return {
        {kTilesetPath,
         [] {
             return TilesetBuilder::build().sheet;
         }},
        {"ninja.png", CharacterSprites::ninja},
        {"old_man.png", CharacterSprites::oldMan},
        {"object_tree.png", PlantSprites::tree},
        {"object_palm.png", PlantSprites::palm},
        {"object_bush.png", PlantSprites::bush},
        {"object_coconut.png", PropSprites::coconut},
        {"object_wood.png", PropSprites::wood},
        {"object_torch.png", PropSprites::torch},
        {"tex/fireplace.png", PropSprites::fireplace},
        {"tex/enemy_frog.png", CreatureSprites::frog},
        {"tex/ship.png", PropSprites::ship},
        {"tex/portal_purple.png", PropSprites::purplePortal},
        {"wall_test.png", PropSprites::wall},
        {"finalChest.png", PropSprites::finalChest},
    };
}

std::vector<std::pair<std::string, std::string>> AssetCatalog::tileFiles() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& tile : TilesetBuilder::build().tiles) {
        std::string name = tile.id;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return std::tolower(ch); });
        files.emplace_back(std::string(kTilesFolder) + "/" + name + ".json", compactJsonText(tile.toJson()));
    }
    return files;
}

void AssetCatalog::writeAll(const std::filesystem::path& dataFolder) {
    for (const auto& asset : textures()) {
        const auto file = dataFolder / asset.path;
        prepareFolder(file);
        if (!asset.paint().saveToFile(file.string())) {
            throw std::runtime_error("cannot write " + file.string());
        }
    }
    for (const auto& [path, text] : tileFiles()) {
        const auto file = dataFolder / path;
        prepareFolder(file);
        std::ofstream out(file, std::ios::binary);
        out << text;
        if (!out) {
            throw std::runtime_error("cannot write " + file.string());
        }
    }
    const auto music = dataFolder / kMusicPath;
    prepareFolder(music);
    const auto samples = Synthesizer::render(Composition::melancholyLoop());
    // The sound file writer encodes without an audio device, so this runs headless.
    sf::OutputSoundFile out;
    if (!out.openFromFile(music.string(), Synthesizer::kSampleRate, 1)) {
        throw std::runtime_error("cannot write " + music.string());
    }
    out.write(samples.data(), samples.size());
}

} // namespace assetgen
