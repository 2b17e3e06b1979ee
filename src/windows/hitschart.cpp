// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "hitschart.h"

#include "gamelook.h"

#include <QPainter>
#include <algorithm>

namespace windows {

HitsChart::HitsChart(std::vector<double> observed, std::vector<double> expected, QWidget* parent)
    : QWidget(parent), observed(std::move(observed)), expected(std::move(expected))
{
    setMinimumSize(sizeHint());
}

void HitsChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), purple);
    p.setFont(gameFontAt(9));
    const int bins = int(std::min(observed.size(), expected.size()));
    double top = 0;
    for (int h = 0; h < bins; ++h)
        top = std::max({top, observed[std::size_t(h)], expected[std::size_t(h)]});
    if (bins == 0 || top <= 0)
        return;
    const int labels = p.fontMetrics().height();
    const QRectF area = QRectF(rect()).adjusted(8, labels + 4, -8, -labels - 4);
    const double slot = area.width() / bins, bar = slot * 0.36;
    for (int h = 0; h < bins; ++h) {
        const double left = area.left() + h * slot + slot * 0.12;
        const auto height = [&](double value) { return area.height() * value / top; };
        const double seen = height(observed[std::size_t(h)]), fair = height(expected[std::size_t(h)]);
        p.fillRect(QRectF(left, area.bottom() - seen, bar, seen), yellow);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(left + bar, area.bottom() - fair, bar, fair));
        p.setPen(yellow);
        p.drawText(QRectF(left, area.bottom() + 2, 2 * bar, labels), Qt::AlignCenter, QString::number(h));
    }
    p.setPen(yellow);
    p.drawText(QRectF(area.left(), 0, area.width(), labels), Qt::AlignLeft,
               tr("hits:  observed (yellow)  and a fair draw (white)"));
}

} // namespace windows
