// SHGetFileInfoA: type names, icon indexes, display names and attributes;
// the system icons themselves.
#include <filesystem>
#include <set>

#include "platform/win/shell/system_icons.h"
#include "platform/win/commctrl.h"
#include "platform/win/shellapi.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using FileInfoTest = ShellTest;
using namespace win::shell;

SHFILEINFOA InfoOf(const std::string& path, UINT flags, DWORD attributes = 0) {
  SHFILEINFOA info{};
  SHGetFileInfoA(path.c_str(), attributes, &info, sizeof info, flags);
  return info;
}

TEST_F(FileInfoTest, TypeNamesComeFromTheExtensionTable) {
  struct Case {
    std::string name;
    DWORD attributes;
    std::string type;
  };
  const std::vector<Case> cases = {
      {"Kick.WAV", 0, "Wave Sound"},
      {"song.bkv", 0, "Drum Song"},
      {"rock.kit", 0, "Drum Kit"},
      {"dark.skn", 0, "Skin"},
      {"bank01.dsw", 0, "Wave Collection"},
      {"groove.mid", 0, "MIDI Sequence"},
      {"notes.xyz", 0, "XYZ File"},
      {"README", 0, "File"},
      {"kits", FILE_ATTRIBUTE_DIRECTORY, "File Folder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        std::string(InfoOf("C:\\any\\" + c.name, SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES, c.attributes).szTypeName),
        c.type)
        << c.name;
  }
}

TEST_F(FileInfoTest, IconIndexesByKindWithOpenFolders) {
  std::filesystem::create_directories(root_ + "/kits");
  MakeFile(root_ + "/kits/rock.kit");
  EXPECT_EQ(InfoOf(root_ + "/kits", SHGFI_SYSICONINDEX | SHGFI_SMALLICON).iIcon, kIconFolder);
  EXPECT_EQ(InfoOf(root_ + "/kits", SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON).iIcon, kIconOpenFolder);
  EXPECT_EQ(InfoOf(root_ + "/kits/rock.kit", SHGFI_SYSICONINDEX).iIcon, kIconKit);
  const int root = InfoOf("C:\\", SHGFI_SYSICONINDEX).iIcon;
  EXPECT_TRUE(root >= kIconFixedDrive && root <= kIconRamDrive) << root;

  Pidl computer, desktopList;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, computer.Out()), S_OK);
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, desktopList.Out()), S_OK);
  const auto byList = [](LPITEMIDLIST pidl, UINT flags) {
    SHFILEINFOA info{};
    EXPECT_NE(SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl), 0, &info, sizeof info, flags | SHGFI_PIDL), 0u);
    return info;
  };
  EXPECT_EQ(byList(computer.p, SHGFI_DISPLAYNAME).szDisplayName, std::string("My Computer"));
  EXPECT_EQ(byList(computer.p, SHGFI_TYPENAME).szTypeName, std::string("System Folder"));
  EXPECT_EQ(byList(desktopList.p, SHGFI_DISPLAYNAME).szDisplayName, std::string("Desktop"));
  SHFILEINFOA icons{};
  SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer.p), 0, &icons, sizeof icons, SHGFI_PIDL | SHGFI_SYSICONINDEX);
  EXPECT_EQ(icons.iIcon, kIconComputer);
}

TEST_F(FileInfoTest, SystemIndexesComeWithTheSharedImageLists) {
  SHFILEINFOA small{}, large{};
  const auto smallList = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &small, sizeof small, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  const auto largeList =
      reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &large, sizeof large, SHGFI_SYSICONINDEX));
  ASSERT_NE(smallList, nullptr);
  ASSERT_NE(largeList, nullptr);
  EXPECT_NE(smallList, largeList);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(
                SHGetFileInfoA("C:\\", 0, &small, sizeof small, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)),
            smallList);
  EXPECT_EQ(ImageList_GetImageCount(smallList), kSystemIconCount);
  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(largeList, &cx, &cy));
  EXPECT_EQ(cx, 32);
  EXPECT_EQ(cy, 32);

  // The folder icon drawn from the list over white leaves ink where the
  // picture has it and white where it is transparent.
  const std::vector<std::uint32_t> pixels = SystemIconPixels(kIconFolder, 16);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ASSERT_TRUE(ImageList_Draw(smallList, kIconFolder, dc, 0, 0, ILD_TRANSPARENT));
  for (int i = 0; i < 256; ++i) {
    const COLORREF seen = GetPixel(dc, i % 16, i / 16);
    if ((pixels[i] >> 24) == 0) {
      EXPECT_EQ(seen, RGB(255, 255, 255)) << i;
    } else if ((pixels[i] >> 24) == 0xFF) {
      EXPECT_EQ(seen, RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF)) << i;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(FileInfoTest, NamesAndAttributesOfARealFile) {
  MakeFile(root_ + "/groove.mid");
  const SHFILEINFOA info = InfoOf(root_ + "/groove.mid", SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES);
  EXPECT_STREQ(info.szDisplayName, "groove.mid");
  EXPECT_TRUE(info.dwAttributes & SFGAO_FILESYSTEM);
  EXPECT_FALSE(info.dwAttributes & SFGAO_FOLDER);
  SHFILEINFOA missing{};
  EXPECT_EQ(SHGetFileInfoA((root_ + "/none.mid").c_str(), 0, &missing, sizeof missing, SHGFI_DISPLAYNAME), 0u);
}

TEST_F(FileInfoTest, IconHandlesHaveTheAskedSize) {
  std::filesystem::create_directories(root_ + "/kits");
  for (const auto& [flags, size] : std::vector<std::pair<UINT, int>>{{SHGFI_SMALLICON, 16}, {SHGFI_LARGEICON, 32}}) {
    SHFILEINFOA info{};
    ASSERT_NE(SHGetFileInfoA((root_ + "/kits").c_str(), 0, &info, sizeof info, SHGFI_ICON | flags), 0u);
    ASSERT_NE(info.hIcon, nullptr);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(info.hIcon, &parts));
    BITMAP colour{};
    ASSERT_NE(GetObjectA(parts.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, size);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(info.hIcon);
  }
}

TEST(SystemIcons, EveryIconIsDrawnOnATransparentGroundAndDiffersFromTheOthers) {
  for (int size : {16, 32}) {
    std::set<std::vector<std::uint32_t>> seen;
    for (int icon = 0; icon < kSystemIconCount; ++icon) {
      const std::vector<std::uint32_t> pixels = SystemIconPixels(icon, size);
      ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
      EXPECT_EQ(pixels[size - 1] >> 24, 0u) << "top right corner of icon " << icon;
      std::size_t opaque = 0;
      for (std::uint32_t p : pixels) opaque += (p >> 24) == 0xFF;
      EXPECT_GT(opaque, static_cast<std::size_t>(size)) << icon;
      EXPECT_TRUE(seen.insert(pixels).second) << "icon " << icon << " repeats another at " << size;
    }
  }
}

TEST(SystemIcons, FileTypesOfThePrograms) {
  EXPECT_EQ(IconOfFileName("a.WAV"), kIconWave);
  EXPECT_EQ(IconOfFileName("a.dsw"), kIconWaveCollection);
  EXPECT_EQ(IconOfFileName("a.bkv"), kIconSong);
  EXPECT_EQ(IconOfFileName("a.skn"), kIconSkin);
  EXPECT_EQ(IconOfFileName(".wav"), kIconFile);
  EXPECT_EQ(IconOfFileName("wav"), kIconFile);
}

}  // namespace
}  // namespace shell_test
