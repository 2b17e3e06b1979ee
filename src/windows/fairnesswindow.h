// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "history/fairness.h"

#include <QWidget>

namespace windows {

// The fairness check of a player's draws: for each number of spots played
// the hits observed against a fair draw's, with a chi-square verdict; the
// return so far against the exact one; the wild ball's share; how often
// each number was drawn.
class fairnesswindow : public QWidget {
    Q_OBJECT
public:
    fairnesswindow(const history::Figures& figures, QWidget* parent = nullptr);

    // A test's verdict in plain words.
    static QString verdict(const history::FitTest& test);
    // The coins won per coin bet against a fair draw's, with its band.
    static QString returned(const history::Return& back);
};

} // namespace windows
