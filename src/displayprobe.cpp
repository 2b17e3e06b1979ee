// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "displayprobe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// As libwayland-client finds its compositor.
bool waylandAnswers(const std::string& name)
{
    if (!environment("WAYLAND_SOCKET").empty())
        return true; // handed an open connection
    std::string path = name.empty() ? "wayland-0" : name;
    if (path.front() != '/') {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answered = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answered;
}

} // namespace

DisplayProbe::DisplayProbe(const std::string& platform, const std::string& display)
{
    // Qt tries the plugins of a list like "wayland;xcb" in turn; a plugin's
    // own arguments follow a colon.
    std::string plugins = platform.empty() ? environment("QT_QPA_PLATFORM") : platform;
    bool tryWayland = plugins.empty(), tryX = plugins.empty();
    for (std::size_t start = 0; start < plugins.size();) {
        const std::size_t end = std::min(plugins.find(';', start), plugins.size());
        const std::string plugin = plugins.substr(start, std::min(plugins.find(':', start), end) - start);
        if (plugin == "xcb")
            tryX = true;
        else if (plugin.starts_with("wayland"))
            tryWayland = true;
        else if (!plugin.empty())
            return; // a platform without a display server
        start = end + 1;
    }

    const std::string wayland = environment("WAYLAND_DISPLAY");
    const std::string xDisplay = display.empty() ? environment("DISPLAY") : display;
    if ((tryWayland && waylandAnswers(wayland)) || (tryX && !xDisplay.empty() && xAnswers(xDisplay)))
        return;

    QString unreached;
    if (tryX && !xDisplay.empty())
        unreached = QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(xDisplay);
    if (tryWayland && !wayland.empty()) {
        const QString name = QStringLiteral("WAYLAND_DISPLAY=") + QString::fromLocal8Bit(wayland);
        unreached = unreached.isEmpty() ? name : tr("%1 and %2").arg(unreached, name);
    }
    const QString reason = !unreached.isEmpty()     ? tr("%1 cannot be reached").arg(unreached)
                           : tryX && tryWayland ? tr("neither DISPLAY nor WAYLAND_DISPLAY is set")
                           : tryX               ? tr("DISPLAY is not set")
                                                : tr("WAYLAND_DISPLAY is not set");
    why = tr("no graphical display was found: %1").arg(reason);
}

DisplayProbe::~DisplayProbe()
{
    if (x)
        xcb_disconnect(x);
}

// The same connection Qt's X11 plugin makes, authorisation included.
bool DisplayProbe::xAnswers(const std::string& display)
{
    // A busy X server now and then turns a connection away that it takes a
    // moment later; a display that is not there fails every try, a second
    // in all.
    for (int tries = 10;; --tries) {
        x = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(x) == 0)
            return true;
        if (tries == 1)
            return false;
        xcb_disconnect(x);
        x = nullptr;
        usleep(100'000);
    }
}
