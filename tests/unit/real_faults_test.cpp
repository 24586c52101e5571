// Real faults of the file system, not injected ones: a full file system,
// folders where files are expected, a missing drive folder, files an
// unprivileged user may not read or write, path texts at and past the length
// limit, and folder names whose CP932 characters end in the byte 0x5C. Each
// run ends with the failure of its cause (or completes), keeps the log lines
// appended before it, leaves no descriptor open and deletes nothing.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/cp932.h"
#include "run/conversion.h"
#include "run/messages.h"
#include "run/run_failure.h"
#include "support/failing_file_ops.h"
#include "support/line_log.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

using test::TLineLog;

struct RunResult {
  std::vector<std::string> log;
  int code = -1;  // -1: the run completed
  std::string message;
  long descriptorsLeft = 0;  // open after the run less open before it
};

RunResult RunOnce(const TRunRequest& request) {
  TLineLog log;
  RunResult result;
  const std::size_t descriptors = test::ProcessOpenDescriptors();
  try {
    RunConversion(request, log);
  } catch (const ERunFailure& failure) {
    result.code = failure.code();
    result.message = test::Readable(failure.message());
  }
  result.descriptorsLeft =
      static_cast<long>(test::ProcessOpenDescriptors()) - static_cast<long>(descriptors);
  result.log = std::move(log.lines);
  return result;
}

std::string Cell(int row, int column) { return std::to_string(row * 13 - column); }

// The native folder of a CP932 path text.
fs::path NativeFolder(const std::string& text) {
  std::string native = Cp932ToUtf8(text);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

class RealFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteDisc(disc_.path(), {"392754,a", "392755,b"}, Cell); }

  // Rows 1 to 120 of both sheets, from column 161 of 392754 to column 56 of
  // 392755.
  TRunRequest Request(TOutputFormat format, const std::string& baseName = "out") const {
    TRunRequest r;
    r.dataRoot = disc_.str();
    r.baseName = (out_.path() / baseName).string();
    r.Y_min = "26.45";
    r.Y_max = "26.5";
    r.X_min = "127.6";
    r.X_max = "127.66";
    r.format = format;
    return r;
  }

  std::string IndexPath(const std::string& root) const { return root + "\\zumei.csv"; }
  std::string Out(const std::string& name) const { return test::ReadFile(out_.path() / name); }

  test::TTempFolder disc_, out_;
};

// ---- a full file system ----------------------------------------------------

// A small tmpfs mounted in a mount namespace of this process's own, so the
// mount never shows outside it and goes away with the process. Empty when the
// system refuses (no privilege).
class TSmallFileSystem {
 public:
  static std::optional<fs::path> Mount(const fs::path& at, const char* size) {
    if (::unshare(CLONE_NEWNS) != 0) return std::nullopt;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return std::nullopt;
    fs::create_directories(at);
    const std::string options = std::string("size=") + size;
    if (::mount("tmpfs", at.c_str(), "tmpfs", 0, options.c_str()) != 0) return std::nullopt;
    return at;
  }
};

// Limits the size of any file this process writes; writes past it give EFBIG
// (the signal it would raise is ignored meanwhile).
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }

 private:
  rlimit previous_{};
  void (*previousSignal_)(int);
};

// A region run onto a full file system fails when its first block is refused,
// with the system's number; the .mif holds as much of the clean run's .mif as
// fitted, the .mid (nothing written yet) is empty.
TEST_F(RealFaultsTest, FullFileSystem) {
  ASSERT_EQ(RunOnce(Request(TOutputFormat::ofRegionMif)).code, -1);
  const std::string cleanMif = Out("out.mif");
  ASSERT_GT(cleanMif.size(), 300000u);

  const fs::path mountPoint = out_.path() / "small";
  const std::optional<fs::path> tmpfs = TSmallFileSystem::Mount(mountPoint, "128k");
  std::optional<TFileSizeLimit> limit;
  if (!tmpfs) {
    fs::create_directory(mountPoint);
    limit.emplace(100000);
  }
  SCOPED_TRACE(tmpfs ? "a 128 KiB tmpfs" : "no tmpfs allowed: a file size limit of 100000 bytes");
  const RunResult r = RunOnce(Request(TOutputFormat::ofRegionMif, "small/out"));
  const std::string mif = Out("small/out.mif"), mid = Out("small/out.mid");
  limit.reset();
  if (tmpfs) ::umount2(mountPoint.c_str(), MNT_DETACH);

  EXPECT_EQ(r.descriptorsLeft, 0);
  EXPECT_EQ(r.code, tmpfs ? ENOSPC : EFBIG);
  EXPECT_EQ(r.message, tmpfs ? "I/O ｴﾗｰ (28)" : "I/O ｴﾗｰ (27)");
  EXPECT_EQ(r.log, std::vector<std::string>{IndexPath(disc_.str())});
  EXPECT_GT(mif.size(), 0u);
  EXPECT_LE(mif.size(), tmpfs ? 128u * 1024 : 100000u);
  EXPECT_EQ(cleanMif.compare(0, mif.size(), mif), 0);
  EXPECT_EQ(mid, "");
}

// ---- no regular file where one belongs --------------------------------------

// A folder, a FIFO or a device where an input file is expected is refused as
// access denied, and so is a folder of an output's name: none is read (a FIFO
// would hold the run forever, a device such as /dev/zero never ends). A
// missing drive folder is a name that does not exist. Outputs not yet
// created keep what they held; the ones created are empty (nothing was
// passed on yet).
TEST_F(RealFaultsTest, NoRegularFileWhereOneBelongs) {
  const auto folder = [](const fs::path& path) {
    fs::remove(path);
    fs::create_directory(path);
  };
  const auto fifo = [](const fs::path& path) {
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  };
  const struct {
    const char* why;
    std::function<void(const fs::path& disc, const fs::path& out)> arrange;
    std::string dataRootSuffix;
    TOutputFormat format;
    int code;
    const char* message;
    bool indexLogged;
    std::vector<std::string> created, untouched;
  } cases[] = {
      {"the index is a folder",
       [&](auto& d, auto&) { folder(d / "zumei.csv"); },
       "",
       TOutputFormat::ofXyzText,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       true,
       {"out.txt"},
       {}},
      {"the index is a FIFO",
       [&](auto& d, auto&) { fifo(d / "zumei.csv"); },
       "",
       TOutputFormat::ofXyzText,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       true,
       {"out.txt"},
       {}},
      {"the index links to /dev/zero",
       [](auto& d, auto&) {
         fs::remove(d / "zumei.csv");
         fs::create_symlink("/dev/zero", d / "zumei.csv");
       },
       "",
       TOutputFormat::ofXyzText,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       true,
       {"out.txt"},
       {}},
      {"a grid file is a FIFO",
       [&](auto& d, auto&) { fifo(d / "data/3927/392754.mem"); },
       "",
       TOutputFormat::ofXyzText,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       true,
       {"out.txt"},
       {}},
      {"the .mif is a folder",
       [&](auto&, auto& o) { folder(o / "out.mif"); },
       "",
       TOutputFormat::ofPointMif,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       false,
       {},
       {"out.mid"}},
      {"the .mid is a folder",
       [&](auto&, auto& o) { folder(o / "out.mid"); },
       "",
       TOutputFormat::ofRegionMif,
       5,
       "ﾌｧｲﾙへのｱｸｾｽが拒否されました",
       false,
       {"out.mif"},
       {}},
      {"the drive folder is missing",
       [](auto&, auto&) {},
       "\\E:",
       TOutputFormat::ofPointMif,
       3,
       "不正なﾌｧｲﾙ名です",
       true,
       {"out.mif", "out.mid"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    test::TTempFolder disc, out;
    test::WriteDisc(disc.path(), {"392754,a"}, Cell);
    for (const auto* name : {"out.mif", "out.mid", "out.txt"})
      test::WriteFile(out.path() / name, "old");
    c.arrange(disc.path(), out.path());
    TRunRequest request = Request(c.format);
    request.dataRoot = disc.str() + c.dataRootSuffix;
    request.baseName = (out.path() / "out").string();

    const RunResult r = RunOnce(request);
    EXPECT_EQ(r.descriptorsLeft, 0);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.log, c.indexLogged ? std::vector<std::string>{IndexPath(request.dataRoot)}
                                   : std::vector<std::string>{});
    for (const auto& name : c.created) EXPECT_EQ(test::ReadFile(out.path() / name), "") << name;
    for (const auto& name : c.untouched)
      EXPECT_EQ(test::ReadFile(out.path() / name), "old") << name;
    EXPECT_TRUE(fs::exists(disc.path() / "data/3927/392754.mem"));
  }
}

// ---- files an unprivileged user may not touch --------------------------------

// What a run gave, passed from a child process through a pipe.
std::string Encode(const RunResult& r) {
  std::string bytes =
      std::to_string(r.code) + '\n' + std::to_string(r.descriptorsLeft) + '\n' + r.message + '\n';
  for (const auto& line : r.log) bytes += line + '\n';
  return bytes;
}

RunResult Decode(const std::string& bytes) {
  RunResult r;
  std::vector<std::string> parts;
  for (std::size_t pos = 0, end; pos < bytes.size(); pos = end + 1) {
    end = bytes.find('\n', pos);
    parts.push_back(bytes.substr(pos, end - pos));
  }
  if (parts.size() < 3) return r;
  r.code = std::stoi(parts[0]);
  r.descriptorsLeft = std::stol(parts[1]);
  r.message = parts[2];
  r.log.assign(parts.begin() + 3, parts.end());
  return r;
}

constexpr uid_t kNobody = 65534;

// Runs `request` as an unprivileged user: in this process when it is not
// root (permissions then apply already), otherwise in a child that has
// become the user "nobody". Empty when the child cannot drop its privileges.
std::optional<RunResult> RunUnprivileged(const TRunRequest& request) {
  if (::geteuid() != 0) return RunOnce(request);
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      ::_exit(2);
    const std::string bytes = Encode(RunOnce(request));
    const bool sent =
        ::write(pipeFds[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipeFds[1]);
  std::string bytes;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return Decode(bytes);
}

TEST_F(RealFaultsTest, FilesAnUnprivilegedUserMayNotTouch) {
  const struct {
    const char* why;
    const char* file;  // made unreadable and unwritable: on the disc, or an output
    int logLines;      // lines appended before the failure
  } cases[] = {
      {"an unreadable index", "disc/zumei.csv", 1},
      {"an unreadable grid file", "disc/data/3927/392755.mem", 2},
      {"a read-only output file", "out.mid", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    test::TTempFolder disc, out;
    test::WriteDisc(disc.path(), {"392754,a", "392755,b"}, Cell);
    const auto readWrite = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::group_write | fs::perms::others_read |
                           fs::perms::others_write;
    test::WriteFile(out.path() / "out.mid", "old");
    fs::permissions(out.path() / "out.mid", readWrite);
    fs::permissions(out.path(), fs::perms::all);
    fs::permissions(disc.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const std::string f = c.file;
    const bool onDisc = f.rfind("disc/", 0) == 0;
    const fs::path locked = onDisc ? disc.path() / f.substr(5) : out.path() / f;
    fs::permissions(
        locked, onDisc ? fs::perms::none
                       : fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    TRunRequest request = Request(TOutputFormat::ofPointMif);
    request.dataRoot = disc.str();
    request.baseName = (out.path() / "out").string();
    const std::optional<RunResult> r = RunUnprivileged(request);
    if (!r) GTEST_SKIP() << "cannot run as an unprivileged user here";

    EXPECT_EQ(r->descriptorsLeft, 0);
    EXPECT_EQ(r->code, 5);
    EXPECT_EQ(r->message, "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
    const std::vector<std::string> expected = {IndexPath(disc.str()), "392754,a"};
    EXPECT_EQ(r->log, std::vector<std::string>(expected.begin(), expected.begin() + c.logLines));
    if (c.logLines == 0) {
      EXPECT_EQ(test::ReadFile(out.path() / "out.mid"), "old");
    }
    EXPECT_TRUE(fs::exists(locked));
  }
}

// ---- path texts --------------------------------------------------------------

// A path text of exactly `bytes` CP932 bytes: `base`, then folders named with
// 表 (0x95 0x5C, three bytes in UTF-8), created on the way. Its native path is
// longer than the text, so only the length of the text counts.
std::string FolderText(const fs::path& base, std::size_t bytes) {
  std::string text = base.string();
  while (text.size() < bytes) {
    std::size_t room = std::min<std::size_t>(bytes - text.size() - 1, 160);
    if (bytes - text.size() - 1 - room == 1) --room;  // never leave room for "\" alone
    text += '\\';
    if (room % 2 == 1) text += 'a';
    for (std::size_t i = 0; i < room / 2; ++i) text += "\x95\x5c";
  }
  fs::create_directories(NativeFolder(text));
  return text;
}

// The limit of 259 bytes holds for the texts of the index, grid and output
// paths alike: 259 bytes work, 260 fail before the file system is asked.
// (With the index path at the limit the grid path would pass it, so there
// the index names a sheet outside the rectangle.)
TEST_F(RealFaultsTest, PathTextsAtTheLengthLimit) {
  const std::size_t kIndexTail = std::string("\\zumei.csv").size();
  const std::size_t kGridTail = std::string("\\data\\3927\\392754.mem").size();
  const std::size_t kTxtTail = std::string(".txt").size();
  const std::string far = "533945,far", near = "392754,a";
  const struct {
    const char* why;
    std::size_t rootBytes, outBytes;  // data root text; output base name text
    std::string indexLine;
    int code;
    std::size_t logLines;
  } cases[] = {
      {"index path of 259 bytes", 259 - kIndexTail, 40, far, -1, 2},
      {"index path of 260 bytes", 260 - kIndexTail, 40, far, 3, 1},
      {"grid path of 259 bytes", 259 - kGridTail, 40, near, -1, 3},
      {"grid path of 260 bytes", 260 - kGridTail, 40, near, 3, 1},
      {"output name of 259 bytes", 40, 259 - kTxtTail, near, -1, 3},
      {"output name of 260 bytes", 40, 260 - kTxtTail, near, 3, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    test::TTempFolder folder;
    const std::string root = FolderText(folder.path() / "d", c.rootBytes);
    test::WriteDisc(NativeFolder(root), {c.indexLine}, Cell);
    const std::string base = FolderText(folder.path() / "o", c.outBytes - 4) + "\\out";
    ASSERT_EQ(root.size(), c.rootBytes);
    ASSERT_EQ(base.size(), c.outBytes);

    TRunRequest request = Request(TOutputFormat::ofXyzText);
    request.dataRoot = root;
    request.baseName = base;
    const RunResult r = RunOnce(request);
    EXPECT_EQ(r.descriptorsLeft, 0);
    EXPECT_EQ(r.code, c.code);
    if (c.code == 3) {
      EXPECT_EQ(r.message, "不正なﾌｧｲﾙ名です");
    }
    ASSERT_EQ(r.log.size(), c.logLines);
    if (c.logLines > 0) {
      EXPECT_EQ(r.log[0], IndexPath(root));
    }
    const fs::path txt = NativeFolder(base + ".txt");
    EXPECT_EQ(fs::exists(txt), c.logLines > 0);
    const std::string bytes = test::ReadFile(txt);
    if (c.code == -1) {
      EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), c.indexLine == near ? 120 * 40 : 0);
    }
  }
}

// Folder names holding 表 and ソ, whose second bytes are 0x5C, the byte of
// "\": the run finds its disc and writes its outputs there, byte for byte as
// under a plain folder name.
TEST_F(RealFaultsTest, FolderNamesWithTrailBytesOf5C) {
  for (const auto format : {TOutputFormat::ofPointMif, TOutputFormat::ofXyzText}) {
    const RunResult plain = RunOnce(Request(format));
    ASSERT_EQ(plain.code, -1);
    const std::string extension = format == TOutputFormat::ofXyzText ? ".txt" : ".mif";

    const std::string folder = disc_.str() + "\\\x95\x5c\x83\x5c";  // 表ソ
    fs::create_directory(NativeFolder(folder));
    test::WriteDisc(NativeFolder(folder), {"392754,a", "392755,b"}, Cell);
    TRunRequest request = Request(format);
    request.dataRoot = folder;
    request.baseName = folder + "\\out";
    const RunResult r = RunOnce(request);
    EXPECT_EQ(r.descriptorsLeft, 0);
    EXPECT_EQ(r.code, -1) << r.message;
    ASSERT_EQ(r.log.size(), 4u);
    EXPECT_EQ(r.log[0], folder + "\\zumei.csv");
    EXPECT_EQ(test::ReadFile(NativeFolder(folder) / ("out" + extension)), Out("out" + extension));
  }
}

}  // namespace
}  // namespace velmora
