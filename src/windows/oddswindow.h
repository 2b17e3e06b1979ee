// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QWidget>

namespace windows {

// The exact odds and the return to player, opened from the payout schedule.
class oddswindow : public QWidget {
    Q_OBJECT
public:
    explicit oddswindow(QWidget* parent = nullptr);
};

} // namespace windows
