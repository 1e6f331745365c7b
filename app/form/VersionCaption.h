// Label3: "Version " and the program's major and minor version.
#pragma once

#include <string>

#include "app/form/FormData.h"
#include "platform/runtime/App.h"

namespace ferolan::form {

inline std::string VersionCaption() {
  return ControlOf(Id::Label3).caption + std::to_string(App::Major) + "." +
         std::to_string(App::Minor);
}

}  // namespace ferolan::form
