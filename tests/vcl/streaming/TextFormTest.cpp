// Text form conversion, component references and event binding by name.
#include <gtest/gtest.h>

#include <string>

#include "SampleComponents.h"

using namespace sample;

namespace {

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

// Text with LF line ends written as the converter writes them (CR LF).
std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TComponent* ReadText(const std::string& text, TComponent* root) {
  TMemoryStream binary;
  {
    TStringStream in(text);
    ObjectTextToBinary(&in, &binary);
  }
  binary.SetPosition(0);
  return ReadComponent(&binary, root);
}

std::string WriteText(TComponent* root) {
  TMemoryStream binary;
  WriteComponent(&binary, root);
  binary.SetPosition(0);
  TStringStream out;
  ObjectBinaryToText(&binary, &out);
  return out.GetDataString();
}

class TextForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    Log().clear();
  }
};

// A form with every kind of value the text form has.
std::string RichForm() {
  return Crlf(
      "object Root: TSampleRoot\n"
      "  Small = -11\n"
      "  Medium = 40000\n"
      "  Huge = 8589934592\n"
      "  Ratio = 1.5\n"
      "  Tiny = 1E-10\n"
      "  Single = 2.5s\n"
      "  Money = 12.34c\n"
      "  When = 45000.5d\n"
      "  Caption = 'It''s'#13#10'two lines'\n"
      "  Empty = ''\n"
      "  Accents = 'caf\xC3\xA9'\n"
      "  Flag = True\n"
      "  Off = False\n"
      "  Nothing = nil\n"
      "  Align = alClient\n"
      "  Target = Form1.Button1\n"
      "  Styles = [fsBold, fsItalic]\n"
      "  NoStyles = []\n"
      "  Lines.Strings = (\n"
      "    'one'\n"
      "    'two')\n"
      "  Mixed = (\n"
      "    1\n"
      "    'a'\n"
      "    (\n"
      "      2))\n"
      "  None = ()\n"
      "  Data = {\n"
      "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
      "    FF}\n"
      "  NoData = {}\n"
      "  List = <\n"
      "    item\n"
      "      Name = 'Kick'\n"
      "      Wave.WAVE = {\n"
      "        0A0B}\n"
      "    end\n"
      "    item [3]\n"
      "    end>\n"
      "  NoItems = <>\n"
      "  object Child: TSample\n"
      "  end\n"
      "  inherited Base: TSample\n"
      "  end\n"
      "  inline Frame: TSample [2]\n"
      "    object TSample\n"
      "    end\n"
      "  end\n"
      "end\n");
}

TEST_F(TextForm, EveryValueKindRoundTripsThroughBinary) {
  const std::string text = RichForm();
  const std::string binary = TextToBinary(text);
  EXPECT_EQ(BinaryToText(binary), text);
  EXPECT_EQ(TextToBinary(BinaryToText(binary)), binary);
}

TEST_F(TextForm, EveryTruncationFailsCleanlyInBothDirections) {
  const std::string text = RichForm();
  const std::string binary = TextToBinary(text);
  // Cut before the final "end" onwards, the text misses its end.
  const std::size_t lastEnd = text.rfind("end");
  for (std::size_t length = 0; length <= lastEnd; ++length)
    EXPECT_THROW(TextToBinary(text.substr(0, length)), EParserError) << "cut at " << length;
  for (std::size_t length = 0; length < binary.size(); ++length)
    EXPECT_THROW(BinaryToText(binary.substr(0, length)), EReadError) << "cut at " << length;
}

TEST_F(TextForm, LongStringsContinueOnNextLinesAndReadBack) {
  std::string caption;
  for (int i = 0; i < 150; ++i) caption += static_cast<char>('a' + i % 26);
  caption += "\x01\xC3\xA9";
  TSample sample(nullptr);
  sample.SetName("S");
  sample.FCaption = caption;
  const std::string text = WriteText(&sample);
  EXPECT_NE(text.find("' +\r\n"), std::string::npos) << text;
  TSample copy(nullptr);
  ReadText(text, &copy);
  EXPECT_EQ(copy.FCaption, caption);
}

TEST_F(TextForm, LineFeedsAloneAndHexNumbersAreAccepted) {
  TSample sample(nullptr);
  ReadText("object S: TSample\n  Small = $7F\n  Caption = 'a' +\n    'b'\nend\n", &sample);
  EXPECT_EQ(sample.FSmall, 127);
  EXPECT_EQ(sample.FCaption, "ab");
}

TEST_F(TextForm, SyntaxErrorsNameTheLine) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"object S: TSample\n  Small 5\nend\n", "'=' expected on line 2"},
      {"object S: TSample\n  Caption = 'open\nend\n", "Unterminated string on line 2"},
      {"object S: TSample\n  Data = {0A0}\nend\n", "Invalid binary value on line 2"},
      {"thing S: TSample\nend\n", "'object' expected on line 1"},
      {"object S: TSample\n  Small = 1\n", "Identifier expected on line 3"},
  };
  for (const Case& c : cases) {
    try {
      TextToBinary(c.text);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const EParserError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

const char* const kForm =
    "object Root: TSampleRoot\n"
    "  Title = 'Main'\n"
    "  object First: TSample\n"
    "    Items = <>\n"
    "    Buddy = Second\n"
    "    OnPing = PingHandler\n"
    "  end\n"
    "  object Second: TSample\n"
    "    Caption = 'later'\n"
    "    Items = <>\n"
    "    Buddy = First\n"
    "  end\n"
    "end\n";

TEST_F(TextForm, ReferenceToALaterSiblingResolvesAndEventsBindByName) {
  TSampleRoot root(nullptr);
  ReadText(kForm, &root);
  auto* first = dynamic_cast<TSample*>(root.FindComponent("first"));
  auto* second = dynamic_cast<TSample*>(root.FindComponent("SECOND"));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->GetBuddy(), second);
  EXPECT_EQ(first->FOnPing.MethodName(), "PingHandler");
  first->FOnPing(first);
  EXPECT_EQ(root.FCalls, std::vector<std::string>{"Ping from First"});
  EXPECT_FALSE(second->FOnPing);
  EXPECT_EQ(second->GetBuddy(), first);
  // Written back, the references and the handler's name come out again.
  EXPECT_EQ(WriteText(&root), Crlf(kForm));
  // Written as a root of its own, it leaves out the other root's handler.
  EXPECT_EQ(WriteText(first).find("OnPing"), std::string::npos);
}

TEST_F(TextForm, LoadedRunsAfterAllReferencesInCreationOrder) {
  TSampleRoot root(nullptr);
  ReadText(kForm, &root);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Loaded:Root", "Loaded:First", "Loaded:Second"}));
  auto* first = static_cast<TSample*>(root.FindComponent("First"));
  EXPECT_TRUE(first->FCreatedLoading);
  for (TComponent* c : {static_cast<TComponent*>(&root), root.GetComponents(0), root.GetComponents(1)}) {
    EXPECT_FALSE(c->GetComponentState().Contains(csLoading)) << c->GetName();
    EXPECT_FALSE(c->GetComponentState().Contains(csFixups)) << c->GetName();
  }
}

TEST_F(TextForm, DeletingAReferencedComponentClearsTheReference) {
  TSampleRoot root(nullptr);
  ReadText(kForm, &root);
  auto* first = static_cast<TSample*>(root.FindComponent("First"));
  delete root.FindComponent("Second");
  EXPECT_EQ(first->GetBuddy(), nullptr);
}

TEST_F(TextForm, HandlersAndReferencesThatDoNotExistOrDoNotFitAreRejected) {
  // A handler of another shape, or a reference to a component of another class.
  for (const char* property : {"OnPing = NoSuchHandler", "OnPing = WrongShape", "Buddy = Root"}) {
    TSampleRoot root(nullptr);
    std::string text = std::string("object Root: TSampleRoot\n  object A: TSample\n    ") + property + "\n  end\nend\n";
    EXPECT_THROW(ReadText(text, &root), EReadError) << property;
    EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
  }
}

TEST_F(TextForm, ChildThatFailsToReadIsDroppedAndTheRootKeepsWhatCameBefore) {
  TSampleRoot root(nullptr);
  const char* text =
      "object Root: TSampleRoot\n"
      "  Title = 'kept'\n"
      "  object A: TSample\n"
      "    Buddy = B\n"
      "  end\n"
      "  object B: TSample\n"
      "    Small = 1\n"
      "    Bogus = 2\n"
      "  end\n"
      "end\n";
  EXPECT_THROW(ReadText(text, &root), EReadError);
  EXPECT_EQ(root.FTitle, "kept");
  ASSERT_EQ(root.GetComponentCount(), 1);
  EXPECT_EQ(root.GetComponents(0)->GetName(), "A");
  EXPECT_EQ(static_cast<TSample*>(root.GetComponents(0))->GetBuddy(), nullptr);
  EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
  EXPECT_FALSE(root.GetComponents(0)->GetComponentState().Contains(csLoading));
  EXPECT_TRUE(Log().empty());  // nothing half-read is told it was loaded
}

TEST_F(TextForm, ReadingWithoutARootCreatesTheStreamedClass) {
  std::unique_ptr<TComponent> root(ReadText(kForm, nullptr));
  ASSERT_NE(dynamic_cast<TSampleRoot*>(root.get()), nullptr);
  EXPECT_EQ(static_cast<TSampleRoot*>(root.get())->FTitle, "Main");
  EXPECT_EQ(root->GetComponentCount(), 2);
}

TEST_F(TextForm, ReferenceToAnotherRootWaitsUntilThatRootIsFound) {
  TSampleRoot other(nullptr);
  TSample* target = new TSample(&other);
  target->SetName("Target");
  TSampleRoot root(nullptr);
  ReadText("object Root: TSampleRoot\n  object A: TSample\n    Buddy = Other.Target\n  end\nend\n", &root);
  auto* a = static_cast<TSample*>(root.FindComponent("A"));
  EXPECT_EQ(a->GetBuddy(), nullptr);
  other.SetName("Other");
  int id = RegisterFindGlobalComponent(
      [&](const std::string& name) -> TComponent* { return name == "Other" ? &other : nullptr; });
  GlobalFixupReferences();
  UnRegisterFindGlobalComponent(id);
  EXPECT_EQ(a->GetBuddy(), target);
}

}  // namespace
