// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "frmvorlaneoptions.h"

#include "artrenderer.h"
#include "fieldlayout.h"
#include "fittext.h"
#include "game/keno.h"
#include "game/pace.h"
#include "gamelook.h"
#include "twips.h"
#include "platform/messages.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"
#include "recordnotices.h"
#include "statisticslines.h"
#include "platform/messages.h"
#include "words.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

namespace windows {

namespace {
using game::pace::speedSteps;

// The layout's twips, a third larger: room for the one size of type below.
QRect grown(int left, int top, int width, int height)
{
    const QRect at = twips(left, top, width, height);
    return {at.x() * 4 / 3, at.y() * 4 / 3, at.width() * 4 / 3, at.height() * 4 / 3};
}
// Every text of the window in one size: the main window's 14.25 points, a
// fifth smaller, as the window's layout is to the field's.
constexpr qreal typePoints = 14.25 * 0.8;

// A player's name at the window's one size: one too long for its place ends
// in an ellipsis, and its tooltip shows it whole.
class SlotButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    QSize sizeHint() const override { return QRadioButton::sizeHint().boundedTo(size()); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        const int room = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
        option.text = fontMetrics().elidedText(text(), Qt::ElideRight, room);
        setToolTip(option.text == text() ? QString() : text());
        QStylePainter(this).drawControl(QStyle::CE_RadioButton, option);
    }
};

// A statistics line: its name at the left, its value at the right edge,
// so the six values stand in one column whatever blanks the text holds.
class StatisticsLabel final : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        const auto [name, value] = parts();
        const QFontMetrics metrics = fontMetrics();
        return {metrics.horizontalAdvance(name) + gap() + metrics.horizontalAdvance(value), metrics.height()};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const auto [name, value] = parts();
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, value);
    }

private:
    int gap() const { return fontMetrics().horizontalAdvance(QStringLiteral("  ")); }
    // The name ends at the first run of two blanks or more; the value follows it.
    std::pair<QString, QString> parts() const
    {
        static const QRegularExpression split(QStringLiteral("^(.*?\\S)\\s{2,}(.*)$"));
        const auto found = split.match(text());
        return found.hasMatch() ? std::pair{found.captured(1), found.captured(2)} : std::pair{text().trimmed(), QString()};
    }
};

template <typename W> W* place(W* widget, const char* name, QRect where)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(where);
    return widget;
}
} // namespace

frmvorlaneoptions::frmvorlaneoptions(game::Keno& keno, platform::SettingsStore& store, players::RecordSaver& saver,
                                     platform::Messages& messages, QWidget* mainWindow)
    : QWidget(nullptr), keno(keno), store(store), saver(saver), messages(messages), mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmvorlaneoptions"));
    setWindowTitle(tr("VorLane Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(grown(0, 0, 7860, 4290).size());
    setFont(gameFontAt(typePoints));

    // The frame stands a little inside the window, so its title is clear of the edge.
    auto* frame = place(new QGroupBox(tr("Vorlane Options"), this), "Framemain", rect().adjusted(3, 3, -3, -3));
    buildNameEntry(frame);
    buildSlots(frame);
    buildStatistics(frame);
    buildButtons(frame);
    buildSpeeds(frame);
    fitTexts(frame);
    showAtOpening();
}

void frmvorlaneoptions::buildNameEntry(QWidget* frame)
{
    auto* prompt = place(new QLabel(tr("Input Player Name") + QString(40, u' ') + tr("Then Enter"),
                                    frame),
                         "lblplayername", grown(240, 360, 1500, 360));
    prompt->setWordWrap(true);
    player1 = place(new QLineEdit(frame), "player1", grown(1750, 240, 1455, 375));
    connect(player1, &QLineEdit::returnPressed, this, &frmvorlaneoptions::player1_Enter);
    lblcurrentplayer = place(new QLabel(frame), "lblcurrentplayer", grown(100, 720, 3375, 300));
}

void frmvorlaneoptions::buildSlots(QWidget* frame)
{
    machines = new QButtonGroup(this);
    for (int i = 1; i <= players::slotCount; ++i) {
        // As wide as the room before the statistics: a name of twelve wide letters fits.
        machine[std::size_t(i)] = place(new SlotButton(frame), "machine", grown(100, 1200 + 360 * (i - 1), 1860, 300));
        machine[std::size_t(i)]->setProperty("index", i);
        machines->addButton(machine[std::size_t(i)], i);
    }
    connect(machines, &QButtonGroup::idClicked, this, &frmvorlaneoptions::machine_Click);
}

// One row beside each slot button.
void frmvorlaneoptions::buildStatistics(QWidget* frame)
{
    static constexpr const char* names[] = {"lblgames",    "lblwager",    "lbltotalwon",
                                            "lblwinlose",  "lblreturned", "lblinvested"};
    for (std::size_t k = 0; k < statistics.size(); ++k)
        statistics[k] = place(new StatisticsLabel(frame), names[k], grown(2000, 1200 + 360 * int(k), 2560, 300));
}

void frmvorlaneoptions::buildButtons(QWidget* frame)
{
    Btndeletedetails = place(new QPushButton(frame), "Btndeletedetails", grown(120, 3600, 4335, 435));
    connect(Btndeletedetails, &QPushButton::clicked, this, &frmvorlaneoptions::Btndeletedetails_Click);
    auto* ok = place(new QPushButton(tr("O.K. Close and save changes"), frame), "btnokplayer",
                     grown(4620, 3600, 2895, 435));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmvorlaneoptions::btnokplayer_Click);
    auto* quickmoney = place(new QPushButton(frame), "quickmoney", grown(5580, 2100, 1755, 675));
    quickmoney->setIconSize(quickmoney->size() - QSize(12, 6)); // the button's margins
    // Drawn the way an icon is: its own shape, as large as the room allows.
    const QString art = QStringLiteral("fastmoney"), words = layout::pictureCaption(art);
    const qreal ratio = devicePixelRatioF();
    const QSize shape = QSvgRenderer(QStringLiteral(":/art/%1.svg").arg(art)).defaultSize();
    QPixmap icon = ArtRenderer().pixmap(art, shape.scaled(quickmoney->iconSize() * ratio, Qt::KeepAspectRatio), words);
    icon.setDevicePixelRatio(ratio);
    quickmoney->setIcon(QIcon(icon));
    quickmoney->setToolTip(words);
    connect(quickmoney, &QPushButton::clicked, this, &frmvorlaneoptions::quickmoney_Click);
    auto* banknote = place(new QLabel(frame), "Picture1", grown(4740, 2040, 750, 750));
    banknote->setPixmap(QIcon(QStringLiteral(":/art/banknote.svg")).pixmap(QSize(66, 66)));
}

void frmvorlaneoptions::buildSpeeds(QWidget* frame)
{
    auto* speedFrame = place(new QGroupBox(tr("Reel Speed"), frame), "Framespeed", grown(4620, 240, 3075, 1575));
    speeds = new QButtonGroup(this);
    for (int i = 0; i <= 4; ++i) {
        setspeed[std::size_t(i)] = place(new QRadioButton(QString::number(i + 1), speedFrame), "setspeed",
                                         grown(120 + 600 * i, 360, 500, 300));
        setspeed[std::size_t(i)]->setProperty("index", i);
        speeds->addButton(setspeed[std::size_t(i)], i);
    }
    connect(speeds, &QButtonGroup::idClicked, this, &frmvorlaneoptions::setspeed_Click);
    place(new QLabel(tr("<<<Faster") + QString(30, u' ') + tr("Slower>>>"), speedFrame),
                           "fastslow", grown(120, 720, 2900, 300));
    speedlab = place(new QLabel(speedFrame), "speedlab", grown(120, 960, 2535, 375));
}

void frmvorlaneoptions::fitTexts(QWidget* frame)
{
    for (QLabel* label : frame->findChildren<QLabel*>())
        shrinkToFit(label);
    for (QAbstractButton* clickable : frame->findChildren<QAbstractButton*>()) {
        if (clickable->objectName() != QLatin1String("machine"))
            shrinkToFit(clickable);
        clickable->setCursor(Qt::PointingHandCursor);
    }
}

// Keeps what was played since the last save, then shows the slots.
void frmvorlaneoptions::showAtOpening()
{
    save();
    for (int i = 1; i <= players::slotCount; ++i) {
        const QString slotName = QString::fromStdString(players::readName(store, i)).toUpper();
        machine[std::size_t(i)]->setText(slotName.isEmpty() ? tr("Vacant") : slotName);
    }
    machine_Click(slot());
    selectSpeed();
    lblcurrentplayer->setText(currentPlayer(4) + name());
    showStatistics(Moment::windowOpen);
}

int frmvorlaneoptions::slot() const { return keno.state().playerno; }

QString frmvorlaneoptions::name() const
{
    return QString::fromStdString(keno.state().player.currentplayer).toUpper();
}

void frmvorlaneoptions::save() { saver.save(slot(), keno.state().player); }

void frmvorlaneoptions::showStatistics(Moment moment)
{
    const QStringList lines = statisticsLines(keno.state().player, moment, statistics[4]->text());
    for (int k = 0; k < lines.size(); ++k)
        statistics[std::size_t(k)]->setText(lines[k]);
}

// The game plays at one of the five speeds, so one is always chosen.
void frmvorlaneoptions::selectSpeed()
{
    const int index = int(game::pace::speedChoice(keno.state().player.reelspeed));
    setspeed[std::size_t(index)]->setChecked(true);
    setspeed_Click(index);
}

void frmvorlaneoptions::machine_Click(int index)
{
    machine[std::size_t(index)]->setChecked(true);
    game::Player record;
    const auto unread = players::readRecord(store, index, record);
    const QString shown = QString::fromStdString(record.currentplayer).toUpper();
    keno.choosePlayer(index, record);
    player1->setFocus();
    lblcurrentplayer->setText(currentPlayer(3) + shown);
    machine[std::size_t(index)]->setText(shown.isEmpty() ? tr("Vacant") : shown);
    showDeleteCaption(QString::fromStdString(record.currentplayer));
    if (keno.state().player.games == 0)
        lblcurrentplayer->setText(currentPlayer(4) + shown);
    showStatistics(Moment::slotChosen);
    selectSpeed();
    showNotice(messages, unreadNotice(store, index, unread));
}

void frmvorlaneoptions::player1_Enter()
{
    const QString text = player1->text();
    player1->clear();
    if (keno.renamePlayer(text.toStdString())) {
        machine[std::size_t(slot())]->setText(name());
        save();
        showDeleteCaption(text);
    }
    lblcurrentplayer->setText(currentPlayer(2) + name());
}

void frmvorlaneoptions::showDeleteCaption(const QString& rawName)
{
    Btndeletedetails->setText(tr("Delete Currentplayer  (%1) Details").arg(rawName));
}

void frmvorlaneoptions::Btndeletedetails_Click()
{
    const QString who = QString::fromStdString(keno.state().player.currentplayer).toUpper();
    if (!messages.ask(tr("Delete every detail of player %1 (%2): the credit, the statistics and the play history?\r"
                         "This cannot be undone.")
                          .arg(QString::number(slot()), who)
                          .toStdString(),
                      programName().toStdString()))
        return;
    keno.deleteDetails();
    save();
    lblcurrentplayer->setText(currentPlayer(3) + name());
    showStatistics(Moment::detailsDeleted);
}

void frmvorlaneoptions::quickmoney_Click() { keno.fastMoney(); }

void frmvorlaneoptions::setspeed_Click(int index)
{
    keno.setReelspeed(speedSteps[std::size_t(index)]);
    speedlab->setText(tr("Current Speed =   %1").arg(index + 1));
}

void frmvorlaneoptions::btnokplayer_Click()
{
    save();
    player1->clear();
    close();
}

void frmvorlaneoptions::closeEvent(QCloseEvent* event)
{
    save();
    player1->clear();
    mainWindow->setEnabled(true);
    mainWindow->raise();
    mainWindow->activateWindow();
    event->accept();
}

} // namespace windows
