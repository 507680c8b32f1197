// pekto-calc --json-lines: whatever the input, every output line is valid
// UTF-8 and one valid JSON object.
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/utf8.h"
#include "tools/calc_command.h"
#include "tools/json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in{std::string(pekto::fuzz::Text(data, size))};
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string> args = {"--json-lines"};
  (void)pekto::RunCalcCommand(std::span<const std::string>(args), in, out, err);
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    pekto::fuzz::Require(pekto::IsValidUtf8(line), "an output line is valid UTF-8");
    const pekto::JsonParseResult parsed = pekto::ParseJson(line);
    pekto::fuzz::Require(parsed.ok && parsed.value.kind == pekto::JsonValue::Kind::Object,
                         "an output line is one JSON object");
  }
  return 0;
}
