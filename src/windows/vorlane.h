// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fieldlayout.h"
#include "presenter.h"

#include <QMainWindow>

namespace windows {

class ArtRenderer;
class FieldScene;

// The main window: the play field in a view that fits it to the window,
// and the menu bar. A click or key on the field gives the game a command;
// the presenter shows what the game tells.
class vorlane : public QMainWindow {
    Q_OBJECT
public:
    vorlane(game::Keno& keno, ArtRenderer& art, platform::Messages& messages, platform::SettingsStore& store,
            platform::Sound& sound, const platform::Clock& clock, QWidget* parent = nullptr);
    ~vorlane() override;

    FieldScene& field() const { return *scene; }
    Presenter& presenter() const { return *shows; }

    enum class Ending {
        byPlayer,  // the close box or Exit: a failed save is shown in a box
        asked,     // a signal, or the window destroyed by another program
        lastChance // the display is gone or the window is being deleted: save only
    };
    // Ends the game at once, whatever box or window is open: the open play is
    // settled, the record saved and every event loop left. Only the first
    // call does the work.
    void end(Ending how);

signals:
    // Ctrl+M: all sound on or off (no menu entry; the menu bar stays as it is).
    void soundToggleRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Arrows, Space, Enter, + and - on the field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void command(layout::Command command, int index);
    void markFocused();
    // The size and place kept for a screen of this start where they fit its
    // free area; else the default size, scaled down to that area where it is
    // smaller, centred on it.
    void fitToScreen();
    bool takeKeptPlace();
    void keepPlace();

    game::Keno& keno;
    platform::SettingsStore& store;
    FieldScene* scene;
    Presenter* shows;
    bool placeKept = false;
};

} // namespace windows
