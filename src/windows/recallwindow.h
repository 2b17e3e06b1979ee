// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "history/playrecord.h"

#include <QWidget>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace windows {

class ArtRenderer;
class FieldScene;
class PlayHistory;

// Game recall: a player's plays, newest first, a page at a time, each
// redrawn on a field of its own as the field looked when it ended; above
// them the meter since the game started.
class recallwindow : public QWidget {
    Q_OBJECT
public:
    recallwindow(ArtRenderer& art, PlayHistory& history, int slot, QWidget* parent = nullptr);

    static constexpr int pageSize = 10;
    FieldScene& field() const { return *scene; }
    // The plays of the page shown, newest first.
    const std::vector<history::PlayRecord>& page() const { return plays; }
    void showOlder();
    void showNewer();
    void choose(int row);

private:
    void showPage();

    PlayHistory& history;
    int slot;
    FieldScene* scene;
    QLabel* meter;
    QLabel* heading;
    QListWidget* list;
    QPushButton* older;
    QPushButton* newer;
    // Where each page shown before this one began: the newest is `newest`.
    std::vector<std::int64_t> starts;
    std::vector<history::PlayRecord> plays;
};

} // namespace windows
