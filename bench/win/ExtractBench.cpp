// How fast the install job writes the payload: the install-list loop of the real job
// (real script, real payload pack, a wizard side that answers every message at
// once) against two references measured in the same run, writing the same unpacked
// files with plain file writes and decoding the same LZMA streams with liblzma
// alone. Also the whole job's time (with the programs it starts) and how much the
// process grew over one job. Prints medians over several rounds.
//
//   extract_bench.exe
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/MallocBuffer.h"
#include "base/WinFiles.h"
#include "jobs/LuaWork.h"
#include "jobs/NotifyService.h"
#include "packs/LzmaCodec.h"
#include "packs/Pack.h"
#include "packs/ResourceFileSystem.h"
#include "script/LuaArgs.h"
#include "Clock.h"
#include "toolkit/core/Toolkit.h"

namespace {

constexpr int kRounds = 5;

size_t privateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

size_t peakPrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakPagefileUsage;
}

std::wstring folderIn(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + name + L"\\";
}

// The wizard's side: answers at once and notes when the install-list loop begins
// (the first extraction step) and ends (the first step after the last file).
struct Timeline {
  double loopStart = 0, loopEnd = 0;
};
Timeline timeline;

void answerAtOnce(void*, toolkit::Control*, void* argument) {
  auto* message = static_cast<toolkit::ToolkitMessage*>(argument);
  std::string text = reinterpret_cast<const char*>(message->parameter);
  if (text.find("zelvo.cat]]") != std::string::npos && text.find("code=4") != std::string::npos)
    timeline.loopStart = nowMilliseconds();
  if (text.find("Zelvo.ax") != std::string::npos || text.find("code=8") != std::string::npos ||
      (text.find("code=2") != std::string::npos && !timeline.loopEnd))
    if (!timeline.loopEnd) timeline.loopEnd = nowMilliseconds();
  message->result = 1;
}

void pumpUntilDone() {
  while (LuaWork::running()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

struct Member {
  std::wstring name;
  std::vector<uint8_t> plain;
  std::vector<uint8_t> stored;  // properties and stream, for compressed members
};

std::vector<Member> membersOf(const Pack& pack, const uint8_t* data) {
  std::vector<Member> members;
  for (const auto& [name, record] : pack.members()) {
    size_t length = 0;
    MallocBuffer bytes(pack.read(name, &length));
    Member m{std::wstring(name.begin(), name.end()), std::vector<uint8_t>(bytes.get(), bytes.get() + length), {}};
    if (record.unpackedLength)
      m.stored.assign(data + record.dataOffset, data + record.dataOffset + record.storedLength);
    std::replace(m.name.begin(), m.name.end(), L'/', L'_');
    members.push_back(std::move(m));
  }
  return members;
}

double plainWrites(const std::vector<Member>& members, const std::wstring& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
  double start = nowMilliseconds();
  for (const Member& m : members) {
    HANDLE file = CreateFileW((folder + m.name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, m.plain.data(), DWORD(m.plain.size()), &written, nullptr);
    CloseHandle(file);
  }
  double elapsed = nowMilliseconds() - start;
  winfiles::removeTreeQuietly(folder);
  return elapsed;
}

double liblzmaAlone(const std::vector<Member>& members) {
  double start = nowMilliseconds();
  for (const Member& m : members) {
    if (m.stored.empty()) continue;
    MallocBuffer out(static_cast<uint8_t*>(std::malloc(m.plain.size())));
    lzmacodec::decode(out.get(), m.plain.size(), m.stored.data(), m.stored.data() + 5, m.stored.size() - 5);
  }
  return nowMilliseconds() - start;
}

}  // namespace

int main() {
  ResourceFileSystem resources(GetModuleHandleW(nullptr));
  resources.add(u"LG.lua", 114);
  resources.add(u"program.lz", 115);
  ResourceFileSystem::publish(&resources);
  NotifyService::start();
  toolkit::startToolkit();
  toolkit::toolkitContext()->messageHandlers().add(nullptr, &answerAtOnce);

  // Memory first, before this tool holds copies of the payload itself: the peak of
  // one job beyond what the process used before and the pack the job holds.
  std::wstring target = folderIn(L"ExtractBench");
  winfiles::removeTreeQuietly(target);
  std::string config = "{installPath=[[" + luaargs::toUtf8(target) + "]]}";
  size_t packLength = 0;
  MallocBuffer packBytes(resources.read(u"program.lz", &packLength));
  size_t before = privateBytes();
  LuaWork::start(L"LG.lua", L"program.lz", config);
  pumpUntilDone();
  // Wine's peak counter follows the current value, and the heap keeps what was
  // freed, so the growth over one job bounds what it held at any one time.
  size_t grown = std::max(peakPrivateBytes(), privateBytes()) - before;

  Pack pack(packBytes.get(), packLength);
  std::vector<Member> members = membersOf(pack, packBytes.get());
  size_t largest = 0;
  for (const Member& m : members) largest = std::max(largest, m.plain.size());

  std::vector<double> loops, jobs, writes, decodes;
  for (int round = 0; round < kRounds; ++round) {
    winfiles::removeTreeQuietly(target);
    timeline = {};
    double start = nowMilliseconds();
    LuaWork::start(L"LG.lua", L"program.lz", config);
    pumpUntilDone();
    jobs.push_back(nowMilliseconds() - start);
    loops.push_back(timeline.loopEnd - timeline.loopStart);
    writes.push_back(plainWrites(members, folderIn(L"ExtractBenchPlain")));
    decodes.push_back(liblzmaAlone(members));
  }
  winfiles::removeTreeQuietly(target);

  double loop = median(loops), write = median(writes), decode = median(decodes);
  std::printf("install-list loop (extraction)  %8.1f ms\n", loop);
  std::printf("plain file writes               %8.1f ms\n", write);
  std::printf("liblzma decoding alone          %8.1f ms\n", decode);
  std::printf("ratio loop / (writes + decode)  %8.2f   (goal <= 1.2)\n", loop / (write + decode));
  std::printf("whole job, with its programs    %8.1f ms\n", median(jobs));
  std::printf("private bytes grown by one job  %8.2f MB (pack %.2f MB, largest member %.2f MB)\n",
              grown / 1048576.0, packLength / 1048576.0, largest / 1048576.0);

  toolkit::shutdownToolkit();
  NotifyService::stop();
  ResourceFileSystem::publish(nullptr);
  return 0;
}
