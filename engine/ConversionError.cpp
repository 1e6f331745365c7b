#include "engine/ConversionError.h"

#include <filesystem>

#include "platform/runtime/PathText.h"
#include "platform/runtime/ShownName.h"

namespace ferolan::Module1 {

namespace {

// What each error that the content of an export can cause tells about it; empty for the others.
std::string ContentProblem(long number) {
  switch (number) {
    case kErrInputPastEnd:
      return "l'exportation semble incomplète";
    case kErrOverflow:
      return "un enregistrement de l'exportation est trop long";
    case kErrInvalidArgument:
      return "un enregistrement de l'exportation est mal formé";
    default:
      return {};
  }
}

}  // namespace

RuntimeError AsConversionError(const RuntimeError& error, const std::string& exportPath,
                               const std::string& intermediatePath) {
  const std::string exportName = ShownName(TextOf(PathOf(exportPath).filename()));
  const auto worded = [&](const std::string& about) {
    return RuntimeError(error.Number(), error.Source(),
                        DescriptionOf(error.Number()) + " : " + about, error.Subject());
  };
  if (error.Subject() == intermediatePath) {
    return worded("fichier de travail de la conversion de " + exportName);
  }
  const std::string problem = ContentProblem(error.Number());
  if (!problem.empty() && (error.Subject().empty() || error.Subject() == exportPath)) {
    return worded(exportName + ", " + problem);
  }
  return error;
}

}  // namespace ferolan::Module1
