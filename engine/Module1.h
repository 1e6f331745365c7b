// The conversion engine: turns an extracted export into the French and the maths result files,
// and the two small utilities that the rest of the program shares.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ferolan {

// Process-wide values of the current conversion request, kept until the next one.
// ExportPath: full path of the chosen export.
// WorkBase: the request's work folder, a separator and the export's base name; the extracted XML is
//   WorkBase + ".xml" and the intermediate file WorkBase + ".txt".
// OutputPrefix: the export's folder with its trailing separator, then the base name.
extern std::string ExportPath;
extern std::string WorkBase;
extern std::string OutputPrefix;

namespace Module1 {

// Asked wherever the output kind matters: true for casimir output (the window's Option1),
// false for ";"-separated text output.
using OutputKindQuery = std::function<bool()>;

// Reads WorkBase + ".xml", writes the two result files named from OutputPrefix and tells the
// user "Traitement terminé.". Every failure is raised to the caller as a RuntimeError; the
// files it opened are closed and result files of an earlier run stay as they were.
void ConvertExport(const OutputKindQuery& option1Value);

// Mends a commit of the result files named from OutputPrefix that a kill, a power cut or a
// failing disk cut short (both earlier results back, or both new ones), and tells the user
// when that changed a result; run by the request before anything else touches those files.
// Raises the runtime's error, naming the file, when it cannot.
void RecoverResults(const OutputKindQuery& option1Value);

// With beforeLast, the text before the last `separator` (empty when there is none); otherwise
// the text after the first character of the first `separator` (empty when there is none).
// Positions are 16-bit: a separator found too far on raises an overflow error.
std::string SplitText(std::string_view text, std::string_view separator, bool beforeLast);

// True when the file at `path` can be opened for reading; never raises.
bool FileCanBeOpened(const std::string& path);

}  // namespace Module1
}  // namespace ferolan
