#include "platform/windows/gui/HelpText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace ferolan::windows {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

void AppendUtf8(std::string& out, unsigned long code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
  for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
    out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
  }
}

struct Entity {
  std::string_view name;
  unsigned long code;
};

// The usual ones, with the letters and marks of French texts.
constexpr Entity kEntities[] = {
    {"amp", '&'},       {"lt", '<'},       {"gt", '>'},      {"quot", '"'},   {"apos", '\''},
    {"nbsp", 0xA0},     {"laquo", 0xAB},   {"raquo", 0xBB},  {"copy", 0xA9},  {"euro", 0x20AC},
    {"hellip", 0x2026}, {"rsquo", 0x2019}, {"agrave", 0xE0}, {"acirc", 0xE2}, {"ccedil", 0xE7},
    {"egrave", 0xE8},   {"eacute", 0xE9},  {"ecirc", 0xEA},  {"euml", 0xEB},  {"icirc", 0xEE},
    {"iuml", 0xEF},     {"ocirc", 0xF4},   {"ugrave", 0xF9}, {"ucirc", 0xFB}, {"Agrave", 0xC0},
    {"Ccedil", 0xC7},   {"Eacute", 0xC9},  {"Egrave", 0xC8}, {"Ecirc", 0xCA}, {"oelig", 0x153},
    {"OElig", 0x152},
};

// The character of the entity `name` (without & and ;), if it is one we know.
bool EntityCode(std::string_view name, unsigned long& code) {
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    char* end = nullptr;
    code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    return !digits.empty() && *end == '\0';
  }
  for (const Entity& entity : kEntities) {
    if (entity.name == name) {
      code = entity.code;
      return true;
    }
  }
  return false;
}

struct Tag {
  std::string name;  // lower case, without the slash of a closing tag
  bool closing = false;
  std::string anchor;  // the name of <a name=…>, or any tag's id
};

// The value of the attribute `name` in the tag's text (after its name); empty when absent.
std::string Attribute(std::string_view body, std::string_view name) {
  const std::string lower = Lower(body);
  for (std::size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
    std::size_t value = at + name.size();
    if (at == 0 || !IsSpace(lower[at - 1]) || value >= lower.size() || lower[value] != '=') {
      continue;
    }
    ++value;
    const char quote =
        value < body.size() && (body[value] == '"' || body[value] == '\'') ? body[value] : '\0';
    if (quote != '\0') ++value;
    std::size_t end = value;
    while (end < body.size() &&
           (quote ? body[end] != quote : !IsSpace(body[end]) && body[end] != '/'))
      ++end;
    return std::string(body.substr(value, end - value));
  }
  return {};
}

Tag ParseTag(std::string_view body) {
  Tag tag;
  tag.closing = !body.empty() && body[0] == '/';
  if (tag.closing) body.remove_prefix(1);
  const std::size_t end = std::min(body.find_first_of(" \t\r\n\f/"), body.size());
  tag.name = Lower(body.substr(0, end));
  if (tag.closing) return tag;
  tag.anchor = Attribute(body, "id");
  if (tag.anchor.empty() && tag.name == "a") tag.anchor = Attribute(body, "name");
  return tag;
}

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Ends the line unless it is empty; with `blank`, leaves an empty line after it.
void BreakLine(std::string& out, bool blank) {
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (out.empty()) return;
  if (!out.ends_with(kLineEnd)) out += kLineEnd;
  if (blank && !out.ends_with("\r\n\r\n")) out += kLineEnd;
}

class HtmlReader {
 public:
  explicit HtmlReader(std::string_view html) : html_(html) {}

  HelpText Read() {
    while (at_ < html_.size()) {
      if (html_.substr(at_).starts_with("<!--")) {
        SkipPast("-->");
      } else if (html_[at_] == '<') {
        ReadTag();
      } else if (html_[at_] == '&') {
        ReadEntity();
      } else {
        ReadCharacter();
      }
    }
    std::string& out = shown_.text;
    while (!out.empty() && IsSpace(out.back())) out.pop_back();
    if (!out.empty()) out += kLineEnd;
    return std::move(shown_);
  }

 private:
  void SkipPast(std::string_view end) {
    const std::size_t found = html_.find(end, at_);
    at_ = found == std::string_view::npos ? html_.size() : found + end.size();
  }

  void ReadTag() {
    const std::size_t start = at_ + 1;
    const std::size_t end = std::min(html_.find('>', start), html_.size());
    at_ = std::min(end + 1, html_.size());
    const Tag tag = ParseTag(html_.substr(start, end - start));
    // What the head, scripts and styles hold is never shown, tags or not.
    if (!tag.closing && IsOneOf(tag.name, {"head", "script", "style", "title"})) {
      const std::size_t close = lower_.find("</" + tag.name, at_);
      at_ = close == std::string::npos ? html_.size() : close;
      return;
    }
    if (tag.name == "br") {
      shown_.text += kLineEnd;
    } else if (IsOneOf(tag.name, {"p", "h1", "h2", "h3", "h4", "h5", "h6"})) {
      BreakLine(shown_.text, true);
    } else if (IsOneOf(tag.name, {"div", "li", "tr", "ul", "ol", "dl", "dt", "dd", "table", "pre",
                                  "blockquote", "hr"})) {
      BreakLine(shown_.text, false);
    }
    if (!tag.anchor.empty()) shown_.anchors.emplace(tag.anchor, shown_.text.size());
  }

  void ReadEntity() {
    const std::size_t end = html_.find(';', at_);
    unsigned long code = 0;
    if (end != std::string_view::npos && end - at_ <= 10 &&
        EntityCode(html_.substr(at_ + 1, end - at_ - 1), code)) {
      AppendUtf8(shown_.text, code);
      at_ = end + 1;
      return;
    }
    shown_.text += '&';
    ++at_;
  }

  // Spaces and line ends between words are one space, and none at a line's start.
  void ReadCharacter() {
    const char c = html_[at_++];
    std::string& out = shown_.text;
    if (!IsSpace(c)) {
      out += c;
    } else if (!out.empty() && out.back() != ' ' && out.back() != '\n') {
      out += ' ';
    }
  }

  std::string_view html_;
  std::size_t at_ = 0;
  std::string lower_ = Lower(html_);
  HelpText shown_;
};

// Every line end (CR LF, LF or CR) as the CR LF the edit control breaks lines at.
std::string WithLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += kLineEnd;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

HelpText HelpTextOf(const winapi::HelpFile& file) {
  if (!file.html) return {WithLineEnds(file.bytes), {}};
  return HtmlReader(file.bytes).Read();
}

}  // namespace ferolan::windows
