// Writing members and the scrambled directory of a pack.
#include "packs/PackWriter.h"

#include <limits>

#include "packs/LzmaCodec.h"
#include "packs/PackFormat.h"

bool PackWriter::addStored(const std::u16string& name, const std::vector<uint8_t>& bytes) {
  return add(name, bytes, 0);
}

bool PackWriter::addCompressed(const std::u16string& name, const std::vector<uint8_t>& bytes) {
  if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max()) return addStored(name, bytes);
  auto packed = lzmacodec::encode(bytes.data(), bytes.size());
  if (!packed || packed->size() >= bytes.size()) return addStored(name, bytes);
  return add(name, *packed, uint32_t(bytes.size()));
}

bool PackWriter::add(const std::u16string& name, const std::vector<uint8_t>& stored,
                     uint32_t unpacked) {
  if (name.empty() || name.size() > packformat::kMaxNameUnits ||
      name.find(u'\0') != std::u16string::npos)
    return false;
  std::u16string area = packformat::paddedNameArea(name);
  size_t total = data_.size() + stored.size() + directory_.size() +
                 packformat::kRecordHeaderSize + area.size() * 2 + 8;
  if (total > std::numeric_limits<uint32_t>::max()) return false;

  packformat::Record record{uint32_t(packformat::kRecordHeaderSize + area.size() * 2),
                            uint32_t(data_.size()), uint32_t(stored.size()), unpacked};
  data_.insert(data_.end(), stored.begin(), stored.end());
  packformat::appendRecord(directory_, record, area);
  return true;
}

std::vector<uint8_t> PackWriter::finish() const { return packformat::assemble(data_, directory_); }
