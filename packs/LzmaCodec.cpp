// Raw LZMA1 through liblzma.
#include "packs/LzmaCodec.h"

#include <lzma.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace lzmacodec {
namespace {

constexpr size_t kPropsSize = 5;

// Every distance in a stream that fits the destination is shorter than the
// destination, so a larger dictionary than that is never needed; clamping it keeps
// a hostile header from asking for gigabytes.
uint32_t neededDictionary(uint32_t asked, size_t destLength) {
  size_t enough = std::max<size_t>(destLength, LZMA_DICT_SIZE_MIN);
  return uint32_t(std::min<size_t>(asked, enough));
}

}  // namespace

size_t maxDecodedLength(size_t streamLength) {
  constexpr size_t kBytesPerStreamByte = 8192;  // above the 7,100 the coder allows
  constexpr size_t kSlack = 64 * 1024;
  if (streamLength > (SIZE_MAX - kSlack) / kBytesPerStreamByte) return SIZE_MAX;
  return streamLength * kBytesPerStreamByte + kSlack;
}

size_t decode(uint8_t* dest, size_t destLength, const uint8_t* props, const uint8_t* src,
              size_t srcLength) {
  lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
  if (lzma_properties_decode(&filters[0], nullptr, props, kPropsSize) != LZMA_OK) return 0;
  auto* options = static_cast<lzma_options_lzma*>(filters[0].options);
  options->dict_size = neededDictionary(options->dict_size, destLength);

  lzma_stream stream = LZMA_STREAM_INIT;
  size_t produced = 0;
  if (lzma_raw_decoder(&stream, filters) == LZMA_OK) {
    stream.next_in = src;
    stream.avail_in = srcLength;
    stream.next_out = dest;
    stream.avail_out = destLength;
    // A truncated raw stream still answers LZMA_OK: the caller judges the count.
    lzma_ret ret = lzma_code(&stream, LZMA_FINISH);
    if (ret == LZMA_OK || ret == LZMA_STREAM_END) produced = destLength - stream.avail_out;
  }
  lzma_end(&stream);
  free(options);
  return produced;
}

std::optional<std::vector<uint8_t>> encode(const uint8_t* input, size_t length) {
  lzma_options_lzma options;
  if (lzma_lzma_preset(&options, 9)) return std::nullopt;
  options.dict_size = neededDictionary(options.dict_size, length);
  lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};

  std::vector<uint8_t> out(kPropsSize + length / 2 + 4096);
  if (lzma_properties_encode(&filters[0], out.data()) != LZMA_OK) return std::nullopt;
  lzma_stream stream = LZMA_STREAM_INIT;
  if (lzma_raw_encoder(&stream, filters) != LZMA_OK) return std::nullopt;
  stream.next_in = input;
  stream.avail_in = length;
  size_t written = kPropsSize;
  lzma_ret ret = LZMA_OK;
  while (ret == LZMA_OK) {
    if (written == out.size()) out.resize(out.size() * 2);
    stream.next_out = out.data() + written;
    stream.avail_out = out.size() - written;
    ret = lzma_code(&stream, LZMA_FINISH);
    written = out.size() - stream.avail_out;
  }
  lzma_end(&stream);
  if (ret != LZMA_STREAM_END) return std::nullopt;
  out.resize(written);
  return out;
}

}  // namespace lzmacodec
