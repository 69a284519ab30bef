// A picture of a form with its menu bar and an open popup menu holding
// checked, radio, disabled, separator and shortcut items; saved for the
// gallery of controls when DRUMS_CONTROL_PICTURES names a folder.
#include "fixture.h"

namespace menustest {
namespace {

using MenuPicture = MenusTest;

TEST_F(MenuPicture, FormWithMenuBarAndOpenPopup) {
  TForm* form = MakeForm(360, 220);
  form->SetCaption("Brenkavar Tambrel");
  auto* bar = new TMainMenu(form);
  for (const char* caption : {"&File", "&Edit", "&Track", "&Options", "&Help"}) AddItem(bar->GetItems(), caption, form);
  form->SetMenu(bar);
  auto* popup = new TPopupMenu(form);
  TMenuItem* items = popup->GetItems();
  AddItem(items, "Clear &Track", form)->SetShortCut(TextToShortCut("Ctrl+T"));
  AddItem(items, "&Paste Pattern", form)->SetEnabled(false);
  AddItem(items, "-", form);
  TMenuItem* sixteenth = AddItem(items, "&16th Notes", form);
  TMenuItem* thirtySecond = AddItem(items, "&32nd Notes", form);
  for (TMenuItem* radio : {sixteenth, thirtySecond}) {
    radio->SetRadioItem(true);
    radio->SetGroupIndex(1);
  }
  thirtySecond->SetChecked(true);
  AddItem(items, "-", form);
  AddItem(items, "&Humanize", form)->SetChecked(true);
  AddItem(items, "Play &Wave", form)->SetShortCut(TextToShortCut("Shift+F5"));
  TMenuItem* more = AddItem(items, "&Kits", form);
  AddItem(more, "Garage", form);
  Pump();

  RECT area;
  GetWindowRect(form->GetHandle(), &area);
  area.right += 80;
  area.bottom += 60;
  RECT popupRect{};
  std::vector<std::uint32_t> shot;
  int passes = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow) return;
    switch (passes++) {
      case 0: QueueKey(form->GetHandle(), VK_DOWN); return;  // the first item highlighted
      case 1:
        UpdateWindow(menuWindow);
        GetWindowRect(menuWindow, &popupRect);
        shot = Desktop(area, "menus_form_and_popup");
        PostMessageA(menuWindow, WM_NULL, 0, 0);
        return;
      default: EndMenu(); return;
    }
  };
  RECT client;
  GetClientRect(form->GetHandle(), &client);
  POINT at{client.left + 180, client.top + 40};
  ClientToScreen(form->GetHandle(), &at);
  popup->Popup(at.x, at.y);
  ASSERT_FALSE(shot.empty());
  EXPECT_EQ(popupRect.left, at.x);
  EXPECT_EQ(popupRect.top, at.y);
  // The popup shows over the form: inside its rectangle the picture holds
  // the menu's text (dark pixels) on the menu colour.
  int w = area.right - area.left;
  int dark = 0;
  for (int y = popupRect.top; y < popupRect.bottom; y++)
    for (int x = popupRect.left; x < popupRect.right; x++) {
      std::uint32_t p =
          shot[static_cast<size_t>(y - area.top) * static_cast<size_t>(w) + static_cast<size_t>(x - area.left)];
      if (((p >> 16) & 0xFF) < 64 && ((p >> 8) & 0xFF) < 64 && (p & 0xFF) < 64) dark++;
    }
  EXPECT_GT(dark, 200);
}

}  // namespace
}  // namespace menustest
