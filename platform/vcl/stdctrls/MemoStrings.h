// TMemoStrings: a memo's Lines over its text. The lines are the text's parts
// between line breaks (CR LF, or LF alone as typed text may hold); an empty
// text is no line at all. Changes write the whole text back, once per
// BeginUpdate ... EndUpdate (as Text := and Assign do).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/classes/strings/Strings.h"

class TControl;

class TMemoStrings : public TStrings {
  DRUMS_CLASS(TMemoStrings, TStrings)

 public:
  explicit TMemoStrings(TControl* memo) : FMemo(memo) {}

  int GetCount() const override;
  void Clear() override;
  void Delete(int index) override;
  void Insert(int index, const std::string& s) override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void SetUpdateState(bool updating) override;

 private:
  std::vector<std::string> Lines() const;
  void Store(std::vector<std::string> lines);
  void CheckIndex(int index, bool allowEnd) const;

  TControl* FMemo;
  // While updating, the lines wait here and the text is written at the end.
  std::optional<std::vector<std::string>> FPending;
};
