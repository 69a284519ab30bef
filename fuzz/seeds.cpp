#include "fuzz/seeds.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/jpeg/JpegCodec.h"
#include "platform/vcl/rtl/TextFile.h"
#include "platform/win/drums_ext.h"
#include "platform/win/kernel/ini_document.h"
#include "platform/win/kernel/registry_store.h"
#include "platform/win/winbase.h"
#include "tests/vcl/streaming/SampleComponents.h"

namespace drums_fuzz {
namespace {

const char* const kForms[] = {
    "object Root: TSampleRoot\r\n"
    "  object First: TSample\r\n"
    "    Small = 5\r\n    Medium = 1000\r\n    Large = -100000\r\n    Enabled = False\r\n"
    "    Caption = 'Kick ''n'' snare' + #13#10\r\n    Styles = [ssBold, ssUnderline]\r\n"
    "    Align = saClient\r\n    Mark = 'x'\r\n    Ratio = 1.5\r\n    Bevel.Width = 3\r\n"
    "    Items = <\r\n      item\r\n        Name = 'one'\r\n        Looped = True\r\n      end\r\n"
    "      item\r\n        Voices = 4\r\n      end>\r\n"
    "    Lines.Strings = (\r\n      'a'\r\n      'b')\r\n    Buddy = Second\r\n    OnPing = PingHandler\r\n  end\r\n"
    "  object Second: TSample\r\n    Notes = 'second'\r\n  end\r\nend\r\n",
    "object Root: TSampleRoot\r\n  Title = 't'\r\nend\r\n",
    "inherited Root: TSampleRoot\r\n  object A: TSample [2]\r\n    Ratio = 1.25E300\r\n  end\r\nend\r\n",
    "object X: TSampleRoot\r\n  Values = (\r\n    1\r\n    (\r\n      2.5s\r\n      3c\r\n      4d)\r\n"
    "    ident\r\n    nil\r\n    $7F)\r\n  Data = {\r\n    00FF10AB}\r\n"
    "  Money = -922337203685477.5808c\r\n  Big = -$8000000000000000\r\nend\r\n",
};

std::string MemoryBytes(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<std::size_t>(s.GetSize()));
}

std::string FormBinary(const char* text) {
  TStringStream in(text);
  TMemoryStream out;
  ObjectTextToBinary(&in, &out);
  return MemoryBytes(out);
}

std::vector<std::string> FormTexts() {
  return std::vector<std::string>(std::begin(kForms), std::end(kForms));
}

std::vector<std::string> FormBinaries() {
  std::vector<std::string> out;
  for (const char* text : kForms) out.push_back(FormBinary(text));
  return out;
}

win::gdi::DibImage Dib(int width, int height, int bits) {
  win::gdi::DibImage image;
  image.width = width;
  image.height = height;
  image.bitsPerPixel = bits;
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i)
      image.colors.push_back(RGBQUAD{static_cast<BYTE>(i * 7), static_cast<BYTE>(i * 3), static_cast<BYTE>(i), 0});
  image.bits.resize(static_cast<std::size_t>(image.Stride()) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < image.bits.size(); ++i) image.bits[i] = static_cast<BYTE>(i * 37);
  return image;
}

std::string Bytes(const std::vector<BYTE>& v) {
  return std::string(v.begin(), v.end());
}

std::vector<std::string> BmpSeeds() {
  std::vector<std::string> out;
  for (int bits : {1, 4, 8, 16, 24, 32}) out.push_back(Bytes(win::gdi::WriteBmp(Dib(5, 3, bits))));
  win::gdi::DibImage fields = Dib(4, 2, 32);
  fields.compression = BI_BITFIELDS;
  fields.masks[0] = 0xFF0000;
  fields.masks[1] = 0xFF00;
  fields.masks[2] = 0xFF;
  out.push_back(Bytes(win::gdi::WriteBmp(fields)));
  // A packed DIB: the info and the bits without a file header.
  win::gdi::DibImage packed = Dib(3, 3, 8);
  std::vector<BYTE> info = packed.Info();
  info.insert(info.end(), packed.bits.begin(), packed.bits.end());
  out.push_back(Bytes(info));
  return out;
}

// An icon file around one DIB: the image's rows, then its AND mask, under a
// header of twice the height.
std::string IconFile(int size, int bits, bool cursor) {
  win::gdi::DibImage image = Dib(size, size, bits);
  std::vector<BYTE> dib = image.Info();
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
  header->biHeight = size * 2;
  header->biSizeImage = 0;
  dib.insert(dib.end(), image.bits.begin(), image.bits.end());
  dib.insert(dib.end(), static_cast<std::size_t>(((size + 31) / 32) * 4 * size), 0);
  std::string out(6 + 16, '\0');
  out[2] = cursor ? 2 : 1;
  out[4] = 1;
  out[6] = static_cast<char>(size);
  out[7] = static_cast<char>(size);
  out[10] = cursor ? 1 : 1;
  out[12] = static_cast<char>(cursor ? 1 : bits);
  const std::uint32_t length = static_cast<std::uint32_t>(dib.size()), offset = 22;
  std::memcpy(&out[14], &length, 4);
  std::memcpy(&out[18], &offset, 4);
  return out + Bytes(dib);
}

std::vector<std::string> JpegSeeds() {
  std::vector<std::string> out;
  for (int quality : {10, 90})
    for (bool grey : {false, true}) {
      vcl::jpeg::RgbImage image;
      image.width = 19;
      image.height = 11;
      image.pixels.resize(19 * 11 * 3);
      for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 13);
      std::vector<std::uint8_t> data;
      if (vcl::jpeg::EncodeJpeg(image, quality, grey, &data, nullptr)) out.emplace_back(data.begin(), data.end());
    }
  return out;
}

std::vector<std::string> ProfileSeeds() {
  win::kernel::IniDocument doc = win::kernel::IniDocument::Parse("; settings\r\n\r\n");
  doc.Set("Kit", "Name", "Rock");
  doc.Set("Kit", "Volume", "\"90\"");
  doc.Set("Pads", "1", "kick.wav");
  doc.Set("kit", "Tempo", "120");
  doc.Set("Empty", "Key", "");
  return {doc.Serialise()};
}

std::vector<std::string> RegistrySeeds() {
  win::kernel::RegistryStore store;
  win::kernel::RegKey& software = store.Root(1).Add("Software");
  win::kernel::RegKey& app = software.Add("Drums").Add("Settings");
  auto value = [](const char* name, DWORD type, std::string data) {
    win::kernel::RegValue v;
    v.name = name;
    v.type = type;
    v.data.assign(data.begin(), data.end());
    return v;
  };
  app.values.push_back(value("Kit", REG_SZ, "Rock \"live\"\\\n"));
  app.values.push_back(value("", REG_EXPAND_SZ, "%HOME%"));
  app.values.push_back(value("Count", REG_DWORD, std::string("\x2a\0\0\0", 4)));
  app.values.push_back(value("Blob", REG_BINARY, std::string("\x01\xff\x20", 3)));
  store.Root(2).Add("System");
  return {store.Serialise()};
}

// Chunk streams of runs, matches and literals over one and two chunks, and
// single blocks of the same kinds.
std::vector<std::string> LzrwSeeds() {
  std::vector<std::string> out;
  std::string mixed;
  for (int i = 0; mixed.size() < 40000; ++i) mixed += std::string(std::size_t(i % 23), char('a' + i % 5)) + "xyzxyz";
  for (const std::string& source :
       {std::string("abcabcabcQabc"), std::string(4111, 'A'), std::string("0123456789"), mixed}) {
    TMemoryStream in;
    in.WriteBuffer(source.data(), int(source.size()));
    in.SetPosition(0);
    TMemoryStream packed;
    CompressStream(&in, &packed, int(source.size()));
    out.push_back(MemoryBytes(packed));
    const auto n = std::uint16_t(std::min<std::size_t>(source.size(), kLzrwChunkSize));
    std::string block(std::size_t(n) + kLzrwSlack, '\0');
    block.resize(LzrwCompress(reinterpret_cast<const std::uint8_t*>(source.data()),
                              reinterpret_cast<std::uint8_t*>(block.data()), n));
    out.push_back(block);
  }
  return out;
}

// Containers of every list type saved with their offsets, items plain and
// compressed, with descriptions and idents; the first byte chooses the list
// type as the container target reads it.
std::vector<std::string> ContainerSeeds() {
  std::vector<std::string> out;
  TStyBitmapList bitmaps(nullptr);
  TStyImageList strips(nullptr);
  TStyStringList strings(nullptr);
  TStyWaveList waves(nullptr);
  for (bool compressed : {false, true}) {
    TBitmap picture;
    picture.SetSize(6, 4);
    picture.GetCanvas()->SetPixels(1, 1, clRed);
    auto* bitmap = static_cast<TStyBitmapListItem*>(bitmaps.GetItems(bitmaps.AddItem(nullptr)));
    bitmap->SetBitmap(&picture);
    bitmap->SetCompressed(compressed);
    bitmap->SetIdent(compressed ? 2 : 0);
    bitmap->SetPixelFormat(compressed ? spf4bit : spfDefault);
    auto* strip = static_cast<TStyImageListItem*>(strips.GetItems(strips.AddItem(nullptr)));
    strip->SetWidth(3);
    strip->SetHeight(4);
    strip->SetMasked(compressed);
    strip->SetCompressed(compressed);
    strip->Add(&picture, nullptr);
    auto* text = static_cast<TStyStringListItem*>(strings.GetItems(strings.AddItem(nullptr)));
    text->GetItems()->Add("first line");
    text->GetItems()->Add(std::string(40, 'x'));
    text->SetDescription("lines");
    text->SetCompressed(compressed);
    auto* wave = static_cast<TStyWaveListItem*>(waves.GetItems(waves.AddItem(nullptr)));
    std::string riff = "RIFF";
    riff += std::string("\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0", 32);
    riff += std::string("data\x04\0\0\0\x01\x02\x03\x04", 12);
    TMemoryStream data;
    data.WriteBuffer(riff.data(), int(riff.size()));
    data.SetPosition(0);
    wave->GetWave()->LoadFromStream(&data);
    wave->SetCompressed(compressed);
  }
  TStyCustomContainer* lists[] = {&strips, &bitmaps, &waves, &strings};
  for (std::uint8_t type = 0; type < 4; ++type) {
    TMemoryStream saved;
    WriteByte(&saved, type);
    lists[type]->SaveToStream(&saved, true);
    out.push_back(MemoryBytes(saved));
  }
  return out;
}

std::vector<std::string> TextFileSeeds() {
  std::string path = ScratchDir() + "/seed.txt";
  TextFile f;
  AssignFile(f, path);
  Rewrite(f);
  WriteLn(f, 42, ' ', -7);
  WriteLn(f, std::string("a line of text"));
  WriteLn(f, 9223372036854775807LL);
  Write(f, std::string("1.5e3 -0.25"));
  CloseFile(f);
  return {ReadWholeFile(path)};
}

}  // namespace

const std::string& ScratchDir() {
  // In memory where the system has a memory file system: the targets write
  // and flush files on every input, which a disk makes a hundred times slower.
  // The folder goes with the process.
  static const struct Scratch {
    std::string dir;
    Scratch() {
      std::string pattern = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/drums-fuzz-XXXXXX";
      const char* made = mkdtemp(pattern.data());
      dir = made ? made : "/tmp";
      if (!made) keep = true;
    }
    ~Scratch() {
      std::error_code ec;
      if (!keep) std::filesystem::remove_all(dir, ec);
    }
    bool keep = false;
  } scratch;
  return scratch.dir;
}

std::string WriteScratchFile(const std::string& name, const std::string& bytes) {
  const std::string path = ScratchDir() + "/" + name;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::string text;
  if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
    std::fclose(in);
  }
  return text;
}

void RegisterFuzzClasses() {
  static const bool once = [] {
    sample::RegisterSampleClasses();
    return true;
  }();
  (void)once;
}

std::vector<std::string> Targets() {
  return {
      "bmp",       "icon", "jpeg",      "form_reader", "text_to_binary",  "binary_to_text", "profile", "registry",
      "text_file", "lzrw", "container", "wav",         "wave_collection", "song_file",      "recent",  "midi_import",
      "user_kit"};
}

std::vector<std::string> Seeds(const std::string& target) {
  RegisterFuzzClasses();
  if (target == "bmp") return BmpSeeds();
  if (target == "icon") return {IconFile(16, 8, false), IconFile(32, 32, false), IconFile(16, 4, true)};
  if (target == "jpeg") return JpegSeeds();
  if (target == "text_to_binary") return FormTexts();
  if (target == "form_reader" || target == "binary_to_text") {
    std::vector<std::string> out = FormBinaries();
    TMemoryStream written;
    sample::TSampleRoot root(nullptr);
    auto* child = new sample::TSample(&root);
    child->SetName("Written");
    child->FCaption = std::string(300, 'w');
    child->FRatio = 0.1;
    WriteComponent(&written, &root);
    out.push_back(MemoryBytes(written));
    return out;
  }
  if (target == "profile") return ProfileSeeds();
  if (target == "registry") return RegistrySeeds();
  if (target == "text_file") return TextFileSeeds();
  if (target == "lzrw") return LzrwSeeds();
  if (target == "container") return ContainerSeeds();
  return ProgramSeeds(target);
}

}  // namespace drums_fuzz
