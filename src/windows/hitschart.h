// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QWidget>
#include <vector>

namespace windows {

// Bars in the game's look: for every number of hits the flutes observed
// (yellow) beside the number a fair draw gives on average (white frame).
class HitsChart : public QWidget {
    Q_OBJECT
public:
    // observed[h] and expected[h] for h = 0, 1, ... hits.
    HitsChart(std::vector<double> observed, std::vector<double> expected, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {560, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> observed;
    std::vector<double> expected;
};

} // namespace windows
