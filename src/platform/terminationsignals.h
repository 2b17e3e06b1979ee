// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Turns the signals that end a program (SIGTERM, SIGINT, SIGHUP, SIGQUIT,
// SIGUSR1, SIGUSR2, SIGALRM) into a Qt signal on the window thread, so the
// program ends as its close box would, however many arrive; SIGPIPE is
// ignored.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier = nullptr;
};

} // namespace platform
