#pragma once

#include "luabind/Table.hpp"

#include <set>
#include <string>

struct lua_State;

namespace lua::detail {

// Collects the members of one usertype on the stack and installs its metatable in one step, so a
// failure half-way registers nothing. Methods are kept in the usertype table (the one handed
// back); getters and setters of properties live beside it and are reached through __index and
// __newindex.
class UsertypeBuilder {
public:
    // Throws lua::error if the registry already holds a metatable under `key`.
    UsertypeBuilder(lua_State* L, const char* key, std::string name);
    UsertypeBuilder(const UsertypeBuilder&) = delete;
    UsertypeBuilder& operator=(const UsertypeBuilder&) = delete;
    ~UsertypeBuilder();

    lua_State* state() const { return L; }
    // Reserves a member name; a name may be given only once.
    void claim(const std::string& member);
    // Each takes the function on top of the stack.
    void addMethod(const std::string& member);
    void addGetter(const std::string& member);
    void addSetter(const std::string& member);
    // Installs the metatable and returns the usertype table, a read-only view of the methods.
    Table finish();

private:
    void store(int table, const std::string& member);

    lua_State* L;
    const char* key;
    std::string name;
    int base;
    int metatable;
    int methods;
    int getters;
    int setters;
    std::set<std::string> members;
};

} // namespace lua::detail
