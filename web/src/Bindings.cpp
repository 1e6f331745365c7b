// What the page's script may call in the module.
#include <emscripten/bind.h>

#include "app/AuthorCredit.h"
#include "web/src/PageConversion.h"

namespace {

std::string AuthorCredit() { return ferolan::kAuthorCredit; }

}  // namespace

EMSCRIPTEN_BINDINGS(ferolan_page) {
  using namespace emscripten;
  using ferolan::page::ExportPlacement;
  register_vector<std::string>("Messages");
  value_object<ExportPlacement>("ExportPlacement")
      .field("memberName", &ExportPlacement::memberName)
      .field("xmlPath", &ExportPlacement::xmlPath)
      .field("resultFolder", &ExportPlacement::resultFolder);
  function("placeExport", &ferolan::page::PlaceExport);
  function("convertPlacedExport", &ferolan::page::ConvertPlacedExport);
  function("exportHelp", &ferolan::page::ExportHelp);
  function("versionText", &ferolan::page::VersionText);
  function("authorCredit", &AuthorCredit);
}
