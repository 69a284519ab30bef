// A window holding the list view in report and icon views, a tree view with
// images and a header, saved as a picture (into DRUMS_SCREENSHOTS when it is
// set, else the test's temporary folder) for a person to look at.
#include <cstdlib>
#include <filesystem>

#include "comctl_fixture.h"

namespace comctltest {
namespace {

class ScreenshotTest : public ComctlTest {};

void AddItem(HWND lv, int at, const char* text, int image, std::initializer_list<const char*> subs) {
  LVITEMA it{};
  it.mask = LVIF_TEXT | LVIF_IMAGE;
  it.iItem = at;
  it.pszText = const_cast<LPSTR>(text);
  it.iImage = image;
  SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
  int sub = 1;
  for (const char* s : subs) {
    LVITEMA st{};
    st.iSubItem = sub++;
    st.pszText = const_cast<LPSTR>(s);
    SendMessageA(lv, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&st));
  }
}

HTREEITEM AddNode(HWND tv, HTREEITEM parent, const char* text, int image) {
  TVINSERTSTRUCTA ins{};
  ins.hParent = parent;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.item.pszText = const_cast<LPSTR>(text);
  ins.item.iImage = image;
  ins.item.iSelectedImage = image;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
}

TEST_F(ScreenshotTest, ControlsInTheClassicLook) {
  MakeParent(640, 440);
  HIMAGELIST small = SolidImages({RGB(200, 160, 40), RGB(40, 120, 200), RGB(60, 170, 60)});
  HIMAGELIST large = SolidImages({RGB(200, 160, 40), RGB(40, 120, 200), RGB(60, 170, 60)}, 32);

  HWND report = MakeChild(WC_LISTVIEWA, LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS, 10, 10, 360, 200, 1);
  SendMessageA(report, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
  const char* names[] = {"Name", "Size", "Type"};
  int widths[] = {150, 70, 110};
  for (int c = 0; c < 3; c++) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.pszText = const_cast<LPSTR>(names[c]);
    col.cx = widths[c];
    col.fmt = c == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    SendMessageA(report, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }
  AddItem(report, 0, "Kick drum.wav", 0, {"24 KB", "Wave sound"});
  AddItem(report, 1, "Snare.wav", 0, {"18 KB", "Wave sound"});
  AddItem(report, 2, "Samples", 1, {"", "File folder"});
  AddItem(report, 3, "Hi-hat (cut).wav", 0, {"6 KB", "Wave sound"});
  AddItem(report, 4, "Kit.kit", 2, {"1 KB", "Drum kit"});
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(report, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  state.stateMask = state.state = LVIS_CUT;
  SendMessageA(report, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&state));
  SendMessageA(report, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);

  HWND icons = MakeChild(WC_LISTVIEWA, LVS_ICON | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS, 10, 220, 360, 210, 2);
  SendMessageA(icons, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large));
  const char* iconNames[] = {"Kick drum.wav", "Samples", "Kit.kit", "A long sample name.wav", "Tom.wav"};
  int iconImages[] = {0, 1, 2, 0, 0};
  for (int i = 0; i < 5; i++) AddItem(icons, i, iconNames[i], iconImages[i], {});
  state.stateMask = state.state = LVIS_SELECTED;
  SendMessageA(icons, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));

  HWND tree = MakeChild(WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 380, 10, 250,
                        370, 3);
  SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(small));
  HTREEITEM desktop = AddNode(tree, TVI_ROOT, "Desktop", 1);
  HTREEITEM computer = AddNode(tree, desktop, "My Computer", 2);
  HTREEITEM root = AddNode(tree, computer, "Root folder", 1);
  AddNode(tree, root, "kits", 1);
  HTREEITEM samples = AddNode(tree, root, "samples", 1);
  AddNode(tree, samples, "hats", 1);
  AddNode(tree, root, "skins", 1);
  HTREEITEM home = AddNode(tree, desktop, "Home", 1);
  AddNode(tree, home, "Documents", 1);
  AddNode(tree, TVI_ROOT, "Recycle Bin", 0);
  for (HTREEITEM n : {desktop, computer, root}) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(n));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(samples));

  HWND header = MakeChild(WC_HEADERA, HDS_BUTTONS | HDS_HOTTRACK, 380, 390, 250, 24, 4);
  const char* captions[] = {"Track", "Sample", "Level"};
  for (int i = 0; i < 3; i++) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<LPSTR>(captions[i]);
    item.cxy = i == 1 ? 100 : 70;
    item.fmt = HDF_STRING | (i == 2 ? HDF_OWNERDRAW : HDF_CENTER);
    SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  onDrawItem = [](const DRAWITEMSTRUCT& dis) {
    RECT r = dis.rcItem;
    InflateRect(&r, -4, -4);
    HBRUSH b = CreateSolidBrush(RGB(0, 128, 0));
    FillRect(dis.hDC, &r, b);
    DeleteObject(b);
  };
  SetFocus(report);
  Paint();

  const char* env = std::getenv("DRUMS_SCREENSHOTS");
  std::filesystem::path dir = env && *env ? std::filesystem::path(env) : std::filesystem::path(::testing::TempDir());
  std::filesystem::create_directories(dir);
  std::filesystem::path file = dir / "comctl_controls.png";
  ASSERT_TRUE(Screenshot(file.string()));
  EXPECT_GT(std::filesystem::file_size(file), 1000u);
  if (!env || !*env) std::filesystem::remove(file);
  DestroyWindow(parent);
  ImageList_Destroy(small);
  ImageList_Destroy(large);
}

}  // namespace
}  // namespace comctltest
