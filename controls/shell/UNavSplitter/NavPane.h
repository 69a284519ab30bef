// TNavPane: one of the two framed panes of a splitter, with the smallest
// size the splitter leaves it and its place (0 or 1) in the splitter.
#pragma once

#include "controls/shell/UNavFrame/NavGroup.h"

class TNavPane : public TNavGroup {
  DRUMS_CLASS(TNavPane, TNavGroup)
  DRUMS_MESSAGE_MAP(TNavPane)

 public:
  explicit TNavPane(TComponent* AOwner);

  int GetMinSize() const { return FMinSize; }
  void SetMinSize(int value) { FMinSize = value; }
  int GetIndex() const { return FIndex; }
  void SetIndex(int value) { FIndex = value; }
  // The pane the designer works on; the splitter sets it on one pane and
  // clears it on the other.
  bool GetActive() const { return FActive; }
  void SetActive(bool value) { FActive = value; }

  static void Publish(TPublisher<TNavPane>& p);
  static void Messages(TMessageMap<TNavPane>& m);

 protected:
  void Paint() override;

 private:
  void CMDesignHitTest(TMessage& m);

  int FMinSize = 20;
  int FIndex = 0;
  bool FActive = false;
};
