#include "tests/engine/ReferenceModel.h"

#include <vector>

namespace ferolan::testing {
namespace {

struct Failure {
  long number;
};

std::string Number(long n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// 1-based position of the last or first occurrence, 0 when none.
std::size_t LastOf(const std::string& text, const std::string& what) {
  for (std::size_t p = text.size() >= what.size() ? text.size() - what.size() + 1 : 0; p >= 1;
       --p) {
    if (text.compare(p - 1, what.size(), what) == 0) return p;
  }
  return 0;
}

std::size_t FirstOf(const std::string& text, const std::string& what) {
  for (std::size_t p = 1; p + what.size() <= text.size() + 1; ++p) {
    if (text.compare(p - 1, what.size(), what) == 0) return p;
  }
  return 0;
}

std::string Split(const std::string& text, const std::string& separator, bool beforeLast) {
  if (beforeLast) {
    const std::size_t p = LastOf(text, separator);
    if (p > 32767) throw Failure{6};
    return p == 0 ? "" : text.substr(0, p - 1);
  }
  const std::size_t p = FirstOf(text, separator);
  if (p >= 32767) throw Failure{6};
  return p == 0 ? "" : text.substr(p);
}

std::string RemoveAll(std::string text, const std::string& what) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, what.size(), what) == 0) {
      i += what.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string Fit(const std::string& text, std::size_t width) {
  std::string cut = text.substr(0, width);
  return cut + std::string(width - cut.size(), ' ');
}

class Pass1 {
 public:
  Pass1(const std::string& xml, bool casimir, std::string& out)
      : xml_(xml), casimir_(casimir), out_(out) {}

  void Run() {
    long count = 0;
    while (pos_ < xml_.size()) {
      if (ReadChar() != '<') continue;
      // Between records, the end of the export ends the scan even within these 11 bytes.
      if (xml_.size() - pos_ < 11) break;
      if (ReadN(11) != "MELEVE_MID>") continue;
      ++count;
      out_ += Number(count % 100);
      PupilName();
      FindTag("MPROTOCOLE_MNOM>");
      out_ += (casimir_ ? "" : ";") + ReadValue() + "|";
      FindTag("MCODES>");
      const std::string codes = ReadValue();
      if (casimir_) {
        out_ += codes.size() >= 250 ? codes : Fit(codes, 250);
      } else {
        for (const char c : codes) out_ += std::string(";") + c;
      }
      out_ += "\r\n";
    }
  }

 private:
  char ReadChar() {
    if (pos_ >= xml_.size()) throw Failure{62};
    return xml_[pos_++];
  }
  std::string ReadN(std::size_t n) {
    std::string read;
    for (std::size_t i = 0; i < n; ++i) read += ReadChar();
    return read;
  }
  std::string ReadValue() {
    std::string value;
    for (char c = ReadChar(); c != '<'; c = ReadChar()) value += c;
    return value;
  }
  void FindTag(const std::string& tag) {
    char c = ReadChar();
    for (;;) {
      if (c == '<' && ReadN(tag.size()) == tag) return;
      c = ReadChar();
    }
  }
  void PupilName() {
    const std::string text = (casimir_ ? "" : ";") + ReadValue();
    const std::string namePart = Split(text, "(", true);
    const std::string surname = Split(namePart, "--", true);
    std::string firstName = Split(namePart, "-", false);
    if (!firstName.empty()) firstName.erase(0, 1);
    out_ += casimir_ ? Fit(surname, 25) + Fit(firstName, 15) : surname + ";" + firstName;
  }

  const std::string& xml_;
  bool casimir_;
  std::string& out_;
  std::size_t pos_ = 0;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::string line;
    while (i < text.size() && text[i] != '\r') line += text[i++];
    if (i < text.size()) {
      ++i;
      if (i < text.size() && text[i] == '\n') ++i;
    }
    lines.push_back(line);
  }
  return lines;
}

void Pass2(const std::string& intermediate, bool casimir, std::string& french, std::string& maths) {
  long frenchCount = 0, mathsCount = 0;
  for (const std::string& line : Lines(intermediate)) {
    std::string* target = nullptr;
    std::string body;
    if (casimir) {
      const std::string head = Split(line, "|", true);
      if (head.size() < 39) throw Failure{5};
      const std::string protocol = head.size() >= 43 ? head.substr(42) : "";
      if (protocol == "FRACE2-2005" || protocol == "MATCE2-2005") {
        target = protocol == "FRACE2-2005" ? &french : &maths;
        body = RemoveAll(line, protocol + "|");
      }
    } else if (FirstOf(line, "FRACE2-2005|") == 0) {
      target = &maths;
      body = RemoveAll(line, "MATCE2-2005|;");
    } else if (FirstOf(line, "MATCE2-2005|") == 0) {
      target = &french;
      body = RemoveAll(line, "FRACE2-2005|;");
    }
    if (target == nullptr) continue;
    const long n = target == &french ? ++frenchCount : ++mathsCount;
    *target += Number(n) + (body.size() > 2 ? body.substr(2, 500) : "") + "\r\n";
  }
}

}  // namespace

ModelOutcome RunReferenceModel(const std::string& xml, bool casimir) {
  ModelOutcome outcome;
  try {
    Pass1(xml, casimir, outcome.intermediate).Run();
    std::string french, maths;
    Pass2(outcome.intermediate, casimir, french, maths);
    outcome.french = french;
    outcome.maths = maths;
  } catch (const Failure& failure) {
    outcome.error = failure.number;
  }
  return outcome;
}

}  // namespace ferolan::testing
