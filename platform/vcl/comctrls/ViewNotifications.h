// What the list view and the tree view share in answering their window's
// notifications: NM_CUSTOMDRAW through their custom-draw hooks and events,
// and the end of a label edit through OnEdited.
//
// A view derives from TViewNotifications<View, Item> beside TWinControl and
// befriends it; View has the events OnCustomDraw, OnCustomDrawItem and
// OnEdited, and the canvas FCanvas it lends the notification's device
// context to. The custom-draw hooks are virtual here, for a view class to
// override.
#pragma once

#include <optional>
#include <string>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/comctrls/ViewTypes.h"

namespace vcl::comctrls {

template <class View, class Item>
class TViewNotifications {
 protected:
  ~TViewNotifications() = default;

  // Whether the control's (item false) or the items' drawing is asked.
  virtual bool IsCustomDrawn(bool item) {
    const View* view = Self();
    return item ? static_cast<bool>(view->OnCustomDrawItem) : static_cast<bool>(view->OnCustomDraw);
  }
  // False skips the default drawing of the control, or of item.
  virtual bool CustomDraw(const TRect& rect, TCustomDrawStage stage) {
    return stage != cdPrePaint || AskEvent(Self()->OnCustomDraw, Self(), rect);
  }
  virtual bool CustomDrawItem(Item* item, TCustomDrawState state, TCustomDrawStage stage) {
    return stage != cdPrePaint || AskEvent(Self()->OnCustomDrawItem, Self(), item, state);
  }

  // NM_CUSTOMDRAW; item is the one the record is about (null: none of the
  // view's, or the control's own stage).
  LRESULT AnswerCustomDraw(NMCUSTOMDRAW* nmcd, COLORREF* clrText, COLORREF* clrTextBk, Item* item) {
    View* view = Self();
    TCustomDrawHooks hooks;
    hooks.controlDrawn = IsCustomDrawn(false);
    hooks.itemDrawn = IsCustomDrawn(true);
    hooks.drawControl = [this](const TRect& rect) { return CustomDraw(rect, cdPrePaint); };
    hooks.drawItem = [this, item](TCustomDrawState state) -> std::optional<bool> {
      if (!item) return std::nullopt;
      return CustomDrawItem(item, state, cdPrePaint);
    };
    return CustomDrawNotify(nmcd, clrText, clrTextBk, view->FCanvas.get(), view->GetFont(), view->GetColor(), hooks);
  }

  // A label edit ended with text: OnEdited may change it, and the item then
  // takes it through setText, unless the handler freed the view.
  template <class SetText>
  void EndLabelEdit(Item* item, const char* text, SetText setText) {
    if (!item || !text) return;
    std::string s = text;
    TWeakRef<View> self(Self());
    if (Self()->OnEdited) Self()->OnEdited(Self(), item, s);
    if (self) (item->*setText)(s);
  }

 private:
  View* Self() { return static_cast<View*>(this); }
  const View* Self() const { return static_cast<const View*>(this); }
};

}  // namespace vcl::comctrls
