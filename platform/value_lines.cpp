#include "platform/value_lines.h"

namespace pekto {

std::optional<std::string_view> ValueLineReader::Next() {
  if (AtEnd()) return std::nullopt;
  const std::size_t end = bytes_.find('\n', pos_);
  std::string_view line = end == std::string_view::npos ? bytes_.substr(pos_) : bytes_.substr(pos_, end - pos_);
  pos_ = end == std::string_view::npos ? bytes_.size() : end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ++lines_read_;
  return line;
}

std::vector<std::string> SplitValueLines(std::string_view bytes) {
  std::vector<std::string> lines;
  ValueLineReader reader(bytes);
  while (auto line = reader.Next()) lines.emplace_back(*line);
  return lines;
}

bool IsQuoted(std::string_view line) { return line.size() >= 2 && line.front() == '"' && line.back() == '"'; }

std::string_view StripQuotes(std::string_view line) {
  if (IsQuoted(line)) return line.substr(1, line.size() - 2);
  if (line == "\"") return {};
  return line;
}

void AppendQuotedLine(std::string& out, std::string_view value) {
  out += '"';
  out += value;
  out += "\"\r\n";
}

void AppendBareLine(std::string& out, std::string_view value) {
  out += value;
  out += "\r\n";
}

}  // namespace pekto
