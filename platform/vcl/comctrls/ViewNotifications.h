// What the list view and the tree view share in answering their window's
// notifications: NM_CUSTOMDRAW through their custom-draw hooks and events,
// and the end of a label edit through OnEdited.
//
// A view derives from TViewNotifications<View, Item> beside TWinControl and
// befriends it; View has the hooks IsCustomDrawn, CustomDraw and
// CustomDrawItem, the events OnCustomDraw, OnCustomDrawItem and OnEdited,
// and the canvas FCanvas it lends the notification's device context to.
#pragma once

#include <optional>
#include <string>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/comctrls/ViewTypes.h"

namespace vcl::comctrls {

template <class View, class Item>
class TViewNotifications {
 protected:
  // NM_CUSTOMDRAW; item is the one the record is about (null: none of the
  // view's, or the control's own stage).
  LRESULT AnswerCustomDraw(NMCUSTOMDRAW* nmcd, COLORREF* clrText, COLORREF* clrTextBk, Item* item) {
    View* view = Self();
    TCustomDrawHooks hooks;
    hooks.controlDrawn = view->IsCustomDrawn(false);
    hooks.itemDrawn = view->IsCustomDrawn(true);
    hooks.drawControl = [view](const TRect& rect) { return view->CustomDraw(rect, cdPrePaint); };
    hooks.drawItem = [view, item](TCustomDrawState state) -> std::optional<bool> {
      if (!item) return std::nullopt;
      return view->CustomDrawItem(item, state, cdPrePaint);
    };
    return CustomDrawNotify(nmcd, clrText, clrTextBk, view->FCanvas.get(), view->GetFont(), view->GetColor(), hooks);
  }

  // The hooks' answers from the view's events.
  bool CustomDrawnByEvents(bool item) const {
    const View* view = static_cast<const View*>(this);
    return item ? static_cast<bool>(view->OnCustomDrawItem) : static_cast<bool>(view->OnCustomDraw);
  }
  bool AskCustomDraw(const TRect& rect, TCustomDrawStage stage) {
    return stage != cdPrePaint || AskEvent(Self()->OnCustomDraw, Self(), rect);
  }
  bool AskCustomDrawItem(Item* item, TCustomDrawState state, TCustomDrawStage stage) {
    return stage != cdPrePaint || AskEvent(Self()->OnCustomDrawItem, Self(), item, state);
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
};

}  // namespace vcl::comctrls
