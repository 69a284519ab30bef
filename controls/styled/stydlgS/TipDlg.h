// TStyTipDlg: the tip-of-the-day dialog. Its window is built in code each
// time it runs; Next draws the tips in a random order without repeating one,
// Previous walks back through the ones shown, and the check box below keeps
// whether the dialog comes up at every start.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/stydlgS/BaseDialog.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TStySimplePanel;
class TStySimpleLabel;
class TStyNImage;
class TStyFormStyler;
class TStyBack;

enum TStyTipsDialogMode : std::uint8_t { moNormal, moStart };
DRUMS_ENUM_NAMES(TStyTipsDialogMode, "moNormal", "moStart")

// The program's bitmap resource with the picture beside the tip.
inline constexpr int kStyTipPictureResource = 16816;
inline constexpr int kStyMaxTips = 256;

// The dialog's window while it is open: its controls, reachable by name.
class TStyTipForm : public TForm {
  DRUMS_CLASS(TStyTipForm, TForm)

 public:
  TStyTipForm(TComponent* AOwner, TCreateNew tag) : TForm(AOwner, tag) {}

  TButton* btnOk = nullptr;
  TButton* btnNext = nullptr;
  TButton* btnPrevious = nullptr;
  TButton* btnCustom = nullptr;
  TButton* btnHelp = nullptr;
  TCheckBox* cbShowAtStart = nullptr;
  TStySimpleLabel* lblShowAtStart = nullptr;
  TStySimplePanel* pnlTip = nullptr;
  TLabel* lblHeader = nullptr;
  TLabel* lblTip = nullptr;
  TStyNImage* imgTip = nullptr;
  TStyFormStyler* styler = nullptr;
  TStyBack* back = nullptr;
};

class TStyTipDlg : public TStyBaseDialog {
  DRUMS_CLASS(TStyTipDlg, TStyBaseDialog)

 public:
  explicit TStyTipDlg(TComponent* AOwner);
  ~TStyTipDlg() override;

  // Runs the dialog in its Mode without an anchor; always false.
  bool Execute() override;
  // moStart shows nothing unless ShowAtStart is set. Without tips a warning
  // box comes instead of the dialog. The dialog opens over Anchor's bounds
  // when given. Afterwards ShowAtStart holds the check box's state.
  void ShowTips(TStyTipsDialogMode AMode, TControl* Anchor = nullptr);

  const std::string& GetCaptionHeader() const { return FCaptionHeader; }
  void SetCaptionHeader(const std::string& value) { FCaptionHeader = value; }
  const std::string& GetCaptionHelp() const { return FCaptionHelp; }
  void SetCaptionHelp(const std::string& value) { FCaptionHelp = value; }
  const std::string& GetCaptionTitle() const { return FCaptionTitle; }
  void SetCaptionTitle(const std::string& value) { FCaptionTitle = value; }
  const std::string& GetCustomButton() const { return FCustomButton; }
  void SetCustomButton(const std::string& value) { FCustomButton = value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  TStyTipsDialogMode GetMode() const { return FMode; }
  void SetMode(TStyTipsDialogMode value) { FMode = value; }
  bool GetShowAtStart() const { return FShowAtStart; }
  void SetShowAtStart(bool value) { FShowAtStart = value; }
  TStrings* GetTips() const { return FTips.get(); }
  void SetTips(TStrings* value) { FTips->Assign(value); }
  int GetTipsCount() const { return FTips->GetCount(); }
  void SetTipsCount(int /*value*/) {}

  // The open dialog's window, or none.
  TStyTipForm* GetForm() const { return FForm; }

  // Called with the dialog's window before it is shown.
  TNotifyEvent OnCustomize;
  // The extra button's click.
  TNotifyEvent OnCustomClick;

  static void Publish(TPublisher<TStyTipDlg>& p);

 private:
  std::unique_ptr<TStyTipForm> BuildForm();
  void ShowForm(TStyTipForm* Form, TControl* Anchor, const std::string& DefaultCaption);
  // Where the caption bar's styler and the background fill attach to the
  // form: the styler is enabled by CaptionFill and stays inert where the
  // system draws gradient captions itself; the fill takes the image list.
  void AttachFormStyler(TStyTipForm* Form);
  void FirstActivation();
  void NextTip();
  void PreviousTip();
  void ShowTip(int Index);
  void UpdateButtons();

  std::unique_ptr<TStringList> FTips;
  std::string FCaptionHeader;
  std::string FCaptionHelp;
  std::string FCaptionTitle;
  std::string FCustomButton;
  int FHelpContext = 0;
  TStyTipsDialogMode FMode = moNormal;
  bool FShowAtStart = false;

  // While the dialog is open.
  TStyTipForm* FForm = nullptr;
  std::unique_ptr<TStringList> FHistory;
  int FHistoryPos = -1;
  bool FActivated = false;
};
