#include "drummachine/skins/SkinFile.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core/TextLine.h"

namespace {

constexpr int Malformed = 106;

[[noreturn]] void Refuse(int code) {
  throw EInOutError(InOutErrorMessage(code), code);
}

int Flag(bool b) {
  return b ? 1 : 0;
}

void WriteNumbers(TextFile& f, const std::vector<std::int32_t>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) Write(f, " ");
    Write(f, values[i]);
  }
  WriteLn(f);
}

// A line of exactly count decimal integers, blanks between them.
std::vector<std::int32_t> NumberLine(TextFile& f, std::size_t count) {
  const std::string line = ReadTextField(f);
  std::vector<std::int32_t> values;
  const char* at = line.data();
  const char* end = line.data() + line.size();
  for (;;) {
    while (at < end && (*at == ' ' || *at == '\t')) ++at;
    if (at == end) break;
    std::int32_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || (next < end && *next != ' ' && *next != '\t')) Refuse(Malformed);
    values.push_back(value);
    at = next;
  }
  if (values.size() != count) Refuse(Malformed);
  return values;
}

}  // namespace

void WriteSkinFile(TextFile& f, const TSkin& skin, int schemeIndex) {
  std::vector<std::int32_t> head;
  for (const TSkinPicture& picture : skin.Pictures) head.push_back(picture.Index);
  head.insert(head.end(), {Flag(skin.BeatTransparent), Flag(skin.PlayTransparent), schemeIndex});
  WriteNumbers(f, head);
  for (const TSkinPicture& picture : skin.Pictures) WriteLn(f, picture.Index > 1 ? picture.Name : std::string());
  WriteNumbers(f, {Flag(skin.TempoLabel), Flag(skin.MainVolumeLabel)});
  WriteLn(f, skin.LedColorIndex);
  WriteLn(f, skin.Font.Color);
  WriteLn(f, skin.Font.Height);
  WriteLn(f, skin.Font.Name);
  WriteLn(f, skin.Font.Size);
  WriteNumbers(f, {skin.PlayLeft, skin.PlayTop});
}

TSkin ReadSkinFile(TextFile& f) {
  TSkin skin;
  const std::vector<std::int32_t> head = NumberLine(f, SkinComboCount + 3);
  for (int i = 0; i < SkinComboCount; ++i) {
    if (head[i] < 0) Refuse(Malformed);
    skin.Pictures[i].Index = head[i];
  }
  skin.BeatTransparent = head[SkinComboCount] == 1;
  skin.PlayTransparent = head[SkinComboCount + 1] == 1;
  for (TSkinPicture& picture : skin.Pictures) {
    std::string name = ReadTextField(f);
    if (picture.Index > 1) picture.Name = std::move(name);
  }
  const std::vector<std::int32_t> labels = NumberLine(f, 2);
  skin.TempoLabel = labels[0] == 1;
  skin.MainVolumeLabel = labels[1] == 1;
  skin.LedColorIndex = NumberLine(f, 1)[0];
  if (skin.LedColorIndex < 0 || skin.LedColorIndex >= LedColorCount) Refuse(Malformed);
  skin.Font.Color = NumberLine(f, 1)[0];
  skin.Font.Height = NumberLine(f, 1)[0];
  skin.Font.Name = ReadTextField(f);
  skin.Font.Size = NumberLine(f, 1)[0];
  const std::vector<std::int32_t> play = NumberLine(f, 2);
  skin.PlayLeft = std::clamp(play[0], 0, SkinPlayLeftMax);
  skin.PlayTop = std::clamp(play[1], 0, SkinPlayTopMax);
  return skin;
}

TSkin LoadSkinFile(const std::string& fileName) {
  TextFile f;
  AssignFile(f, fileName);
  Reset(f);
  TSkin skin = ReadSkinFile(f);
  CloseFile(f);
  return skin;
}

void SaveSkinFile(const std::string& fileName, const TSkin& skin, int schemeIndex) {
  WriteTextFileAtomically(fileName, [&](TextFile& f) { WriteSkinFile(f, skin, schemeIndex); });
}
