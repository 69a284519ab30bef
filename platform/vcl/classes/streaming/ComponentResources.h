// Components on streams, bare or inside the component-resource header the
// library writes in front of them:
//
//   $FF, resource type 10 as 2 bytes ($0A $00), the name in capitals with a
//   0 byte (at most 63 characters kept), memory flags $1030 as 2 bytes, then
//   the size of the component stream that follows as 4 bytes.
#pragma once

#include <cstdint>
#include <string>

class TStream;
class TComponent;

// Writes the header with a size of 0; returns the position of the size field.
std::int64_t WriteResourceHeader(TStream* stream, const std::string& name);
// Fills in the size of everything written after the field and leaves the
// stream at its end.
void FixupResourceHeader(TStream* stream, std::int64_t fixupInfo);
// Checks and skips a header; EInvalidImage "Invalid stream format" when it
// is not one.
void ReadResHeader(TStream* stream);

// The stream's component into instance (or into a new component of the
// stream's registered class when instance is null), as a root.
TComponent* ReadComponent(TStream* stream, TComponent* instance);
void WriteComponent(TStream* stream, TComponent* instance);
TComponent* ReadComponentRes(TStream* stream, TComponent* instance);
void WriteComponentRes(TStream* stream, const std::string& resName, TComponent* instance);
// The same on a file of its own.
TComponent* ReadComponentResFile(const std::string& fileName, TComponent* instance);
void WriteComponentResFile(const std::string& fileName, TComponent* instance);
