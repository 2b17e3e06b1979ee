// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamewindow.h"

#include "game/pace.h"
#include "game/paytable.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "windows/aboutvorlane.h"
#include "windows/frmvorlaneoptions.h"
#include "windows/oddswindow.h"
#include "windows/paysheetpicture.h"
#include "windows/tarvopaysheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

// The windows reached from the menu bar, over the real settings file (a real
// window manager checks whom they belong to and where).
class tst_menuwindows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QApplication::setApplicationName(QStringLiteral("slot_vorlane"));
        // A real settings file in a folder of its own for every test.
        home = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home->path());
        QFile file(home->filePath(QStringLiteral("Vorlen.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[player1]\nreelspeed=10\namountinvested=80\nwager=40\ntotal=30\nbank=70\ngames=4\ncurrentplayer=ann\n"
                   "[player3]\ncurrentplayer=WWWWWWWWWWWW\ngames=2147483647\nwager=2147483647\ntotal=2147483647\nbank=0\n"
                   "amountinvested=2147483647\n");
        file.close();
        store = std::make_unique<platform::QtSettingsStore>();
        game = std::make_unique<GameWindow>(*store);
        QVERIFY(QTest::qWaitForWindowExposed(&game->window));
        // Played since the last save: credit 70 + 5 coins.
        game::Player record;
        players::readRecord(*store, 1, record);
        game->rig.keno.startUp(record);
        game->rig.keno.insertCoins();
    }
    void cleanup()
    {
        game.reset();
        store.reset();
        home.reset();
        options = nullptr;
    }
    void opensOnTheCurrentSlot_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("closed by O.K.") << true;
        QTest::newRow("closed by the close box") << false;
    }
    // Opening keeps what was played; the speed buttons set the speed, Delete clears the rest; another
    // slot is loaded when chosen, and a slot never used is saved empty at the middle speed.
    void opensOnTheCurrentSlot()
    {
        QFETCH(bool, byOk);
        QVERIFY(open());
        QVERIFY(!game->window.isEnabled());
        QCOMPARE(options->windowTitle(), QStringLiteral("VorLane Options"));
        // Opening saved what was played since the last save.
        QCOMPARE(record(1), "amountinvested=85 bank=75 currentplayer=ann games=4 reelspeed=10 total=30 wager=40");
        QStringList captions;
        for (QRadioButton* b : options->findChildren<QRadioButton*>(QStringLiteral("machine")))
            captions << b->text();
        QCOMPARE(captions, QStringList({"ANN", "Vacant", "WWWWWWWWWWWW", "Vacant", "Vacant", "Vacant"}));
        QCOMPARE(text("lblcurrentplayer"), QStringLiteral("Current Player    ANN"));
        QCOMPARE(text("lblreturned"), QStringLiteral("Returned To Player     % 75"));
        QCOMPARE(text("speedlab"), QStringLiteral("Current Speed =   3"));
        QCOMPARE(child("Btndeletedetails")->text(), QStringLiteral("Delete Currentplayer  (ann) Details"));
        QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       ANN"));
        const auto speeds = options->findChildren<QRadioButton*>(QStringLiteral("setspeed"));
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(speeds[i], Qt::LeftButton);
            QCOMPARE(player().reelspeed, game::pace::speedSteps[std::size_t(i)]);
            QCOMPARE(text("speedlab"), QStringLiteral("Current Speed =   %1").arg(i + 1));
        }
        game->messages.answer = false; // No keeps everything
        QTest::mouseClick(child("Btndeletedetails"), Qt::LeftButton);
        QCOMPARE(creditShown(), QStringLiteral("75"));
        game->messages.answer = true;
        QTest::mouseClick(child("Btndeletedetails"), Qt::LeftButton);
        QCOMPARE(game->messages.shown.size(), std::size_t(2));
        QVERIFY(game->messages.shown[1].prompt.find("(ANN): the credit, the statistics and the play history?") !=
                std::string::npos);
        game->messages.shown.clear();
        QCOMPARE(creditShown(), QString());
        QCOMPARE(record(1), "amountinvested=0 bank=0 currentplayer=ann games=0 reelspeed=2 total=0 wager=0");
        QCOMPARE(text("lblreturned"), QStringLiteral("Returned To Player     % "));

        // The widest name and the longest statistics are drawn whole: a text that
        // would not fit its place is drawn smaller, never cut.
        options->machine_Click(3);
        QCOMPARE(game->rig.keno.state().playerno, 3);
        QCOMPARE(creditShown(), QStringLiteral("0"));
        QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       WWWWWWWWWWWW"));
        QCOMPARE(text("lblwinlose"), QStringLiteral("Winning/Losing           -2147483647"));
        int checked = 0;
        verifyTextsFit(options, checked);
        QVERIFY(checked >= 25);
        // The frame and its title stand clear of the window's edge, the prompt below the title.
        const QWidget* frame = child<QWidget>("Framemain");
        QVERIFY(frame->x() >= 2 && frame->y() >= 2);
        QVERIFY(child<QLabel>("lblplayername")->y() >= frame->fontMetrics().height());

        options->machine_Click(2);
        QCOMPARE(creditShown(), QStringLiteral("0"));
        for (int i = 0; i < speeds.size(); ++i) // a new slot plays at the middle speed, and says so
            QCOMPARE(speeds[i]->isChecked(), i == 2);
        QCOMPARE(text("speedlab"), QStringLiteral("Current Speed =   3"));
        if (byOk)
            QTest::mouseClick(child("btnokplayer"), Qt::LeftButton);
        else
            options->close();
        QVERIFY(game->window.isEnabled());
        QCOMPARE(record(2), "amountinvested=0 bank=0 currentplayer= games=0 reelspeed=10 total=0 wager=0");
        QTRY_VERIFY(GameWindow::windowsOf<windows::frmvorlaneoptions>().isEmpty());
    }
    // A record file that cannot be read is told of once the game is up, in a box of the game's own.
    void damagedRecordsAreTold()
    {
        game.reset();
        store.reset();
        QFile file(home->filePath(QStringLiteral("Vorlen.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[pla") == 4);
        file.close();
        store = std::make_unique<platform::QtSettingsStore>();
        game = std::make_unique<GameWindow>(*store);
        game->window.presenter().startChecks();
        QCOMPARE(game->messages.shown.size(), std::size_t(1));
        QCOMPARE(game->messages.shown[0].title, std::string("Slot_Vorlane"));
        QVERIFY(QString::fromStdString(game->messages.shown[0].prompt).contains(u"Vorlen.ini.bad"));
    }
    void namesAreOneToTwelveCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("empty") << QString() << "Nothing Entered";
        QTest::newRow("twelve") << "abcdefghijkl" << QString();
        QTest::newRow("thirteen") << "abcdefghijklm" << "Name Too Long";
        QTest::newRow("spaces only") << "   " << QString();
        QTest::newRow("twelve of another script") << QStringLiteral("ÄÖÜßπλ日本語𝄞𝄞ж") << QString();
    }
    void namesAreOneToTwelveCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QVERIFY(open());
        auto* box = child<QLineEdit>("player1");
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QString());
        if (refusal.isEmpty()) {
            QVERIFY(game->messages.shown.empty());
            QCOMPARE(QString::fromStdString(player().currentplayer), typed);
            QVERIFY(record(1).contains(QStringLiteral(" currentplayer=%1 games").arg(typed)));
            QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       ") + typed.toUpper());
            QCOMPARE(text("lblcurrentplayer"), QStringLiteral("Current Player  ") + typed.toUpper());
        } else {
            QCOMPARE(game->messages.shown.size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(game->messages.shown[0].prompt), refusal);
            QCOMPARE(game->messages.shown[0].title, std::string("Slot_Vorlane"));
            QCOMPARE(player().currentplayer, std::string("ann"));
        }
    }
    void fastMoneyStopsAtFiveThousand_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<bool>("refused");
        QTest::newRow("4500") << 4500 << false;
        QTest::newRow("4501") << 4501 << true;
        QTest::newRow("largest credit") << 2147483647 << true;
    }
    void fastMoneyStopsAtFiveThousand()
    {
        QFETCH(int, bank);
        QFETCH(bool, refused);
        game->rig.state().player.bank = bank;
        game->rig.state().player.amountinvested = 0;
        QVERIFY(open());
        QTest::mouseClick(child("quickmoney"), Qt::LeftButton);
        QCOMPARE(player().bank, refused ? bank : bank + 500);
        QCOMPARE(player().amountinvested, refused ? 0 : 500);
        QCOMPARE(game->messages.shown.size(), std::size_t(refused));
    }
    void scheduleCellsFollowThePayTable()
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
                const QString where = QStringLiteral("%1 spots, %2 hits").arg(spots).arg(hits);
                QCOMPARE(sheet.pixelColor(cell.topLeft()), QColor(Qt::black)); // grid line
                const QColor face = pays ? QColor(255, 255, 0) : QColor(0, 0, 255);
                QVERIFY2(sheet.pixelColor(cell.topLeft() + QPoint(2, 2)) == face, qPrintable(where));
            }
    }
    void scheduleOpensOnceAndReopensAfterClosing_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("close pay sheet") << true;
        QTest::newRow("close box") << false;
    }
    // The game's window stays usable beside it. Its buttons stay off the table; the odds button opens one window,
    // which closes by its own button.
    void scheduleOpensOnceAndReopensAfterClosing()
    {
        QFETCH(bool, byButton);
        game->trigger("mnupay");
        game->trigger("mnupay");
        QCOMPARE(schedules().size(), 1);
        windows::tarvopaysheet* sheet = schedules().front();
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Payout  Schedule "));
        QCOMPARE(sheet->size(), QSize(612, 413));
        QVERIFY(game->window.isEnabled());
        auto* button = sheet->findChild<QPushButton*>(QStringLiteral("SSCommand1"));
        QCOMPARE(button->text(), QStringLiteral("close pay sheet"));
        auto* odds = sheet->findChild<QPushButton*>(QStringLiteral("oddsbutton"));
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
        QTest::mouseClick(opened.front()->findChild<QPushButton*>(QStringLiteral("closeodds")), Qt::LeftButton);
        QTRY_VERIFY(sheet->findChildren<windows::oddswindow*>().isEmpty());
        if (byButton)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            sheet->close();
        QTRY_VERIFY(schedules().isEmpty());
        game->trigger("mnupay");
        QCOMPARE(schedules().size(), 1);
    }
    // Each way of closing it gives the main window back, and it opens again.
    void aboutGivesTheMainWindowBack()
    {
        for (int way = 0; way < 4; ++way) {
            game->trigger("mnuabout");
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
    void helpShowsItsPiecesAndTheKeys()
    {
        game->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&game->window));
        QTest::keyClick(&game->window, Qt::Key_F1);
        QCOMPARE(game->messages.shown.size(), std::size_t(1));
        const auto& help = game->messages.shown.front();
        QCOMPARE(help.icon, platform::Messages::Icon::information);
        QCOMPARE(help.title, std::string());
        QCOMPARE(QString::fromStdString(help.prompt).count(u'\r'), 21); // each piece closed by a carriage return
        QVERIFY(QString::fromStdString(help.prompt).contains(QStringLiteral("Ctrl+M sound on/off")));
    }

private:
    windows::frmvorlaneoptions* open()
    {
        game->trigger("mnudetails");
        const auto opened = GameWindow::windowsOf<windows::frmvorlaneoptions>();
        return options = opened.size() == 1 ? opened.front() : nullptr;
    }
    QString text(const char* name) const { return options->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    template <typename W = QPushButton> W* child(const char* name) const
    {
        return options->findChild<W*>(QString::fromLatin1(name));
    }
    QString creditShown() const { return game->caption("credit"); }
    // What the settings file on disk holds for the slot, key=value in key order.
    // The file's record once the game's writes are done.
    QString record(int slot) const
    {
        store->sync();
        QSettings file(home->filePath(QStringLiteral("Vorlen.ini")), QSettings::IniFormat);
        file.beginGroup(QStringLiteral("player%1").arg(slot));
        QStringList pairs;
        for (const QString& key : file.childKeys())
            pairs << key + u'=' + file.value(key).toString();
        return pairs.join(u' ');
    }
    static QList<windows::tarvopaysheet*> schedules() { return GameWindow::windowsOf<windows::tarvopaysheet>(); }
    const game::Player& player() const { return game->rig.keno.state().player; }

    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<platform::QtSettingsStore> store;
    std::unique_ptr<GameWindow> game;
    windows::frmvorlaneoptions* options = nullptr;
};

QTEST_MAIN(tst_menuwindows)
#include "tst_menuwindows.moc"
