// The byte layout of a pack, shared by the reader in the installer and the writer in
// the pack tool so that the two cannot drift apart.
//
// A pack is member data, then a directory of records ended by a zero word, then the
// directory's offset XORed with the pack key as the last four bytes. All integers are
// 32-bit little-endian. A record is a 16-byte header (record length, data offset,
// stored length, unpacked length; unpacked length 0 means stored) and a name area of
// UTF-16LE units whose leading pairs are XORed with the key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace packformat {

constexpr uint32_t kKey = 0x5B3E9D71;
constexpr size_t kRecordHeaderSize = 16;
constexpr size_t kMaxNameAreaBytes = 2048;
constexpr size_t kLzmaPropsSize = 5;

// Longest name whose padded name area still fits (terminator included).
constexpr size_t kMaxNameUnits = kMaxNameAreaBytes / 2 - 1;

struct Record {
  uint32_t length;
  uint32_t dataOffset;
  uint32_t storedLength;
  uint32_t unpackedLength;
};

uint32_t readU32(const uint8_t* p);
void appendU32(std::vector<uint8_t>& out, uint32_t value);

// XORs the first units/2 pairs of the name area with the key; its own inverse.
void scrambleNameArea(uint8_t* area, size_t units);

// Appends a record whose name area holds exactly `units`, scrambled. The writer
// passes a terminated, padded name; tests pass odd or unterminated areas.
void appendRecord(std::vector<uint8_t>& out, const Record& fields, const std::u16string& units);

// The whole pack: member data, directory, terminating zero and scrambled offset.
std::vector<uint8_t> assemble(const std::vector<uint8_t>& data, const std::vector<uint8_t>& directory);

// The name area for a member name: the name, a zero unit, and zero padding to a
// multiple of four bytes, so that every unit is scrambled.
std::u16string paddedNameArea(const std::u16string& name);

}  // namespace packformat
