// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "oddswindow.h"

#include "game/odds.h"
#include "game/paytable.h"
#include "oddstable.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace windows {

namespace {
constexpr int maxHits = 11;

// A read-only table whose every cell shows whole, rows headed by the spots.
QTableWidget* table(QWidget* parent, const QStringList& headings, const QList<QStringList>& rows)
{
    auto* t = new QTableWidget(int(rows.size()), int(headings.size()), parent);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList spots;
    for (int r = 0; r < rows.size(); ++r) {
        spots << oddswindow::tr("%1 spots").arg(game::paytable::minSpots + r);
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* cell = new QTableWidgetItem(rows[r][c]);
            cell->setTextAlignment(Qt::AlignCenter);
            t->setItem(r, c, cell);
        }
    }
    t->setVerticalHeaderLabels(spots);
    t->resizeColumnsToContents();
    t->resizeRowsToContents();
    t->setFixedSize(t->verticalHeader()->sizeHint().width() + t->horizontalHeader()->length() + 2 * t->frameWidth(),
                    t->horizontalHeader()->sizeHint().height() + t->verticalHeader()->length() + 2 * t->frameWidth());
    return t;
}

} // namespace

oddswindow::oddswindow(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("oddswindow"));
    setWindowTitle(tr("Odds and Return to Player"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QStringList> prizes;
    std::array<QList<QStringList>, 2> hits;
    for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots) {
        const game::odds::Flute f = game::odds::flute(spots);
        prizes << QStringList{oneIn(f.linePrize), oneIn(f.topPrize), oneIn(f.extraBalls),
                              f.extraBalls > 0 ? QString::number(double(f.extraBallsPay), 'f', 2) : QStringLiteral("-"),
                              tr("%1 %").arg(percent(f.rtp))};
        for (std::size_t wild = 0; wild < 2; ++wild) {
            QStringList row;
            for (int h = 0; h <= maxHits; ++h)
                row << percent(f.hits[wild][std::size_t(h)]);
            hits[wild] << row;
        }
    }
    const auto heading = [&](const QString& words) {
        auto* label = new QLabel(words, this);
        label->setWordWrap(false);
        layout->addWidget(label);
    };
    heading(tr("One flute, the 20 balls of a play and then the 3 extra balls when won:"));
    layout->addWidget(table(this,
                            {tr("line prize"), tr("top prize"), tr("extra balls"),
                             tr("coins per coin\nafter them"), tr("return\nto player")},
                            prizes));
    QStringList hitHeadings;
    for (int h = 0; h <= maxHits; ++h)
        hitHeadings << tr("%1 hits").arg(h);
    heading(tr("Hits in the 20 balls without the wild ball, in percent of all flutes:"));
    layout->addWidget(table(this, hitHeadings, hits[0]));
    heading(tr("Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:"));
    layout->addWidget(table(this, hitHeadings, hits[1]));

    auto* close = new QPushButton(tr("close"), this);
    close->setObjectName(QStringLiteral("closeodds"));
    close->setCursor(Qt::PointingHandCursor);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace windows
