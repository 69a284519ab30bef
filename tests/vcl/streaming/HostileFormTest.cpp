// Form streams and texts that a reader cannot hold: deep nesting, values that
// do not fit or have no text, names too long to store. Each ends in the
// reader's or writer's own error, or in an exact round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "SampleComponents.h"

using namespace sample;

namespace {

constexpr int kDeep = 50000;

std::string TextToBinary(const std::string& text) {
  TStringStream in(text);
  TMemoryStream out;
  ObjectTextToBinary(&in, &out);
  return StreamText(out);
}

std::string BinaryToText(const std::string& bytes) {
  TStringStream in(bytes);
  TStringStream out;
  ObjectBinaryToText(&in, &out);
  return out.GetDataString();
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  out.reserve(s.size() * static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string ShortStr(const std::string& s) {
  return std::string(1, static_cast<char>(s.size())) + s;
}

// A root object "R: TSampleRoot" with one property holding `value`.
std::string BinaryWithValue(const std::string& value) {
  return std::string("TPF0") + ShortStr("TSampleRoot") + ShortStr("R") + ShortStr("P") + value + '\0' + '\0';
}

template <class E>
std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.what();
  }
  return "(no error)";
}

class HostileForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    Log().clear();
  }
};

TEST_F(HostileForm, DeepTextNestingIsAParserError) {
  const std::string objects = Repeat("object A: TSample\r\n", kDeep) + Repeat("end\r\n", kDeep);
  const std::string lists = "object R: TSampleRoot\r\n  P = " + Repeat("(", kDeep) + Repeat(")", kDeep) + "\r\nend\r\n";
  const std::string collections =
      "object R: TSampleRoot\r\n  P = " + Repeat("<item P = ", kDeep) + Repeat(" end>", kDeep) + "\r\nend\r\n";
  for (const std::string* text : {&objects, &lists, &collections}) {
    EXPECT_NE(MessageOf<EParserError>([&] { TextToBinary(*text); }).find("Nesting too deep"), std::string::npos);
  }
}

TEST_F(HostileForm, DeepBinaryNestingIsAReadErrorWhenConverted) {
  const std::string lists = BinaryWithValue(Repeat("\x01", kDeep) + std::string(kDeep, '\0'));
  // Objects nest as children: class, name, no properties, then the next child.
  const std::string child = ShortStr("TSample") + ShortStr("A") + '\0';
  const std::string objects = "TPF0" + Repeat(child, kDeep) + std::string(2 * kDeep, '\0');
  for (const std::string* bytes : {&lists, &objects})
    EXPECT_EQ(MessageOf<EReadError>([&] { BinaryToText(*bytes); }), "Nesting too deep");
}

TEST_F(HostileForm, DeepComponentNestingIsAReadErrorAndLeavesNothing) {
  const std::string child = ShortStr("TSample") + ShortStr("") + '\0';
  const std::string bytes =
      "TPF0" + ShortStr("TSampleRoot") + ShortStr("Root") + '\0' + Repeat(child, kDeep) + std::string(2 * kDeep, '\0');
  TSampleRoot root(nullptr);
  EXPECT_EQ(MessageOf<EReadError>([&] {
              TStringStream in(bytes);
              ReadComponent(&in, &root);
            }),
            "Nesting too deep");
  EXPECT_EQ(root.GetComponentCount(), 0);
}

TEST_F(HostileForm, NestingBelowTheLimitRoundTrips) {
  const int depth = MaxFormNesting - 2;  // the root object and the list count too
  const std::string text =
      "object R: TSampleRoot\r\n  P = " + Repeat("(", depth) + "1" + Repeat(")", depth) + "\r\nend\r\n";
  const std::string binary = TextToBinary(text);
  EXPECT_EQ(TextToBinary(BinaryToText(binary)), binary);
}

// Indentation stops growing, so text grows with the stream and not with the
// square of its depth.
TEST_F(HostileForm, TextOfDeepListsGrowsLinearly) {
  const int depth = MaxFormNesting - 2;
  std::string props;
  for (int i = 0; i < 100; ++i)
    props += ShortStr("P" + std::to_string(i)) + Repeat("\x01", depth) + std::string(depth, '\0');
  const std::string binary = std::string("TPF0") + ShortStr("TSampleRoot") + ShortStr("R") + props + '\0' + '\0';
  const std::string text = BinaryToText(binary);
  EXPECT_LT(text.size(), 80 * binary.size());
  EXPECT_EQ(TextToBinary(text), binary);
}

std::string Property(const std::string& value) {
  return "object R: TSampleRoot\r\n  P = " + value + "\r\nend\r\n";
}

std::string ValueBytes(const std::string& binary) {
  // After "TPF0", the class, the name and the property name; before the two ends.
  const std::size_t start = 4 + 12 + 2 + 2;
  return binary.substr(start, binary.size() - start - 2);
}

TEST_F(HostileForm, IntegersParseExactlyOrAreRefused) {
  std::string min = ValueBytes(TextToBinary(Property("-$8000000000000000")));
  ASSERT_EQ(min.size(), 9u);
  EXPECT_EQ(min[0], '\x13');  // vaInt64
  std::int64_t value;
  std::memcpy(&value, min.data() + 1, 8);
  EXPECT_EQ(value, std::numeric_limits<std::int64_t>::min());
  EXPECT_NE(BinaryToText(TextToBinary(Property("-$8000000000000000"))).find("P = -9223372036854775808"),
            std::string::npos);
  EXPECT_EQ(ValueBytes(TextToBinary(Property("$FFFFFFFFFFFFFFFF"))), std::string("\x02\xff", 2));  // the bits: -1
  for (const char* bad : {"-$8000000000000001", "-$FFFFFFFFFFFFFFFF", "9223372036854775808", "-9223372036854775809",
                          "$10000000000000000"})
    EXPECT_THROW(TextToBinary(Property(bad)), EParserError) << bad;
}

TEST_F(HostileForm, CurrencyTextIsExact) {
  struct Case {
    const char* text;
    std::int64_t stored;
    const char* back;
  } cases[] = {
      {"922337203685477.5807c", std::numeric_limits<std::int64_t>::max(), "922337203685477.5807c"},
      {"-922337203685477.5808c", std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808c"},
      {"123456789012.3456c", 1234567890123456, "123456789012.3456c"},
      {"0.12345c", 1235, "0.1235c"},
      {"-0.00005c", -1, "-0.0001c"},
      {"1.5E3c", 15000000, "1500.0c"},
      {"2c", 20000, "2.0c"},
  };
  for (const Case& c : cases) {
    const std::string binary = TextToBinary(Property(c.text));
    const std::string value = ValueBytes(binary);
    ASSERT_EQ(value.size(), 9u) << c.text;
    EXPECT_EQ(value[0], '\x10') << c.text;  // vaCurrency
    std::int64_t stored;
    std::memcpy(&stored, value.data() + 1, 8);
    EXPECT_EQ(stored, c.stored) << c.text;
    const std::string text = BinaryToText(binary);
    EXPECT_NE(text.find(std::string("P = ") + c.back + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(TextToBinary(text), binary) << c.text;
  }
  for (const char* bad : {"1e300c", "922337203685477.58075c", "-922337203685477.58085c"})
    EXPECT_THROW(TextToBinary(Property(bad)), EParserError) << bad;
}

TEST_F(HostileForm, CurrencyBeyondInt64IsAWriteError) {
  for (double value : {1e300, -1e300, 922337203685477.5808 * 2, std::nan("")}) {
    TMemoryStream stream;
    TWriter writer(&stream);
    EXPECT_THROW(writer.WriteCurrency(value), EWriteError) << value;
  }
}

TEST_F(HostileForm, ValuesWithoutATextAreRefused) {
  EXPECT_THROW(TextToBinary(Property("1e999")), EParserError);
  EXPECT_THROW(TextToBinary(Property("-1e999")), EParserError);
  EXPECT_THROW(TextToBinary(Property("1e39s")), EParserError);
  EXPECT_NO_THROW(TextToBinary(Property("1e-999")));  // underflow is a plain zero
  // Infinity and NaN in a binary form cannot be written as text.
  for (const char* raw : {"\x05\x00\x00\x00\x00\x00\x00\x00\x80\xff\x7f",  // extended +infinity
                          "\x0f\x00\x00\xc0\x7f"}) {  // single NaN
    const std::size_t length = raw[0] == '\x05' ? 11 : 5;
    EXPECT_THROW(BinaryToText(BinaryWithValue(std::string(raw, length))), EWriteError);
  }
}

TEST_F(HostileForm, NullInsideAListIsRefused) {
  EXPECT_THROW(TextToBinary(Property("(1 Null 2)")), EParserError);
  EXPECT_THROW(TextToBinary(Property("(null)")), EParserError);
  // As a property's own value it is a value like another.
  const std::string binary = TextToBinary(Property("Null"));
  EXPECT_EQ(TextToBinary(BinaryToText(binary)), binary);
}

TEST_F(HostileForm, NamesLongerThan255AreRefusedNotCut) {
  const std::string longName(256, 'n');
  EXPECT_THROW(TextToBinary(Property(longName)), EWriteError);
  EXPECT_THROW(TextToBinary("object R: TSampleRoot\r\n  " + longName + " = 1\r\nend\r\n"), EWriteError);
  EXPECT_THROW(TextToBinary("object R: " + longName + "\r\nend\r\n"), EWriteError);
  EXPECT_NO_THROW(TextToBinary(Property(std::string(255, 'n'))));
  // A class name's length byte of $F0 or more would read as a flags byte.
  EXPECT_THROW(TextToBinary("object " + std::string(240, 'T') + "\r\nend\r\n"), EWriteError);
  EXPECT_EQ(BinaryToText(TextToBinary("object " + std::string(239, 'T') + "\r\nend\r\n")),
            "object " + std::string(239, 'T') + "\r\nend\r\n");
  const std::string flagged = "TPF0\xF1" + ShortStr(std::string(240, 'T')) + ShortStr("A") + '\0' + '\0';
  EXPECT_THROW(BinaryToText(flagged), EWriteError);
  TSampleRoot root(nullptr);
  root.FTitle = std::string(300, 't');  // a long string value is fine
  TMemoryStream stream;
  EXPECT_NO_THROW(WriteComponent(&stream, &root));
}

TEST_F(HostileForm, NamesThatWouldReadBackAsSomethingElseAreNotWrittenAsText) {
  EXPECT_THROW(BinaryToText(BinaryWithValue("\x07" + ShortStr("two words"))), EWriteError);
  EXPECT_THROW(BinaryToText(BinaryWithValue("\x07" + ShortStr(""))), EWriteError);
  const std::string endProperty = std::string("TPF0") + ShortStr("TSampleRoot") + ShortStr("R") + ShortStr("end") +
                                  std::string("\x02\x01", 2) + '\0' + '\0';
  EXPECT_THROW(BinaryToText(endProperty), EWriteError);
  const std::string dotted = BinaryWithValue("\x07" + ShortStr("Form.Button1"));
  EXPECT_EQ(TextToBinary(BinaryToText(dotted)), dotted);
}

}  // namespace
