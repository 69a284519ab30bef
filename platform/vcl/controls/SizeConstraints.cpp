#include "platform/vcl/controls/SizeConstraints.h"

#include <algorithm>

void TSizeConstraints::Publish(TPublisher<TSizeConstraints>& p) {
  p.Prop("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
  p.Prop("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  p.Prop("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  p.Prop("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSizeConstraints*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  FMaxHeight = other->FMaxHeight;
  FMaxWidth = other->FMaxWidth;
  FMinHeight = other->FMinHeight;
  FMinWidth = other->FMinWidth;
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Set(int& field, int value) {
  value = std::max(0, value);
  if (field == value) return;
  field = value;
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Constrain(int& width, int& height) const {
  if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
  if (FMinWidth > 0) width = std::max(width, FMinWidth);
  if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
  if (FMinHeight > 0) height = std::max(height, FMinHeight);
}
