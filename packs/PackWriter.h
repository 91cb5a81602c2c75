// Builds a pack in memory: members in the order they are added, then the directory
// and its scrambled offset. The pack tool uses it to make the installer's packs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PackWriter {
 public:
  // Adds a member kept as is. False when the name is empty, too long or has a zero
  // unit, or when the pack would outgrow 32-bit offsets.
  bool addStored(const std::u16string& name, const std::vector<uint8_t>& bytes);

  // Adds an LZMA member; an empty member, or one that compression does not make
  // smaller, is stored instead (an unpacked length of 0 means stored).
  bool addCompressed(const std::u16string& name, const std::vector<uint8_t>& bytes);

  std::vector<uint8_t> finish() const;

 private:
  bool add(const std::u16string& name, const std::vector<uint8_t>& stored, uint32_t unpacked);

  std::vector<uint8_t> data_;
  std::vector<uint8_t> directory_;
};
