#pragma once

namespace orv {
class ResourceManager;
class SerializationManager;
} // namespace orv

namespace tarsk {

// The long-lived services of the root state that the factories of the type registry are bound
// to. The root state outlives every object the factories make. The serialisation manager may still
// be under construction when the tables are built: it is only used once worlds are read.
struct RegistryServices {
    orv::ResourceManager& resources;
    orv::SerializationManager& serialization;
};

} // namespace tarsk
