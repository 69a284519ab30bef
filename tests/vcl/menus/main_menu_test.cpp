// Main menus: the form's menu bar shows the items as they are now, menu
// commands and shortcut keys reach the items, radio items keep one checked
// per group, and menus stream with their nested items.
#include <algorithm>

#include "fixture.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/streams/MemoryStream.h"
#include "support/FormText.h"

namespace menustest {
namespace {

class MainMenus : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    form = MakeForm();
    menu = new TMainMenu(form);
    file = AddItem(menu->GetItems(), "&File", form);
    open = AddItem(file, "&Open", form);
    save = AddItem(file, "&Save", form);
    save->SetShortCut(TextToShortCut("Ctrl+S"));
    edit = AddItem(menu->GetItems(), "&Edit", form);
    form->SetMenu(menu);
    Pump();
  }
  HMENU Bar() { return GetMenu(form->GetHandle()); }
  std::vector<std::string> Entries(HMENU m) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(m); i++) out.push_back(EntryText(m, i));
    return out;
  }
  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *open = nullptr, *save = nullptr, *edit = nullptr;
};

TEST_F(MainMenus, TheFormShowsTheMenuAsItsBar) {
  ASSERT_EQ(Bar(), menu->GetHandle());
  EXPECT_EQ(Entries(Bar()), (std::vector<std::string>{"&File", "&Edit"}));
  EXPECT_EQ(GetSubMenu(Bar(), 0), file->GetHandle());
  EXPECT_EQ(Entries(file->GetHandle()), (std::vector<std::string>{"&Open", "&Save\tCtrl+S"}));
  EXPECT_EQ(GetSubMenu(Bar(), 1), nullptr) << "an item without entries opens nothing";

  form->SetMenu(nullptr);
  EXPECT_EQ(Bar(), nullptr);
  form->SetMenu(menu);
  EXPECT_EQ(Bar(), menu->GetHandle());
  // Freeing the menu takes the bar away with it.
  delete menu;
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(form->GetMenu(), nullptr);
}

TEST_F(MainMenus, ItemsAddedChangedAndDeletedAtRunTimeShowInTheBar) {
  TMenuItem* help = AddItem(menu->GetItems(), "&Help", form);
  EXPECT_EQ(Entries(Bar()), (std::vector<std::string>{"&File", "&Edit", "&Help"}));
  auto* recent = new TMenuItem(form);
  recent->SetCaption("1 Groove.bkv");
  file->Insert(1, recent);
  auto* line = new TMenuItem(form);
  line->SetCaption("-");
  file->Insert(2, line);
  EXPECT_EQ(Entries(file->GetHandle()), (std::vector<std::string>{"&Open", "1 Groove.bkv", "", "&Save\tCtrl+S"}));
  EXPECT_NE(GetMenuState(file->GetHandle(), 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);

  // An entry gained by an item makes it open a submenu.
  AddItem(edit, "&Copy", form);
  ASSERT_NE(GetSubMenu(Bar(), 1), nullptr);
  EXPECT_EQ(Entries(GetSubMenu(Bar(), 1)), (std::vector<std::string>{"&Copy"}));

  recent->SetCaption("1 Shuffle.bkv");
  save->SetEnabled(false);
  open->SetVisible(false);
  EXPECT_EQ(Entries(file->GetHandle()), (std::vector<std::string>{"1 Shuffle.bkv", "", "&Save\tCtrl+S"}));
  EXPECT_NE(GetMenuState(file->GetHandle(), 2, MF_BYPOSITION) & MF_GRAYED, 0u);

  delete recent;
  file->Delete(file->IndexOf(line));
  delete line;
  delete help;
  EXPECT_EQ(Entries(Bar()), (std::vector<std::string>{"&File", "&Edit"}));
  EXPECT_EQ(Entries(file->GetHandle()), (std::vector<std::string>{"&Save\tCtrl+S"}));

  // An item sits in one menu only.
  EXPECT_THROW(edit->Add(save), EMenuError);
  EXPECT_THROW(file->GetItem(5), EMenuError);
}

TEST_F(MainMenus, MenuCommandsAndShortcutsClickTheItem) {
  std::vector<std::string> clicks;
  for (TMenuItem* item : {open, save})
    item->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->GetCaption()); };
  HWND top = form->GetHandle();
  // Alt+F opens the File menu; O chooses Open.
  QueueKey(top, 'F', host::ModAlt);
  QueueKey(top, 'O');
  Pump();
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Open"}));

  clicks.clear();
  Key(top, 'S', host::ModCtrl);
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Save"})) << "Ctrl+S on the form";
  Key(top, 'S');
  EXPECT_EQ(clicks.size(), 1u) << "S alone is no shortcut";

  // The shortcut also works while a control of the form has the focus.
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetFocus();
  Pump();
  Key(top, 'S', host::ModCtrl);
  EXPECT_EQ(clicks.size(), 2u);

  // A disabled item's shortcut does nothing; neither does one of an item in
  // a hidden submenu.
  save->SetEnabled(false);
  Key(top, 'S', host::ModCtrl);
  save->SetEnabled(true);
  file->SetVisible(false);
  Key(top, 'S', host::ModCtrl);
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(MainMenus, ShortcutsWithShiftAndAltReachTheirItems) {
  std::vector<TShortCut> fired;
  for (const char* text : {"Shift+F5", "Alt+Del", "Ctrl+Shift+Z"}) {
    TMenuItem* item = AddItem(edit, text, form);
    item->SetShortCut(TextToShortCut(text));
    item->OnClick = [&fired](TObject* sender) { fired.push_back(static_cast<TMenuItem*>(sender)->GetShortCut()); };
  }
  HWND top = form->GetHandle();
  Key(top, VK_F5, host::ModShift);
  Key(top, VK_DELETE, host::ModAlt);
  Key(top, 'Z', host::ModCtrl | host::ModShift);
  Key(top, VK_F5);
  EXPECT_EQ(fired, (std::vector<TShortCut>{scShift | VK_F5, scAlt | VK_DELETE, scCtrl | scShift | 'Z'}));
}

TEST_F(MainMenus, ARadioItemCheckedUnchecksTheOthersOfItsGroup) {
  TMenuItem* options = AddItem(menu->GetItems(), "&Options", form);
  std::vector<TMenuItem*> items;
  // Group 1: three radio items; group 2: one radio item; a plain checked item.
  for (int i = 0; i < 5; i++) {
    TMenuItem* item = AddItem(options, "Item " + std::to_string(i), form);
    item->SetRadioItem(i < 4);
    item->SetGroupIndex(i < 3 ? 1 : 2);
    items.push_back(item);
  }
  items[4]->SetChecked(true);
  items[3]->SetChecked(true);
  items[0]->SetChecked(true);
  items[1]->SetChecked(true);
  std::vector<bool> checked, shown;
  for (int i = 0; i < 5; i++) {
    checked.push_back(items[static_cast<size_t>(i)]->GetChecked());
    shown.push_back((GetMenuState(options->GetHandle(), static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
  }
  EXPECT_EQ(checked, (std::vector<bool>{false, true, false, true, true}));
  EXPECT_EQ(shown, checked) << "the menu shows the check marks";
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(options->GetHandle(), 1, TRUE, &info);
  EXPECT_NE(info.fType & MFT_RADIOCHECK, 0u) << "a radio item shows a bullet";
  // Unchecking leaves the group with none.
  items[1]->SetChecked(false);
  EXPECT_FALSE(items[0]->GetChecked() || items[1]->GetChecked() || items[2]->GetChecked());
}

TEST_F(MainMenus, MenusStreamWithTheirNestedItems) {
  const char* text =
      "object Streamed: TForm\n"
      "  Menu = MainMenu1\n"
      "  object MainMenu1: TMainMenu\n"
      "    object mnuFile: TMenuItem\n"
      "      Caption = '&File'\n"
      "      object mnuSave: TMenuItem\n"
      "        Caption = '&Save'\n"
      "        ShortCut = 16467\n"
      "      end\n"
      "      object mnuLine: TMenuItem\n"
      "        Caption = '-'\n"
      "      end\n"
      "      object mnu32nd: TMenuItem\n"
      "        Caption = '32nd Notes'\n"
      "        Checked = True\n"
      "        GroupIndex = 3\n"
      "        RadioItem = True\n"
      "      end\n"
      "    end\n"
      "  end\n"
      "  object popBeat: TPopupMenu\n"
      "    AutoPopup = False\n"
      "    Alignment = paRight\n"
      "  end\n"
      "end\n";
  TForm* read = testsupport::ReadFormText(text);
  auto* readMenu = dynamic_cast<TMainMenu*>(read->FindComponent("MainMenu1"));
  ASSERT_NE(readMenu, nullptr);
  EXPECT_EQ(read->GetMenu(), readMenu);
  ASSERT_EQ(readMenu->GetItems()->GetCount(), 1);
  TMenuItem* readFile = readMenu->GetItems()->GetItem(0);
  ASSERT_EQ(readFile->GetCount(), 3);
  EXPECT_EQ(readFile->GetItem(0)->GetShortCut(), scCtrl | 'S');
  EXPECT_TRUE(readFile->GetItem(1)->IsLine());
  EXPECT_TRUE(readFile->GetItem(2)->GetChecked());
  EXPECT_EQ(readFile->GetItem(2)->GetParentMenu(), readMenu);
  auto* readPopup = dynamic_cast<TPopupMenu*>(read->FindComponent("popBeat"));
  ASSERT_NE(readPopup, nullptr);
  EXPECT_FALSE(readPopup->GetAutoPopup());
  EXPECT_EQ(readPopup->GetAlignment(), paRight);
  read->HandleNeeded();
  EXPECT_EQ(GetMenu(read->GetHandle()), readMenu->GetHandle());

  // Written back, the items nest under the menu again.
  const std::string out = testsupport::WriteFormText(read);
  for (const char* line :
       {"  object MainMenu1: TMainMenu\r\n    object mnuFile: TMenuItem\r\n",
        "      object mnuSave: TMenuItem\r\n        Caption = '&Save'\r\n        ShortCut = 16467\r\n",
        "        RadioItem = True\r\n"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\nin\n" << out;
  EXPECT_EQ(out.find("object mnuSave", out.find("object popBeat")), std::string::npos)
      << "items are written once, inside their menu";
}

}  // namespace
}  // namespace menustest

namespace menustest {
namespace {

TEST_F(MainMenus, OpeningASubmenuClicksItsItemAndTheHighlightedItemsHintShows) {
  int fileClicks = 0;
  // The submenu's own item hears of the opening first, so it can prepare
  // its entries (the recent-files list does).
  file->OnClick = [&](TObject*) {
    fileClicks++;
    open->SetEnabled(false);
  };
  save->SetHint("Save|Saves the song to its file");
  std::vector<std::string> hints;
  Application->OnHint = [&](TObject*) { hints.push_back(Application->GetHint()); };
  HWND top = form->GetHandle();
  QueueKey(top, 'F', host::ModAlt);
  QueueKey(top, VK_DOWN);
  QueueKey(top, VK_DOWN);
  QueueKey(top, VK_ESCAPE);
  QueueKey(top, VK_ESCAPE);
  Pump();
  EXPECT_EQ(fileClicks, 1);
  EXPECT_NE(GetMenuState(file->GetHandle(), 0, MF_BYPOSITION) & MF_GRAYED, 0u)
      << "the entries changed by the submenu item's OnClick are the ones shown";
  EXPECT_NE(std::find(hints.begin(), hints.end(), "Saves the song to its file"), hints.end());
  EXPECT_EQ(Application->GetHint(), "") << "closing the menu clears the hint";
}

TEST_F(MainMenus, AnExceptionInAnItemsHandlerIsReportedAndTheProgramGoesOn) {
  open->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid tempo"); };
  int reports = 0;
  Application->OnException = [&](TObject*, Exception& e) {
    reports++;
    EXPECT_EQ(e.GetMessage(), "'x' is not a valid tempo");
  };
  PostMessageA(form->GetHandle(), WM_COMMAND, MAKEWPARAM(open->GetCommand(), 0), 0);
  Pump();
  EXPECT_EQ(reports, 1);
  int saves = 0;
  save->OnClick = [&](TObject*) { saves++; };
  Key(form->GetHandle(), 'S', host::ModCtrl);
  EXPECT_EQ(saves, 1);
}

}  // namespace
}  // namespace menustest
