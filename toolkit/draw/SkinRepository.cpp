// Loading the style pack and decoding its pictures on demand.
#include "toolkit/draw/SkinRepository.h"

#include "base/MallocBuffer.h"

bool SkinRepository::load(FileSystem& files, const std::u16string& packName) {
  clear();
  return pack_.open(files, packName);
}

void SkinRepository::clear() {
  images_.clear();
  pack_.release();
}

const Image* SkinRepository::image(const std::wstring& name) {
  auto cached = images_.find(name);
  if (cached != images_.end()) return cached->second.get();
  if (!pack_.pack()) return nullptr;
  size_t length = 0;
  MallocBuffer bytes(pack_.pack()->read(std::u16string(name.begin(), name.end()), &length));
  if (!bytes) return nullptr;
  auto& entry = images_[name];
  entry = decodeImage(bytes.get(), length);
  return entry.get();
}
