// Popup menus: a right click on a control pops its menu up through the
// window manager's menu loop, OnPopup first (even with no items), and the
// chosen item's OnClick follows.
#include <deque>
#include <functional>

#include "fixture.h"

namespace menustest {
namespace {

class PopupMenus : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    form = MakeForm();
    button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 100, 30);
    popup = new TPopupMenu(form);
    button->SetPopupMenu(popup);
    Pump();
  }
  // Steps run one per idle pass while a popup is open; once they are used
  // up the menu is closed, so that a test never hangs in the loop.
  void WhileOpen(std::deque<std::function<void()>> steps) {
    script = std::move(steps);
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      HWND menuWindow = FindWindowA("#32768", nullptr);
      if (!menuWindow) return;
      passes++;
      if (script.empty()) {
        EndMenu();
        return;
      }
      auto step = script.front();
      script.pop_front();
      step();
      // The loop wakes for the next step (the clock stands still).
      PostMessageA(menuWindow, WM_NULL, 0, 0);
    };
  }
  void RightClickButton() {
    RECT r;
    GetWindowRect(button->GetHandle(), &r);
    Click(r.left + 10, r.top + 10, host::MouseButton::Right);
    Pump();
  }
  TForm* form = nullptr;
  TButton* button = nullptr;
  TPopupMenu* popup = nullptr;
  std::deque<std::function<void()>> script;
  int passes = 0;
};

TEST_F(PopupMenus, AMenuWithoutItemsStillFiresOnPopupOnARightClick) {
  std::vector<TObject*> senders;
  popup->OnPopup = [&](TObject* sender) { senders.push_back(sender); };
  RightClickButton();
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], popup);
  EXPECT_EQ(popup->GetPopupComponent(), button);
  RECT r;
  GetWindowRect(button->GetHandle(), &r);
  EXPECT_EQ(popup->GetPopupPoint(), TPoint(r.left + 10, r.top + 10)) << "popped up where the button was clicked";

  // Without AutoPopup the right click leaves the menu alone.
  popup->SetAutoPopup(false);
  RightClickButton();
  EXPECT_EQ(senders.size(), 1u);
}

TEST_F(PopupMenus, TheChosenItemIsClickedAndADisabledOneIsNot) {
  std::vector<std::string> clicks;
  TMenuItem* first = AddItem(popup->GetItems(), "&First", form);
  TMenuItem* off = AddItem(popup->GetItems(), "&Off", form);
  TMenuItem* last = AddItem(popup->GetItems(), "&Last", form);
  off->SetEnabled(false);
  for (TMenuItem* item : {first, off, last})
    item->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->GetCaption()); };
  // OnPopup may still change the items: the loop shows what it left.
  popup->OnPopup = [&](TObject*) { last->SetCaption("&Last one"); };
  HWND top = form->GetHandle();
  // Enter on the highlighted grayed item chooses nothing; the menu stays.
  WhileOpen({[&] { QueueKey(top, VK_DOWN); }, [&] { QueueKey(top, VK_DOWN); }, [&] { QueueKey(top, VK_RETURN); },
             [&] { QueueKey(top, VK_DOWN); }, [&] { QueueKey(top, VK_RETURN); }});
  RightClickButton();
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Last one"}));

  clicks.clear();
  WhileOpen({[&] { QueueKey(top, 'O'); }, [&] { QueueKey(top, VK_ESCAPE); }});
  RightClickButton();
  EXPECT_TRUE(clicks.empty()) << "the mnemonic of a disabled item chooses nothing";

  // Popup(X, Y) from code, and the item's OnClick reached through the
  // command the loop posted.
  WhileOpen({[&] { QueueKey(top, 'F'); }});
  popup->Popup(300, 300);
  Pump();
  EXPECT_EQ(clicks, (std::vector<std::string>{"&First"}));
}

TEST_F(PopupMenus, AlignmentAndTrackButtonGiveTheTrackFlags) {
  EXPECT_EQ(popup->TrackFlags(), static_cast<UINT>(TPM_LEFTALIGN | TPM_RIGHTBUTTON));
  popup->SetAlignment(paRight);
  popup->SetTrackButton(tbLeftButton);
  EXPECT_EQ(popup->TrackFlags(), static_cast<UINT>(TPM_RIGHTALIGN | TPM_LEFTBUTTON));
  popup->SetAlignment(paCenter);
  EXPECT_EQ(popup->TrackFlags() & (TPM_CENTERALIGN | TPM_RIGHTALIGN), static_cast<UINT>(TPM_CENTERALIGN));

  // A right-aligned menu ends at the point.
  AddItem(popup->GetItems(), "Item", form);
  popup->SetAlignment(paRight);
  RECT shown{};
  WhileOpen({[&] { GetWindowRect(FindWindowA("#32768", nullptr), &shown); }});
  popup->Popup(400, 300);
  EXPECT_EQ(shown.right, 400);
  EXPECT_EQ(shown.top, 300);
}

TEST_F(PopupMenus, FreeingThePopupComponentClearsIt) {
  RightClickButton();
  EXPECT_EQ(popup->GetPopupComponent(), button);
  delete button;
  EXPECT_EQ(popup->GetPopupComponent(), nullptr);
}

TEST_F(PopupMenus, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  popup->SetOwnerDraw(true);
  TMenuItem* item = AddItem(popup->GetItems(), "Drawn", form);
  TMenuItem* plain = AddItem(popup->GetItems(), "Plain", form);
  std::vector<bool> drawnSelected;
  item->OnMeasureItem = [](TObject*, TCanvas*, int& w, int& h) {
    w = 150;
    h = 30;
  };
  item->OnDrawItem = [&](TObject*, TCanvas* canvas, TRect r, bool selected) {
    drawnSelected.push_back(selected);
    EXPECT_EQ(r.Bottom - r.Top, 30);
    canvas->FillRect(r);
  };
  RECT shown{};
  HWND top = form->GetHandle();
  WhileOpen({[&] { GetWindowRect(FindWindowA("#32768", nullptr), &shown); }, [&] { QueueKey(top, VK_DOWN); }});
  popup->Popup(200, 200);
  ASSERT_FALSE(drawnSelected.empty());
  EXPECT_FALSE(drawnSelected.front()) << "first drawn without the highlight";
  EXPECT_TRUE(drawnSelected.back()) << "then highlighted by Down";
  EXPECT_GE(shown.right - shown.left, 150) << "the measured width makes the popup wide enough";
  EXPECT_NE(plain->GetCommand(), item->GetCommand());
}

}  // namespace
}  // namespace menustest
