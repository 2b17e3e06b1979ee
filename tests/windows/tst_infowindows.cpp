// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamewindow.h"

#include "fakes/memorystore.h"
#include "game/paytable.h"
#include "windows/aboutvorlane.h"
#include "windows/centring.h"
#include "windows/gamemessages.h"
#include "windows/oddswindow.h"
#include "windows/paysheetpicture.h"
#include "windows/tarvopaysheet.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>
#include <memory>

// The payout schedule, the about window and the help text, reached from
// the menu bar: each window once, each menu silent during a play.
class tst_infowindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { game.reset(); }
    void scheduleCellsFollowThePayTable();
    void centringDropsTheHalf_data();
    void centringDropsTheHalf();
    void scheduleOpensOnceAndReopensAfterClosing_data();
    void scheduleOpensOnceAndReopensAfterClosing();
    void aboutGivesTheMainWindowBack_data();
    void aboutGivesTheMainWindowBack();
    void helpShowsTheSeventeenPieces();
    void menusAreSilentDuringAPlay();

private:
    void trigger(const char* menu) { game->trigger(menu); }
    static QList<windows::tarvopaysheet*> schedules() { return GameWindow::windowsOf<windows::tarvopaysheet>(); }

    fakes::MemoryStore store;
    std::unique_ptr<GameWindow> game;
};

void tst_infowindows::init()
{
    QApplication::setApplicationName(QStringLiteral("slot_vorlane"));
    game = std::make_unique<GameWindow>(store);
    QVERIFY(QTest::qWaitForWindowExposed(&game->window));
}

void tst_infowindows::scheduleCellsFollowThePayTable()
{
    const QImage sheet = windows::paysheet::picture();
    QCOMPARE(sheet.size(), QSize(609, 408));
    // The red figures of the schedule: the first hit count of each extra-ball zone.
    QStringList red;
    for (int spots = 3; spots <= 10; ++spots)
        for (int hits = 2; hits <= 10; ++hits)
            if (windows::paysheet::winsExtraBallsFirst(spots, hits))
                red << QStringLiteral("%1/%2").arg(spots).arg(hits);
    QCOMPARE(red, QStringList({"5/4", "6/5", "7/5", "8/6", "9/6", "10/6"}));
    for (int spots = 3; spots <= 10; ++spots)
        for (int hits = 2; hits <= 10; ++hits) {
            const QRect cell = windows::paysheet::cell(spots, hits);
            const bool pays = game::paytable::prize(spots, hits) > 0;
            const bool extra = windows::paysheet::winsExtraBallsFirst(spots, hits);
            const QString where = QStringLiteral("%1 spots, %2 hits").arg(spots).arg(hits);
            QCOMPARE(sheet.pixelColor(cell.topLeft()), QColor(Qt::black)); // grid line
            QVERIFY2(sheet.pixelColor(cell.topLeft() + QPoint(2, 2)) ==
                         (pays ? QColor(255, 255, 0) : QColor(0, 0, 255)),
                     qPrintable(where));
            int red = 0, dark = 0;
            for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
                for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                    const QColor c = sheet.pixelColor(x, y);
                    red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
                    dark += c.red() < 60 && c.green() < 60 && c.blue() < 60;
                }
            // Figures are printed only where the cell pays: red in the extra-ball zone, else black.
            QVERIFY2((red > 6) == (pays && extra), qPrintable(where));
            QVERIFY2((dark > 6) == (pays && !extra), qPrintable(where));
        }
}

void tst_infowindows::centringDropsTheHalf_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("even") << QRect(0, 0, 1024, 768) << QSize(612, 413) << QPoint(206, 177);
    QTest::newRow("odd width") << QRect(0, 0, 619, 420) << QSize(612, 413) << QPoint(3, 3);
    QTest::newRow("larger than the area") << QRect(0, 0, 600, 400) << QSize(607, 413) << QPoint(-3, -6);
    QTest::newRow("offset area") << QRect(100, 50, 818, 591) << QSize(382, 123) << QPoint(318, 284);
}

void tst_infowindows::centringDropsTheHalf()
{
    QFETCH(QRect, area);
    QFETCH(QSize, size);
    QFETCH(QPoint, origin);
    QCOMPARE(windows::centredOrigin(area, size), origin);
}

void tst_infowindows::scheduleOpensOnceAndReopensAfterClosing_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("close pay sheet") << true;
    QTest::newRow("close box") << false;
}

// Owned by the game's window and centred on it, beside which it may stay
// open. Its buttons stay off the table; the odds button opens one window of
// readable tables, which closes by its own button.
void tst_infowindows::scheduleOpensOnceAndReopensAfterClosing()
{
    QFETCH(bool, byButton);
    trigger("mnupay");
    trigger("mnupay");
    QCOMPARE(schedules().size(), 1);
    windows::tarvopaysheet* sheet = schedules().front();
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Payout  Schedule "));
    QCOMPARE(sheet->size(), QSize(612, 413));
    QVERIFY(game->window.isEnabled());
    auto* button = sheet->findChild<QPushButton*>(QStringLiteral("SSCommand1"));
    QCOMPARE(button->text(), QStringLiteral("close pay sheet"));
    QCOMPARE(button->size(), QSize(147, 29));
    QCOMPARE(sheet->windowHandle()->transientParent(), game->window.windowHandle());
    QVERIFY((sheet->geometry().center() - game->window.geometry().center()).manhattanLength() <= 2);
    auto* odds = sheet->findChild<QPushButton*>(QStringLiteral("oddsbutton"));
    QVERIFY(odds);
    QCOMPARE(odds->text(), QStringLiteral("odds"));
    QVERIFY(!odds->geometry().intersects(button->geometry()));
    // Both buttons lie off the table, inside the window.
    const QRect table = windows::paysheet::cell(3, 2).united(windows::paysheet::cell(10, 10));
    for (const QPushButton* off : {odds, button}) {
        QVERIFY(!off->geometry().intersects(table));
        QVERIFY(sheet->rect().contains(off->geometry()));
    }
    QTest::mouseClick(odds, Qt::LeftButton);
    QTest::mouseClick(odds, Qt::LeftButton);
    const auto opened = sheet->findChildren<windows::oddswindow*>();
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.front()->isVisible());
    // Tables a player reads: chances as "1 in N" or plain percentages, never an exponent.
    const QRegularExpression readable(QStringLiteral("^(-|1 in \\d+(\\.\\d+)?|\\d+(\\.\\d+)?( %)?)$"));
    int cells = 0, oneIn = 0;
    for (const QTableWidget* table : opened.front()->findChildren<QTableWidget*>())
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                const QString text = table->item(r, c)->text();
                QVERIFY2(readable.match(text).hasMatch(), qPrintable(text));
                ++cells;
                oneIn += text.startsWith(QLatin1String("1 in"));
            }
    QCOMPARE(cells, 8 * 5 + 2 * 8 * 12);
    QVERIFY(oneIn > 16);
    QTest::mouseClick(opened.front()->findChild<QPushButton*>(QStringLiteral("closeodds")), Qt::LeftButton);
    QTRY_VERIFY(sheet->findChildren<windows::oddswindow*>().isEmpty());
    if (byButton)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        sheet->close();
    QTRY_VERIFY(schedules().isEmpty());
    trigger("mnupay");
    QCOMPARE(schedules().size(), 1);
}

void tst_infowindows::aboutGivesTheMainWindowBack_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Escape") << 2;
    QTest::newRow("close box") << 3;
}

void tst_infowindows::aboutGivesTheMainWindowBack()
{
    QFETCH(int, way);
    for (int round = 0; round < 2; ++round) {
        trigger("mnuabout");
        const auto abouts = GameWindow::windowsOf<windows::aboutvorlane>();
        QCOMPARE(abouts.size(), 1);
        windows::aboutvorlane* about = abouts.front();
        QVERIFY(about->isVisible());
        QVERIFY(!game->window.isEnabled());
        QCOMPARE(about->windowTitle(), QStringLiteral("About slot_vorlane"));
        QCOMPARE(about->frameGeometry().height(), 1845 / 15);
        switch (way) {
        case 0: QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton); break;
        case 1: QTest::keyClick(about, Qt::Key_Return); break;
        case 2: QTest::keyClick(about, Qt::Key_Escape); break;
        default: about->close();
        }
        QVERIFY(!about->isVisible());
        QVERIFY(game->window.isEnabled());
    }
}

void tst_infowindows::helpShowsTheSeventeenPieces()
{
    game->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game->window));
    QTest::keyClick(&game->window, Qt::Key_F1);
    QCOMPARE(game->rig.messages.shown.size(), std::size_t(1));
    const auto& help = game->rig.messages.shown.front();
    QCOMPARE(help.icon, platform::Messages::Icon::information);
    QCOMPARE(help.title, std::string());
    const QStringList lines = QString::fromStdString(help.prompt).split(u'\r');
    QCOMPARE(lines.size(), 18); // seventeen pieces, each closed by a carriage return
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[0], QStringLiteral("1:-Insert some credit via the coins button or the Fast credit button in "));
    QCOMPARE(lines[16], QStringLiteral("12:-To Gain entry to the SELECTION Screen click on ERASE."));
    QVERIFY(!QString::fromStdString(help.prompt).contains(u'\n'));

    // Shown for real: owned by the main window, centred on it, seventeen whole lines.
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), &game->window);
        QCOMPARE(box->palette().color(QPalette::Window), game->window.palette().color(QPalette::Window));
        QVERIFY(qAbs(box->geometry().center().x() - game->window.geometry().center().x()) <= 1);
        auto* text = box->findChild<QLabel*>(QStringLiteral("text"));
        QCOMPARE(text->text().split(u'\n').size(), 17);
        QVERIFY(!text->wordWrap());
        QVERIFY(text->width() >= text->sizeHint().width());
        checked = true;
        box->accept();
    });
    windows::GameMessages().show(help.icon, help.prompt);
    QVERIFY(checked);
}

void tst_infowindows::menusAreSilentDuringAPlay()
{
    game->rig.state().phase = game::Phase::dropping;
    trigger("mnupay");
    trigger("mnuabout");
    trigger("mnuhelp");
    QVERIFY(schedules().isEmpty());
    QVERIFY(game->window.isEnabled());
    QVERIFY(game->rig.messages.shown.empty());
    trigger("mnuexit");
    QVERIFY(!game->window.isVisible());
}

QTEST_MAIN(tst_infowindows)
#include "tst_infowindows.moc"
