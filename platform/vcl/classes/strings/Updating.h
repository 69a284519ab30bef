// A change of many steps to a list, bracketed by BeginUpdate and EndUpdate
// so that watchers hear of it once. The bracket closes on every path, and an
// exception from the steps still leaves after it.
#pragma once

namespace vcl::detail {

template <class List, class Steps>
void WhileUpdating(List& list, Steps&& steps) {
  list.BeginUpdate();
  try {
    steps();
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();
}

}  // namespace vcl::detail
