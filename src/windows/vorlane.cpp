// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "vorlane.h"

#include "fieldscene.h"
#include "fieldview.h"
#include "game/keno.h"
#include "gamelook.h"
#include "gamemenu.h"
#include "presenter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QShortcut>
#include <QThread>

namespace windows {

vorlane::vorlane(game::Keno& keno, ArtRenderer& art, platform::Messages& messages, platform::SettingsStore& store,
                 platform::Sound& sound, const platform::Clock& clock, QWidget* parent)
    : QMainWindow(parent), keno(keno), scene(new FieldScene(art, this)),
      shows(new Presenter(keno, *scene, sound, messages, store, clock, this))
{
    setObjectName(QStringLiteral("vorlane"));
    // The design-time title, replaced by the player's caption once the game has started.
    setWindowTitle(tr("                                        K E N O      K E N O"));
    useGameLook();
    setFont(gameFontAt(14.25));
    setCentralWidget(new FieldView(scene, this));
    new GameMenu(this, keno, store, shows->records(), messages);
    auto* mute = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(mute, &QShortcut::activated, this, &vorlane::soundToggleRequested);
    connect(scene, &FieldScene::commanded, this, &vorlane::command);
    resize(scene->sceneRect().size().toSize() + QSize(0, menuBar()->sizeHint().height()));
    move(0, 0);
}

vorlane::~vorlane() { end(Ending::lastChance); }

void vorlane::command(layout::Command command, int index)
{
    switch (command) {
    case layout::Command::markSpot:
        return keno.markSpot(index);
    case layout::Command::insertCoins:
        return keno.insertCoins();
    case layout::Command::autoSelect:
        return keno.autoSelect();
    case layout::Command::erase:
        return keno.erase();
    case layout::Command::chooseBet:
        return keno.chooseBet(index);
    case layout::Command::play:
        return shows->show(keno.play(index));
    case layout::Command::collectExtraBalls:
        return shows->show(keno.collectExtraBalls());
    case layout::Command::none:
        return;
    }
}

void vorlane::closeEvent(QCloseEvent* event)
{
    event->accept();
    end(Ending::byPlayer);
}

void vorlane::end(Ending how)
{
    shows->end(how == Ending::byPlayer);
    // Every running loop, a message box's too, so no box can hold the ending up.
    if (how != Ending::lastChance && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace windows
