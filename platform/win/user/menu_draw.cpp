// Menu layout and drawing, in the classic look.
#include <algorithm>

#include "platform/win/gdi/device_dc.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/menu.h"
#include "platform/win/wingdi.h"

namespace win::user {
namespace {

constexpr int kBorder = 3;  // popup frame: raised edge and one face line
constexpr int kCheckColumn = 17;
constexpr int kArrowColumn = 17;
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 9;

std::string Label(const std::string& text) {
  auto tab = text.find('\t');
  return tab == std::string::npos ? text : text.substr(0, tab);
}

std::string Accelerator(const std::string& text) {
  auto tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

std::string WithoutPrefix(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); i++) {
    if (s[i] == '&' && i + 1 < s.size()) i++;
    out += s[i];
  }
  return out;
}

HDC MeasureDC() {
  static HDC dc = gdi::CreateDeviceDC();
  return dc;
}

SIZE TextSize(const std::string& s, bool bold) {
  HDC dc = MeasureDC();
  HGDIOBJ old = SelectObject(dc, MenuFont(bold));
  SIZE sz{0, 0};
  std::string plain = WithoutPrefix(s);
  GetTextExtentPoint32A(dc, plain.c_str(), static_cast<int>(plain.size()), &sz);
  if (old) SelectObject(dc, old);
  return sz;
}

void DrawLabel(HDC dc, const std::string& text, RECT r, UINT align, COLORREF color, bool bold) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  HGDIOBJ old = SelectObject(dc, MenuFont(bold));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, align | DT_SINGLELINE | DT_VCENTER);
  if (old) SelectObject(dc, old);
}

// Grayed text is embossed: a highlight copy one pixel down-right under the shadow.
void DrawItemText(HDC dc, const std::string& text, const RECT& r, UINT align, bool grayed, bool selected,
                  COLORREF normal, bool bold) {
  if (grayed && !selected) {
    RECT o{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    DrawLabel(dc, text, o, align, Sys(COLOR_3DHIGHLIGHT), bold);
    DrawLabel(dc, text, r, align, Sys(COLOR_3DSHADOW), bold);
  } else {
    DrawLabel(dc, text, r, align, grayed ? Sys(COLOR_GRAYTEXT) : normal, bold);
  }
}

void DrawCheck(HDC dc, const RECT& column, bool radio, COLORREF c) {
  int cx = (column.left + column.right) / 2, cy = (column.top + column.bottom) / 2;
  if (radio) {
    FillSolid(dc, {cx - 2, cy - 3, cx + 2, cy + 3}, c);
    FillSolid(dc, {cx - 3, cy - 2, cx + 3, cy + 2}, c);
    return;
  }
  // A tick: down for three pixels, then up for four, two pixels thick.
  int x = cx - 3, y = cy - 1;
  for (int i = 0; i < 7; i++) {
    int dy = i < 3 ? i : 4 - i;
    FillSolid(dc, {x + i, y + dy, x + i + 1, y + dy + 3}, c);
  }
}

void DrawArrowRight(HDC dc, const RECT& column, COLORREF c) {
  int cx = (column.left + column.right) / 2 - 1, cy = (column.top + column.bottom) / 2;
  for (int i = 0; i < 4; i++) FillSolid(dc, {cx + i, cy - 3 + i, cx + i + 1, cy + 4 - i}, c);
}

}  // namespace

HFONT MenuFont(bool bold) {
  static HFONT fonts[2] = {nullptr, nullptr};
  HFONT& f = fonts[bold ? 1 : 0];
  if (!f) {
    NONCLIENTMETRICSA m{};
    m.cbSize = sizeof m;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    if (bold) m.lfMenuFont.lfWeight = 700;
    f = CreateFontIndirectA(&m.lfMenuFont);
  }
  return f;
}

SIZE LayoutPopup(Menu* m, HWND owner) {
  int x = kBorder, y = kBorder, columnWidth = 0, bottom = kBorder;
  size_t columnStart = 0;
  auto closeColumn = [&](size_t end) {
    for (size_t i = columnStart; i < end; i++) m->items[i].rect.right = m->items[i].rect.left + columnWidth;
  };
  for (size_t i = 0; i < m->items.size(); i++) {
    MenuItem& it = m->items[i];
    if (i > 0 && (it.type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) {
      closeColumn(i);
      x += columnWidth + ((it.type & MFT_MENUBARBREAK) ? 4 : 0);
      y = kBorder;
      columnWidth = 0;
      columnStart = i;
    }
    int w = 0, h = kItemHeight;
    if (it.type & MFT_SEPARATOR) {
      h = kSeparatorHeight;
    } else if (it.type & MFT_OWNERDRAW) {
      MEASUREITEMSTRUCT mi{ODT_MENU, 0, it.id, 0, 0, it.data};
      if (owner) SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mi));
      w = static_cast<int>(mi.itemWidth) + kCheckColumn;
      h = static_cast<int>(mi.itemHeight);
    } else {
      bool bold = (it.state & MFS_DEFAULT) != 0;
      w = kCheckColumn + TextSize(Label(it.text), bold).cx + kArrowColumn;
      std::string acc = Accelerator(it.text);
      if (!acc.empty()) w += 12 + TextSize(acc, bold).cx;
    }
    it.rect = {x, y, x + w, y + h};
    columnWidth = std::max(columnWidth, w);
    y += h;
    bottom = std::max(bottom, y);
  }
  closeColumn(m->items.size());
  return {x + columnWidth + kBorder, bottom + kBorder};
}

void LayoutBar(Menu* m, const RECT& bar, HDC) {
  int x = bar.left;
  for (size_t i = 0; i < m->items.size(); i++) {
    MenuItem& it = m->items[i];
    int w = (it.type & MFT_SEPARATOR) ? 6 : TextSize(Label(it.text), false).cx + 16;
    it.rect = {x, bar.top, x + w, bar.bottom};
    x += w;
  }
  // Items from a right-justified one on go to the right end.
  for (size_t i = 0; i < m->items.size(); i++) {
    if (!(m->items[i].type & MFT_RIGHTJUSTIFY)) continue;
    int shift = bar.right - m->items.back().rect.right;
    for (size_t j = i; j < m->items.size(); j++) OffsetRect(&m->items[j].rect, shift, 0);
    break;
  }
}

void DrawMenuItem(HDC dc, Menu* m, int index, bool bar, bool selected, HWND owner) {
  MenuItem& it = m->items[static_cast<size_t>(index)];
  RECT r = it.rect;
  bool grayed = (it.state & MFS_GRAYED) != 0;
  bool bold = (it.state & MFS_DEFAULT) != 0;
  if (it.type & MFT_OWNERDRAW) {
    FillSolid(dc, r, Sys(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    DRAWITEMSTRUCT di{};
    di.CtlType = ODT_MENU;
    di.itemID = it.id;
    di.itemAction = ODA_DRAWENTIRE;
    di.itemState = (selected ? ODS_SELECTED : 0) | (grayed ? ODS_GRAYED | ODS_DISABLED : 0) |
                   ((it.state & MFS_CHECKED) ? ODS_CHECKED : 0) | (bold ? ODS_DEFAULT : 0);
    di.hwndItem = reinterpret_cast<HWND>(m->handle);
    di.hDC = dc;
    di.rcItem = r;
    di.itemData = it.data;
    if (owner) SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di));
    return;
  }
  if (bar) {
    FillSolid(dc, r, Sys(COLOR_MENU));
    if (it.type & MFT_SEPARATOR) return;
    if (selected) Frame3D(dc, r, Sys(COLOR_3DSHADOW), Sys(COLOR_3DHIGHLIGHT));
    RECT t = r;
    if (selected) OffsetRect(&t, 1, 1);
    DrawItemText(dc, Label(it.text), t, DT_CENTER, grayed, false, Sys(COLOR_MENUTEXT), false);
    return;
  }
  if (it.type & MFT_SEPARATOR) {
    FillSolid(dc, r, Sys(COLOR_MENU));
    int mid = (r.top + r.bottom) / 2 - 1;
    FillSolid(dc, {r.left + 1, mid, r.right - 1, mid + 1}, Sys(COLOR_3DSHADOW));
    FillSolid(dc, {r.left + 1, mid + 1, r.right - 1, mid + 2}, Sys(COLOR_3DHIGHLIGHT));
    return;
  }
  FillSolid(dc, r, Sys(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  COLORREF textColor = Sys(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (it.state & MFS_CHECKED)
    DrawCheck(dc, {r.left, r.top, r.left + kCheckColumn, r.bottom}, (it.type & MFT_RADIOCHECK) != 0,
              grayed ? Sys(COLOR_GRAYTEXT) : textColor);
  RECT text{r.left + kCheckColumn, r.top, r.right - kArrowColumn, r.bottom};
  DrawItemText(dc, Label(it.text), text, DT_LEFT, grayed, selected, textColor, bold);
  std::string acc = Accelerator(it.text);
  if (!acc.empty()) DrawItemText(dc, acc, text, DT_RIGHT | DT_NOPREFIX, grayed, selected, textColor, bold);
  if (it.sub)
    DrawArrowRight(dc, {r.right - kArrowColumn, r.top, r.right, r.bottom}, grayed ? Sys(COLOR_GRAYTEXT) : textColor);
}

}  // namespace win::user
