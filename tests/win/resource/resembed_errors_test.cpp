// The resource embedder refuses broken input with a message that names the
// file and line, instead of embedding something half right.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Embedder() {
  // Built beside the tests: <build>/tests/win_resource_tests, <build>/tools/resembed.
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "tools" / "resembed").string();
}

struct Scratch {
  std::filesystem::path dir;
  Scratch() {
    char name[] = "/tmp/resembed_XXXXXX";
    dir = ::mkdtemp(name);
  }
  ~Scratch() { std::filesystem::remove_all(dir); }
  void Write(const std::string& file, const std::string& bytes) const {
    std::ofstream(dir / file, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& file) const {
    std::ifstream in(dir / file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Runs the embedder on manifest.txt; returns its exit status, its message in `error`.
  int Run(std::string& error) const {
    const std::string command = Embedder() + " --module m --out '" + (dir / "out.cpp").string() + "' '" +
                                (dir / "manifest.txt").string() + "' 2> '" + (dir / "error.txt").string() + "'";
    const int status = std::system(command.c_str());
    error = Read("error.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST(Resembed, RefusesBrokenInput) {
  // An .ico whose one image claims to lie past the end of the file.
  const std::string badIco(
      "\0\0\1\0\1\0"
      "\4\4\0\0\1\0\x20\0"
      "\x30\0\0\0"
      "\x00\1\0\0",
      22);
  struct Case {
    const char* manifest;
    const char* extraFile;
    const char* extraBytes;
    const char* message;
  } cases[] = {
      {"BITMAP X missing.bmp\n", nullptr, nullptr, "missing.bmp: cannot be read"},
      {"\n# two lines in\nBITMAP X text.bmp\n", "text.bmp", "hello, not a bitmap", "manifest.txt:3: "},
      {"BITMAP X text.bmp\n", "text.bmp", "hello, not a bitmap", "not a BMP file"},
      {"ICON X bad.ico\n", "bad.ico", nullptr, "lies outside the file"},
      {"CURSOR X bad.ico\n", "bad.ico", nullptr, "not a .cur file"},
      {"BITMAP X\n", nullptr, nullptr, "manifest.txt:1: expected: type name file"},
      {"STRINGS s.txt\n", "s.txt", "1 \"a\"\n1 \"b\"\n", "s.txt:2: string 1 is given twice"},
      {"STRINGS s.txt\n", "s.txt", "5 \"open\n", "no closing quote"},
      {"STRINGS s.txt\n", "s.txt", "70000 \"big\"\n", "above 65535"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.manifest);
    Scratch scratch;
    scratch.Write("manifest.txt", c.manifest);
    if (c.extraFile) scratch.Write(c.extraFile, c.extraBytes ? std::string(c.extraBytes) : badIco);
    std::string error;
    EXPECT_EQ(scratch.Run(error), 1);
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(scratch.dir / "out.cpp"));
  }
}

TEST(Resembed, NamesTheRegistrationAfterTheModule) {
  Scratch scratch;
  scratch.Write("manifest.txt", "RCDATA \"Two Words\" data.bin\n");
  scratch.Write("data.bin", std::string("\0\xff", 2));
  std::string error;
  ASSERT_EQ(scratch.Run(error), 0) << error;
  const std::string source = scratch.Read("out.cpp");
  EXPECT_NE(source.find("void RegisterResources_m()"), std::string::npos);
  EXPECT_NE(source.find("void UnregisterResources_m()"), std::string::npos);
  EXPECT_NE(source.find("UnregisterModule(\"m\", false, kRecords, 1)"), std::string::npos);
  EXPECT_NE(source.find("\"TWO WORDS\""), std::string::npos);
  EXPECT_NE(source.find("0, 255,"), std::string::npos);
  EXPECT_NE(source.find("RegisterModule(\"m\", false"), std::string::npos);  // not --main: a library's
}

}  // namespace
