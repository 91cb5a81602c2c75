// The LZMA coding that packs use: five properties bytes (lc/lp/pb, then the
// dictionary size) followed by a raw LZMA1 stream, with the unpacked length kept
// outside the member. Decoding fills a buffer of known size, like the LZMA SDK's
// one-call decoder with finish mode "any".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lzmacodec {

// Decodes into dest[0..destLength) and returns how many bytes were produced; a
// damaged stream produces fewer. `props` points at the five properties bytes.
size_t decode(uint8_t* dest, size_t destLength, const uint8_t* props, const uint8_t* src,
              size_t srcLength);

// The most bytes a raw stream of `streamLength` bytes can decode to. Each coded
// decision narrows the range coder's 32-bit range by at least 2017/2048 (its most
// skewed probability), every eight bits of narrowing consume an input byte, and
// no decision yields more than 273/14 bytes (a longest repeated match), so a byte
// of stream yields at most about 7,100 bytes. A member that claims more is damaged,
// and is refused before anything is allocated for it.
size_t maxDecodedLength(size_t streamLength);

// Encodes `input` as properties plus raw stream; nothing when the encoder fails.
// The dictionary is no larger than the input, since the decoder allocates what the
// properties ask for.
std::optional<std::vector<uint8_t>> encode(const uint8_t* input, size_t length);

}  // namespace lzmacodec
