// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "terminationsignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {
int pipeEnds[2] = {-1, -1};
// A desktop logging out, Ctrl-C, the terminal that started the game closing,
// Ctrl-\, and the signals a user or a script sends to end a program: each
// ends the game as its close box does (SIGQUIT without a core dump).
constexpr int endings[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM};

void onSignal(int)
{
    // Only async-signal-safe work here: the window thread does the rest. The
    // write never blocks: a full socket already holds a wake-up.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

void handle(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endings)
        sigaction(signal, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    // A reader that went away (a closed pipe) is not an ending.
    std::signal(SIGPIPE, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0)
        return;
    notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[256];
        while (::read(pipeEnds[1], bytes, sizeof bytes) > 0) {
        }
        emit terminationRequested();
    });
    handle(onSignal);
}

TerminationSignals::~TerminationSignals()
{
    // The game has ended and saved: signals still on their way change nothing,
    // not even the exit status.
    handle(SIG_IGN);
    delete notifier;
    notifier = nullptr;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

} // namespace platform
