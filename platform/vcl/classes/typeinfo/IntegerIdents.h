// Integers that streams write by name (colours as "clRed", cursors as
// "crDefault"). The unit that owns the type registers its map once at start;
// a property opts in with .Idents("TColor") in its class's Publish.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

using TIdentToInt = std::function<bool(const std::string& ident, std::int64_t& value)>;
using TIntToIdent = std::function<bool(std::int64_t value, std::string& ident)>;

// Registering a map under a name that has one replaces it.
void RegisterIntegerConsts(const std::string& mapName, TIdentToInt identToInt, TIntToIdent intToIdent);
void UnRegisterIntegerConsts(const std::string& mapName);
// False when the map is missing or does not know the value.
bool IdentToIntegerConst(const std::string& mapName, const std::string& ident, std::int64_t& value);
bool IntegerConstToIdent(const std::string& mapName, std::int64_t value, std::string& ident);
