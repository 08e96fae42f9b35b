// Saving obeys the file system as a plain write would, yet replaces files
// whole. Cases that need a second user run as root (as CI does) and drop to
// nobody in a child process; as an ordinary user they run directly or skip.
#include "document/file_io.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <tuple>

#include "document/save_target.h"
#include "support/pixel_grid.h"

namespace pixmint::document {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr uid_t kNobody = 65534;

Bytes ReadFile(const fs::path& path) {
  auto bytes = ReadWholeFile(path);
  return bytes ? *bytes : Bytes{};
}

struct stat Stat(const fs::path& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool NoTemporaries(const fs::path& folder) {
  return std::ranges::none_of(Names(folder), [](const auto& n) { return n.find(".pixmint-") != std::string::npos; });
}

using texts::Fail;

// An outcome as a number a child process can return: 0 for success.
int Code(Fail code) {
  return 1 + static_cast<int>(code);
}
int Code(const texts::Result<void>& result) {
  return result ? 0 : Code(result.error().code);
}

void DropToNobody() {
  if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(250);
}

// Runs body as an ordinary user and answers its Code: here when the tests do
// not run as root, else in a child that has dropped to nobody, since root may
// write anything.
int AsPlainUser(const std::function<int()>& body) {
  if (::geteuid() != 0) return body();
  const pid_t child = ::fork();
  if (child == 0) {
    DropToNobody();
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 251;
}

// Runs body with writes limited to limit bytes, so a write fails half-way.
template <typename Body>
auto WithFileSizeLimit(rlim_t limit, Body body) {
  rlimit saved{};
  EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{limit, saved.rlim_max};
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  auto result = body();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  return result;
}

TEST(FileIo, NewFilesFollowTheUmaskAndReplacedOnesKeepModeAndOwner) {
  test::TempDir dir;
  const fs::path target = dir / "icon.ico";
  const mode_t mask = ::umask(027);
  ASSERT_TRUE(WriteFileAtomically(target, Bytes{1, 2, 3}));
  ::umask(mask);
  EXPECT_EQ(Stat(target).st_mode & 07777, 0640u);
  ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
  }
  const uid_t owner = Stat(target).st_uid;
  const ino_t inode = Stat(target).st_ino;
  ASSERT_TRUE(WriteFileAtomically(target, Bytes{9}));
  EXPECT_EQ(ReadFile(target), Bytes{9});
  EXPECT_EQ(std::pair(Stat(target).st_mode & 07777, Stat(target).st_uid), std::pair(mode_t{0604}, owner));
  EXPECT_NE(Stat(target).st_ino, inode) << "a file with one name is replaced whole";
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"icon.ico"});
}

// As another user: refused where a plain write would be refused, and where
// it would work, the file is rewritten in place and keeps its owner.
TEST(FileIo, DoesWhatAPlainWriteWouldDo) {
  test::TempDir shared;  // every user may write here
  ::chmod(shared.Path().c_str(), 0777);
  fs::create_directory(shared / "closed");
  ::chmod((shared / "closed").c_str(), 0555);
  struct Case {
    const char* name;
    fs::path path;
    mode_t mode;  // of an existing file (made by us); 0: no file
    bool needsRoot;
    int code;
  };
  const int denied = Code(Fail::kPermissionDenied);
  const Case cases[] = {
      {"read-only file", shared / "read-only.ico", 0444, false, denied},
      {"another user's file in a folder the user can write", shared / "theirs.ico", 0644, true, denied},
      {"new file in a folder without write access", shared / "closed" / "new.ico", 0, false, denied},
      {"another user's file that the user may write", shared / "group-work.ico", 0666, true, 0},
  };
  for (const Case& c : cases) {
    if (c.needsRoot && ::geteuid() != 0) continue;
    if (c.mode != 0) {
      ASSERT_TRUE(WriteFileAtomically(c.path, Bytes{1, 1, 1}));
      ASSERT_EQ(::chmod(c.path.c_str(), c.mode), 0);
    }
    const ino_t inode = c.mode != 0 ? Stat(c.path).st_ino : 0;
    EXPECT_EQ(AsPlainUser([&] { return Code(WriteFileAtomically(c.path, Bytes{2, 2})); }), c.code) << c.name;
    EXPECT_EQ(ReadFile(c.path), c.code == 0 ? (Bytes{2, 2}) : c.mode != 0 ? (Bytes{1, 1, 1}) : Bytes{}) << c.name;
    if (c.mode != 0) {
      EXPECT_EQ(std::pair(Stat(c.path).st_uid, Stat(c.path).st_ino), std::pair(::geteuid(), inode)) << c.name;
    }
  }
  EXPECT_TRUE(NoTemporaries(shared.Path()));
}

TEST(FileIo, HardLinksStayOneFile) {
  test::TempDir dir;
  const fs::path a = dir / "a.ico", b = dir / "b.ico";
  ASSERT_TRUE(WriteFileAtomically(a, Bytes{1, 2}));
  ASSERT_EQ(::chmod(a.c_str(), 0640), 0);
  fs::create_hard_link(a, b);
  ASSERT_TRUE(WriteFileAtomically(a, Bytes{3, 4, 5}));
  EXPECT_EQ(ReadFile(b), (Bytes{3, 4, 5})) << "the other name sees the new content";
  ASSERT_TRUE(WriteFileAtomically(b, Bytes{6}));
  EXPECT_EQ(ReadFile(a), Bytes{6}) << "shorter content cuts the file";
  EXPECT_EQ(std::tuple(Stat(a).st_ino, Stat(a).st_nlink, Stat(a).st_mode & 07777),
            std::tuple(Stat(b).st_ino, nlink_t{2}, mode_t{0640}));
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"a.ico", "b.ico"}));

  // A rewrite that fails half-way puts the old content back.
  const auto failed = WithFileSizeLimit(4, [&] { return WriteFileAtomically(a, Bytes(100, 9)); });
  EXPECT_EQ(Code(failed), Code(Fail::kFileTooLarge));
  EXPECT_EQ(ReadFile(b), Bytes{6});
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"a.ico", "b.ico"}));
}

TEST(FileIo, FailureLeavesTheOldFileAndGivesTheReason) {
  test::TempDir dir;
  fs::create_directory(dir / "folder");
  EXPECT_EQ(Code(WriteFileAtomically(dir / "folder", Bytes{1})), Code(Fail::kIsAFolder));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_EQ(Code(WriteFileAtomically(dir / "missing" / "x.ico", Bytes{1})), Code(Fail::kNoSuchFile));
  EXPECT_EQ(Code(WriteFileAtomically(dir / std::string(256, 'n'), Bytes{1})), Code(Fail::kNameTooLong));
  EXPECT_EQ(Code(WriteFileAtomically("/dev/null", Bytes{1})), Code(Fail::kNotRegularFile));
  EXPECT_FALSE(ReadWholeFile(dir / "missing.ico"));
  EXPECT_FALSE(ReadWholeFile(dir / "folder"));
  ASSERT_TRUE(WriteFileAtomically(dir / "big", Bytes(10, 7)));
  EXPECT_FALSE(ReadWholeFile(dir / "big", 9));
  EXPECT_TRUE(ReadWholeFile(dir / "big", 10));

  // A write that fails half-way (file size limit) removes its temporary file.
  const fs::path old = dir / "old.ico";
  ASSERT_TRUE(WriteFileAtomically(old, Bytes{5, 5}));
  const auto failed = WithFileSizeLimit(4, [&] { return WriteFileAtomically(old, Bytes(100, 6)); });
  EXPECT_EQ(Code(failed), Code(Fail::kFileTooLarge));
  EXPECT_EQ(ReadFile(old), (Bytes{5, 5}));
  EXPECT_TRUE(NoTemporaries(dir.Path()));
}

TEST(FileIo, FollowsLinksAndKeepsThemEvenWhenDangling) {
  test::TempDir dir;
  fs::create_directory(dir / "sub");
  ASSERT_TRUE(WriteFileAtomically(dir / "sub" / "real.ico", Bytes{1}));
  fs::create_symlink("sub/real.ico", dir / "link.ico");
  fs::create_symlink("link.ico", dir / "chain.ico");
  fs::create_symlink("sub/new.ico", dir / "dangling.ico");
  ASSERT_TRUE(WriteFileAtomically(dir / "chain.ico", Bytes{4, 2}));
  EXPECT_EQ(ReadFile(dir / "sub" / "real.ico"), (Bytes{4, 2}));
  ASSERT_TRUE(WriteFileAtomically(dir / "dangling.ico", Bytes{8}));
  EXPECT_EQ(ReadFile(dir / "sub" / "new.ico"), Bytes{8}) << "the link's target is created";
  for (const char* link : {"link.ico", "chain.ico", "dangling.ico"}) EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
  fs::create_symlink("loop.ico", dir / "loop.ico");
  EXPECT_EQ(Code(WriteFileAtomically(dir / "loop.ico", Bytes{1})), Code(Fail::kLinkLoop));
  EXPECT_TRUE(NoTemporaries(dir.Path()));
  EXPECT_TRUE(NoTemporaries(dir / "sub"));
}

TEST(FileIo, RefusesLinksThatTheKernelWouldNotFollowInASharedFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs links of another user";
  test::TempDir dir;
  const fs::path victim = dir / "victim.ico";
  ASSERT_TRUE(WriteFileAtomically(victim, Bytes{1}));
  fs::create_directory(dir / "shared");
  ASSERT_EQ(::chmod((dir / "shared").c_str(), 01777), 0);
  struct Case {
    const char* name;
    uid_t linkOwner;
    uid_t folderOwner;
    mode_t folderMode;
    bool followed;
  };
  const Case cases[] = {
      {"another user's link in a sticky shared folder", kNobody, 0, 01777, false},
      {"the user's own link", 0, 0, 01777, true},
      {"the folder owner's link", kNobody, kNobody, 01777, true},
      {"another user's link in a folder that is not sticky", kNobody, 0, 0777, true},
      {"another user's link in a sticky folder only its owner writes", kNobody, 0, 01755, true},
  };
  for (const Case& c : cases) {
    const fs::path link = dir / "shared" / "planted.ico";
    fs::remove(link);
    fs::create_symlink(victim, link);
    ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
    ASSERT_EQ(::chown((dir / "shared").c_str(), c.folderOwner, c.folderOwner), 0);
    ASSERT_EQ(::chmod((dir / "shared").c_str(), c.folderMode), 0);
    ASSERT_TRUE(WriteFileAtomically(victim, Bytes{1}));
    const auto result = WriteFileAtomically(link, Bytes{6, 6});
    EXPECT_EQ(static_cast<bool>(result), c.followed) << c.name;
    EXPECT_EQ(ReadFile(victim), c.followed ? (Bytes{6, 6}) : Bytes{1}) << c.name;
    EXPECT_TRUE(fs::is_symlink(link)) << c.name;
    if (!c.followed) {
      EXPECT_TRUE(result.error().code == Fail::kSharedFolderLink || result.error().code == Fail::kPermissionDenied);
    }
  }
}

TEST(FileIo, EveryNameTheFolderTakesSaves) {
  test::TempDir dir;
  std::string wide;
  while (wide.size() + 3 <= 255) wide += "图";  // 255 bytes of three-byte characters
  for (const std::string& name : {std::string("a"), std::string(200, 'b'), std::string(238, 'c'), std::string(239, 'd'),
                                  std::string(250, 'e'), std::string(255, 'f'), wide, "x" + wide.substr(0, 252)}) {
    const fs::path target = dir / name;
    // A leftover of a killed save of this very name goes at the next save.
    const fs::path leftover = detail::TemporaryName(target, "abcdefghijkl");
    ASSERT_LE(leftover.filename().string().size(), 255u);
    ASSERT_TRUE(WriteFileAtomically(leftover, Bytes{0})) << leftover;
    EXPECT_TRUE(WriteFileAtomically(target, Bytes{static_cast<std::uint8_t>(name.size() & 0xFF)})) << name.size();
    EXPECT_EQ(ReadFile(target).size(), 1u) << name.size();
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name}) << name.size();
    fs::remove(target);
  }
}

TEST(FileIo, RemovesOnlyLeftoversOfItsOwnThatNobodyHolds) {
  test::TempDir dir;
  const fs::path target = dir / "a.ico";
  const fs::path dead = detail::TemporaryName(target, "0123456789ab");
  const fs::path held = detail::TemporaryName(target, "zzzzzzzzzzzz");
  const fs::path folder = detail::TemporaryName(target, "folder000000");
  const fs::path otherTarget = detail::TemporaryName(dir / "b.ico", "0123456789ab");
  const fs::path users = dir / "a.ico.0123456789ab.tmp";
  const fs::path shortRandom = detail::TemporaryName(target, "0123");
  for (const fs::path& p : {dead, held, otherTarget, users, shortRandom}) ASSERT_TRUE(WriteFileAtomically(p, Bytes{1}));
  fs::create_directory(folder);
  // A running save holds its temporary file locked.
  const int holder = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  ASSERT_TRUE(WriteFileAtomically(target, Bytes{2}));
  ::close(holder);
  EXPECT_FALSE(fs::exists(dead));
  for (const fs::path& p : {held, folder, otherTarget, users, shortRandom}) EXPECT_TRUE(fs::exists(p)) << p;
}

// The step at which KilledSave's child dies, as a kill would stop it.
detail::SaveStep killAt = detail::SaveStep::kTargetHalfWritten;

// Saves bytes to target in a child process that dies at killAt; answers
// whether it died there (and not before, nor after finishing).
bool KilledSave(const fs::path& target, const Bytes& bytes, detail::SaveStep step,
                const std::function<void()>& before = {}) {
  killAt = step;
  const pid_t child = ::fork();
  if (child == 0) {
    if (before) before();
    detail::SetSaveFaultHook([](detail::SaveStep at) {
      if (at == killAt) ::_exit(42);
    });
    (void)WriteFileAtomically(target, bytes);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 42;
}

std::vector<fs::path> Backups(const fs::path& folder) {
  std::vector<fs::path> found;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == ".bak") found.push_back(e.path());
  return found;
}

// A file rewritten in place (hard links) whose save dies half-way: its old
// content waits in a backup that no other save removes, and goes back when
// the file is opened again; a later whole save supersedes it.
TEST(FileIo, AKilledInPlaceSaveKeepsTheOldContentUntilTheFileIsWholeAgain) {
  test::TempDir dir;
  const fs::path a = dir / "a.ico", b = dir / "b.ico";
  const Bytes old(100, 1), fresh(300, 2);
  ASSERT_TRUE(WriteFileAtomically(a, old));
  fs::create_hard_link(a, b);
  ASSERT_TRUE(KilledSave(a, fresh, detail::SaveStep::kTargetHalfWritten));
  EXPECT_NE(ReadFile(b), old) << "both names hold the damaged file";
  ASSERT_EQ(Backups(dir.Path()).size(), 1u);
  EXPECT_EQ(ReadFile(Backups(dir.Path())[0]), old);
  // Another file's save, and a leftover clean-up, leave it alone.
  ASSERT_TRUE(WriteFileAtomically(dir / "c.ico", fresh));
  ASSERT_EQ(Backups(dir.Path()).size(), 1u);

  const Recovery recovery = RecoverInterruptedSave(a);
  EXPECT_TRUE(recovery.restored) << texts::EnglishMessage(recovery.reason);
  EXPECT_EQ(ReadFile(b), old);
  EXPECT_EQ(Stat(a).st_ino, Stat(b).st_ino);
  EXPECT_TRUE(Backups(dir.Path()).empty());
  EXPECT_FALSE(RecoverInterruptedSave(a).restored) << "nothing left to restore";

  // Killed again, then saved whole: the whole save makes the backup stale.
  ASSERT_TRUE(KilledSave(a, fresh, detail::SaveStep::kBackupKept));
  ASSERT_EQ(Backups(dir.Path()).size(), 1u);
  ASSERT_TRUE(WriteFileAtomically(b, fresh));
  EXPECT_EQ(ReadFile(a), fresh);
  EXPECT_TRUE(Backups(dir.Path()).empty());
  EXPECT_TRUE(NoTemporaries(dir.Path()));
}

// A file the user may write in a folder they may not: a plain write would
// work, so the save does, in place, its backup in the user's own folder.
TEST(FileIo, AWritableFileInAClosedFolderIsRewrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs a folder of another user";
  test::TempDir shared;  // every user may write here
  ::chmod(shared.Path().c_str(), 0777);
  const fs::path closed = shared / "closed";
  fs::create_directory(closed);
  const fs::path target = closed / "open.ico";
  ASSERT_TRUE(WriteFileAtomically(target, Bytes(50, 1)));
  ASSERT_EQ(::chmod(target.c_str(), 0666), 0);
  const ino_t inode = Stat(target).st_ino;
  const fs::path state = shared / "state";
  const auto asUser = [&] { ::setenv("XDG_STATE_HOME", state.c_str(), 1); };
  const auto asNobody = [&](const std::function<int()>& body) { return AsPlainUser([&] { return asUser(), body(); }); };
  EXPECT_EQ(asNobody([&] { return Code(WriteFileAtomically(target, Bytes(80, 2))); }), 0);
  EXPECT_EQ(std::pair(ReadFile(target), Stat(target).st_ino), std::pair(Bytes(80, 2), inode));
  EXPECT_EQ(Names(closed), std::vector<std::string>{"open.ico"});

  // Killed half-way, as that user: the backup waits in their folder.
  ASSERT_TRUE(
      KilledSave(target, Bytes(120, 3), detail::SaveStep::kTargetHalfWritten, [&] { asUser(), DropToNobody(); }));
  ASSERT_EQ(Backups(state / "pixmint" / "backups").size(), 1u);
  EXPECT_EQ(asNobody([&] { return RecoverInterruptedSave(target).restored ? 0 : 1; }), 0);
  EXPECT_EQ(ReadFile(target), Bytes(80, 2));
  EXPECT_TRUE(Backups(state / "pixmint" / "backups").empty());
}

}  // namespace
}  // namespace pixmint::document
