#pragma once

namespace bt {
class BehaviorTreeFactory;
}

namespace tarsk {

class AttackManager;
class RandomNumberGenerator;

// Registers the game's fourteen node types. The random-number generator and the attack table
// are held by reference by the nodes that need them, so both must outlive every tree made.
void registerBTNodeData(bt::BehaviorTreeFactory& factory, const RandomNumberGenerator& random,
                        const AttackManager& attacks);

} // namespace tarsk
