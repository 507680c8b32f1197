// Expected-sheet comparison of the output tests: a document's text is
// compared line by line with a checked-in file; PEKTO_UPDATE_EXPECTED=1
// writes the file instead (then look at the difference before committing).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "bookings/output_pages.h"
#include "platform/atomic_file.h"

namespace pekto::testing_support {

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// `path`: the expected file; `name` names the document in a failure.
inline void ExpectSheetsAt(const std::string& path, const std::string& name, const OutputPages& pages) {
  const std::string actual = DocumentText(pages);
  if (std::getenv("PEKTO_UPDATE_EXPECTED") != nullptr) {
    ASSERT_TRUE(ReplaceFileAtomically(path, actual).ok) << path;
    return;
  }
  const auto expected = ReadWholeFile(path);
  ASSERT_TRUE(expected.has_value()) << "missing expected sheet " << path;
  const auto want = SplitLines(*expected);
  const auto got = SplitLines(actual);
  for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
    ASSERT_EQ(got[i], want[i]) << name << ": line " << i + 1 << " (sheet " << i / kSheetLines + 1 << ", row "
                               << i % kSheetLines + 1 << ")";
  }
  ASSERT_EQ(got.size(), want.size()) << name << ": number of lines";
}

}  // namespace pekto::testing_support
