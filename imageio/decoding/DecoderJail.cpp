#include "imageio/decoding/DecoderJail.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/landlock.h>
#include <sched.h>
#include <seccomp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KOLVIRA_SANITIZED_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) ||                         \
    __has_feature(memory_sanitizer)
#define KOLVIRA_SANITIZED_BUILD 1
#endif
#endif

namespace kolvira {
namespace {

// The address space a decode may use: QImageReader's allocation limit with
// room for the decoder's own buffers, its threads' stacks and the libraries.
constexpr rlim_t kDecoderAddressSpace = rlim_t{6} << 30;

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

void LimitResources(std::chrono::milliseconds cpuLimit) {
#ifndef KOLVIRA_SANITIZED_BUILD // the sanitizers reserve terabytes of shadow memory
    const rlimit addressSpace{kDecoderAddressSpace, kDecoderAddressSpace};
    ::setrlimit(RLIMIT_AS, &addressSpace);
#endif
    // The parent's watchdog ends a decode on time; this ends it should the
    // parent be gone. A second more for the start and the answer.
    const rlim_t seconds = rlim_t((cpuLimit.count() + 999) / 1000 + 1);
    const rlimit cpu{seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
}

long LandlockAbi() {
    return ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
}

// Lets the files under `folder` be read.
bool AllowReading(int ruleset, const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return true; // a folder that is not there holds nothing to read
    landlock_path_beneath_attr beneath{};
    beneath.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE;
    beneath.parent_fd = fd;
    const bool added =
        ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0) == 0;
    ::close(fd);
    return added;
}

// Whether the kernel's Landlock took a ruleset that handles every
// filesystem access it knows and allows none but reading `readable`.
bool ForbidEveryFile(const QStringList& readable, QString& reason) {
    const long abi = LandlockAbi();
    if (abi < 1) {
        reason = QStringLiteral("Landlock: %1").arg(ErrnoText(errno));
        return false;
    }
    landlock_ruleset_attr attributes{};
    attributes.handled_access_fs = (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1;
    if (abi >= 2)
        attributes.handled_access_fs |= LANDLOCK_ACCESS_FS_MAKE_SYM << 1; // renames across folders
    if (abi >= 3)
        attributes.handled_access_fs |= LANDLOCK_ACCESS_FS_MAKE_SYM << 2; // truncation
    const int ruleset =
        int(::syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0));
    if (ruleset < 0) {
        reason = QStringLiteral("Landlock: %1").arg(ErrnoText(errno));
        return false;
    }
    bool restricted = true;
    for (const QString& folder : readable)
        restricted = restricted && AllowReading(ruleset, folder);
    restricted = restricted && ::syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    if (!restricted)
        reason = QStringLiteral("Landlock: %1").arg(ErrnoText(errno));
    ::close(ruleset);
    return restricted;
}

// What decoding needs of the kernel once the picture is in memory: its own
// memory, threads, clocks and signals, reading the descriptors it has (no
// other can be opened), writing its answer and messages and moving stderr
// back from the file that collected the codecs' lines. Mapped or protected
// memory never becomes executable.
int AllowDecoding(scmp_filter_ctx filter, bool openForReading) {
    int failed = 0; // the first failure's negative errno
    const auto keep = [&](int result) {
        if (failed == 0)
            failed = result;
    };
    const auto allow = [&](int call, auto... conditions) {
        keep(seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, sizeof...(conditions), conditions...));
    };
    for (const int call :
         {SCMP_SYS(munmap),       SCMP_SYS(mremap),       SCMP_SYS(madvise),
          SCMP_SYS(brk),          SCMP_SYS(futex),        SCMP_SYS(set_robust_list),
          SCMP_SYS(rseq),         SCMP_SYS(sched_yield),  SCMP_SYS(sched_getaffinity),
          SCMP_SYS(getpid),       SCMP_SYS(gettid),       SCMP_SYS(clock_gettime),
          SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday), SCMP_SYS(clock_nanosleep),
          SCMP_SYS(nanosleep),    SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigprocmask),
          SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack),  SCMP_SYS(restart_syscall),
          SCMP_SYS(getrandom),    SCMP_SYS(sysinfo),      SCMP_SYS(read),
          SCMP_SYS(close),        SCMP_SYS(fstat),        SCMP_SYS(dup2),
          SCMP_SYS(lseek),        SCMP_SYS(exit),         SCMP_SYS(exit_group)})
        allow(call);
    allow(SCMP_SYS(mmap), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    allow(SCMP_SYS(mprotect), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    allow(SCMP_SYS(write), SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
    allow(SCMP_SYS(write), SCMP_A0(SCMP_CMP_EQ, STDERR_FILENO));
    // glibc's fstat(): newfstatat on the descriptor itself, no path.
    allow(SCMP_SYS(newfstatat), SCMP_A3(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH));
    // Only Landlock's folders can be read; nothing can be written.
    if (openForReading) {
        allow(SCMP_SYS(openat), SCMP_A2(SCMP_CMP_MASKED_EQ,
                                        O_ACCMODE | O_CREAT | O_TRUNC | O_APPEND | __O_TMPFILE, 0));
        allow(SCMP_SYS(fcntl), SCMP_A1(SCMP_CMP_EQ, F_SETFD)); // FreeType's close-on-exec
    }
    // Threads, never processes; Qt's threads each make an event descriptor.
    allow(SCMP_SYS(eventfd2));
    allow(SCMP_SYS(clone), SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD));
    // clone3 keeps its flags where a filter cannot look: glibc then uses clone.
    keep(seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0));
    // A signal to itself: abort(), raise(), a thread's name.
    allow(SCMP_SYS(tgkill), SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(::getpid())));
    allow(SCMP_SYS(prctl), SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME));
    return failed;
}

bool KeepToDecoding(bool openForReading, QString& reason) {
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_KILL_PROCESS);
    if (filter == nullptr) {
        reason = QStringLiteral("seccomp: the filter could not be made");
        return false;
    }
    // Threads started while the libraries loaded are shut in too.
    int failed = seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1);
    if (failed == 0)
        failed = AllowDecoding(filter, openForReading);
    if (failed == 0)
        failed = seccomp_load(filter);
    seccomp_release(filter);
    if (failed != 0)
        reason = QStringLiteral("seccomp: %1").arg(ErrnoText(-failed));
    return failed == 0;
}

} // namespace

void CloseInheritedDescriptors() {
    if (::close_range(STDERR_FILENO + 1, ~0u, 0) == 0)
        return;
    const long most = ::sysconf(_SC_OPEN_MAX);
    for (int fd = STDERR_FILENO + 1; fd < most; ++fd)
        ::close(fd);
}

bool CanKeepReadingFolders() {
#ifdef KOLVIRA_SANITIZED_BUILD
    return false;
#endif
    return LandlockAbi() >= 1;
}

JailState EnterDecoderJail(std::chrono::milliseconds cpuLimit, const QStringList& readable) {
    JailState state;
    LimitResources(cpuLimit);
#ifdef KOLVIRA_SANITIZED_BUILD
    // The sanitizers write their reports to files, and LeakSanitizer stops
    // the threads at exit through a traced process.
    state.reason = QStringLiteral("a sanitizer build");
    return state;
#endif
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        state.reason = QStringLiteral("no_new_privs: %1").arg(ErrnoText(errno));
        return state;
    }
    QString landlockReason;
    const bool landlock = ForbidEveryFile(readable, landlockReason);
    if (!KeepToDecoding(landlock && !readable.isEmpty(), state.reason))
        return state;
    state.jailed = true;
    state.walls = landlock ? QStringLiteral("seccomp, Landlock") : QStringLiteral("seccomp");
    return state;
}

QString DescribeJail(const JailState& state) {
    return state.jailed ? QStringLiteral("jailed (%1)").arg(state.walls)
                        : QStringLiteral("not jailed: %1").arg(state.reason);
}

} // namespace kolvira
