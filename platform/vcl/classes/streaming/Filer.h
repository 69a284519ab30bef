// The binary form format's vocabulary and TFiler, the common base of the
// component reader and writer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/vcl/classes/typeinfo/Set.h"

class TStream;
class TReader;
class TWriter;
class TComponent;
class TPersistent;

// The byte that starts every value of a form stream.
enum TValueType : std::uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20
};

// Flags of a component header, stored as $F0 or'ed with the flag bits.
enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag>;

// How deep components, lists and collections may nest in a form stream or
// its text. Readers refuse deeper nesting with their own error instead of
// running out of stack; real forms stay far below it.
inline constexpr int MaxFormNesting = 256;

// A component header starts with its class name's length byte unless a flags
// byte ($F0 or'ed with the flags) comes first, so a class name of 240 or more
// characters would read as flags: such names are refused.
inline constexpr std::size_t MaxClassNameLength = 0xEF;

// The four bytes that open a binary form stream.
inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

using TReaderProc = std::function<void(TReader* reader)>;
using TWriterProc = std::function<void(TWriter* writer)>;
using TStreamProc = std::function<void(TStream* stream)>;

class TFiler {
 public:
  explicit TFiler(TStream* stream) : FStream(stream) {}
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler();

  // Streams a value through the reader or writer callback under name;
  // hasData false: the writer leaves it out.
  virtual void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData, bool hasData) = 0;
  // The same for raw bytes: the reader callback gets a stream holding
  // exactly the stored bytes.
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                                    bool hasData) = 0;

  TStream* GetStream() const { return FStream; }
  TComponent* GetRoot() const { return FRoot; }
  void SetRoot(TComponent* value) { FRoot = value; }
  TComponent* GetLookupRoot() const { return FLookupRoot; }
  // Never set here: there is no form inheritance, so no ancestor to compare.
  TPersistent* GetAncestor() const { return nullptr; }

 protected:
  TStream* FStream;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
};
