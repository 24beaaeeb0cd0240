// Runs the Disk Cleaner's junk scan or the Empty Folder Finder's scan over a folder, mapped as
// drive D: of a scratch machine, and prints the seconds it took and what it found.
//   scan_bench junk <folder> <mask>...    prints the found paths to stdout when asked (--list)
//   scan_bench empty <folder>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "diskclean/junk_scan.h"
#include "emptyfolders/empty_folder_scan.h"
#include "platform/dir_and_file.h"
#include "platform/machine/machine.h"
#include "platform/machine/machine_file_system.h"

namespace {

namespace fs = std::filesystem;

struct ScratchMachine {
  explicit ScratchMachine(const std::string& folder) {
    prefix = fs::temp_directory_path() / ("sparvane-scan-machine-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink(fs::absolute(folder), prefix / "dosdevices" / "d:");
  }
  ~ScratchMachine() {
    std::error_code ignored;
    fs::remove_all(prefix, ignored);
  }
  fs::path prefix;
};

int Usage() {
  std::cerr << "usage: scan_bench junk <folder> [--list] <mask>... | scan_bench empty <folder>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string mode = argv[1];
  ScratchMachine scratch(argv[2]);
  platform::Machine machine(scratch.prefix.string());
  platform::MachineFileSystem files(machine);
  ui::ListView results("results");
  ui::StatusPane progress("progress", 0), first("first", 0), second("second", 0);
  bool stopped = false;
  const auto start = std::chrono::steady_clock::now();
  std::size_t found = 0;

  if (mode == "junk") {
    bool list = false;
    std::vector<std::string> masks;
    for (int i = 3; i < argc; ++i) {
      std::string word = argv[i];
      if (word == "--list") {
        list = true;
      } else {
        masks.push_back(word);
      }
    }
    diskclean::JunkScan scan(files, masks, {results, progress, first, second, [] {}, stopped});
    scan.ScanDisk("D:\\");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::set<std::string> paths;
    for (const ui::ListRow& row : results.rows()) paths.insert(row.data);
    found = paths.size();
    if (list) {
      // As Unix paths relative to the folder, to compare with find.
      for (const std::string& path : paths) {
        std::string relative = path.substr(3);
        for (char& c : relative) {
          if (c == '\\') c = '/';
        }
        std::cout << relative << '\n';
      }
    }
    std::cerr << "seconds " << seconds << " rows " << results.rowCount() << " files " << found
              << '\n';
    return 0;
  }
  if (mode == "empty") {
    std::int32_t count = 0;
    emptyfolders::EmptyFolderScan scan(files, {results, progress, second, [] {}, stopped, count});
    std::vector<std::string> names;
    platform::ListSubDirs(files, "D:\\", names);
    for (const std::string& name : names) scan.FindEmptyFolder("D:\\" + name);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cerr << "seconds " << seconds << " folders " << count << '\n';
    return 0;
  }
  return Usage();
}
