// Hand-made packs for the tests: member bytes and directory records laid out
// exactly as given, so that tests can also make packs the writer never would.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/MallocBuffer.h"
#include "packs/Pack.h"
#include "packs/PackFormat.h"

inline std::vector<uint8_t> bytesOf(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

class PackBuilder {
 public:
  // Adds member data and returns its offset.
  uint32_t data(const std::vector<uint8_t>& bytes) {
    uint32_t offset = uint32_t(data_.size());
    data_.insert(data_.end(), bytes.begin(), bytes.end());
    return offset;
  }

  // Adds a record whose name area holds exactly `units` (scrambled as the format
  // says); the record length covers the header and the area unless given.
  void record(const std::u16string& units, uint32_t offset, uint32_t stored, uint32_t unpacked,
              uint32_t length = 0) {
    if (!length) length = uint32_t(packformat::kRecordHeaderSize + units.size() * 2);
    packformat::appendRecord(directory_, {length, offset, stored, unpacked}, units);
  }

  // A stored member under a properly terminated and padded name.
  void stored(const std::u16string& name, const std::string& text) {
    uint32_t offset = data(bytesOf(text));
    record(packformat::paddedNameArea(name), offset, uint32_t(text.size()), 0);
  }

  std::vector<uint8_t> build() const { return packformat::assemble(data_, directory_); }

 private:
  std::vector<uint8_t> data_;
  std::vector<uint8_t> directory_;
};

// Reads a member as text; "<absent>" when the pack has no such member.
inline std::string readText(const Pack& pack, const std::u16string& name) {
  size_t length = 12345;
  MallocBuffer buffer(pack.read(name, &length));
  if (!buffer) return "<absent>";
  return std::string(reinterpret_cast<const char*>(buffer.get()), length);
}
