// What the page's script may call in the module.
#include <emscripten/bind.h>

#include "app/AuthorCredit.h"
#include "web/src/PageConversion.h"

namespace {

std::string AuthorCredit() { return ferolan::kAuthorCredit; }

}  // namespace

EMSCRIPTEN_BINDINGS(ferolan_page) {
  using namespace emscripten;
  register_vector<std::string>("Messages");
  function("convertExport", &ferolan::page::ConvertExport);
  function("exportHelp", &ferolan::page::ExportHelp);
  function("versionText", &ferolan::page::VersionText);
  function("busyText", &ferolan::page::BusyText);
  function("stoppedText", &ferolan::page::StoppedText);
  function("authorCredit", &AuthorCredit);
}
