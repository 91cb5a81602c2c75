// The skin repository: the style pack and the pictures decoded from it, cached by
// name for the life of the pack. One per toolkit; UI thread only.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "packs/FileSystem.h"
#include "packs/PackHolder.h"
#include "toolkit/draw/Image.h"

class SkinRepository {
 public:
  // Clears the repository, then reads and opens the named style pack. False when
  // the pack cannot be read (the repository stays empty).
  bool load(FileSystem& files, const std::u16string& packName);

  // Releases the pack and every cached picture.
  void clear();

  // The picture of that name, decoded on first use. Null when the pack has no such
  // member (nothing is cached, so a later request reads the pack again); a member
  // that does not decode is cached as an image without bitmap.
  const Image* image(const std::wstring& name);

  const Pack* pack() const { return pack_.pack(); }

 private:
  PackHolder pack_;
  std::map<std::wstring, std::unique_ptr<Image>> images_;
};
