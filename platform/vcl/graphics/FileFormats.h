// The picture file formats known by extension: which graphic class loads a
// file, and the filters open and save dialogs show.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/graphics/Graphic.h"

namespace vcl::graphics {

struct FileFormat {
  std::string extension;  // lower case, without the dot
  std::string description;  // "Bitmaps"
  TGraphicClass graphicClass;
};

// Newest first; starts with bitmaps and icons.
std::vector<FileFormat>& FileFormats();
void AddFileFormat(const std::string& extension, const std::string& description, TGraphicClass graphicClass);
void RemoveFileFormats(TGraphicClass graphicClass);
// The class for an extension (any case, with or without the dot); null when none.
TGraphicClass FindFileFormat(const std::string& extension);
// A registered class of this name (for the picture's stream data); null when none.
TGraphicClass FindGraphicClass(const std::string& className);

}  // namespace vcl::graphics

// "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|...", over the formats
// whose class is graphicClass or inherits from it.
std::string GraphicFilter(TGraphicClass graphicClass);
// The first extension registered for the class ("bmp"); empty when none.
std::string GraphicExtension(TGraphicClass graphicClass);
// "*.bmp;*.ico" for the class and its descendants.
std::string GraphicFileMask(TGraphicClass graphicClass);
