#include "platform/vcl/controls/CursorIdents.h"

#include <cstdint>
#include <utility>

#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/vcl/rtl/StringUtils.h"

namespace {

// The first name of a value is the one written; crSize is the older name
// of crSizeAll's value and is read only.
constexpr std::pair<TCursor, const char*> kCursors[] = {
    {crDefault, "crDefault"},
    {crNone, "crNone"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeAll, "crSizeAll"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSize, "crSize"},
};

}  // namespace

bool CursorToIdent(TCursor cursor, std::string& ident) {
  for (const auto& [value, name] : kCursors)
    if (value == cursor) {
      ident = name;
      return true;
    }
  return false;
}

bool IdentToCursor(const std::string& ident, TCursor& cursor) {
  for (const auto& [value, name] : kCursors)
    if (SameText(ident, name)) {
      cursor = value;
      return true;
    }
  return false;
}

namespace vcl {

void RegisterCursorIdents() {
  RegisterIntegerConsts(
      "TCursor",
      [](const std::string& ident, std::int64_t& value) {
        TCursor cursor = crDefault;
        if (!IdentToCursor(ident, cursor)) return false;
        value = cursor;
        return true;
      },
      [](std::int64_t value, std::string& ident) { return CursorToIdent(static_cast<TCursor>(value), ident); });
}

void UnRegisterCursorIdents() {
  UnRegisterIntegerConsts("TCursor");
}

}  // namespace vcl
