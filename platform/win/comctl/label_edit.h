// In-place label editing for the list and tree views: a small single-line
// edit ("DrumsLabelEdit", this layer's own) placed over an item's label,
// and the session that ends it on Enter, Escape or loss of focus.
#pragma once

#include <functional>
#include <string>

#include "platform/win/commctrl.h"

namespace win::comctl {

inline constexpr const char* kLabelEditClass = "DrumsLabelEdit";
LRESULT CALLBACK LabelEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The class the views create their editor from. Any edit class that keeps
// its text as the window text and answers EM_SETSEL serves; the views end
// the edit themselves.
const char*& LabelEditClassName();

// Creates the editor (hidden) as a child of `owner` over `rect`, with the
// text selected. `onEnd(accepted)` runs once: Enter or loss of focus
// accept, Escape cancels. EndLabelSession ends it from outside.
HWND CreateLabelEditor(HWND owner, RECT rect, const std::string& text, HFONT font,
                       std::function<void(bool accepted)> onEnd);
void EndLabelSession(HWND edit, bool accepted);
std::string WindowText(HWND hwnd);

}  // namespace win::comctl
