// The system's own cursors and icons, drawn here: small pictures in the
// classic spirit, made for this project.
#include <cmath>
#include <cstring>
#include <string_view>

#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/user/draw/icon.h"

namespace win::user {
namespace {

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

// A blank 32 x 32 picture: everything shows the screen.
IconImage Blank(bool isIcon) {
  IconImage img;
  img.width = img.height = 32;
  img.isIcon = isIcon;
  img.color.assign(32 * 32, 0);
  img.mask.assign(32 * 32, 1);
  return img;
}

void Set(IconImage& img, int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= img.width || y >= img.height) return;
  const std::size_t i = static_cast<std::size_t>(y) * img.width + x;
  img.color[i] = rgb;
  img.mask[i] = 0;
}

// Rows of 'B' (black), 'W' (white) and anything else (clear), from (x0, y0).
void Art(IconImage& img, int x0, int y0, std::initializer_list<std::string_view> rows) {
  int y = y0;
  for (std::string_view row : rows) {
    for (std::size_t x = 0; x < row.size(); ++x) {
      if (row[x] == 'B') Set(img, x0 + static_cast<int>(x), y, kBlack);
      if (row[x] == 'W') Set(img, x0 + static_cast<int>(x), y, kWhite);
    }
    ++y;
  }
}

void Fill(IconImage& img, const std::vector<win::gdi::Span>& spans, std::uint32_t rgb) {
  for (const auto& s : spans)
    for (LONG x = s.x0; x < s.x1; ++x) Set(img, x, s.y, rgb);
}

void Rect(IconImage& img, int l, int t, int r, int b, std::uint32_t rgb) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) Set(img, x, y, rgb);
}

// A filled figure with a one-pixel outline in another colour.
void Disc(IconImage& img, RECT box, std::uint32_t fill, std::uint32_t outline) {
  using namespace win::gdi::shapes;
  std::vector<win::gdi::Span> edge, inside;
  SplitOutline(EllipseSpans(box), &edge, &inside);
  Fill(img, inside, fill);
  Fill(img, edge, outline);
}

// A double-headed arrow with white inside and black outline, between two
// points given in a 32 x 32 frame, used by the sizing cursors.
void SizingArrow(IconImage& img, double x0, double y0, double x1, double y1) {
  using namespace win::gdi::shapes;
  const double dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
  const double ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
  auto shape = [&](double grow) {
    const double shaft = 1.0 + grow, head = 4.0 + grow, headLen = 5.0;
    const double ax = x0 - ux * grow, ay = y0 - uy * grow, bx = x1 + ux * grow, by = y1 + uy * grow;
    std::vector<PointF> p = {
        {ax, ay},
        {ax + ux * headLen + nx * head, ay + uy * headLen + ny * head},
        {ax + ux * headLen + nx * shaft, ay + uy * headLen + ny * shaft},
        {bx - ux * headLen + nx * shaft, by - uy * headLen + ny * shaft},
        {bx - ux * headLen + nx * head, by - uy * headLen + ny * head},
        {bx, by},
        {bx - ux * headLen - nx * head, by - uy * headLen - ny * head},
        {bx - ux * headLen - nx * shaft, by - uy * headLen - ny * shaft},
        {ax + ux * headLen - nx * shaft, ay + uy * headLen - ny * shaft},
        {ax + ux * headLen - nx * head, ay + uy * headLen - ny * head},
    };
    return PolygonSpans({p}, 2);
  };
  Fill(img, shape(1.2), kBlack);
  Fill(img, shape(0.0), kWhite);
}

void Arrow(IconImage& img, int x0, int y0) {
  Art(img, x0, y0, {"B",         "BB",         "BWB",        "BWWB",        "BWWWB",        "BWWWWB",    "BWWWWWB",
                    "BWWWWWWB",  "BWWWWWWWB",  "BWWWWWWWWB", "BWWWWWWWWWB", "BWWWWWWBBBBB", "BWWWBWWB",  "BWWB BWWB",
                    "BWB  BWWB", "BB    BWWB", "B     BWWB", "       BWWB", "       BWWB",  "        BB"});
}

}  // namespace

IconImage StandardCursor(int id) {
  IconImage img = Blank(false);
  switch (id) {
    case 32513:  // IDC_IBEAM
      Art(img, 12, 8,
          {"BBB BBB", "   B", "   B", "   B", "   B", "   B", "   B", "   B", "   B", "   B", "   B", "   B", "   B",
           "   B", "   B", "BBB BBB"});
      img.hotX = 15;
      img.hotY = 16;
      break;
    case 32514:  // IDC_WAIT: an hourglass
      Art(img, 10, 6,
          {"BBBBBBBBBBB", "BWWWWWWWWWB", " BWWWWWWWB", " BWWBBBWWB", "  BWWBWWB", "   BWBWB", "    BWB", "    BWB",
           "   BWWWB", "  BWWBWWB", " BWWWBWWWB", " BWWBBBWWB", "BWBBBBBBBWB", "BBBBBBBBBBB"});
      img.hotX = 15;
      img.hotY = 13;
      break;
    case 32515:  // IDC_CROSS
      Rect(img, 15, 4, 16, 28, kBlack);
      Rect(img, 4, 15, 28, 16, kBlack);
      img.hotX = img.hotY = 15;
      break;
    case 32516:  // IDC_UPARROW
      Art(img, 10, 4,
          {"     B", "    BWB", "   BWWWB", "  BWWWWWB", " BWWWWWWWB", "BBBBWWWBBBB", "   BWWWB", "   BWWWB",
           "   BWWWB", "   BWWWB", "   BWWWB", "   BWWWB", "   BBBBB"});
      img.hotX = 15;
      img.hotY = 4;
      break;
    case 32642:
      SizingArrow(img, 7, 7, 24, 24);
      img.hotX = img.hotY = 15;
      break;  // IDC_SIZENWSE
    case 32643:
      SizingArrow(img, 24, 7, 7, 24);
      img.hotX = img.hotY = 15;
      break;  // IDC_SIZENESW
    case 32644:
      SizingArrow(img, 4, 15.5, 27, 15.5);
      img.hotX = img.hotY = 15;
      break;  // IDC_SIZEWE
    case 32645:
      SizingArrow(img, 15.5, 4, 15.5, 27);
      img.hotX = img.hotY = 15;
      break;  // IDC_SIZENS
    case 32640:  // IDC_SIZE
    case 32646:  // IDC_SIZEALL
      SizingArrow(img, 4, 15.5, 27, 15.5);
      SizingArrow(img, 15.5, 4, 15.5, 27);
      img.hotX = img.hotY = 15;
      break;
    case 32648: {  // IDC_NO: a ring with a bar across
      Disc(img, RECT{6, 6, 26, 26}, kWhite, kBlack);
      Disc(img, RECT{10, 10, 22, 22}, 0, kBlack);
      for (int y = 10; y < 22; ++y)
        for (int x = 10; x < 22; ++x)
          if (img.color[static_cast<std::size_t>(y) * 32 + x] == 0 && !img.mask[static_cast<std::size_t>(y) * 32 + x])
            img.mask[static_cast<std::size_t>(y) * 32 + x] = 1;
      for (int k = -1; k <= 1; ++k)
        for (int t = 9; t < 23; ++t) Set(img, t + k, t, kBlack);
      img.hotX = img.hotY = 15;
      break;
    }
    case 32649:  // IDC_HAND: a pointing hand
      Art(img, 8, 2,
          {"     BB", "    BWWB", "    BWWB", "    BWWB", "    BWWBBB", "    BWWBWWBBB", "    BWWBWWBWWBB",
           " BB BWWBWWBWWBWB", "BWWBBWWWWWWWWBWB", "BWWWBWWWWWWWWWWB", " BWWWWWWWWWWWWWB", "  BWWWWWWWWWWWWB",
           "  BWWWWWWWWWWWB", "   BWWWWWWWWWWB", "   BWWWWWWWWWB", "    BWWWWWWWWB", "    BBBBBBBBBB"});
      img.hotX = 13;
      img.hotY = 2;
      break;
    case 32650:  // IDC_APPSTARTING: the arrow with a small hourglass
      Arrow(img, 0, 0);
      Art(img, 14, 14, {"BBBBBBB", " BWWWB", "  BWB", "   B", "  BWB", " BWWWB", "BBBBBBB"});
      break;
    case 32651:  // IDC_HELP: the arrow with a question mark
      Arrow(img, 0, 0);
      Art(img, 14, 2, {" BBBB", "BB  BB", "    BB", "   BB", "  BB", "  BB", "", "  BB"});
      break;
    default:  // IDC_ARROW and anything unknown
      Arrow(img, 0, 0);
      break;
  }
  return img;
}

IconImage StandardIcon(int id) {
  IconImage img = Blank(true);
  img.hotX = img.hotY = 16;
  constexpr std::uint32_t kRed = 0xFF0000, kNavy = 0x000080, kYellow = 0xFFFF00, kBlue = 0x0000FF;
  switch (id) {
    case 32513:  // IDI_HAND: a red disc with a white cross
      Disc(img, RECT{1, 1, 31, 31}, kRed, kBlack);
      for (int k = -2; k <= 1; ++k)
        for (int t = 9; t < 23; ++t) {
          Set(img, t + k, t, kWhite);
          Set(img, 31 - t + k, t, kWhite);
        }
      break;
    case 32514:  // IDI_QUESTION: a white disc with a blue question mark
      Disc(img, RECT{1, 1, 31, 31}, kWhite, kBlack);
      Rect(img, 11, 7, 21, 10, kBlue);
      Rect(img, 18, 7, 21, 16, kBlue);
      Rect(img, 14, 14, 21, 17, kBlue);
      Rect(img, 14, 14, 17, 20, kBlue);
      Rect(img, 14, 22, 17, 25, kBlue);
      break;
    case 32515: {  // IDI_EXCLAMATION: a yellow triangle with a black bar and dot
      using namespace win::gdi::shapes;
      Fill(img, PolygonSpans({{{16, 1}, {31, 30}, {1, 30}}}, 2), kBlack);
      Fill(img, PolygonSpans({{{16, 4}, {29, 29}, {3, 29}}}, 2), kYellow);
      Rect(img, 15, 11, 18, 22, kBlack);
      Rect(img, 15, 24, 18, 27, kBlack);
      break;
    }
    case 32516:  // IDI_ASTERISK: a white disc with a blue "i"
      Disc(img, RECT{1, 1, 31, 31}, kWhite, kBlack);
      Rect(img, 14, 7, 18, 11, kBlue);
      Rect(img, 14, 13, 18, 25, kBlue);
      Rect(img, 12, 13, 14, 15, kBlue);
      Rect(img, 12, 23, 20, 25, kBlue);
      break;
    case 32517:  // IDI_WINLOGO: four coloured panes
      Rect(img, 2, 2, 15, 15, kRed);
      Rect(img, 17, 2, 30, 15, 0x00A000);
      Rect(img, 2, 17, 15, 30, kBlue);
      Rect(img, 17, 17, 30, 30, kYellow);
      break;
    default:  // IDI_APPLICATION: a window with a title bar
      Rect(img, 2, 4, 30, 28, kBlack);
      Rect(img, 3, 5, 29, 27, kWhite);
      Rect(img, 3, 5, 29, 9, kNavy);
      break;
  }
  return img;
}

}  // namespace win::user
