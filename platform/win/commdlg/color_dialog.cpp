// ChooseColorA: 48 basic colours, 16 custom ones, the red, green and blue
// values and a preview; swatches are owner-drawn buttons.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win/commdlg.h"
#include "platform/win/commdlg/dialog_frame.h"

namespace win::commdlg {
namespace {

constexpr int kBasicFirst = 0x0800;
constexpr int kCustomFirst = 0x0840;
constexpr int kRed = 706, kGreen = 707, kBlue = 708, kPreview = 709, kAdd = 712;
constexpr int kSwatchW = 24, kSwatchH = 18;

// The basic colours: six rows of eight.
constexpr COLORREF kBasic[48] = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),   RGB(128, 255, 255),
    RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255), RGB(255, 0, 0),     RGB(255, 255, 0),
    RGB(128, 255, 0),   RGB(0, 255, 64),    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192),
    RGB(255, 0, 255),   RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),   RGB(128, 0, 0),
    RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),    RGB(0, 0, 255),     RGB(0, 0, 160),
    RGB(128, 0, 128),   RGB(128, 0, 255),   RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),
    RGB(0, 64, 64),     RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128), RGB(64, 128, 128),
    RGB(192, 192, 192), RGB(64, 0, 64),     RGB(255, 255, 255),
};

class ColorDialog {
 public:
  explicit ColorDialog(CHOOSECOLORA& cc) : cc_(cc) {
    current_ = (cc.Flags & CC_RGBINIT) ? cc.rgbResult & 0xFFFFFF : RGB(0, 0, 0);
    for (int i = 0; i < 16; i++) custom_[i] = cc.lpCustColors ? cc.lpCustColors[i] : RGB(255, 255, 255);
  }

  BOOL Run() {
    if (cc_.lStructSize != sizeof(CHOOSECOLORA)) {
      SetDialogError(CDERR_STRUCTSIZE);
      return FALSE;
    }
    DialogFrame frame(cc_.hwndOwner, "Color", 8 * (kSwatchW + 4) + 130, 240);
    frame_ = &frame;
    Build();
    frame.onCommand = [this](int id, int code) { Command(id, code); };
    frame.onMessage = [this](UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
      if (msg != WM_DRAWITEM) return false;
      Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
      result = TRUE;
      return true;
    };
    int code = frame.Run(frame.Item(IDOK));
    frame_ = nullptr;
    if (code != IDOK) return FALSE;
    cc_.rgbResult = current_;
    if (cc_.lpCustColors) std::copy(custom_, custom_ + 16, cc_.lpCustColors);
    return TRUE;
  }

 private:
  void Build() {
    DialogFrame& f = *frame_;
    f.Add("STATIC", "&Basic colors:", SS_LEFT, 8, 6, 180, 16, -1);
    for (int i = 0; i < 48; i++)
      f.Add("BUTTON", "", BS_OWNERDRAW | (i == 0 ? WS_TABSTOP | WS_GROUP : 0), 8 + (i % 8) * (kSwatchW + 4),
            24 + (i / 8) * (kSwatchH + 4), kSwatchW, kSwatchH, kBasicFirst + i);
    f.Add("STATIC", "&Custom colors:", SS_LEFT, 8, 160, 180, 16, -1);
    for (int i = 0; i < 16; i++)
      f.Add("BUTTON", "", BS_OWNERDRAW | (i == 0 ? WS_TABSTOP | WS_GROUP : 0), 8 + (i % 8) * (kSwatchW + 4),
            178 + (i / 8) * (kSwatchH + 4), kSwatchW, kSwatchH, kCustomFirst + i);
    int x = 8 * (kSwatchW + 4) + 12;
    f.Add("STATIC", "", SS_OWNERDRAW | SS_SUNKEN, x, 24, 96, 40, kPreview);
    const char* names[] = {"&Red:", "&Green:", "Bl&ue:"};
    for (int i = 0; i < 3; i++) {
      f.Add("STATIC", names[i], SS_LEFT, x, 74 + i * 26, 44, 16, -1);
      f.Add("EDIT", "", ES_NUMBER | WS_TABSTOP, x + 48, 72 + i * 26, 48, 21, kRed + i, WS_EX_CLIENTEDGE);
      SendMessageA(f.Item(kRed + i), EM_LIMITTEXT, 3, 0);
    }
    f.Add("BUTTON", "&Add to Custom Colors", BS_PUSHBUTTON | WS_TABSTOP, x, 152, 108, 24, kAdd);
    f.Add("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, x, 182, 52, 24, IDOK);
    f.Add("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, x + 56, 182, 52, 24, IDCANCEL);
    ShowValues();
  }

  void ShowValues() {
    updating_ = true;
    int parts[3] = {GetRValue(current_), GetGValue(current_), GetBValue(current_)};
    for (int i = 0; i < 3; i++) SetWindowTextA(frame_->Item(kRed + i), std::to_string(parts[i]).c_str());
    updating_ = false;
    InvalidateRect(frame_->Item(kPreview), nullptr, TRUE);
  }

  void Choose(COLORREF c) {
    current_ = c;
    ShowValues();
    for (int i = 0; i < 48; i++) InvalidateRect(frame_->Item(kBasicFirst + i), nullptr, FALSE);
    for (int i = 0; i < 16; i++) InvalidateRect(frame_->Item(kCustomFirst + i), nullptr, FALSE);
  }

  void Command(int id, int code) {
    if (id == IDOK || id == IDCANCEL) {
      frame_->End(id);
    } else if (id >= kBasicFirst && id < kBasicFirst + 48 && code == BN_CLICKED) {
      Choose(kBasic[id - kBasicFirst]);
    } else if (id >= kCustomFirst && id < kCustomFirst + 16 && code == BN_CLICKED) {
      nextCustom_ = id - kCustomFirst;
      Choose(custom_[nextCustom_]);
    } else if (id == kAdd) {
      custom_[nextCustom_] = current_;
      InvalidateRect(frame_->Item(kCustomFirst + nextCustom_), nullptr, FALSE);
      nextCustom_ = (nextCustom_ + 1) % 16;
    } else if (id >= kRed && id <= kBlue && code == EN_CHANGE && !updating_) {
      int v[3];
      for (int i = 0; i < 3; i++) {
        char buf[8] = {};
        GetWindowTextA(frame_->Item(kRed + i), buf, sizeof buf);
        v[i] = std::clamp(std::atoi(buf), 0, 255);
      }
      current_ = RGB(v[0], v[1], v[2]);
      InvalidateRect(frame_->Item(kPreview), nullptr, TRUE);
    }
  }

  void Draw(const DRAWITEMSTRUCT& d) {
    COLORREF c = current_;
    if (d.CtlID >= kBasicFirst && d.CtlID < kBasicFirst + 48) c = kBasic[d.CtlID - kBasicFirst];
    if (d.CtlID >= kCustomFirst && d.CtlID < kCustomFirst + 16) c = custom_[d.CtlID - kCustomFirst];
    RECT r = d.rcItem;
    bool chosen = d.CtlID != kPreview && c == current_;
    FillRect(d.hDC, &r, GetSysColorBrush(COLOR_3DFACE));
    if (chosen) FrameRect(d.hDC, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -2, -2);
    if (d.CtlID != kPreview) DrawEdge(d.hDC, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    HBRUSH b = CreateSolidBrush(c);
    FillRect(d.hDC, &r, b);
    DeleteObject(b);
    if (d.itemState & ODS_FOCUS) {
      RECT f = d.rcItem;
      DrawFocusRect(d.hDC, &f);
    }
  }

  CHOOSECOLORA& cc_;
  DialogFrame* frame_ = nullptr;
  COLORREF current_;
  COLORREF custom_[16];
  int nextCustom_ = 0;
  bool updating_ = false;
};

}  // namespace
}  // namespace win::commdlg

BOOL ChooseColorA(LPCHOOSECOLORA cc) {
  if (!cc) return FALSE;
  return win::commdlg::ColorDialog(*cc).Run();
}
