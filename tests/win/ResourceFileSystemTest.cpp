// The resource file system over real resources: this test program carries the same
// resources as the installer, and the installer's own file is read as well.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "TestPaths.h"
#include "base/MallocBuffer.h"
#include "packs/PackHolder.h"
#include "packs/ResourceFileSystem.h"

namespace {

struct Embedded {
  const char16_t* name;
  int id;
};
const Embedded kEmbedded[] = {{u"UI.lua", 111},     {u"frame.lz", 113}, {u"LG.lua", 114},
                              {u"program.lz", 115}, {u"style.lz", 116}, {u"SL.lua", 122}};

void registerAll(ResourceFileSystem& files) {
  for (const Embedded& e : kEmbedded) files.add(e.name, e.id);
}

std::string sourceFile(const std::string& name) {
  std::ifstream in(std::string(SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every resource reads with its own length and four zero bytes after it; the
// scripts are byte for byte the files they were built from.
void expectCarriesEverything(HMODULE module) {
  ResourceFileSystem files(module);
  registerAll(files);
  for (const Embedded& e : kEmbedded) {
    size_t length = 0;
    MallocBuffer buffer(files.read(e.name, &length));
    std::string name(e.name, e.name + std::char_traits<char16_t>::length(e.name));
    ASSERT_NE(buffer, nullptr) << name;
    EXPECT_GT(length, 0u) << name;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(buffer.get()[length + k], 0) << name;
    if (name.find(".lua") != std::string::npos) {
      EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.get()), length), sourceFile(name)) << name;
    }
  }
  size_t length = 0;
  MallocBuffer placeholder(files.read(u"SL.lua", &length));
  EXPECT_EQ(length, 14u);
}

TEST(ResourceFileSystem, ReadsEveryResourceOfThisProgram) {
  expectCarriesEverything(GetModuleHandleW(nullptr));
}

TEST(ResourceFileSystem, ReadsEveryResourceOfTheInstaller) {
  HMODULE installer = LoadLibraryExW(besideThisProgram(L"TalvoMirelleSetup.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(installer, nullptr);
  expectCarriesEverything(installer);
  FreeLibrary(installer);
}

TEST(ResourceFileSystem, UnknownNamesReadNothingAndLeaveTheLength) {
  ResourceFileSystem files(GetModuleHandleW(nullptr));
  registerAll(files);
  files.add(u"missing.lz", 999);  // registered, but no such resource
  for (const char16_t* name : {u"ui.lua", u"UI.LUA", u"nothing", u"missing.lz", u""}) {
    size_t length = 4242;
    EXPECT_EQ(files.read(name, &length), nullptr);
    EXPECT_EQ(length, 4242u);
  }
}

TEST(ResourceFileSystem, TwoReadsAreIndependentCopies) {
  ResourceFileSystem files(GetModuleHandleW(nullptr));
  registerAll(files);
  size_t first = 0, second = 0;
  MallocBuffer a(files.read(u"UI.lua", &first));
  MallocBuffer b(files.read(u"UI.lua", &second));
  ASSERT_TRUE(a && b);
  ASSERT_EQ(first, second);
  EXPECT_NE(a.get(), b.get());
  EXPECT_EQ(std::memcmp(a.get(), b.get(), first), 0);
  a.get()[0] ^= 0xFF;
  EXPECT_NE(a.get()[0], b.get()[0]);
  MallocBuffer c(files.read(u"UI.lua", nullptr));  // the length is optional
  EXPECT_EQ(c.get()[0], b.get()[0]);
}

TEST(PackHolder, OpensReadsAndReleasesACarriedPack) {
  ResourceFileSystem files(GetModuleHandleW(nullptr));
  registerAll(files);
  PackHolder holder;
  ASSERT_TRUE(holder.open(files, u"frame.lz"));
  ASSERT_NE(holder.pack(), nullptr);
  EXPECT_TRUE(holder.pack()->intact());
  size_t length = 0;
  MallocBuffer layout(holder.pack()->read(u"main.xml", &length));
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(layout.get()), length), sourceFile("markup/main.xml"));

  holder.release();
  EXPECT_EQ(holder.pack(), nullptr);
  holder.release();  // releasing an empty holder is harmless
  EXPECT_FALSE(holder.open(files, u"absent.lz"));
  EXPECT_EQ(holder.pack(), nullptr);
}

}  // namespace
