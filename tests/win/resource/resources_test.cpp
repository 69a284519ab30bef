#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win/resource/resources.h"
#include "platform/win/winbase.h"
#include "platform/win/winerror.h"
#include "platform/win/winres.h"

// Made by the build from fixture/manifest.txt.
void RegisterResources_tests();

namespace {

class Resources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterResources_tests(); }

  static std::string Bytes(LPCSTR type, LPCSTR name, HMODULE module = nullptr) {
    HRSRC info = FindResourceA(module, name, type);
    if (!info) return "<missing>";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, info)));
    return std::string(data, SizeofResource(module, info));
  }
};

const std::string kForm(
    "TPF0\x00\x01\xff"
    "form bytes\x00",
    18);

TEST_F(Resources, FoundByNameOrNumberInAnyCase) {
  struct Case {
    LPCSTR type;
    LPCSTR name;
    size_t size;
  } cases[] = {
      {RT_BITMAP, "TESTBMP", 56},
      {RT_BITMAP, "testBmp", 56},
      {RT_BITMAP, MAKEINTRESOURCEA(300), 56},
      {RT_BITMAP, "#300", 56},
      {RT_RCDATA, "TFrmTest", kForm.size()},
      {"my type", "data", kForm.size()},
      {"#10", "TFRMTEST", kForm.size()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(IS_INTRESOURCE(c.name) ? std::to_string(reinterpret_cast<ULONG_PTR>(c.name)) : c.name);
    EXPECT_EQ(Bytes(c.type, c.name).size(), c.size);
  }
}

TEST_F(Resources, RawDataIsTheFileAndBitmapsLoseTheirFileHeader) {
  EXPECT_EQ(Bytes(RT_RCDATA, "TFRMTEST"), kForm);
  const std::string dib = Bytes(RT_BITMAP, "TESTBMP");
  ASSERT_EQ(dib.size(), 56u);
  std::uint32_t headerSize, width;
  std::memcpy(&headerSize, dib.data(), 4);
  std::memcpy(&width, dib.data() + 4, 4);
  EXPECT_EQ(headerSize, 40u);  // a BITMAPINFOHEADER first, not "BM"
  EXPECT_EQ(width, 2u);
  // Bottom-up rows: the first pixel stored is the bottom-left red one (B, G, R).
  EXPECT_EQ(dib.substr(40, 3), std::string("\x00\x00\xff", 3));
  EXPECT_EQ(win::resource::FindBitmap(nullptr, "testbmp").size, 56u);
}

TEST_F(Resources, MainModuleHandleIsTheSameAsNull) {
  HINSTANCE main = win::resource::MainModule();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main, GetModuleHandleA(nullptr));  // the class library's HInstance
  EXPECT_EQ(FindResourceA(main, "TESTBMP", RT_BITMAP), FindResourceA(nullptr, "TESTBMP", RT_BITMAP));
  char text[8];
  EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), 1, text, sizeof text), 3);
}

TEST_F(Resources, MissingResourcesSetTheLastError) {
  struct Case {
    HMODULE module;
    LPCSTR type;
    LPCSTR name;
    DWORD error;
  } cases[] = {
      {nullptr, RT_BITMAP, "NOSUCH", ERROR_RESOURCE_NAME_NOT_FOUND},
      {nullptr, RT_BITMAP, MAKEINTRESOURCEA(301), ERROR_RESOURCE_NAME_NOT_FOUND},
      {nullptr, RT_MENU, "TESTBMP", ERROR_RESOURCE_TYPE_NOT_FOUND},
      {nullptr, "OTHER TYPE", "DATA", ERROR_RESOURCE_TYPE_NOT_FOUND},
      // a library handle with no resources embedded at all
      {reinterpret_cast<HMODULE>(0x5000), RT_BITMAP, "TESTBMP", ERROR_RESOURCE_DATA_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(FindResourceA(c.module, c.name, c.type), nullptr);
    EXPECT_EQ(GetLastError(), c.error);
  }
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

TEST_F(Resources, LoadStringCopiesCountsAndTruncates) {
  struct Case {
    UINT id;
    int bufferSize;
    int result;
    const char* text;
  } cases[] = {
      {1, 64, 3, "One"},
      {2, 64, 9, "Two words"},
      {17, 64, 9, "Block two"},  // second block
      {4095, 64, 23, "Quote \" and backslash \\"},  // last place of a late block
      {2, 4, 3, "Two"},  // cut to the buffer, terminated
      {2, 1, 0, ""},
      {100, 4, 2, "Gr"},  // never half a UTF-8 character
      {100, 64, 7,
       "Gr\xc3\xbc\xc3\x9f"
       "e"},
      {3, 64, 0, ""},  // a free place in a block
      {101, 64, 0, ""},  // an empty string counts as missing
      {999, 64, 0, ""},  // no block at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadStringA(nullptr, c.id, buffer, c.bufferSize), c.result);
    EXPECT_STREQ(buffer, c.text);
  }
  char buffer[4] = "abc";
  EXPECT_EQ(LoadStringA(nullptr, 1, buffer, 0), 0);
  EXPECT_STREQ(buffer, "abc");  // a zero-sized buffer is not touched
}

TEST_F(Resources, IconGroupsListTheirImages) {
  const auto images = win::resource::FindGroup(nullptr, "testicon", false);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].width, 4);
  EXPECT_EQ(images[1].width, 8);
  EXPECT_EQ(images[1].height, 8);
  EXPECT_EQ(images[1].bitCount, 32);
  for (const auto& image : images) {
    ASSERT_GE(image.image.size, 40u);
    EXPECT_EQ(image.image.data[0], 40);  // the DIB's header
    // and the RT_ICON resource the group names is the same bytes
    EXPECT_EQ(win::resource::Find(nullptr, RT_ICON, MAKEINTRESOURCEA(image.id)).data, image.image.data);
  }
  // 4x4: blue 0x33 of colour 0xFF112233 first; 8x8: 0x66 of 0xFF445566.
  EXPECT_EQ(images[0].image.data[40], 0x33);
  EXPECT_EQ(images[1].image.data[40], 0x66);

  struct Pick {
    int w, h, chosen;
  } picks[] = {{8, 8, 8}, {5, 5, 4}, {7, 7, 8}, {0, 0, 8}};
  for (const Pick& p : picks) EXPECT_EQ(win::resource::BestImage(images, p.w, p.h)->width, p.chosen);
  EXPECT_EQ(win::resource::BestImage({}, 16, 16), nullptr);
  EXPECT_TRUE(win::resource::FindGroup(nullptr, "NOICON", false).empty());
}

TEST_F(Resources, CursorGroupsCarryTheHotSpot) {
  ASSERT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(200), RT_GROUP_CURSOR), nullptr);
  const auto images = win::resource::FindGroup(nullptr, MAKEINTRESOURCEA(200), true);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 8);
  EXPECT_EQ(images[0].height, 8);
  EXPECT_EQ(images[0].hotX, 3);
  EXPECT_EQ(images[0].hotY, 5);
  EXPECT_EQ(images[0].image.data[0], 40);  // the hot spot is taken off the front
  // The raw RT_CURSOR resource keeps it in front, as Windows stores it.
  const auto raw = win::resource::Find(nullptr, RT_CURSOR, MAKEINTRESOURCEA(images[0].id));
  EXPECT_EQ(raw.size, images[0].image.size + 4);
  EXPECT_EQ(raw.data[0], 3);
  EXPECT_EQ(raw.data[2], 5);
}

BOOL CALLBACK Collect(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  auto* names = reinterpret_cast<std::vector<std::string>*>(param);
  names->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
  return names->size() < 10;
}

BOOL CALLBACK StopAtOnce(HMODULE, LPCSTR, LPSTR, LONG_PTR) {
  return FALSE;
}

TEST_F(Resources, EnumeratesNamesNumbersFirst) {
  std::vector<std::string> names;
  EXPECT_TRUE(EnumResourceNamesA(nullptr, RT_BITMAP, Collect, reinterpret_cast<LONG_PTR>(&names)));
  EXPECT_EQ(names, (std::vector<std::string>{"#300", "TESTBMP"}));

  SetLastError(0);
  EXPECT_FALSE(EnumResourceNamesA(nullptr, RT_BITMAP, StopAtOnce, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_ENUM_USER_STOP));
  EXPECT_FALSE(EnumResourceNamesA(nullptr, RT_MENU, Collect, reinterpret_cast<LONG_PTR>(&names)));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
}

const unsigned char kLibraryIcon[] = {1, 2, 3};
const win::resource::Record kLibrary[] = {{3, nullptr, 29, nullptr, kLibraryIcon, sizeof kLibraryIcon}};

TEST_F(Resources, LibrariesKeepTheirOwnResources) {
  win::resource::RegisterModule("Shell32.dll", false, kLibrary, 1);
  win::resource::RegisterModule("shell32", false, kLibrary, 1);  // twice adds nothing
  HINSTANCE shell = win::resource::ModuleByName("SHELL32.DLL");
  ASSERT_NE(shell, nullptr);
  EXPECT_NE(shell, win::resource::MainModule());
  EXPECT_EQ(win::resource::ModuleByName("C:\\Windows\\shell32.dll"), shell);
  EXPECT_EQ(win::resource::ModuleByName("user32"), nullptr);
  EXPECT_EQ(Bytes(RT_ICON, MAKEINTRESOURCEA(29), shell), "\x01\x02\x03");
  EXPECT_EQ(Bytes(RT_ICON, MAKEINTRESOURCEA(29)), "<missing>");  // not the program's
  EXPECT_EQ(Bytes(RT_BITMAP, "TESTBMP", shell), "<missing>");  // nor the other way
  std::vector<std::string> names;
  EXPECT_TRUE(EnumResourceNamesA(shell, RT_ICON, Collect, reinterpret_cast<LONG_PTR>(&names)));
  EXPECT_EQ(names, (std::vector<std::string>{"#29"}));
}

// A library's start-up registers its resources and its shutdown takes them
// back; starts nest, so only the shutdown matching the first start removes them.
TEST_F(Resources, UnregisteringMatchesTheRegistrationsCounted) {
  const auto registered = [] {
    return Bytes(RT_ICON, MAKEINTRESOURCEA(29), win::resource::ModuleByName("counted")) == "\x01\x02\x03";
  };
  win::resource::UnregisterModule("counted", false, kLibrary, 1);  // nothing to take back
  EXPECT_EQ(win::resource::ModuleByName("counted"), nullptr);
  win::resource::RegisterModule("counted", false, kLibrary, 1);
  win::resource::RegisterModule("counted", false, kLibrary, 1);
  HINSTANCE module = win::resource::ModuleByName("counted");
  win::resource::UnregisterModule("counted", false, kLibrary, 1);
  EXPECT_TRUE(registered());
  win::resource::UnregisterModule("counted", false, kLibrary, 1);
  EXPECT_FALSE(registered());
  EXPECT_EQ(win::resource::ModuleByName("counted"), module);  // the handle stays valid
  win::resource::UnregisterModule("counted", false, kLibrary, 1);  // one too many: harmless
  win::resource::RegisterModule("counted", false, kLibrary, 1);
  EXPECT_TRUE(registered());
  std::vector<std::string> names;
  EXPECT_TRUE(EnumResourceNamesA(module, RT_ICON, Collect, reinterpret_cast<LONG_PTR>(&names)));
  EXPECT_EQ(names, (std::vector<std::string>{"#29"}));  // once, not once a registration
  win::resource::UnregisterModule("counted", false, kLibrary, 1);
}

TEST_F(Resources, ALoadedLibraryFindsTheResourcesEmbeddedForIt) {
  // Any library of the program folder will do: the host layer's.
  HMODULE library = LoadLibraryA("Drums_Host.dll");
  ASSERT_NE(library, nullptr);
  SetLastError(0);
  EXPECT_EQ(FindResourceA(library, MAKEINTRESOURCEA(29), RT_ICON), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  win::resource::RegisterModule("drums_host", false, kLibrary, 1);
  EXPECT_EQ(Bytes(RT_ICON, MAKEINTRESOURCEA(29), library), "\x01\x02\x03");
  FreeLibrary(library);
}

}  // namespace
