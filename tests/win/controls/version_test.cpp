// The file-version query: the fixed block of a file's version, as tests set it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "platform/win/winver.h"

namespace {

// What the shell controls do: most and least significant words of the fixed block.
bool ReadVersion(const char* file, DWORD& ms, DWORD& ls) {
  DWORD handle = 1;
  DWORD size = GetFileVersionInfoSizeA(file, &handle);
  EXPECT_EQ(handle, 0u);
  if (!size) return false;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoA(file, handle, size, block.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &len)) return false;
  EXPECT_EQ(len, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
  ms = fixed->dwFileVersionMS;
  ls = fixed->dwFileVersionLS;
  return true;
}

TEST(FileVersion, TheCommonControlsLibraryAnswersAVersionTestsCanChange) {
  DWORD ms = 0, ls = 0;
  ASSERT_TRUE(ReadVersion("comctl32.dll", ms, ls));
  EXPECT_EQ(ms, 0x00050051u) << "5.81";
  win::version::SetFileVersion("C:\\Windows\\System\\COMCTL32.DLL", 0x00040046, 7);
  ASSERT_TRUE(ReadVersion("comctl32.dll", ms, ls)) << "the name alone counts, without case";
  EXPECT_EQ(ms, 0x00040046u);
  EXPECT_EQ(ls, 7u);
  std::vector<BYTE> block(GetFileVersionInfoSizeA("comctl32.dll", nullptr));
  GetFileVersionInfoA("comctl32.dll", 0, static_cast<DWORD>(block.size()), block.data());
  char* text = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<LPVOID*>(&text),
                             nullptr));
  EXPECT_STREQ(text, "4.70.0.7");
  EXPECT_FALSE(VerQueryValueA(block.data(), "\\Nothing", reinterpret_cast<LPVOID*>(&text), nullptr));
  win::version::RemoveFileVersion("comctl32.dll");
  EXPECT_FALSE(ReadVersion("comctl32.dll", ms, ls)) << "no block: the callers see version 0";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  win::version::ResetFileVersions();
  ASSERT_TRUE(ReadVersion("comctl32.dll", ms, ls));
  EXPECT_EQ(ms, 0x00050051u);
  EXPECT_FALSE(ReadVersion("drums.exe", ms, ls));
}

}  // namespace
