// MessageBoxIndirectA: the same box as MessageBoxA, described by a record,
// with its own icon from a module's resources.
#include <cstring>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/win/resource/resources.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/user/message_box.h"
#include "platform/win/windows.h"

using namespace usertest;

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

void Put16(std::vector<BYTE>& b, unsigned v) {
  b.push_back(static_cast<BYTE>(v));
  b.push_back(static_cast<BYTE>(v >> 8));
}
void Put32(std::vector<BYTE>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A module whose icon group "PAD" holds one opaque 32 x 32 magenta image.
HINSTANCE IconModule() {
  static const std::vector<BYTE> image = [] {
    std::vector<BYTE> b;
    Put32(b, 40);
    Put32(b, 32);
    Put32(b, 64);  // colour rows and mask rows
    Put16(b, 1);
    Put16(b, 24);
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    for (int i = 0; i < 32 * 32; ++i) b.insert(b.end(), {0xFF, 0x00, 0xFF});
    b.insert(b.end(), 32 * 4, 0);  // the mask: nothing shows through
    return b;
  }();
  static const std::vector<BYTE> group = [] {
    std::vector<BYTE> b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, 1);
    b.insert(b.end(), {32, 32, 0, 0});
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, static_cast<std::uint32_t>(image.size()));
    Put16(b, 7);
    return b;
  }();
  static const win::resource::Record records[] = {
      {3, nullptr, 7, nullptr, image.data(), image.size()},  // RT_ICON 7
      {14, nullptr, 0, "PAD", group.data(), group.size()},  // RT_GROUP_ICON "PAD"
  };
  win::resource::RegisterModule("msgbox_icon_test", false, records, 2);
  return win::resource::ModuleByName("msgbox_icon_test");
}

class MessageBoxIndirect : public UserTest {
 protected:
  void TearDown() override {
    win::user::SetIdleHook(nullptr);
    UserTest::TearDown();
  }
};

TEST_F(MessageBoxIndirect, ShowsTheRecordsTextCaptionAndIcon) {
  HINSTANCE module = IconModule();
  ASSERT_NE(module, nullptr);
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  struct Case {
    const char* name;
    HINSTANCE instance;
    LPCSTR icon;
    DWORD style;
    std::uint32_t iconPixel;  // inside the icon, above its centre; 0: no icon
  };
  const Case cases[] = {
      {"own icon from the module", module, "PAD", MB_OK | MB_USERICON, kMagenta},
      {"system icon without a module", nullptr, IDI_HAND, MB_OK | MB_USERICON, 0xFF0000},
      {"missing icon leaves none", module, "NONE", MB_OK | MB_USERICON, 0},
      {"a standard icon ignores lpszIcon", module, "PAD", MB_OK | MB_ICONHAND, 0xFF0000},
  };
  int widthWithIcon = 0;  // the same text and one button in every case
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool ownerDisabled = false;
    std::uint32_t iconPixel = 0;
    std::string caption;
    int clientWidth = 0;
    win::user::SetIdleHook([&] {
      HWND box = win::user::CurrentMessageBox();
      if (!box) return false;
      ownerDisabled = !IsWindowEnabled(owner);
      char text[64] = {};
      GetWindowTextA(box, text, sizeof text);
      caption = text;
      RECT client;
      GetClientRect(box, &client);
      clientWidth = client.right;
      // Above the icon's middle (11 + 16 into the client area), clear of a cross.
      POINT p{27, 17};
      ClientToScreen(box, &p);
      RECT wr;
      GetWindowRect(box, &wr);
      iconPixel = Pixel(box, p.x - wr.left, p.y - wr.top);
      PostMessageA(box, WM_CLOSE, 0, 0);
      return false;
    });
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = owner;
    params.hInstance = c.instance;
    params.lpszText = "Load the kit \"Garage\"?";
    params.lpszCaption = "Kit";
    params.dwStyle = c.style;
    params.lpszIcon = c.icon;
    EXPECT_EQ(MessageBoxIndirectA(&params), IDOK) << "closing an OK box";
    win::user::SetIdleHook(nullptr);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(caption, "Kit");
    if (c.iconPixel) {
      EXPECT_EQ(iconPixel, c.iconPixel) << std::hex << iconPixel;
      EXPECT_EQ(clientWidth, widthWithIcon ? widthWithIcon : clientWidth);
      widthWithIcon = clientWidth;
    } else {
      // No room is kept for it: the text moves left by the icon and its gap.
      EXPECT_NE(iconPixel, kMagenta);
      EXPECT_EQ(clientWidth, widthWithIcon - 32 - 11);
    }
    const auto records = win::user::TakeMessageBoxRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "Load the kit \"Garage\"?");
    EXPECT_EQ(records[0].type, c.style);
  }
}

TEST_F(MessageBoxIndirect, AnAutomaticAnswerSkipsTheBox) {
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDNO; });
  MSGBOXPARAMSA params{};
  params.cbSize = sizeof params;
  params.lpszText = "Quit?";
  params.dwStyle = MB_YESNO | MB_USERICON;
  EXPECT_EQ(MessageBoxIndirectA(&params), IDNO);
  win::user::SetMessageBoxAnswer(nullptr);
  const auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(records[0].automatic);
  EXPECT_EQ(records[0].caption, "Error") << "the default caption, as MessageBoxA gives";
}

}  // namespace
