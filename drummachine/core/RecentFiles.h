// The recent lists and "Recent.inf": the 5 most recent songs, the 9 most
// recent user kits, the skin scheme and the tips-at-start choice, kept across
// runs in 16 lines of plain text (CR LF):
//   1-5   the recent songs, most recent first (an empty line: an empty slot)
//   6-14  the user kit names, most recent first
//   15    the skin scheme's name
//   16    1 when the tips show at start, else 0
#pragma once

#include <optional>
#include <string>

#include "drummachine/core/MainModel.h"

constexpr const char* RecentFileName = "Recent.inf";

// Puts x at the top of a most-recent-first list. x already at the top
// changes nothing; x further down moves to the top and the entries below its
// old place keep their order; a new x pushes the last entry out.
template <int N>
void UpdateRecentList(TRangeArray<std::string, 1, N>& list, const std::string& x) {
  if (list[1] == x) return;
  for (int i = 2; i <= N; ++i) {
    if (list[i] != x) continue;
    list[i] = std::string();
    for (int j = i; j < N; ++j) list[j] = list[j + 1];
  }
  for (int i = N; i >= 2; --i) list[i] = list[i - 1];
  list[1] = x;
}

// Reads the recent lists and the skin scheme into the model and returns the
// tips-at-start choice. A missing file (the first start of the program) or
// lines missing at its end leave those entries empty and give no choice, so
// the tips keep their own default. A line keeps at most LongestTextLine
// bytes (TextLine.h); the rest of it is skipped. A file that exists but
// cannot be read raises EInOutError and leaves the model as it was.
std::optional<bool> LoadRecent(TMainModel& model, const std::string& fileName = RecentFileName);

// Writes the 16 lines. A failure raises EInOutError and leaves the previous
// file whole; the caller reports it and goes on.
void SaveRecent(const TMainModel& model, bool tipsAtStart, const std::string& fileName = RecentFileName);
