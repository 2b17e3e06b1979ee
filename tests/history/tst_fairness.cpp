// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"
#include "fakes/settledplay.h"
#include "fakes/skewedrandom.h"
#include "history/chisquare.h"
#include "history/fairness.h"

#include <QTest>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// Each run plays `flutes` flutes on the real pre-draw, with 3 to 10 spots
// (run by run) that always hold 80, and bets of 1, 2, 5 and 10 in turn.
std::vector<history::Figures> runs(int ball, double weight, int flutes, int count)
{
    static std::map<std::tuple<int, double, int, int>, std::vector<history::Figures>> done;
    auto& figures = done[{ball, weight, flutes, count}];
    for (int run = int(figures.size()); run < count; ++run) {
        fakes::SkewedRandom source(unsigned(run + 1), ball, weight);
        Rig rig(2'000'000'000, &source);
        for (int n = 80; n > 77 - run % 8; --n)
            rig.keno.markSpot(n);
        history::Tally tally;
        for (int play = 0; play * 10 < flutes; ++play) {
            rig.keno.chooseBet(play % 4 + 1);
            tally.add(settledPlay(rig.keno, 10));
        }
        figures.push_back(history::fairness(tally));
    }
    return figures;
}

using Share = QPair<double, double>; // the least and the most share of runs

} // namespace

class tst_fairness : public QObject {
    Q_OBJECT
private slots:
    void chiSquareTail_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("df");
        QTest::addColumn<double>("p");
        // Two degrees of freedom have the closed form exp(-x/2), one erfc(sqrt(x/2)).
        for (double x : {0.3, 2.0, 9.0, 60.0}) {
            QTest::addRow("x = %g, 2 degrees", x) << x << 2 << std::exp(-x / 2);
            QTest::addRow("x = %g, 1 degree", x) << x << 1 << std::erfc(std::sqrt(x / 2));
        }
    }
    void chiSquareTail()
    {
        QFETCH(double, x);
        QFETCH(int, df);
        QFETCH(double, p);
        QVERIFY2(std::abs(history::chiSquareTail(x, df) / p - 1) < 1e-9,
                 QByteArray::number(history::chiSquareTail(x, df)));
    }

    void judgesTheDraw_data()
    {
        QTest::addColumn<int>("ball");
        QTest::addColumn<double>("weight");
        QTest::addColumn<int>("flutes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<Share>("share");
        // A fair draw: a verdict "not consistent" once in a thousand, p-values
        // spread evenly, the return inside its 95 % band.
        QTest::newRow("fair: hits") << 81 << 1.0 << 1500 << 100 << "hits consistent" << Share{0.97, 1};
        QTest::newRow("fair: hits, p") << 81 << 1.0 << 1500 << 100 << "hits p below 0.5" << Share{0.3, 0.7};
        QTest::newRow("fair: numbers") << 81 << 1.0 << 1500 << 100 << "numbers consistent" << Share{0.97, 1};
        QTest::newRow("fair: numbers, p") << 81 << 1.0 << 1500 << 100 << "numbers p below 0.5" << Share{0.3, 0.7};
        QTest::newRow("fair: return") << 81 << 1.0 << 1500 << 100 << "return in band" << Share{0.9, 0.99};
        QTest::newRow("fair: too few flutes") << 81 << 1.0 << 60 << 8 << "too few" << Share{1, 1};
        // A biased draw is caught every time within these flutes.
        QTest::newRow("never 80: numbers") << 80 << 0.0 << 400 << 24 << "numbers consistent" << Share{0, 0};
        QTest::newRow("never 80: hits") << 80 << 0.0 << 1500 << 24 << "hits consistent" << Share{0, 0};
        QTest::newRow("wild twice: hits") << 81 << 2.0 << 1000 << 24 << "hits consistent" << Share{0, 0};
    }
    void judgesTheDraw()
    {
        QFETCH(int, ball);
        QFETCH(double, weight);
        QFETCH(int, flutes);
        QFETCH(int, count);
        QFETCH(QString, figure);
        QFETCH(Share, share);
        int yes = 0;
        for (const history::Figures& f : runs(ball, weight, flutes, count)) {
            const history::SpotsFigures& s = f.bySpots.at(0);
            if (figure == "hits consistent")
                yes += s.fit.verdict == history::Verdict::consistent;
            else if (figure == "hits p below 0.5")
                yes += s.fit.p < 0.5;
            else if (figure == "numbers consistent")
                yes += f.numbers.verdict == history::Verdict::consistent;
            else if (figure == "numbers p below 0.5")
                yes += f.numbers.p < 0.5;
            else if (figure == "return in band")
                yes += f.back.observed >= f.back.low && f.back.observed <= f.back.high;
            else
                yes += s.fit.verdict == history::Verdict::tooFewFlutes && s.fit.flutesShort > 0;
        }
        QVERIFY2(yes >= share.first * count && yes <= share.second * count,
                 qPrintable(QString::number(yes) + u" of "_s + QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(tst_fairness)
#include "tst_fairness.moc"
