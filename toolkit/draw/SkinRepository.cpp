// Loading the style pack and decoding its pictures on demand.
#include "toolkit/draw/SkinRepository.h"

#include "base/MallocBuffer.h"

bool SkinRepository::load(FileSystem& files, const std::u16string& packName) {
  clear();
  if (!pack_.open(files, packName)) return false;
  size_t length = 0;
  MallocBuffer fontDocument(pack_.pack()->read(u"font.xml", &length));
  if (fontDocument) fonts_.build(fontDocument.get(), length);
  return true;
}

void SkinRepository::clear() {
  styles_.clear();
  images_.clear();
  fonts_.clear();
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

const toolkit::Style* SkinRepository::style(const std::u16string& name, const StyleLoad& load) {
  auto cached = styles_.find(name);
  if (cached != styles_.end()) return cached->second.get();
  if (!pack_.pack()) return nullptr;
  std::unique_ptr<toolkit::Style> made = load(*pack_.pack(), name);
  if (!made) return nullptr;
  return (styles_[name] = std::move(made)).get();
}
