#include "engine/resources/ResourceManager.hpp"
#include "game/resources/SfTextureResourceCache.hpp"
#include "game/resources/StringResourceCache.hpp"
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

namespace {

using tarsk::ResourceCache::SfTextureResourceCache;
using tarsk::ResourceCache::StringResourceCache;

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
    const testsupport::TempFolder folder;
    const auto path = folder / "texture.png";
    ASSERT_TRUE(image.saveToFile(path.string()));
    orv::ResourceManager manager;
    auto view = manager.get(path.string()).getCache<SfTextureResourceCache>();
    EXPECT_EQ(view->getSize(), sf::Vector2u(3, 2));
    EXPECT_EQ(view->getImage().getPixel(1, 1), sf::Color::Blue);
    EXPECT_EQ(view, manager.get(path.string()).getCache<SfTextureResourceCache>());
}

TEST(TextureCache, UndecodableAndEmptyFilesFailEveryTime) {
    const testsupport::TempFolder folder;
    folder.write("not_an_image.png", "definitely not a png");
    folder.write("empty.png", "");
    orv::ResourceManager manager;
    for (const char* name : {"not_an_image.png", "empty.png"}) {
        auto& resource = manager.get((folder / name).string());
        expectConversionFailure(resource);
        expectConversionFailure(resource); // a failed view is not kept as an empty one
    }
}

TEST(StringCache, HoldsTheBytes) {
    const testsupport::TempFolder folder;
    folder.write("string_cache.txt", "hello");
    orv::ResourceManager manager;
    EXPECT_EQ(manager.get((folder / "string_cache.txt").string()).getCache<StringResourceCache>()->get(),
              "hello");
}

} // namespace
