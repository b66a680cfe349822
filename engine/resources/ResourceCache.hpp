#pragma once

#include <string>

namespace orv {

// A typed view of a resource's raw bytes, made once and shared by every user.
class ResourceView {
public:
    virtual ~ResourceView() = default;
    virtual void convert(const std::string& raw) = 0;
};

template <class T>
class ResourceCache : public ResourceView {
public:
    using ValueType = T;
    virtual T& get() = 0;
};

} // namespace orv
