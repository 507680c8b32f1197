// Dialog scripts (.rc): every script either parses or names its errors.
#include "fuzz/fuzz_support.h"
#include "ui/rc_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pekto::rc::ParseResult result = pekto::rc::ParseScript(pekto::fuzz::Text(data, size));
  for (const auto& dialog : result.script.dialogs) (void)dialog.FindControl(300);
  return 0;
}
