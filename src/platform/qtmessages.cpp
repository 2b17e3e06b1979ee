// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtmessages.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

void QtMessages::show(Icon icon, const std::string& prompt, const std::string& title)
{
    QString text = QString::fromStdString(prompt);
    text.replace(u'\r', u'\n');
    QMessageBox box(icon == Icon::critical ? QMessageBox::Critical : QMessageBox::Information,
                    title.empty() ? QGuiApplication::applicationDisplayName() : QString::fromStdString(title), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
