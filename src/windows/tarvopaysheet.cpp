// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "tarvopaysheet.h"

#include "gamelook.h"
#include "oddswindow.h"
#include "paysheetpicture.h"
#include "twips.h"

#include <QPainter>
#include <QPushButton>

namespace windows {

tarvopaysheet::tarvopaysheet(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("tarvopaysheet"));
    setWindowTitle(tr("Payout  Schedule "));
    // Closing, by the button or the frame, ends this window; whoever holds it sees the reference cleared.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(9180), pixels(6195));

    auto* close = new QPushButton(tr("close pay sheet"), this);
    close->setObjectName(QStringLiteral("SSCommand1"));
    const QFont font = gameFontAt(9.75);
    close->setFont(font);
    // Below the notes, off the table: a button must not hide a cell.
    constexpr int oddsWidth = 96, gap = 4, top = 372;
    const QSize size(pixels(2205), pixels(435));
    close->setGeometry((width() - size.width() - gap - oddsWidth) / 2, top, size.width(), size.height());
    close->setCursor(Qt::PointingHandCursor);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Beside it, the odds behind the table.
    auto* oddsButton = new QPushButton(tr("odds"), this);
    oddsButton->setObjectName(QStringLiteral("oddsbutton"));
    oddsButton->setFont(font);
    oddsButton->setGeometry(close->geometry().right() + 1 + gap, close->y(), oddsWidth, close->height());
    oddsButton->setCursor(Qt::PointingHandCursor);
    connect(oddsButton, &QPushButton::clicked, this, [this] {
        if (!odds) {
            odds = new oddswindow(this);
            odds->adjustSize();
            ownBy(odds, this);
        }
        odds->show();
        odds->activateWindow();
    });
}

void tarvopaysheet::paintEvent(QPaintEvent*)
{
    if (sheet.isNull() || sheet.devicePixelRatio() != devicePixelRatioF())
        sheet = paysheet::picture(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(0, 0, sheet);
}

} // namespace windows
