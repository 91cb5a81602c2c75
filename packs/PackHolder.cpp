// Opening and releasing a held pack.
#include "packs/PackHolder.h"

#include <cstdlib>

bool PackHolder::open(FileSystem& files, const std::u16string& packName) {
  release();
  size_t length = 0;
  uint8_t* buffer = files.read(packName, &length);
  if (!buffer) return false;
  adopt(buffer, length);
  return true;
}

void PackHolder::adopt(uint8_t* buffer, size_t length) {
  release();
  buffer_ = buffer;
  pack_ = std::make_unique<Pack>(buffer, length);
}

void PackHolder::release() {
  pack_.reset();
  std::free(buffer_);
  buffer_ = nullptr;
}
