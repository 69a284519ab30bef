// A list of handlers, each registered by an owner, that may change while it
// is being walked: a handler may add or remove handlers (its own too), or
// free its owner, which removes its handler. The application keeps its
// window hooks and its idle handlers in such lists.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace vcl::forms {

template <class Handler>
class OwnedHandlers {
 public:
  void Add(const void* owner, Handler handler) { FEntries.push_back({owner, ++FLastSerial, std::move(handler)}); }

  // The owner's one handler: replaced in its place when the owner has one
  // (a walk under way calls the new one at that place), else added.
  void Set(const void* owner, Handler handler) {
    auto it = std::find_if(FEntries.begin(), FEntries.end(), [owner](const Entry& e) { return e.owner == owner; });
    if (it == FEntries.end())
      Add(owner, std::move(handler));
    else
      it->handler = std::move(handler);
  }

  // Removes every handler of the owner.
  void Remove(const void* owner) {
    std::erase_if(FEntries, [owner](const Entry& e) { return e.owner == owner; });
  }

  // Calls call(handler) for each handler in the order added, until one call
  // returns true (then true). A handler removed before its turn is skipped;
  // one added during the walk waits for the next. Each call gets a copy of
  // the handler, so that removing it while it runs does not destroy it.
  template <class Call>
  bool ForEach(Call call) {
    std::vector<std::uint64_t> serials;
    serials.reserve(FEntries.size());
    for (const Entry& e : FEntries) serials.push_back(e.serial);
    for (std::uint64_t serial : serials) {
      auto it = std::find_if(FEntries.begin(), FEntries.end(), [serial](const Entry& e) { return e.serial == serial; });
      if (it == FEntries.end()) continue;
      Handler handler = it->handler;
      if (call(handler)) return true;
    }
    return false;
  }

 private:
  struct Entry {
    const void* owner;
    // Tells a handler from one added later by the same owner, or by a new
    // owner at a freed one's address.
    std::uint64_t serial;
    Handler handler;
  };

  std::vector<Entry> FEntries;
  std::uint64_t FLastSerial = 0;
};

}  // namespace vcl::forms
