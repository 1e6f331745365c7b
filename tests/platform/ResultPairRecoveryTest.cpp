// What a commit of the result pair leaves when a name change fails or the program dies at any
// of its steps, and what the next conversion of the same names makes of it: both earlier
// results or both new ones, never one of each, and never the only copy of an earlier result
// lost. On a volume that can replace a file at once, and on one that cannot (FAT).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "platform/runtime/PathText.h"
#include "platform/runtime/ResultPair.h"
#include "platform/scripted/ScriptedServices.h"
#include "tests/platform/SystemCallFaults.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/System.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::Failure;
using testing::SystemCall;
using testing::SystemCallFault;
using testing::TempDir;

namespace fs = std::filesystem;

constexpr const char* kChildVariable = "FEROLAN_TEST_COMMIT_UNTIL_KILLED";

using Folder = std::map<std::string, std::string>;

// Every name in the folder, hidden ones included, with what it holds.
Folder Contents(const std::string& folder) {
  Folder contents;
  for (const auto& entry : fs::directory_iterator(PathOf(folder))) {
    contents[TextOf(entry.path().filename())] = testing::ReadBytes(TextOf(entry.path()));
  }
  return contents;
}

Folder Results(const std::string& french, const std::string& maths) {
  return {{"french", french}, {"maths", maths}};
}
const Folder kEarlier = Results("old french", "old maths");
Folder New(const std::string& run) { return Results("new french " + run, "new maths " + run); }

// The names the user sees.
Folder Visible(const Folder& folder) {
  Folder visible;
  for (const auto& [name, bytes] : folder) {
    if (!name.starts_with('.')) visible[name] = bytes;
  }
  return visible;
}

// Without the temporaries that a run which ended left, which the next one writing them removes.
Folder WithoutTemporaries(const Folder& folder) {
  Folder kept;
  for (const auto& [name, bytes] : folder) {
    if (name.find(".~ferolan-tmp-") == std::string::npos) kept[name] = bytes;
  }
  return kept;
}

bool Holds(const Folder& folder, const std::string& bytes) {
  for (const auto& [name, held] : folder) {
    if (held == bytes) return true;
  }
  return false;
}

std::string In(const std::string& folder, const char* name) {
  return TextOf(PathOf(folder) / name);
}

// A volume that cannot replace a file at once, as FAT: the final name is free for a moment.
std::unique_ptr<SystemCallFault> FatLike(bool fat) {
  if (!fat) return nullptr;
  return std::make_unique<SystemCallFault>(SystemCall::kNameChangeAtOnce, 0, Failure::kUnsupported);
}

// Writes run `run`'s results and commits them, with `fault` made once the files are written.
template <class Fault>
void Convert(const std::string& folder, const std::string& run, Fault&& fault) {
  ResultPair pair(In(folder, "french"), In(folder, "maths"));
  pair.French().Write("new french " + run);
  pair.Maths().Write("new maths " + run);
  [[maybe_unused]] const auto armed = fault();
  pair.Commit();
}

// The child's side of a kill: registered only in a child that RunThisProgram started.
class CommitUntilKilled : public ::testing::Test {
 public:
  explicit CommitUntilKilled(std::string role) : role_(std::move(role)) {}

  void TestBody() override {
    std::istringstream role(role_);
    std::string folder;
    bool fat = false;
    int step = 0;
    ASSERT_TRUE(std::getline(role, folder, '|') && role >> fat >> step);
    const ScriptedServices services;
    const auto fatLike = FatLike(fat);
    Convert(folder, "1", [&] {
      return std::make_unique<SystemCallFault>(SystemCall::kNameChange, step, Failure::kDeath);
    });
  }

 private:
  std::string role_;
};

[[maybe_unused]] const bool kChildRegistered = [] {
  const char* role = std::getenv(kChildVariable);
  if (role == nullptr) return false;
  ::testing::RegisterTest(
      "ResultPairChild", "CommitUntilKilled", nullptr, nullptr, __FILE__, __LINE__,
      [role = std::string(role)]() -> ::testing::Test* { return new CommitUntilKilled(role); });
  return true;
}();

TEST(ResultPairRecoveryTest, AfterAFailureOrAKillAtAnyStepTheNextConversionEndsWithOnePair) {
  const struct {
    const char* what;
    Failure failure;
    bool lasting;
  } kinds[] = {
      {"a name change failing once", Failure::kIo, false},
      {"the stick pulled out: every name change failing from then on", Failure::kIo, true},
      {"the program killed after a name change", Failure::kDeath, false},
  };
  for (const bool fat : {false, true}) {
    for (const auto& kind : kinds) {
      for (int step = 1;; ++step) {
        SCOPED_TRACE(std::string(kind.what) + ", step " + std::to_string(step) +
                     (fat ? ", FAT" : ""));
        ASSERT_LT(step, 40) << "a commit of two files takes fewer steps";
        const TempDir dir;
        const std::string folder = TextOf(dir.Path());
        testing::WriteBytes(In(folder, "french"), "old french");
        testing::WriteBytes(In(folder, "maths"), "old maths");
        bool struck = false;
        if (kind.failure == Failure::kDeath) {
          const TempDir scratch;
          const int status = testing::RunThisProgram(
              "ResultPairChild.*", kChildVariable,
              folder + "|" + (fat ? "1 " : "0 ") + std::to_string(step), TextOf(scratch.Path()));
          ASSERT_TRUE(status == testing::kKilledStatus || status == 0) << status;
          struck = status == testing::kKilledStatus;
        } else {
          const ScriptedServices services;
          const auto fatLike = FatLike(fat);
          std::unique_ptr<SystemCallFault> fault;
          testing::ErrorNumberOf([&] {
            Convert(folder, "1", [&] {
              fault = std::make_unique<SystemCallFault>(SystemCall::kNameChange, step, kind.failure,
                                                        kind.lasting);
              return 0;
            });
          });
          struck = fault && fault->Struck();
          if (!kind.lasting) {
            const Folder visible = Visible(Contents(folder));
            EXPECT_TRUE(visible == kEarlier || visible == New("1")) << "undone at once";
          }
        }
        if (!struck) break;
        const Folder left = Contents(folder);
        EXPECT_TRUE(Visible(left) == New("1") ||
                    (Holds(left, "old french") && Holds(left, "old maths")))
            << "no earlier result lost";

        // The next conversion of the same names: one that fails before it writes anything (a
        // damaged export), then one that converts.
        {
          const ScriptedServices services;
          EXPECT_EQ(testing::ErrorNumberOf([&] { ResultPair::Recover(In(folder, "french")); }), 0);
          const Folder mended = WithoutTemporaries(Contents(folder));
          EXPECT_TRUE(mended == kEarlier || mended == New("1")) << ::testing::PrintToString(mended);
          EXPECT_EQ(services.messages.size(), Visible(left) == Visible(mended) ? 0u : 1u);
        }
        const ScriptedServices services;
        Convert(folder, "2", [] { return 0; });
        EXPECT_EQ(Contents(folder), New("2"));
      }
    }
  }
}

}  // namespace
}  // namespace ferolan
