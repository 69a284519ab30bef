// Sets of an enumeration as the class library has them: at most 64 values,
// bit n standing for the value with ordinal n.
//   TSet<TFontStyle> s{fsBold, fsItalic};
//   s.Include(fsUnderline); if (s.Contains(fsBold)) ...; s = s + other;
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  using Element = E;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) FBits |= Bit(v);
  }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }
  constexpr std::uint64_t Bits() const { return FBits; }

  constexpr TSet& Include(E v) {
    FBits |= Bit(v);
    return *this;
  }
  constexpr TSet& Exclude(E v) {
    FBits &= ~Bit(v);
    return *this;
  }
  constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr void Clear() { FBits = 0; }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
  friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }
  // a <= b: every element of a is in b.
  friend constexpr bool operator<=(TSet a, TSet b) { return (a.FBits & ~b.FBits) == 0; }
  friend constexpr bool operator>=(TSet a, TSet b) { return b <= a; }
  constexpr TSet& operator+=(TSet b) {
    FBits |= b.FBits;
    return *this;
  }
  constexpr TSet& operator-=(TSet b) {
    FBits &= ~b.FBits;
    return *this;
  }
  constexpr TSet& operator*=(TSet b) {
    FBits &= b.FBits;
    return *this;
  }

 private:
  static constexpr std::uint64_t Bit(E v) { return std::uint64_t{1} << static_cast<unsigned>(v); }
  std::uint64_t FBits = 0;
};
