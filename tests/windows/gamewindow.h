// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fakes/fakemessages.h"
#include "fakes/fakesound.h"
#include "fakes/rig.h"
#include "windows/artrenderer.h"
#include "windows/dropanimator.h"
#include "windows/fieldscene.h"
#include "windows/panelitem.h"
#include "windows/pictureitem.h"
#include "windows/presenter.h"
#include "windows/vorlane.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QTest>

// The main window, shown, over a game started with a record of `bank`
// coins, and the ways a player reaches it.
struct GameWindow {
    GameWindow(platform::SettingsStore& store, game::Long bank = 35, const char* name = "ANNA")
        : window(rig.keno, art, messages, store, sound, rig.clock)
    {
        window.show();
        game::Player record;
        record.bank = bank;
        record.currentplayer = name;
        rig.keno.startUp(record);
    }

    QGraphicsItem* item(const QString& name, int index = 0) const { return window.field().item(name, index); }
    windows::DropAnimator& animator() const { return window.presenter().animator(); }
    QGraphicsView* view() const { return window.findChild<QGraphicsView*>(); }
    windows::PictureItem* picture(const QString& name, int index = 0) const
    {
        return dynamic_cast<windows::PictureItem*>(item(name, index));
    }
    QString caption(const QString& panel) const
    {
        return dynamic_cast<windows::PanelItem*>(item(panel))->caption();
    }
    // A click at the centre of the item as the field shows it.
    void click(const QString& name, int index = 0)
    {
        const QPointF centre = item(name, index)->sceneBoundingRect().center();
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->mapFromScene(centre));
    }
    void trigger(const char* menu) { window.findChild<QAction*>(QString::fromLatin1(menu))->trigger(); }
    // The top-level windows of type W, shown or not.
    template <typename W> static QList<W*> windowsOf()
    {
        QList<W*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<W*>(w))
                found << window;
        return found;
    }

    fakes::FakeSound sound;
    fakes::FakeMessages messages;
    Rig rig{0};
    windows::ArtRenderer art;
    windows::vorlane window;
};

// Every label and button `window` shows stands whole in its fixed place, in
// a size still legible; `checked` counts them.
inline void verifyTextsFit(QWidget* window, int& checked)
{
    window->grab(); // texts are fitted as they are drawn
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)))
            continue;
        const QString what = w->objectName() + u' ' + w->property("text").toString();
        if (w->hasHeightForWidth())
            QVERIFY2(w->heightForWidth(w->width()) <= w->height(), qPrintable(what));
        else
            QVERIFY2(w->sizeHint().width() <= w->width() && w->sizeHint().height() <= w->height(), qPrintable(what));
        QVERIFY2(w->font().pixelSize() >= 8 || w->font().pointSizeF() >= 6, qPrintable(what));
        ++checked;
    }
}
