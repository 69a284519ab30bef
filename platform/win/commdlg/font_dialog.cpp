// ChooseFontA: face, style and size lists, the effects with a colour, and a
// sample drawn in the chosen font.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

#include "platform/win/commdlg.h"
#include "platform/win/commdlg/dialog_frame.h"
#include "platform/win/winbase.h"

namespace win::commdlg {
namespace {

constexpr int kSample = stc4;
// The faces this system maps onto installed fonts, and which are fixed-pitch.
struct Face {
  const char* name;
  bool fixed;
};
constexpr Face kFaces[] = {
    {"Arial", false}, {"Courier New", true}, {"MS Sans Serif", false}, {"Tahoma", false}, {"Times New Roman", false},
};
constexpr const char* kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
struct NamedColor {
  const char* name;
  COLORREF color;
};
constexpr NamedColor kColors[] = {
    {"Black", RGB(0, 0, 0)},       {"Maroon", RGB(128, 0, 0)},    {"Green", RGB(0, 128, 0)},
    {"Olive", RGB(128, 128, 0)},   {"Navy", RGB(0, 0, 128)},      {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},    {"Gray", RGB(128, 128, 128)},  {"Silver", RGB(192, 192, 192)},
    {"Red", RGB(255, 0, 0)},       {"Lime", RGB(0, 255, 0)},      {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},      {"Fuchsia", RGB(255, 0, 255)}, {"Aqua", RGB(0, 255, 255)},
    {"White", RGB(255, 255, 255)},
};

class FontDialog {
 public:
  explicit FontDialog(CHOOSEFONTA& cf) : cf_(cf) {}

  BOOL Run() {
    if (cf_.lStructSize != sizeof(CHOOSEFONTA)) {
      SetDialogError(CDERR_STRUCTSIZE);
      return FALSE;
    }
    if (!cf_.lpLogFont) {
      SetDialogError(CDERR_INITIALIZATION);
      return FALSE;
    }
    if ((cf_.Flags & CF_LIMITSIZE) && cf_.nSizeMax < cf_.nSizeMin) {
      SetDialogError(CFERR_MAXLESSTHANMIN);
      return FALSE;
    }
    Start();
    DialogFrame frame(cf_.hwndOwner, "Font", 430, 250);
    frame_ = &frame;
    Build();
    frame.onCommand = [this](int id, int code) { Command(id, code); };
    frame.onMessage = [this](UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
      if (msg != WM_DRAWITEM) return false;
      DrawSample(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
      result = TRUE;
      return true;
    };
    int code = frame.Run(frame.Item(cmb1));
    frame_ = nullptr;
    if (code != IDOK) return FALSE;
    Store();
    return TRUE;
  }

 private:
  void Start() {
    const LOGFONTA& lf = *cf_.lpLogFont;
    if ((cf_.Flags & CF_INITTOLOGFONTSTRUCT) && lf.lfFaceName[0]) face_ = lf.lfFaceName;
    if (cf_.Flags & CF_INITTOLOGFONTSTRUCT) {
      bold_ = lf.lfWeight >= FW_BOLD;
      italic_ = lf.lfItalic != 0;
      underline_ = lf.lfUnderline != 0;
      strikeout_ = lf.lfStrikeOut != 0;
      if (lf.lfHeight) size_ = std::max(1, (std::abs(lf.lfHeight) * 72 + 48) / 96);
    }
    color_ = cf_.rgbColors;
  }

  bool FaceListed(const Face& f) const { return !(cf_.Flags & CF_FIXEDPITCHONLY) || f.fixed; }

  void Build() {
    DialogFrame& f = *frame_;
    f.Add("STATIC", "&Font:", SS_LEFT, 8, 8, 150, 16, stc1);
    HWND faces = f.Add("COMBOBOX", "", CBS_SIMPLE | CBS_SORT | WS_TABSTOP, 8, 26, 150, 120, cmb1);
    f.Add("STATIC", "Font st&yle:", SS_LEFT, 166, 8, 110, 16, stc2);
    HWND styles = f.Add("COMBOBOX", "", CBS_SIMPLE | WS_TABSTOP, 166, 26, 110, 120, cmb2);
    f.Add("STATIC", "&Size:", SS_LEFT, 284, 8, 52, 16, stc3);
    HWND sizes = f.Add("COMBOBOX", "", CBS_SIMPLE | WS_TABSTOP, 284, 26, 52, 120, cmb3);
    f.Add("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 348, 26, 74, 24, IDOK);
    f.Add("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 348, 56, 74, 24, IDCANCEL);
    for (const Face& face : kFaces)
      if (FaceListed(face)) SendMessageA(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.name));
    for (const char* s : kStyles) SendMessageA(styles, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    for (int s : kSizes)
      if (!(cf_.Flags & CF_LIMITSIZE) || (s >= cf_.nSizeMin && s <= cf_.nSizeMax))
        SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(s).c_str()));
    if (cf_.Flags & CF_EFFECTS) {
      f.Add("BUTTON", "Effects", BS_GROUPBOX, 8, 152, 150, 90, grp1);
      HWND strike = f.Add("BUTTON", "Stri&keout", BS_AUTOCHECKBOX | WS_TABSTOP, 18, 170, 120, 18, chx1);
      HWND under = f.Add("BUTTON", "&Underline", BS_AUTOCHECKBOX | WS_TABSTOP, 18, 190, 120, 18, chx2);
      HWND colors = f.Add("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 18, 212, 130, 200, cmb4);
      SendMessageA(strike, BM_SETCHECK, strikeout_ ? BST_CHECKED : BST_UNCHECKED, 0);
      SendMessageA(under, BM_SETCHECK, underline_ ? BST_CHECKED : BST_UNCHECKED, 0);
      int chosen = 0;
      for (int i = 0; i < 16; i++) {
        SendMessageA(colors, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kColors[i].name));
        if (kColors[i].color == (color_ & 0xFFFFFF)) chosen = i;
      }
      SendMessageA(colors, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
      color_ = kColors[chosen].color;
    }
    f.Add("BUTTON", "Sample", BS_GROUPBOX, 166, 152, 170, 90, grp2);
    f.Add("STATIC", "", SS_OWNERDRAW, 176, 170, 150, 64, kSample);
    Select(cmb1, face_);
    Select(cmb2, kStyles[(bold_ ? 2 : 0) + (italic_ ? 1 : 0)]);
    Select(cmb3, std::to_string(size_));
  }

  void Select(int id, const std::string& text) {
    HWND c = frame_->Item(id);
    LRESULT i = SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (i >= 0) SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SetWindowTextA(c, text.c_str());
  }

  std::string TextOf(int id) {
    char buf[LF_FACESIZE * 2] = {};
    GetWindowTextA(frame_->Item(id), buf, sizeof buf);
    return buf;
  }

  void Command(int id, int code) {
    switch (id) {
      case IDOK: Accept(); return;
      case IDCANCEL: frame_->End(IDCANCEL); return;
      case cmb1:
      case cmb2:
      case cmb3:
      case cmb4:
      case chx1:
      case chx2:
        if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE || code == BN_CLICKED) {
          Read();
          InvalidateRect(frame_->Item(kSample), nullptr, TRUE);
        }
        return;
      default: return;
    }
  }

  // Takes the controls' values; false when the size is no number.
  bool Read() {
    std::string face = TextOf(cmb1);
    if (!face.empty()) face_ = face;
    std::string style = TextOf(cmb2);
    bold_ = style.find("Bold") != std::string::npos;
    italic_ = style.find("Italic") != std::string::npos;
    std::string size = TextOf(cmb3);
    char* end = nullptr;
    long v = std::strtol(size.c_str(), &end, 10);
    bool ok = !size.empty() && end && !*end && v > 0 && v < 1000;
    if (ok) size_ = static_cast<int>(v);
    if (cf_.Flags & CF_EFFECTS) {
      strikeout_ = SendMessageA(frame_->Item(chx1), BM_GETCHECK, 0, 0) == BST_CHECKED;
      underline_ = SendMessageA(frame_->Item(chx2), BM_GETCHECK, 0, 0) == BST_CHECKED;
      LRESULT c = SendMessageA(frame_->Item(cmb4), CB_GETCURSEL, 0, 0);
      if (c >= 0 && c < 16) color_ = kColors[c].color;
    }
    return ok;
  }

  void Accept() {
    if (!Read()) {
      MessageBoxA(frame_->Hwnd(), "Size must be a number.", "Font", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    if ((cf_.Flags & CF_LIMITSIZE) && (size_ < cf_.nSizeMin || size_ > cf_.nSizeMax)) {
      std::string text =
          "Size must be between " + std::to_string(cf_.nSizeMin) + " and " + std::to_string(cf_.nSizeMax) + " points.";
      MessageBoxA(frame_->Hwnd(), text.c_str(), "Font", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    bool known = false;
    for (const Face& f : kFaces) known = known || (FaceListed(f) && strcasecmp(f.name, face_.c_str()) == 0);
    if ((cf_.Flags & CF_FORCEFONTEXIST) && !known) {
      MessageBoxA(frame_->Hwnd(), "There is no font with that name.\nChoose a font from the list of fonts.", "Font",
                  MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    frame_->End(IDOK);
  }

  LOGFONTA Chosen() const {
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(size_, 96, 72);
    lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic_;
    lf.lfUnderline = underline_;
    lf.lfStrikeOut = strikeout_;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face_.c_str(), LF_FACESIZE - 1);
    return lf;
  }

  void Store() {
    *cf_.lpLogFont = Chosen();
    cf_.iPointSize = size_ * 10;
    if (cf_.Flags & CF_EFFECTS) cf_.rgbColors = color_;
    cf_.nFontType = static_cast<WORD>(SCREEN_FONTTYPE | (bold_ ? BOLD_FONTTYPE : 0) | (italic_ ? ITALIC_FONTTYPE : 0) |
                                      (!bold_ && !italic_ ? REGULAR_FONTTYPE : 0));
    if ((cf_.Flags & CF_USESTYLE) && cf_.lpszStyle)
      std::strcpy(cf_.lpszStyle, kStyles[(bold_ ? 2 : 0) + (italic_ ? 1 : 0)]);
  }

  void DrawSample(const DRAWITEMSTRUCT& d) {
    RECT r = d.rcItem;
    FillRect(d.hDC, &r, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(d.hDC, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    LOGFONTA lf = Chosen();
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(d.hDC, font);
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, color_);
    DrawTextA(d.hDC, "AaBbYyZz", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(d.hDC, old);
    DeleteObject(font);
  }

  CHOOSEFONTA& cf_;
  DialogFrame* frame_ = nullptr;
  std::string face_ = "MS Sans Serif";
  int size_ = 8;
  bool bold_ = false, italic_ = false, underline_ = false, strikeout_ = false;
  COLORREF color_ = RGB(0, 0, 0);
};

}  // namespace
}  // namespace win::commdlg

BOOL ChooseFontA(LPCHOOSEFONTA cf) {
  if (!cf) return FALSE;
  return win::commdlg::FontDialog(*cf).Run();
}
