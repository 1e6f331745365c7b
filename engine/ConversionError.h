// What the error that ends a conversion names: the export for a problem in its content, the
// conversion for a problem with its intermediate file, which the user never sees.
#pragma once

#include <string>

#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

// `error` as the user is to read it, number and source kept. Errors about any other file, or
// about the export itself rather than its content, come back as they are.
RuntimeError AsConversionError(const RuntimeError& error, const std::string& exportPath,
                               const std::string& intermediatePath);

}  // namespace ferolan::Module1
