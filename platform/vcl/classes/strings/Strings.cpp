#include "platform/vcl/classes/strings/Strings.h"

#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/strings/Updating.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/StringUtils.h"

TStrings::~TStrings() = default;

void TStrings::Error(const char* message, int data) const {
  throw EStringListError(message, {data});
}

int TStrings::Add(const std::string& s) {
  int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(TStrings* strings) {
  vcl::detail::WhileUpdating(*this, [&] {
    for (int i = 0; i < strings->GetCount(); ++i) AddObject(strings->Get(i), strings->GetObject(i));
  });
}

void TStrings::Assign(TPersistent* source) {
  if (auto* strings = dynamic_cast<TStrings*>(source)) {
    if (strings == this) return;
    vcl::detail::WhileUpdating(*this, [&] {
      Clear();
      AddStrings(strings);
    });
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  --FUpdateCount;
  if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Exchange(int index1, int index2) {
  vcl::detail::WhileUpdating(*this, [&] {
    std::string s = Get(index1);
    TObject* o = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s);
    PutObject(index2, o);
  });
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

int TStrings::CompareStrings(const std::string& s1, const std::string& s2) const {
  return AnsiCompareText(s1, s2);
}

int TStrings::IndexOf(const std::string& s) {
  for (int i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) {
  for (int i = 0; i < GetCount(); ++i) {
    std::string s = Get(i);
    std::size_t eq = s.find('=');
    if (eq != std::string::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* object) {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  vcl::detail::WhileUpdating(*this, [&] {
    std::string s = Get(curIndex);
    TObject* o = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
  });
}

bool TStrings::Equals(TStrings* strings) {
  if (GetCount() != strings->GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i) != strings->Get(i)) return false;
  return true;
}

void TStrings::Put(int index, const std::string& s) {
  TObject* o = GetObject(index);
  Delete(index);
  InsertObject(index, s, o);
}

TObject* TStrings::GetObject(int) const {
  return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

std::string TStrings::GetText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(const std::string& text) {
  vcl::detail::WhileUpdating(*this, [&] {
    Clear();
    std::size_t p = 0, n = text.size();
    while (p < n) {
      std::size_t start = p;
      while (p < n && text[p] != '\r' && text[p] != '\n') ++p;
      Add(text.substr(start, p - start));
      if (p < n && text[p] == '\r') ++p;
      if (p < n && text[p] == '\n') ++p;
    }
  });
}

std::string TStrings::GetDelimitedText() const {
  int count = GetCount();
  std::string quote(1, FQuoteChar);
  if (count == 1 && Get(0).empty()) return quote + quote;
  std::string result;
  for (int i = 0; i < count; ++i) {
    std::string s = Get(i);
    bool needsQuotes = false;
    for (char c : s)
      if (static_cast<unsigned char>(c) <= ' ' || c == FQuoteChar || c == FDelimiter) needsQuotes = true;
    if (needsQuotes) {
      std::string quoted = quote;
      for (char c : s) {
        quoted += c;
        if (c == FQuoteChar) quoted += c;
      }
      s = quoted + quote;
    }
    if (i > 0) result += FDelimiter;
    result += s;
  }
  return result;
}

void TStrings::SetDelimitedText(const std::string& text) {
  auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
  vcl::detail::WhileUpdating(*this, [&] {
    Clear();
    std::size_t p = 0, n = text.size();
    while (p < n && blank(text[p])) ++p;
    while (p < n) {
      std::string s;
      if (text[p] == FQuoteChar) {
        ++p;
        while (p < n) {
          if (text[p] == FQuoteChar) {
            if (p + 1 < n && text[p + 1] == FQuoteChar) {
              s += FQuoteChar;
              p += 2;
              continue;
            }
            ++p;
            break;
          }
          s += text[p++];
        }
      } else {
        std::size_t start = p;
        while (p<n&& static_cast<unsigned char>(text[p])> ' ' && text[p] != FDelimiter) ++p;
        s = text.substr(start, p - start);
      }
      Add(s);
      while (p < n && blank(text[p])) ++p;
      if (p < n && text[p] == FDelimiter) {
        if (p + 1 == n) Add("");
        do {
          ++p;
        } while (p < n && blank(text[p]));
      }
    }
  });
}

std::string TStrings::GetCommaText() const {
  TStrings* self = const_cast<TStrings*>(this);
  char delimiter = FDelimiter, quote = FQuoteChar;
  self->FDelimiter = ',';
  self->FQuoteChar = '"';
  std::string result = GetDelimitedText();
  self->FDelimiter = delimiter;
  self->FQuoteChar = quote;
  return result;
}

void TStrings::SetCommaText(const std::string& text) {
  char delimiter = FDelimiter, quote = FQuoteChar;
  FDelimiter = ',';
  FQuoteChar = '"';
  try {
    SetDelimitedText(text);
  } catch (...) {
    FDelimiter = delimiter;
    FQuoteChar = quote;
    throw;
  }
  FDelimiter = delimiter;
  FQuoteChar = quote;
}

std::string TStrings::GetNames(int index) const {
  std::string s = Get(index);
  std::size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::GetValues(const std::string& name) {
  int index = IndexOfName(name);
  return index < 0 ? std::string() : Get(index).substr(name.size() + 1);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  int index = IndexOfName(name);
  if (!value.empty()) {
    if (index < 0) index = Add("");
    Put(index, name + "=" + value);
  } else if (index >= 0) {
    Delete(index);
  }
}

std::string TStrings::GetValueFromIndex(int index) const {
  if (index < 0) return {};
  std::string s = Get(index);
  std::size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
  if (!value.empty()) {
    if (index < 0) index = Add("");
    Put(index, GetNames(index) + "=" + value);
  } else if (index >= 0) {
    Delete(index);
  }
}

void TStrings::LoadFromStream(TStream* stream) {
  std::int64_t size = stream->GetSize() - stream->GetPosition();
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (!text.empty()) stream->ReadBuffer(text.data(), static_cast<int>(text.size()));
  SetText(text);
}

void TStrings::SaveToStream(TStream* stream) {
  std::string text = GetText();
  if (!text.empty()) stream->WriteBuffer(text.data(), static_cast<int>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}

void TStrings::DefineProperties(TFiler* filer) {
  filer->DefineProperty(
      "Strings",
      [this](TReader* reader) {
        reader->ReadListBegin();
        vcl::detail::WhileUpdating(*this, [&] {
          Clear();
          while (!reader->EndOfList()) Add(reader->ReadString());
        });
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        for (int i = 0; i < GetCount(); ++i) writer->WriteString(Get(i));
        writer->WriteListEnd();
      },
      GetCount() > 0);
}
