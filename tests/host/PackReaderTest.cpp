// The pack reader over hand-made packs: the format's edge cases, and damaged packs
// that must neither crash nor hand out bytes from outside the pack.
#include <gtest/gtest.h>

#include "PackBuilder.h"
#include "packs/LzmaCodec.h"

namespace {

std::vector<uint8_t> compressed(const std::string& text) {
  return *lzmacodec::encode(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(PackReader, LaterRecordWithTheSameNameWins) {
  PackBuilder b;
  b.stored(u"a.txt", "first");
  b.stored(u"a.txt", "second");
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_EQ(readText(pack, u"a.txt"), "second");
  EXPECT_EQ(pack.members().size(), 1u);
}

TEST(PackReader, NamesAreCaseSensitiveAndExact) {
  PackBuilder b;
  b.stored(u"UI.lua", "upper");
  b.stored(u"ui.lua", "lower");
  b.stored(u"Effect/bg/bg1.fxd", "nested");
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_EQ(readText(pack, u"UI.lua"), "upper");
  EXPECT_EQ(readText(pack, u"ui.lua"), "lower");
  EXPECT_EQ(readText(pack, u"Ui.lua"), "<absent>");
  EXPECT_EQ(readText(pack, u"Effect/bg/bg1.fxd"), "nested");
  EXPECT_EQ(readText(pack, u"Effect\\bg\\bg1.fxd"), "<absent>");
}

// Written byte by byte, so the test does not share the scrambling code it checks:
// units 'a','b',0 are one scrambled pair ('a' | 'b' << 16) ^ key, then 0 as is.
TEST(PackReader, OddUnitCountLeavesTheLastUnitUnscrambled) {
  std::vector<uint8_t> pack = bytesOf("xyz");
  const uint8_t record[] = {22, 0, 0, 0,  0, 0, 0, 0,  3, 0, 0, 0,  0, 0, 0, 0,
                            0x10, 0x9D, 0x5C, 0x5B,  0, 0};
  pack.insert(pack.end(), std::begin(record), std::end(record));
  packformat::appendU32(pack, 0);
  packformat::appendU32(pack, 3 ^ packformat::kKey);
  Pack opened(pack.data(), pack.size());
  EXPECT_EQ(readText(opened, u"ab"), "xyz");
}

TEST(PackReader, EmptyStoredMemberReadsAsEmptyBuffer) {
  PackBuilder b;
  b.stored(u"empty", "");
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  size_t length = 99;
  MallocBuffer buffer(pack.read(u"empty", &length));
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(length, 0u);
}

TEST(PackReader, UnpackedLengthZeroMeansStoredEvenForLzmaBytes) {
  PackBuilder b;
  auto lzma = compressed("hello hello hello hello");
  uint32_t at = b.data(lzma);
  b.record(packformat::paddedNameArea(u"raw"), at, uint32_t(lzma.size()), 0);
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_EQ(readText(pack, u"raw"), std::string(lzma.begin(), lzma.end()));
}

TEST(PackReader, CompressedMemberIsDecoded) {
  std::string text(5000, 'q');
  text += "tail";
  PackBuilder b;
  auto lzma = compressed(text);
  uint32_t at = b.data(lzma);
  b.record(packformat::paddedNameArea(u"big"), at, uint32_t(lzma.size()), uint32_t(text.size()));
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_EQ(readText(pack, u"big"), text);
}

TEST(PackReader, EmptyDirectoryIsAnIntactEmptyPack) {
  auto bytes = PackBuilder().build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_TRUE(pack.intact());
  EXPECT_TRUE(pack.members().empty());
  EXPECT_EQ(readText(pack, u"anything"), "<absent>");
}

// Each damaged directory opens as an empty pack, even when earlier records were fine.
struct DamagedDirectory {
  const char* what;
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> withRecord(const std::u16string& units, uint32_t length = 0,
                                uint32_t offset = 2, uint32_t stored = 2) {
  PackBuilder b;
  b.stored(u"good", "ok");
  b.data(bytesOf("zz"));  // at offset 2
  b.record(units, offset, stored, 0, length);
  return b.build();
}

std::vector<DamagedDirectory> damagedDirectories() {
  std::vector<DamagedDirectory> cases;
  cases.push_back({"shorter than the offset word", {1, 2, 3}});
  auto outside = PackBuilder().build();
  outside[outside.size() - 4] ^= 0x40;  // directory offset far past the end
  cases.push_back({"directory offset outside the pack", outside});
  auto trailer = bytesOf("abcd");
  packformat::appendU32(trailer, 6 ^ packformat::kKey);  // its first word would cross the end
  cases.push_back({"directory word crossing the end", trailer});
  cases.push_back({"record length below 16", withRecord(packformat::paddedNameArea(u"x"), 8)});
  cases.push_back({"record longer than the pack", withRecord(packformat::paddedNameArea(u"x"), 4000)});
  cases.push_back({"name area above 2048 bytes",
                   withRecord(packformat::paddedNameArea(std::u16string(1025, u'n')))});
  cases.push_back({"name without terminator", withRecord(u"abcd")});
  auto unterminated = withRecord(packformat::paddedNameArea(u"x"));
  unterminated.resize(unterminated.size() - 8);  // drop the zero word that ends the directory
  packformat::appendU32(unterminated, 4 ^ packformat::kKey);
  cases.push_back({"directory without its zero word", unterminated});
  return cases;
}

TEST(PackReader, DamagedDirectoryOpensEmpty) {
  for (const auto& c : damagedDirectories()) {
    Pack pack(c.bytes.data(), c.bytes.size());
    EXPECT_FALSE(pack.intact()) << c.what;
    EXPECT_TRUE(pack.members().empty()) << c.what;
    EXPECT_EQ(readText(pack, u"good"), "<absent>") << c.what;
  }
}

TEST(PackReader, LongestNameAreaIsAccepted) {
  std::u16string name(1023, u'n');
  auto bytes = withRecord(packformat::paddedNameArea(name));
  Pack pack(bytes.data(), bytes.size());
  EXPECT_TRUE(pack.intact());
  EXPECT_EQ(readText(pack, name), "zz");
}

// A damaged member reads as absent (length untouched); its neighbours still read.
struct DamagedMember {
  const char* what;
  std::vector<uint8_t> stored;
  uint32_t offsetShift;  // added to the member's real offset
  uint32_t storedLength;
  uint32_t unpackedLength;
};

TEST(PackReader, DamagedMemberReadsAsAbsent) {
  std::string text = "The quick brown fox jumps over the lazy dog. " + std::string(300, 'z');
  auto lzma = compressed(text);
  auto truncated = std::vector<uint8_t>(lzma.begin(), lzma.begin() + lzma.size() / 2);
  auto badProps = lzma;
  badProps[0] = 225;  // lc/lp/pb beyond the valid range
  uint32_t full = uint32_t(text.size());
  const DamagedMember cases[] = {
      {"stored data past the end", bytesOf("abc"), 0, 1000, 0},
      {"data offset past the end", bytesOf("abc"), 100000, 3, 0},
      {"offset plus length overflowing", bytesOf("abc"), 0xFFFFFFF0u, 32, 0},
      {"compressed member shorter than its properties", bytesOf("abc"), 0, 3, 10},
      {"truncated stream", truncated, 0, uint32_t(truncated.size()), full},
      {"unpacked length longer than the stream", lzma, 0, uint32_t(lzma.size()), full + 50},
      {"invalid properties", badProps, 0, uint32_t(badProps.size()), full},
      {"more than the stream can ever decode to", lzma, 0, uint32_t(lzma.size()), 0xFFFFFF00u},
  };
  for (const auto& c : cases) {
    PackBuilder b;
    b.stored(u"before", "fine");
    uint32_t at = b.data(c.stored);
    b.record(packformat::paddedNameArea(u"bad"), at + c.offsetShift, c.storedLength, c.unpackedLength);
    auto bytes = b.build();
    Pack pack(bytes.data(), bytes.size());
    size_t length = 777;
    MallocBuffer buffer(pack.read(u"bad", &length));
    EXPECT_EQ(buffer, nullptr) << c.what;
    EXPECT_EQ(length, 777u) << c.what;
    EXPECT_EQ(readText(pack, u"before"), "fine") << c.what;
  }
}

TEST(PackReader, HugeDictionaryInPropertiesIsNotAllocated) {
  std::string text(64, 'w');
  auto lzma = compressed(text);
  lzma[1] = lzma[2] = lzma[3] = 0xFF;
  lzma[4] = 0xFF;  // a 4 GiB dictionary; the member only needs 64 bytes
  PackBuilder b;
  uint32_t at = b.data(lzma);
  b.record(packformat::paddedNameArea(u"m"), at, uint32_t(lzma.size()), uint32_t(text.size()));
  auto bytes = b.build();
  Pack pack(bytes.data(), bytes.size());
  EXPECT_EQ(readText(pack, u"m"), text);
}

// The expansion bound must never refuse a real stream: the most compressible input
// there is (one byte repeated) stays well inside it.
TEST(PackReader, ExpansionBoundHoldsForTheMostCompressibleInput) {
  std::string zeros(16 << 20, '\0');
  auto lzma = compressed(zeros);
  EXPECT_LT(zeros.size(), lzmacodec::maxDecodedLength(lzma.size() - 5));
  EXPECT_GT(zeros.size() / (lzma.size() - 5), 6000u);  // and real streams come close to it
}

}  // namespace
