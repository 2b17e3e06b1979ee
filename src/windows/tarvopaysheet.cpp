// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "tarvopaysheet.h"

#include "centring.h"
#include "oddswindow.h"
#include "paysheetpicture.h"

#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace windows {

tarvopaysheet::tarvopaysheet(QWidget* parent) : QWidget(parent, Qt::Window), sheet(paysheet::picture())
{
    setObjectName(QStringLiteral("tarvopaysheet"));
    setWindowTitle(QStringLiteral("Payout  Schedule "));
    // Closing, by the button or the frame, ends this window; whoever holds it sees the reference cleared.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(9180 / 15, 6195 / 15);

    auto* close = new QPushButton(QStringLiteral("close pay sheet"), this);
    close->setObjectName(QStringLiteral("SSCommand1"));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    close->setFont(font);
    close->setGeometry(2100 / 15, 3270 / 15, 2205 / 15, 435 / 15);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Beside it, on the plain cells that pay nothing, the odds behind the table.
    auto* oddsButton = new QPushButton(QStringLiteral("odds"), this);
    oddsButton->setObjectName(QStringLiteral("oddsbutton"));
    oddsButton->setFont(font);
    oddsButton->setGeometry(close->geometry().right() + 4, close->y(), 96, close->height());
    connect(oddsButton, &QPushButton::clicked, this, [this] {
        if (!odds) {
            odds = new oddswindow(this);
            odds->move(centredOrigin(frameGeometry(), odds->frameGeometry().size()));
        }
        odds->show();
        odds->activateWindow();
    });

    if (const QScreen* screen = this->screen())
        move(centredOrigin(screen->geometry(), frameGeometry().size()));
}

void tarvopaysheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, sheet);
}

} // namespace windows
