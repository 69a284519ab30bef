// The multimedia button's faces in a form stream: the stored byte layout,
// the round trip, and the legacy raw properties read past with their
// lengths checked.
#include <algorithm>
#include <string>

#include "platform/vcl/Classes.h"
#include "styled/controls/stybtn_fixture.h"

namespace styledtest {
namespace {

class ButtonStream : public Buttons {
 protected:
  std::string AsText(TComponent* c) {
    TMemoryStream binary, text;
    WriteComponent(&binary, c);
    binary.SetPosition(0);
    ObjectBinaryToText(&binary, &text);
    return std::string(static_cast<const char*>(text.GetMemory()), static_cast<size_t>(text.GetSize()));
  }
  // A binary form of one TStyMMButton whose properties are given raw.
  static std::string Form(const std::string& properties) {
    auto sstr = [](const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; };
    return "TPF0" + sstr("TStyMMButton") + sstr("Play") + properties + std::string(2, '\0');
  }
  static void Read(const std::string& bytes, TComponent* into) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    s.SetPosition(0);
    ReadComponent(&s, into);
  }
};

TEST_F(ButtonStream, FacesAndColourTravelAsLittleEndianWords) {
  TStyBitmapList* faces = MakePlayFaces(form);
  TStyMMButton* play = MakePlayButton(form, faces, 0, 0);
  play->SetName("Play");
  std::string text = AsText(play);
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\r' || c == '\n'; }),
             text.end());
  // ListIndex of faces 0..6, then ImageIndex of faces 0..6; face 7 is not stored.
  const std::string indices =
      "ButtonFaceIndicesNew={"
      "00000000000000000000000001000000010000000000000001000000"
      "01000000010000000100000001000000010000000100000001000000}";
  EXPECT_NE(text.find(indices), std::string::npos) << text;
  EXPECT_NE(text.find("ButtonFaceTransColNew={00808000}"), std::string::npos) << text;

  TMemoryStream binary;
  WriteComponent(&binary, play);
  binary.SetPosition(0);
  TStyMMButton copy(nullptr);
  ReadComponent(&binary, &copy);
  for (int s = 0; s < 7; ++s) {
    EXPECT_EQ(copy.GetFace(s).ListIndex, play->GetFace(s).ListIndex) << "face " << s;
    EXPECT_EQ(copy.GetFace(s).ImageIndex, 1) << "face " << s;
  }
  EXPECT_EQ(copy.GetFaceTransparentColor(), kFaceTransparent);
}

TEST_F(ButtonStream, LegacyRawPropertiesAreReadPastAndIgnored) {
  auto sstr = [](const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; };
  const std::string raw56(56, '\x07'), raw4(4, '\x33');
  TStyMMButton button(nullptr);
  Read(Form(sstr("ButtonFaceIndices") + raw56 + sstr("ButtonFaceTransCol") + raw4 + sstr("CaptionDown") + "\x02\x03"),
       &button);
  EXPECT_EQ(button.GetFace(0).ListIndex, 0) << "the old layout is not applied";
  EXPECT_EQ(button.GetFaceTransparentColor(), static_cast<TColor>(0xFFFFFF));
  EXPECT_EQ(button.GetCaptionDown(), 3) << "what follows is read in step";

  TStyMMButton truncated(nullptr);
  EXPECT_THROW(Read(Form(sstr("ButtonFaceIndices") + std::string(20, '\x07')), &truncated), EReadError);
}

}  // namespace
}  // namespace styledtest
