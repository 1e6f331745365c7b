#include "platform/runtime/RuntimeError.h"

#include <filesystem>
#include <new>

#include "platform/runtime/App.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/ShownName.h"

namespace ferolan {

RuntimeError::RuntimeError(long number, std::string source, std::string description,
                           std::string subject)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)),
      subject_(std::move(subject)) {}

std::string DescriptionOf(long number) {
  switch (number) {
    case kErrInvalidArgument:
      return "Argument ou appel de procédure incorrect";
    case kErrOverflow:
      return "Dépassement de capacité";
    case kErrOutOfMemory:
      return "Mémoire insuffisante";
    case kErrInternal:
      return "Erreur interne";
    case kErrDllLoad:
      return "Erreur de chargement de la DLL";
    case kErrFileNotFound:
      return "Fichier introuvable";
    case kErrDeviceIO:
      return "Erreur d'entrée/sortie de périphérique";
    case kErrDiskFull:
      return "Disque plein";
    case kErrInputPastEnd:
      return "Entrée au-delà de la fin du fichier";
    case kErrTooManyFiles:
      return "Trop de fichiers";
    case kErrPermissionDenied:
      return "Permission refusée";
    case kErrPathFileAccess:
      return "Erreur d'accès au chemin/fichier";
    case kErrPathNotFound:
      return "Chemin d'accès introuvable";
    case kErrEntryPointNotFound:
      return "Point d'entrée de DLL introuvable";
    default:
      return {};
  }
}

RuntimeError AsRuntimeError(const std::exception_ptr& raised) {
  try {
    std::rethrow_exception(raised);
  } catch (const RuntimeError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return RuntimeError(kErrOutOfMemory, App::EXEName(), DescriptionOf(kErrOutOfMemory));
  } catch (const std::exception& error) {
    return RuntimeError(kErrInternal, App::EXEName(),
                        DescriptionOf(kErrInternal) + " (" + ShownName(error.what()) + ")");
  } catch (...) {
    return RuntimeError(kErrInternal, App::EXEName(), DescriptionOf(kErrInternal));
  }
}

void Raise(long number) { Raise(number, App::EXEName()); }

void Raise(long number, const std::string& source) {
  throw RuntimeError(number, source, DescriptionOf(number));
}

namespace {

[[noreturn]] void RaiseAbout(long number, const std::string& what, const std::string& shown,
                             const std::string& reason, const std::string& subject) {
  std::string description = what + " : " + ShownName(shown);
  if (!reason.empty()) description += " (" + ShownName(reason) + ")";
  throw RuntimeError(number, App::EXEName(), description, subject);
}

// The folders of a work file mean nothing to the user; its name tells which file it is.
std::string FileName(const std::string& path) {
  const std::string name = TextOf(PathOf(path).filename());
  return name.empty() ? path : name;
}

}  // namespace

void RaiseNaming(long number, const std::string& subject, const std::string& reason) {
  RaiseAbout(number, DescriptionOf(number), subject, reason, subject);
}

void RaiseForFile(long number, const std::string& path, const std::string& reason) {
  RaiseAbout(number, DescriptionOf(number), FileName(path), reason, path);
}

void RaiseForFileAs(long number, const std::string& what, const std::string& path) {
  RaiseAbout(number, what, FileName(path), {}, path);
}

}  // namespace ferolan
