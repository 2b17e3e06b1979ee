// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamewindow.h"

#include "game/pace.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "windows/frmvorlaneoptions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

// The options window over the real settings file: players chosen, named and
// cleared, fast money, speed, and every way of closing saving the player.
class tst_options : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnTheCurrentSlot_data();
    void opensOnTheCurrentSlot();
    void namesAreOneToTwelveCharacters_data();
    void namesAreOneToTwelveCharacters();
    void fastMoneyStopsAtFiveThousand_data();
    void fastMoneyStopsAtFiveThousand();
    void deleteClearsTheDetails();
    void speedButtonsSetTheSpeed();
    void closingTheGameKeepsTheCoins();
    void everyTextFitsItsPlace();

private:
    windows::frmvorlaneoptions* open();
    QString text(const char* name) const { return options->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    template <typename W = QPushButton> W* child(const char* name) const
    {
        return options->findChild<W*>(QString::fromLatin1(name));
    }
    QString creditShown() const { return game->caption(QStringLiteral("credit")); }
    // What the settings file on disk holds.
    std::string stored(int slot, const char* key) const
    {
        const QSettings file(home->filePath(QStringLiteral("Vorlen.ini")), QSettings::IniFormat);
        return file.value(QStringLiteral("player%1/%2").arg(slot).arg(QString::fromLatin1(key)), QStringLiteral("(none)"))
            .toString()
            .toStdString();
    }
    game::State& state() { return game->rig.state(); }
    const game::Player& player() const { return game->rig.keno.state().player; }

    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<platform::QtSettingsStore> store;
    std::unique_ptr<GameWindow> game;
    windows::frmvorlaneoptions* options = nullptr;
};

void tst_options::init()
{
    // A real settings file in a folder of its own for every test.
    home = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home->path());
    QFile file(home->filePath(QStringLiteral("Vorlen.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[player1]\nreelspeed=10\namountinvested=80\nwager=40\ntotal=30\nbank=70\ngames=4\ncurrentplayer=ann\n"
               "[player3]\ncurrentplayer=Bob\n");
    file.close();
    store = std::make_unique<platform::QtSettingsStore>();
    game = std::make_unique<GameWindow>(*store);
    // Played since the last save: credit 70 + 5 coins.
    game::Player record;
    players::readRecord(*store, 1, record);
    game->rig.keno.startUp(record);
    game->rig.keno.insertCoins();
}

void tst_options::cleanup()
{
    game.reset();
    store.reset();
    home.reset();
    options = nullptr;
}

// The widest name and the longest statistics are drawn whole: a text that
// would not fit its place is drawn smaller, never cut.
void tst_options::everyTextFitsItsPlace()
{
    QFile file(home->filePath(QStringLiteral("Vorlen.ini")));
    QVERIFY(file.open(QIODevice::Append));
    file.write("[player2]\ncurrentplayer=WWWWWWWWWWWW\ngames=2147483647\nwager=2147483647\ntotal=2147483647\n"
               "bank=0\namountinvested=2147483647\n");
    file.close();
    QVERIFY(open());
    options->machine_Click(2);
    QCOMPARE(text("lblwinlose"), QStringLiteral("Winning/Losing           -2147483647"));
    options->grab(); // texts are fitted as they are drawn
    int checked = 0;
    for (QWidget* w : options->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w))
            continue;
        const QString what = w->objectName() + u' ' + w->property("text").toString();
        if (w->hasHeightForWidth())
            QVERIFY2(w->heightForWidth(w->width()) <= w->height(), qPrintable(what));
        else
            QVERIFY2(w->sizeHint().width() <= w->width() && w->sizeHint().height() <= w->height(), qPrintable(what));
        QVERIFY2(w->font().pixelSize() >= 8 || w->font().pointSizeF() >= 6, qPrintable(what)); // still legible
        ++checked;
    }
    QVERIFY(checked >= 25);
    // The frame and its title stand clear of the window's edge, the prompt below the title.
    const QWidget* frame = child<QWidget>("Framemain");
    QVERIFY(frame->x() >= 2 && frame->y() >= 2);
    QVERIFY(child<QLabel>("lblplayername")->y() >= frame->fontMetrics().height());
}

windows::frmvorlaneoptions* tst_options::open()
{
    game->trigger("mnudetails");
    const auto opened = GameWindow::windowsOf<windows::frmvorlaneoptions>();
    return options = opened.size() == 1 ? opened.front() : nullptr;
}

void tst_options::opensOnTheCurrentSlot_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("closed by O.K.") << true;
    QTest::newRow("closed by the close box") << false;
}

// Opening keeps what was played; choosing another slot loads it, and a
// slot never used is saved empty with the slowest speed that moves.
void tst_options::opensOnTheCurrentSlot()
{
    QFETCH(bool, byOk);
    QVERIFY(open());
    QVERIFY(!game->window.isEnabled());
    QCOMPARE(options->windowTitle(), QStringLiteral("VorLane Options"));
    // Opening saved what was played since the last save.
    QCOMPARE(stored(1, "bank"), std::string("75"));
    QStringList captions;
    for (QRadioButton* b : options->findChildren<QRadioButton*>(QStringLiteral("machine")))
        captions << b->text();
    QCOMPARE(captions, QStringList({"ANN", "Vacant", "BOB", "Vacant", "Vacant", "Vacant"}));
    QCOMPARE(text("lblcurrentplayer"), QStringLiteral("Current Player    ANN"));
    QCOMPARE(text("lblgames"), QStringLiteral("Games Played            4"));
    QCOMPARE(text("lblreturned"), QStringLiteral("Returned To Player     % 75"));
    QCOMPARE(text("speedlab"), QStringLiteral("Current Speed =   3"));
    QCOMPARE(child("Btndeletedetails")->text(),
             QStringLiteral("Delete Currentplayer  (ann) Details"));
    QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       ANN"));

    options->machine_Click(3);
    QCOMPARE(game->rig.keno.state().playerno, std::string("3"));
    QCOMPARE(creditShown(), QStringLiteral("0"));
    QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       BOB"));
    QCOMPARE(text("lblgames"), QStringLiteral("Games Played          "));

    options->machine_Click(2);
    QCOMPARE(creditShown(), QStringLiteral("0"));
    for (QRadioButton* b : options->findChildren<QRadioButton*>(QStringLiteral("setspeed")))
        QVERIFY(!b->isChecked());
    if (byOk)
        QTest::mouseClick(child("btnokplayer"), Qt::LeftButton);
    else
        options->close();
    QVERIFY(game->window.isEnabled());
    for (const char* key : {"amountinvested", "wager", "total", "bank", "games"})
        QCOMPARE(stored(2, key), std::string("0"));
    QCOMPARE(stored(2, "currentplayer"), std::string());
    QCOMPARE(stored(2, "reelspeed"), std::string("1"));
    QCOMPARE(int(player().reelspeed), 1);
    QTRY_VERIFY(GameWindow::windowsOf<windows::frmvorlaneoptions>().isEmpty());
}

void tst_options::namesAreOneToTwelveCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("empty") << QString() << "Nothing Entered";
    QTest::newRow("twelve") << "abcdefghijkl" << QString();
    QTest::newRow("thirteen") << "abcdefghijklm" << "Name Too Long";
    QTest::newRow("spaces only") << "   " << QString();
    QTest::newRow("twelve of another script") << QStringLiteral("ÄÖÜßπλ日本語𝄞𝄞ж") << QString();
}

void tst_options::namesAreOneToTwelveCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QVERIFY(open());
    auto* box = child<QLineEdit>("player1");
    box->setText(typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString());
    if (refusal.isEmpty()) {
        QVERIFY(game->rig.messages.shown.empty());
        QCOMPARE(QString::fromStdString(player().currentplayer), typed);
        QCOMPARE(QString::fromStdString(stored(1, "currentplayer")), typed);
        QCOMPARE(game->window.windowTitle(), QStringLiteral("Current Player       ") + typed.toUpper());
        QCOMPARE(text("lblcurrentplayer"), QStringLiteral("Current Player  ") + typed.toUpper());
    } else {
        QCOMPARE(game->rig.messages.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(game->rig.messages.shown[0].prompt), refusal);
        QCOMPARE(game->rig.messages.shown[0].title, std::string("Slot_Vorlane"));
        QCOMPARE(player().currentplayer, std::string("ann"));
    }
}

void tst_options::fastMoneyStopsAtFiveThousand_data()
{
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("refused");
    QTest::newRow("4500") << 4500 << 5000 << false;
    QTest::newRow("4501") << 4501 << 4501 << true;
    QTest::newRow("largest credit") << 2147483647 << 2147483647 << true;
}

void tst_options::fastMoneyStopsAtFiveThousand()
{
    QFETCH(int, bank);
    QFETCH(int, after);
    QFETCH(bool, refused);
    state().player.bank = bank;
    state().player.amountinvested = 0;
    QVERIFY(open());
    QTest::mouseClick(child("quickmoney"), Qt::LeftButton);
    QCOMPARE(player().bank, after);
    QCOMPARE(player().amountinvested, refused ? 0 : 500);
    QCOMPARE(game->rig.messages.shown.size(), std::size_t(refused));
    if (refused)
        QCOMPARE(game->rig.messages.shown[0].prompt,
                 std::string("Sorry... You've reached the limit, \rPlease lose some more first\r(Shouldn't take long !!!)"));
}

void tst_options::deleteClearsTheDetails()
{
    QVERIFY(open());
    QTest::mouseClick(child("Btndeletedetails"), Qt::LeftButton);
    QCOMPARE(creditShown(), QString());
    QCOMPARE(player().bank, 0);
    QCOMPARE(stored(1, "games"), std::string("0"));
    QCOMPARE(stored(1, "currentplayer"), std::string("ann"));
    QCOMPARE(stored(1, "reelspeed"), std::string("10"));
    QCOMPARE(text("lblreturned"), QStringLiteral("Returned To Player     % "));
    QCOMPARE(text("lblwinlose"), QStringLiteral("Winning/Losing           0"));
}

void tst_options::speedButtonsSetTheSpeed()
{
    QVERIFY(open());
    const auto buttons = options->findChildren<QRadioButton*>(QStringLiteral("setspeed"));
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        QCOMPARE(player().reelspeed, game::pace::speedSteps[std::size_t(i)]);
        QCOMPARE(text("speedlab"), QStringLiteral("Current Speed =   %1").arg(i + 1));
    }
    options->close();
    QCOMPARE(stored(1, "reelspeed"), std::string("2"));
}

void tst_options::closingTheGameKeepsTheCoins()
{
    game->rig.keno.insertCoins();
    game->window.close();
    QCOMPARE(stored(1, "bank"), std::string("80"));
    QCOMPARE(stored(1, "amountinvested"), std::string("90"));
    QCOMPARE(stored(1, "currentplayer"), std::string("ann"));
}

QTEST_MAIN(tst_options)
#include "tst_options.moc"
