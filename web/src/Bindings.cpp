// What the page's script may call in the module.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "app/request/AuthorCredit.h"
#include "web/src/PageConversion.h"

namespace {

using emscripten::val;

std::string AuthorCredit() { return ferolan::kAuthorCredit; }

// convertExport(path, casimir, answers): converts the export at `path` (answers: an array of
// the texts given so far to the conversion's questions, in order) and returns
// { messages: [text…], question: { prompt, title } or undefined }. With a question, the run's
// messages and results are to be dropped and the conversion run again with one answer more
// (see ferolan::page::ConvertExport).
val ConvertExport(const std::string& path, bool casimir, const val& answers) {
  const ferolan::page::ConversionOutcome outcome =
      ferolan::page::ConvertExport(path, casimir, emscripten::vecFromJSArray<std::string>(answers));
  val messages = val::array();
  for (const std::string& message : outcome.messages) messages.call<void>("push", message);
  val result = val::object();
  result.set("messages", messages);
  if (outcome.question) {
    val question = val::object();
    question.set("prompt", outcome.question->prompt);
    question.set("title", outcome.question->title);
    result.set("question", question);
  }
  return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferolan_page) {
  using emscripten::function;
  function("convertExport", &ConvertExport);
  function("exportHelp", &ferolan::page::ExportHelp);
  function("versionText", &ferolan::page::VersionText);
  function("busyText", &ferolan::page::BusyText);
  function("stoppedText", &ferolan::page::StoppedText);
  function("authorCredit", &AuthorCredit);
}
