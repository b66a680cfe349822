#include "SerialTestTypes.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/persistence/PeristenceRealmSystem_global.hpp"
#include "engine/serialization/BlueprintComponent.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <vector>

namespace {

using serial_test::messageOf;
using serial_test::Registry;
using serial_test::Stats;

// A polymorphic value of the kind components hold inside them (a light, say).
struct Shape {
    virtual ~Shape() = default;
    std::string kind;
};
struct Circle : Shape {};

std::unique_ptr<Shape> shapeOfKind(const nlohmann::json& data, const std::string& kind) {
    if (data.value("kind", "") != kind)
        return nullptr;
    auto shape = std::make_unique<Circle>();
    shape->kind = kind;
    return shape;
}

TEST(BindTypeIndex, FilesTheObjectUnderTheNamedTypeWhateverThePointerSays) {
    // The maker hands the component out as a plain Component.
    orv::Factory<orv::Component> factory = orv::bindTypeIndex<Stats>(
        [](const nlohmann::json& data) -> std::unique_ptr<orv::Component> { return Stats::fromJson(data); });
    auto [component, type] = factory({{"hp", 3}});
    EXPECT_EQ(type, std::type_index(typeid(Stats)));

    orv::Entity entity;
    entity.addComponent(std::move(component), type);
    EXPECT_EQ(entity.getComponent<Stats>()->data["hp"], 3);
}

TEST(BindTypeIndex, PassesBoundArgumentsAndRejectsAnObjectOfAnotherType) {
    int calls = 0;
    auto counting = [](const nlohmann::json& data, int& counter) {
        ++counter;
        return Stats::fromJson(data);
    };
    orv::Factory<orv::Component> bound = orv::bindTypeIndex<Stats>(counting, std::ref(calls));
    bound(nullptr);
    bound(nullptr);
    EXPECT_EQ(calls, 2);

    orv::Factory<orv::Component> lying =
        orv::bindTypeIndex<Stats>([](const nlohmann::json&) -> std::unique_ptr<orv::Component> {
            return std::make_unique<orv::TransformationComponent>();
        });
    EXPECT_EQ(messageOf<std::logic_error>([&] { lying(nullptr); }),
              "Factory made an object that is not a serial_test::Stats");
}

TEST(SerializationManager, RegistersTheEngineEntriesUnlessTheGameHasTheNames) {
    orv::ResourceManager resources;
    orv::SerializationManager plain(resources, {}, {}, {});
    EXPECT_EQ(plain.getComponentFactories().at("blueprint")({{"type", "tree"}}).second,
              std::type_index(typeid(orv::BlueprintComponent)));
    auto [realm, realmType] = plain.getGlobalSystemFactories().at("PeristenceRealmSystem")("ignored");
    EXPECT_EQ(realmType, std::type_index(typeid(orv::PeristenceRealmSystem_global)));
    EXPECT_NE(dynamic_cast<orv::PeristenceRealmSystem_global*>(realm.get()), nullptr);

    // The game's factories under the same names stay; the engine's are dropped without a word.
    orv::ComponentFactories components{{"blueprint", orv::bindTypeIndex<Stats>(&Stats::fromJson)}};
    serial_test::Log log;
    orv::GlobalSystemFactories globals{
        {"PeristenceRealmSystem", Registry::globalSystemTable(log).at("TracedGlobalSystem")}};
    orv::SerializationManager game(resources, std::move(components), {}, std::move(globals));
    EXPECT_EQ(game.getComponentFactories().at("blueprint")({{"type", "tree"}}).second,
              std::type_index(typeid(Stats)));
    EXPECT_EQ(game.getGlobalSystemFactories().at("PeristenceRealmSystem")({}).second,
              std::type_index(typeid(serial_test::TracedGlobalSystem)));
}

TEST(SerializationManager, UnknownNamesFailWithTheMapMessage) {
    Registry registry;
    const std::string message = "invalid unordered_map<K, T> key";
    EXPECT_EQ(messageOf<orv::JsonError>([&] {
                  registry.types.entityFromJson({{"components", {{"stats", {}}, {"wings", {}}}}});
              }),
              "components.wings: " + message);
    EXPECT_EQ(messageOf<std::out_of_range>([&] {
                  registry.types.makeWorldSystem({{"_SystemTypeId", "Nope"}});
              }),
              message);
    EXPECT_EQ(messageOf<std::out_of_range>([&] {
                  registry.types.makeGlobalSystem({{"_SystemTypeId", "Nope"}});
              }),
              message);
    EXPECT_EQ(messageOf<nlohmann::json::type_error>([&] {
                  registry.types.makeWorldSystem({{"_SystemTypeId", 4}});
              }),
              "[json.exception.type_error.302] type must be string, but is number");
}

struct Generic : ::testing::Test {
    orv::ResourceManager resources;
    orv::SerializationManager types{resources, {}, {}, {}};
    int laterCalls = 0;
};

TEST_F(Generic, TheFirstHandlerThatAcceptsWinsAndLaterOnesAreNotAsked) {
    types.registerGenericHandler<Shape>(
        [](const nlohmann::json& data) { return shapeOfKind(data, "circle"); });
    types.registerGenericHandler<Shape>(
        [](const nlohmann::json& data) { return shapeOfKind(data, "square"); });
    types.registerGenericHandler<Shape>([this](const nlohmann::json& data) {
        ++laterCalls;
        return shapeOfKind(data, "square");
    });
    EXPECT_EQ(types.deserialize<Shape>({{"kind", "circle"}})->kind, "circle");
    EXPECT_EQ(types.deserialize<Shape>({{"kind", "square"}})->kind, "square");
    EXPECT_EQ(laterCalls, 0);
    EXPECT_EQ(types.getGenericHandlers().at(typeid(Shape)).size(), 3u);
}

TEST_F(Generic, DataNoHandlerAcceptsIsReportedWithItsText) {
    types.registerGenericHandler<Shape>(
        [](const nlohmann::json& data) { return shapeOfKind(data, "circle"); });
    EXPECT_EQ(messageOf<std::runtime_error>([&] {
                  types.deserialize<Shape>({{"kind", "hexagon"}, {"n", 6}});
              }),
              R"(Generic deserialization handler not found for json object: {"kind":"hexagon","n":6})");
}

TEST_F(Generic, ABaseWithoutHandlersFailsWithTheMapMessage) {
    EXPECT_EQ(messageOf<std::out_of_range>([&] {
                  types.deserialize<Shape>({{"kind", "circle"}});
              }),
              "invalid unordered_map<K, T> key");
}

TEST(GenericHandlers, AHandlerFiledUnderAnotherBaseIsRefused) {
    orv::ResourceManager resources;
    orv::GenericHandlers handlers;
    handlers[typeid(Shape)].push_back(std::make_shared<orv::GenericHandler<orv::Component>>(
        [](const nlohmann::json&) { return std::make_unique<orv::TransformationComponent>(); }));
    orv::SerializationManager types(resources, {}, {}, {}, std::move(handlers));
    EXPECT_EQ(messageOf<std::logic_error>([&] { types.deserialize<Shape>({}); }),
              "Generic deserialization handler of another type registered for (anonymous namespace)::Shape");
}

} // namespace
