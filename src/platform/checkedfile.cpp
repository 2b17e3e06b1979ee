// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "checkedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <climits>
#include <utility>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string failed(const char* what, int error) { return std::string(what) + " (" + std::strerror(error) + ")"; }

// Closes on every path out.
struct Fd {
    Fd(int fd) : fd(fd) {}
    Fd(Fd&& other) noexcept : fd(other.release()) {}
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

struct Target {
    std::string path; // the regular file itself, links followed
    bool exists = false;
    struct stat info = {};
};

std::optional<Target> resolve(const std::string& file, std::string& problem)
{
    Target target{file};
    struct stat link;
    if (::lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(file.c_str(), resolved)) {
            problem = failed("it is a link to a file that cannot be reached", errno);
            return std::nullopt;
        }
        target.path = resolved;
    }
    if (::stat(target.path.c_str(), &target.info) != 0) {
        if (errno == ENOENT)
            return target;
        problem = failed("it cannot be looked at", errno);
        return std::nullopt;
    }
    if (!S_ISREG(target.info.st_mode)) {
        problem = "it is not a regular file";
        return std::nullopt;
    }
    target.exists = true;
    return target;
}

// A new file beside \p target, with its permissions; its name in \p name,
// or no file with \p problem set.
Fd makeBeside(const Target& target, std::string& name, std::string& problem)
{
    const QString folder = QFileInfo(QString::fromStdString(target.path)).path();
    if (!QDir().mkpath(folder)) {
        problem = "its folder cannot be made";
        return {-1};
    }
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0) {
        problem = failed("it is read-only", errno);
        return {-1};
    }
    Fd out{-1};
    for (int n = 0; out.fd < 0; ++n) {
        // Named after this program, so another can tell it from one left by a kill.
        name = target.path + '.' + std::to_string(::getpid()) + '.' + std::to_string(n) + ".new";
        // New files get the usual 0666 less the umask, as any other would.
        out.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (out.fd < 0 && errno != EEXIST) {
            problem = failed("no file can be made beside it", errno);
            return {-1};
        }
    }
    if (target.exists) {
        if (::fchmod(out.fd, target.info.st_mode & 07777) != 0) {
            problem = failed("its permissions cannot be kept", errno);
            ::unlink(name.c_str());
            return {-1};
        }
        // Only root can give the file back to its owner; others own it anyway.
        if (target.info.st_uid != ::geteuid() || target.info.st_gid != ::getegid())
            (void)!::fchown(out.fd, target.info.st_uid, target.info.st_gid);
    }
    return out;
}

// Writes \p bytes to a new file beside \p target and syncs it; returns its
// name, or empty with \p problem set (nothing is left behind then).
std::string writeBeside(const Target& target, const std::string& bytes, std::string& problem)
{
    std::string name;
    Fd out = makeBeside(target, name, problem);
    if (out.fd < 0)
        return {};
    const auto fail = [&](const char* what) {
        problem = failed(what, errno);
        ::unlink(name.c_str());
        return std::string();
    };
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(out.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail("writing failed");
        done += std::size_t(n);
    }
    if (::fsync(out.fd) != 0)
        return fail("writing failed when it was flushed to the disk");
    if (::close(out.release()) != 0)
        return fail("writing failed when the file was closed");
    return name;
}

// Reads \p fd to its end, handing each piece to \p take; false on an error
// or when \p take says stop.
template <typename Take> bool readPieces(int fd, Take take)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!take(buffer, std::size_t(n)))
            return false;
    }
}

// Whether \p file holds exactly \p bytes, compared a piece at a time.
bool holds(const std::string& file, const std::string& bytes)
{
    Fd in{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    std::size_t done = 0;
    return in.fd >= 0 &&
           readPieces(in.fd,
                      [&](const char* piece, std::size_t n) {
                          const bool same = done + n <= bytes.size() && bytes.compare(done, n, piece, n) == 0;
                          done += n;
                          return same;
                      }) &&
           done == bytes.size();
}

FileStamp stampFrom(const struct stat& info)
{
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::uint64_t(info.st_size),
            std::uint64_t(info.st_mtim.tv_sec) * 1000000000u + std::uint64_t(info.st_mtim.tv_nsec)};
}

bool readAll(const std::string& file, std::string& into, std::optional<FileStamp>* stamp)
{
    Fd in{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info;
    if (in.fd < 0 || ::fstat(in.fd, &info) != 0)
        return false;
    if (stamp)
        *stamp = stampFrom(info);
    into.clear();
    into.reserve(std::size_t(info.st_size));
    return readPieces(in.fd, [&](const char* piece, std::size_t n) {
        into.append(piece, n);
        return true;
    });
}

bool syncFolder(const std::string& path)
{
    const std::string folder = QFileInfo(QString::fromStdString(path)).path().toStdString();
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return dir.fd >= 0 && ::fsync(dir.fd) == 0;
}

} // namespace

std::string replaceFile(const std::string& file, const std::string& bytes)
{
    std::string problem;
    const auto target = resolve(file, problem);
    if (!target)
        return problem;
    const std::string written = writeBeside(*target, bytes, problem);
    if (written.empty())
        return problem;
    if (!holds(written, bytes)) {
        ::unlink(written.c_str());
        return "what was written did not read back the same";
    }
    if (::rename(written.c_str(), target->path.c_str()) != 0) {
        problem = failed("the new file could not take the old one's place", errno);
        ::unlink(written.c_str());
        return problem;
    }
    if (!syncFolder(target->path))
        return failed("the folder could not be flushed to the disk", errno);
    return {};
}

std::string checkReplaceable(const std::string& file, std::size_t bytes)
{
    std::string problem;
    const auto target = resolve(file, problem);
    if (!target)
        return problem;
    std::string name;
    const Fd trial = makeBeside(*target, name, problem);
    if (trial.fd < 0)
        return problem;
    if (const int error = ::posix_fallocate(trial.fd, 0, off_t(bytes)); error != 0)
        problem = failed("writing failed", error);
    ::unlink(name.c_str());
    return problem;
}

std::optional<FileStamp> stampOf(const std::string& file)
{
    struct stat info;
    if (::stat(file.c_str(), &info) != 0)
        return std::nullopt;
    return stampFrom(info);
}

std::optional<std::string> readRegularFile(const std::string& file, std::string& problem,
                                           std::optional<FileStamp>* stamp)
{
    const auto target = resolve(file, problem);
    if (!target)
        return std::nullopt;
    std::string text;
    if (stamp)
        stamp->reset();
    if (target->exists && !readAll(target->path, text, stamp)) {
        problem = failed("it cannot be read", errno);
        return std::nullopt;
    }
    return text;
}

void removeLeftovers(const std::string& file)
{
    std::string problem;
    const auto target = resolve(file, problem);
    if (!target)
        return;
    const QFileInfo path(QString::fromStdString(target->path));
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(path.fileName()) + QStringLiteral("\\.(\\d+)\\.\\d+\\.new")));
    for (const QString& name : path.dir().entryList(QDir::Files)) {
        const QRegularExpressionMatch match = ours.match(name);
        // A program that is still there may be writing it; this program's
        // number may have been another's before.
        const pid_t writer = pid_t(match.captured(1).toLongLong());
        if (match.hasMatch() && (writer == ::getpid() || (::kill(writer, 0) != 0 && errno == ESRCH)))
            ::unlink(path.dir().filePath(name).toLocal8Bit().constData());
    }
}

} // namespace platform
