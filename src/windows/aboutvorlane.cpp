// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "aboutvorlane.h"

#include "gamelook.h"
#include "twips.h"
#include "words.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace windows {

aboutvorlane::aboutvorlane(QWidget* mainWindow) : QDialog(nullptr), mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("aboutvorlane"));
    setWindowTitle(tr("About %1").arg(QGuiApplication::applicationName()));
    setFixedWidth(pixels(5730));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twips(60, 120, 480, 480));
    picIcon->setPixmap(QIcon(QStringLiteral(":/art/icon.svg")).pixmap(QSize(32, 32)));

    auto* lblTitle = new QLabel(programName() + QStringLiteral("\nv6"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(twips(840, 120, 3465, 825));
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle->setFont(gameFontAt(12, false));

    // Default and cancel button: Enter and Escape both press it.
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips(4320, 360, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setCursor(Qt::PointingHandCursor);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void aboutvorlane::centreform(QWidget* frm)
{
    centreOn(frm, mainWindow);
}

void aboutvorlane::done(int result)
{
    // Escape, OK and the close box all end here.
    QDialog::done(result);
    mainWindow->setEnabled(true);
}

} // namespace windows
