#include "SerialTestTypes.hpp"
#include "support/TempFolder.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/resources/DefaultResourceLoader.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/BlueprintManager.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using serial_test::messageOf;
using Json = nlohmann::json;

// A blueprint document with the reserved members in place.
Json blueprint(const std::string& name, std::vector<std::string> parents, Json members = Json::object(),
               bool entity = true) {
    members["_type"] = name;
    members["_inherit"] = std::move(parents);
    members["_isEntity"] = entity;
    return members;
}

std::vector<std::string> namesOf(const orv::BlueprintManager& library) {
    std::vector<std::string> names;
    for (const orv::Blueprint& item : library.getBlueprints())
        names.push_back(item.getName());
    return names;
}

struct Blueprints : ::testing::Test {
    orv::ResourceManager resources;
    orv::BlueprintManager library{resources};

    const Json& compiled(const std::string& name) { return library.get(name).getData(); }
};

TEST_F(Blueprints, OwnValuesBeatLaterParentsWhichBeatEarlierOnes) {
    library.add(blueprint("a", {}, Json::parse(R"({
        "sprite": {"texture": "a.png", "layer": 1, "frames": [1, 2, 3], "rect": {"x": 1, "y": 2}},
        "stats": {"hp": 1}})")));
    library.add(blueprint("b", {}, Json::parse(R"({
        "sprite": {"texture": "b.png", "frames": [9]}, "health": {"max": 5}})")));
    library.add(blueprint("child", {"a", "b"}, Json::parse(R"({
        "sprite": {"layer": 4, "rect": {"y": 5}}})")));
    library.add(
        blueprint("own", {"a", "b"}, Json::parse(R"({"sprite": {"texture": "own.png", "frames": [7]}})")));
    library.compileAll();

    // Nested objects merge member by member; arrays are replaced whole.
    EXPECT_EQ(compiled("child")["sprite"],
              Json::parse(R"({"texture": "b.png", "layer": 4, "frames": [9], "rect": {"x": 1, "y": 5}})"));
    EXPECT_EQ(compiled("child")["stats"], Json::parse(R"({"hp": 1})"));
    EXPECT_EQ(compiled("child")["health"], Json::parse(R"({"max": 5})"));
    EXPECT_EQ(compiled("own")["sprite"]["texture"], "own.png");
    EXPECT_EQ(compiled("own")["sprite"]["frames"], Json::array({7}));
}

TEST_F(Blueprints, ReservedMembersAreTheBlueprintsOwnAndSaveListsAreNotInherited) {
    library.add(blueprint("base", {}, Json::parse(R"({"_save": ["x"], "stats": {"hp": 1}})"), false));
    library.add(blueprint("plain", {"base"}));
    library.add(blueprint("saving", {"base"}, Json::parse(R"({"_save": ["y"]})")));
    library.compileAll();
    EXPECT_EQ(
        compiled("plain"),
        Json::parse(R"({"_type": "plain", "_inherit": ["base"], "_isEntity": true, "stats": {"hp": 1}})"));
    EXPECT_EQ(compiled("saving")["_save"], Json::array({"y"}));
    EXPECT_EQ(library.get("plain").getComponents(), Json::parse(R"({"stats": {"hp": 1}})"));
    EXPECT_FALSE(library.get("base").isEntity());
}

TEST_F(Blueprints, ANullInTheChildRemovesTheInheritedMember) {
    library.add(
        blueprint("a", {}, Json::parse(R"({"sprite": {"texture": "a.png"}, "stats": {"hp": 1, "mp": 2}})")));
    library.add(blueprint("b", {}, Json::parse(R"({"sprite": {"texture": "b.png"}, "stats": {"hp": 3}})")));
    library.add(blueprint("one", {"a"}, Json::parse(R"({"sprite": null, "stats": {"hp": null}})")));
    // With two parents an earlier parent must not bring back what the child removed.
    library.add(blueprint("two", {"a", "b"}, Json::parse(R"({"sprite": null, "stats": {"hp": null}})")));
    // A null in a parent removes the member of the parent before it, for every descendant.
    library.add(blueprint("middle", {"a"}, Json::parse(R"({"stats": {"mp": null}})")));
    library.add(blueprint("grandchild", {"middle"}));
    library.compileAll();

    EXPECT_EQ(library.get("one").getComponents(), Json::parse(R"({"stats": {"mp": 2}})"));
    EXPECT_EQ(library.get("two").getComponents(), Json::parse(R"({"stats": {"mp": 2}})"));
    EXPECT_EQ(library.get("grandchild").getComponents(),
              Json::parse(R"({"sprite": {"texture": "a.png"}, "stats": {"hp": 1}})"));
}

TEST_F(Blueprints, ABlueprintWithoutParentsKeepsItsDocumentNullsIncluded) {
    library.add(blueprint("alone", {}, Json::parse(R"({"light": null, "stats": {"hp": 1, "mp": null}})")));
    library.compileAll();
    EXPECT_EQ(library.get("alone").getComponents(),
              Json::parse(R"({"light": null, "stats": {"hp": 1, "mp": null}})"));
}

TEST_F(Blueprints, CyclesAndMissingParentsNameTheBlueprint) {
    library.add(blueprint("self", {"self"}));
    EXPECT_EQ(messageOf<std::logic_error>([&] { library.compileAll(); }),
              R"(blueprint "self" is in an inheritance cycle through "self")");

    orv::BlueprintManager pair(resources);
    pair.add(blueprint("ping", {"pong"}));
    pair.add(blueprint("pong", {"ping"}));
    EXPECT_EQ(messageOf<std::logic_error>([&] { pair.compileAll(); }),
              R"(blueprint "pong" is in an inheritance cycle through "ping")");
    // A failed compile leaves nothing half done that would be taken for a cycle.
    EXPECT_FALSE(pair.find("ping")->isCompiling());
    EXPECT_FALSE(pair.find("ping")->isCompiled());

    orv::BlueprintManager orphan(resources);
    orphan.add(blueprint("orphan", {"nobody"}));
    EXPECT_EQ(messageOf<std::logic_error>([&] { orphan.compileAll(); }),
              R"(blueprint "orphan" inherits from unknown blueprint "nobody")");
}

TEST_F(Blueprints, AccessorsNeedACompiledBlueprintAndCompileOnlyOnce) {
    orv::Blueprint& item = library.add(blueprint("item", {}, Json::object(), false));
    const std::string notCompiled = "blueprint has not been compiled";
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.getData(); }), notCompiled);
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.getName(); }), notCompiled);
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.isEntity(); }), notCompiled);
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.getComponents(); }), notCompiled);
    EXPECT_TRUE(item.hasName("item"));

    item.compile(library);
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.compile(library); }), "blueprint is already compiled");
    EXPECT_EQ(messageOf<std::logic_error>([&] { item.checkIsEntity(); }), "blueprint is not entity");
    library.add(blueprint("thing", {})).compile(library);
    EXPECT_EQ(library.get("thing").checkIsEntity(), "thing");
}

TEST_F(Blueprints, ReservedMembersOfTheWrongTypeAreJsonTypeErrors) {
    auto failure = [](Json document) {
        return messageOf<nlohmann::json::type_error>([&] { orv::Blueprint item(std::move(document)); });
    };
    Json inheritText = blueprint("x", {});
    inheritText["_inherit"] = "a";
    EXPECT_EQ(failure(inheritText), "[json.exception.type_error.302] type must be array, but is string");
    Json noInherit = blueprint("x", {});
    noInherit.erase("_inherit");
    EXPECT_EQ(failure(noInherit), "[json.exception.type_error.302] type must be array, but is null");
    Json numericParent = blueprint("x", {});
    numericParent["_inherit"] = {1};
    EXPECT_EQ(failure(numericParent), "[json.exception.type_error.302] type must be string, but is number");
    Json numericName = blueprint("x", {});
    numericName["_type"] = 3;
    EXPECT_EQ(failure(numericName), "[json.exception.type_error.302] type must be string, but is number");
    Json flagText = blueprint("x", {});
    flagText["_isEntity"] = "yes";
    EXPECT_EQ(failure(flagText), "[json.exception.type_error.302] type must be boolean, but is string");
    EXPECT_EQ(messageOf<orv::JsonError>([&] { orv::Blueprint item(Json::array()); }),
              "must be an object, but is array");
}

TEST_F(Blueprints, EntityBlueprintsInListOrderAndUnknownNames) {
    library.add(blueprint("tree", {}));
    library.add(blueprint("mixin", {}, Json::object(), false));
    library.add(blueprint("rock", {}));
    library.compileAll();
    std::vector<std::string> entities;
    for (orv::Blueprint* item : library.getEntityBlueprints())
        entities.push_back(item->getName());
    EXPECT_EQ(entities, (std::vector<std::string>{"tree", "rock"}));
    EXPECT_EQ(library.find("ghost"), nullptr);
    EXPECT_EQ(messageOf<std::logic_error>([&] { library.get("ghost"); }), R"(unknown blueprint "ghost")");
}

// Reads from disk through resources whose reads are recorded.
struct LoadedBlueprints : ::testing::Test {
    testsupport::TempFolder folder;
    const std::string root = folder.path().string();
    std::vector<std::string> reads;
    orv::ResourceManager resources{[this] {
        struct Recording : orv::DefaultResourceLoader {
            explicit Recording(std::vector<std::string>& reads) : reads(reads) {}
            std::string load(const std::string& path) override {
                reads.push_back(path);
                return DefaultResourceLoader::load(path);
            }
            std::vector<std::string>& reads;
        };
        return std::make_unique<Recording>(reads);
    }};
    orv::BlueprintManager library{resources};
};

TEST_F(LoadedBlueprints, WalksInPathOrderSoParentsMayComeAfterTheirChildren) {
    folder.write("a_child.json", blueprint("child", {"parent"}, {{"stats", {{"hp", 2}}}}).dump());
    folder.write("nested/deep/m_grandchild.json", blueprint("grandchild", {"child"}).dump());
    folder.write("z_parent.json", blueprint("parent", {}, {{"stats", {{"hp", 1}, {"mp", 1}}}}).dump());
    folder.write("notes.txt", "not a blueprint");
    folder.write("empty.json", "null");

    library.loadAll(root);
    EXPECT_EQ(namesOf(library), (std::vector<std::string>{"child", "grandchild", "parent"}));
    EXPECT_EQ(library.get("grandchild").getComponents(), Json::parse(R"({"stats": {"hp": 2, "mp": 1}})"));
    // Each file is read once, by its path with forward slashes.
    EXPECT_EQ(reads,
              (std::vector<std::string>{root + "/a_child.json", root + "/empty.json",
                                        root + "/nested/deep/m_grandchild.json", root + "/z_parent.json"}));
}

TEST_F(LoadedBlueprints, TheFirstFailureStopsTheLoad) {
    folder.write("broken/a.json", blueprint("a", {"b"}).dump());
    folder.write("broken/b.json", "{ not json");
    EXPECT_NE(messageOf<orv::JsonError>([&] {
                  library.loadAll(root + "/broken");
              }).find(root + "/broken/b.json: [json.exception.parse_error"),
              std::string::npos);

    orv::BlueprintManager typed(resources);
    folder.write("typed/b.json", R"({"_type": "b", "_inherit": [], "_isEntity": 0})");
    EXPECT_EQ(messageOf<orv::JsonError>([&] { typed.loadAll(root + "/typed"); }),
              root + "/typed/b.json: [json.exception.type_error.302] type must be boolean, but is number");

    // Compiling happens after every file is read, and still names the file.
    orv::BlueprintManager orphan(resources);
    folder.write("orphan/o.json", blueprint("orphan", {"nobody"}).dump());
    EXPECT_EQ(messageOf<orv::JsonError>([&] { orphan.loadAll(root + "/orphan"); }),
              root + R"(/orphan/o.json: blueprint "orphan" inherits from unknown blueprint "nobody")");

    orv::BlueprintManager deep(resources);
    folder.write("deep/d.json", R"({"_type": "d", "_inherit": [], "_isEntity": true, "stats": )" +
                                    std::string(100000, '[') + std::string(100000, ']') + "}");
    EXPECT_EQ(messageOf<orv::JsonError>([&] { deep.loadAll(root + "/deep"); }),
              root + "/deep/d.json: the document is nested deeper than 256 levels");
}

TEST_F(LoadedBlueprints, AFileIsReadOnceForTheWholeRun) {
    folder.write("tree.json", blueprint("tree", {}, {{"stats", {{"hp", 1}}}}).dump());
    library.loadAll(root);
    folder.write("tree.json", blueprint("tree", {}, {{"stats", {{"hp", 2}}}}).dump());

    orv::BlueprintManager again(resources);
    again.loadAll(root);
    EXPECT_EQ(again.get("tree").getComponents()["stats"]["hp"], 1);
    EXPECT_EQ(reads.size(), 1u);
}

} // namespace
