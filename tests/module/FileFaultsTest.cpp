// Saving and loading where the file system gets in the way: symbolic links,
// permissions, folders and file systems that refuse writes, a full disk,
// FIFOs and devices. The file already there survives every failed save, a
// link keeps pointing at a target that now holds the new bytes, and every
// failure is told on standard error.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <future>

#include "tests/module/InProcess.h"
#include "tests/module/RecordBytes.h"
#include "tests/module/TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSkipped = 77;
constexpr uid_t kNobody = 65534;

std::vector<unsigned char> recordBytes(Kelvane& k, int p)
{
    return std::vector<unsigned char>(k.getBankImage() + p * 1500, k.getBankImage() + (p + 1) * 1500);
}

std::vector<unsigned char> bankBytes(Kelvane& k) { return {k.getBankImage(), k.getBankImage() + 97024}; }

mode_t modeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// Runs fn in a child process (for a mount namespace of its own, or to drop
// root's right to write anywhere) and returns its exit code. Inside, failures
// are told on standard error and make the code non-zero.
int inChild(const std::function<int()>& fn)
{
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(fn());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Gives up root for good in a child: folders without write permission then
// refuse new files as they do for any user.
bool becomeNobody()
{
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
           ::setresuid(kNobody, kNobody, kNobody) == 0;
}

// A small tmpfs at path, seen only by this process (a mount namespace of its
// own, so nothing is left mounted whatever happens). False without the right.
bool mountSmallTmpfs(const std::string& path, const char* options)
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", path.c_str(), "tmpfs", 0, options) == 0;
}

#define CHILD_CHECK(cond)                                                                                              \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!(cond))                                                                                                   \
        {                                                                                                              \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond);                                            \
            return 1;                                                                                                  \
        }                                                                                                              \
    } while (0)

class FileFaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(k, nullptr);
        k->setProgram(3);
        nameProgram(inst.host, "Saved");
        k->setParameter(ParamId::Decay, 0.3f);
        ::chmod(dir.path.c_str(), 0755); // reachable for the unprivileged children
    }
    InProcessInstrument inst;
    Kelvane* k = inst.plugin;
    TempDir dir;
};

// A link's target is written and the link stays; the target keeps its mode.
// Relative, absolute and chained links, and a link whose target is not there yet.
TEST_F(FileFaults, SymbolicLinksKeepPointingAtTheirWrittenTarget)
{
    fs::create_directories(dir.path / "store");
    const std::string target = dir.file("store/real.vnp");
    writeFile(target, std::vector<unsigned char>(1500, 0x11));
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("store/real.vnp", dir.path / "relative.vnp");
    fs::create_symlink(target, dir.path / "absolute.vnp");
    fs::create_symlink("relative.vnp", dir.path / "chained.vnp");
    for (const char* link : {"relative.vnp", "absolute.vnp", "chained.vnp"})
    {
        writeFile(target, std::vector<unsigned char>(1500, 0x11));
        EXPECT_TRUE(k->saveProgramFile(3, dir.file(link).c_str())) << link;
        EXPECT_TRUE(fs::is_symlink(dir.path / link)) << link << " was replaced by a plain file";
        EXPECT_EQ(readFile(target), recordBytes(*k, 3)) << link;
        EXPECT_EQ(modeOf(target), 0640u) << link;
    }
    EXPECT_EQ(fs::read_symlink(dir.path / "relative.vnp"), "store/real.vnp");

    fs::create_symlink("store/new.vnb", dir.path / "dangling.vnb");
    EXPECT_TRUE(k->saveBankFile(dir.file("dangling.vnb").c_str()));
    EXPECT_TRUE(fs::is_symlink(dir.path / "dangling.vnb"));
    EXPECT_EQ(readFile(dir.path / "store/new.vnb"), bankBytes(*k));

    // Loading through a link reads the target.
    EXPECT_TRUE(k->loadProgramFile(9, dir.file("chained.vnp").c_str()));
    EXPECT_EQ(nameIn(k->getBankImage() + 9 * 1500), "Saved");
    // Nothing but the files and links is left in the folders.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 5);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "store"), fs::directory_iterator()), 2);
}

TEST_F(FileFaults, ReplacedFilesKeepTheirPermissions)
{
    for (mode_t mode : {0600u, 0644u, 0664u, 0604u})
    {
        const std::string file = dir.file("kept.vnb");
        writeFile(file, {1, 2, 3});
        ::chmod(file.c_str(), mode);
        EXPECT_TRUE(k->saveBankFile(file.c_str()));
        EXPECT_EQ(modeOf(file), mode);
        EXPECT_EQ(readFile(file), bankBytes(*k));
    }
    // A new file gets the usual mode of new files.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(k->saveProgramFile(3, dir.file("fresh.vnp").c_str()));
    EXPECT_EQ(modeOf(dir.file("fresh.vnp")), 0644u);
    ::umask(mask);
}

// A folder that takes no new file: a new save fails and says so; a file that
// may be written is rewritten in place; a file made read-only is left alone.
TEST_F(FileFaults, ReadOnlyFolderAndReadOnlyFiles)
{
    fs::create_directories(dir.path / "locked");
    const std::string existing = dir.file("locked/mine.vnp"), readOnly = dir.file("locked/fixed.vnp");
    writeFile(existing, std::vector<unsigned char>(3000, 0x44));
    writeFile(readOnly, std::vector<unsigned char>(1500, 0x55));
    ::chmod(existing.c_str(), 0666);
    ::chmod(readOnly.c_str(), 0444);
    ::chmod((dir.path / "locked").c_str(), 0555);
    const int code = inChild([&] {
        CHILD_CHECK(becomeNobody());
        InProcessInstrument child;
        Kelvane& c = *child.plugin;
        c.setProgram(3);
        nameProgram(child.host, "Saved");
        CHILD_CHECK(!c.saveProgramFile(3, dir.file("locked/new.vnp").c_str()));
        CHILD_CHECK(!fs::exists(dir.path / "locked/new.vnp"));
        CHILD_CHECK(c.saveProgramFile(3, existing.c_str()));
        CHILD_CHECK(readFile(existing) == recordBytes(c, 3)); // the longer old file is cut to the record
        CHILD_CHECK(modeOf(existing) == 0666);
        CHILD_CHECK(!c.saveProgramFile(3, readOnly.c_str()));
        CHILD_CHECK(readFile(readOnly) == std::vector<unsigned char>(1500, 0x55));
        CHILD_CHECK(std::distance(fs::directory_iterator(dir.path / "locked"), fs::directory_iterator()) == 2);
        return 0;
    });
    ::chmod((dir.path / "locked").c_str(), 0755);
    EXPECT_EQ(code, 0);
}

// Failures are told on standard error with the path and the reason.
TEST_F(FileFaults, FailuresAreReportedOnStandardError)
{
    const std::string missing = dir.file("no/such/folder/x.vnp");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(k->saveProgramFile(3, missing.c_str()));
    EXPECT_FALSE(k->loadBankFile(missing.c_str()));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("could not save \"" + missing + "\": No such file or directory"), std::string::npos) << said;
    EXPECT_NE(said.find("could not load \"" + missing + "\""), std::string::npos) << said;

    testing::internal::CaptureStderr();
    EXPECT_TRUE(k->saveProgramFile(3, dir.file("fine.vnp").c_str()));
    EXPECT_TRUE(k->loadProgramFile(4, dir.file("fine.vnp").c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "success is silent";
}

// A full file system: the save fails, says so, and the old file is intact,
// with no temporary file left to fill the disk further. The same in a folder
// that takes no new file, where the file is rewritten in place: the space is
// reserved first, so nothing of the old file is overwritten.
TEST_F(FileFaults, FullFileSystemKeepsTheOldFile)
{
    const std::string mountPoint = dir.file("small");
    fs::create_directories(mountPoint);
    const int code = inChild([&] {
        if (!mountSmallTmpfs(mountPoint, "size=160k,mode=0755"))
            return kSkipped;
        const std::string bank = mountPoint + "/old.vnb", program = mountPoint + "/old.vnp";
        const std::vector<unsigned char> oldBank(97024, 0x22), oldProgram(1500, 0x33);
        writeFile(bank, oldBank);
        writeFile(program, oldProgram);
        InProcessInstrument child;
        Kelvane& c = *child.plugin;
        nameProgram(child.host, "New");
        CHILD_CHECK(!c.saveBankFile(bank.c_str())); // a second bank does not fit beside the first
        CHILD_CHECK(readFile(bank) == oldBank);
        CHILD_CHECK(std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator()) == 2);

        // In place: a short old file cannot grow into the bank's size.
        fs::create_directories(mountPoint + "/locked");
        const std::string shortFile = mountPoint + "/locked/short.vnb";
        writeFile(shortFile, oldProgram);
        ::chown(shortFile.c_str(), kNobody, kNobody);
        ::chmod((mountPoint + "/locked").c_str(), 0555);
        CHILD_CHECK(becomeNobody());
        CHILD_CHECK(!c.saveBankFile(shortFile.c_str()));
        CHILD_CHECK(readFile(shortFile) == oldProgram);
        // ... while a program of the old size fits.
        CHILD_CHECK(c.saveProgramFile(0, shortFile.c_str()));
        CHILD_CHECK(readFile(shortFile) == recordBytes(c, 0));
        return 0;
    });
    if (code == kSkipped)
        GTEST_SKIP() << "no right to mount a small tmpfs here (the file-size limit test stands in)";
    EXPECT_EQ(code, 0);
}

// A read-only file system refuses every save; the old file stays.
TEST_F(FileFaults, ReadOnlyFileSystem)
{
    const std::string mountPoint = dir.file("ro");
    fs::create_directories(mountPoint);
    const int code = inChild([&] {
        if (!mountSmallTmpfs(mountPoint, "size=512k,mode=0755"))
            return kSkipped;
        const std::string file = mountPoint + "/old.vnp";
        writeFile(file, std::vector<unsigned char>(1500, 0x66));
        CHILD_CHECK(::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        InProcessInstrument child;
        CHILD_CHECK(!child.plugin->saveProgramFile(0, file.c_str()));
        CHILD_CHECK(!child.plugin->saveBankFile((mountPoint + "/new.vnb").c_str()));
        CHILD_CHECK(readFile(file) == std::vector<unsigned char>(1500, 0x66));
        return 0;
    });
    if (code == kSkipped)
        GTEST_SKIP() << "no right to mount a tmpfs here";
    EXPECT_EQ(code, 0);
}

// FIFOs, devices and folders are refused at once, never waited on: a FIFO
// has no writer, and loading from it must not hang the host. Saving onto one
// is refused too, and leaves it what it was.
TEST_F(FileFaults, FifosDevicesAndFoldersAreRefusedWithoutBlocking)
{
    const std::string fifo = dir.file("pipe.vnp");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::vector<unsigned char> bank = bankBytes(*k);
    auto attempt = std::async(std::launch::async, [&] {
        bool any = k->loadProgramFile(5, fifo.c_str());
        any |= k->loadBankFile(fifo.c_str());
        any |= k->saveProgramFile(5, fifo.c_str());
        any |= k->saveBankFile(fifo.c_str());
        return any;
    });
    if (attempt.wait_for(std::chrono::seconds(30)) != std::future_status::ready)
    {
        // Free the blocked call so that the test can end, then fail.
        int w = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        ADD_FAILURE() << "an operation on a FIFO blocked";
        attempt.wait();
        ::close(w);
        return;
    }
    EXPECT_FALSE(attempt.get());
    struct stat st;
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A folder and a character device (a private copy of /dev/zero where we
    // may make one) load nothing: the bank keeps its bytes.
    EXPECT_FALSE(k->loadBankFile(dir.path.c_str()));
    EXPECT_FALSE(k->saveBankFile(dir.path.c_str()));
    const std::string zero = dir.file("zero");
    const bool madeDevice = ::mknod(zero.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    if (madeDevice)
    {
        EXPECT_FALSE(k->loadBankFile(zero.c_str()));
        EXPECT_FALSE(k->saveProgramFile(0, zero.c_str()));
        ASSERT_EQ(::lstat(zero.c_str(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
    const std::vector<unsigned char> after = bankBytes(*k);
    // The path texts name the files tried; the rest of the bank is untouched.
    for (int p = 0; p < 64; ++p)
        EXPECT_EQ(std::memcmp(after.data() + p * 1500, bank.data() + p * 1500, 448), 0) << p;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), madeDevice ? 2 : 1);
}

} // namespace
