// What a web server sends back: the response as the fetch evaluates it
// (status line, headers, Content-Length, body), and the same bytes as a URL.
#include "fuzz/fuzz_support.h"
#include "online/http_get.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view response = pekto::fuzz::Text(data, size);
  if (const auto body = pekto::EvaluateResponse(response)) {
    pekto::fuzz::Require(body->size() < response.size(), "the body is a part of the response");
    pekto::fuzz::Require(response.ends_with(*body), "the body is the end of the response");
  }
  if (const auto target = pekto::SplitUrl(response)) {
    pekto::fuzz::Require(target->port > 0 && target->port < 65536, "a port of a URL is a port");
    (void)pekto::BuildRequest(*target, "127.0.0.1", "www.pekto-lohn.de");
  }
  return 0;
}
