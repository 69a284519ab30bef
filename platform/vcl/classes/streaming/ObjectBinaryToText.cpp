#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/CurrencyText.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/classes/typeinfo/Published.h"

namespace {

// Strings are cut into quoted pieces of about this many bytes per line.
constexpr std::size_t kLineLength = 64;
constexpr std::size_t kBytesPerHexLine = 32;
// Indentation stops growing at this level, so that the text of a deeply
// nested stream grows with the stream, not with the square of its depth.
constexpr int kMaxIndentLevel = 32;

bool IsIdentifier(const std::string& s, bool dotted) {
  bool start = true;
  for (char c : s) {
    const bool letter = std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    if (c == '.' && dotted && !start) {
      start = true;
    } else if (letter || (!start && std::isdigit(static_cast<unsigned char>(c)))) {
      start = false;
    } else {
      return false;
    }
  }
  return !start;
}

// A name must read back as the same name: an identifier, and for a property
// none of the words that open or close an object.
const std::string& Identifier(const std::string& s, bool dotted) {
  if (!IsIdentifier(s, dotted)) throw EWriteError("Invalid identifier in a form: '%s'", {s.substr(0, 64)});
  return s;
}

const std::string& PropertyName(const std::string& s) {
  for (const char* word : {"object", "inherited", "inline", "end"})
    if (vcl::detail::SameName(s, word)) throw EWriteError("Invalid property name in a form: '%s'", {s});
  return Identifier(s, true);
}

class BinaryToText {
 public:
  BinaryToText(TStream* input) : FReader(input) {}

  std::string Convert() {
    FReader.ReadSignature();
    ConvertObject(0);
    return std::move(FText);
  }

 private:
  void NewLine(int level) {
    FText += "\r\n";
    Indent(level);
  }
  void Indent(int level) { FText.append(static_cast<std::size_t>(std::min(level, kMaxIndentLevel)) * 2, ' '); }

  // Counts one level of objects, lists and collections for as long as it lives.
  class Nesting {
   public:
    explicit Nesting(int& depth) : FDepth(depth) {
      if (FDepth >= MaxFormNesting) throw EReadError("Nesting too deep");
      ++FDepth;
    }
    ~Nesting() { --FDepth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    int& FDepth;
  };

  void ConvertObject(int level) {
    Nesting nesting(FDepth);
    TFilerFlags flags;
    int position;
    FReader.ReadPrefix(flags, position);
    std::string className = Identifier(FReader.ReadStr(), false);
    if (className.size() > MaxClassNameLength) throw EWriteError("Class name longer than 239 characters");
    std::string name = FReader.ReadStr();
    if (!name.empty()) Identifier(name, false);
    Indent(level);
    if (flags.Contains(ffInherited))
      FText += "inherited ";
    else if (flags.Contains(ffInline))
      FText += "inline ";
    else
      FText += "object ";
    if (!name.empty()) FText += name + ": ";
    FText += className;
    if (flags.Contains(ffChildPos)) FText += " [" + std::to_string(position) + "]";
    FText += "\r\n";
    while (!FReader.EndOfList()) ConvertProperty(level + 1);
    FReader.ReadListEnd();
    while (!FReader.EndOfList()) ConvertObject(level + 1);
    FReader.ReadListEnd();
    Indent(level);
    FText += "end\r\n";
  }

  void ConvertProperty(int level) {
    Indent(level);
    FText += PropertyName(FReader.ReadStr());
    FText += " = ";
    ConvertValue(level);
    FText += "\r\n";
  }

  void ConvertValue(int level) {
    switch (FReader.NextValue()) {
      case vaList: {
        Nesting nesting(FDepth);
        FReader.ReadValue();
        FText += "(";
        while (!FReader.EndOfList()) {
          NewLine(level + 1);
          ConvertValue(level + 1);
        }
        FReader.ReadListEnd();
        FText += ")";
        break;
      }
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64: FText += std::to_string(FReader.ReadInt64()); break;
      case vaExtended: FText += FloatText(FReader.ReadFloat()); break;
      case vaSingle: FText += FloatText(FReader.ReadSingle()) + "s"; break;
      case vaCurrency: FText += vcl::streaming::CurrencyText(FReader.ReadScaledCurrency()) + "c"; break;
      case vaDate: FText += FloatText(FReader.ReadDate()) + "d"; break;
      case vaString:
      case vaLString:
      case vaWString:
      case vaUTF8String: StringLiteral(FReader.ReadString(), level); break;
      case vaIdent: FText += Identifier(FReader.ReadIdent(), true); break;
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull: FText += FReader.ReadIdent(); break;
      case vaBinary: ConvertBinary(level); break;
      case vaSet: {
        FReader.ReadValue();
        FText += "[";
        bool first = true;
        for (std::string name = FReader.ReadStr(); !name.empty(); name = FReader.ReadStr()) {
          if (!first) FText += ", ";
          FText += Identifier(name, false);
          first = false;
        }
        FText += "]";
        break;
      }
      case vaCollection: {
        Nesting nesting(FDepth);
        FReader.ReadValue();
        FText += "<";
        while (!FReader.EndOfList()) {
          NewLine(level + 1);
          FText += "item";
          TValueType next = FReader.NextValue();
          if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
            FText += " [";
            ConvertValue(level);
            FText += "]";
          }
          FText += "\r\n";
          FReader.ReadListBegin();
          while (!FReader.EndOfList()) ConvertProperty(level + 2);
          FReader.ReadListEnd();
          Indent(level + 1);
          FText += "end";
        }
        FReader.ReadListEnd();
        FText += ">";
        break;
      }
      default: throw EReadError("Invalid stream format");
    }
  }

  void ConvertBinary(int level) {
    FReader.ReadValue();
    std::int32_t count;
    FReader.Read(&count, 4);
    if (count < 0) throw EReadError("Invalid stream format");
    static const char hex[] = "0123456789ABCDEF";
    FText += "{";
    std::uint8_t chunk[kBytesPerHexLine];
    for (std::int64_t left = count; left > 0;) {
      std::int64_t n = left < static_cast<std::int64_t>(kBytesPerHexLine) ? left : kBytesPerHexLine;
      FReader.Read(chunk, n);
      NewLine(level + 1);
      for (std::int64_t i = 0; i < n; ++i) {
        FText += hex[chunk[i] >> 4];
        FText += hex[chunk[i] & 15];
      }
      left -= n;
    }
    FText += "}";
  }

  // Printable runs in quotes, control characters as #nn, cut into pieces
  // joined by " +" at the end of each line.
  void StringLiteral(const std::string& s, int level) {
    if (s.empty()) {
      FText += "''";
      return;
    }
    if (s.size() > kLineLength) NewLine(level + 1);
    std::size_t i = 0, lineStart = 0, n = s.size();
    while (i < n) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      if (c >= ' ') {
        FText += '\'';
        while (i < n && static_cast<unsigned char>(s[i]) >= ' ' && i - lineStart < kLineLength) {
          if (s[i] == '\'') FText += '\'';
          FText += s[i++];
          // A UTF-8 sequence stays on one line.
          while (i < n && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) FText += s[i++];
        }
        FText += '\'';
      } else {
        FText += "#" + std::to_string(c);
        ++i;
      }
      if (i < n && i - lineStart >= kLineLength) {
        FText += " +";
        NewLine(level + 1);
        lineStart = i;
      }
    }
  }

  // The shortest decimal that reads back to the same double, always with a
  // point or exponent so that it reads as a real.
  // Infinity and NaN have no text that reads back as a number: refused.
  static std::string FloatText(double value) {
    if (!std::isfinite(value)) throw EWriteError("Invalid floating point value");
    char buffer[64];
    for (int precision = 1; precision <= 17; ++precision) {
      std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
      if (std::strtod(buffer, nullptr) == value) break;
    }
    std::string text = buffer;
    if (text.find_first_of(".EN") == std::string::npos) {
      std::size_t e = text.find('E');
      text.insert(e == std::string::npos ? text.size() : e, ".0");
    }
    return text;
  }

  TReader FReader;
  std::string FText;
  int FDepth = 0;
};

}  // namespace

void ObjectBinaryToText(TStream* input, TStream* output) {
  std::string text = BinaryToText(input).Convert();
  output->WriteBuffer(text.data(), static_cast<int>(text.size()));
}

void ObjectResourceToText(TStream* input, TStream* output) {
  ReadResHeader(input);
  ObjectBinaryToText(input, output);
}
