// Files of value lines: one value per line, CR LF line ends when written;
// reading accepts CR LF or LF and a missing last line end, and a short file
// simply runs out of values.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

class ValueLineReader {
 public:
  explicit ValueLineReader(std::string_view bytes) : bytes_(bytes) {}

  // The next line without its line end; nullopt at the end of the file.
  [[nodiscard]] std::optional<std::string_view> Next();
  [[nodiscard]] bool AtEnd() const { return pos_ >= bytes_.size(); }
  [[nodiscard]] std::size_t LinesRead() const { return lines_read_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::size_t lines_read_ = 0;
};

[[nodiscard]] std::vector<std::string> SplitValueLines(std::string_view bytes);

// A value line in double quotes loses them; a bare line is taken as it is.
[[nodiscard]] std::string_view StripQuotes(std::string_view line);
[[nodiscard]] bool IsQuoted(std::string_view line);

// Appends `value` as one line ended by CR LF, in double quotes or bare.
void AppendQuotedLine(std::string& out, std::string_view value);
void AppendBareLine(std::string& out, std::string_view value);

}  // namespace pekto
