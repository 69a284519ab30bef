// The picture a button takes from its action as its glyph.
#pragma once

class TBitmap;
class TObject;

// Makes `glyph` the image of the action `sender` names in its list's images,
// at the list's size on a fuchsia ground (the colour buttons treat as clear).
// Returns false, leaving the glyph alone, when the sender is no action with
// such an image.
bool ActionImageToGlyph(TObject* sender, TBitmap* glyph);
