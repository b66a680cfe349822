#include "engine/physics/ShapeSerialization.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/physics/PhysicsJsonValues.hpp"
#include "engine/physics/ShapeValidation.hpp"

#include <box2d/b2_chain_shape.h>
#include <box2d/b2_circle_shape.h>
#include <box2d/b2_edge_shape.h>
#include <box2d/b2_polygon_shape.h>
#include <box2d/b2_settings.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv {

namespace {

const char* const PolygonRadiusText = "b2_polygonRadius";

nlohmann::json pointArray(const b2Vec2& v) {
    return {double(v.x), double(v.y)};
}

void writePoint(nlohmann::json& record, const std::string& name, const b2Vec2& v) {
    record[name + ".x"] = double(v.x);
    record[name + ".y"] = double(v.y);
}

nlohmann::json writeCircle(const b2CircleShape& circle) {
    nlohmann::json record = {{"m_radius", double(circle.m_radius)}};
    writePoint(record, "m_p", circle.m_p);
    return record;
}

nlohmann::json writeEdge(const b2EdgeShape& edge) {
    nlohmann::json record = {{"m_oneSided", edge.m_oneSided}, {"m_radius", PolygonRadiusText}};
    writePoint(record, "m_vertex0", edge.m_vertex0);
    writePoint(record, "m_vertex1", edge.m_vertex1);
    writePoint(record, "m_vertex2", edge.m_vertex2);
    writePoint(record, "m_vertex3", edge.m_vertex3);
    return record;
}

nlohmann::json writePolygon(const b2PolygonShape& polygon) {
    nlohmann::json vertices = nlohmann::json::array();
    for (int i = 0; i < polygon.m_count; ++i)
        vertices.push_back(pointArray(polygon.m_vertices[i]));
    return {{"count", polygon.m_count}, {"vertices", std::move(vertices)}};
}

nlohmann::json writeChain(const b2ChainShape& chain) {
    nlohmann::json vertices = nlohmann::json::array();
    for (int i = 0; i < chain.m_count; ++i)
        vertices.push_back(pointArray(chain.m_vertices[i]));
    nlohmann::json record = {
        {"m_count", chain.m_count}, {"m_vertices", std::move(vertices)}, {"m_radius", PolygonRadiusText}};
    writePoint(record, "m_prevVertex", chain.m_prevVertex);
    writePoint(record, "m_nextVertex", chain.m_nextVertex);
    return record;
}

std::unique_ptr<b2Shape> readCircle(const nlohmann::json& record) {
    auto circle = std::make_unique<b2CircleShape>();
    circle->m_p = readPointAt(record, "m_p.x", "m_p.y");
    circle->m_radius = readFloatAt(record, "m_radius");
    checkShape(*circle);
    return circle;
}

std::unique_ptr<b2Shape> readEdge(const nlohmann::json& record) {
    auto edge = std::make_unique<b2EdgeShape>();
    edge->m_vertex0 = readPointAt(record, "m_vertex0.x", "m_vertex0.y");
    edge->m_vertex1 = readPointAt(record, "m_vertex1.x", "m_vertex1.y");
    edge->m_vertex2 = readPointAt(record, "m_vertex2.x", "m_vertex2.y");
    edge->m_vertex3 = readPointAt(record, "m_vertex3.x", "m_vertex3.y");
    edge->m_oneSided = record.at("m_oneSided").get<bool>();
    checkShape(*edge);
    return edge;
}

// The first `count` entries of a point array; fewer than that is an error.
std::vector<b2Vec2> readPoints(const nlohmann::json& array, long long count, const std::string& key) {
    if (!array.is_array())
        (void)array.get<nlohmann::json::array_t>(); // raises the library's own type error
    if (count > static_cast<long long>(array.size()))
        throw std::runtime_error("physics: \"" + key + "\" holds fewer points than its count");
    std::vector<b2Vec2> points;
    points.reserve(static_cast<std::size_t>(count));
    for (long long k = 0; k < count; ++k)
        points.push_back(jsonToPoint(array[static_cast<std::size_t>(k)], key));
    return points;
}

std::unique_ptr<b2Shape> readPolygon(const nlohmann::json& record) {
    const long long count = jsonToInteger(record.at("count"), "count", std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max());
    // Not even a first point to hand over.
    if (count < 1)
        throw std::out_of_range("invalid vector subscript");
    const std::vector<b2Vec2> points = readPoints(record.at("vertices"), count, "vertices");
    checkPolygonPoints(points);
    auto polygon = std::make_unique<b2PolygonShape>();
    polygon->Set(points.data(), static_cast<int>(points.size()));
    return polygon;
}

std::unique_ptr<b2Shape> readChain(const nlohmann::json& record) {
    const long long count =
        jsonToInteger(record.at("m_count"), "m_count", 0, std::numeric_limits<int>::max() / 16);
    const std::vector<b2Vec2> points = readPoints(record.at("m_vertices"), count, "m_vertices");
    checkChainVertices(points.data(), static_cast<int>(points.size()));
    const b2Vec2 prev = readPointAt(record, "m_prevVertex.x", "m_prevVertex.y");
    const b2Vec2 next = readPointAt(record, "m_nextVertex.x", "m_nextVertex.y");

    // Filled member by member; the shape frees the array with b2Free.
    auto chain = std::make_unique<b2ChainShape>();
    chain->m_vertices = static_cast<b2Vec2*>(b2Alloc(static_cast<int>(points.size() * sizeof(b2Vec2))));
    chain->m_count = static_cast<int>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        chain->m_vertices[i] = points[i];
    chain->m_prevVertex = prev;
    chain->m_nextVertex = next;
    return chain;
}

} // namespace

nlohmann::json serializeShape(const b2Shape& shape) {
    nlohmann::json record;
    switch (shape.GetType()) {
    case b2Shape::e_circle:
        record = writeCircle(static_cast<const b2CircleShape&>(shape));
        break;
    case b2Shape::e_edge:
        record = writeEdge(static_cast<const b2EdgeShape&>(shape));
        break;
    case b2Shape::e_polygon:
        record = writePolygon(static_cast<const b2PolygonShape&>(shape));
        break;
    case b2Shape::e_chain:
        record = writeChain(static_cast<const b2ChainShape&>(shape));
        break;
    default:
        throw std::runtime_error("b2ShapeSerialization Error: shape type not supported");
    }
    record["shape_type"] = static_cast<int>(shape.GetType());
    return record;
}

std::unique_ptr<b2Shape> deserializeShape(const nlohmann::json& record) {
    const nlohmann::json& type = record.at("shape_type");
    const int number = jsonNumber<int>(type, "shape_type");
    if (number == 0)
        return readCircle(record);
    if (number == 1)
        return readEdge(record);
    if (number == 2)
        return readPolygon(record);
    if (number == 3)
        return readChain(record);
    throw std::runtime_error("shape type not supported (deserialization)");
}

} // namespace orv
