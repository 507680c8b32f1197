// The help pages of the main mask: every field topic and every menu topic
// opens a page of its own (F1 must never land on the start page by
// accident), and every page of resources/help is a small, self-contained
// UTF-8 HTML file whose links resolve.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "record/mask_fields.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpRoot = fs::path(PEKTO_SOURCE_DIR) / "resources" / "help";

// Help topic of each main-mask field, by field number 1..60.
constexpr std::array<int, kMaskFieldCount> kFieldTopics = {
    150, 151, 152, 153, 154, 155, 156, 157, 161, 161,  // 1..10
    160, 158, 158, 163, 164, 165, 166, 167, 168, 169,  // 11..20
    170, 171, 172, 330, 174, 162, 176, 177, 178, 179,  // 21..30
    180, 229, 182, 183, 181, 184, 185, 186, 187, 188,  // 31..40
    189, 190, 191, 192, 193, 194, 195, 196, 197, 198,  // 41..50
    199, 200, 201, 202, 203, 204, 334, 334, 341, 342,  // 51..60
};

template <typename Spec>
concept HasHelpTopic = requires(const Spec& spec) { spec.help_topic; };

// The field table's own topic when it carries one, else the list above.
template <typename Spec>
int TopicOf(const Spec& spec) {
  if constexpr (HasHelpTopic<Spec>) {
    return spec.help_topic;
  } else {
    return kFieldTopics[static_cast<std::size_t>(spec.number - 1)];
  }
}

// Commands of the main mask with a help topic: menu entries, the button
// that leaves the mask, the legal changes of each year and the index.
struct CommandTopic {
  int command;
  std::string_view help_folder;  // PEKTO.CHM, GESETZ.CHM, REGISTER.CHM
  int topic;                     // 0: the file's start page
};

constexpr CommandTopic kCommandTopics[] = {
    {256, "pekto", 212},   {257, "pekto", 213},   {265, "pekto", 230},   {258, "pekto", 214},
    {259, "pekto", 215},   {260, "pekto", 216},   {280, "pekto", 232},   {4096, "pekto", 272},
    {290, "pekto", 263},   {288, "pekto", 254},   {279, "pekto", 256},   {5413, "pekto", 328},
    {5414, "pekto", 328},  {512, "pekto", 209},   {261, "pekto", 100},   {273, "pekto", 217},
    {4359, "pekto", 218},  {264, "pekto", 218},   {274, "pekto", 211},   {275, "pekto", 207},
    {5417, "pekto", 329},  {5425, "pekto", 330},  {283, "pekto", 300},   {528, "gesetz", 50},
    {529, "gesetz", 51},   {530, "gesetz", 52},   {531, "gesetz", 53},   {532, "gesetz", 54},
    {533, "gesetz", 55},   {534, "gesetz", 56},
    {5426, "register", 0},
};

fs::path PageOf(std::string_view folder, int topic) {
  return kHelpRoot / folder / (topic > 0 ? std::to_string(topic) + ".html" : std::string("index.html"));
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    int follow = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (c < 0x80) {
      if (c == 0) return false;
      ++i;
      continue;
    }
    if ((c & 0xE0) == 0xC0) {
      follow = 1;
      minimum = 0x80;
      code = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      follow = 2;
      minimum = 0x800;
      code = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      follow = 3;
      minimum = 0x10000;
      code = c & 0x07u;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(follow) >= text.size()) return false;
    for (int k = 1; k <= follow; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(follow) + 1;
  }
  return true;
}

struct Tag {
  std::string name;  // lower case
  bool closing = false;
  std::string attributes;
};

// The tags of a page in order; comments and declarations are skipped. A
// "<" that does not open a tag is reported as an error.
std::vector<Tag> TagsOf(std::string_view html, std::vector<std::string>& errors) {
  std::vector<Tag> tags;
  std::size_t pos = 0;
  while ((pos = html.find('<', pos)) != std::string_view::npos) {
    if (html.substr(pos, 4) == "<!--") {
      const auto end = html.find("-->", pos);
      if (end == std::string_view::npos) {
        errors.push_back("unterminated comment");
        break;
      }
      pos = end + 3;
      continue;
    }
    const auto end = html.find('>', pos);
    if (end == std::string_view::npos) {
      errors.push_back("unterminated tag");
      break;
    }
    std::string_view inner = html.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    if (!inner.empty() && inner.front() == '!') continue;
    Tag tag;
    if (!inner.empty() && inner.front() == '/') {
      tag.closing = true;
      inner.remove_prefix(1);
    }
    std::size_t n = 0;
    while (n < inner.size() && std::isalnum(static_cast<unsigned char>(inner[n]))) ++n;
    if (n == 0) {
      errors.push_back("'<' that opens no tag: <" + std::string(inner.substr(0, 20)));
      continue;
    }
    tag.name = Lower(inner.substr(0, n));
    tag.attributes = std::string(inner.substr(n));
    tags.push_back(std::move(tag));
  }
  return tags;
}

const std::set<std::string, std::less<>> kVoidTags = {"meta", "br", "hr"};
const std::set<std::string, std::less<>> kAllowedTags = {
    "html", "head", "meta", "title", "body", "h1", "h2", "h3", "h4", "p",  "br", "hr", "ul", "ol",
    "li",   "table", "tr",  "th",    "td",   "a",  "b",  "i",  "u",  "em", "strong", "tt", "code", "pre",
    "div",  "span", "small", "sub",  "sup",  "dl", "dt", "dd", "blockquote"};

// The values of an attribute (href) in a tag's attribute text.
std::vector<std::string> AttributeValues(std::string_view attributes, std::string_view name) {
  std::vector<std::string> values;
  const std::string lower = Lower(attributes);
  const std::string key = std::string(name) + "=\"";
  std::size_t pos = 0;
  while ((pos = lower.find(key, pos)) != std::string::npos) {
    const bool starts_word = pos == 0 || std::isspace(static_cast<unsigned char>(lower[pos - 1]));
    const std::size_t start = pos + key.size();
    const std::size_t end = lower.find('"', start);
    if (end == std::string::npos) break;
    if (starts_word) values.emplace_back(attributes.substr(start, end - start));
    pos = end + 1;
  }
  return values;
}

std::string TitleOf(std::string_view html) {
  const std::string lower = Lower(html);
  const auto open = lower.find("<title>");
  const auto close = lower.find("</title>");
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  std::string title(html.substr(open + 7, close - open - 7));
  const auto first = title.find_first_not_of(" \t\r\n");
  return first == std::string::npos ? std::string() : title.substr(first);
}

// Everything wrong with one page; empty when the page is fine.
std::vector<std::string> ProblemsOf(const fs::path& page) {
  std::vector<std::string> errors;
  const std::string html = ReadWhole(page);
  if (html.empty()) return {"empty page"};
  if (!IsValidUtf8(html)) errors.push_back("not valid UTF-8");
  if (html.rfind("\xEF\xBB\xBF", 0) == 0) errors.push_back("starts with a byte order mark");
  const std::string lower = Lower(html);
  if (lower.find("<meta charset=\"utf-8\">") == std::string::npos) errors.push_back("no <meta charset=\"utf-8\">");
  if (TitleOf(html).empty()) errors.push_back("no or empty <title>");

  const std::vector<Tag> tags = TagsOf(html, errors);
  if (tags.empty() || tags.front().name != "html" || tags.front().closing) errors.push_back("does not begin with <html>");
  if (tags.empty() || tags.back().name != "html" || !tags.back().closing) errors.push_back("does not end with </html>");
  int titles = 0;
  bool head = false;
  bool body = false;
  std::vector<std::string> open;
  for (const Tag& tag : tags) {
    if (!kAllowedTags.contains(tag.name)) errors.push_back("tag <" + tag.name + "> is not one of the simple tags");
    if (!tag.closing && tag.name == "title") ++titles;
    if (!tag.closing && tag.name == "head") head = true;
    if (!tag.closing && tag.name == "body") body = true;
    if (Lower(tag.attributes).find("src=") != std::string::npos) errors.push_back("<" + tag.name + "> loads a resource");
    if (Lower(tag.attributes).find("style") != std::string::npos) errors.push_back("<" + tag.name + "> has a style");
    if (kVoidTags.contains(tag.name)) {
      if (tag.closing) errors.push_back("closing tag of the empty element <" + tag.name + ">");
      continue;
    }
    if (!tag.closing) {
      open.push_back(tag.name);
    } else if (open.empty() || open.back() != tag.name) {
      errors.push_back("</" + tag.name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">"));
      if (!open.empty()) open.pop_back();
    } else {
      open.pop_back();
    }
  }
  if (!open.empty()) errors.push_back("<" + open.back() + "> is never closed");
  if (titles != 1) errors.push_back("not exactly one <title>");
  if (!head || !body) errors.push_back("no <head> or no <body>");

  // Character references: "&" only as &name; or &#digits;.
  for (std::size_t pos = html.find('&'); pos != std::string::npos; pos = html.find('&', pos + 1)) {
    std::size_t end = pos + 1;
    if (end < html.size() && html[end] == '#') ++end;
    const std::size_t start = end;
    while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) ++end;
    if (end == start || end >= html.size() || html[end] != ';') {
      errors.push_back("bare '&' near: " + html.substr(pos, 15));
    }
  }

  // Links stay inside the help files and lead to existing pages.
  for (const Tag& tag : tags) {
    if (tag.closing || tag.name != "a") continue;
    const auto hrefs = AttributeValues(tag.attributes, "href");
    if (hrefs.empty()) errors.push_back("<a> without href");
    for (const std::string& href : hrefs) {
      if (href.find(':') != std::string::npos || href.rfind("//", 0) == 0) {
        errors.push_back("link leaves the help files: " + href);
        continue;
      }
      const std::string target = href.substr(0, href.find('#'));
      if (target.empty()) continue;
      std::error_code error;
      if (!fs::is_regular_file(page.parent_path() / target, error)) errors.push_back("broken link: " + href);
    }
  }
  return errors;
}

std::vector<fs::path> AllPages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::recursive_directory_iterator(kHelpRoot)) {
    if (entry.is_regular_file() && entry.path().extension() == ".html") pages.push_back(entry.path());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

// The link targets of a page, as paths relative to the help root.
std::set<fs::path> LinkedPages(const fs::path& page) {
  std::set<fs::path> linked;
  std::vector<std::string> ignored;
  for (const Tag& tag : TagsOf(ReadWhole(page), ignored)) {
    if (tag.closing || tag.name != "a") continue;
    for (const std::string& href : AttributeValues(tag.attributes, "href")) {
      const std::string target = href.substr(0, href.find('#'));
      if (!target.empty()) linked.insert((page.parent_path() / target).lexically_normal().lexically_relative(kHelpRoot));
    }
  }
  return linked;
}

TEST(HelpPages, EveryFieldOfTheMainMaskOpensAPageOfItsTopic) {
  ASSERT_EQ(kMaskFieldTable.size(), kFieldTopics.size());
  for (const auto& spec : kMaskFieldTable) {
    SCOPED_TRACE("field " + std::to_string(spec.number) + " " + std::string(spec.name));
    const int topic = TopicOf(spec);
    EXPECT_EQ(topic, kFieldTopics[static_cast<std::size_t>(spec.number - 1)]);
    EXPECT_GT(topic, 0);
    EXPECT_LT(topic, 370) << "topics from 370 on open the start page";
    EXPECT_TRUE(fs::is_regular_file(PageOf("pekto", topic))) << PageOf("pekto", topic);
  }
}

TEST(HelpPages, EveryCommandTopicOfTheMainMaskOpensAPage) {
  for (const CommandTopic& c : kCommandTopics) {
    SCOPED_TRACE("command " + std::to_string(c.command));
    EXPECT_LT(c.topic, 370);
    EXPECT_TRUE(fs::is_regular_file(PageOf(c.help_folder, c.topic))) << PageOf(c.help_folder, c.topic);
  }
}

TEST(HelpPages, EveryPageIsASimpleWellFormedUtf8Page) {
  const auto pages = AllPages();
  ASSERT_FALSE(pages.empty());
  for (const fs::path& page : pages) {
    for (const std::string& problem : ProblemsOf(page)) {
      ADD_FAILURE() << page.lexically_relative(kHelpRoot).string() << ": " << problem;
    }
  }
}

TEST(HelpPages, TheCheckerFindsBrokenPages) {
  const fs::path dir = fs::path(testing::TempDir()) / "help_pages_check";
  fs::create_directories(dir);
  const auto problems = [&](const std::string& html) {
    std::ofstream(dir / "x.html", std::ios::binary) << html;
    return ProblemsOf(dir / "x.html");
  };
  const std::string good =
      "<html><head><meta charset=\"utf-8\"><title>T</title></head>\n<body><p>\xC3\xA4 &amp; "
      "<a href=\"x.html\">x</a></p></body></html>\n";
  EXPECT_TRUE(problems(good).empty());
  EXPECT_FALSE(problems("<html><head><meta charset=\"utf-8\"><title></title></head><body></body></html>").empty());
  EXPECT_FALSE(problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body>\xE4</body></html>").empty());
  EXPECT_FALSE(problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body><p>x</body></html>").empty());
  EXPECT_FALSE(
      problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body><a href=\"y.html\">y</a></body></html>")
          .empty());
  EXPECT_FALSE(problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body><a "
                        "href=\"http://example.org/\">y</a></body></html>")
                   .empty());
  EXPECT_FALSE(
      problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body><script></script></body></html>")
          .empty());
  EXPECT_FALSE(problems("<html><head><meta charset=\"utf-8\"><title>T</title></head><body>A & B</body></html>").empty());
  fs::remove_all(dir);
}

TEST(HelpPages, EachStartPageLinksEveryPageOfItsHelpFile) {
  for (const std::string_view folder : {"pekto", "gesetz", "register"}) {
    SCOPED_TRACE(std::string(folder));
    const fs::path start = kHelpRoot / folder / "index.html";
    ASSERT_TRUE(fs::is_regular_file(start));
    const auto linked = LinkedPages(start);
    for (const auto& entry : fs::directory_iterator(kHelpRoot / folder)) {
      if (entry.path().extension() != ".html" || entry.path().filename() == "index.html") continue;
      EXPECT_TRUE(linked.contains(entry.path().lexically_relative(kHelpRoot))) << entry.path().filename();
    }
  }
}

TEST(HelpPages, TheIndexListsEveryTopicPage) {
  const auto linked = LinkedPages(kHelpRoot / "register" / "index.html");
  for (const std::string_view folder : {"pekto", "gesetz"}) {
    for (const auto& entry : fs::directory_iterator(kHelpRoot / folder)) {
      if (entry.path().extension() != ".html" || entry.path().filename() == "index.html") continue;
      EXPECT_TRUE(linked.contains(entry.path().lexically_relative(kHelpRoot)))
          << entry.path().lexically_relative(kHelpRoot);
    }
  }
}

TEST(HelpPages, EveryTopicPageLeadsBackToAStartPage) {
  for (const fs::path& page : AllPages()) {
    if (page.filename() == "index.html") continue;
    const auto linked = LinkedPages(page);
    const bool back = std::any_of(linked.begin(), linked.end(),
                                  [](const fs::path& target) { return target.filename() == "index.html"; });
    EXPECT_TRUE(back) << page.lexically_relative(kHelpRoot);
  }
}

}  // namespace
}  // namespace pekto
