// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "players/recordsaver.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QGraphicsItem;
class QGraphicsLineItem;
class QGraphicsScene;
class QTimer;

namespace platform {
class Clock;
class Messages;
class SettingsStore;
class Sound;
} // namespace platform

namespace windows {

class aboutvorlane;
class ArtRenderer;
class DropAnimator;
class FieldView;
class frmvorlaneoptions;
class PanelItem;
class PictureItem;
class tarvopaysheet;
namespace layout {
struct Item;
}

// The main window: the play field with every picture, panel and array of
// the game at its place, and the menu bar. It maps clicks to the game's
// commands and shows the game's state; the rules live in game::Keno.
class vorlane : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize fieldSize{818, 564};

    vorlane(game::Keno& keno, ArtRenderer& art, platform::Messages& messages, platform::SettingsStore& store,
            platform::Sound& sound, const platform::Clock& clock, QWidget* parent = nullptr);
    ~vorlane() override;

    QGraphicsScene* scene() const { return field; }
    // The scene item that stands for control `name` (array element `index`).
    QGraphicsItem* item(const QString& name, int index = 0) const;
    // The drop being shown, if any.
    DropAnimator& animator() const { return *drop; }

    enum class Ending {
        byPlayer,  // the close box or Exit: a failed save is shown in a box
        asked,     // a signal, or the window destroyed by another program
        lastChance // the display is gone or the window is being deleted: save only
    };
    // Ends the game at once, whatever box or window is open: the open play is
    // settled, the record saved and every event loop left. Only the first
    // call does the work.
    void end(Ending how);
    // Tells the player, once the game is up, when its records were damaged
    // or cannot be saved.
    void startChecks();

signals:
    // Ctrl+M: all sound on or off (no menu entry; the menu bar stays as it is).
    void soundToggleRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildField();
    void buildMenus();
    void mnuabout_Click();
    void mnudetails_Click();
    void mnupay_Click();
    void mnuhelp_Click();
    void PLAY_Click(int flutes);
    void extraballs_Click();
    void showStep(const game::DropStep& step, std::int64_t elapsed);
    void showBall(int index, const game::BallPicture& look);
    void showStrip(int k, game::BallLook look);
    // Shows what the game tells: the state on the field, a sound, a message.
    void refresh(const game::Event& event);
    void voice(game::Event::Kind event);
    void tellRefusal(game::Refusal why);
    void showCaption(const game::State& s);
    void showCredit(const game::State& s);
    void showBoard(const game::State& s);
    void showBet(const game::State& s);
    void showPanels(const game::State& s);
    void showBallplay(const game::State& s);
    void showFlutes(const game::State& s);
    void showControls(const game::State& s);
    void runTimers(const game::State& s);
    // Keeps every settled change, and a play at the extra-ball offer.
    void keepRecord();
    // One item of the field's layout, at its place on the field or in its parent.
    QGraphicsItem* make(const layout::Item& row);
    // A picture that takes clicks, and the row's key for the same click.
    PictureItem* button(PictureItem* item, const layout::Item& row);

    game::Keno& keno;
    ArtRenderer& art;
    platform::Messages& messages;
    platform::SettingsStore& store;
    players::RecordSaver saver;
    platform::Sound& sound;
    QGraphicsScene* field;
    FieldView* view;
    std::map<std::pair<QString, int>, QGraphicsItem*> items; // by name and index

    std::array<PictureItem*, 81> a{};
    std::array<PictureItem*, 11> ball{};
    std::array<PictureItem*, 5> btnBET{};
    std::array<PictureItem*, 11> PLAY{};
    std::array<PanelItem*, 10> SSPanel{};
    std::array<QGraphicsLineItem*, 6> stop{};
    std::array<PictureItem*, game::dropballCount + 1> dropball{};
    PictureItem* ballplay = nullptr;
    PictureItem* nohit = nullptr;
    PictureItem* nohitwhite = nullptr;
    PictureItem* nohitblack = nullptr;
    PictureItem* extraballs = nullptr;
    PictureItem* extraback = nullptr;
    PictureItem* goodluck = nullptr;
    PictureItem* AUTOSELECT = nullptr;
    PictureItem* RUBBER = nullptr;
    PictureItem* coinsbet = nullptr;
    PanelItem* credit = nullptr;
    PanelItem* betpan = nullptr;
    PanelItem* winnings = nullptr;
    QTimer* ballflash;
    QTimer* extraballtimer;
    bool ended = false;
    DropAnimator* drop;

    // The secondary windows, each at most once.
    std::unique_ptr<aboutvorlane> about;
    QPointer<tarvopaysheet> paysheet;
    QPointer<frmvorlaneoptions> options;
};

} // namespace windows
