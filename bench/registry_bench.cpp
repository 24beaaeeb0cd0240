// Loads and saves a Wine registry file through the registry service, against reading and
// writing the same bytes with plain I/O.
//
//   registry_bench generate <out.reg>        writes a hive shaped like Wine's system.reg
//   registry_bench run <system.reg> <work folder>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/machine/wine_hive.h"
#include "platform/machine/wine_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::perror(path.c_str());
    std::exit(1);
  }
  struct stat info {};
  ::fstat(fd, &info);
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (count <= 0) break;
    filled += static_cast<std::size_t>(count);
  }
  ::close(fd);
  bytes.resize(filled);
  return bytes;
}

// What a careful program does to replace a file: a temporary beside it, flushed, renamed.
void ReplaceFile(const std::string& path, const std::string& bytes) {
  std::string temporary = path + ".XXXXXX";
  int fd = ::mkstemp(temporary.data());
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (count <= 0) std::exit(1);
    done += static_cast<std::size_t>(count);
  }
  ::fchmod(fd, 0644);
  ::fsync(fd);
  ::close(fd);
  ::rename(temporary.c_str(), path.c_str());
  int folder = ::open(path.substr(0, path.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY);
  ::fsync(folder);
  ::close(folder);
}

double Milliseconds(Clock::duration elapsed) {
  return std::chrono::duration<double, std::milli>(elapsed).count();
}

// After one run that is not counted, which warms the caches for both sides alike.
template <typename Work>
double Median(int runs, Work work) {
  work();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    work();
    times.push_back(Milliseconds(Clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// A hive of the shape wineboot makes: class registrations with their servers, file types,
// settings with strings, numbers, binary data and links.
std::string Generate() {
  std::ostringstream out;
  out << "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";
  auto block = [&](const std::string& path) {
    out << "\n[" << path << "] 1796913007\n#time=1dd88b2f40fa35c\n";
  };
  char guid[64];
  for (int i = 0; i < 3000; ++i) {
    std::snprintf(guid, sizeof guid, "{%08X-%04X-11D0-A5DF-00A0C9%06X}", 0x1000 * i + 17, i, i * 7);
    std::string clsid = std::string("Software\\\\Classes\\\\CLSID\\\\") + guid;
    block(clsid);
    out << "@=\"Component " << i << "\"\n";
    block(clsid + "\\\\InprocServer32");
    out << "@=\"C:\\\\windows\\\\system32\\\\component" << i << ".dll\"\n"
        << "\"ThreadingModel\"=\"Both\"\n";
    if (i % 3 == 0) {
      block(clsid + "\\\\ProgID");
      out << "@=\"Component.Object." << i << "\"\n";
    }
  }
  for (int i = 0; i < 1500; ++i) {
    block("Software\\\\Classes\\\\.ext" + std::to_string(i));
    out << "@=\"extfile" << i << "\"\n\"Content Type\"=\"application/x-ext" << i << "\"\n";
  }
  for (int i = 0; i < 1200; ++i) {
    block("System\\\\CurrentControlSet\\\\Services\\\\Service" + std::to_string(i));
    out << "\"DisplayName\"=\"Service number " << i << "\"\n"
        << "\"ImagePath\"=str(2):\"%SystemRoot%\\\\system32\\\\svc" << i << ".exe\"\n"
        << "\"Start\"=dword:00000003\n\"Type\"=dword:00000010\n";
    if (i % 4 == 0) {
      out << "\"Data\"=hex:";
      for (int b = 0; b < 40; ++b) {
        std::snprintf(guid, sizeof guid, "%02x%s", (b * 37 + i) & 0xFF, b < 39 ? "," : "");
        out << guid;
        if (b == 22) out << "\\\n  ";
      }
      out << "\n\"DependOnService\"=str(7):\"RpcSs\\0PlugPlay\\0\"\n";
    }
  }
  return out.str();
}

// The same tree ten times over, under ten top-level keys.
std::string TenTimes(const std::string& text) {
  std::size_t first = text.find("\n[");
  std::string out = text.substr(0, first + 1);
  std::string body = text.substr(first + 1);
  for (int copy = 0; copy < 10; ++copy) {
    std::string prefix = "[Copy" + std::to_string(copy) + "\\\\";
    std::size_t at = 0;
    while (at < body.size()) {
      std::size_t next = body.find("\n[", at);
      std::size_t end = next == std::string::npos ? body.size() : next + 1;
      std::string part = body.substr(at, end - at);
      if (part.starts_with("[")) part.replace(0, 1, prefix);
      out += part;
      at = end;
    }
    if (!out.ends_with("\n\n")) out += "\n";
  }
  return out;
}

struct Figures {
  double raw = 0;
  double ours = 0;
  double parse = 0;
  double text = 0;
};

Figures Measure(const std::string& folder, const std::string& bytes) {
  std::string path = folder + "/system.reg";
  ReplaceFile(path, bytes);
  const int runs = 7;
  Figures figures;
  figures.raw = Median(runs, [&] { ReplaceFile(path, ReadFile(path)); });
  int round = 0;
  figures.ours = Median(runs, [&] {
    platform::WineRegistry registry(folder);
    platform::OpenedKey key =
        registry.OpenKey(platform::RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Bench", true);
    std::string data = std::to_string(++round) + '\0';
    registry.SetValue(key.key, "Round", platform::REG_SZ, data);
    registry.CloseKey(key.key);
    if (!registry.Save()) {
      std::fprintf(stderr, "%s\n", registry.SaveError().c_str());
      std::exit(1);
    }
  });
  std::string current = ReadFile(path);
  figures.parse = Median(runs, [&] { platform::WineHive::Parse(current); });
  platform::WineHive hive = platform::WineHive::Parse(current);
  hive.SetValue(hive.CreatePath(hive.Root(), "Software\\Bench"), "Round",
                {platform::REG_DWORD, std::string(4, '\1')});
  figures.text = Median(runs, [&] { hive.Text(); });
  return figures;
}

void Report(const char* label, std::size_t size, const Figures& figures) {
  std::printf(
      "%-22s %6.1f MB  raw read+write %7.1f ms  load+save %7.1f ms"
      "  (parse %6.1f ms, text %6.1f ms)  ratio %.2f\n",
      label, size / 1e6, figures.raw, figures.ours, figures.parse, figures.text,
      figures.ours / figures.raw);
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "generate" && argc == 3) {
    std::ofstream(argv[2], std::ios::binary) << Generate();
    return 0;
  }
  if (command != "run" || argc != 4) {
    std::fprintf(stderr, "usage: %s generate <out.reg> | run <system.reg> <work folder>\n",
                 argv[0]);
    return 2;
  }
  std::string base = ReadFile(argv[2]);
  std::string large = TenTimes(base);
  platform::WineHive::Parse(large);  // the copy must be a valid hive
  Figures small = Measure(argv[3], base);
  Report("system.reg", base.size(), small);
  Figures big = Measure(argv[3], large);
  Report("ten times larger", large.size(), big);
  std::printf("registry load+save vs raw I/O: %.2f\n", big.ours / big.raw);
  return 0;
}
