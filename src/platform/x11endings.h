// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace platform {

// Endings the X server brings that Qt does not pass on: the close box of a
// window held behind a modal message box (Qt drops it), and the window
// destroyed by another program (the game would live on without a window).
// Does nothing on other window systems.
class X11Endings : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11Endings(QWidget* window);
    ~X11Endings() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void closeRequested(); // the close box, while a message box is up
    void windowLost();

private:
    QWidget* window;
    unsigned deleteWindow = 0; // the WM_DELETE_WINDOW atom
};

} // namespace platform
