// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QWidget>

namespace windows {

// The exact odds and the return to player, opened from the payout schedule:
// what each prize's chance is ("1 in N") and how the hits of a flute fall (in
// percent), as tables.
class oddswindow : public QWidget {
    Q_OBJECT
public:
    explicit oddswindow(QWidget* parent = nullptr);
};

} // namespace windows
