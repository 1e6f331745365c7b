// ferolan-convert run in a process of its own, as a script runs it, and the exports that the
// hostile tests give it.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace ferolan::testing {

struct CommandRun {
  bool exited = false;  // false when a signal ended it
  int status = -1;
  std::string output;  // standard output and error together
};

// Starts the command on the export; its output goes to `outputFd` when given, else nowhere. It
// runs as `user` when given (root only; the work root and `program`, a copy of the command that
// the user can run, must then be the user's).
pid_t StartConvert(const std::string& exportPath, int outputFd = -1, uid_t user = 0,
                   const std::string& program = {});
// Runs the command on the export to its end.
CommandRun RunConvert(const std::string& exportPath, uid_t user = 0,
                      const std::string& program = {});
// Waits for a started command and tells how it ended (its output is not collected).
CommandRun WaitFor(pid_t child);

// An export of `pupils` pupils in both protocols, each pupil's surname starting with
// `surname`, with `filler` bytes of other elements between its halves.
void WriteExportXml(std::ostream& out, int pupils, std::uint64_t filler = 0,
                    const std::string& surname = "ELEVE");
std::string ExportXml(int pupils, const std::string& surname = "ELEVE");

}  // namespace ferolan::testing
