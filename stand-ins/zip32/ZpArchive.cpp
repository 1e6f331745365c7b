// The library's working entry point: checks the call, plans what to store, asks for the
// password and the comment, and writes the archive. Nothing escapes to the caller but the
// result code.
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "stand-ins/common/NameList.h"
#include "stand-ins/zip32/ArchiveWriter.h"
#include "stand-ins/zip32/Disk.h"
#include "stand-ins/zip32/Plan.h"
#include "stand-ins/zip32/Registration.h"

namespace zip32 {

namespace {

static_assert(int{ZIP32_OK} == int{UNZIP32_OK} && int{ZIP32_WARNING} == int{UNZIP32_WARNING},
              "the shared report keeps the unzip library's codes for success and warning");

template <std::size_t Size>
bool AllZero(const int32_t (&fields)[Size]) {
  for (const int32_t field : fields) {
    if (field != 0) return false;
  }
  return true;
}

bool Supported(const Registration& registered) {
  const ZipOptions& options = registered.options;
  return !registered.dateLimit && !registered.rootFolder && !registered.tempFolder &&
         AllZero(options.reserved1) && AllZero(options.reserved2) && AllZero(options.reserved3) &&
         options.reserved4 == 0;
}

// The password for this call; empty when the callback gives none.
std::string AskPassword(const ZipCallbacks& callbacks, const std::string& archivePath) {
  if (callbacks.password == nullptr) return {};
  std::vector<char> buffer(ZIP32_PASSWORD_SIZE, '\0');
  const int32_t answer = callbacks.password(buffer.data(), ZIP32_PASSWORD_SIZE,
                                            "Mot de passe de l'archive : ", archivePath.c_str());
  if (answer != 0) return {};
  return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size() - 1));
}

// The new comment; none when the callback leaves its buffer starting with a NUL.
std::optional<std::string> AskComment(const ZipCallbacks& callbacks) {
  if (callbacks.comment == nullptr) return std::nullopt;
  std::vector<char> buffer(ZIP32_COMMENT_SIZE, '\0');
  callbacks.comment(buffer.data());
  if (buffer[0] == '\0') return std::nullopt;
  return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size() - 1));
}

int32_t Write(const std::string& archivePath, const Plan& plan, const Registration& registered,
              standin::Report& report) {
  const ZipOptions& options = registered.options;
  const ZipCallbacks& callbacks = registered.callbacks;
  const auto writer = ArchiveWriter::Open(archivePath, options.addToExisting != 0, report);
  if (!writer) return report.Result();
  std::string password;
  if (options.encrypt != 0) {
    password = AskPassword(callbacks, archivePath);
    if (password.empty()) {
      report.Problem(ZIP32_ERR_PASSWORD, archivePath, "aucun mot de passe donné");
      return report.Result();
    }
  }
  if (options.comment != 0) {
    if (const std::optional<std::string> comment = AskComment(callbacks)) writer->Comment(*comment);
  }
  for (const PlannedEntry& entry : plan.Entries()) {
    if (report.Failed() || !writer->Add(entry, options.level, password)) return report.Result();
    report.Line("ajout", entry.name);
    if (callbacks.entry != nullptr &&
        callbacks.entry(entry.name.c_str(), static_cast<uint32_t>(entry.size)) != 0) {
      report.Problem(ZIP32_ERR_STOPPED, "", "arrêt demandé par le programme appelant");
      return report.Result();
    }
  }
  if (!report.Failed()) writer->Close();
  return report.Result();
}

int32_t Run(int32_t count, const char* archivePath, const char* const* names) {
  const Registration& registered = Registered();
  standin::Report report(registered.callbacks.print, 0);
  std::vector<std::string> listed;
  if (!Supported(registered) || archivePath == nullptr ||
      !standin::ReadNames(count, names, ZIP32_NAME_LIST_SIZE, listed)) {
    report.Problem(ZIP32_ERR_ARGUMENTS, "",
                   "réglage non pris en charge, ou liste de noms ou chemin incorrect");
    return report.Result();
  }
  std::optional<FileId> archive;
  if (const Look look = LookAt(archivePath); look.facts) archive = look.facts->id;
  Plan plan(registered.options, archive, report);
  for (const std::string& name : listed) plan.Add(name);
  if (report.Failed()) return report.Result();
  if (plan.Entries().empty()) {
    report.Warning(archivePath, "rien à ajouter, l'archive reste telle quelle");
    return report.Result();
  }
  return Write(archivePath, plan, registered, report);
}

}  // namespace

}  // namespace zip32

extern "C" __attribute__((visibility("default"))) int32_t ZIP32_CALL
ZpArchive(int32_t count, const char* archivePath, const char* const names[ZIP32_NAME_LIST_SIZE]) {
  try {
    return zip32::Run(count, archivePath, names);
  } catch (const std::exception&) {
    // Only the allocation of names and buffers throws.
    return ZIP32_ERR_MEMORY;
  }
}
