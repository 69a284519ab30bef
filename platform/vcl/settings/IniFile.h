// TCustomIniFile and TIniFile: values in sections of a settings file, read
// and written through the platform's private-profile store (each call goes
// to the file, so what one process writes the next one reads).
#pragma once

#include <string>

#include "platform/vcl/classes/strings/Strings.h"
#include "platform/vcl/classes/typeinfo/ClassDecl.h"
#include "platform/vcl/rtl/Exceptions.h"

// A write the store refused: "Unable to write to <file name>".
DRUMS_DECLARE_EXCEPTION(EIniFileException, Exception);

class TCustomIniFile : public TObject {
  DRUMS_CLASS(TCustomIniFile, TObject)

 public:
  explicit TCustomIniFile(const std::string& fileName) : FFileName(fileName) {}

  const std::string& GetFileName() const { return FFileName; }

  // Missing values read as the default.
  virtual std::string ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) = 0;
  virtual void WriteString(const std::string& section, const std::string& ident, const std::string& value) = 0;
  // A value that is no decimal (or $/0x hexadecimal) number reads as the default.
  virtual int ReadInteger(const std::string& section, const std::string& ident, int defaultValue);
  virtual void WriteInteger(const std::string& section, const std::string& ident, int value);
  // Stored as "1" and "0"; any other number is true.
  virtual bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
  virtual void WriteBool(const std::string& section, const std::string& ident, bool value);
  // The idents of a section, the names of the sections, "ident=value" lines.
  virtual void ReadSection(const std::string& section, TStrings* strings) = 0;
  virtual void ReadSections(TStrings* strings) = 0;
  virtual void ReadSectionValues(const std::string& section, TStrings* strings);
  virtual void EraseSection(const std::string& section) = 0;
  virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
  virtual bool SectionExists(const std::string& section);
  virtual bool ValueExists(const std::string& section, const std::string& ident);
  virtual void UpdateFile() = 0;

 private:
  std::string FFileName;
};

class TIniFile : public TCustomIniFile {
  DRUMS_CLASS(TIniFile, TCustomIniFile)

 public:
  // A name without a folder lives in the Windows directory.
  explicit TIniFile(const std::string& fileName) : TCustomIniFile(fileName) {}

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
  void ReadSection(const std::string& section, TStrings* strings) override;
  void ReadSections(TStrings* strings) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& ident) override;
  void UpdateFile() override;

 private:
  void Write(const char* section, const char* ident, const char* value);
};
