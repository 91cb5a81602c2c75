// Little-endian words and name scrambling of the pack layout.
#include "packs/PackFormat.h"

namespace packformat {

uint32_t readU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void appendU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

void scrambleNameArea(uint8_t* area, size_t units) {
  for (size_t word = 0; word < units / 2; ++word)
    for (int b = 0; b < 4; ++b) area[word * 4 + b] ^= uint8_t(kKey >> (8 * b));
}

void appendRecord(std::vector<uint8_t>& out, const Record& fields, const std::u16string& units) {
  appendU32(out, fields.length);
  appendU32(out, fields.dataOffset);
  appendU32(out, fields.storedLength);
  appendU32(out, fields.unpackedLength);
  size_t area = out.size();
  for (char16_t unit : units) {
    out.push_back(uint8_t(unit));
    out.push_back(uint8_t(unit >> 8));
  }
  scrambleNameArea(out.data() + area, units.size());
}

std::vector<uint8_t> assemble(const std::vector<uint8_t>& data, const std::vector<uint8_t>& directory) {
  std::vector<uint8_t> pack = data;
  pack.insert(pack.end(), directory.begin(), directory.end());
  appendU32(pack, 0);
  appendU32(pack, uint32_t(data.size()) ^ kKey);
  return pack;
}

std::u16string paddedNameArea(const std::u16string& name) {
  std::u16string units = name;
  units.push_back(u'\0');
  if (units.size() % 2) units.push_back(u'\0');
  return units;
}

}  // namespace packformat
