#include "platform/vcl/classes/streaming/ResourceStream.h"

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winres.h"

TResourceStream::TResourceStream(HINSTANCE instance, const std::string& resName, LPCSTR resType) {
  Initialize(instance, resName.c_str(), resType, resName);
}

TResourceStream::TResourceStream(HINSTANCE instance, LPCSTR name, LPCSTR resType, const std::string& shownName) {
  Initialize(instance, name, resType, shownName);
}

TResourceStream* TResourceStream::CreateFromID(HINSTANCE instance, int resID, LPCSTR resType) {
  return new TResourceStream(instance, MAKEINTRESOURCEA(resID), resType, std::to_string(resID));
}

void TResourceStream::Initialize(HINSTANCE instance, LPCSTR name, LPCSTR resType, const std::string& shownName) {
  HRSRC info = FindResourceA(instance, name, resType);
  if (info == nullptr) throw EResNotFound("Resource %s not found", {shownName});
  HGLOBAL handle = LoadResource(instance, info);
  void* data = handle != nullptr ? LockResource(handle) : nullptr;
  if (data == nullptr) throw EResNotFound("Resource %s not found", {shownName});
  // The bytes are the module's, read-only: the stream never writes them.
  SetPointer(data, SizeofResource(instance, info));
}

TResourceStream::~TResourceStream() = default;

int TResourceStream::Write(const void*, int) {
  throw EStreamError("Can't write to a read-only resource stream");
}
