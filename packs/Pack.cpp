// Opening a pack's scrambled directory and reading its stored or LZMA members.
#include "packs/Pack.h"

#include <cstdlib>
#include <cstring>

#include "packs/LzmaCodec.h"

using packformat::Record;
using packformat::readU32;

namespace {

bool fits(size_t offset, size_t size, size_t total) {
  return offset <= total && size <= total - offset;
}

// The name in a record's area, or nothing when the area has no terminator.
bool unscrambleName(const uint8_t* area, size_t units, std::u16string& name) {
  uint8_t scratch[packformat::kMaxNameAreaBytes];
  std::memcpy(scratch, area, units * 2);
  packformat::scrambleNameArea(scratch, units);
  for (size_t i = 0; i < units; ++i) {
    char16_t unit = char16_t(scratch[2 * i] | scratch[2 * i + 1] << 8);
    if (unit == 0) return true;
    name.push_back(unit);
  }
  return false;
}

}  // namespace

Pack::Pack(const uint8_t* data, size_t length) : data_(data), length_(length) {
  if (length < 4) return;
  size_t directory = readU32(data + length - 4) ^ packformat::kKey;
  intact_ = readDirectory(directory);
  if (!intact_) index_.clear();
}

bool Pack::readDirectory(size_t offset) {
  for (;;) {
    if (!fits(offset, 4, length_)) return false;
    const uint8_t* at = data_ + offset;
    Record record{readU32(at), 0, 0, 0};
    if (record.length == 0) return true;
    if (record.length < packformat::kRecordHeaderSize || !fits(offset, record.length, length_))
      return false;
    size_t areaBytes = record.length - packformat::kRecordHeaderSize;
    if (areaBytes > packformat::kMaxNameAreaBytes) return false;
    record.dataOffset = readU32(at + 4);
    record.storedLength = readU32(at + 8);
    record.unpackedLength = readU32(at + 12);
    std::u16string name;
    if (!unscrambleName(at + packformat::kRecordHeaderSize, areaBytes / 2, name)) return false;
    index_[name] = record;  // a later record with the same name wins
    offset += record.length;
  }
}

uint8_t* Pack::read(const std::u16string& name, size_t* length) const {
  auto found = index_.find(name);
  if (found == index_.end()) return nullptr;
  const Record& record = found->second;
  if (!fits(record.dataOffset, record.storedLength, length_)) return nullptr;
  uint8_t* buffer = record.unpackedLength == 0 ? copyStored(record) : decodeCompressed(record);
  if (buffer && length)
    *length = record.unpackedLength == 0 ? record.storedLength : record.unpackedLength;
  return buffer;
}

uint8_t* Pack::copyStored(const Record& record) const {
  // malloc(0) may answer null; an empty member is still found.
  auto* buffer = static_cast<uint8_t*>(std::malloc(record.storedLength ? record.storedLength : 1));
  if (buffer) std::memcpy(buffer, data_ + record.dataOffset, record.storedLength);
  return buffer;
}

uint8_t* Pack::decodeCompressed(const Record& record) const {
  if (record.storedLength < packformat::kLzmaPropsSize) return nullptr;
  size_t streamLength = record.storedLength - packformat::kLzmaPropsSize;
  if (record.unpackedLength > lzmacodec::maxDecodedLength(streamLength)) return nullptr;
  auto* buffer = static_cast<uint8_t*>(std::malloc(record.unpackedLength));
  if (!buffer) return nullptr;
  const uint8_t* props = data_ + record.dataOffset;
  size_t produced = lzmacodec::decode(buffer, record.unpackedLength, props,
                                      props + packformat::kLzmaPropsSize, streamLength);
  if (produced == record.unpackedLength) return buffer;
  std::free(buffer);  // a short member is damaged, not a smaller file
  return nullptr;
}
