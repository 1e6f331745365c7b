// The library's entry point: checks the call, opens the archive and the target, and lists or
// extracts. Nothing escapes to the caller but the result code.
#include <exception>
#include <string>
#include <vector>

#include "stand-ins/common/NameList.h"
#include "stand-ins/unzip32/Passes.h"

namespace unzip32 {

using standin::ReadNames;

namespace {

struct Setting {
  int32_t UnzipOptions::*field;
  const char* name;
};

constexpr Setting kUnsupported[] = {
    {&UnzipOptions::newerOnly, "extraire seulement les fichiers plus récents"},
    {&UnzipOptions::spacesToUnderscores, "remplacer les espaces par des soulignés"},
    {&UnzipOptions::toStandardOutput, "écrire sur la sortie standard"},
    {&UnzipOptions::testOnly, "tester seulement"},
    {&UnzipOptions::freshenOnly, "rafraîchir seulement"},
    {&UnzipOptions::convertLineEnds, "convertir les fins de ligne"},
    {&UnzipOptions::verbose, "informations détaillées"},
    {&UnzipOptions::restoreSecurity, "restaurer les informations de sécurité"},
};

int32_t Run(int32_t includeCount, const char* const* includeNames, int32_t excludeCount,
            const char* const* excludeNames, const UnzipOptions& options,
            const UnzipCallbacks& callbacks) {
  Report report(callbacks.print, options.quietLevel);
  for (const Setting& setting : kUnsupported) {
    if (options.*setting.field != 0) {
      report.Problem(UNZIP32_ERR_ARGUMENTS, "",
                     std::string(setting.name) + " : réglage non pris en charge");
      return report.Result();
    }
  }
  std::vector<std::string> includes;
  std::vector<std::string> excludes;
  if (!ReadNames(includeCount, includeNames, UNZIP32_NAME_LIST_SIZE, includes) ||
      !ReadNames(excludeCount, excludeNames, UNZIP32_NAME_LIST_SIZE, excludes) ||
      options.archivePath == nullptr) {
    report.Problem(UNZIP32_ERR_ARGUMENTS, "", "liste de noms ou chemin de l'archive incorrect");
    return report.Result();
  }
  Selection selection(includes, excludes, options.ignoreCase != 0);

  std::string cause;
  bool notAnArchive = false;
  const auto archive = Archive::Open(options.archivePath, cause, notAnArchive);
  if (!archive) {
    report.Problem(notAnArchive ? UNZIP32_ERR_ARCHIVE : UNZIP32_ERR_OPEN, options.archivePath,
                   cause);
    return report.Result();
  }
  if (options.showComment != 0 && !archive->Comment().empty()) report.Text(archive->Comment());
  if (archive->Count() == 0)
    report.Warning(options.archivePath, "l'archive ne contient aucune entrée");

  if (options.listContents != 0) {
    ListEntries(*archive, selection, callbacks, report);
  } else {
    const auto target = TargetTree::Open(options.targetFolder, cause);
    if (!target) {
      report.Problem(UNZIP32_ERR_TARGET, options.targetFolder ? options.targetFolder : ".", cause);
      return report.Result();
    }
    ExtractEntries(*archive, selection, options, callbacks, *target, report);
  }
  if (report.Result() != UNZIP32_ERR_STOPPED) {
    for (const std::string& name : selection.UnmatchedIncludes()) {
      report.Warning(name, "aucune entrée ne correspond");
    }
  }
  return report.Result();
}

}  // namespace

}  // namespace unzip32

extern "C" __attribute__((visibility("default"))) int32_t UNZIP32_CALL
Wiz_SingleEntryUnzip(int32_t includeCount, const char* const includeNames[UNZIP32_NAME_LIST_SIZE],
                     int32_t excludeCount, const char* const excludeNames[UNZIP32_NAME_LIST_SIZE],
                     const UnzipOptions* options, const UnzipCallbacks* callbacks) {
  if (options == nullptr || callbacks == nullptr) return UNZIP32_ERR_ARGUMENTS;
  try {
    return unzip32::Run(includeCount, includeNames, excludeCount, excludeNames, *options,
                        *callbacks);
  } catch (const std::exception&) {
    // Only the allocation of names and buffers throws.
    return UNZIP32_ERR_MEMORY;
  }
}
