// What the per-class tables let a class say about its properties: integers
// written by name, stored predicates, defaults changed by a descendant.
#include <gtest/gtest.h>

#include <string>

#include "SampleComponents.h"

using namespace sample;

namespace {

class TTinted : public TComponent {
  DRUMS_CLASS(TTinted, TComponent)

 public:
  using TComponent::TComponent;
  std::int32_t FColor = static_cast<std::int32_t>(0x8000000F);
  int FSecret = 5;
  int FShown = 0;
  int FWidth = 10;
  bool FShowIt = false;

  int GetCount() const { return 42; }

 private:
  bool IsShownStored() const { return FShowIt; }

  static void Publish(TPublisher<TTinted>& p) {
    // The default as an unsigned literal still matches the int32 it becomes.
    p.Prop("Color", &TTinted::FColor).Idents("TTestColor").Default(0x8000000Fu);
    p.Prop("Secret", &TTinted::FSecret).Stored(false);
    p.Prop("Shown", &TTinted::FShown).Stored(&TTinted::IsShownStored);
    p.Prop("Width", &TTinted::FWidth).Default(10);
    p.Prop("Count", &TTinted::GetCount);  // read-only: never streamed
  }
};

// The same properties with a wider default width.
class TWideTinted : public TTinted {
  DRUMS_CLASS(TWideTinted, TTinted)

 public:
  explicit TWideTinted(TComponent* AOwner) : TTinted(AOwner) { FWidth = 100; }

 private:
  static void Publish(TPublisher<TWideTinted>& p) { p.Default("Width", 100); }
};

class Publishing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterIntegerConsts(
        "TTestColor",
        [](const std::string& ident, std::int64_t& value) {
          if (ident == "clRed")
            value = 0xFF;
          else if (ident == "clBtnFace")
            value = static_cast<std::int32_t>(0x8000000F);
          else
            return false;
          return true;
        },
        [](std::int64_t value, std::string& ident) {
          if (value == 0xFF)
            ident = "clRed";
          else if (value == static_cast<std::int32_t>(0x8000000F))
            ident = "clBtnFace";
          else
            return false;
          return true;
        });
    RegisterClasses({TTinted::StaticClass(), TWideTinted::StaticClass()});
  }

  static std::string Text(TComponent& c) {
    TMemoryStream binary;
    WriteComponent(&binary, &c);
    binary.SetPosition(0);
    TStringStream text;
    ObjectBinaryToText(&binary, &text);
    return text.GetDataString();
  }

  static void Read(const std::string& text, TComponent& target) {
    TStringStream in(text);
    TMemoryStream binary;
    ObjectTextToBinary(&in, &binary);
    binary.SetPosition(0);
    ReadComponent(&binary, &target);
  }
};

TEST_F(Publishing, IntegersWithAnIdentMapStreamByNameWhenTheMapKnowsThem) {
  struct Case {
    std::int32_t color;
    const char* text;
  } cases[] = {
      {0xFF, "  Color = clRed\r\n"},
      {0x123456, "  Color = 1193046\r\n"},
      {static_cast<std::int32_t>(0x8000000F), ""},  // the default
  };
  for (const Case& c : cases) {
    TTinted t(nullptr);
    t.FColor = c.color;
    EXPECT_EQ(Text(t), std::string("object TTinted\r\n") + c.text + "end\r\n");
    TTinted back(nullptr);
    Read(Text(t), back);
    EXPECT_EQ(back.FColor, c.color);
  }
  TTinted t(nullptr);
  t.FColor = 0;
  Read("object TTinted\n  Color = clBtnFace\nend\n", t);
  EXPECT_EQ(t.FColor, static_cast<std::int32_t>(0x8000000F));
  EXPECT_THROW(Read("object TTinted\n  Color = clNope\nend\n", t), EReadError);
}

TEST_F(Publishing, StoredDecidesWhetherAValueIsWritten) {
  TTinted t(nullptr);
  t.FSecret = 9;
  t.FShown = 3;
  EXPECT_EQ(Text(t), "object TTinted\r\nend\r\n");
  t.FShowIt = true;
  EXPECT_EQ(Text(t), "object TTinted\r\n  Shown = 3\r\nend\r\n");
  // Not stored is still read.
  Read("object TTinted\n  Secret = 1\nend\n", t);
  EXPECT_EQ(t.FSecret, 1);
}

TEST_F(Publishing, ADescendantChangesAnInheritedDefault) {
  TWideTinted wide(nullptr);
  EXPECT_EQ(Text(wide), "object TWideTinted\r\nend\r\n");
  wide.FWidth = 10;
  EXPECT_EQ(Text(wide), "object TWideTinted\r\n  Width = 10\r\nend\r\n");
  TTinted narrow(nullptr);
  EXPECT_EQ(Text(narrow), "object TTinted\r\nend\r\n");
}

TEST_F(Publishing, ReadOnlyPropertiesAreNotStreamed) {
  TTinted t(nullptr);
  EXPECT_EQ(Text(t).find("Count"), std::string::npos);
  try {
    Read("object TTinted\n  Count = 3\nend\n", t);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Property is read-only");
  }
}

}  // namespace
