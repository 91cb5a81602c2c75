// Owns one opened pack together with the buffer it was opened over: the markup pack
// slot, the skin repository and a running job each hold their pack this way. The
// pack is destroyed before its buffer is freed.
#pragma once

#include <memory>
#include <string>

#include "packs/FileSystem.h"
#include "packs/Pack.h"

class PackHolder {
 public:
  PackHolder() = default;
  PackHolder(const PackHolder&) = delete;
  PackHolder& operator=(const PackHolder&) = delete;
  ~PackHolder() { release(); }

  // Reads the pack file and opens it, releasing what was held before. False (and
  // empty) when the file cannot be read.
  bool open(FileSystem& files, const std::u16string& packName);

  // Takes a buffer read from a file system and opens a pack over it.
  void adopt(uint8_t* buffer, size_t length);

  // Destroys the pack, then frees its buffer; harmless when already empty.
  void release();

  const Pack* pack() const { return pack_.get(); }

 private:
  uint8_t* buffer_ = nullptr;
  std::unique_ptr<Pack> pack_;
};
