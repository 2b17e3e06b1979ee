// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fairnesswindow.h"

#include "gamelook.h"
#include "hitschart.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace windows {

namespace {
QString percent(double share) { return QString::number(100 * share, 'f', 2); }

QLabel* line(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// The numbers 1..80 as the board lays them, each with how often it was
// drawn: hotter red the more above a fair draw's average, colder blue below.
QWidget* numberBoard(const history::Figures& f, QWidget* parent)
{
    auto* board = new QWidget(parent);
    auto* grid = new QGridLayout(board);
    grid->setSpacing(2);
    const auto [least, most] = std::minmax_element(f.drawn.begin() + 1, f.drawn.end());
    const double spread = std::max({double(*most) - f.drawnExpected, f.drawnExpected - double(*least), 1.0});
    for (int n = 1; n <= 80; ++n) {
        const double off = (double(f.drawn[std::size_t(n)]) - f.drawnExpected) / spread;
        const QColor face = off >= 0 ? QColor(255, int(255 - 170 * off), int(255 - 170 * off))
                                     : QColor(int(255 + 170 * off), int(255 + 120 * off), 255);
        auto* cell = new QLabel(QStringLiteral("%1\n%2").arg(n).arg(f.drawn[std::size_t(n)]), board);
        cell->setAlignment(Qt::AlignCenter);
        cell->setStyleSheet(QStringLiteral("QLabel { background: %1; color: black; border-radius: 4px; padding: 1px 4px; }")
                                .arg(face.name()));
        grid->addWidget(cell, (n - 1) / 10, (n - 1) % 10);
    }
    return board;
}
} // namespace

QString fairnesswindow::verdict(const history::FitTest& test)
{
    switch (test.verdict) {
    case history::Verdict::consistent:
        return tr("consistent with a fair draw (p = %1)").arg(test.p, 0, 'g', 3);
    case history::Verdict::tooFewFlutes:
        return tr("not enough flutes yet: about %1 more").arg(test.flutesShort);
    case history::Verdict::notConsistent:
        break;
    }
    return tr("not consistent: p = %1").arg(test.p, 0, 'g', 3);
}

QString fairnesswindow::returned(const history::Return& back)
{
    return tr("Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, "
              "and 95 times in 100 between %5 % and %6 %.")
        .arg(percent(back.observed))
        .arg(back.coinsBet)
        .arg(back.coinsWon)
        .arg(percent(back.exact), percent(back.low), percent(back.high));
}

fairnesswindow::fairnesswindow(const history::Figures& f, QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("fairnesswindow"));
    setWindowTitle(tr("Fairness Check"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (f.flutes == 0)
        layout->addWidget(line(tr("No flutes played yet: the check begins with your first play."), this));
    else
        layout->addWidget(line(tr("Your %1 flutes played against the exact odds of a fair draw. A test says "
                                  "\"not consistent\" only when a fair draw would stray so far less than once "
                                  "in a thousand times.")
                                   .arg(f.flutes),
                               this));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("spots"));
    for (const history::SpotsFigures& s : f.bySpots) {
        auto* page = new QWidget(tabs);
        auto* column = new QVBoxLayout(page);
        std::vector<double> observed, expected;
        for (int h = 0; h <= s.spots + 1; ++h) {
            observed.push_back(double(s.observed[0][std::size_t(h)] + s.observed[1][std::size_t(h)]));
            expected.push_back(s.expected[0][std::size_t(h)] + s.expected[1][std::size_t(h)]);
        }
        column->addWidget(new HitsChart(observed, expected, page));
        column->addWidget(line(tr("%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.")
                                   .arg(s.flutes)
                                   .arg(s.fit.chiSquare, 0, 'f', 2)
                                   .arg(s.fit.degreesOfFreedom)
                                   .arg(verdict(s.fit)),
                               page));
        column->addWidget(line(returned(s.back), page));
        tabs->addTab(page, tr("%1 spots").arg(s.spots));
    }
    tabs->setVisible(!f.bySpots.empty());
    layout->addWidget(tabs);
    if (f.flutes > 0) {
        layout->addWidget(line(tr("All plays together. ") + returned(f.back), this));
        layout->addWidget(line(tr("The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); "
                                  "a fair draw: 23 in 487 (%4 %).")
                                   .arg(f.wildFlutes)
                                   .arg(f.flutes)
                                   .arg(percent(double(f.wildFlutes) / double(f.flutes)), percent(f.wildExact)),
                               this));
        layout->addWidget(line(tr("How often each number was drawn (hot red, cold blue): %1.").arg(verdict(f.numbers)),
                               this));
        layout->addWidget(numberBoard(f, this));
        layout->addWidget(line(tr("Every number has the same chance in every draw: a number that came often or "
                                  "seldom so far is no more and no less likely next time."),
                               this));
    }
    auto* close = new QPushButton(tr("close"), this);
    close->setCursor(Qt::PointingHandCursor);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    for (QLabel* label : findChildren<QLabel*>())
        if (label->wordWrap())
            label->setFixedWidth(620);
}

} // namespace windows
