// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordguard.h"

#include <QCryptographicHash>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// The file itself: every link followed, also one to a file not made yet,
// and the folders resolved as far as they exist.
std::string realPath(const std::string& file)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path path = fs::absolute(file, error);
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hop) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    const fs::path real = fs::weakly_canonical(path, error);
    return error ? path.lexically_normal().string() : real.string();
}

sockaddr_un addressOf(const std::string& name, socklen_t& length)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

} // namespace

std::shared_ptr<RecordGuard> RecordGuard::of(const std::string& file)
{
    const std::string path = realPath(file);
    const std::string name =
        "slot_vorlane/" +
        QCryptographicHash::hash(QByteArray::fromStdString(path), QCryptographicHash::Sha256).toHex().toStdString();
    static std::map<std::string, std::weak_ptr<RecordGuard>> guards;
    std::weak_ptr<RecordGuard>& slot = guards[name];
    auto guard = slot.lock();
    if (!guard) {
        guard.reset(new RecordGuard(name));
        slot = guard;
    }
    guard->ours();
    return guard;
}

RecordGuard::RecordGuard(std::string name) : name(std::move(name)) {}

RecordGuard::~RecordGuard() { release(); }

bool RecordGuard::ours()
{
    if (released)
        return false;
    if (fd >= 0 || unavailable)
        return true;
    fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        unavailable = true;
        return true;
    }
    socklen_t length;
    const sockaddr_un address = addressOf(name, length);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(fd, 8) != 0) {
        unavailable = errno != EADDRINUSE;
        ::close(fd);
        fd = -1;
        return unavailable;
    }
    door = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(door, &QSocketNotifier::activated, this, [this] {
        while (true) {
            const int knocker = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (knocker < 0)
                break;
            ::close(knocker);
            emit knocked();
        }
    });
    return true;
}

bool RecordGuard::knock() const
{
    socklen_t length;
    const sockaddr_un address = addressOf(name, length);
    // The holder binds and then listens: a knock between the two is refused.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int knocker = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (knocker < 0)
            return false;
        const bool answered = ::connect(knocker, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        const int error = errno;
        ::close(knocker);
        if (answered)
            return true;
        if (error != ECONNREFUSED)
            return false;
        QThread::msleep(25);
    }
    return false;
}

void RecordGuard::release()
{
    released = true;
    delete door;
    door = nullptr;
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace platform
