// TStrings: the abstract list of strings with attached objects, its text
// forms (Text, CommaText, DelimitedText, name=value pairs) and its streaming
// as the defined property "Strings".
#pragma once

#include <string>

#include "platform/vcl/classes/components/Persistent.h"

class TStream;

class TStrings : public TPersistent {
  DRUMS_CLASS(TStrings, TPersistent)

 public:
  ~TStrings() override;

  virtual int Add(const std::string& s);
  virtual int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  virtual void AddStrings(TStrings* strings);
  void Assign(TPersistent* source) override;
  void BeginUpdate();
  void EndUpdate();
  virtual void Clear() = 0;
  virtual void Delete(int index) = 0;
  virtual void Exchange(int index1, int index2);
  virtual void Insert(int index, const std::string& s) = 0;
  void InsertObject(int index, const std::string& s, TObject* object);
  virtual int IndexOf(const std::string& s);
  int IndexOfName(const std::string& name);
  int IndexOfObject(TObject* object);
  virtual void Move(int curIndex, int newIndex);
  // Same count and the same strings, case-sensitive.
  bool Equals(TStrings* strings);

  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);
  virtual void LoadFromStream(TStream* stream);
  virtual void SaveToStream(TStream* stream);

  virtual int GetCount() const = 0;
  std::string GetStrings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  TObject* GetObjects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  // Every string followed by CR LF.
  std::string GetText() const;
  // Splits at CR LF, LF or CR; a last line break adds no empty string.
  virtual void SetText(const std::string& text);
  // Delimiter ",", quote '"': strings holding blanks, quotes or commas are
  // quoted; reading also splits at blanks outside quotes.
  std::string GetCommaText() const;
  void SetCommaText(const std::string& text);
  std::string GetDelimitedText() const;
  void SetDelimitedText(const std::string& text);
  char GetDelimiter() const { return FDelimiter; }
  void SetDelimiter(char value) { FDelimiter = value; }
  char GetQuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char value) { FQuoteChar = value; }

  // name=value lines.
  std::string GetNames(int index) const;
  std::string GetValues(const std::string& name);
  // An empty value deletes the line.
  void SetValues(const std::string& name, const std::string& value);
  std::string GetValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const std::string& value);

 protected:
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void SetUpdateState(bool updating);
  virtual int CompareStrings(const std::string& s1, const std::string& s2) const;
  void DefineProperties(TFiler* filer) override;
  int GetUpdateCount() const { return FUpdateCount; }
  [[noreturn]] void Error(const char* message, int data) const;

 private:
  int FUpdateCount = 0;
  char FDelimiter = ',';
  char FQuoteChar = '"';
};
