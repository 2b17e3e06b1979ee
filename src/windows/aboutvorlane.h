// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QDialog>

namespace windows {

// Names the program and its version. Shown as an ordinary window while the
// main window is disabled; closing it in any way gives the main window back.
class aboutvorlane : public QDialog {
    Q_OBJECT
public:
    explicit aboutvorlane(QWidget* mainWindow);
    // Places the window centred over the main window.
    void centreform(QWidget* frm);

protected:
    void done(int result) override;

private:
    QWidget* mainWindow;
};

} // namespace windows
