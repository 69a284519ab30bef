#include "platform/vcl/classes/typeinfo/IntegerIdents.h"

#include <map>
#include <mutex>

namespace {

struct IdentMap {
  TIdentToInt toInt;
  TIntToIdent toIdent;
};

struct Maps {
  std::mutex lock;
  std::map<std::string, IdentMap> byName;
};

Maps& TheMaps() {
  static Maps maps;
  return maps;
}

bool Lookup(const std::string& mapName, IdentMap& out) {
  Maps& m = TheMaps();
  std::lock_guard guard(m.lock);
  auto it = m.byName.find(mapName);
  if (it == m.byName.end()) return false;
  out = it->second;
  return true;
}

}  // namespace

void RegisterIntegerConsts(const std::string& mapName, TIdentToInt identToInt, TIntToIdent intToIdent) {
  Maps& m = TheMaps();
  std::lock_guard guard(m.lock);
  m.byName[mapName] = IdentMap{std::move(identToInt), std::move(intToIdent)};
}

void UnRegisterIntegerConsts(const std::string& mapName) {
  Maps& m = TheMaps();
  std::lock_guard guard(m.lock);
  m.byName.erase(mapName);
}

bool IdentToIntegerConst(const std::string& mapName, const std::string& ident, std::int64_t& value) {
  IdentMap map;
  return Lookup(mapName, map) && map.toInt && map.toInt(ident, value);
}

bool IntegerConstToIdent(const std::string& mapName, std::int64_t value, std::string& ident) {
  IdentMap map;
  return Lookup(mapName, map) && map.toIdent && map.toIdent(value, ident);
}
