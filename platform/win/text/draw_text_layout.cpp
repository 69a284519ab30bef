#include "platform/win/text/draw_text_layout.h"

#include <algorithm>

#include "platform/win/text/utf8.h"

namespace win::text {
namespace {

constexpr std::string_view kEllipsis = "...";
constexpr int kDefaultTabChars = 8;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

struct Paragraph {
  std::string text;
  int underlineAt = -1;
  int underlineLength = 0;
};

// "&x" marks x, "&&" is one "&", a lone "&" at the end is dropped.
Paragraph ResolvePrefixes(std::string_view source, bool noPrefix) {
  Paragraph p;
  if (noPrefix) {
    p.text = source;
    return p;
  }
  p.text.reserve(source.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] != '&') {
      p.text += source[i];
      continue;
    }
    if (i + 1 >= source.size()) break;
    if (source[i + 1] == '&') {
      p.text += '&';
      ++i;
      continue;
    }
    p.underlineAt = static_cast<int>(p.text.size());
    p.underlineLength = static_cast<int>(DecodeUtf8At(source, i + 1).length);
  }
  return p;
}

std::vector<std::string_view> SplitParagraphs(std::string_view text, bool singleLine) {
  std::vector<std::string_view> out;
  if (singleLine) {
    out.push_back(text);
    return out;
  }
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out.push_back(text.substr(start));
  return out;
}

struct Range {
  std::size_t begin, end;
};

// Greedy breaking at blanks. A word longer than the line stays whole unless
// editControl, which breaks it between characters.
std::vector<Range> BreakWords(std::string_view s, int avail, bool editControl,
                              const std::function<int(std::string_view)>& lineWidth) {
  std::vector<Range> lines;
  std::size_t pos = 0;
  do {
    const std::size_t lineStart = pos;
    std::size_t keepEnd = std::string_view::npos, nextStart = s.size();
    std::size_t j = lineStart;
    while (j < s.size() || j == lineStart) {
      std::size_t wordEnd = j;
      while (wordEnd < s.size() && IsBlank(s[wordEnd])) ++wordEnd;
      while (wordEnd < s.size() && !IsBlank(s[wordEnd])) ++wordEnd;
      if (keepEnd != std::string_view::npos && lineWidth(s.substr(lineStart, wordEnd - lineStart)) > avail) break;
      if (keepEnd == std::string_view::npos && lineWidth(s.substr(lineStart, wordEnd - lineStart)) > avail &&
          editControl) {
        // Break inside the first word: as many characters as fit, at least one.
        std::size_t cut = lineStart, next = lineStart;
        while (next < wordEnd) {
          const std::size_t after = next + DecodeUtf8At(s, next).length;
          if (cut > lineStart && lineWidth(s.substr(lineStart, after - lineStart)) > avail) break;
          cut = next = after;
        }
        keepEnd = cut;
        nextStart = cut;
        break;
      }
      keepEnd = wordEnd;
      std::size_t spaceEnd = wordEnd;
      while (spaceEnd < s.size() && IsBlank(s[spaceEnd])) ++spaceEnd;
      nextStart = spaceEnd;
      j = spaceEnd;
      if (j >= s.size()) break;
    }
    lines.push_back({lineStart, keepEnd});
    pos = nextStart;
  } while (pos < s.size());
  return lines;
}

// The longest prefix of text that fits with "..." after it, plus "...".
std::string EndEllipsis(std::string_view text, int avail, const std::function<int(std::string_view)>& lineWidth) {
  std::size_t best = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t next = pos + DecodeUtf8At(text, pos).length;
    std::string candidate(text.substr(0, next));
    candidate += kEllipsis;
    if (lineWidth(candidate) > avail) break;
    best = pos = next;
  }
  return std::string(text.substr(0, best)) + std::string(kEllipsis);
}

// Keeps the last path component and as much of the start as fits:
// "C:\Music\Kits\Rock.kit" -> "C:\Mu...\Rock.kit".
std::string PathEllipsis(std::string_view text, int avail, const std::function<int(std::string_view)>& lineWidth) {
  const std::size_t slash = text.find_last_of("\\/");
  if (slash == std::string_view::npos || slash == 0) return EndEllipsis(text, avail, lineWidth);
  const std::string_view head = text.substr(0, slash), tail = text.substr(slash);
  std::string tailed = std::string(kEllipsis) + std::string(tail);
  if (lineWidth(tailed) > avail) return EndEllipsis(tailed, avail, lineWidth);
  std::size_t best = 0;
  for (std::size_t pos = 0; pos < head.size();) {
    const std::size_t next = pos + DecodeUtf8At(head, pos).length;
    if (lineWidth(std::string(head.substr(0, next)) + tailed) > avail) break;
    best = pos = next;
  }
  return std::string(head.substr(0, best)) + tailed;
}

}  // namespace

int TabWidthFor(UINT format, const DRAWTEXTPARAMS* params, const TextMeasure& measure) {
  if (!(format & DT_EXPANDTABS)) return 0;
  int chars = kDefaultTabChars;
  if (format & DT_TABSTOP) {
    const int fromFormat = static_cast<int>((format >> 8) & 0xFF);
    if (fromFormat > 0) chars = fromFormat;
  }
  if (params && params->iTabLength > 0) chars = params->iTabLength;
  return chars * std::max(1, measure.aveCharWidth);
}

int LayOutSegments(std::string_view line, int tabWidth, const TextMeasure& measure,
                   std::vector<LineSegment>& segments) {
  segments.clear();
  if (tabWidth <= 0) {
    segments.push_back({0, line.size(), 0});
    return measure.width(line);
  }
  int x = 0, end = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    const std::size_t stop = tab == std::string_view::npos ? line.size() : tab;
    segments.push_back({start, stop - start, x});
    end = x + measure.width(line.substr(start, stop - start));
    if (tab == std::string_view::npos) break;
    x = (end / tabWidth + 1) * tabWidth;
    start = tab + 1;
  }
  return end;
}

DrawTextLayout LayOutDrawText(std::string_view text, const RECT& rect, UINT format, const DRAWTEXTPARAMS* params,
                              const TextMeasure& measure) {
  const int tabWidth = TabWidthFor(format, params, measure);
  // With DT_TABSTOP the second byte is the tab length, not flags.
  if (format & DT_TABSTOP) format &= ~0xFF00u;
  DrawTextLayout layout;
  layout.drawText = !(format & DT_PREFIXONLY);
  layout.drawUnderline = !(format & DT_HIDEPREFIX);
  const int leftMargin = params ? params->iLeftMargin : 0;
  const int rightMargin = params ? params->iRightMargin : 0;
  const int avail = (rect.right - rect.left) - leftMargin - rightMargin;
  const bool singleLine = format & DT_SINGLELINE;
  const bool wordBreak = (format & DT_WORDBREAK) && !singleLine;
  std::vector<LineSegment> scratch;
  const auto lineWidth = [&](std::string_view line) { return LayOutSegments(line, tabWidth, measure, scratch); };

  if (!text.empty()) {
    for (std::string_view source : SplitParagraphs(text, singleLine)) {
      const Paragraph p = ResolvePrefixes(source, format & DT_NOPREFIX);
      std::vector<Range> ranges;
      if (wordBreak) {
        ranges = BreakWords(p.text, avail, format & DT_EDITCONTROL, lineWidth);
      } else {
        ranges.push_back({0, p.text.size()});
      }
      for (const Range& r : ranges) {
        LaidLine line;
        line.text = p.text.substr(r.begin, r.end - r.begin);
        if (p.underlineAt >= static_cast<int>(r.begin) && p.underlineAt < static_cast<int>(r.end)) {
          line.underlineAt = p.underlineAt - static_cast<int>(r.begin);
          line.underlineLength = p.underlineLength;
        }
        layout.lines.push_back(std::move(line));
      }
    }
  }

  layout.lineHeight = measure.height + ((format & DT_EXTERNALLEADING) ? measure.externalLeading : 0);
  const int rectHeight = rect.bottom - rect.top;
  const bool anyEllipsis = format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
  const auto shorten = [&](LaidLine& line, bool force) {
    if (!force && lineWidth(line.text) <= avail) return;
    const bool path = (format & DT_PATH_ELLIPSIS) && !force;
    line.text = path ? PathEllipsis(line.text, avail, lineWidth) : EndEllipsis(line.text, avail, lineWidth);
    const int kept = static_cast<int>(line.text.size() - kEllipsis.size());
    if (path || line.underlineAt + line.underlineLength > kept) line.underlineAt = -1;
    layout.ellipsized = true;
  };
  // An edit control shows only whole lines; the last one shown tells with an
  // ellipsis that more text follows.
  bool cutVertically = false;
  if ((format & DT_EDITCONTROL) && !singleLine && !(format & DT_CALCRECT) && layout.lineHeight > 0) {
    const std::size_t fit = static_cast<std::size_t>(std::max(1, rectHeight / layout.lineHeight));
    if (layout.lines.size() > fit) {
      layout.lines.resize(fit);
      cutVertically = true;
    }
  }
  if (anyEllipsis && !layout.lines.empty()) {
    if (wordBreak && (format & DT_WORD_ELLIPSIS)) {
      // Every word too long for its line is cut with an ellipsis.
      for (LaidLine& line : layout.lines) shorten(line, false);
      if (cutVertically) shorten(layout.lines.back(), true);
    } else if (wordBreak) {
      // Only the end of the text gets the ellipsis; words cut inside the
      // text are clipped.
      shorten(layout.lines.back(), cutVertically);
    } else {
      for (LaidLine& line : layout.lines) shorten(line, false);
    }
  }

  const int total = static_cast<int>(layout.lines.size()) * layout.lineHeight;
  int y = rect.top;
  if (singleLine && (format & DT_VCENTER)) y = rect.top + (rectHeight - layout.lineHeight) / 2;
  if (singleLine && (format & DT_BOTTOM)) y = rect.bottom - layout.lineHeight;
  if (format & DT_CALCRECT) y = rect.top;
  int maxWidth = 0;
  for (LaidLine& line : layout.lines) {
    line.width = LayOutSegments(line.text, tabWidth, measure, line.segments);
    maxWidth = std::max(maxWidth, line.width);
    line.x = rect.left + leftMargin;
    if (format & DT_CENTER)
      line.x += (avail - line.width) / 2;
    else if (format & DT_RIGHT)
      line.x = rect.right - rightMargin - line.width;
    line.y = y;
    y += layout.lineHeight;
  }
  layout.calcRect = rect;
  if (format & DT_CALCRECT) {
    layout.calcRect.right = rect.left + leftMargin + maxWidth + rightMargin;
    layout.calcRect.bottom = rect.top + total;
    // Alignment within the measured rectangle: it is as wide as the text.
    for (LaidLine& line : layout.lines) {
      if (format & DT_CENTER)
        line.x = rect.left + leftMargin + (maxWidth - line.width) / 2;
      else if (format & DT_RIGHT)
        line.x = rect.left + leftMargin + maxWidth - line.width;
    }
  }
  layout.result = total;
  if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)) && !(format & DT_CALCRECT) && !layout.lines.empty()) {
    layout.result = layout.lines.front().y - rect.top + total;
  }
  if (layout.ellipsized) {
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
      if (i) layout.modified += "\r\n";
      layout.modified += layout.lines[i].text;
    }
  }
  return layout;
}

}  // namespace win::text
