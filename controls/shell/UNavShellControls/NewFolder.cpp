#include "controls/shell/UNavShellControls/NewFolder.h"

#include "controls/shell/UNavShellControls/ControlTexts.h"
#include "controls/shell/UNavShellControls/Hourglass.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/FormatStrPos.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/SysUtils.h"

namespace {

constexpr int kNamesPerSeries = 50;

enum class TSeriesEnd { Made, AllTaken, Failed };

void ShowCreateError(DWORD error, const std::string& name) {
  MessageDlg(FormatStrPos(SNavCreateFolderError, {SystemErrorText(error), name}), mtWarning, TMsgDlgButtons{mbOK}, 0);
}

template <class NameOf>
TSeriesEnd TrySeries(const std::string& parent, NameOf nameOf, std::string& made) {
  for (int number = 1; number <= kNamesPerSeries; ++number) {
    const std::string name = nameOf(number);
    if (CreateDirectoryA((parent + name).c_str(), nullptr)) {
      made = name;
      return TSeriesEnd::Made;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS) {
      ShowCreateError(error, name);
      return TSeriesEnd::Failed;
    }
  }
  return TSeriesEnd::AllTaken;
}

}  // namespace

bool CreateNewFolder(const std::string& parentPath, std::string& newName) {
  // A folder without a file-system path (My Computer) has no place for a
  // new folder; making one in the current directory instead would put it
  // where the user is not looking.
  if (parentPath.empty()) {
    ShowCreateError(ERROR_PATH_NOT_FOUND, SNavNewFolder);
    return false;
  }
  const std::string parent = AddTrailingChar(parentPath, '\\');

  const auto plain = [](int number) {
    return number == 1 ? std::string(SNavNewFolder) : SNavNewFolder + Format(SNavNewFolderNumbered, {number});
  };
  const auto shortName = [](int number) {
    return number == 1 ? std::string(SNavFolderShortName) : SNavFolderShortName + std::to_string(number);
  };
  if (TrySeries(parent, plain, newName) == TSeriesEnd::Made) return true;
  const TSeriesEnd end = TrySeries(parent, shortName, newName);
  if (end == TSeriesEnd::Made) return true;
  if (end == TSeriesEnd::AllTaken) ShowCreateError(ERROR_ALREADY_EXISTS, SNavNewFolder);
  return false;
}

void WaitWithHourglass(unsigned milliseconds) {
  TNavHourglass hourglass;
  Sleep(milliseconds);
}
