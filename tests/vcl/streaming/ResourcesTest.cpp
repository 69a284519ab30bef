// Components in component resources, embedded form resources compiled by
// formc at build time, and the resource stream under them.
#include <gtest/gtest.h>

#include <string>

#include "SampleComponents.h"
#include "platform/win/winres.h"
#include "support/ByteStrings.h"

void RegisterResources_streaming_forms();

using namespace sample;

namespace {

using testsupport::ByteString;

// A root whose properties and children come from its embedded form, as a
// form's do; its class name names the resource (TSTREAMTESTROOT).
class TStreamTestRoot : public TComponent {
  DRUMS_CLASS(TStreamTestRoot, TComponent)

 public:
  explicit TStreamTestRoot(TComponent* AOwner) : TComponent(AOwner) { FFromResource = ReadRootFromResource(this); }

  std::string FTitle;
  std::vector<std::string> FCalls;
  bool FFromResource = false;

 private:
  void PadPing(TObject* Sender) { FCalls.push_back("PadPing from " + static_cast<TComponent*>(Sender)->GetName()); }

  static void Publish(TPublisher<TStreamTestRoot>& p) {
    p.Prop("Title", &TStreamTestRoot::FTitle);
    p.Method("PadPing", &TStreamTestRoot::PadPing);
  }
};

class Resources : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    RegisterResources_streaming_forms();
  }
};

TEST_F(Resources, EmbeddedFormBuildsTheRootAndBindsItsChildsEvent) {
  TStreamTestRoot root(nullptr);
  ASSERT_TRUE(root.FFromResource);
  EXPECT_EQ(root.GetName(), "StreamTestRoot");
  EXPECT_EQ(root.FTitle, "Embedded");
  auto* pad = dynamic_cast<TSample*>(root.FindComponent("Pad"));
  auto* spare = dynamic_cast<TSample*>(root.FindComponent("Spare"));
  ASSERT_NE(pad, nullptr);
  ASSERT_NE(spare, nullptr);
  EXPECT_EQ(pad->FCaption, "Pad one");
  EXPECT_EQ(pad->FStyles, TSampleStyles{ssItalic});
  EXPECT_EQ(pad->GetBuddy(), spare);
  EXPECT_EQ(spare->FSmall, 7);
  pad->FOnPing(pad);
  EXPECT_EQ(root.FCalls, std::vector<std::string>{"PadPing from Pad"});
}

TEST_F(Resources, RootWithoutAResourceReadsNothing) {
  TSampleRoot root(nullptr);
  EXPECT_FALSE(ReadRootFromResource(&root));
  EXPECT_EQ(root.GetComponentCount(), 0);
}

TEST_F(Resources, ResourceStreamReadsTheBytesAndRefusesToWrite) {
  TResourceStream stream(nullptr, "TStreamTestRoot", RT_RCDATA);
  char signature[4];
  stream.ReadBuffer(signature, 4);
  EXPECT_EQ(std::string(signature, 4), "TPF0");
  EXPECT_THROW(stream.Write("x", 1), EStreamError);
  try {
    TResourceStream missing(nullptr, "TNOPE", RT_RCDATA);
    FAIL() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource TNOPE not found");
  }
}

TEST_F(Resources, ComponentResourceHeaderNamesTheResourceInCapitalsAndItsSize) {
  TSample sample(nullptr);
  sample.SetName("S");
  TMemoryStream stream;
  WriteComponentRes(&stream, "DrumKitWaveCollection", &sample);
  const std::string bytes = StreamText(stream);
  const std::string body = "TPF0" + ByteString({7}) + "TSample" + ByteString({1}) + "S" + ByteString({5}) + "Items" +
                           ByteString({14, 0, 0, 0});
  const std::string header = ByteString({0xFF, 0x0A, 0x00}) + "DRUMKITWAVECOLLECTION" + ByteString({0, 0x30, 0x10}) +
                             ByteString({static_cast<int>(body.size()), 0, 0, 0});
  EXPECT_EQ(bytes, header + body);
  EXPECT_EQ(stream.GetPosition(), stream.GetSize());

  stream.SetPosition(0);
  TSample copy(nullptr);
  ReadComponentRes(&stream, &copy);
  EXPECT_EQ(copy.GetName(), "S");
}

TEST_F(Resources, DamagedResourceHeadersAreRefused) {
  const std::string cases[] = {
      "",
      ByteString({0xFE, 0x0A, 0x00}) + "NAME" + ByteString({0, 0x30, 0x10, 0, 0, 0, 0}),  // first byte
      ByteString({0xFF, 0x0B, 0x00}) + "NAME" + ByteString({0, 0x30, 0x10, 0, 0, 0, 0}),  // type
      ByteString({0xFF, 0x0A, 0x00}) + std::string(90, 'N'),  // no end of name
      ByteString({0xFF, 0x0A, 0x00}) + "NAME" + ByteString({0, 0x30}),  // cut in the flags
  };
  for (const std::string& bytes : cases) {
    TStringStream stream(bytes);
    EXPECT_THROW(ReadResHeader(&stream), EInvalidImage) << bytes.size();
  }
}

TEST_F(Resources, TextFormBecomesAResourceNamedByItsClassAndBack) {
  const std::string text = "object Root: TSampleRoot\r\n  Title = 'x'\r\nend\r\n";
  TStringStream in(text);
  TMemoryStream resource;
  ObjectTextToResource(&in, &resource);
  const std::string bytes = StreamText(resource);
  EXPECT_EQ(bytes.substr(0, 16), ByteString({0xFF, 0x0A, 0x00}) + "TSAMPLEROOT" + ByteString({0, 0x30}));
  resource.SetPosition(0);
  TStringStream out;
  ObjectResourceToText(&resource, &out);
  EXPECT_EQ(out.GetDataString(), text);
}

}  // namespace
