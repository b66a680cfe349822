#include "game/factories/FeedOnContact.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "game/needs/NeedsComponent.hpp"

#include <memory>

namespace tarsk {

void feedOnContact(orv::Entity& food, Needs gain, bool eaten) {
    orv::Entity* self = &food;
    // Shared, because the signal may call a copy of the slot: a food that is eaten feeds once,
    // even when two creatures touch it in the same step.
    auto consumed = std::make_shared<bool>(false);
    // The slot lives in the component's own signal, so it never outlives the entity it points at.
    food.getComponent<orv::PhysicsComponent>()->contactBegin.connect(
        [self, gain, eaten, consumed](const orv::Entity* other) {
            if (!other || *consumed)
                return;
            NeedsComponent* needs = other->findComponent<NeedsComponent>();
            if (!needs)
                return;
            needs->changeNeeds(gain);
            if (!eaten)
                return;
            *consumed = true;
            if (self->getWorld())
                self->getWorld()->markForRemoval(self);
        });
}

} // namespace tarsk
