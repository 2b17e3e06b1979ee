// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QObject>
#include <memory>
#include <string>

class QSocketNotifier;

namespace platform {

// One game per record file, whatever happens to its folder. The game that
// plays on a file holds a local socket in Linux's abstract namespace, named
// after the file's real path (links followed). The kernel frees the name when
// the game ends, however it ends; no file or folder deleted or made again can
// free it, and two paths to one file share it. A game started while another
// holds it knocks on that socket, and the holder comes to the front.
class RecordGuard : public QObject {
    Q_OBJECT
public:
    // This program's guard of \p file, taken if no other program holds it.
    static std::shared_ptr<RecordGuard> of(const std::string& file);
    ~RecordGuard() override;
    RecordGuard(const RecordGuard&) = delete;
    RecordGuard& operator=(const RecordGuard&) = delete;

    // Whether this program holds the file: tried again at each call while
    // another does, never after release(). A socket that cannot be made at
    // all counts as held, so the game still plays where there are none.
    bool ours();
    // Asks the program that holds the file to come to the front; false when
    // none answers.
    bool knock() const;
    // The game has ended and saved: a new start may take the file at once,
    // even while this program is still on its way out.
    void release();

signals:
    void knocked();

private:
    explicit RecordGuard(std::string name);

    std::string name; // in the abstract namespace: no file anywhere
    int fd = -1;
    bool unavailable = false;
    bool released = false;
    QSocketNotifier* door = nullptr;
};

} // namespace platform
