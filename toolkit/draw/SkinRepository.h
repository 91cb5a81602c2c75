// The skin repository: the style pack, the fonts of its "font.xml", and the pictures
// decoded from it, cached by name for the life of the pack. One per toolkit; UI
// thread only.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "packs/FileSystem.h"
#include "packs/PackHolder.h"
#include "toolkit/draw/Image.h"
#include "toolkit/markup/FontTable.h"
#include "toolkit/markup/Style.h"

class SkinRepository {
 public:
  // Clears the repository, then reads and opens the named style pack and builds the
  // font table from its "font.xml". False when the pack cannot be read (the
  // repository stays empty).
  bool load(FileSystem& files, const std::u16string& packName);

  // Releases the pack and every cached picture.
  void clear();

  // The picture of that name, decoded on first use. Null when the pack has no such
  // member (nothing is cached, so a later request reads the pack again); a member
  // that does not decode is cached as an image without bitmap.
  const Image* image(const std::wstring& name);

  // The style of that name, made by `load` from the style pack on first use and kept
  // until the repository is cleared. Null when `load` makes none; nothing is kept
  // then, so a later request tries again.
  using StyleLoad = std::function<std::unique_ptr<toolkit::Style>(const Pack&, const std::u16string&)>;
  const toolkit::Style* style(const std::u16string& name, const StyleLoad& load);

  // The named font of "font.xml", or null.
  HFONT font(const std::wstring& name) const { return fonts_.font(name); }

  const Pack* pack() const { return pack_.pack(); }

 private:
  PackHolder pack_;
  FontTable fonts_;
  std::map<std::wstring, std::unique_ptr<Image>> images_;
  std::map<std::u16string, std::unique_ptr<toolkit::Style>> styles_;
};
