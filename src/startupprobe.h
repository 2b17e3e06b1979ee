// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

// For measuring start-up only: when SLOT_VORLANE_STARTUP_FROM holds the
// launch time (wall-clock nanoseconds, as `date +%s%N` prints it), the
// first painted frame of the field prints the milliseconds since then and
// closes the window. A normal start never sets it.
class StartupProbe : public QObject {
public:
    StartupProbe(QWidget* field, QWidget* window, qint64 launchedNs) : field(field), window(window), launched(launchedNs)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == field && event->type() == QEvent::Paint && !painted) {
            painted = true;
            // Queued: the frame counts once it has been painted and flushed.
            QTimer::singleShot(0, this, [this] {
                using namespace std::chrono;
                const qint64 now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
                std::printf("first frame %.1f ms\n", double(now - launched) / 1e6);
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    QWidget* field;
    QWidget* window;
    qint64 launched;
    bool painted = false;
};
