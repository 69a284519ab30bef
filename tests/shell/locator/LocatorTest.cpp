// The shell locator: paths in and out, the change rules, assigning, the
// "Pidl" form property and stored records that do not hold together.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/vcl/Classes.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"
#include "tests/support/FormText.h"

namespace {

std::string Shown(const std::string& posixPath) {
  return win::kernel::ToWindowsPath(posixPath);
}

// A component holding a locator as its nested "Folder", as the shell
// controls do, so the property goes through the real form streaming.
class TLocatorHolder : public TComponent {
  DRUMS_CLASS(TLocatorHolder, TComponent)

 public:
  explicit TLocatorHolder(TComponent* owner) : TComponent(owner) {}
  ~TLocatorHolder() override { delete FFolder; }
  TNavShellLocator* GetFolder() const { return FFolder; }
  static void Publish(TPublisher<TLocatorHolder>& p) { p.Prop("Folder", &TLocatorHolder::GetFolder); }

 private:
  TNavShellLocator* FFolder = new TNavShellLocator;
};

std::string Squeezed(std::string text) {
  text.erase(std::remove_if(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); }), text.end());
  return text;
}

class LocatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    locator.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &locator);
      ++changes;
    });
  }
  bool IsDesktop() { return ComparePidls(locator.GetPidl(), nullptr) == 0; }

  TShellHome home;
  TNavShellLocator locator;
  int changes = 0;
};

TEST_F(LocatorTest, ANewLocatorIsTheDesktop) {
  EXPECT_EQ(locator.GetPidl(), nullptr);
  EXPECT_EQ(locator.GetFolderPath(), Shown(home.Desktop));
  EXPECT_EQ(changes, 0);
}

TEST_F(LocatorTest, FolderPathsRoundTrip) {
  for (const char* relative : {"with space", "ünïcode ✓ beats", "10:30 session", "a/b/c/d/e/f/g/h/i/j"}) {
    const std::string path = Shown(home.MakeFolder(relative));
    locator.SetFolderPath(path);
    EXPECT_EQ(locator.GetFolderPath(), path) << relative;
  }
  locator.SetFolderPath(home.Home);  // the POSIX form parses too
  EXPECT_EQ(locator.GetFolderPath(), Shown(home.Home));

  for (const char* garbage : {"", "C:\\no such folder\\anywhere", "\x01\x02??"}) {
    locator.SetFolderPath(home.Home);
    locator.SetFolderPath(garbage);
    EXPECT_EQ(locator.GetPidl(), nullptr) << garbage;
    EXPECT_EQ(locator.GetFolderPath(), Shown(home.Desktop)) << garbage;
  }

  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives.p), S_OK);
  locator.SetPidl(drives.p);
  EXPECT_EQ(locator.GetFolderPath(), "");
}

TEST_F(LocatorTest, SetPidlReportsOnlyRealChanges) {
  TShellPidl beats;
  TShellPidl sameAgain;
  ASSERT_EQ(PathToPidl(home.MakeFolder("beats"), &beats.p), S_OK);
  ASSERT_EQ(PathToPidl(home.Home + "/beats", &sameAgain.p), S_OK);
  const USHORT empty = 0;
  const auto emptyList = reinterpret_cast<LPCITEMIDLIST>(&empty);

  locator.SetPidl(emptyList);  // not nil, so a change even though it is the desktop
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(locator.GetPidl(), nullptr);
  locator.SetPidl(beats.p);
  EXPECT_EQ(changes, 2);
  EXPECT_NE(locator.GetPidl(), beats.p);  // a copy
  locator.SetPidl(sameAgain.p);
  EXPECT_EQ(changes, 2);
  locator.SetPidl(emptyList);
  EXPECT_EQ(changes, 3);
  locator.SetPidl(beats.p);
  locator.Clear();
  EXPECT_EQ(changes, 5);
  EXPECT_TRUE(IsDesktop());
  locator.SetPidl(nullptr);  // nothing held, nil given: no change
  EXPECT_EQ(changes, 5);
}

TEST_F(LocatorTest, AssignFollowsTheKindsAndTheSameFolderRule) {
  // Kind-1 locators come from form data.
  auto special = [](BYTE id) {
    auto* l = new TNavShellLocator;
    const BYTE record[] = {1, id};
    TMemoryStream s;
    s.WriteBuffer(record, 2);
    s.SetPosition(0);
    l->ReadPidl(&s);
    return std::unique_ptr<TNavShellLocator>(l);
  };
  auto drives = special(CSIDL_DRIVES);
  auto drivesToo = special(CSIDL_DRIVES);
  auto personal = special(CSIDL_PERSONAL);
  int driveChanges = 0;
  drives->SetOnChange([&](TObject*) { ++driveChanges; });

  drives->Assign(drivesToo.get());
  EXPECT_EQ(driveChanges, 0);
  drives->Assign(personal.get());
  EXPECT_EQ(driveChanges, 1);
  EXPECT_EQ(drives->GetSpecialFolder(), CSIDL_PERSONAL);
  EXPECT_EQ(drives->GetFolderPath(), Shown(home.Home));
  // A kind-1 locator changes on any SetPidl, even to its own folder.
  TShellPidl homeList;
  ASSERT_EQ(PathToPidl(home.Home, &homeList.p), S_OK);
  drives->SetPidl(homeList.p);
  EXPECT_EQ(driveChanges, 2);
  EXPECT_EQ(drives->GetKind(), 0);

  locator.Assign(nullptr);  // nothing held: nothing happens
  EXPECT_EQ(changes, 0);
  locator.Assign(drives.get());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(locator.GetFolderPath(), Shown(home.Home));
  locator.Assign(drives.get());
  EXPECT_EQ(changes, 1);
  locator.Assign(nullptr);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(locator.GetPidl(), nullptr);

  TStringList notALocator;
  EXPECT_THROW(locator.Assign(&notALocator), EConvertError);
}

TEST_F(LocatorTest, ThePidlPropertyInFormData) {
  TLocatorHolder holder(nullptr);
  holder.SetName("Holder");
  EXPECT_EQ(Squeezed(testsupport::WriteFormText(&holder)).find("Pidl"), std::string::npos);

  testsupport::ReadComponentText("object Holder: TLocatorHolder\n  Folder.Pidl = {0111}\nend\n", &holder);
  EXPECT_EQ(holder.GetFolder()->GetKind(), 1);
  EXPECT_EQ(holder.GetFolder()->GetFolderPath(), "");  // My Computer, resolved
  // Only kind and number are written, never the resolved list.
  EXPECT_NE(Squeezed(testsupport::WriteFormText(&holder)).find("Folder.Pidl={0111}"), std::string::npos);

  const std::string beats = Shown(home.MakeFolder("beats"));
  holder.GetFolder()->SetFolderPath(beats);
  const std::string written = testsupport::WriteFormText(&holder);
  TLocatorHolder reread(nullptr);
  reread.SetName("Holder");
  testsupport::ReadComponentText(written, &reread);
  EXPECT_EQ(reread.GetFolder()->GetKind(), 0);
  EXPECT_EQ(reread.GetFolder()->GetFolderPath(), beats);
  EXPECT_EQ(ComparePidls(reread.GetFolder()->GetPidl(), holder.GetFolder()->GetPidl()), 0);
}

// A record of kind 0: the int32 size (as stored, little-endian), then bytes.
std::string Kind0(std::uint32_t size, const std::string& bytes) {
  std::string record(1, '\0');
  for (int i = 0; i < 4; ++i) record += static_cast<char>((size >> (8 * i)) & 0xFF);
  return record + bytes;
}

TEST_F(LocatorTest, HostileRecordsLoadTheDesktop) {
  const std::string item(
      "\x05\x00"
      "abc",
      5);
  const std::string end("\x00\x00", 2);
  const struct {
    const char* what;
    std::string record;
  } cases[] = {
      {"size 0", Kind0(0, "")},
      {"size 1", Kind0(1, std::string(1, '\0'))},
      {"size 3", Kind0(3, std::string(3, '\0'))},
      {"odd chain", Kind0(6, std::string("\x03\x00"
                                         "a",
                                         3) +
                                 std::string("\x00", 1) + end.substr(0, 1) + "z")},
      {"chain past its size", Kind0(7, item + end.substr(0, 1) + "q")},
      {"item longer than the record", Kind0(7, std::string("\x40\x00"
                                                           "abc",
                                                           5) +
                                                   end)},
      {"item of count 1", Kind0(5, std::string("\x01\x00"
                                               "a",
                                               3) +
                                       end)},
      {"size past the stream", Kind0(40, item + end)},
      {"4 GB", Kind0(0xFFFFFFFFu, item + end)},
      {"size without its bytes", std::string(1, '\0') + std::string("\x07\x00", 2)},
      {"kind without its number", std::string(1, '\x01')},
      {"nothing", ""},
  };
  for (const auto& c : cases) {
    TNavShellLocator loaded;
    loaded.SetFolderPath(home.Home);  // something held before
    int loadedChanges = 0;
    loaded.SetOnChange([&](TObject*) { ++loadedChanges; });
    // The record in a block of exactly its size: the sanitizers see any read
    // past it, here or later when the list is walked.
    TMemoryStream stream;
    if (!c.record.empty()) stream.WriteBuffer(c.record.data(), static_cast<int>(c.record.size()));
    stream.SetPosition(0);
    loaded.ReadPidl(&stream);
    EXPECT_EQ(ComparePidls(loaded.GetPidl(), nullptr), 0) << c.what;
    EXPECT_EQ(loaded.GetFolderPath(), Shown(home.Desktop)) << c.what;
    EXPECT_EQ(loadedChanges, 0) << c.what;
  }
}

TEST_F(LocatorTest, AWellFormedRecordIsTakenExactly) {
  const std::string folder = Shown(home.MakeFolder("kits"));
  TShellPidl list;
  ASSERT_EQ(PathToPidl(folder, &list.p), S_OK);
  const std::string bytes(reinterpret_cast<const char*>(list.p), static_cast<std::size_t>(PidlSize(list.p)));
  TMemoryStream stream;
  const std::string record = Kind0(static_cast<std::uint32_t>(bytes.size()), bytes);
  stream.WriteBuffer(record.data(), static_cast<int>(record.size()));
  stream.SetPosition(0);
  locator.ReadPidl(&stream);
  EXPECT_EQ(locator.GetFolderPath(), folder);
  EXPECT_EQ(changes, 0);

  TMemoryStream written;
  locator.WritePidl(&written);
  EXPECT_EQ(std::string(static_cast<const char*>(written.GetMemory()), static_cast<std::size_t>(written.GetSize())),
            record);
}

}  // namespace
