// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamemenu.h"

#include "aboutvorlane.h"
#include "frmvorlaneoptions.h"
#include "gamelook.h"
#include "game/keno.h"
#include "platform/messages.h"
#include "tarvopaysheet.h"
#include "twips.h"

#include <QMainWindow>
#include <QMenuBar>

namespace windows {

GameMenu::GameMenu(QMainWindow* window, game::Keno& keno, platform::SettingsStore& store, players::RecordSaver& saver,
                   platform::Messages& messages)
    : QObject(window), window(window), keno(keno), store(store), saver(saver), messages(messages)
{
    QMenuBar* bar = window->menuBar();
    const auto add = [&](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add("mnuabout", QStringLiteral("&About")), &QAction::triggered, this, &GameMenu::mnuabout_Click);
    QAction* exit = add("mnuexit", QStringLiteral("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, window, &QWidget::close);
    connect(add("mnupay", QStringLiteral("&Payout Schedule")), &QAction::triggered, this, &GameMenu::mnupay_Click);
    connect(add("mnudetails", QStringLiteral("Options")), &QAction::triggered, this, &GameMenu::mnudetails_Click);
    QAction* help = add("mnuhelp", QStringLiteral("&Help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &GameMenu::mnuhelp_Click);
    for (QAction* action : bar->actions())
        action->setShortcutContext(Qt::WindowShortcut);
}

void GameMenu::mnuabout_Click()
{
    if (keno.state().playing())
        return;
    window->setEnabled(false);
    if (!about) {
        about = std::make_unique<aboutvorlane>(window);
        ownBy(about.get(), window);
    }
    // The outer height, title bar included, is 1845 twips. Until the window
    // manager has framed the window, its frame is taken to be ours. Sized and
    // placed before it shows, so it never jumps.
    int frame = about->frameGeometry().height() - about->height();
    if (frame == 0)
        frame = window->frameGeometry().height() - window->geometry().height();
    about->setFixedHeight(pixels(1845) - frame);
    about->centreform(about.get());
    about->show();
    about->activateWindow();
}

void GameMenu::mnudetails_Click()
{
    if (keno.state().playing())
        return;
    window->setEnabled(false);
    if (!options) {
        options = new frmvorlaneoptions(keno, store, saver, messages, window);
        ownBy(options, window);
    }
    options->show();
    options->activateWindow();
}

void GameMenu::mnupay_Click()
{
    if (keno.state().playing())
        return;
    if (!paysheet) {
        paysheet = new tarvopaysheet;
        ownBy(paysheet, window);
    }
    paysheet->show();
    paysheet->raise();
    paysheet->activateWindow();
}

void GameMenu::mnuhelp_Click()
{
    if (keno.state().playing())
        return;
    static constexpr const char* pieces[] = {
        "1:-Insert some credit via the coins button or the Fast credit button in ",
        " the 'Options' menu.",
        "2:-Click on the numbered balls until",
        " you have the desired amount of SPOTS marked,(from 3 to 10)",
        "3:-Click on desired BET(BET 1 through to BET 10), ",
        " This is the amount you will be betting on each FLUTE ",
        "4:-Clicking on Auto Select will generate your numbers for you ",
        "5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-",
        " PLAY 1 plays only the 1st.FLUTE.",
        " PLAY 3 plays the First 3 FLUTES and so on.",
        "6:-If amount of HITS exceed the line by > 1  then you will be awarded 3 extra balls.",
        "7:-Any WILD ball included in a win results in the prize being doubled.",
        "8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).",
        "9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.",
        "10:-To change speed of execution goto'Options'.",
        "11:-To change Player goto'Options'.",
        "12:-To Gain entry to the SELECTION Screen click on ERASE.",
    };
    std::string text;
    for (const char* piece : pieces)
        text += std::string(piece) + '\r';
    messages.show(platform::Messages::Icon::information, text);
}

GameMenu::~GameMenu()
{
    delete paysheet;
    delete options;
}

} // namespace windows
