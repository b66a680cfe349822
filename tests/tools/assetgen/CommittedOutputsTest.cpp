#include "support/TempFolder.hpp"
#include "tools/assetgen/src/AssetCatalog.hpp"
#include "tools/assetgen/src/Composition.hpp"
#include "tools/assetgen/src/Synthesizer.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kData = std::filesystem::path(ORV_SOURCE_DIR) / "data";

// The files under data/ are what the generator draws today: a painter changed without
// re-running the generator fails here.
TEST(CommittedOutputs, TexturesMatchWhatTheGeneratorDraws) {
    for (const auto& asset : assetgen::AssetCatalog::textures()) {
        sf::Image committed;
        ASSERT_TRUE(committed.loadFromFile((kData / asset.path).string())) << asset.path;
        const sf::Image drawn = asset.paint();
        ASSERT_EQ(committed.getSize(), drawn.getSize()) << asset.path;
        const auto n = static_cast<std::size_t>(drawn.getSize().x) * drawn.getSize().y * 4;
        EXPECT_TRUE(std::equal(drawn.getPixelsPtr(), drawn.getPixelsPtr() + n, committed.getPixelsPtr()))
            << asset.path << " is out of date";
    }
}

TEST(CommittedOutputs, TileFilesMatchTheSheet) {
    const auto files = assetgen::AssetCatalog::tileFiles();
    ASSERT_EQ(files.size(), 7u);
    for (const auto& [path, text] : files) {
        std::ifstream in(kData / path);
        std::stringstream committed;
        committed << in.rdbuf();
        EXPECT_EQ(committed.str(), text) << path << " is out of date";
    }
}

TEST(CommittedOutputs, MusicHasTheLengthOfOneLoop) {
    sf::InputSoundFile file;
    ASSERT_TRUE(file.openFromFile((kData / assetgen::AssetCatalog::kMusicPath).string()));
    EXPECT_EQ(file.getChannelCount(), 1u);
    EXPECT_EQ(file.getSampleRate(), assetgen::Synthesizer::kSampleRate);
    const double expected =
        assetgen::Composition::melancholyLoop().seconds() * assetgen::Synthesizer::kSampleRate;
    EXPECT_NEAR(static_cast<double>(file.getSampleCount()), expected, 1.0);
}

TEST(CommittedOutputs, WritingIntoAFolderMakesEveryFile) {
    const testsupport::TempFolder folder;
    assetgen::AssetCatalog::writeAll(folder.path());
    for (const auto& asset : assetgen::AssetCatalog::textures()) {
        EXPECT_TRUE(std::filesystem::exists(folder / asset.path)) << asset.path;
    }
    for (const auto& [path, text] : assetgen::AssetCatalog::tileFiles()) {
        EXPECT_TRUE(std::filesystem::exists(folder / path)) << path;
    }
    EXPECT_GT(std::filesystem::file_size(folder / assetgen::AssetCatalog::kMusicPath), 10000u);
}

} // namespace
