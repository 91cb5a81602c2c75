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

// Encodes `input` as properties plus raw stream; nothing when the encoder fails.
// The dictionary is no larger than the input, since the decoder allocates what the
// properties ask for.
std::optional<std::vector<uint8_t>> encode(const uint8_t* input, size_t length);

}  // namespace lzmacodec
