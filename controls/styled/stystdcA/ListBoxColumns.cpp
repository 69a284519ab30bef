#include "controls/styled/stystdcA/ListBoxColumns.h"

#include "platform/vcl/SysUtils.h"

void SplitAtDelimiter(const std::string& Text, char Delimiter, TStrings* List) {
  if (!List || Text.empty()) return;
  List->Clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == Delimiter) {
      List->Add(Text.substr(start, i - start));
      start = i + 1;
    } else if (i + 1 == Text.size()) {
      List->Add(Text.substr(start));
    }
  }
}

std::string ColumnWidthsText(THeaderSections* Sections) {
  std::string text;
  for (int i = 0; i < Sections->GetCount(); ++i) {
    if (i > 0) text += ",";
    text += std::to_string(Sections->GetItem(i)->GetWidth());
  }
  return text;
}

void ApplyColumnWidths(const std::string& Text, THeaderSections* Sections) {
  TStringList fields;
  SplitAtDelimiter(Text, ',', &fields);
  for (int i = 0; i < fields.GetCount(); ++i) {
    if (Sections->GetCount() < i + 1) Sections->Add()->SetText("S. " + std::to_string(i + 1));
    int width = 0;
    // Stored text is outside the program's hands: a field that is no number
    // must not cost the widths after it.
    if (TryStrToInt(fields.GetStrings(i), width)) Sections->GetItem(i)->SetWidth(width);
  }
}

void AddLegacySection(const std::string& Stored, THeaderSections* Sections) {
  std::string caption = Stored;
  int width = 75;
  if (!caption.empty() && caption[0] == '\0') {
    const std::size_t end = caption.find('\0', 1);
    const std::string number = caption.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    if (!TryStrToInt(number, width)) width = 75;
    caption = end == std::string::npos ? std::string() : caption.substr(end + 1);
  }
  THeaderSection* section = Sections->Add();
  section->SetText(caption);
  section->SetWidth(width + 1);
}
