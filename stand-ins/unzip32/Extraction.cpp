#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/LetterCase.h"
#include "platform/runtime/ShownName.h"
#include "stand-ins/common/EntryName.h"
#include "stand-ins/unzip32/Passes.h"

namespace unzip32 {

using standin::EntryPath;
using standin::JoinParts;
using standin::SplitEntryName;

namespace {

constexpr std::size_t kCopyBufferSize = 1 << 20;
// No file the program reads is larger: its files are counted in 32-bit signed numbers. An entry
// declaring more is refused before anything is written, so that no archive fills the disk.
constexpr zip_uint64_t kLargestEntry = 0x7FFFFFFF;
// Nor does one archive give more in all: entries that share their compressed data each pass
// the check above, and together they would fill the disk.
constexpr zip_uint64_t kLargestTotal = 0x7FFFFFFF;

// What became of the entry, or of the whole extraction, after a problem.
constexpr const char* kSkipped = ", entrée ignorée";
constexpr const char* kStopped = " ; extraction arrêtée et fichiers extraits supprimés";

class Extractor {
 public:
  Extractor(const Archive& archive, const UnzipOptions& options, const UnzipCallbacks& callbacks,
            TargetTree& target, Report& report)
      : archive_(archive),
        options_(options),
        callbacks_(callbacks),
        target_(target),
        report_(report),
        buffer_(kCopyBufferSize),
        freeBytes_(target.FreeBytes()) {}

  // False when the work must stop.
  bool Extract(zip_uint64_t index, const EntryInfo& info);
  // Removes the files extracted so far.
  void RemoveExtracted() const;
  bool StoppedByLimit() const { return stoppedByLimit_; }

 private:
  void MakeFolder(const EntryPath& path);
  bool ExtractFile(zip_uint64_t index, const EntryInfo& info, const EntryPath& path);
  const std::vector<std::string>* CaseTwin(const std::vector<std::string>& parts) const;
  bool MayReplace(const std::string& shown);
  std::unique_ptr<EntryReader> OpenData(zip_uint64_t index, const EntryInfo& info,
                                        const std::string& shown);
  bool CopyData(EntryReader& reader, PartFile& part, const EntryInfo& info,
                const std::string& shown);
  const OpenFolder* FolderOrReport(const EntryPath& path, std::size_t count,
                                   const std::string& shown);

  const Archive& archive_;
  const UnzipOptions& options_;
  const UnzipCallbacks& callbacks_;
  TargetTree& target_;
  Report& report_;
  std::vector<char> buffer_;
  bool replaceNone_ = false;
  // The declared bytes of the files extracted so far, against the limit and the disk's free
  // bytes when the extraction began.
  zip_uint64_t extractedBytes_ = 0;
  std::uint64_t freeBytes_;
  std::vector<std::vector<std::string>> extracted_;
  bool stoppedByLimit_ = false;
  // The last password that opened an entry, tried first on the next encrypted entry.
  std::string password_;
};

bool Extractor::Extract(zip_uint64_t index, const EntryInfo& info) {
  const EntryPath path = SplitEntryName(info.name);
  if (!path.refusal.empty()) {
    report_.Problem(UNZIP32_ERR_UNSAFE, info.name, path.refusal + kSkipped);
    return true;
  }
  if (info.isSymbolicLink) {
    report_.Problem(UNZIP32_ERR_UNSAFE, info.name, std::string("lien symbolique") + kSkipped);
    return true;
  }
  if (info.isFolder) {
    if (options_.keepFolders != 0) MakeFolder(path);
    return true;
  }
  return ExtractFile(index, info, path);
}

const OpenFolder* Extractor::FolderOrReport(const EntryPath& path, std::size_t count,
                                            const std::string& shown) {
  TargetTree::Outcome outcome;
  std::string cause;
  const OpenFolder* folder = target_.Folder(path.parts, count, outcome, cause);
  if (folder == nullptr) {
    const bool unsafe = outcome == TargetTree::Outcome::kUnsafe;
    report_.Problem(unsafe ? UNZIP32_ERR_UNSAFE : UNZIP32_ERR_WRITE, shown,
                    unsafe ? cause + kSkipped : cause);
  }
  return folder;
}

void Extractor::MakeFolder(const EntryPath& path) {
  const std::string shown = JoinParts(path.parts) + "/";
  if (FolderOrReport(path, path.parts.size(), shown) != nullptr) report_.Line("créé", shown);
}

bool Extractor::ExtractFile(zip_uint64_t index, const EntryInfo& info, const EntryPath& path) {
  const bool keepFolders = options_.keepFolders != 0;
  const std::string& leaf = path.parts.back();
  const std::string shown = keepFolders ? JoinParts(path.parts) : leaf;
  const OpenFolder* folder = FolderOrReport(path, keepFolders ? path.parts.size() - 1 : 0, shown);
  if (folder == nullptr) return true;

  switch (TargetTree::Find(*folder, leaf)) {
    case TargetTree::Existing::kFolder:
      report_.Problem(UNZIP32_ERR_WRITE, shown, "un dossier de ce nom occupe déjà la place");
      return true;
    case TargetTree::Existing::kFile:
      if (const std::vector<std::string>* first =
              CaseTwin(keepFolders ? path.parts : std::vector<std::string>{leaf})) {
        report_.Problem(UNZIP32_ERR_WRITE, shown,
                        "ne diffère de " + ferolan::ShownName(JoinParts(*first)) +
                            ", extrait avant lui, que par la casse des lettres, que le dossier de "
                            "destination ne distingue pas" +
                            kSkipped);
        return true;
      }
      if (!MayReplace(shown)) {
        report_.Line("conservé", shown);
        return true;
      }
      break;
    case TargetTree::Existing::kNothing:
      break;
  }

  std::string cause;
  if (info.stat.size > kLargestEntry) {
    report_.Problem(UNZIP32_ERR_ENTRY, shown,
                    std::to_string(info.stat.size) + " octets, plus que les " +
                        std::to_string(kLargestEntry) + " qu'une entrée peut contenir" + kSkipped);
    return true;
  }
  const zip_uint64_t total = extractedBytes_ + info.stat.size;
  if (total > kLargestTotal) {
    report_.Problem(UNZIP32_ERR_ENTRY, shown,
                    "l'archive donnerait " + std::to_string(total) + " octets, plus que les " +
                        std::to_string(kLargestTotal) + " qu'une archive peut contenir" + kStopped);
    stoppedByLimit_ = true;
    return false;
  }
  if (total > freeBytes_) {
    report_.Problem(UNZIP32_ERR_WRITE, shown,
                    std::to_string(total) + " octets nécessaires, " + std::to_string(freeBytes_) +
                        " libres sur le disque" + kStopped);
    stoppedByLimit_ = true;
    return false;
  }
  const std::unique_ptr<EntryReader> reader = OpenData(index, info, shown);
  if (!reader) return true;
  const std::unique_ptr<PartFile> part = PartFile::Create(*folder, cause);
  if (!part) {
    report_.Problem(UNZIP32_ERR_WRITE, shown, cause);
    return true;
  }
  if (!CopyData(*reader, *part, info, shown)) return true;
  if ((info.stat.valid & ZIP_STAT_MTIME) != 0) part->SetModified(info.stat.mtime);
  if (!part->Commit(leaf, cause)) {
    report_.Problem(UNZIP32_ERR_WRITE, shown, cause);
    return true;
  }
  report_.Line("extrait", shown);
  extractedBytes_ = total;
  extracted_.push_back(keepFolders ? path.parts : std::vector<std::string>{leaf});

  if (callbacks_.service != nullptr &&
      callbacks_.service(shown.c_str(), static_cast<uint32_t>(info.stat.size)) != 0) {
    report_.Problem(UNZIP32_ERR_STOPPED, "", "arrêt demandé par le programme appelant");
    return false;
  }
  return true;
}

// A folder that ignores letter case (Windows', FAT) finds an entry already extracted under
// another entry's name: writing the second over the first would lose the first.
const std::vector<std::string>* Extractor::CaseTwin(const std::vector<std::string>& parts) const {
  for (const std::vector<std::string>& done : extracted_) {
    if (done != parts && done.size() == parts.size() &&
        std::equal(done.begin(), done.end(), parts.begin(),
                   [](const auto& a, const auto& b) { return ferolan::SameButForCase(a, b); })) {
      return &done;
    }
  }
  return nullptr;
}

bool Extractor::MayReplace(const std::string& shown) {
  if (options_.overwriteAll != 0) return true;
  if (replaceNone_ || options_.askBeforeOverwrite == 0 || callbacks_.overwrite == nullptr) {
    return false;
  }
  switch (callbacks_.overwrite(shown.c_str())) {
    case UNZIP32_REPLACE_THIS:
      return true;
    case UNZIP32_REPLACE_NONE:
      replaceNone_ = true;
      return false;
    default:
      return false;
  }
}

std::unique_ptr<EntryReader> Extractor::OpenData(zip_uint64_t index, const EntryInfo& info,
                                                 const std::string& shown) {
  std::string cause;
  bool wrongPassword = false;
  if (!info.encrypted) {
    auto reader = archive_.OpenEntry(index, info, nullptr, cause, wrongPassword);
    if (!reader) report_.Problem(UNZIP32_ERR_ENTRY, shown, cause);
    return reader;
  }
  if (zip_encryption_method_supported(info.stat.encryption_method, 0) == 0) {
    report_.Problem(UNZIP32_ERR_ENTRY, shown, "méthode de chiffrement non prise en charge");
    return nullptr;
  }
  if (!password_.empty()) {
    if (auto reader = archive_.OpenEntry(index, info, password_.c_str(), cause, wrongPassword)) {
      return reader;
    }
    if (!wrongPassword) {
      report_.Problem(UNZIP32_ERR_ENTRY, shown, cause);
      return nullptr;
    }
  }
  char answer[UNZIP32_PASSWORD_SIZE] = {};
  const std::string prompt = "Mot de passe de " + ferolan::ShownName(shown) + " :";
  const bool given = callbacks_.password != nullptr &&
                     callbacks_.password(answer, sizeof answer, prompt.c_str(), shown.c_str()) ==
                         UNZIP32_PASSWORD_GIVEN;
  answer[sizeof answer - 1] = '\0';
  if (!given || answer[0] == '\0') {
    report_.Problem(UNZIP32_ERR_PASSWORD, shown,
                    std::string("aucun mot de passe donné") + kSkipped);
    return nullptr;
  }
  auto reader = archive_.OpenEntry(index, info, answer, cause, wrongPassword);
  if (!reader) {
    report_.Problem(wrongPassword ? UNZIP32_ERR_PASSWORD : UNZIP32_ERR_ENTRY, shown,
                    wrongPassword ? std::string("mot de passe incorrect") + kSkipped : cause);
    return nullptr;
  }
  password_ = answer;
  return reader;
}

bool Extractor::CopyData(EntryReader& reader, PartFile& part, const EntryInfo& info,
                         const std::string& shown) {
  zip_uint64_t copied = 0;
  for (;;) {
    const zip_int64_t read = reader.Read(buffer_.data(), buffer_.size());
    if (read == 0) return true;
    if (read < 0) {
      std::string cause = reader.Error();
      if (info.encrypted) cause += " (mot de passe incorrect ?)";
      report_.Problem(UNZIP32_ERR_ENTRY, shown, cause);
      return false;
    }
    // Data that inflates beyond its declared size is a forgery: stop before it fills the disk.
    copied += static_cast<zip_uint64_t>(read);
    if (copied > info.stat.size) {
      report_.Problem(UNZIP32_ERR_ENTRY, shown,
                      "plus de données que les " + std::to_string(info.stat.size) +
                          " octets annoncés par l'entrée");
      return false;
    }
    std::string cause;
    if (!part.Write(buffer_.data(), static_cast<std::size_t>(read), cause)) {
      report_.Problem(UNZIP32_ERR_WRITE, shown, cause);
      return false;
    }
  }
}

void Extractor::RemoveExtracted() const {
  for (const auto& parts : extracted_) target_.RemoveFile(parts);
}

}  // namespace

void ExtractEntries(const Archive& archive, Selection& selection, const UnzipOptions& options,
                    const UnzipCallbacks& callbacks, TargetTree& target, Report& report) {
  Extractor extractor(archive, options, callbacks, target, report);
  ForEachSelected(archive, selection, report, [&](zip_uint64_t index, const EntryInfo& info) {
    return extractor.Extract(index, info);
  });
  if (extractor.StoppedByLimit()) extractor.RemoveExtracted();
}

}  // namespace unzip32
