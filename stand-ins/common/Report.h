// What one call tells its caller: the lines printed through the callback and the result code,
// which is the code of the first problem met. Names are printed with their control characters
// written out, as the program shows them.
#pragma once

#include <string_view>

#include "zip/interface/unzip32.h"

namespace standin {

class Report {
 public:
  Report(UnzipPrintFunction print, int32_t quietLevel) : print_(print), quietLevel_(quietLevel) {}

  // Text printed as it is, as one call (the archive comment).
  void Text(std::string_view text) const;
  // A line about the work done, "<what> : <name>"; not printed at quiet level 1 and above.
  void Line(std::string_view what, std::string_view name) const;
  // A problem: printed as "erreur : <name> : <cause>" below quiet level 2, and remembered as the
  // result unless an earlier problem was.
  void Problem(int32_t code, std::string_view name, std::string_view cause);
  // A minor problem: printed as "avertissement : <name> : <cause>" below quiet level 2; the result
  // is a warning unless a problem was met.
  void Warning(std::string_view name, std::string_view cause);

  int32_t Result() const { return result_; }
  bool Failed() const { return result_ > UNZIP32_WARNING; }

 private:
  void Print(std::string_view kind, std::string_view name, std::string_view cause) const;

  UnzipPrintFunction print_;
  int32_t quietLevel_;
  int32_t result_ = UNZIP32_OK;
};

}  // namespace standin
