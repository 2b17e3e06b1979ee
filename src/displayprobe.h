// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

struct xcb_connection_t;

// Qt ends the program with an abort when no window system answers, so the
// game looks for one first, the way Qt's X11 and Wayland plugins would.
class DisplayProbe {
    Q_DECLARE_TR_FUNCTIONS(DisplayProbe)

public:
    // `platform` and `display` are the -platform and -display options, empty
    // when not given; the environment fills in the rest.
    DisplayProbe(const std::string& platform, const std::string& display);
    // An X server resets when its last client leaves, and refuses clients
    // while it does; so the probe's connection is kept until Qt has its own.
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // Why no graphical display can be reached, in the player's words; empty
    // when one can, or when the Qt platform asked for needs none (offscreen...).
    const QString& missing() const { return why; }

private:
    bool xAnswers(const std::string& display);

    xcb_connection_t* x = nullptr;
    QString why;
};
