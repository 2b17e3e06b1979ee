// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "checkedfile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
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

// Writes \p bytes to a new file beside \p target and syncs it; returns its
// name, or empty with \p problem set (nothing is left behind then).
std::string writeBeside(const Target& target, const std::string& bytes, std::string& problem)
{
    const QString folder = QFileInfo(QString::fromStdString(target.path)).path();
    if (!QDir().mkpath(folder)) {
        problem = "its folder cannot be made";
        return {};
    }
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0) {
        problem = failed("it is read-only", errno);
        return {};
    }
    std::string name;
    Fd out{-1};
    for (int n = 0; out.fd < 0; ++n) {
        name = target.path + '.' + std::to_string(::getpid()) + '.' + std::to_string(n) + ".new";
        // New files get the usual 0666 less the umask, as any other would.
        out.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (out.fd < 0 && errno != EEXIST) {
            problem = failed("no file can be made beside it", errno);
            return {};
        }
    }
    const auto fail = [&](const char* what) {
        problem = failed(what, errno);
        ::unlink(name.c_str());
        return std::string();
    };
    if (target.exists) {
        if (::fchmod(out.fd, target.info.st_mode & 07777) != 0)
            return fail("its permissions cannot be kept");
        // Only root can give the file back to its owner; others own it anyway.
        if (target.info.st_uid != ::geteuid() || target.info.st_gid != ::getegid())
            (void)!::fchown(out.fd, target.info.st_uid, target.info.st_gid);
    }
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

bool readAll(const std::string& file, std::string& into)
{
    Fd in{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0)
        return false;
    into.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        into.append(buffer, std::size_t(n));
    }
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
    std::string back;
    if (!readAll(written, back) || back != bytes) {
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
    const std::string written = writeBeside(*target, std::string(bytes, '\n'), problem);
    if (!written.empty())
        ::unlink(written.c_str());
    return problem;
}

std::optional<std::string> readRegularFile(const std::string& file, std::string& problem)
{
    const auto target = resolve(file, problem);
    if (!target)
        return std::nullopt;
    std::string text;
    if (target->exists && !readAll(target->path, text)) {
        problem = failed("it cannot be read", errno);
        return std::nullopt;
    }
    return text;
}

} // namespace platform
