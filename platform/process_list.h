// The list of running processes (procGetList), read from /proc here.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pekto {

struct ProcessEntry {
  int process_id = 0;
  int parent_process_id = 0;
  int thread_count = 0;
  std::string exe_file;  // the program's file name, as the process list shows it
};

// Appends one entry per running process and returns true; the list keeps
// what it held before.
bool ProcGetList(std::vector<ProcessEntry>& list);
// The same over another /proc tree (for tests).
bool ReadProcessList(const std::filesystem::path& proc_root, std::vector<ProcessEntry>& list);

class ProcessLister {
 public:
  virtual ~ProcessLister() = default;
  virtual bool GetList(std::vector<ProcessEntry>& list) = 0;
};

class HostProcessLister final : public ProcessLister {
 public:
  bool GetList(std::vector<ProcessEntry>& list) override { return ProcGetList(list); }
};

}  // namespace pekto
