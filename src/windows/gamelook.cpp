// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamelook.h"

#include "centring.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

namespace windows {

namespace {
QString registeredFamily()
{
    QString family;
    for (const char* file : {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"}) {
        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFont(QString::fromLatin1(file)));
        if (!families.isEmpty())
            family = families.first();
    }
    // Whatever still asks for the layout's face by name gets ours.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), family);
    return family;
}

// Glyphs drawn the same whatever the machine's font settings say: no
// hinting, no colour fringes. Fonts made elsewhere (the pictures' lettering)
// take this from the application's font.
void rendering(QFont& font)
{
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
}

QPalette gamePalette()
{
    const QColor darkPurple(75, 0, 110), cream(255, 250, 225);
    QPalette p(darkPurple, purple);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, yellow);
        p.setColor(group, QPalette::ButtonText, yellow);
        p.setColor(group, QPalette::Base, cream);
        p.setColor(group, QPalette::AlternateBase, QColor(245, 230, 250));
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::Highlight, yellow);
        p.setColor(group, QPalette::HighlightedText, Qt::black);
        p.setColor(group, QPalette::ToolTipBase, cream);
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        p.setColor(group, QPalette::PlaceholderText, QColor(110, 90, 110));
        p.setColor(group, QPalette::BrightText, Qt::white);
    }
    // Dimmed, but still legible on the purple.
    const QColor dimmed(215, 170, 215);
    p.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 90, 110));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(225, 215, 225));
    return p;
}
// Enter presses the button with the focus, else the window's default
// button, as in a dialog; a text box with the focus keeps Enter for its text.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* window = static_cast<QWidget*>(watched);
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || qobject_cast<QLineEdit*>(window->focusWidget()))
            return false;
        auto* button = qobject_cast<QPushButton*>(window->focusWidget());
        for (QPushButton* candidate : window->findChildren<QPushButton*>())
            if (!button && candidate->isDefault() && candidate->isVisible() && candidate->isEnabled())
                button = candidate;
        if (button)
            button->click();
        return button != nullptr;
    }
};
} // namespace

QFont gameFont(bool bold)
{
    static const QString family = registeredFamily();
    // A letter our face lacks comes from the desktop's plain face, measured
    // and drawn with it, rather than as an empty box.
    QFont font;
    font.setFamilies({family, QStringLiteral("sans-serif")});
    font.setBold(bold);
    rendering(font);
    return font;
}

QFont gameFontAt(qreal points, bool bold)
{
    QFont font = gameFont(bold);
    font.setPointSizeF(points);
    return font;
}

void useGameLook()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // One style on every desktop, so the palette is honoured everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(gamePalette());
    QApplication::setFont(gameFontAt(10));
    QPalette tip = gamePalette();
    tip.setColor(QPalette::ToolTipBase, purple);
    tip.setColor(QPalette::ToolTipText, yellow);
    QToolTip::setPalette(tip);
    QToolTip::setFont(gameFontAt(11));
}

void ownBy(QWidget* window, QWidget* owner)
{
    // Only a dialog is marked as its owner's for the window manager.
    window->setWindowFlags(window->windowFlags() | Qt::Dialog);
    window->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(owner->window()->windowHandle());
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    window->installEventFilter(new EnterPresses(window));
    centreOn(window, owner);
}

void centreOn(QWidget* window, const QWidget* owner, bool beside)
{
    // Until the window manager has framed the window, its frame is taken to be as thick as its owner's.
    const auto margins = [](const QWidget* w) {
        const QRect outer = w->frameGeometry(), inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    QMargins frame = margins(window);
    if (frame.isNull())
        frame = margins(owner);
    const QSize outer = window->size().grownBy(frame);
    const QRect home = owner->frameGeometry();
    QPoint origin = centredOrigin(home, outer);
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        // Beside: on the side with room for it, else on the roomier side, as far off the owner as the screen allows.
        const int right = room.right() - home.right(), left = home.left() - room.left();
        if (beside)
            origin = {right >= outer.width() || right >= left ? home.right() + 1 : home.left() - outer.width(), home.top()};
        origin.setX(std::max(room.left(), std::min(origin.x(), room.right() + 1 - outer.width())));
        origin.setY(std::max(room.top(), std::min(origin.y(), room.bottom() + 1 - outer.height())));
    }
    // Placed by its inside: where a frame not yet drawn would go is the window manager's guess.
    window->setGeometry(QRect(origin + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace windows
