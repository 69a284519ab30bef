// A fixed array indexed from Low to High, as the model counts tracks, steps
// and patterns from 1. An index outside the range raises ERangeError.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include "platform/vcl/SysUtils.h"

[[noreturn]] void RaiseRangeError();

template <class T, int Low, int High>
class TRangeArray {
 public:
  static_assert(Low <= High);
  static constexpr int Count = High - Low + 1;

  TRangeArray() : FItems{} {}
  // The entries in order from Low; missing ones stay zero.
  TRangeArray(std::initializer_list<T> values) : FItems{} {
    std::size_t i = 0;
    for (const T& v : values)
      if (i < FItems.size()) FItems[i++] = v;
  }

  // Every entry set to value.
  static TRangeArray Filled(const T& value) {
    TRangeArray a;
    a.FItems.fill(value);
    return a;
  }

  static constexpr bool Contains(int index) { return index >= Low && index <= High; }

  T& operator[](int index) { return FItems[Offset(index)]; }
  const T& operator[](int index) const { return FItems[Offset(index)]; }

  void Fill(const T& value) { FItems.fill(value); }
  auto begin() { return FItems.begin(); }
  auto end() { return FItems.end(); }
  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }
  bool operator==(const TRangeArray&) const = default;

 private:
  static std::size_t Offset(int index) {
    if (!Contains(index)) RaiseRangeError();
    return static_cast<std::size_t>(index - Low);
  }
  std::array<T, Count> FItems;
};
