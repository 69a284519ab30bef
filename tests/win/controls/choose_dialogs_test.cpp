// The colour and font dialogs, driven through their controls while they run.
#include <cstring>
#include <memory>

#include "controls_fixture.h"
#include "platform/win/commdlg.h"
#include "platform/win/drums_ext.h"
#include "platform/win/user/message_box.h"

using namespace controlstest;

namespace {

class ChooseDialogsTest : public ControlsTest {
 protected:
  void WhileOpen(std::vector<std::function<void(HWND)>> steps) {
    auto next = std::make_shared<size_t>(0);  // the hook may be copied between calls
    win::user::SetIdleHook([steps, next]() {
      HWND dlg = FindWindowA("CommonDialogFrame", nullptr);
      if (!dlg || !IsWindowVisible(dlg) || *next >= steps.size()) return true;
      steps[(*next)++](dlg);
      PostMessageA(dlg, WM_NULL, 0, 0);
      return false;
    });
  }
  static void Click(HWND dlg, int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }
};

TEST_F(ChooseDialogsTest, TheColourDialogReturnsTheChosenAndCustomColours) {
  COLORREF custom[16] = {};
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = parent;
  cc.rgbResult = RGB(255, 255, 0);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  std::string red;
  WhileOpen({
      [&](HWND dlg) {
        char buf[8] = {};
        GetWindowTextA(GetDlgItem(dlg, 706), buf, sizeof buf);
        red = buf;
        // Typed values make the colour; "Add to Custom Colors" keeps it.
        SetWindowTextA(GetDlgItem(dlg, 706), "10");
        SetWindowTextA(GetDlgItem(dlg, 707), "20");
        SetWindowTextA(GetDlgItem(dlg, 708), "30");
        Click(dlg, 712);
      },
      [&](HWND dlg) { Click(dlg, IDOK); },
  });
  ASSERT_TRUE(ChooseColorA(&cc));
  EXPECT_EQ(red, "255") << "starts at the given colour";
  EXPECT_EQ(cc.rgbResult, RGB(10, 20, 30));
  EXPECT_EQ(custom[0], RGB(10, 20, 30));

  // A click on a basic swatch, then Cancel: nothing changes.
  WhileOpen({
      [&](HWND dlg) { Click(dlg, 0x0800); },
      [&](HWND dlg) { Click(dlg, IDCANCEL); },
  });
  EXPECT_FALSE(ChooseColorA(&cc));
  EXPECT_EQ(cc.rgbResult, RGB(10, 20, 30));
  cc.lStructSize = 4;
  EXPECT_FALSE(ChooseColorA(&cc));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

TEST_F(ChooseDialogsTest, TheFontDialogFillsTheLogicalFont) {
  LOGFONTA lf{};
  lf.lfHeight = -16;  // 12 points
  strcpy(lf.lfFaceName, "Arial");
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = parent;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
  cf.rgbColors = RGB(255, 0, 0);
  std::string face, size;
  WhileOpen({
      [&](HWND dlg) {
        char buf[64] = {};
        GetWindowTextA(GetDlgItem(dlg, cmb1), buf, sizeof buf);
        face = buf;
        GetWindowTextA(GetDlgItem(dlg, cmb3), buf, sizeof buf);
        size = buf;
        HWND styles = GetDlgItem(dlg, cmb2);
        SendMessageA(styles, CB_SETCURSEL, 3, 0);  // Bold Italic
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
        SetWindowTextA(GetDlgItem(dlg, cmb3), "20");
        Click(dlg, chx2);  // underline
        Click(dlg, IDOK);
      },
  });
  ASSERT_TRUE(ChooseFontA(&cf));
  EXPECT_EQ(face, "Arial");
  EXPECT_EQ(size, "12");
  EXPECT_EQ(cf.iPointSize, 200);
  EXPECT_EQ(lf.lfHeight, -27);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_FALSE(lf.lfStrikeOut);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  EXPECT_EQ(cf.rgbColors, RGB(255, 0, 0));
  EXPECT_EQ(cf.nFontType & (BOLD_FONTTYPE | ITALIC_FONTTYPE), BOLD_FONTTYPE | ITALIC_FONTTYPE);

  // A size that is no number keeps the dialog open.
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  WhileOpen({
      [&](HWND dlg) {
        SetWindowTextA(GetDlgItem(dlg, cmb3), "big");
        Click(dlg, IDOK);
      },
      [&](HWND dlg) { Click(dlg, IDCANCEL); },
  });
  EXPECT_FALSE(ChooseFontA(&cf));
  win::user::SetMessageBoxAnswer(nullptr);
  EXPECT_EQ(win::user::TakeMessageBoxRecords().size(), 1u);
  EXPECT_EQ(cf.iPointSize, 200) << "a cancel changes nothing";
}

}  // namespace
