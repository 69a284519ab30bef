// What the kit and sample commands show on the main window: the track and
// sample buttons, the track panel's sample box and label, the "Drum Kits"
// menu's check marks and user-kit items, the kit's name in the status bar and
// the kit labels, and the message boxes. The main window implements it over
// its controls; the units never touch a control themselves.
#pragma once

#include <string>
#include <vector>

class IKitView {
 public:
  virtual ~IKitView() = default;

  // The caption of the drum-name button TrkBtn_NN of track (1..12).
  virtual void SetTrackButtonCaption(int track, const std::string& caption) = 0;
  // The caption of the sample button btnDrumN of track (1..12).
  virtual void SetDrumButtonCaption(int track, const std::string& caption) = 0;
  // The track panel's sample box edtDrum: its items, then its ItemIndex
  // (-1: no item selected).
  virtual void SetSampleItems(const std::vector<std::string>& items, int itemIndex) = 0;
  // edtDrum's ItemIndex alone, its items unchanged.
  virtual void SetSampleIndex(int itemIndex) = 0;
  // The track panel's label lblSample.
  virtual void SetSampleLabel(const std::string& text) = 0;
  // The user-kit item mnukitN (n = 1..9) of the "Drum Kits" menu.
  virtual void SetUserKitItem(int n, const std::string& caption, bool visible) = 0;
  // The separator N18 above the user-kit items.
  virtual void SetUserKitSeparatorVisible(bool visible) = 0;
  // The kit's name: status bar panel 1 and the labels lblkit, lblKit2 and
  // lblkit3, each text already cut to the label's length.
  virtual void SetKitCaptions(const std::string& statusPanel, const std::string& lblkit, const std::string& lblKit2,
                              const std::string& lblkit3) = 0;
  // The check mark of a built-in kit's menu item (KitId 0..12).
  virtual void SetBuiltinKitChecked(int kitId, bool checked) = 0;
  // The check mark of mnukitN (n = 1..9).
  virtual void SetUserKitChecked(int n, bool checked) = 0;
  // A message box with text and an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
};
