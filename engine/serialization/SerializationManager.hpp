#pragma once

#include "engine/common/Lookup.hpp"
#include "engine/common/TypeName.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/Factory.hpp"
#include "engine/serialization/GenericHandler.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>

namespace orv {

class Blueprint;
class PersistenceComponent;
class ResourceManager;

// The type registry: makes components, world systems and manager-wide systems from their saved
// records by name, makes polymorphic values through generic handlers, and owns the blueprint
// library. The maps are filled before the first world is read and only read afterwards.
class SerializationManager {
public:
    // Adds the engine's own entries to the given maps; a name the caller registered already keeps
    // the caller's factory.
    SerializationManager(ResourceManager& resources, ComponentFactories components,
                         WorldSystemFactories worldSystems, GlobalSystemFactories globalSystems,
                         GenericHandlers handlers = {});
    SerializationManager(const SerializationManager&) = delete;
    SerializationManager& operator=(const SerializationManager&) = delete;
    ~SerializationManager();

    // Appends a maker to the list tried for Base, making the list on first use.
    template <class Base>
    void registerGenericHandler(typename GenericHandler<Base>::Maker maker) {
        handlers[typeid(Base)].push_back(std::make_shared<GenericHandler<Base>>(std::move(maker)));
    }

    // The first value that one of Base's handlers, tried in order, makes from the data.
    template <class Base>
    std::unique_ptr<Base> deserialize(const nlohmann::json& data) const {
        for (const std::shared_ptr<GenericHandler_base>& handler :
             lookup(handlers, std::type_index(typeid(Base)))) {
            const auto* typed = dynamic_cast<const GenericHandler<Base>*>(handler.get());
            if (!typed)
                throw std::logic_error("Generic deserialization handler of another type registered for " +
                                       typeName<Base>());
            if (std::unique_ptr<Base> made = (*typed)(data))
                return made;
        }
        throw std::runtime_error("Generic deserialization handler not found for json object: " + data.dump());
    }

    // A new entity from {"components": {...}}, blueprint members resolved; not initialised. Errors
    // are orv::JsonErrors with their path from "components" down.
    std::unique_ptr<Entity> entityFromJson(const nlohmann::json& data) const;
    // {"components": ...} of an entity with a persistence component (relative to its blueprint
    // when it has one); null for any other entity.
    static nlohmann::json entityToJson(const Entity& entity);
    // The same record from the entity's persistence component; an entity of a blueprint is one
    // whose blueprint component is among the saved components.
    static nlohmann::json entityToJson(const PersistenceComponent& persistence);

    // A new entity of the named blueprint; a name that no blueprint has throws std::logic_error.
    std::unique_ptr<Entity> instantiate(const std::string& name) const;
    // A new entity of a compiled blueprint with its blueprint component; not initialised. Errors
    // are orv::JsonErrors with the component's key, naming the blueprint's file if it has one.
    std::unique_ptr<Entity> createEntity(const Blueprint& blueprint) const;

    // A system from its saved record, by its "_SystemTypeId".
    FactoryResult<System_base<World>> makeWorldSystem(const nlohmann::json& record) const;
    FactoryResult<System_base<WorldManager>> makeGlobalSystem(const nlohmann::json& record) const;

    const ComponentFactories& getComponentFactories() const { return componentFactories; }
    const WorldSystemFactories& getWorldSystemFactories() const { return worldSystemFactories; }
    const GlobalSystemFactories& getGlobalSystemFactories() const { return globalSystemFactories; }
    const GenericHandlers& getGenericHandlers() const { return handlers; }
    BlueprintManager& getBlueprintManager() { return blueprints; }
    const BlueprintManager& getBlueprintManager() const { return blueprints; }

private:
    // Adds one component per member of the saved object, in key order, after resolving its blueprint;
    // keyInErrors puts the component's key into the path of the errors its factory raises.
    void addComponents(Entity& entity, const nlohmann::json& saved, bool keyInErrors = false) const;

    ComponentFactories componentFactories;
    WorldSystemFactories worldSystemFactories;
    GlobalSystemFactories globalSystemFactories;
    GenericHandlers handlers;
    BlueprintManager blueprints;
};

} // namespace orv
