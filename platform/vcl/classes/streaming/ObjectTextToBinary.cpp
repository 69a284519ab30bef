#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/CurrencyText.h"
#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/classes/streams/Streams.h"

using vcl::detail::SameName;

namespace {

enum class Token { End, Symbol, String, Integer, Float, Char };

// Splits text form source into tokens. A string token joins its quoted
// pieces and #nn characters, across " +" line continuations.
class Lexer {
 public:
  explicit Lexer(std::string text) : FText(std::move(text)) { Next(); }

  Token Kind() const { return FKind; }
  const std::string& Text() const { return FToken; }
  // Integers, and currency values in ten-thousandths.
  std::int64_t IntValue() const { return FInt; }
  double FloatValue() const { return FFloat; }
  char FloatSuffix() const { return FSuffix; }
  bool Is(char c) const { return FKind == Token::Char && FToken[0] == c; }
  bool IsSymbol(const char* word) const { return FKind == Token::Symbol && SameName(FToken, word); }

  [[noreturn]] void Error(const std::string& what) const { throw EParserError("%s on line %d", {what, FLine}); }
  void Expect(char c) {
    if (!Is(c)) Error(std::string("'") + c + "' expected");
    Next();
  }
  std::string ExpectSymbol() {
    if (FKind != Token::Symbol) Error("Identifier expected");
    std::string s = FToken;
    Next();
    return s;
  }
  void ExpectWord(const char* word) {
    if (!IsSymbol(word)) Error(std::string("'") + word + "' expected");
    Next();
  }

  void Next() {
    SkipBlanks();
    FToken.clear();
    FSuffix = 0;
    if (FPos >= FText.size()) {
      FKind = Token::End;
      return;
    }
    char c = FText[FPos];
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '_'))
        FToken += FText[FPos++];
      FKind = Token::Symbol;
    } else if (c == '\'' || c == '#') {
      ReadString();
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
               ((c == '-' || c == '+') && FPos + 1 < FText.size() &&
                (std::isdigit(static_cast<unsigned char>(FText[FPos + 1])) || FText[FPos + 1] == '$'))) {
      ReadNumber();
    } else {
      FToken = c;
      ++FPos;
      FKind = Token::Char;
    }
  }

  // Hex digits up to the closing brace, blanks and line breaks ignored.
  std::string ReadHexBinary() {
    std::string bytes;
    int nibbles = 0, value = 0;
    for (;;) {
      if (FPos >= FText.size()) Error("'}' expected");
      char c = FText[FPos++];
      if (c == '}') break;
      if (c == '\n') ++FLine;
      if (std::isspace(static_cast<unsigned char>(c))) continue;
      if (!std::isxdigit(static_cast<unsigned char>(c))) Error("Invalid binary value");
      value = value * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (std::toupper(c) - 'A' + 10));
      if (++nibbles == 2) {
        bytes += static_cast<char>(value);
        nibbles = value = 0;
      }
    }
    if (nibbles != 0) Error("Invalid binary value");
    Next();
    return bytes;
  }

 private:
  void SkipBlanks() {
    while (FPos < FText.size()) {
      char c = FText[FPos];
      if (c == '\n') ++FLine;
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
      ++FPos;
    }
  }

  void ReadString() {
    FKind = Token::String;
    for (;;) {
      if (FPos < FText.size() && FText[FPos] == '\'') {
        ++FPos;
        for (;;) {
          if (FPos >= FText.size() || FText[FPos] == '\r' || FText[FPos] == '\n') Error("Unterminated string");
          char c = FText[FPos++];
          if (c == '\'') {
            if (FPos < FText.size() && FText[FPos] == '\'') {
              FToken += '\'';
              ++FPos;
              continue;
            }
            break;
          }
          FToken += c;
        }
      } else if (FPos < FText.size() && FText[FPos] == '#') {
        ++FPos;
        std::size_t start = FPos;
        unsigned value = 0;
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])) && value <= 0x10FFFF)
          value = value * 10 + static_cast<unsigned>(FText[FPos++] - '0');
        if (FPos == start || value > 0x10FFFF) Error("Invalid character value");
        // Values of a byte are that byte; wider ones are characters.
        if (value < 256)
          FToken += static_cast<char>(value);
        else
          AppendCodePoint(value);
      } else {
        // A '+' joins the next piece, also on the next line.
        std::size_t save = FPos;
        int saveLine = FLine;
        SkipBlanks();
        if (FPos < FText.size() && FText[FPos] == '+') {
          ++FPos;
          SkipBlanks();
          if (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) continue;
        }
        FPos = save;
        FLine = saveLine;
        return;
      }
    }
  }

  void AppendCodePoint(unsigned cp) {
    if (cp < 0x800) {
      FToken += static_cast<char>(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
      FToken += static_cast<char>(0xE0 | (cp >> 12));
      FToken += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    } else {
      FToken += static_cast<char>(0xF0 | (cp >> 18));
      FToken += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      FToken += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    FToken += static_cast<char>(0x80 | (cp & 0x3F));
  }

  void ReadNumber() {
    std::size_t start = FPos;
    if (FText[FPos] == '-' || FText[FPos] == '+') ++FPos;
    if (FText[FPos] == '$') {
      ++FPos;
      std::size_t digits = FPos;
      while (FPos < FText.size() && std::isxdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
      if (FPos == digits || FPos - digits > 16) Error("Invalid integer value");
      // Up to 16 digits are the value's bits ($FFFFFFFFFFFFFFFF is -1); a
      // negated one must be a magnitude that fits.
      std::uint64_t v = std::strtoull(FText.substr(digits, FPos - digits).c_str(), nullptr, 16);
      if (FText[start] == '-') {
        if (v > (std::uint64_t{1} << 63)) Error("Invalid integer value");
        v = ~v + 1;
      }
      FInt = static_cast<std::int64_t>(v);
      FKind = Token::Integer;
      FToken = FText.substr(start, FPos - start);
      return;
    }
    bool isFloat = false;
    auto digits = [&] {
      while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    };
    digits();
    if (FPos < FText.size() && FText[FPos] == '.' && FPos + 1 < FText.size() &&
        std::isdigit(static_cast<unsigned char>(FText[FPos + 1]))) {
      isFloat = true;
      ++FPos;
      digits();
    }
    if (FPos < FText.size() && (FText[FPos] == 'E' || FText[FPos] == 'e')) {
      std::size_t save = FPos++;
      if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-')) ++FPos;
      if (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
        isFloat = true;
        digits();
      } else {
        FPos = save;
      }
    }
    FToken = FText.substr(start, FPos - start);
    if (FPos < FText.size() && (FText[FPos] == 's' || FText[FPos] == 'c' || FText[FPos] == 'd') &&
        !(FPos + 1 < FText.size() && std::isalnum(static_cast<unsigned char>(FText[FPos + 1])))) {
      isFloat = true;
      FSuffix = FText[FPos++];
    }
    errno = 0;
    if (FSuffix == 'c') {
      // Currency is exact: read as a decimal, never through a double.
      std::optional<std::int64_t> value = vcl::streaming::ParseCurrencyText(FToken);
      if (!value) Error("Invalid currency value");
      FInt = *value;
      FKind = Token::Float;
    } else if (isFloat) {
      FFloat = std::strtod(FToken.c_str(), nullptr);
      // Too large for its type: it would be written as infinity.
      if (!std::isfinite(FFloat) || (FSuffix == 's' && std::fabs(FFloat) > std::numeric_limits<float>::max()))
        Error("Invalid floating point value");
      FKind = Token::Float;
    } else {
      FInt = std::strtoll(FToken.c_str(), nullptr, 10);
      if (errno == ERANGE) Error("Invalid integer value");
      FKind = Token::Integer;
    }
  }

  std::string FText;
  std::size_t FPos = 0;
  int FLine = 1;
  Token FKind = Token::End;
  std::string FToken;
  std::int64_t FInt = 0;
  double FFloat = 0;
  char FSuffix = 0;
};

class TextToBinary {
 public:
  TextToBinary(std::string text, TStream* output) : FLex(std::move(text)), FWriter(output) {}

  void Convert() {
    FWriter.WriteSignature();
    ParseObject();
    if (FLex.Kind() != Token::End) FLex.Error("End of file expected");
  }

 private:
  bool AtObject() const { return FLex.IsSymbol("object") || FLex.IsSymbol("inherited") || FLex.IsSymbol("inline"); }

  // Counts one level of objects, lists and collections for as long as it lives.
  class Nesting {
   public:
    explicit Nesting(TextToBinary& owner) : FOwner(owner) {
      if (FOwner.FDepth >= MaxFormNesting) FOwner.FLex.Error("Nesting too deep");
      ++FOwner.FDepth;
    }
    ~Nesting() { --FOwner.FDepth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    TextToBinary& FOwner;
  };

  void ParseObject() {
    Nesting nesting(*this);
    TFilerFlags flags;
    if (FLex.IsSymbol("inherited"))
      flags.Include(ffInherited);
    else if (FLex.IsSymbol("inline"))
      flags.Include(ffInline);
    else if (!FLex.IsSymbol("object"))
      FLex.Error("'object' expected");
    FLex.Next();
    std::string name, className = FLex.ExpectSymbol();
    if (FLex.Is(':')) {
      FLex.Next();
      name = className;
      className = FLex.ExpectSymbol();
    }
    std::int64_t position = 0;
    if (FLex.Is('[')) {
      FLex.Next();
      if (FLex.Kind() != Token::Integer) FLex.Error("Integer expected");
      position = FLex.IntValue();
      flags.Include(ffChildPos);
      FLex.Next();
      FLex.Expect(']');
    }
    if (!flags.Empty()) {
      std::uint8_t prefix = static_cast<std::uint8_t>(0xF0 | flags.Bits());
      FWriter.Write(&prefix, 1);
      if (flags.Contains(ffChildPos)) FWriter.WriteInteger(position);
    }
    FWriter.WriteClassName(className);
    FWriter.WriteStr(name);
    while (!FLex.IsSymbol("end") && !AtObject()) ParseProperty();
    FWriter.WriteListEnd();
    while (AtObject()) ParseObject();
    FWriter.WriteListEnd();
    FLex.ExpectWord("end");
  }

  void ParseProperty() {
    std::string name = FLex.ExpectSymbol();
    while (FLex.Is('.')) {
      FLex.Next();
      name += "." + FLex.ExpectSymbol();
    }
    FWriter.WriteStr(name);
    FLex.Expect('=');
    ParseValue();
  }

  void ParseValue() {
    switch (FLex.Kind()) {
      case Token::Integer:
        FWriter.WriteInteger(FLex.IntValue());
        FLex.Next();
        return;
      case Token::Float:
        switch (FLex.FloatSuffix()) {
          case 's': FWriter.WriteSingle(static_cast<float>(FLex.FloatValue())); break;
          case 'c': FWriter.WriteScaledCurrency(FLex.IntValue()); break;
          case 'd': FWriter.WriteDate(FLex.FloatValue()); break;
          default: FWriter.WriteFloat(FLex.FloatValue()); break;
        }
        FLex.Next();
        return;
      case Token::String:
        FWriter.WriteString(FLex.Text());
        FLex.Next();
        return;
      case Token::Symbol: {
        std::string ident = FLex.ExpectSymbol();
        while (FLex.Is('.')) {
          FLex.Next();
          ident += "." + FLex.ExpectSymbol();
        }
        FWriter.WriteIdent(ident);
        return;
      }
      case Token::End: FLex.Error("Value expected");
      case Token::Char: break;
    }
    if (FLex.Is('[')) {
      FLex.Next();
      FWriter.WriteValue(vaSet);
      if (!FLex.Is(']')) {
        for (;;) {
          FWriter.WriteStr(FLex.ExpectSymbol());
          if (FLex.Is(']')) break;
          FLex.Expect(',');
        }
      }
      FLex.Next();
      FWriter.WriteStr("");
    } else if (FLex.Is('(')) {
      Nesting nesting(*this);
      FLex.Next();
      FWriter.WriteListBegin();
      while (!FLex.Is(')')) {
        // Null is the list's end mark: inside a list it would end the list.
        if (FLex.IsSymbol("Null")) FLex.Error("Null cannot stand in a list");
        ParseValue();
      }
      FLex.Next();
      FWriter.WriteListEnd();
    } else if (FLex.Is('{')) {
      std::string bytes = FLex.ReadHexBinary();
      FWriter.WriteValue(vaBinary);
      std::int32_t size = static_cast<std::int32_t>(bytes.size());
      FWriter.Write(&size, 4);
      FWriter.Write(bytes.data(), size);
    } else if (FLex.Is('<')) {
      Nesting nesting(*this);
      FLex.Next();
      FWriter.WriteValue(vaCollection);
      while (!FLex.Is('>')) {
        FLex.ExpectWord("item");
        if (FLex.Is('[')) {
          FLex.Next();
          if (FLex.Kind() != Token::Integer) FLex.Error("Integer expected");
          FWriter.WriteInteger(FLex.IntValue());
          FLex.Next();
          FLex.Expect(']');
        }
        FWriter.WriteListBegin();
        while (!FLex.IsSymbol("end")) ParseProperty();
        FLex.Next();
        FWriter.WriteListEnd();
      }
      FLex.Next();
      FWriter.WriteListEnd();
    } else {
      FLex.Error("Invalid property value");
    }
  }

  Lexer FLex;
  TWriter FWriter;
  int FDepth = 0;
};

std::string ReadRest(TStream* input) {
  std::int64_t size = input->GetSize() - input->GetPosition();
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (!text.empty()) input->ReadBuffer(text.data(), static_cast<int>(text.size()));
  return text;
}

}  // namespace

void ObjectTextToBinary(TStream* input, TStream* output) {
  TextToBinary(ReadRest(input), output).Convert();
}

std::string ObjectRootClassName(TStream* input) {
  TReader reader(input);
  reader.ReadSignature();
  TFilerFlags flags;
  int position;
  reader.ReadPrefix(flags, position);
  return reader.ReadStr();
}

void ObjectTextToResource(TStream* input, TStream* output) {
  TMemoryStream binary;
  ObjectTextToBinary(input, &binary);
  // The resource is named by the root's class.
  binary.SetPosition(0);
  std::int64_t fixup = WriteResourceHeader(output, ObjectRootClassName(&binary));
  output->WriteBuffer(binary.GetMemory(), static_cast<int>(binary.GetSize()));
  FixupResourceHeader(output, fixup);
}
