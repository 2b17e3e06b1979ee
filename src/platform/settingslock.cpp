// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "settingslock.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

std::shared_ptr<SettingsLock> SettingsLock::of(const std::string& file)
{
    static std::map<std::string, std::weak_ptr<SettingsLock>> locks;
    std::weak_ptr<SettingsLock>& slot = locks[file];
    auto lock = slot.lock();
    if (!lock) {
        lock.reset(new SettingsLock(file + ".lock"));
        slot = lock;
    }
    lock->ours();
    return lock;
}

SettingsLock::SettingsLock(const std::string& lockFile)
{
    // The folder may not be there yet on a first run.
    QDir().mkpath(QFileInfo(QString::fromStdString(lockFile)).path());
    fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

SettingsLock::~SettingsLock()
{
    if (fd >= 0)
        ::close(fd);
}

bool SettingsLock::ours()
{
    if (!held && fd >= 0)
        held = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    return held || fd < 0;
}

} // namespace platform
