#pragma once

#include "engine/ecs/SerializableToJson.hpp"
#include "engine/render/Renderable.hpp"

#include <SFML/System/Vector2.hpp>

#include <string>

namespace tarsk {

// Something that brightens the light map around a point. Concrete kinds name themselves under
// "light_type" so the type registry's handlers can tell them apart when reading them back.
class Light : public orv::Renderable, public orv::SerializableToJson {
public:
    ~Light() override;

    // {"light_type": kind}; the position belongs to the owner and is not written.
    nlohmann::json toJson() const override;

    sf::Vector2f getPosition() const { return position; }
    // World units.
    void setPosition(sf::Vector2f value) { position = value; }
    const std::string& getTypeName() const { return typeName; }

protected:
    explicit Light(std::string typeName);

private:
    sf::Vector2f position{0.f, 0.f};
    std::string typeName;
};

} // namespace tarsk
