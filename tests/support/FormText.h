// Forms to and from the text form files are written in: a form read from
// text, and a component written back as text (defaults left out).
#pragma once

#include <string>

#include "platform/vcl/Forms.h"
#include "platform/vcl/Classes.h"

namespace testsupport {

// Reads the text's properties and components into root.
inline void ReadComponentText(const std::string& text, TComponent* root) {
  TStringStream source(text);
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, root);
}

// The form the text describes, owned by the application.
inline TForm* ReadFormText(const std::string& text) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  ReadComponentText(text, form);
  return form;
}

inline std::string WriteFormText(TComponent* root) {
  TMemoryStream written;
  WriteComponent(&written, root);
  written.SetPosition(0);
  TStringStream text("");
  ObjectBinaryToText(&written, &text);
  return text.GetDataString();
}

}  // namespace testsupport
