// Panels and the scroll box: the bevel in the scroll box's non-client area,
// the corner between its scroll bars, the panel bevel and its children's
// layout, and a picture of them together.
#include <gtest/gtest.h>

#include "controls/styled/styctrl.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"

namespace {

using styledtest::Rgb;
using styledtest::Sheet;
using styledtest::StyledProcs;

class PanelTest : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(50, 50, 420, 300);
    form->SetColor(clWhite);
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  void ShowForm() {
    form->Show();
    Pump();
  }
  // The window's pixels as they are on screen, frame included.
  void Grab(TWinControl* control, Sheet& sheet) {
    HDC dc = GetWindowDC(control->GetHandle());
    BitBlt(sheet.Canvas()->GetHandle(), 0, 0, control->GetWidth(), control->GetHeight(), dc, 0, 0, SRCCOPY);
    ReleaseDC(control->GetHandle(), dc);
  }
  // The client rectangle in window coordinates.
  RECT ClientInWindow(TWinControl* control) {
    RECT window{}, client{};
    GetWindowRect(control->GetHandle(), &window);
    GetClientRect(control->GetHandle(), &client);
    POINT origin{0, 0};
    ClientToScreen(control->GetHandle(), &origin);
    OffsetRect(&client, origin.x - window.left, origin.y - window.top);
    return client;
  }
  TStyScrollBox* NewScrollBox(TStyBevelMode mode, TStyBorderStyle style) {
    auto* box = new TStyScrollBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 120);
    box->GetBevel()->SetMode(mode);
    box->GetBevel()->SetStandardStyle(style);
    return box;
  }
  TForm* form = nullptr;
};

TEST_F(PanelTest, ScrollBoxBevelTakesItsWidthFromTheClientArea) {
  struct Case {
    const char* name;
    TStyBevelMode mode;
    TStyBorderStyle style;
    int inset;  // client area inset on each side
    bool clientEdge;
  };
  const Case cases[] = {
      {"standard lowered", bmStandard, lsLowered, 2, false},
      {"standard single", bmStandard, lsSingle, 1, false},
      {"standard none", bmStandard, lsNone, 0, false},
      {"windows", bmWindows, lsLowered, 2, true},  // the system's client edge
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TStyScrollBox* box = NewScrollBox(c.mode, c.style);
    ShowForm();
    const LONG_PTR ex = GetWindowLongPtrA(box->GetHandle(), GWL_EXSTYLE);
    EXPECT_EQ((ex & WS_EX_CLIENTEDGE) != 0, c.clientEdge);
    EXPECT_EQ(box->GetClientWidth(), 200 - 2 * c.inset);
    EXPECT_EQ(box->GetClientHeight(), 120 - 2 * c.inset);
    const RECT client = ClientInWindow(box);
    EXPECT_EQ(client.left, c.inset);
    EXPECT_EQ(client.top, c.inset);
    delete box;
  }
}

TEST_F(PanelTest, SwitchingTheScrollBoxFromWindowsToStandardRemakesTheWindow) {
  TStyScrollBox* box = NewScrollBox(bmWindows, lsLowered);
  ShowForm();
  EXPECT_NE(GetWindowLongPtrA(box->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  box->GetBevel()->SetMode(bmStandard);
  Pump();
  EXPECT_EQ(GetWindowLongPtrA(box->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(box->GetClientWidth(), 196);
  // The box paints the frame itself, as the bevel draws it.
  Pump();
  Sheet sheet(200, 120), expected(200, 120);
  Grab(box, sheet);
  box->GetBevel()->PaintBevel(expected.Canvas(), TRect(0, 0, 200, 120), false);
  for (int x = 0; x < 200; x += 7)
    for (int y : {0, 1, 118, 119}) ASSERT_EQ(sheet.At(x, y), expected.At(x, y)) << x << "," << y;
  for (int y = 0; y < 120; y += 7)
    for (int x : {0, 1, 198, 199}) ASSERT_EQ(sheet.At(x, y), expected.At(x, y)) << x << "," << y;
  EXPECT_NE(sheet.At(0, 60), sheet.At(199, 60));  // lowered: dark and light sides
}

TEST_F(PanelTest, CornerBetweenBothScrollBarsTakesTheBoxColor) {
  struct Case {
    const char* name;
    TStyBevelMode mode;
    int inset;  // from the window's right and bottom edges to the corner
  };
  const Case cases[] = {{"standard", bmStandard, 2}, {"windows", bmWindows, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TStyScrollBox* box = NewScrollBox(c.mode, lsLowered);
    box->SetColor(clRed);
    auto* big = new TStySimplePanel(form);
    big->SetParent(box);
    big->SetBounds(0, 0, 400, 300);
    ShowForm();
    ASSERT_TRUE(box->BothScrollBarsVisible());
    Sheet sheet(200, 120, clBlack);
    Grab(box, sheet);
    const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    const int right = 200 - c.inset, bottom = 120 - c.inset;
    // The whole corner square is red, its neighbours the scroll bars are not.
    for (int y = bottom - cy; y < bottom; ++y)
      for (int x = right - cx; x < right; ++x) ASSERT_EQ(sheet.At(x, y), Rgb(clRed)) << x << "," << y;
    EXPECT_NE(sheet.At(right - cx - 1, bottom - 2), Rgb(clRed));
    EXPECT_NE(sheet.At(right - 2, bottom - cy - 1), Rgb(clRed));
    // The bevel lies outside the scroll bars.
    EXPECT_NE(sheet.At(199, 119), Rgb(clRed));
    delete box;
  }
}

TEST_F(PanelTest, BevelPanelAlignsItsChildrenInsideTheBevel) {
  auto* panel = new TStySimplePanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 150, 80);
  panel->GetBevel()->SetMode(bmStandard);
  panel->GetBevel()->SetStandardStyle(lsRaised);
  auto* child = new TStySimplePanel(form);
  child->SetParent(panel);
  child->SetAlign(alClient);
  ShowForm();
  EXPECT_EQ(child->GetBoundsRect(), TRect(2, 2, 148, 78));
  // A change of the bevel lays the children out again.
  panel->GetBevel()->SetStandardStyle(lsSingle);
  EXPECT_EQ(child->GetBoundsRect(), TRect(1, 1, 149, 79));
}

TEST_F(PanelTest, TransparentWithoutABackgroundProviderPaintsLikeOpaque) {
  auto* outer = new TStySimplePanel(form);
  outer->SetParent(form);
  outer->SetBounds(10, 10, 200, 150);
  outer->SetColor(clYellow);
  auto* inner = new TStySimplePanel(form);
  inner->SetParent(outer);
  inner->SetBounds(20, 20, 100, 60);
  inner->SetColor(clAqua);
  inner->SetTransparent(true);
  auto* box = new TStyScrollBox(form);
  box->SetParent(outer);
  box->SetBounds(20, 90, 100, 50);
  box->SetColor(clLime);
  box->SetTransparent(true);
  ShowForm();
  EXPECT_FALSE(inner->IsBackgroundProvider());
  EXPECT_FALSE(inner->UsesParentBackground());
  EXPECT_EQ(inner->BackBitmap(), nullptr);
  EXPECT_FALSE(box->UsesParentBackground());
  Sheet sheet(200, 150);
  Grab(outer, sheet);
  EXPECT_EQ(sheet.At(60, 50), Rgb(clAqua));
  EXPECT_EQ(sheet.At(60, 115), Rgb(clLime));
  EXPECT_EQ(sheet.At(5, 5), Rgb(clYellow));
}

TEST_F(PanelTest, PanelAndScrollBoxReadFromAFormText) {
  TStringStream text(
      "object Holder: TStySimplePanel\r\n"
      "  Left = 0\r\n"
      "  Top = 0\r\n"
      "  Width = 300\r\n"
      "  Height = 200\r\n"
      "  Bevel.Mode = bmStandard\r\n"
      "  Bevel.StandardStyle = lsRaised\r\n"
      "  Locked = True\r\n"
      "  object Grid: TStyScrollBox\r\n"
      "    Left = 10\r\n"
      "    Top = 10\r\n"
      "    Width = 200\r\n"
      "    Height = 120\r\n"
      "    Bevel.Mode = bmStandard\r\n"
      "    Bevel.StandardStyle = lsNone\r\n"
      "    InstantUpdate = False\r\n"
      "  end\r\n"
      "end\r\n");
  TMemoryStream binary;
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  auto* holder = new TStySimplePanel(form);
  ReadComponent(&binary, holder);
  holder->SetParent(form);
  EXPECT_TRUE(holder->GetLocked());
  EXPECT_EQ(holder->GetBevel()->GetStandardStyle(), lsRaised);
  ASSERT_EQ(holder->GetControlCount(), 1);
  auto* grid = dynamic_cast<TStyScrollBox*>(holder->GetControls(0));
  ASSERT_NE(grid, nullptr);
  EXPECT_FALSE(grid->GetInstantUpdate());
  EXPECT_EQ(grid->GetBorderStyle(), bsNone);
  ShowForm();
  // lsNone takes no room: the client area is the whole box.
  EXPECT_EQ(grid->GetClientWidth(), 200);
  EXPECT_EQ(grid->GetClientHeight(), 120);
  EXPECT_EQ(GetWindowLongPtrA(grid->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(PanelTest, PictureOfPanelsAndScrollBox) {
  form->SetColor(clBtnFace);
  struct Look {
    TStyBevelMode mode;
    TStyBorderStyle style;
  };
  const Look looks[] = {{bmStandard, lsRaised},       {bmStandard, lsLowered}, {bmStandard, lsFrameInset},
                        {bmStandard, lsDoubleRaised}, {bmWindows, lsNone},     {bmStandard, lsSingle}};
  int i = 0;
  for (const auto& look : looks) {
    auto* panel = new TStySimplePanel(form);
    panel->SetParent(form);
    panel->SetBounds(10 + (i % 3) * 130, 10 + (i / 3) * 70, 120, 60);
    panel->GetBevel()->SetMode(look.mode);
    panel->GetBevel()->SetStandardStyle(look.style);
    ++i;
  }
  auto* custom = new TStySimplePanel(form);
  custom->SetParent(form);
  custom->SetBounds(10, 150, 120, 100);
  custom->GetBevel()->SetStyleOuter(bvRaised);
  custom->GetBevel()->SetStyleInner(bvLowered);
  custom->GetBevel()->SetBorderWidth(3);
  custom->GetBevel()->SetWidthOuter(2);
  TStyScrollBox* box = NewScrollBox(bmStandard, lsLowered);
  box->SetBounds(140, 150, 250, 100);
  box->SetColor(clRed);
  for (int k = 0; k < 4; ++k) {
    auto* cell = new TStySimplePanel(form);
    cell->SetParent(box);
    cell->SetBounds(k * 90, k * 40, 80, 30);
    cell->SetColor(k % 2 ? clSilver : clWhite);
    cell->GetBevel()->SetMode(bmStandard);
    cell->GetBevel()->SetStandardStyle(lsRaised);
  }
  // A window-less control with a bevel, on the custom panel.
  auto* graphic = new TStyGraphicControl(form);
  graphic->SetParent(custom);
  graphic->SetBounds(30, 30, 50, 30);
  graphic->GetBevel()->SetMode(bmStandard);
  graphic->GetBevel()->SetStandardStyle(lsRaised);
  ShowForm();
  Sheet sheet(form->GetWidth(), form->GetHeight());
  Grab(form, sheet);
  // The graphic control's frame is there, and it is transparent inside.
  Sheet expected(50, 30, clBtnFace);
  graphic->GetBevel()->PaintBevel(expected.Canvas(), TRect(0, 0, 50, 30), true);
  const TPoint at = graphic->ClientToScreen(TPoint(0, 0));
  RECT window{};
  GetWindowRect(form->GetHandle(), &window);
  const int gx = at.X - window.left, gy = at.Y - window.top;
  for (TPoint p : {TPoint(0, 0), TPoint(49, 29), TPoint(25, 1), TPoint(25, 15)})
    EXPECT_EQ(sheet.At(gx + p.X, gy + p.Y), expected.At(p.X, p.Y)) << p.X << "," << p.Y;
  EXPECT_TRUE(styledtest::SavePicture(sheet.bitmap.get(), "panel_scrollbox.png"));
  EXPECT_TRUE(box->BothScrollBarsVisible());
}

}  // namespace
