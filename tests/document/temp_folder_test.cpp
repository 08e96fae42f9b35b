#include "document/temp_folder.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "support/pixel_grid.h"

namespace pixmint::document {
namespace {

namespace fs = std::filesystem;

// Where TMPDIR is missing, a file or relative, the folder falls back to /tmp:
// the CLI test runs a script under each.
TEST(PrivateFolders, AreClosedToOthersAndRemovedWithTheirOwner) {
  test::TempDir dir;
  fs::path made;
  const char* old = std::getenv("TMPDIR");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  ::setenv("TMPDIR", dir.Path().c_str(), 1);
  {
    const PrivateFolder folder;
    made = folder.Path();
    EXPECT_EQ(made.parent_path(), dir.Path());
    struct stat st {};
    EXPECT_EQ(::stat(made.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    std::ofstream((made / "snapshot").c_str()) << "x";
  }
  saved ? ::setenv("TMPDIR", saved->c_str(), 1) : ::unsetenv("TMPDIR");
  EXPECT_FALSE(fs::exists(made));
  const fs::path inside = MakePrivateFolder(dir.Path());
  EXPECT_EQ(inside.parent_path(), dir.Path());
}

TEST(PrivateFolders, ThoseOfEndedProcessesAreRemovedAtTheNextStart) {
  test::TempDir dir;
  // A process that made its folder and was killed before it could remove it.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(MakePrivateFolder(dir.Path()).empty() ? 1 : 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  const fs::path alive = MakePrivateFolder(dir.Path());
  const std::string self = std::to_string(::getpid());
  const fs::path reusedId = dir / ("pixmint-" + self + "-1-abcdef");  // our id, another start time
  const fs::path unrelated = dir / "pixmint-notes";
  const fs::path plainFile = dir / "pixmint-1-2-abcdef";
  const fs::path link = dir / "pixmint-1-3-abcdef";
  fs::create_directory(reusedId);
  fs::create_directory(unrelated);
  std::ofstream(plainFile.c_str()) << "x";
  fs::create_directory_symlink(alive, link);
  ASSERT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 6);

  RemoveDeadPrivateFolders(dir.Path());
  std::set<std::string> left;
  for (const auto& e : fs::directory_iterator(dir.Path())) left.insert(e.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{alive.filename().string(), "pixmint-1-2-abcdef", "pixmint-1-3-abcdef",
                                         "pixmint-notes"}));
  EXPECT_TRUE(fs::is_directory(alive)) << "the link was not followed";
}

}  // namespace
}  // namespace pixmint::document
