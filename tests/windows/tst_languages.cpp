// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamewindow.h"

#include "fakes/memorystore.h"
#include "windows/aboutvorlane.h"
#include "windows/fieldlayout.h"
#include "windows/frmvorlaneoptions.h"
#include "windows/gamemessages.h"
#include "windows/language.h"
#include "windows/oddswindow.h"
#include "windows/tarvopaysheet.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>
#include <memory>

namespace {
// A text and its translation in the desktop's language, as the translation file has them.
struct Message {
    QString source, translation;
};

std::vector<Message> translationFile()
{
    std::vector<Message> messages;
    const QString code = QLocale::system().name();
    QFile ts(QStringLiteral(TRANSLATIONS "/slot_vorlane_%1.ts").arg(code));
    if (!ts.exists())
        ts.setFileName(QStringLiteral(TRANSLATIONS "/slot_vorlane_%1.ts").arg(code.section(u'_', 0, 0)));
    if (!ts.open(QIODevice::ReadOnly))
        return messages; // English
    QXmlStreamReader xml(&ts);
    QString* into = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"message")
            messages.emplace_back();
        else if (xml.isStartElement() && xml.name() == u"source")
            into = &messages.back().source;
        else if (xml.isStartElement() && xml.name() == u"translation")
            into = &messages.back().translation;
        else if (xml.isStartElement() && xml.name() == u"byte" && into)
            *into += u'\r';
        else if (xml.isCharacters() && into)
            *into += xml.text();
        else if (xml.isEndElement() && (xml.name() == u"source" || xml.name() == u"translation"))
            into = nullptr;
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[0-9]"));
    QStringList found;
    for (auto m = marker.globalMatch(text); m.hasNext();)
        found << m.next().captured();
    found.sort();
    return found;
}

// Each line of every text the translation changes, with its placeholders standing for anything.
QList<QRegularExpression> englishLines(const std::vector<Message>& messages)
{
    QList<QRegularExpression> lines;
    for (const Message& m : messages) {
        if (m.translation == m.source)
            continue;
        for (const QString& line : m.source.split(QRegularExpression(QStringLiteral("[\r\n]")))) {
            QString words = line.trimmed();
            if (!words.remove(QRegularExpression(QStringLiteral("%[0-9]"))).contains(QRegularExpression(QStringLiteral("\\w{2}"))))
                continue;
            QString pattern = QRegularExpression::escape(line.trimmed());
            pattern.replace(QRegularExpression(QStringLiteral("\\\\%[0-9]")), QStringLiteral(".*"));
            lines << QRegularExpression(u'^' + pattern + u'$');
        }
    }
    return lines;
}

// What a window shows in words: its title, and its labels', buttons', frames' and tool tips' texts.
QStringList textsOf(const QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (const auto* frame = qobject_cast<const QGroupBox*>(w))
            texts << frame->title();
    }
    return texts;
}

QImage picture(QGraphicsScene& field)
{
    QImage image(field.sceneRect().size().toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    field.render(&painter, QRectF(image.rect()), field.sceneRect());
    return image;
}
} // namespace

// The game and each of its windows speak the desktop's language (LANG) where it has words for it, with
// nothing cut off; the field looks as it does in English but for the words drawn on its pictures.
class tst_languages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // English first: the source every language is held against.
        game = std::make_unique<GameWindow>(store, widest, "WWWWWWWWWWWW");
        english = picture(game->window.field());
        game.reset();
        windows::useLanguage({});
        messages = translationFile();
        english = english.convertToFormat(QImage::Format_RGB32);
        game = std::make_unique<GameWindow>(store, widest, "WWWWWWWWWWWW");
        QVERIFY(QTest::qWaitForWindowExposed(&game->window));
    }
    // Every translation keeps its source's placeholders and line breaks, and the menu bar's keys stay apart.
    void translationsKeepTheirShape()
    {
        for (const Message& m : messages) {
            QCOMPARE(placeholders(m.translation), placeholders(m.source));
            QCOMPARE(m.translation.count(u'\r'), m.source.count(u'\r'));
            QCOMPARE(m.translation.count(u'&'), m.source.count(u'&'));
        }
        QStringList keys;
        for (const QAction* action : game->window.menuBar()->actions()) {
            const qsizetype amp = action->text().indexOf(u'&');
            if (amp >= 0)
                keys << action->text().mid(amp + 1, 1).toLower();
        }
        QCOMPARE(keys.size(), 4);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }
    // The field differs from English only inside the pictures that carry words, and those words are
    // shrunk only where the language needs more room, never below half their size, never cut.
    void fieldDiffersOnlyInItsCaptions()
    {
        QList<QRectF> captioned;
        for (QGraphicsItem* each : game->window.field().items()) {
            const auto* item = dynamic_cast<windows::PictureItem*>(each);
            if (!item || item->caption().isEmpty())
                continue;
            const qreal scale = game->art.captionScale(item->picture(), item->caption());
            QVERIFY2(scale >= 0.5, qPrintable(item->caption()));
            if (messages.empty())
                QVERIFY2(qFuzzyCompare(scale, 1.0), qPrintable(item->caption()));
            // Drawn large, no ink of the words reaches the picture's sides.
            const QSize size = item->boundingRect().size().toSize() * 4;
            const QImage with = game->art.pixmap(item->picture(), size, item->caption()).toImage();
            const QImage without = game->art.pixmap(item->picture(), size).toImage();
            const int side = size.width() * 3 / 100;
            for (int y = 0; y < size.height(); ++y)
                for (int x : {side, size.width() - 1 - side})
                    QVERIFY2(with.pixel(x, y) == without.pixel(x, y), qPrintable(item->caption()));
            captioned << item->sceneBoundingRect();
        }
        QVERIFY(captioned.size() >= 15);
        const QImage shown = picture(game->window.field());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != english.pixel(x, y))
                    QVERIFY2(std::any_of(captioned.begin(), captioned.end(), [&](const QRectF& r) { return r.contains(x + 0.5, y + 0.5); }),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    void windowsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"field", "mnudetails", "mnupay", "odds", "mnuabout", "mnuhelp", "refusal"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // No line of a window is left in English where the language has other words, and every text in
    // a fixed place is drawn whole.
    void windowsSpeakTheLanguage()
    {
        QFETCH(QString, window);
        QStringList texts;
        QWidget* shown = nullptr;
        if (window == u"field") {
            shown = &game->window;
            texts = textsOf(shown);
            for (const QAction* action : game->window.menuBar()->actions())
                texts << action->text();
            for (QGraphicsItem* each : game->window.field().items())
                if (const auto* item = dynamic_cast<windows::PictureItem*>(each))
                    texts << item->caption() << item->toolTip();
        } else if (window == u"mnuhelp" || window == u"refusal") {
            game->messages.shown.clear();
            if (window == u"mnuhelp")
                game->trigger("mnuhelp");
            else
                game->click("PLAY", 1); // no spots marked
            QCOMPARE(game->messages.shown.size(), std::size_t(1));
            const QString prompt = QString::fromStdString(game->messages.shown.front().prompt);
            texts = prompt.split(u'\r');
            // The box the player meets, in the game's look: every line whole.
            QTimer::singleShot(0, [&texts] {
                QWidget* box = QApplication::activeModalWidget();
                const auto* label = box->findChild<QLabel*>(QStringLiteral("text"));
                QVERIFY(label->sizeHint().width() <= label->width());
                texts += textsOf(box);
                box->close();
            });
            windows::GameMessages().show(platform::Messages::Icon::information, prompt.toStdString());
        } else {
            game->trigger(window == u"odds" ? "mnupay" : qPrintable(window));
            const auto isNew = [](QWidget* w) { return w->isVisible() && w->isWindow() && !qobject_cast<windows::vorlane*>(w); };
            if (window == u"odds") {
                auto* sheet = GameWindow::windowsOf<windows::tarvopaysheet>().front();
                QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("oddsbutton")), Qt::LeftButton);
                sheet->close();
            }
            for (QWidget* w : QApplication::topLevelWidgets())
                if (isNew(w))
                    shown = w;
            QVERIFY(shown);
            texts = textsOf(shown);
        }
        if (shown) {
            int checked = 0;
            verifyTextsFit(shown, checked);
            if (shown != &game->window)
                shown->close();
        }
        const QList<QRegularExpression> english = englishLines(messages);
        for (const QString& text : texts)
            for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]"))))
                for (const QRegularExpression& source : english)
                    QVERIFY2(!source.match(line.trimmed()).hasMatch(), qPrintable(line));
    }

private:
    fakes::MemoryStore store;
    std::unique_ptr<GameWindow> game;
    std::vector<Message> messages;
    QImage english;
    static constexpr game::Long widest = 2147483647; // the widest credit, beside the widest name
};

QTEST_MAIN(tst_languages)
#include "tst_languages.moc"
