#include "tests/hostile/ConvertProcess.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <sstream>

#include "tests/support/ExportBuilder.h"

namespace ferolan::testing {

pid_t StartConvert(const std::string& exportPath, int outputFd, uid_t user,
                   const std::string& program) {
  const std::string command = program.empty() ? FEROLAN_CONVERT : program;
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = outputFd >= 0 ? outputFd : ::open("/dev/null", O_WRONLY);
    ::dup2(out, 1);
    ::dup2(out, 2);
    if (user != 0 && (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)) {
      ::_exit(126);
    }
    ::execl(command.c_str(), command.c_str(), exportPath.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
}

CommandRun WaitFor(pid_t child) {
  CommandRun run;
  int status = 0;
  ::waitpid(child, &status, 0);
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : -1;
  return run;
}

CommandRun RunConvert(const std::string& exportPath, uid_t user, const std::string& program) {
  std::array<int, 2> pipeEnds{};
  if (::pipe(pipeEnds.data()) != 0) return {};
  const pid_t child = StartConvert(exportPath, pipeEnds[1], user, program);
  ::close(pipeEnds[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  CommandRun run = WaitFor(child);
  run.output = std::move(output);
  return run;
}

namespace {

std::string PupilRecord(const std::string& surname, int pupil, const char* protocol) {
  const std::string number = std::to_string(pupil);
  return Record(surname + number + "--Prenom (" + number + ")", protocol, "1190921");
}

}  // namespace

void WriteExportXml(std::ostream& out, int pupils, std::uint64_t filler,
                    const std::string& surname) {
  out << kExportHead;
  const auto half = [&](int from, int to) {
    for (int pupil = from; pupil < to; ++pupil) {
      out << PupilRecord(surname, pupil, "FRACE2-2005")
          << PupilRecord(surname, pupil, "MATCE2-2005");
    }
  };
  half(1, pupils / 2 + 1);
  const std::string item =
      "  <MITEM><MITEM_LIBELLE>Lire une consigne simple</MITEM_LIBELLE>"
      "<MITEM_SCORE>2</MITEM_SCORE></MITEM>\r\n";
  for (std::uint64_t written = 0; written < filler; written += item.size()) out << item;
  half(pupils / 2 + 1, pupils + 1);
  out << kExportTail;
}

std::string ExportXml(int pupils, const std::string& surname) {
  std::ostringstream out;
  WriteExportXml(out, pupils, 0, surname);
  return out.str();
}

}  // namespace ferolan::testing
