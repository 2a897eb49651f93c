#include "engine/file_lock.h"
#include "engine/file_save.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

// The ordinary user an administrator's test run turns into, and a user and
// a group that nobody of the test belongs to.
constexpr uid_t kNobody = 65534;
constexpr uid_t kStranger = 4321;
constexpr gid_t kStrangeGroup = 8765;

std::string ReadBytes(const fs::path& path)
{
    return test::ReadBytes(path);
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    test::WriteBytes(path, bytes);
}

struct stat StatOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

bool IsRoot()
{
    return ::geteuid() == 0;
}

class FileSaveTest : public ::testing::Test {
protected:
    // A folder shut by a test is opened again, so that it can be removed.
    void TearDown() override
    {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir, ec)) {
            if (entry.is_directory(ec)) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
            }
        }
    }

    fs::path PathOf(const std::string& name) const { return m_dir / name; }

    // Names in a folder, to see that no temporary file is left behind.
    static std::set<std::string> Listing(const fs::path& folder)
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // Runs `body` in a child process, as the ordinary user `nobody` when the
    // test runs as root (who may write anything); the child's wait status.
    // The test folder is handed to that user first.
    int InChild(const std::function<bool()>& body, bool asOrdinaryUser)
    {
        if (asOrdinaryUser && IsRoot()) {
            for (const auto& entry : fs::recursive_directory_iterator(m_dir)) {
                EXPECT_EQ(::lchown(entry.path().c_str(), kNobody, static_cast<gid_t>(-1)), 0);
            }
            EXPECT_EQ(::chown(m_dir.c_str(), kNobody, kNobody), 0);
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (asOrdinaryUser && IsRoot() &&
                (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                ::_exit(90);
            }
            ::_exit(body() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return status;
    }

    test::TempFolder m_folder{"orvenda-save"};
    fs::path m_dir = m_folder.path();
};

TEST_F(FileSaveTest, ModeOwnerAndGroupStay)
{
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664), fs::perms(0755)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const fs::path file = PathOf("private.evt");
        WriteBytes(file, "old");
        fs::permissions(file, mode);
        const SaveResult r = SaveBytes(file, "new text");
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(ReadBytes(file), "new text");
        EXPECT_EQ(StatOf(file).st_mode & 07777, static_cast<mode_t>(mode));
        EXPECT_EQ(r.stamp, StampOfFile(file));
        EXPECT_EQ(Listing(m_dir), std::set<std::string>{"private.evt"});
    }
    if (!IsRoot()) {
        GTEST_SKIP() << "keeping another user's owner and group needs the test to run as root";
    }
    const fs::path file = PathOf("theirs.evt");
    WriteBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), kStranger, kStrangeGroup), 0);
    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(SaveBytes(file, "new").ok());
    const struct stat info = StatOf(file);
    EXPECT_EQ(info.st_uid, kStranger);
    EXPECT_EQ(info.st_gid, kStrangeGroup);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(file), "new");
}

TEST_F(FileSaveTest, ReadOnlyFileIsRefused)
{
    const fs::path file = PathOf("locked.evt");
    WriteBytes(file, "keep");
    fs::permissions(file, fs::perms(0444));
    const SaveResult r = SaveBytes(file, "lost");
    EXPECT_EQ(r.status, SaveResult::ReadOnly);
    EXPECT_EQ(ReadOnlyText(file), "Файл только для чтения: " + file.string());
    EXPECT_EQ(ReadBytes(file), "keep");
    EXPECT_EQ(StatOf(file).st_mode & 07777, 0444u);
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"locked.evt"});
}

TEST_F(FileSaveTest, SymbolicLinksAreFollowed)
{
    fs::create_directories(m_dir / "real" / "deep");
    WriteBytes(m_dir / "real" / "deep" / "h.evt", "old");
    // A chain: an absolute link to a relative one.
    fs::create_symlink("deep/h.evt", m_dir / "real" / "rel.evt");
    fs::create_symlink(m_dir / "real" / "rel.evt", PathOf("link.evt"));
    fs::create_symlink("real/nothing-yet.evt", PathOf("dangling.evt"));
    fs::create_symlink("loop-b.evt", PathOf("loop-a.evt"));
    fs::create_symlink("loop-a.evt", PathOf("loop-b.evt"));

    ASSERT_TRUE(SaveBytes(PathOf("link.evt"), "new").ok());
    EXPECT_EQ(ReadBytes(m_dir / "real" / "deep" / "h.evt"), "new");
    EXPECT_TRUE(fs::is_symlink(PathOf("link.evt")));
    EXPECT_TRUE(fs::is_symlink(m_dir / "real" / "rel.evt"));

    // A link to a file that does not exist yet makes that file.
    ASSERT_TRUE(SaveBytes(PathOf("dangling.evt"), "made").ok());
    EXPECT_TRUE(fs::is_symlink(PathOf("dangling.evt")));
    EXPECT_EQ(ReadBytes(m_dir / "real" / "nothing-yet.evt"), "made");

    EXPECT_EQ(SaveBytes(PathOf("loop-a.evt"), "x").status, SaveResult::WriteFailed);
    EXPECT_EQ(Listing(m_dir / "real"), (std::set<std::string>{"deep", "nothing-yet.evt", "rel.evt"}));
    EXPECT_EQ(Listing(m_dir / "real" / "deep"), std::set<std::string>{"h.evt"});
}

TEST_F(FileSaveTest, HardLinkedFileIsWrittenInPlace)
{
    WriteBytes(PathOf("a.evt"), "a much longer old text than the new one");
    fs::create_hard_link(PathOf("a.evt"), PathOf("b.evt"));
    const ino_t inode = StatOf(PathOf("a.evt")).st_ino;
    ASSERT_TRUE(SaveBytes(PathOf("a.evt"), "new").ok());
    EXPECT_EQ(ReadBytes(PathOf("a.evt")), "new");
    EXPECT_EQ(ReadBytes(PathOf("b.evt")), "new");
    EXPECT_EQ(StatOf(PathOf("a.evt")).st_ino, inode);
    EXPECT_EQ(StatOf(PathOf("a.evt")).st_nlink, 2u);
    EXPECT_EQ(Listing(m_dir), (std::set<std::string>{"a.evt", "b.evt"}));
}

// The cases where a new file cannot take the old one's place: the folder
// forbids new files, or the saver may not give a new file the old group.
TEST_F(FileSaveTest, WhatCannotBeReplacedIsWrittenInPlace)
{
    fs::create_directories(m_dir / "shut");
    WriteBytes(m_dir / "shut" / "f.evt", "old");
    fs::permissions(m_dir / "shut" / "f.evt", fs::perms(0644));
    WriteBytes(PathOf("group.evt"), "old");
    fs::permissions(PathOf("group.evt"), fs::perms(0660));
    const ino_t shutInode = StatOf(m_dir / "shut" / "f.evt").st_ino;
    const ino_t groupInode = StatOf(PathOf("group.evt")).st_ino;
    const bool root = IsRoot();
    if (root) {
        ASSERT_EQ(::chown(PathOf("group.evt").c_str(), kNobody, kStrangeGroup), 0);
    }

    const int status = InChild(
        [&] {
            ::chmod((m_dir / "shut").c_str(), 0555);
            return SaveBytes(m_dir / "shut" / "f.evt", "new in a shut folder").ok() &&
                   (!root || SaveBytes(PathOf("group.evt"), "new, group kept").ok());
        },
        true);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    fs::permissions(m_dir / "shut", fs::perms::owner_all, fs::perm_options::add);

    EXPECT_EQ(ReadBytes(m_dir / "shut" / "f.evt"), "new in a shut folder");
    EXPECT_EQ(StatOf(m_dir / "shut" / "f.evt").st_ino, shutInode);
    EXPECT_EQ(Listing(m_dir / "shut"), std::set<std::string>{"f.evt"});
    if (!root) {
        GTEST_SKIP() << "a file of a group the saver is no member of needs the test to run as root";
    }
    EXPECT_EQ(ReadBytes(PathOf("group.evt")), "new, group kept");
    const struct stat info = StatOf(PathOf("group.evt"));
    EXPECT_EQ(info.st_ino, groupInode);
    EXPECT_EQ(info.st_gid, kStrangeGroup);
    EXPECT_EQ(info.st_mode & 07777, 0660u);
    EXPECT_EQ(Listing(m_dir), (std::set<std::string>{"group.evt", "shut"}));
}

TEST_F(FileSaveTest, NameAtTheSystemLimitIsSaved)
{
    for (const std::size_t length : {244u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".evt";
        WriteBytes(PathOf(name), "old");
        const SaveResult r = SaveBytes(PathOf(name), "new");
        ASSERT_TRUE(r.ok()) << length << ": " << r.error;
        EXPECT_EQ(ReadBytes(PathOf(name)), "new");
        EXPECT_EQ(Listing(m_dir), std::set<std::string>{name});
        fs::remove(PathOf(name));
    }
}

// Beyond the file size limit the save fails with a message instead of the
// process dying; a process killed in the middle of a save leaves the old
// file and nothing else.
TEST_F(FileSaveTest, SizeLimitAndKilledSaveLeaveTheOldFile)
{
    const std::string old(1000, 'o');
    const std::string big(200000, 'n');
    WriteBytes(PathOf("f.evt"), old);
    const auto limitSize = [] {
        const struct rlimit limit {
            4096, 4096
        };
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };

    const int failed = InChild(
        [&] {
            if (!limitSize()) {
                return false;
            }
            const SaveResult r = SaveBytes(PathOf("f.evt"), big);
            return r.status == SaveResult::WriteFailed && !r.error.empty();
        },
        false);
    EXPECT_TRUE(WIFEXITED(failed) && WEXITSTATUS(failed) == 0) << failed;
    EXPECT_EQ(ReadBytes(PathOf("f.evt")), old);
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"f.evt"});

    // The size limit stops the save mid-write; a handler of the program's
    // own is left in place, and this one kills the process right there.
    const int killed = InChild(
        [&] {
            ::signal(SIGXFSZ, [](int) { ::kill(::getpid(), SIGKILL); });
            return limitSize() && SaveBytes(PathOf("f.evt"), big).ok();
        },
        false);
    EXPECT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL) << killed;
    EXPECT_EQ(ReadBytes(PathOf("f.evt")), old);
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"f.evt"});
}

TEST_F(FileSaveTest, WhatIsNoRegularFileIsNotReplaced)
{
    ASSERT_EQ(::mkfifo(PathOf("pipe.evt").c_str(), 0644), 0);
    EXPECT_EQ(SaveBytes(PathOf("pipe.evt"), "x").status, SaveResult::WriteFailed);
    EXPECT_EQ(fs::status(PathOf("pipe.evt")).type(), fs::file_type::fifo);
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"pipe.evt"});
}

// ---- The lock ----

TEST_F(FileSaveTest, LockIsExclusiveAndFollowsTheFileAtThePath)
{
    EXPECT_EQ(FileLock::Acquire(PathOf("missing.evt"), {}).status(), FileLock::Status::NoFile);

    WriteBytes(PathOf("f.evt"), "first");
    FileLock first = FileLock::Acquire(PathOf("f.evt"), {});
    ASSERT_EQ(first.status(), FileLock::Status::Locked);
    const FileLock refused = FileLock::Acquire(PathOf("f.evt"), {});
    EXPECT_EQ(refused.status(), FileLock::Status::Busy);
    EXPECT_EQ(LockFailureText(refused, "f.evt"), "Файл занят другой программой: f.evt");

    // A second writer waits; the first saves (a new file renamed over the
    // old one) and lets go. The second must then hold the lock of the file
    // now at the path, not of the replaced one.
    FileLock second;
    std::thread waiter([&] { second = FileLock::Acquire(PathOf("f.evt"), std::chrono::seconds(60)); });
    ASSERT_TRUE(SaveBytes(PathOf("f.evt"), "second").ok());
    first.Release();
    waiter.join();
    ASSERT_EQ(second.status(), FileLock::Status::Locked);
    EXPECT_EQ(FileLock::Acquire(PathOf("f.evt"), {}).status(), FileLock::Status::Busy);
    second.Release();
    EXPECT_EQ(FileLock::Acquire(PathOf("f.evt"), {}).status(), FileLock::Status::Locked);
}

TEST_F(FileSaveTest, StampTellsAnotherWritersChange)
{
    EXPECT_FALSE(StampOfFile(PathOf("f.evt")).exists);
    const SaveResult saved = SaveBytes(PathOf("f.evt"), "one");
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(saved.stamp.exists);
    EXPECT_EQ(StampOfFile(PathOf("f.evt")), saved.stamp);
    // Another program's save of the same size, renamed over it.
    WriteBytes(PathOf("other"), "two");
    fs::rename(PathOf("other"), PathOf("f.evt"));
    EXPECT_NE(StampOfFile(PathOf("f.evt")), saved.stamp);
}

} // namespace
} // namespace orvenda
