#include "engine/resources/ResourceManager.hpp"
#include "game/resources/SfTextureResourceCache.hpp"
#include "game/resources/StringResourceCache.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using tarsk::ResourceCache::SfTextureResourceCache;
using tarsk::ResourceCache::StringResourceCache;

std::filesystem::path writeImage(const char* name, const sf::Image& image) {
    auto path = std::filesystem::temp_directory_path() / name;
    EXPECT_TRUE(image.saveToFile(path.string()));
    return path;
}

void expectConversionFailure(orv::Resource& resource) {
    try {
        resource.getCache<SfTextureResourceCache>();
        FAIL() << "expected the conversion to fail";
    } catch (const orv::ResourceAccessException& error) {
        EXPECT_STREQ(error.what(), "cannot convert buffer to sf::Texture");
    }
}

TEST(TextureCache, DecodesImageWithoutAWindow) {
    sf::Image image;
    image.create(3, 2, sf::Color::Red);
    image.setPixel(1, 1, sf::Color::Blue);
    const auto path = writeImage("orv_texture_cache.png", image);
    orv::ResourceManager manager;
    auto view = manager.get(path.string()).getCache<SfTextureResourceCache>();
    EXPECT_EQ(view->getSize(), sf::Vector2u(3, 2));
    EXPECT_EQ(view->getImage().getPixel(1, 1), sf::Color::Blue);
    EXPECT_EQ(view, manager.get(path.string()).getCache<SfTextureResourceCache>());
    std::filesystem::remove(path);
}

TEST(TextureCache, UndecodableAndEmptyFilesFailEveryTime) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto bad = dir / "orv_not_an_image.png";
    const auto empty = dir / "orv_empty.png";
    { std::ofstream(bad) << "definitely not a png"; }
    { std::ofstream create(empty); }
    orv::ResourceManager manager;
    for (const auto& path : {bad, empty}) {
        auto& resource = manager.get(path.string());
        expectConversionFailure(resource);
        expectConversionFailure(resource); // a failed view is not kept as an empty one
        std::filesystem::remove(path);
    }
}

TEST(StringCache, HoldsTheBytes) {
    const auto path = std::filesystem::temp_directory_path() / "orv_string_cache.txt";
    { std::ofstream(path) << "hello"; }
    orv::ResourceManager manager;
    EXPECT_EQ(manager.get(path.string()).getCache<StringResourceCache>()->get(), "hello");
    std::filesystem::remove(path);
}

} // namespace
