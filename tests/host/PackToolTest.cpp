// The pack tool as the build uses it: create, list and extract, and its refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PackBuilder.h"
#include "packs/PackWriter.h"

namespace fs = std::filesystem;

namespace {

class PackTool : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("packtool-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  static void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Runs the tool with its output in a file; returns the exit code.
  int run(const std::string& args) {
    std::string command = std::string(PACKTOOL_PATH) + " " + args + " >" + (root_ / "out.txt").string() + " 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string output() { return read(root_ / "out.txt"); }

  fs::path root_;
};

TEST_F(PackTool, CreateListExtractRoundTrip) {
  write(root_ / "in/a.xml", std::string(4000, 'a'));
  write(root_ / "in/Effect/bg/bg1.fxd", "nested");
  write(root_ / "in/empty", "");
  ASSERT_EQ(run("create " + (root_ / "p.lz").string() + " " + (root_ / "in").string()), 0);
  ASSERT_EQ(run("list " + (root_ / "p.lz").string()), 0);
  std::string listing = output();
  EXPECT_NE(listing.find("Effect/bg/bg1.fxd\t6\t0\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("empty\t0\t0\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("\t4000\n"), std::string::npos) << listing;  // a.xml compressed

  ASSERT_EQ(run("extract " + (root_ / "p.lz").string() + " " + (root_ / "out").string()), 0);
  EXPECT_EQ(read(root_ / "out/a.xml"), std::string(4000, 'a'));
  EXPECT_EQ(read(root_ / "out/Effect/bg/bg1.fxd"), "nested");
  EXPECT_TRUE(fs::exists(root_ / "out/empty"));
}

TEST_F(PackTool, StoreKeepsEveryMemberUncompressed) {
  write(root_ / "in/a.xml", std::string(4000, 'a'));
  ASSERT_EQ(run("create " + (root_ / "p.lz").string() + " " + (root_ / "in").string() + " --store"), 0);
  ASSERT_EQ(run("list " + (root_ / "p.lz").string()), 0);
  EXPECT_EQ(output(), "a.xml\t4000\t0\n");
}

TEST_F(PackTool, MalformedPackFailsListAndExtract) {
  write(root_ / "bad.lz", "this is no pack at all");
  EXPECT_EQ(run("list " + (root_ / "bad.lz").string()), 1);
  EXPECT_EQ(run("extract " + (root_ / "bad.lz").string() + " " + (root_ / "out").string()), 1);
  EXPECT_FALSE(fs::exists(root_ / "out"));
}

TEST_F(PackTool, ExtractNeverWritesOutsideTheFolder) {
  PackBuilder b;
  for (const char16_t* name : {u"../escape", u"/abs", u"a/../../up", u"c:\\win", u"ok/inside"})
    b.stored(name, "x");
  auto bytes = b.build();
  std::ofstream(root_ / "evil.lz", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  fs::create_directories(root_ / "deep/out");
  EXPECT_EQ(run("extract " + (root_ / "evil.lz").string() + " " + (root_ / "deep/out").string()), 1);
  EXPECT_EQ(read(root_ / "deep/out/ok/inside"), "x");
  EXPECT_FALSE(fs::exists(root_ / "deep/escape"));
  EXPECT_FALSE(fs::exists(root_ / "up"));
  EXPECT_FALSE(fs::exists("/abs"));
}

TEST_F(PackTool, BadUsageIsRefused) {
  EXPECT_EQ(run("frobnicate"), 2);
  EXPECT_EQ(run("create onlyone"), 2);
}

}  // namespace
