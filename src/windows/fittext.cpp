// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fittext.h"

#include <QEvent>
#include <QWidget>

namespace windows {

namespace {
constexpr int smallestPixels = 7;

bool fits(const QWidget* w)
{
    if (w->hasHeightForWidth())
        return w->heightForWidth(w->width()) <= w->height();
    const QSize wanted = w->sizeHint();
    return wanted.width() <= w->width() && wanted.height() <= w->height();
}

// Chooses the font just before each paint, so every new text is measured.
class Fitter : public QObject {
public:
    Fitter(QWidget* widget) : QObject(widget), full(widget->font())
    {
        if (full.pixelSize() <= 0)
            full.setPixelSize(qRound(full.pointSizeF() * widget->logicalDpiY() / 72));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const QString text = w->property("text").toString();
        if (text == fittedText && w->size() == fittedSize)
            return false;
        fittedText = text;
        fittedSize = w->size();
        QFont font = full;
        w->setFont(font);
        for (int pixels = full.pixelSize(); pixels > smallestPixels && !fits(w); --pixels) {
            font.setPixelSize(pixels - 1);
            w->setFont(font);
        }
        return false;
    }

private:
    QFont full;
    QString fittedText;
    QSize fittedSize;
};
} // namespace

void shrinkToFit(QWidget* widget) { widget->installEventFilter(new Fitter(widget)); }

} // namespace windows
