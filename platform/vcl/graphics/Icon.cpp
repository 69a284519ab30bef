#include "platform/vcl/graphics/Icon.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/win/drums_ext.h"
#include "platform/win/winuser_draw.h"

namespace {

[[noreturn]] void InvalidIcon() {
  throw EInvalidGraphic("Icon image is not valid");
}

std::uint16_t Word16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t Word32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Put16(std::vector<unsigned char>& out, std::uint32_t v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One image of an icon as .ico bytes: a 32-bit colour image and its AND mask.
std::vector<unsigned char> IcoFromHandle(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  win::gdi::DibImage color, mask;
  bool ok = win::gdi::DibFromBitmap(info.hbmMask, 1, &mask);
  if (ok && info.hbmColor != nullptr) ok = win::gdi::DibFromBitmap(info.hbmColor, 32, &color);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (!ok) return {};
  int width = mask.width;
  int height = info.hbmColor != nullptr ? color.height : mask.height / 2;
  // Monochrome icons are not written.
  if (info.hbmColor == nullptr || width <= 0 || height <= 0 || mask.height < height) return {};
  // The mask rows are the AND mask's; take its lower half when it holds both.
  std::size_t maskStride = static_cast<std::size_t>(mask.Stride());
  std::size_t maskBytes = maskStride * static_cast<std::size_t>(height);
  std::size_t colorBytes = static_cast<std::size_t>(color.Stride()) * static_cast<std::size_t>(height);
  std::uint32_t imageSize = static_cast<std::uint32_t>(40 + colorBytes + maskBytes);

  std::vector<unsigned char> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(static_cast<unsigned char>(width >= 256 ? 0 : width));
  out.push_back(static_cast<unsigned char>(height >= 256 ? 0 : height));
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, imageSize);
  Put32(out, 6 + 16);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, BI_RGB);
  Put32(out, static_cast<std::uint32_t>(colorBytes + maskBytes));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  out.insert(out.end(), color.bits.begin(), color.bits.begin() + static_cast<std::ptrdiff_t>(colorBytes));
  // DibFromBitmap gives bottom-up rows: the AND mask is the bottom rows when
  // the mask bitmap holds AND over XOR, else all of it.
  std::size_t maskOffset = mask.height == height * 2 ? maskBytes : 0;
  out.insert(out.end(), mask.bits.begin() + static_cast<std::ptrdiff_t>(maskOffset),
             mask.bits.begin() + static_cast<std::ptrdiff_t>(maskOffset + maskBytes));
  return out;
}

}  // namespace

TIcon::~TIcon() {
  if (FHandle != nullptr) DestroyIcon(FHandle);
}

void TIcon::Replace(HICON handle, std::vector<unsigned char> data) {
  if (FHandle != nullptr && FHandle != handle) DestroyIcon(FHandle);
  FHandle = handle;
  FData = std::move(data);
  FWidth = FHeight = 0;
  ICONINFO info{};
  if (FHandle != nullptr && GetIconInfo(FHandle, &info)) {
    BITMAP bm{};
    if (GetObjectA(info.hbmMask, sizeof bm, &bm) == static_cast<int>(sizeof bm)) {
      FWidth = bm.bmWidth;
      FHeight = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmColor != nullptr) {
      if (GetObjectA(info.hbmColor, sizeof bm, &bm) == static_cast<int>(sizeof bm)) FHeight = bm.bmHeight;
      DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  }
  Changed(this);
}

void TIcon::Assign(TPersistent* source) {
  if (source == nullptr) {
    Replace(nullptr, {});
    return;
  }
  auto* icon = dynamic_cast<TIcon*>(source);
  if (icon == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (icon == this) return;
  Replace(icon->FHandle != nullptr ? CopyIcon(icon->FHandle) : nullptr, icon->FData);
}

void TIcon::SetWidth(int) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}
void TIcon::SetHeight(int) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHandle(HICON value) {
  if (value == FHandle) return;
  Replace(value, {});
}

HICON TIcon::ReleaseHandle() {
  HICON handle = FHandle;
  FHandle = nullptr;
  FData.clear();
  FWidth = FHeight = 0;
  Changed(this);
  return handle;
}

void TIcon::LoadFromStream(TStream* stream) {
  std::int64_t start = stream->GetPosition();
  std::int64_t remaining = stream->GetSize() - start;
  if (remaining < 6 || remaining > INT32_MAX) InvalidIcon();
  std::vector<unsigned char> bytes(static_cast<std::size_t>(remaining));
  bytes.resize(static_cast<std::size_t>(stream->Read(bytes.data(), static_cast<int>(bytes.size()))));
  if (bytes.size() < 6 || Word16(&bytes[0]) != 0 || Word16(&bytes[2]) != 1) InvalidIcon();
  std::size_t count = Word16(&bytes[4]);
  if (count == 0 || 6 + count * 16 > bytes.size()) InvalidIcon();

  std::size_t best = count, end = 6 + count * 16;
  int bestDistance = 0, bestBits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* e = &bytes[6 + i * 16];
    std::uint32_t size = Word32(e + 8), offset = Word32(e + 12);
    if (offset > bytes.size() || size > bytes.size() - offset || size < 40) InvalidIcon();
    end = std::max<std::size_t>(end, offset + size);
    int w = e[0] == 0 ? 256 : e[0], h = e[1] == 0 ? 256 : e[1];
    int distance = std::abs(w - 32) + std::abs(h - 32), bits = Word16(e + 6);
    if (best == count || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = i;
      bestDistance = distance;
      bestBits = bits;
    }
  }
  const unsigned char* e = &bytes[6 + best * 16];
  int w = e[0] == 0 ? 256 : e[0], h = e[1] == 0 ? 256 : e[1];
  HICON icon = CreateIconFromResourceEx(&bytes[Word32(e + 12)], Word32(e + 8), TRUE, 0x00030000, w, h, 0);
  if (icon == nullptr) InvalidIcon();
  bytes.resize(end);
  stream->SetPosition(start + static_cast<std::int64_t>(end));
  Replace(icon, std::move(bytes));
}

void TIcon::SaveToStream(TStream* stream) {
  if (FData.empty() && FHandle != nullptr) FData = IcoFromHandle(FHandle);
  if (FData.empty()) return;
  stream->WriteBuffer(FData.data(), static_cast<int>(FData.size()));
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (FHandle == nullptr) return;
  DrawIconEx(canvas->GetHandle(), rect.Left, rect.Top, FHandle, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}
