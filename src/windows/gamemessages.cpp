// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamemessages.h"

#include "gamelook.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace windows {

void GameMessages::show(Icon icon, const std::string& prompt, const std::string& title)
{
    run(icon, prompt, title, false);
}

bool GameMessages::ask(const std::string& prompt, const std::string& title)
{
    return run(Icon::information, prompt, title, true);
}

bool GameMessages::run(Icon icon, const std::string& prompt, const std::string& title, bool question)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QDialog box(owner);
    box.setObjectName(QStringLiteral("message"));
    box.setWindowTitle(title.empty() ? QGuiApplication::applicationDisplayName() : QString::fromStdString(title));

    QString text = QString::fromStdString(prompt);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1); // a closing line break opens no empty line
    auto* shown = new QLabel(text, &box);
    shown->setObjectName(QStringLiteral("text"));
    shown->setTextFormat(Qt::PlainText);
    shown->setWordWrap(false);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* picture = new QLabel(&box);
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    picture->setPixmap(box.style()
                           ->standardIcon(icon == Icon::critical ? QStyle::SP_MessageBoxCritical
                                                                 : QStyle::SP_MessageBoxInformation,
                                          nullptr, &box)
                           .pixmap(side, side));
    picture->setAlignment(Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(question ? QDialogButtonBox::Yes | QDialogButtonBox::No : QDialogButtonBox::Ok, &box);
    for (QAbstractButton* button : buttons->buttons())
        button->setCursor(Qt::PointingHandCursor);
    if (question) // Enter and Escape both keep everything as it is
        buttons->button(QDialogButtonBox::No)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(picture);
    row->addWidget(shown, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row);
    layout->addWidget(buttons);
    // Wide enough for its title beside the frame's buttons.
    layout->addStrut(box.fontMetrics().horizontalAdvance(box.windowTitle()) + 8 * box.fontMetrics().height());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (owner) {
        box.adjustSize();
        centreOn(&box, owner->window());
    }
    return box.exec() == QDialog::Accepted;
}

} // namespace windows
