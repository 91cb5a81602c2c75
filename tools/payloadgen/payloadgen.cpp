// payloadgen: writes the data files of the payload (driver files, runtime libraries,
// effects, skins, pictures, splash and sample sound) into a folder, the same bytes on
// every run. They stand in for the product's own files with realistic sizes and
// kinds of content: real JPEG pictures, compressible text-like and structured data,
// and incompressible archives and sound, so the payload pack is as big and as hard
// to unpack as the real one.
//
//   payloadgen OUTDIR
#include <stb/stb_image_write.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// splitmix64: a small generator whose output depends only on its seed.
class Random {
 public:
  explicit Random(const std::string& seed) {
    for (unsigned char c : seed) state_ = state_ * 131 + c;
  }
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint8_t byte() { return uint8_t(next()); }

 private:
  uint64_t state_ = 0x243F6A8885A308D3ull;
};

using Bytes = std::vector<uint8_t>;

// Incompressible bytes, like archives, signed catalogues and encoded sound.
Bytes noise(const std::string& name, size_t size) {
  Random random(name);
  Bytes out(size);
  for (auto& b : out) b = random.byte();
  return out;
}

// Machine-code-like bytes: short repeated instruction patterns with varying
// operands, tables and strings; compresses to about half, like real binaries.
Bytes binary(const std::string& name, size_t size) {
  Random random(name);
  static const char* strings[] = {"GetProcAddress", "LoadLibraryW", "CreateFileW", "HeapAlloc",
                                  "zelvo camera", "curl_easy_perform", "std::bad_alloc", ".rdata"};
  Bytes out;
  out.reserve(size);
  while (out.size() < size) {
    switch (random.next() % 4) {
      case 0:
        for (const char* s = strings[random.next() % 8]; *s; ++s) out.push_back(uint8_t(*s));
        out.push_back(0);
        break;
      case 1:
        for (int i = 0; i < 24; ++i) out.push_back(random.byte());
        break;
      default: {
        const uint8_t prologue[] = {0x55, 0x8B, 0xEC, 0x83, 0xEC, random.byte(), 0x53, 0x56, 0x57, 0xE8,
                                    random.byte(), random.byte(), 0x00, 0x00, 0x8B, 0x45, 0x08};
        out.insert(out.end(), std::begin(prologue), std::end(prologue));
      }
    }
  }
  out.resize(size);
  return out;
}

// A picture of soft gradients, rings and grain, encoded as a real JPEG.
Bytes jpeg(const std::string& name, int width, int height) {
  Random random(name);
  double fx = 1 + random.next() % 7, fy = 1 + random.next() % 5, hue = double(random.next() % 360);
  std::vector<uint8_t> pixels(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double u = double(x) / width, v = double(y) / height;
      double ring = std::sin(fx * 6.28 * std::hypot(u - 0.5, v - 0.4) * 3);
      uint8_t* p = &pixels[(size_t(y) * width + x) * 3];
      for (int c = 0; c < 3; ++c) {
        double wave = std::sin((u * fx + v * fy) * 3.14 + (hue + 120 * c) / 57.3);
        double value = 128 + 70 * wave + 40 * ring + double(random.next() % 25);
        p[c] = uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
      }
    }
  }
  Bytes out;
  stbi_write_jpg_to_func(
      [](void* context, void* data, int size) {
        auto* bytes = static_cast<Bytes*>(context);
        bytes->insert(bytes->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
      },
      &out, width, height, 3, pixels.data(), 88);
  return out;
}

bool write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file.flush());
}

struct Generated {
  const char* name;
  Bytes (*make)(const std::string& name);
};

const Generated kFiles[] = {
    {"zelvo.cat", [](const std::string& n) { return noise(n, 10 * 1024); }},
    {"zelvo.sys", [](const std::string& n) { return binary(n, 46 * 1024); }},
    {"zelvo64.cat", [](const std::string& n) { return noise(n, 10 * 1024); }},
    {"zelvo64.sys", [](const std::string& n) { return binary(n, 58 * 1024); }},
    {"Effect/bg/bg1.fxd", [](const std::string& n) { return binary(n, 180 * 1024); }},
    {"Effect/bg/bg2.fxd", [](const std::string& n) { return binary(n, 160 * 1024); }},
    {"Effect/mask/mask1.fxd", [](const std::string& n) { return binary(n, 90 * 1024); }},
    {"Effect/mask/mask2.fxd", [](const std::string& n) { return binary(n, 70 * 1024); }},
    {"libcurl.dll", [](const std::string& n) { return binary(n, 420 * 1024); }},
    {"msvcp110.dll", [](const std::string& n) { return binary(n, 520 * 1024); }},
    {"msvcr110.dll", [](const std::string& n) { return binary(n, 850 * 1024); }},
    {"zlibwapi.dll", [](const std::string& n) { return binary(n, 120 * 1024); }},
    {"Resource/skin1.tz", [](const std::string& n) { return noise(n, 300 * 1024); }},
    {"Resource/window1.tz", [](const std::string& n) { return noise(n, 220 * 1024); }},
    {"Resource/skin2.tz", [](const std::string& n) { return noise(n, 290 * 1024); }},
    {"Resource/window2.tz", [](const std::string& n) { return noise(n, 210 * 1024); }},
    {"Resource/pic/pic1.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/pic/pic2.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/pic/pic3.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/pic/pic4.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/pic/pic5.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/pic/pic6.jpg", [](const std::string& n) { return jpeg(n, 800, 450); }},
    {"Resource/splash/default", [](const std::string& n) { return jpeg(n, 1024, 576); }},
    {"Resource/sample.wma", [](const std::string& n) { return noise(n, 1300 * 1024); }},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: payloadgen OUTDIR\n");
    return 2;
  }
  for (const Generated& file : kFiles) {
    if (!write(fs::path(argv[1]) / file.name, file.make(file.name))) {
      std::fprintf(stderr, "payloadgen: cannot write %s\n", file.name);
      return 1;
    }
  }
  return 0;
}
