// How fast the pack reader is: reading a payload-sized pack against decoding the
// same LZMA streams with liblzma directly, and opening a directory of 1,000 members.
#include <benchmark/benchmark.h>
#include <lzma.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "packs/LzmaCodec.h"
#include "packs/Pack.h"
#include "packs/PackFormat.h"

namespace {

struct Member {
  std::u16string name;
  std::vector<uint8_t> plain;
  std::vector<uint8_t> lzma;  // properties and stream
};

// About 5 MB in all: text-like members that compress well and noise that does not.
std::vector<Member> makePayload() {
  std::mt19937 rng(2026);
  std::vector<Member> members;
  for (int i = 0; i < 40; ++i) {
    Member m;
    m.name = u"payload/file" + std::u16string(1, char16_t(u'A' + i % 26)) + char16_t(u'0' + i / 26);
    m.plain.resize(128 * 1024);
    if (i % 2) {
      for (auto& b : m.plain) b = uint8_t(rng());
    } else {
      const char* words[] = {"<Button ", "id=\"next\" ", "width=\"80\" ", "/>\n", "skin.png ", "\t"};
      for (size_t k = 0; k < m.plain.size(); ++k) {
        const char* w = words[rng() % 6];
        for (; *w && k < m.plain.size(); ++w, ++k) m.plain[k] = uint8_t(*w);
      }
    }
    m.lzma = *lzmacodec::encode(m.plain.data(), m.plain.size());
    members.push_back(std::move(m));
  }
  return members;
}

std::vector<uint8_t> packOf(const std::vector<Member>& members) {
  std::vector<uint8_t> data, directory;
  for (const Member& m : members) {
    packformat::Record record{uint32_t(16 + packformat::paddedNameArea(m.name).size() * 2),
                              uint32_t(data.size()), uint32_t(m.lzma.size()), uint32_t(m.plain.size())};
    data.insert(data.end(), m.lzma.begin(), m.lzma.end());
    packformat::appendRecord(directory, record, packformat::paddedNameArea(m.name));
  }
  return packformat::assemble(data, directory);
}

const std::vector<Member>& payload() {
  static const std::vector<Member> members = makePayload();
  return members;
}

size_t plainBytes() {
  size_t total = 0;
  for (const Member& m : payload()) total += m.plain.size();
  return total;
}

void BM_PackReadAll(benchmark::State& state) {
  std::vector<uint8_t> data = packOf(payload());
  Pack pack(data.data(), data.size());
  for (auto _ : state) {
    for (const Member& m : payload()) {
      size_t length = 0;
      uint8_t* buffer = pack.read(m.name, &length);
      benchmark::DoNotOptimize(buffer);
      std::free(buffer);
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(plainBytes()));
}
BENCHMARK(BM_PackReadAll)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The baseline: liblzma's raw decoder over the same streams, no pack in between.
void BM_LiblzmaDirect(benchmark::State& state) {
  for (auto _ : state) {
    for (const Member& m : payload()) {
      lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
      if (lzma_properties_decode(&filters[0], nullptr, m.lzma.data(), 5) != LZMA_OK) std::abort();
      auto* out = static_cast<uint8_t*>(std::malloc(m.plain.size()));
      lzma_stream stream = LZMA_STREAM_INIT;
      if (lzma_raw_decoder(&stream, filters) != LZMA_OK) std::abort();
      stream.next_in = m.lzma.data() + 5;
      stream.avail_in = m.lzma.size() - 5;
      stream.next_out = out;
      stream.avail_out = m.plain.size();
      if (lzma_code(&stream, LZMA_FINISH) == LZMA_DATA_ERROR) std::abort();
      lzma_end(&stream);
      std::free(filters[0].options);
      benchmark::DoNotOptimize(out);
      std::free(out);
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(plainBytes()));
}
BENCHMARK(BM_LiblzmaDirect)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_OpenPackOf1000Members(benchmark::State& state) {
  std::vector<uint8_t> data, directory;
  for (int i = 0; i < 1000; ++i) {
    std::string ascii = "Effect/bg/member" + std::to_string(i) + ".fxd";
    std::u16string name(ascii.begin(), ascii.end());
    packformat::appendRecord(directory, {uint32_t(16 + packformat::paddedNameArea(name).size() * 2), 0, 0, 0},
                             packformat::paddedNameArea(name));
  }
  std::vector<uint8_t> bytes = packformat::assemble(data, directory);
  for (auto _ : state) {
    Pack pack(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(pack.members().size());
  }
}
BENCHMARK(BM_OpenPackOf1000Members)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
