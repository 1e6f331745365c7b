#include "engine/Module1.h"

namespace ferolan {

std::string ExportPath;
std::string WorkBase;
std::string OutputPrefix;

}  // namespace ferolan
