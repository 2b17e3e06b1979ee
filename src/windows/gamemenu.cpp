// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamemenu.h"

#include "aboutvorlane.h"
#include "frmvorlaneoptions.h"
#include "gamelook.h"
#include "game/keno.h"
#include "platform/messages.h"
#include "presenter.h"
#include "tarvopaysheet.h"
#include "twips.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

namespace windows {

GameMenu::GameMenu(QMainWindow* window, game::Keno& keno, platform::SettingsStore& store, Presenter& shows,
                   platform::Messages& messages)
    : QObject(window), window(window), keno(keno), store(store), shows(shows), messages(messages)
{
    QMenuBar* bar = window->menuBar();
    const auto add = [&](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add("mnuabout", tr("&About")), &QAction::triggered, this, &GameMenu::mnuabout_Click);
    QAction* exit = add("mnuexit", tr("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, window, &QWidget::close);
    connect(add("mnupay", tr("&Payout Schedule")), &QAction::triggered, this, &GameMenu::mnupay_Click);
    connect(add("mnudetails", tr("Options")), &QAction::triggered, this, &GameMenu::mnudetails_Click);
    QAction* help = add("mnuhelp", tr("&Help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &GameMenu::mnuhelp_Click);
    for (QAction* action : bar->actions())
        action->setShortcutContext(Qt::WindowShortcut);
}

void GameMenu::mnuabout_Click()
{
    if (refused())
        return;
    hold();
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
    if (refused())
        return;
    hold();
    if (!options) {
        options = new frmvorlaneoptions(keno, store, shows.records(), messages, window);
        ownBy(options, window);
    }
    options->show();
    options->activateWindow();
}

void GameMenu::hold()
{
    window->setEnabled(false);
    if (QWindow* handle = window->windowHandle())
        handle->installEventFilter(this);
}

bool GameMenu::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || window->isEnabled())
        return false;
    // A click on the held game brings back the window that holds it.
    for (QWidget* holder : {static_cast<QWidget*>(about.get()), static_cast<QWidget*>(options.data())})
        if (holder && holder->isVisible()) {
            holder->raise();
            holder->activateWindow();
        }
    return true;
}

bool GameMenu::refused() const
{
    if (!keno.state().playing())
        return false;
    shows.refuse(game::Refusal::playOpen);
    return true;
}

// The schedule stands beside the game, so it may open during a play.
void GameMenu::mnupay_Click()
{
    if (!paysheet) {
        paysheet = new tarvopaysheet;
        ownBy(paysheet, window);
        // Beside the game, so a play stays in sight.
        centreOn(paysheet, window, true);
    }
    paysheet->show();
    paysheet->raise();
    paysheet->activateWindow();
}

void GameMenu::mnuhelp_Click()
{
    if (refused())
        return;
    static constexpr const char* pieces[] = {
        QT_TRANSLATE_NOOP("windows::GameMenu", "1:-Insert some credit via the coins button or the Fast credit button in "),
        QT_TRANSLATE_NOOP("windows::GameMenu", " the 'Options' menu."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "2:-Click on the numbered balls until"),
        QT_TRANSLATE_NOOP("windows::GameMenu", " you have the desired amount of SPOTS marked,(from 3 to 10)"),
        QT_TRANSLATE_NOOP("windows::GameMenu", "3:-Click on desired BET(BET 1 through to BET 10), "),
        QT_TRANSLATE_NOOP("windows::GameMenu", " This is the amount you will be betting on each FLUTE "),
        QT_TRANSLATE_NOOP("windows::GameMenu", "4:-Clicking on Auto Select will generate your numbers for you "),
        QT_TRANSLATE_NOOP("windows::GameMenu", "5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-"),
        QT_TRANSLATE_NOOP("windows::GameMenu", " PLAY 1 plays only the 1st.FLUTE."),
        QT_TRANSLATE_NOOP("windows::GameMenu", " PLAY 3 plays the First 3 FLUTES and so on."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "6:-If amount of HITS exceed the line by > 1  then you will be awarded 3 extra balls."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "7:-Any WILD ball included in a win results in the prize being doubled."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "8:-To change the amount of SPOTS marked click on ERASE then repeat process (2)."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "10:-To change speed of execution goto'Options'."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "11:-To change Player goto'Options'."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "12:-To Gain entry to the SELECTION Screen click on ERASE."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number."),
        QT_TRANSLATE_NOOP("windows::GameMenu", " C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY."),
        QT_TRANSLATE_NOOP("windows::GameMenu", "14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower."),
        QT_TRANSLATE_NOOP("windows::GameMenu", " Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit."),
    };
    QString text;
    for (const char* piece : pieces)
        text += tr(piece) + u'\r';
    messages.show(platform::Messages::Icon::information, text.toStdString());
}

GameMenu::~GameMenu()
{
    delete paysheet;
    delete options;
}

} // namespace windows
