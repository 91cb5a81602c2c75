// packtool: makes, lists and unpacks packs on the build machine.
//
//   packtool create OUT DIR [--store]   every file under DIR becomes a member named by
//                                       its path relative to DIR, "/" between folders
//   packtool list PACK                  name, stored length, unpacked length per line
//   packtool extract PACK DIR           writes every member below DIR
//
// list and extract exit 1 on a damaged pack; extract never writes outside DIR.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/MallocBuffer.h"
#include "base/Utf.h"
#include "packs/Pack.h"
#include "packs/PackWriter.h"

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<uint8_t>> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFile(const fs::path& path, const uint8_t* data, size_t length) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(length));
  return bool(out.flush());
}

int fail(const std::string& message) {
  std::cerr << "packtool: " << message << "\n";
  return 1;
}

int create(const fs::path& out, const fs::path& dir, bool store) {
  std::error_code error;
  std::vector<fs::path> files;
  for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file()) files.push_back(it->path());
  if (error) return fail(dir.string() + ": " + error.message());
  std::sort(files.begin(), files.end());  // the same tree always gives the same pack

  PackWriter writer;
  for (const fs::path& file : files) {
    std::u16string name = utf::toUtf16(file.lexically_relative(dir).generic_string());
    auto bytes = readFile(file);
    if (!bytes) return fail("cannot read " + file.string());
    bool added = store ? writer.addStored(name, *bytes) : writer.addCompressed(name, *bytes);
    if (!added) return fail("cannot add " + file.string());
  }
  std::vector<uint8_t> pack = writer.finish();
  if (!writeFile(out, pack.data(), pack.size())) return fail("cannot write " + out.string());
  return 0;
}

std::optional<std::vector<uint8_t>> readPack(const fs::path& path) {
  auto bytes = readFile(path);
  if (!bytes) fail("cannot read " + path.string());
  return bytes;
}

int list(const fs::path& path) {
  auto bytes = readPack(path);
  if (!bytes) return 1;
  Pack pack(bytes->data(), bytes->size());
  if (!pack.intact()) return fail(path.string() + ": damaged directory");
  int status = 0;
  for (const auto& [name, record] : pack.members()) {
    MallocBuffer member(pack.read(name));
    std::cout << utf::toUtf8(name) << "\t" << record.storedLength << "\t" << record.unpackedLength
              << (member ? "" : "\tdamaged") << "\n";
    if (!member) status = 1;
  }
  return status;
}

// A member name as a path below the target folder, or nothing when the name would
// leave it (absolute, drive letters, "." or ".." parts, backslashes, empty parts).
std::optional<fs::path> safeRelativePath(const std::u16string& name) {
  std::string utf8 = utf::toUtf8(name);
  if (utf8.empty() || utf8.find_first_of("\\:") != std::string::npos) return std::nullopt;
  fs::path relative;
  size_t start = 0;
  for (;;) {
    size_t slash = utf8.find('/', start);
    std::string part = utf8.substr(start, slash - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    relative /= part;
    if (slash == std::string::npos) return relative;
    start = slash + 1;
  }
}

bool extractMember(const Pack& pack, const std::u16string& name, const fs::path& dir) {
  auto relative = safeRelativePath(name);
  if (!relative) return !fail("unsafe member name " + utf::toUtf8(name));
  size_t length = 0;
  MallocBuffer member(pack.read(name, &length));
  if (!member) return !fail("damaged member " + utf::toUtf8(name));
  fs::path target = dir / *relative;
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  if (error || !writeFile(target, member.get(), length))
    return !fail("cannot write " + target.string());
  return true;
}

int extract(const fs::path& path, const fs::path& dir) {
  auto bytes = readPack(path);
  if (!bytes) return 1;
  Pack pack(bytes->data(), bytes->size());
  if (!pack.intact()) return fail(path.string() + ": damaged directory");
  int status = 0;
  for (const auto& entry : pack.members())
    if (!extractMember(pack, entry.first, dir)) status = 1;
  return status;
}

int usage() {
  std::cerr << "usage: packtool create OUT DIR [--store]\n"
               "       packtool list PACK\n"
               "       packtool extract PACK DIR\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "create" && (args.size() == 3 || (args.size() == 4 && args[3] == "--store")))
    return create(args[1], args[2], args.size() == 4);
  if (args.size() == 2 && args[0] == "list") return list(args[1]);
  if (args.size() == 3 && args[0] == "extract") return extract(args[1], args[2]);
  return usage();
}
