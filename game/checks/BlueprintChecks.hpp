#pragma once

namespace orv {
class SerializationManager;
}

namespace tarsk {

class EntityContentCheck;

// Every entity blueprint as the start reads it: what it names followed, then one entity made of
// it, so every component reader has seen its record. Errors are orv::JsonErrors naming the
// blueprint's file and the path in it.
void checkEntityBlueprints(const orv::SerializationManager& serialization,
                           const EntityContentCheck& references);

} // namespace tarsk
