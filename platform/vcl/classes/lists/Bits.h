// TBits: a growable array of bits.
#pragma once

#include <vector>

class TBits {
 public:
  // Setting past Size grows it; reading past Size or a negative index raises
  // EBitsError "Bits index out of range".
  bool GetBits(int index) const;
  void SetBits(int index, bool value);
  bool operator[](int index) const { return GetBits(index); }
  int GetSize() const { return static_cast<int>(FBits.size()); }
  void SetSize(int value);
  // The index of the first false bit, or Size when every bit is set.
  int OpenBit() const;

 private:
  std::vector<bool> FBits;
};
