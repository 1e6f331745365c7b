#include <gtest/gtest.h>

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SharedLibrary.h"
#include "tests/support/ErrorNumber.h"

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

}  // namespace
}  // namespace ferolan
