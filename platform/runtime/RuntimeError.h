// The run-time error of the program: a number, a source and a description, thrown as an
// exception and caught where a caller arms a handler.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace ferolan {

// Error numbers the user can meet: the runtime's own, and those of the common-dialog object.
enum ErrorNumber : long {
  kErrInvalidArgument = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrDllLoad = 48,
  kErrFileNotFound = 53,
  kErrInternal = 51,  // a fault of the program's own, not of what it was given
  kErrDeviceIO = 57,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrTooManyFiles = 67,
  kErrPermissionDenied = 70,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrEntryPointNotFound = 453,
  kErrDialogFailure = 13450,  // or-ed with the dialog's extended error
  kErrInvalidHelpCommand = 13705,
  kErrHelpFailed = 13706,  // a help viewer that failed without saying why
  kErrCancel = 20001,
};

class RuntimeError : public std::runtime_error {
 public:
  // `subject` is the path or name of what the error is about, as the program knows it; empty
  // when the error is about nothing in particular.
  RuntimeError(long number, std::string source, std::string description, std::string subject = {});

  long Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }
  const std::string& Subject() const { return subject_; }

 private:
  long number_;
  std::string source_;
  std::string description_;
  std::string subject_;
};

// The runtime's French description of its own error numbers; empty for the others.
std::string DescriptionOf(long number);

// The run-time error that stands for what was raised: the program's own as it is, running out
// of memory as the runtime's error 7, anything else as an internal error (51) with what it
// says of itself.
RuntimeError AsRuntimeError(const std::exception_ptr& raised);

// Raises one of the runtime's errors with its own description. The source defaults to the
// executable's base name, as for every error the runtime raises itself.
[[noreturn]] void Raise(long number);
[[noreturn]] void Raise(long number, const std::string& source);

// Raises one of the runtime's errors about one thing: its description names it
// ("Point d'entrée de DLL introuvable : Wiz_SingleEntryUnzip"), followed by `reason` in
// brackets when there is one. Both are shown with their control characters written out.
[[noreturn]] void RaiseNaming(long number, const std::string& subject,
                              const std::string& reason = {});

// The same for a file, named by its name alone ("Fichier introuvable : CE2-A.xml"); the
// error's subject is the whole path.
[[noreturn]] void RaiseForFile(long number, const std::string& path,
                               const std::string& reason = {});

// The same with a description of its own in place of the number's ("Chemin d'accès trop
// long : CE2-A.xml").
[[noreturn]] void RaiseForFileAs(long number, const std::string& what, const std::string& path);

// The runtime error number that matches a failed system call on a file, and raising it for
// that file; `systemError` is the system's own error code (errno on POSIX, GetLastError() on
// Windows), which the platform translates into errno values (FileErrno.h). A path too long and
// a file where a folder is expected keep the number of a path not found, with descriptions of
// their own.
enum class FileAccess { kRead, kWrite };
long FileErrorNumber(int systemError, FileAccess access, const std::string& path);
[[noreturn]] void RaiseFileError(int systemError, FileAccess access, const std::string& path);

}  // namespace ferolan
