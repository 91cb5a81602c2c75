// The writer and the reader together: what the pack tool writes reads back the same.
#include <gtest/gtest.h>

#include <random>

#include "PackBuilder.h"
#include "packs/PackWriter.h"

namespace {

std::vector<uint8_t> randomBytes(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> out(n);
  for (auto& b : out) b = uint8_t(rng());
  return out;
}

std::vector<uint8_t> readMember(const Pack& pack, const std::u16string& name) {
  size_t length = 0;
  MallocBuffer buffer(pack.read(name, &length));
  if (!buffer) return {0xDE, 0xAD};
  return std::vector<uint8_t>(buffer.get(), buffer.get() + length);
}

TEST(PackWriter, RoundTripsEveryKindOfMember) {
  const std::vector<std::pair<std::u16string, std::vector<uint8_t>>> members = {
      {u"text.xml", bytesOf(std::string(20000, 'x') + "<end/>")},
      {u"noise.bin", randomBytes(50000, 7)},
      {u"empty", {}},
      {u"one", {42}},
      {u"Effect/bg/bg1.fxd", bytesOf("nested")},
      {u"\u5b89\u88c5.txt", bytesOf("chinese name")},
  };
  PackWriter writer;
  for (const auto& [name, bytes] : members) ASSERT_TRUE(writer.addCompressed(name, bytes));
  auto data = writer.finish();
  Pack pack(data.data(), data.size());
  ASSERT_TRUE(pack.intact());
  EXPECT_EQ(pack.members().size(), members.size());
  for (const auto& [name, bytes] : members) EXPECT_EQ(readMember(pack, name), bytes);

  // Compressible data is compressed; data that would not shrink is stored.
  EXPECT_GT(pack.members().at(u"text.xml").unpackedLength, 0u);
  EXPECT_LT(pack.members().at(u"text.xml").storedLength, 1000u);
  EXPECT_EQ(pack.members().at(u"noise.bin").unpackedLength, 0u);
  EXPECT_EQ(pack.members().at(u"empty").unpackedLength, 0u);
}

TEST(PackWriter, StoredMembersKeepTheirBytes) {
  PackWriter writer;
  ASSERT_TRUE(writer.addStored(u"a", bytesOf(std::string(1000, 'a'))));
  auto data = writer.finish();
  Pack pack(data.data(), data.size());
  EXPECT_EQ(pack.members().at(u"a").unpackedLength, 0u);
  EXPECT_EQ(pack.members().at(u"a").storedLength, 1000u);
  EXPECT_EQ(readMember(pack, u"a"), bytesOf(std::string(1000, 'a')));
}

TEST(PackWriter, DictionaryIsNoLargerThanTheMember) {
  PackWriter writer;
  ASSERT_TRUE(writer.addCompressed(u"m", bytesOf(std::string(10000, 'm'))));
  auto data = writer.finish();
  Pack pack(data.data(), data.size());
  const auto& record = pack.members().at(u"m");
  ASSERT_GT(record.unpackedLength, 0u);
  EXPECT_EQ(packformat::readU32(data.data() + record.dataOffset + 1), 10000u);
}

TEST(PackWriter, RejectsNamesThePackCannotHold) {
  PackWriter writer;
  EXPECT_FALSE(writer.addStored(u"", bytesOf("x")));
  EXPECT_FALSE(writer.addStored(std::u16string(u"a\0b", 3), bytesOf("x")));
  EXPECT_FALSE(writer.addStored(std::u16string(packformat::kMaxNameUnits + 1, u'n'), bytesOf("x")));
  EXPECT_TRUE(writer.addStored(std::u16string(packformat::kMaxNameUnits, u'n'), bytesOf("x")));
  auto data = writer.finish();
  Pack pack(data.data(), data.size());
  EXPECT_EQ(pack.members().size(), 1u);
}

TEST(PackWriter, PaddedNameAreaIsTerminatedAndWholeWords) {
  for (size_t n = 1; n < 6; ++n) {
    auto area = packformat::paddedNameArea(std::u16string(n, u'k'));
    EXPECT_EQ(area.size() % 2, 0u) << n;
    EXPECT_EQ(area[n], u'\0') << n;
  }
}

}  // namespace
