// TResourceStream: a read-only stream over the bytes of an embedded resource.
#pragma once

#include <string>

#include "platform/vcl/classes/streams/Streams.h"
#include "platform/win/windef.h"

class TResourceStream : public TCustomMemoryStream {
 public:
  // The resource name (a string, or "#123" for a number) of resType in the
  // module (null: the program's own). EResNotFound "Resource %s not found"
  // when it is missing.
  TResourceStream(HINSTANCE instance, const std::string& resName, LPCSTR resType);
  // The resource with a numeric identifier.
  static TResourceStream* CreateFromID(HINSTANCE instance, int resID, LPCSTR resType);
  ~TResourceStream() override;

  // EStreamError "Can't write to a read-only resource stream".
  int Write(const void* buffer, int count) override;

 private:
  TResourceStream(HINSTANCE instance, LPCSTR name, LPCSTR resType, const std::string& shownName);
  void Initialize(HINSTANCE instance, LPCSTR name, LPCSTR resType, const std::string& shownName);
};
