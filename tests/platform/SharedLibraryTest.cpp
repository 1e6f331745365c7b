#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SharedLibrary.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

TEST(SharedLibraryTest, NamesStandForLibraryFiles) {
  EXPECT_EQ(LibraryFileName("unzip32"), "libunzip32.so");
  EXPECT_EQ(LibraryFileName("zip32.dll"), "libzip32.so");
  EXPECT_EQ(LibraryFileName("RESOURCES.DLL"), "libRESOURCES.so");
  EXPECT_EQ(LibraryFileName("/opt/x/libx.so"), "/opt/x/libx.so");
}

TEST(SharedLibraryTest, ALibraryInTheProgramsFolderIsFoundWithItsEntryPoints) {
  const SharedLibrary library = SharedLibrary::Load("ferolan_sample.dll");
  using Answer = int();
  EXPECT_EQ(library.Entry<Answer>("SampleAnswer")(), 42);
  try {
    library.EntryPoint("NoSuchEntry");
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrEntryPointNotFound);
    EXPECT_EQ(error.Description(),
              "Point d'entrée de DLL introuvable : NoSuchEntry (libferolan_sample.so)");
  }
}

TEST(SharedLibraryTest, AMissingLibraryIsFileNotFound) {
  EXPECT_EQ(SharedLibrary::TryLoad("no-such-library-here"), nullptr);
  EXPECT_EQ(testing::ErrorNumberOf([] { SharedLibrary::Load("no-such-library-here"); }),
            kErrFileNotFound);
}

TEST(SharedLibraryTest, APathIsLoadedOnlyWhenFullAndEachFailureSaysWhy) {
  EXPECT_NE(SharedLibrary::TryLoad(App::Path() + "/libferolan_sample.so"), nullptr);
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {
      {"planted/libferolan_trace.so", "chemin relatif refusé"},
      {"/no/such/libx.so",
       "/no/such/libx.so: cannot open shared object file: No such file or "
       "directory"},
      {"no-such", "libno-such.so: cannot open shared object file: No such file or directory"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_EQ(library_handle::Open(c.name, reason), nullptr) << c.name;
    EXPECT_EQ(reason, c.reason) << c.name;
  }
}

// What the child without /proc tells by its exit status.
enum NoProcOutcome { kRefused, kLoaded, kOtherError, kNoNamespace = 77 };

// In a mount namespace of its own, with an empty tmpfs over /proc, loads by name a library
// that lies in the current folder.
int LoadWithoutProc(const std::string& folder) {
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWNS) != 0) {
    return kNoNamespace;
  }
  // Private first, so that the mount over /proc can never reach the machine's namespace.
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tmpfs", "/proc", "tmpfs", 0, "size=16k") != 0 || ::chdir(folder.c_str()) != 0) {
    return kNoNamespace;
  }
  try {
    SharedLibrary::Load("ferolan_trace");
    return kLoaded;
  } catch (const RuntimeError& error) {
    return error.Number() == kErrFileNotFound &&
                   error.Description() ==
                       "Fichier introuvable : libferolan_trace.so (dossier du programme inconnu)"
               ? kRefused
               : kOtherError;
  }
}

TEST(SharedLibraryTest, WithoutProcNothingIsLoadedFromTheCurrentFolder) {
  testing::TempDir dir;
  std::filesystem::copy_file(FEROLAN_TRACE_LIBRARY, dir / "libferolan_trace.so");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(LoadWithoutProc(dir.Path().string()));
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kNoNamespace) {
    GTEST_SKIP() << "skipped: this machine lets the tests make no mount namespace";
  }
  EXPECT_EQ(WEXITSTATUS(status), kRefused);
  EXPECT_FALSE(testing::Exists(dir / "ran"));
}

}  // namespace
}  // namespace ferolan
