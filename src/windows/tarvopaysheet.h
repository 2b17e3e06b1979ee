// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QWidget>

namespace windows {

// The payout schedule beside the game: not modal, it changes nothing.
class tarvopaysheet : public QWidget {
    Q_OBJECT
public:
    explicit tarvopaysheet(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage sheet;
};

} // namespace windows
