// TOpenDialog and TSaveDialog: the platform's file name dialogs with the
// class library's properties. The dialogs never change the process's
// current directory.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/dialogs/Dialog.h"

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing
};
DRUMS_ENUM_NAMES(TOpenOption, "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp",
                 "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist",
                 "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton",
                 "ofNoLongNames", "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing")
using TOpenOptions = TSet<TOpenOption>;

// With this set, a file dialog whose InitialDir is empty starts in the
// process's current directory (rather than wherever the platform likes).
extern bool ForceCurrentDirectory;

class TOpenDialog : public TCommonDialog {
  DRUMS_CLASS(TOpenDialog, TCommonDialog)

 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  bool Execute() override;

  const std::string& GetDefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  // The chosen files (one unless ofAllowMultiSelect let the user pick more).
  TStrings* GetFiles() const { return FFiles.get(); }
  // "Description|mask;mask|Description|mask...".
  const std::string& GetFilter() const { return FFilter; }
  void SetFilter(const std::string& value) { FFilter = value; }
  int GetFilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int value) { FFilterIndex = value; }
  const std::string& GetInitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& value) { FInitialDir = value; }
  TOpenOptions GetOptions() const { return FOptions; }
  void SetOptions(TOpenOptions value) { FOptions = value; }
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }

  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnFolderChange;
  TNotifyEvent OnTypeChange;

  static void Publish(TPublisher<TOpenDialog>& p);

 protected:
  bool DoExecute(bool save);
  virtual void DoSelectionChange();
  virtual void DoFolderChange();
  virtual void DoTypeChange();
  // The hook's child window exists: a subclass may size it and use it.
  virtual void HookInit(HWND child);
  // Any other message of the hook's child; nonzero when handled.
  virtual UINT_PTR HookMessage(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);
  // The path the dialog has selected now (while it runs).
  std::string CurrentFilePath() const;

 private:
  static UINT_PTR CALLBACK Hook(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);

  std::string FDefaultExt;
  std::string FFileName;
  std::unique_ptr<TStringList> FFiles;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FInitialDir;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
  std::string FTitle;
};

class TSaveDialog : public TOpenDialog {
  DRUMS_CLASS(TSaveDialog, TOpenDialog)

 public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
  bool Execute() override;
};
