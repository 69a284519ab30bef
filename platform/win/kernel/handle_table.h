// One design for every table that hands out opaque handles for objects it
// owns (kernel objects, GDI objects): a locked map from small aligned numbers
// to owning pointers.
//
// Handles are never reused, so a stale handle fails the lookup instead of
// reaching a newer object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace win::kernel {

// `Owner` is std::unique_ptr<T> or std::shared_ptr<T>.
template <class Owner>
class HandleTable {
 public:
  explicit HandleTable(std::uintptr_t first) : next_(first) {}
  HandleTable(const HandleTable&) = delete;
  HandleTable& operator=(const HandleTable&) = delete;

  // Stores the object under a new key. `stamp(owner, key)` runs under the
  // lock before the object can be found, so it may record its own handle.
  template <class Stamp>
  std::uintptr_t Add(Owner object, Stamp&& stamp) {
    std::lock_guard guard(lock_);
    const std::uintptr_t key = next_;
    next_ += 4;
    stamp(object, key);
    objects_.emplace(key, std::move(object));
    return key;
  }
  std::uintptr_t Add(Owner object) {
    return Add(std::move(object), [](const Owner&, std::uintptr_t) {});
  }

  // Runs `visit` under the lock on the slot for `key` (nullptr when the key
  // is unknown) and returns what it returns. A slot that `visit` empties
  // (by moving its object out) leaves the table; the object moved out is
  // destroyed by the caller, outside the lock, since a destructor may
  // release other handles.
  template <class Visit>
  decltype(auto) With(std::uintptr_t key, Visit&& visit) {
    std::lock_guard guard(lock_);
    auto it = objects_.find(key);
    Owner* slot = it == objects_.end() ? nullptr : &it->second;
    struct EraseEmptied {
      std::unordered_map<std::uintptr_t, Owner>& objects;
      decltype(it) at;
      ~EraseEmptied() {
        if (at != objects.end() && !at->second) objects.erase(at);
      }
    } erase{objects_, it};
    return visit(slot);
  }

  // The object behind `key`, or null; the table keeps it.
  auto* Get(std::uintptr_t key) {
    return With(key, [](Owner* slot) { return slot ? slot->get() : nullptr; });
  }
  // A shared owner of the object behind `key`, or null (shared tables only).
  Owner Find(std::uintptr_t key) {
    return With(key, [](Owner* slot) { return slot ? *slot : Owner(); });
  }
  // Removes `key` and hands its object to the caller, or null.
  Owner Take(std::uintptr_t key) {
    return With(key, [](Owner* slot) { return slot ? std::move(*slot) : Owner(); });
  }

  std::size_t Size() {
    std::lock_guard guard(lock_);
    return objects_.size();
  }

 private:
  std::mutex lock_;
  std::unordered_map<std::uintptr_t, Owner> objects_;
  std::uintptr_t next_;
};

}  // namespace win::kernel
