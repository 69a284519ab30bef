// "shell32.dll" loads and holds the overlay icons 29 and 30.
#include <gtest/gtest.h>

#include "platform/win/ole2.h"
#include "platform/win/windows.h"

namespace {

TEST(Shell32Module, LoadsWithTheOverlayIconsAtBothSizes) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  HMODULE shell32 = LoadLibraryA("shell32.dll");
  ASSERT_NE(shell32, nullptr);
  for (WORD id : {29, 30}) {
    for (int size : {16, 32}) {
      auto icon = static_cast<HICON>(LoadImageA(shell32, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_SHARED));
      ASSERT_NE(icon, nullptr) << id << " at " << size;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP colour{};
      ASSERT_NE(GetObjectA(info.hbmColor, sizeof colour, &colour), 0);
      EXPECT_EQ(colour.bmWidth, size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
  }
  EXPECT_EQ(LoadImageA(shell32, MAKEINTRESOURCEA(31), IMAGE_ICON, 16, 16, LR_SHARED), nullptr);
  FreeLibrary(shell32);
  CoUninitialize();
}

}  // namespace
