// Paths to item lists and back, special folders, the desktop's children and
// the volumes of My Computer.
#include <filesystem>

#include "platform/win/shell/volumes.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using NamespaceTest = ShellTest;

TEST_F(NamespaceTest, PathsComeBackAsTheyWereParsed) {
  const std::vector<std::string> relative = {
      "with space/and more spaces",
      "ütf-8 Ordner/naïve ☃.wav",
      "colon: in/a:b:c",
      "d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/f",
  };
  for (const std::string& tail : relative) {
    const std::string posix = root_ + "/" + tail;
    std::filesystem::create_directories(std::filesystem::path(posix).parent_path());
    MakeFile(posix);
    for (const std::string& given : {posix, Shown(posix)}) {
      Pidl pidl;
      ASSERT_EQ(Parse(given, &pidl), S_OK) << given;
      EXPECT_EQ(PathOf(pidl.p), Shown(posix)) << given;
    }
  }
}

TEST_F(NamespaceTest, ParsingFoldsDotsLexically) {
  std::filesystem::create_directories(root_ + "/a/b");
  Pidl pidl;
  ASSERT_EQ(Parse(root_ + "/a/./b/../b//", &pidl), S_OK);
  EXPECT_EQ(PathOf(pidl.p), Shown(root_ + "/a/b"));
}

TEST_F(NamespaceTest, MissingPathsFailWithTheWindowsErrors) {
  Pidl file, folder, relative;
  EXPECT_EQ(Parse(root_ + "/nothing.wav", &file), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Parse(root_ + "/none/nothing.wav", &folder), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(file.p, nullptr);
  EXPECT_EQ(Parse("relative/path", &relative), E_INVALIDARG);
}

TEST_F(NamespaceTest, MyComputerHasNoPathAndHoldsTheRootVolumeFirst) {
  Pidl drives;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.Out()), S_OK);
  char buffer[MAX_PATH] = "junk";
  EXPECT_FALSE(SHGetPathFromIDListA(drives.p, buffer));
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(NameOf(desktop.p, drives.p, SHGDN_NORMAL), "My Computer");

  Ref<IShellFolder> computer;
  ASSERT_EQ(desktop->BindToObject(drives.p, nullptr, IID_IShellFolder, computer.OutVoid()), S_OK);
  const std::vector<std::string> volumes = Names(computer.p, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes[0], "/");

  // My Computer parses absolute paths too, below itself.
  MakeFile(root_ + "/x.wav");
  Pidl below;
  std::wstring wide = Wide(Shown(root_ + "/x.wav"));
  ASSERT_EQ(computer->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, below.Out(), nullptr), S_OK);
  EXPECT_EQ(NameOf(computer.p, below.p, SHGDN_FORPARSING), Shown(root_ + "/x.wav"));
}

TEST_F(NamespaceTest, DesktopListsMyComputerHomeThenTheDesktopFolder) {
  std::filesystem::create_directories(desktop_ + "/Songs");
  MakeFile(desktop_ + "/beat.wav");
  const std::vector<std::string> expected = {"My Computer", "home", "Songs", "beat.wav"};
  EXPECT_EQ(Names(desktop.p, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS), expected);
  char buffer[MAX_PATH];
  ASSERT_TRUE(SHGetPathFromIDListA(nullptr, buffer));
  EXPECT_EQ(std::string(buffer), Shown(desktop_));
}

TEST_F(NamespaceTest, DesktopFolderFollowsTheXdgSetting) {
  std::filesystem::create_directories(home_ + "/.config");
  std::filesystem::create_directories(home_ + "/Schreibtisch");
  std::ofstream(home_ + "/.config/user-dirs.dirs") << "# written by a test\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
  char buffer[MAX_PATH];
  ASSERT_TRUE(SHGetPathFromIDListA(nullptr, buffer));
  EXPECT_EQ(std::string(buffer), Shown(home_ + "/Schreibtisch"));
}

TEST_F(NamespaceTest, SpecialFoldersMapOntoTheirFolders) {
  struct Case {
    int csidl;
    std::string path;
  };
  const std::vector<Case> cases = {
      {CSIDL_DESKTOP, Shown(desktop_)},
      {CSIDL_PERSONAL, Shown(home_)},
      {CSIDL_DESKTOPDIRECTORY, Shown(desktop_)},
      {CSIDL_APPDATA, Shown(home_ + "/.config")},
  };
  std::filesystem::create_directories(home_ + "/.config");
  for (const Case& c : cases) {
    Pidl pidl;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, c.csidl, pidl.Out()), S_OK) << c.csidl;
    EXPECT_EQ(PathOf(pidl.p), c.path) << c.csidl;
  }
  Pidl sendTo;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_SENDTO, sendTo.Out()), S_OK);
  EXPECT_TRUE(PathOf(sendTo.p).ends_with("\\SendTo")) << PathOf(sendTo.p);
  for (int unknown : {1, 2, 8, 0x14, 0x1B, 29}) {
    Pidl none;
    EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, unknown, none.Out()), E_INVALIDARG) << unknown;
    EXPECT_EQ(none.p, nullptr);
  }
}

TEST_F(NamespaceTest, DisplayNamesByFlags) {
  std::filesystem::create_directories(root_ + "/kits");
  MakeFile(root_ + "/kits/Rock.kit");
  Pidl pidl;
  ASSERT_EQ(Parse(root_ + "/kits/Rock.kit", &pidl), S_OK);
  EXPECT_EQ(NameOf(desktop.p, pidl.p, SHGDN_NORMAL), "Rock.kit");
  EXPECT_EQ(NameOf(desktop.p, pidl.p, SHGDN_INFOLDER), "Rock.kit");
  EXPECT_EQ(NameOf(desktop.p, pidl.p, SHGDN_FORPARSING), Shown(root_ + "/kits/Rock.kit"));
  EXPECT_EQ(NameOf(desktop.p, pidl.p, SHGDN_FORADDRESSBAR), Shown(root_ + "/kits/Rock.kit"));
  EXPECT_EQ(NameOf(desktop.p, pidl.p, SHGDN_FORPARSING | SHGDN_INFOLDER), "Rock.kit");
}

TEST_F(NamespaceTest, MalformedListsAreRefused) {
  const BYTE shortItem[] = {3, 0, 0x32, 0, 0};
  const BYTE unknownKind[] = {5, 0, 0x77, 'a', 0, 0, 0};
  const BYTE noNul[] = {5, 0, 0x32, 'a', 'b', 0, 0};
  for (const BYTE* bad : {shortItem, unknownKind, noNul}) {
    auto pidl = reinterpret_cast<LPCITEMIDLIST>(bad);
    char buffer[MAX_PATH];
    EXPECT_FALSE(SHGetPathFromIDListA(pidl, buffer));
    STRRET name{};
    EXPECT_EQ(desktop->GetDisplayNameOf(pidl, SHGDN_NORMAL, &name), E_INVALIDARG);
  }
}

TEST(MountTable, VolumesKeepTheRootFirstAndLeavePseudoFileSystemsOut) {
  const std::string table =
      "proc /proc proc rw 0 0\n"
      "/dev/sda2 /home ext4 rw 0 0\n"
      "overlay / overlay rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sdb1 /media/u/USB\\040Stick vfat rw 0 0\n"
      "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
      "server:/share /mnt/share nfs4 rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n"
      "sysfs /sys sysfs rw 0 0\n"
      "devpts /dev/pts devpts rw 0 0\n";
  using win::shell::VolumeKind;
  const std::vector<std::pair<std::string, VolumeKind>> expected = {
      {"/", VolumeKind::Fixed},
      {"/home", VolumeKind::Fixed},
      {"/media/u/USB Stick", VolumeKind::Removable},
      {"/media/cdrom", VolumeKind::CdRom},
      {"/mnt/share", VolumeKind::Remote},
      {"/tmp", VolumeKind::RamDisk},
  };
  std::vector<std::pair<std::string, VolumeKind>> got;
  for (const auto& volume : win::shell::VolumesFromMountTable(table)) got.emplace_back(volume.mountPoint, volume.kind);
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace shell_test
