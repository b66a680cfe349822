#include "engine/resources/ResourceManager.hpp"
#include "engine/common/JsonError.hpp"
#include "engine/resources/JsonResourceCache.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Files in memory, counting reads per path.
struct FakeFiles {
    std::map<std::string, std::string> content;
    std::map<std::string, int> reads;
};

class FakeLoader : public orv::ResourceLoader {
public:
    explicit FakeLoader(FakeFiles& files) : files(files) {}
    std::string load(const std::string& path) override {
        ++files.reads[path];
        auto it = files.content.find(path);
        if (it == files.content.end())
            throw orv::ResourceAccessException("DefaultResourceLoader::load: Cannot open file " + path);
        return it->second;
    }

private:
    FakeFiles& files;
};

class CountingView : public orv::ResourceCache<std::string> {
public:
    static inline int conversions = 0;
    void convert(const std::string& raw) override {
        ++conversions;
        text = raw;
    }
    std::string& get() override { return text; }

private:
    std::string text;
};

struct Fixture : ::testing::Test {
    FakeFiles files;
    orv::ResourceManager manager{[this] {
        return std::make_unique<FakeLoader>(files);
    }};
};

using Resources = Fixture;

TEST_F(Resources, JsonViewIsParsedOnceAndShared) {
    files.content["a.json"] = R"({"x": 1})";
    auto first = manager.get("a.json").getCache<orv::JsonResourceCache>();
    auto second = manager.get("a.json").getCache<orv::JsonResourceCache>();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->get()["x"], 1);
    EXPECT_EQ(files.reads["a.json"], 1);
}

TEST_F(Resources, ViewsOfOnePathShareOneRead) {
    files.content["a.json"] = R"([1, 2])";
    CountingView::conversions = 0;
    auto text = manager.get("a.json").getCache<CountingView>();
    auto json = manager.get("a.json").getCache<orv::JsonResourceCache>();
    manager.get("a.json").getCache<CountingView>();
    EXPECT_EQ(text->get(), "[1, 2]");
    EXPECT_EQ(json->get().size(), 2u);
    EXPECT_EQ(files.reads["a.json"], 1);
    EXPECT_EQ(CountingView::conversions, 1);
}

TEST_F(Resources, PathsAreNotNormalised) {
    files.content["./a"] = "1";
    files.content["a"] = "2";
    EXPECT_NE(&manager.get("./a"), &manager.get("a"));
    EXPECT_EQ(manager.size(), 2u);
}

TEST_F(Resources, MissingFileIsTriedAgainUntilItExists) {
    EXPECT_THROW(manager.get("late.json").getCache<orv::JsonResourceCache>(), orv::ResourceAccessException);
    EXPECT_FALSE(manager.get("late.json").isLoaded());
    files.content["late.json"] = "true";
    EXPECT_EQ(manager.get("late.json").getCache<orv::JsonResourceCache>()->get(), true);
    EXPECT_EQ(files.reads["late.json"], 2);
}

TEST_F(Resources, InvalidJsonFailsEveryTime) {
    files.content["bad.json"] = "{oops";
    auto& resource = manager.get("bad.json");
    EXPECT_THROW(resource.getCache<orv::JsonResourceCache>(), nlohmann::json::parse_error);
    EXPECT_THROW(resource.getCache<orv::JsonResourceCache>(), nlohmann::json::parse_error);
    EXPECT_EQ(files.reads["bad.json"], 1);
}

TEST_F(Resources, JsonNestedBeyondTheLimitIsRefusedEveryTime) {
    files.content["deep.json"] = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_THROW(manager.get("deep.json").getCache<orv::JsonResourceCache>(), orv::JsonError);
    EXPECT_THROW(manager.get("deep.json").getCache<orv::JsonResourceCache>(), orv::JsonError);
}

TEST_F(Resources, CommentsAreNotJson) {
    files.content["c.json"] = "// note\n{}";
    EXPECT_THROW(manager.get("c.json").getCache<orv::JsonResourceCache>(), nlohmann::json::parse_error);
}

TEST_F(Resources, CachingBeforeLoadingIsRefused) {
    files.content["a"] = "x";
    try {
        manager.get("a").addCache<CountingView>();
        FAIL();
    } catch (const orv::ResourceAccessException& error) {
        EXPECT_STREQ(error.what(), "Cannot cache unloaded resource");
    }
}

TEST(DefaultResourceLoader, ReadsBytesAndNamesMissingPath) {
    const testsupport::TempFolder folder;
    const auto path = folder / "loader_test.bin";
    folder.write("loader_test.bin", std::string("a\0b\r\n", 5));
    orv::ResourceManager manager;
    auto& resource = manager.get(path.string());
    resource.load();
    EXPECT_EQ(resource.getRaw(), std::string("a\0b\r\n", 5));
    // Read once: rewriting the file after the first read changes nothing.
    folder.write("loader_test.bin", "changed");
    EXPECT_EQ(manager.get(path.string()).getCache<CountingView>()->get(), std::string("a\0b\r\n", 5));

    try {
        manager.get("/nonexistent/file.json").load();
        FAIL();
    } catch (const orv::ResourceAccessException& error) {
        EXPECT_STREQ(error.what(), "cannot read /nonexistent/file.json: there is no such file");
    }
}

TEST(RequiredJsonValue, ReadsConvertsAndReportsMissingKeys) {
    const nlohmann::json json = {{"a", 2}, {"s", "text"}};
    EXPECT_FLOAT_EQ(orv::getRequiredJsonValue<float>(json, "a"), 2.0f);
    EXPECT_EQ(orv::getRequiredJsonValue<std::string>(json, "s"), "text");
    try {
        orv::getRequiredJsonValue<float>(json, "b");
        FAIL();
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "json does not contain required value");
    }
    EXPECT_THROW(orv::getRequiredJsonValue<float>(json, "s"), orv::JsonError);
    EXPECT_THROW(orv::getRequiredJsonValue<float>(nlohmann::json{{"f", 1e39}}, "f"), orv::JsonError);
    EXPECT_THROW(orv::getRequiredJsonValue<std::int32_t>(nlohmann::json{{"i", 1e12}}, "i"), orv::JsonError);
}

} // namespace
