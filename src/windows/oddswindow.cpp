// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "oddswindow.h"

#include "game/oddstable.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace windows {

oddswindow::oddswindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("oddswindow"));
    setWindowTitle(QStringLiteral("Odds and Return to Player"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QPlainTextEdit(QString::fromStdString(game::oddsTable()), this);
    text->setObjectName(QStringLiteral("oddstable"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    // Wide and tall enough for the whole table without scrolling.
    const QFontMetrics metrics(text->font());
    int widest = 0;
    const QStringList lines = text->toPlainText().split(u'\n');
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    resize(widest + 48, metrics.lineSpacing() * int(lines.size()) + 48);
}

} // namespace windows
