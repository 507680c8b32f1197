#include "app/startup/startup.h"

#include "app/startup/online_services.h"
#include "app/startup/program_state.h"
#include "platform/dos_file_system.h"
#include "platform/dos_path.h"
#include "platform/utf8.h"

namespace pekto {

namespace {

void ResetTables(ProgramState& state) {
  ClearRecord(state.record);
  state.wage_types.Clear();
  state.user_number = 0;
  state.field_state = {};
}

enum class Installation { Ok, SystemFileMissing, SystemFileDamaged, Elsewhere };

// Steps 3 to 5: the system file of the working directory, and the
// installation it names. Start-up deletes and creates files in the
// installation directory, so it must be the folder the system file was
// read from (a copied or moved installation, a crafted file); drive Z:,
// the host's root, is never one.
Installation ReadInstallation(ProgramState& state, const StartupInputs& inputs, const DosFileSystem& files) {
  state.working_directory = inputs.working_directory;
  state.system_file_path = JoinDos(inputs.working_directory, kSystemFileName);
  const SystemFileRead read = ReadSystemFile(files, state.system_file_path);
  state.system_file = read.file;
  state.screen_class = ScreenClassForWidth(inputs.screen_width);
  state.layout_variant = LayoutVariantFor(state.screen_class);
  if (read.status == SystemFileStatus::Missing) return Installation::SystemFileMissing;
  if (read.status == SystemFileStatus::Damaged) return Installation::SystemFileDamaged;
  ApplyPaths(state);
  if (!IsInstallationOf(state.paths, inputs.working_directory)) return Installation::Elsewhere;
  files.DeleteFile(state.paths.File("BILDSCH."));
  files.CreateDirectories(state.paths.File("HIS01"));
  return Installation::Ok;
}

void LoadWageTypesWithWarnings(ProgramState& state, const DosFileSystem& files, MessageBoxes& messages) {
  const std::string path = state.paths.File(kWageTypeFileName);
  const WageTypeLoad load = LoadWageTypes(files, path, state.wage_types);
  if (load.incomplete_last_row) messages.Show(startup_message::WageTypeFileIncomplete(path));
  if (!load.foreign_names.empty()) {
    messages.Show(startup_message::WageTypeNamesWithForeignCharacters(load.foreign_names));
  }
  if (load.count < 2) messages.Show(startup_message::FewerThanTwoWageTypes());
}

}  // namespace

std::vector<std::string> WriteProtectedDataFiles(const DosFileSystem& files, const ProgramState& state) {
  std::vector<std::string> protected_files;
  const auto check = [&](const std::string& path) {
    if (files.IsWriteProtected(path)) protected_files.push_back(path);
  };
  const std::string root = state.paths.InstallRoot();
  check(JoinDos(root, ""));
  for (const auto& name : files.ListFiles(JoinDos(root, ""))) {
    const std::string folded = FoldCase(name);
    if (folded.ends_with(".sys") || folded.ends_with(".dat") || folded.ends_with(".inf")) check(JoinDos(root, name));
  }
  for (int user = 1; user <= kUserEntries; ++user) {
    const std::string dir = JoinDos(root, UserDirFromNumber(user));
    for (const auto& name : files.ListFiles(dir)) check(JoinDos(dir, name));
  }
  if (!files.DirectoryExists(JoinDos(root, "HIS01"))) protected_files.push_back(JoinDos(root, "HIS01"));
  return protected_files;
}

std::vector<std::string> DeleteInstallationLeftovers(const DosFileSystem& files, const ProgramState& state) {
  std::vector<std::string> removed;
  for (const char* name : {"MANDOR.EXE", "MANDOR.INI", "ARCVAI.EXE", "ARCVAA.EXE", "pektow.EXE"}) {
    const std::string path = state.paths.File(name);
    if (files.DeleteFile(path)) removed.push_back(path);
  }
  for (const char* path : {"C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP", "C:\\LHWUEKT\\ARCVAA.EXE", "C:\\LHWUEKT\\ARCVAI.EXE",
                           "C:\\LHWUEKT\\INSTALL.EXE", "C:\\LHWUEKT\\INPEKTO.chm"}) {
    if (files.DeleteFile(path)) removed.emplace_back(path);
  }
  for (const char* path : {"C:\\AUTOHWKTMP.TMP", "C:\\LHWUEKT"}) {
    if (files.RemoveEmptyDirectory(path)) removed.emplace_back(path);
  }
  return removed;
}

bool IsInstallationOf(const InstallPaths& paths, std::string_view working_directory) {
  const auto root = ParseDosPath(paths.InstallRoot());
  return root && root->drive != 'Z' && SameDosPath(paths.InstallRoot(), working_directory);
}

StartupOutcome RunStartup(ProgramState& state, const StartupInputs& inputs, StartupServices& services) {
  ResetTables(state);
  const Installation installation = ReadInstallation(state, inputs, services.files);
  if (installation == Installation::Ok) services.online.ReadSettings(state.paths);
  if (!services.host.CreateStartMask()) {
    services.messages.Show(startup_message::StartMaskNotCreated());
    return StartupOutcome::EndProgram;
  }
  if (installation == Installation::SystemFileMissing) {
    services.messages.Show(startup_message::SystemFileMissing(state.system_file_path));
    return StartupOutcome::EndProgram;
  }
  if (installation == Installation::SystemFileDamaged) {
    services.messages.Show(startup_message::SystemFileDamaged(state.system_file_path));
    return StartupOutcome::EndProgram;
  }
  if (installation == Installation::Elsewhere) {
    services.messages.Show(startup_message::InstallationElsewhere(state.system_file_path, state.paths.InstallRoot()));
    state.paths = {};
    return StartupOutcome::EndProgram;
  }
  LoadWageTypesWithWarnings(state, services.files, services.messages);
  // The year parameters are constant tables, built per calculation run.
  if (!WriteProtectedDataFiles(services.files, state).empty()) {
    services.messages.Show(startup_message::DataFilesWriteProtected());
    return StartupOutcome::EndProgram;
  }
  DeleteInstallationLeftovers(services.files, state);
  services.online.CleanUpUpdateLeftovers();
  services.online.FirstRunQuestion();
  services.online.AutomaticStartCheck();
  return StartupOutcome::EnterMessageLoop;
}

}  // namespace pekto
