#include "platform/vcl/stdctrls/MemoStrings.h"

#include <utility>

#include "platform/vcl/controls/Control.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

std::vector<std::string> TMemoStrings::Lines() const {
  if (FPending) return *FPending;
  return SplitLines(FMemo->GetText());
}

void TMemoStrings::Store(std::vector<std::string> lines) {
  if (FPending) {
    *FPending = std::move(lines);
    return;
  }
  FMemo->SetText(JoinLines(lines));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (updating) {
    FPending = Lines();
    return;
  }
  std::vector<std::string> lines = std::move(*FPending);
  FPending.reset();
  Store(std::move(lines));
}

void TMemoStrings::CheckIndex(int index, bool allowEnd) const {
  int count = GetCount();
  if (index < 0 || index > count || (index == count && !allowEnd)) Error("List index out of bounds (%d)", index);
}

int TMemoStrings::GetCount() const {
  return static_cast<int>(Lines().size());
}

std::string TMemoStrings::Get(int index) const {
  CheckIndex(index, false);
  return Lines()[static_cast<std::size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& s) {
  CheckIndex(index, false);
  std::vector<std::string> lines = Lines();
  lines[static_cast<std::size_t>(index)] = s;
  Store(std::move(lines));
}

void TMemoStrings::Insert(int index, const std::string& s) {
  CheckIndex(index, true);
  std::vector<std::string> lines = Lines();
  lines.insert(lines.begin() + index, s);
  Store(std::move(lines));
}

void TMemoStrings::Delete(int index) {
  CheckIndex(index, false);
  std::vector<std::string> lines = Lines();
  lines.erase(lines.begin() + index);
  Store(std::move(lines));
}

void TMemoStrings::Clear() {
  Store({});
}
