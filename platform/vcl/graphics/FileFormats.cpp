#include "platform/vcl/graphics/FileFormats.h"

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Icon.h"

namespace vcl::graphics {

std::vector<FileFormat>& FileFormats() {
  static std::vector<FileFormat> formats = {
      {"bmp", "Bitmaps", TBitmap::StaticClass()},
      {"ico", "Icons", TIcon::StaticClass()},
  };
  return formats;
}

void AddFileFormat(const std::string& extension, const std::string& description, TGraphicClass graphicClass) {
  std::string ext = LowerCase(extension);
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  auto& formats = FileFormats();
  formats.insert(formats.begin(), FileFormat{ext, description, graphicClass});
}

void RemoveFileFormats(TGraphicClass graphicClass) {
  auto& formats = FileFormats();
  std::erase_if(formats, [graphicClass](const FileFormat& f) { return f.graphicClass == graphicClass; });
}

TGraphicClass FindFileFormat(const std::string& extension) {
  std::string ext = extension;
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  for (const FileFormat& f : FileFormats())
    if (SameText(f.extension, ext)) return f.graphicClass;
  return nullptr;
}

TGraphicClass FindGraphicClass(const std::string& className) {
  for (const FileFormat& f : FileFormats())
    if (SameText(f.graphicClass->Name, className)) return f.graphicClass;
  return nullptr;
}

}  // namespace vcl::graphics

namespace {

bool Matches(const vcl::graphics::FileFormat& f, TGraphicClass graphicClass) {
  return graphicClass == nullptr || f.graphicClass->InheritsFrom(graphicClass);
}

}  // namespace

std::string GraphicFileMask(TGraphicClass graphicClass) {
  std::string mask;
  for (const auto& f : vcl::graphics::FileFormats()) {
    if (!Matches(f, graphicClass)) continue;
    if (!mask.empty()) mask += ';';
    mask += "*." + f.extension;
  }
  return mask;
}

std::string GraphicFilter(TGraphicClass graphicClass) {
  std::string all = GraphicFileMask(graphicClass);
  std::string filter = "All (" + all + ")|" + all;
  for (const auto& f : vcl::graphics::FileFormats())
    if (Matches(f, graphicClass)) filter += "|" + f.description + " (*." + f.extension + ")|*." + f.extension;
  return filter;
}

std::string GraphicExtension(TGraphicClass graphicClass) {
  for (const auto& f : vcl::graphics::FileFormats())
    if (f.graphicClass == graphicClass) return f.extension;
  return {};
}
