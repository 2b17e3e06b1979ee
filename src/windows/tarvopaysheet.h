// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QPointer>
#include <QWidget>

namespace windows {

class oddswindow;

// The payout schedule beside the game: not modal, it changes nothing. Its
// "odds" button opens the exact odds behind the table, once.
class tarvopaysheet : public QWidget {
    Q_OBJECT
public:
    explicit tarvopaysheet(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage sheet;
    QPointer<oddswindow> odds;
};

} // namespace windows
