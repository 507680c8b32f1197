#include "installer/archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "platform/utf8.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

struct ReadCloser {
  void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteCloser {
  void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
  void operator()(archive_entry* e) const { archive_entry_free(e); }
};

std::string ErrorOf(archive* a) {
  const char* text = archive_error_string(a);
  return text != nullptr ? text : "unbekannter Fehler";
}

// A relative name of plain components; nullopt for anything that could
// leave the target folder.
std::optional<fs::path> SafeRelativeName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos) return std::nullopt;
  fs::path relative;
  std::size_t start = 0;
  while (start <= name.size()) {
    auto end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view part = name.substr(start, end - start);
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") relative /= std::string(part);
    start = end + 1;
  }
  if (relative.empty()) return std::nullopt;
  return relative;
}

// The existing entry of `dir` whose name equals `name` without regard to
// case, so that an update replaces "lohnar.dat" rather than adding
// "LOHNAR.DAT" beside it.
fs::path ExistingOrNew(const fs::path& target, const fs::path& relative) {
  fs::path path = target;
  for (const auto& part : relative) {
    std::error_code error;
    fs::path chosen = path / part;
    if (!fs::exists(chosen, error)) {
      const std::string folded = FoldCase(part.string());
      for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        if (FoldCase(it->path().filename().string()) == folded) {
          chosen = it->path();
          break;
        }
      }
    }
    path = chosen;
  }
  return path;
}

bool CopyData(archive* a, const fs::path& path, bool executable, UnpackResult& result) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, executable ? 0755 : 0644);
  if (fd < 0) {
    result = {UnpackCode::WriteFailed, {}, std::strerror(errno)};
    return false;
  }
  const void* block = nullptr;
  std::size_t size = 0;
  la_int64_t offset = 0;
  la_int64_t written = 0;
  while (true) {
    const int status = archive_read_data_block(a, &block, &size, &offset);
    if (status == ARCHIVE_EOF) break;
    if (status != ARCHIVE_OK) {
      ::close(fd);
      result = {UnpackCode::Damaged, {}, ErrorOf(a)};
      return false;
    }
    if (offset != written && ::lseek(fd, offset, SEEK_SET) < 0) {
      ::close(fd);
      result = {UnpackCode::WriteFailed, {}, std::strerror(errno)};
      return false;
    }
    const char* bytes = static_cast<const char*>(block);
    std::size_t left = size;
    while (left > 0) {
      const ssize_t n = ::write(fd, bytes, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        result = {UnpackCode::WriteFailed, {}, std::strerror(n < 0 ? errno : ENOSPC)};
        ::close(fd);
        return false;
      }
      bytes += n;
      left -= static_cast<std::size_t>(n);
    }
    written = offset + static_cast<la_int64_t>(size);
  }
  // A sparse end still gives the file its length.
  if (::ftruncate(fd, written) != 0 || ::fsync(fd) != 0 || ::close(fd) != 0) {
    result = {UnpackCode::WriteFailed, {}, std::strerror(errno)};
    return false;
  }
  return true;
}

struct Staged {
  fs::path relative;
  std::string name;
};

using ArchiveReader = std::unique_ptr<archive, ReadCloser>;

// A reader of a gzip-compressed tar file; `opened` says whether it could be opened.
ArchiveReader OpenArchive(const fs::path& archive_path, bool& opened) {
  ArchiveReader a(archive_read_new());
  archive_read_support_filter_gzip(a.get());
  archive_read_support_format_tar(a.get());
  opened = archive_read_open_filename(a.get(), archive_path.c_str(), 64 * 1024) == ARCHIVE_OK;
  return a;
}

// Reads every member into `staging`; false with `result` set on a fault.
bool StageAll(const fs::path& archive_path, const fs::path& staging, std::vector<Staged>& staged,
              UnpackResult& result) {
  bool opened = false;
  const ArchiveReader a = OpenArchive(archive_path, opened);
  if (!opened) {
    result = {UnpackCode::Damaged, {}, ErrorOf(a.get())};
    return false;
  }
  archive_entry* entry = nullptr;
  while (true) {
    const int status = archive_read_next_header(a.get(), &entry);
    if (status == ARCHIVE_EOF) break;
    if (status != ARCHIVE_OK) {
      result = {UnpackCode::Damaged, {}, ErrorOf(a.get())};
      return false;
    }
    const char* raw_name = archive_entry_pathname(entry);
    const auto relative = SafeRelativeName(raw_name != nullptr ? raw_name : "");
    const auto type = archive_entry_filetype(entry);
    if (!relative || (type != AE_IFREG && type != AE_IFDIR)) {
      result = {UnpackCode::Damaged, {}, std::string("unzulässiger Eintrag ") + (raw_name ? raw_name : "")};
      return false;
    }
    std::error_code error;
    fs::create_directories(type == AE_IFDIR ? staging / *relative : (staging / *relative).parent_path(), error);
    if (error) {
      result = {UnpackCode::WriteFailed, {}, error.message()};
      return false;
    }
    if (type == AE_IFDIR) continue;
    const bool executable = (archive_entry_perm(entry) & 0111) != 0;
    if (!CopyData(a.get(), staging / *relative, executable, result)) return false;
    staged.push_back({*relative, relative->generic_string()});
  }
  if (staged.empty()) {
    result = {UnpackCode::Damaged, {}, "das Archiv enthält keine Dateien"};
    return false;
  }
  return true;
}

}  // namespace

ArchiveWriteResult WriteArchive(const fs::path& archive_path, const std::vector<ArchiveMember>& members) {
  std::unique_ptr<archive, WriteCloser> a(archive_write_new());
  archive_write_add_filter_gzip(a.get());
  // Fast rather than small: the medium is built with every build of the programs.
  archive_write_set_filter_option(a.get(), "gzip", "compression-level", "1");
  archive_write_set_format_pax_restricted(a.get());
  const fs::path temporary = archive_path.string() + ".tmp";
  if (archive_write_open_filename(a.get(), temporary.c_str()) != ARCHIVE_OK) return {false, ErrorOf(a.get())};
  for (const auto& member : members) {
    std::ifstream in(member.source, std::ios::binary);
    if (!in) return {false, "nicht lesbar: " + member.source.string()};
    const std::string data{std::istreambuf_iterator<char>(in), {}};
    std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
    archive_entry_set_pathname(entry.get(), member.name.c_str());
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(data.size()));
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), member.executable ? 0755 : 0644);
    if (archive_write_header(a.get(), entry.get()) != ARCHIVE_OK) return {false, ErrorOf(a.get())};
    if (!data.empty() && archive_write_data(a.get(), data.data(), data.size()) != static_cast<la_ssize_t>(data.size())) {
      return {false, ErrorOf(a.get())};
    }
  }
  if (archive_write_close(a.get()) != ARCHIVE_OK) return {false, ErrorOf(a.get())};
  std::error_code error;
  fs::rename(temporary, archive_path, error);
  if (error) return {false, error.message()};
  return {true, {}};
}

UnpackResult UnpackArchive(const fs::path& archive_path, const fs::path& target) {
  std::error_code error;
  if (!fs::is_regular_file(archive_path, error)) return {UnpackCode::Missing, {}, {}};
  const fs::path staging = target / (".pekto-unpack-" + std::to_string(::getpid()));
  fs::remove_all(staging, error);
  fs::create_directories(staging, error);
  if (error) return {UnpackCode::WriteFailed, {}, error.message()};
  std::vector<Staged> staged;
  UnpackResult result;
  if (!StageAll(archive_path, staging, staged, result)) {
    fs::remove_all(staging, error);
    return result;
  }
  result = {UnpackCode::Ok, {}, {}};
  for (const auto& file : staged) {
    const fs::path destination = ExistingOrNew(target, file.relative);
    fs::create_directories(destination.parent_path(), error);
    fs::rename(staging / file.relative, destination, error);
    if (error) {
      result = {UnpackCode::WriteFailed, {}, error.message()};
      break;
    }
    result.names.push_back(file.name);
  }
  fs::remove_all(staging, error);
  return result;
}

std::optional<std::string> ReadArchiveMember(const fs::path& archive_path, std::string_view name,
                                             std::size_t max_bytes) {
  bool opened = false;
  const ArchiveReader a = OpenArchive(archive_path, opened);
  if (!opened) return std::nullopt;
  archive_entry* entry = nullptr;
  while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
    const char* raw_name = archive_entry_pathname(entry);
    if (raw_name == nullptr || name != raw_name || archive_entry_filetype(entry) != AE_IFREG) continue;
    std::string bytes;
    char block[16 * 1024];
    while (true) {
      const la_ssize_t got = archive_read_data(a.get(), block, sizeof block);
      if (got < 0) return std::nullopt;
      if (got == 0) return bytes;
      if (bytes.size() + static_cast<std::size_t>(got) > max_bytes) return std::nullopt;
      bytes.append(block, static_cast<std::size_t>(got));
    }
  }
  return std::nullopt;
}

}  // namespace pekto
