// The list box's columns as text: a line cut into fields at a delimiter,
// and the header's section widths saved and restored as "200,150,90".
#pragma once

#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/ComCtrls.h"

// Clears list and adds the fields of text in order: a delimiter ends a
// field (two in a row give an empty one); a trailing delimiter adds no
// empty last field. Nothing happens without a list or for an empty text.
void SplitAtDelimiter(const std::string& Text, char Delimiter, TStrings* List);

// The widths of all sections in decimal, joined by ","; "" without one.
std::string ColumnWidthsText(THeaderSections* Sections);
// Field i sets section i's width, appending sections captioned "S. <i+1>"
// while there are too few. A field that is no whole number leaves its
// section's width as it is (a new one keeps the default) and the others
// still apply.
void ApplyColumnWidths(const std::string& Text, THeaderSections* Sections);

// A section of the old form data: "\0<width>\0<caption>" or a caption
// alone; the section is the stored width + 1 wide (76 without a number).
void AddLegacySection(const std::string& Stored, THeaderSections* Sections);
