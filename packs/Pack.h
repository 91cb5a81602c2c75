// An opened pack: the directory index over a caller-owned byte array, and reads of
// members by exact name into new malloc'd buffers.
//
// The installer's packs are built with it, but the reader still runs elevated over
// bytes it did not check, so every offset and length is validated: a damaged
// directory opens as an empty pack, and a damaged member reads as absent, never as
// a short or out-of-bounds buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "packs/PackFormat.h"

class Pack {
 public:
  using Index = std::map<std::u16string, packformat::Record>;

  // `data` must outlive the pack; nothing but the names is copied.
  Pack(const uint8_t* data, size_t length);

  // The member's bytes in a buffer the caller frees with free(), or null when the
  // member is absent or damaged; `length` is written only on success. Text members
  // are not zero-terminated.
  uint8_t* read(const std::u16string& name, size_t* length = nullptr) const;

  const Index& members() const { return index_; }

  // False when the directory was damaged (and the pack therefore opened empty).
  bool intact() const { return intact_; }

 private:
  bool readDirectory(size_t offset);
  uint8_t* copyStored(const packformat::Record& record) const;
  uint8_t* decodeCompressed(const packformat::Record& record) const;

  const uint8_t* data_;
  size_t length_;
  Index index_;
  bool intact_ = false;
};
