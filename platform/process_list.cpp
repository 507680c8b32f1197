#include "platform/process_list.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// /proc/<pid>/stat: "pid (comm) state ppid ... num_threads(20th field) ...";
// the name may itself hold blanks and parentheses, so it ends at the last ")".
std::optional<ProcessEntry> ParseStat(int pid, std::string_view stat) {
  const auto open = stat.find('(');
  const auto close = stat.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;
  ProcessEntry entry;
  entry.process_id = pid;
  entry.exe_file = std::string(stat.substr(open + 1, close - open - 1));
  std::istringstream fields{std::string(stat.substr(close + 1))};
  std::string field;
  for (int index = 3; fields >> field; ++index) {
    if (index == 4) entry.parent_process_id = ParseInt(field).value_or(0);
    if (index == 20) {
      entry.thread_count = ParseInt(field).value_or(0);
      break;
    }
  }
  return entry;
}

}  // namespace

bool ReadProcessList(const fs::path& proc_root, std::vector<ProcessEntry>& list) {
  std::vector<ProcessEntry> found;
  std::error_code error;
  for (fs::directory_iterator it(proc_root, error), end; !error && it != end; it.increment(error)) {
    const auto pid = ParseInt(it->path().filename().string());
    if (!pid) continue;
    const auto stat = ReadWholeFile(it->path() / "stat");
    if (!stat) continue;  // the process ended meanwhile
    if (auto entry = ParseStat(*pid, *stat)) found.push_back(std::move(*entry));
  }
  std::sort(found.begin(), found.end(),
            [](const ProcessEntry& a, const ProcessEntry& b) { return a.process_id < b.process_id; });
  list.insert(list.end(), found.begin(), found.end());
  return true;
}

bool ProcGetList(std::vector<ProcessEntry>& list) { return ReadProcessList("/proc", list); }

}  // namespace pekto
