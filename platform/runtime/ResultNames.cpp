#include "platform/runtime/ResultNames.h"

#include "platform/runtime/RandomName.h"

namespace ferolan {

namespace {

constexpr std::size_t kRandomLetters = 8;

std::string Marked(const std::string& leaf, const char* role) {
  return "." + leaf + ".~ferolan-" + role;
}

bool IsFreshName(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + kRandomLetters || !name.starts_with(prefix)) return false;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

std::string Folded(std::string leaf) {
  for (char& c : leaf) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return leaf;
}

}  // namespace

std::string TemporaryPrefix(const std::string& leaf) { return Marked(leaf, "tmp-"); }

std::string TemporaryName(const std::string& leaf) {
  return TemporaryPrefix(leaf) + RandomLetters(kRandomLetters);
}

std::string StagedName(const std::string& leaf) {
  return Marked(leaf, "new-") + RandomLetters(kRandomLetters);
}

std::string KeptName(const std::string& leaf) {
  return Marked(leaf, "kept-") + RandomLetters(kRandomLetters);
}

bool IsStagedNameOf(const std::string& name, const std::string& leaf) {
  return IsFreshName(name, Marked(leaf, "new-"));
}

bool IsKeptNameOf(const std::string& name, const std::string& leaf) {
  return IsFreshName(name, Marked(leaf, "kept-"));
}

std::string LockName(const std::string& frenchLeaf) { return Marked(Folded(frenchLeaf), "lock"); }

std::string RecordName(const std::string& frenchLeaf) {
  return Marked(Folded(frenchLeaf), "record");
}

}  // namespace ferolan
