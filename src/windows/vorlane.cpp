// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "vorlane.h"

#include "fieldscene.h"
#include "fieldview.h"
#include "game/keno.h"
#include "gamelook.h"
#include "centring.h"
#include "fieldaccessible.h"
#include "gamemenu.h"
#include "players/windowplace.h"
#include "presenter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <algorithm>
#include <utility>

namespace windows {

namespace {
constexpr int titleAllowance = 30, frameAllowance = 4;

// A screen by its name, size and place, in letters a settings key keeps as they are.
std::string screenKey(const QScreen* screen)
{
    const QRect area = screen->geometry();
    QString key = QStringLiteral("%1_%2x%3_%4_%5")
                      .arg(screen->name())
                      .arg(area.width())
                      .arg(area.height())
                      .arg(area.x())
                      .arg(area.y());
    for (QChar& c : key)
        if (!(c.isLetterOrNumber() && c.unicode() < 128))
            c = u'_';
    return key.toStdString();
}
} // namespace

vorlane::vorlane(game::Keno& keno, ArtRenderer& art, platform::Messages& messages, platform::SettingsStore& store,
                 platform::Sound& sound, const platform::Clock& clock, QWidget* parent)
    : QMainWindow(parent), keno(keno), store(store), scene(new FieldScene(art, this)),
      shows(new Presenter(keno, *scene, sound, messages, store, clock, this))
{
    setObjectName(QStringLiteral("vorlane"));
    // The design-time title, replaced by the player's caption once the game has started.
    setWindowTitle(tr("                                        K E N O      K E N O"));
    useGameLook();
    setFont(gameFontAt(14.25));
    setCentralWidget(new FieldView(scene, this));
    scene->showsGame(keno.state());
    fieldaccess::install();
    new GameMenu(this, keno, store, *shows, messages);
    auto* mute = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(mute, &QShortcut::activated, this, &vorlane::soundToggleRequested);
    // The board's keys reach the field, so the menu bar keeps the arrows while it has them.
    centralWidget()->installEventFilter(this);
    centralWidget()->setFocus();
    connect(scene, &FieldScene::commanded, this, &vorlane::command);
    fitToScreen();
}

void vorlane::fitToScreen()
{
    const int menu = menuBar()->sizeHint().height();
    const QSize field = scene->sceneRect().size().toSize();
    // Small enough for any screen, large enough that every button takes a click and the menu is whole.
    setMinimumSize(std::max(field.width() * 6 / 10, menuBar()->sizeHint().width()), field.height() * 6 / 10 + menu);
    if (takeKeptPlace())
        return;
    // The frame is not drawn yet: leave room for a title bar and borders of the usual size.
    const QSize frame(2 * frameAllowance, titleAllowance + frameAllowance);
    QSize size = field;
    QPoint origin(0, 0);
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        const QSize inside = room.size() - frame - QSize(0, menu);
        if (size.width() > inside.width() || size.height() > inside.height())
            size.scale(inside, Qt::KeepAspectRatio);
        origin = centredOrigin(room, size + frame + QSize(0, menu));
    }
    resize(size.expandedTo(minimumSize() - QSize(0, menu)) + QSize(0, menu));
    move(origin);
}

bool vorlane::takeKeptPlace()
{
    // The screen the game last ended on first, then any other screen with a place of its own.
    const std::string last = players::lastWindowScreen(store);
    QList<QScreen*> screens = QGuiApplication::screens();
    std::stable_partition(screens.begin(), screens.end(), [&](const QScreen* s) { return screenKey(s) == last; });
    for (QScreen* screen : screens) {
        const auto kept = players::readWindowPlace(store, screenKey(screen));
        if (!kept)
            continue;
        // The place is the frame's corner and the size inside it: one the window stood in on this screen fits it.
        const QRect place(kept->x, kept->y, kept->width, kept->height);
        const QSize least = minimumSize();
        if (place.width() < least.width() || place.height() < least.height() ||
            !screen->availableGeometry().contains(place))
            continue;
        resize(place.size());
        move(place.topLeft());
        return true;
    }
    return false;
}

// Set for the save of the record as the game ends: no write of its own.
void vorlane::keepPlace()
{
    if (const QScreen* screen = this->screen(); screen && isVisible())
        players::putWindowPlace(store, screenKey(screen), {x(), y(), width(), height()});
}

vorlane::~vorlane() { end(Ending::lastChance); }

bool vorlane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != centralWidget() || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (press->key()) {
    case Qt::Key_Left:
        return scene->moveFocus(-1, 0), true;
    case Qt::Key_Right:
        return scene->moveFocus(1, 0), true;
    case Qt::Key_Up:
        return scene->moveFocus(0, -1), true;
    case Qt::Key_Down:
        return scene->moveFocus(0, 1), true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return markFocused(), true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return keno.changeSpeed(1), true;
    case Qt::Key_Minus:
        return keno.changeSpeed(-1), true;
    default:
        return false;
    }
}

void vorlane::markFocused()
{
    // During a drop the key finishes it; over the flutes of a settled play it
    // says how to see the board again.
    if (shows->hurry())
        return;
    if (!keno.state().playing() && keno.state().ballplayVisible)
        return shows->note(tr("PRESS E (ERASE) TO SEE THE BOARD"));
    scene->moveFocus(0, 0);
    command(layout::Command::markSpot, scene->focusedSpot());
}

void vorlane::command(layout::Command command, int index)
{
    shows->clearNote();
    switch (command) {
    case layout::Command::finishDrop:
        if (!shows->hurry() && keno.state().playing())
            shows->refuse(game::Refusal::playOpen);
        return;
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
    if (how != Ending::lastChance && !std::exchange(placeKept, true))
        keepPlace();
    shows->end(how == Ending::byPlayer);
    // Every running loop, a message box's too, so no box can hold the ending up.
    if (how != Ending::lastChance && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace windows
