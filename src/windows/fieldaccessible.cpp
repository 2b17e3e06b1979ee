// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fieldaccessible.h"

#include "fieldscene.h"
#include "fieldview.h"
#include "game/keno.h"
#include "panelitem.h"
#include "pictureitem.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <array>
#include <vector>

namespace windows::fieldaccess {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(FieldAccessible)
};

enum class Kind { spot, button, panel, payout, flutes, flute, notice };

class FieldAccessible;

// One thing of the field. Not a QObject: the accessibility cache owns it,
// and it asks the field for everything, so it never tells a stale value.
class Part : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Part(FieldView* view, Kind kind, int index, QGraphicsObject* item, QString title = {})
        : view(view), kind(kind), index(index), item(item), title(std::move(title))
    {
    }

    bool isValid() const override { return view && view->scene() && (kind == Kind::flutes || kind == Kind::flute || item); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int i) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && !actionNames().isEmpty()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool shows(const QGraphicsObject* shown) const { return item == shown; }

    // The notice's words, the last the field said.
    QString said;

private:
    FieldAccessible* field() const;
    const FieldScene& scene() const { return *static_cast<const FieldScene*>(view->scene()); }
    const game::State& played() const { return *scene().gameState(); }

    QPointer<FieldView> view;
    Kind kind;
    int index;
    QPointer<QGraphicsObject> item;
    QString title;
};

// The field's view: its parts instead of the scroll area's viewport.
class FieldAccessible : public QAccessibleWidget {
public:
    explicit FieldAccessible(FieldView* view) : QAccessibleWidget(view, QAccessible::Pane, Words::tr("PLAY FIELD")) {}

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface* child(int i) const override { return i >= 0 && i < childCount() ? parts()[std::size_t(i)] : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override { return indexIn(parts(), child); }
    QAccessibleInterface* focusChild() const override { return spot(scene().focusedSpot()); }

    const std::vector<Part*>& parts() const { return build(), top; }
    const std::vector<Part*>& flutes() const { return build(), tubes; }
    Part* spot(int n) const { return parts()[std::size_t(n - 1)]; }
    Part* notice() const { return parts().back(); }
    Part* shows(const QGraphicsObject* item) const
    {
        const auto found = std::find_if(parts().begin(), parts().end(), [item](const Part* part) { return part->shows(item); });
        return found == parts().end() ? nullptr : *found;
    }
    Part* list() const { return parts()[parts().size() - 2]; }

    static int indexIn(const std::vector<Part*>& list, const QAccessibleInterface* child)
    {
        const auto found = std::find(list.begin(), list.end(), child);
        return found == list.end() ? -1 : int(found - list.begin());
    }

    // What the reader was last told of the marks and the keyboard frame.
    std::array<bool, 81> toldMarked{};
    int toldFocus = 0;

private:
    const FieldScene& scene() const { return *static_cast<const FieldScene*>(static_cast<FieldView*>(widget())->scene()); }
    void build() const;

    mutable std::vector<Part*> top, tubes;
};

// Made the first time a reader looks, in the order the eye reads the field:
// the board, the buttons, the panels, the flutes and the notice last.
void FieldAccessible::build() const
{
    if (!top.empty())
        return;
    auto* view = static_cast<FieldView*>(widget());
    const FieldScene::Controls& i = scene().controls();
    const auto add = [this](Part* part) {
        QAccessible::registerAccessibleInterface(part); // the cache owns it from now on
        top.push_back(part);
    };
    for (int n = 1; n <= 80; ++n)
        add(new Part(view, Kind::spot, n, i.a[std::size_t(n)]));
    for (const layout::Item& row : layout::fieldItems())
        if (row.kind == layout::Kind::button && row.command != layout::Command::markSpot && !row.caption.isEmpty())
            add(new Part(view, Kind::button, row.index,
                         static_cast<PictureItem*>(scene().item(row.name, row.index))));
    for (const auto& [panel, picture] : {std::pair{i.credit, "credit"}, {i.betpan, "bet"}, {i.winnings, "win"}})
        add(new Part(view, Kind::panel, 0, panel, layout::pictureCaption(QString::fromLatin1(picture))));
    for (int hits = 2; hits <= 10; ++hits)
        add(new Part(view, Kind::payout, hits, i.SSPanel[std::size_t(layout::panelFor(hits))]));
    add(new Part(view, Kind::flutes, 0, nullptr));
    for (int f = 1; f <= game::fluteCount; ++f) {
        tubes.push_back(new Part(view, Kind::flute, f, nullptr));
        QAccessible::registerAccessibleInterface(tubes.back());
    }
    add(new Part(view, Kind::notice, 0, i.note));
}

FieldAccessible* Part::field() const { return static_cast<FieldAccessible*>(QAccessible::queryAccessibleInterface(view)); }

QWindow* Part::window() const { return view ? view->window()->windowHandle() : nullptr; }

QAccessibleInterface* Part::parent() const
{
    if (!isValid())
        return nullptr;
    return kind == Kind::flute ? static_cast<QAccessibleInterface*>(field()->list()) : field();
}

QAccessibleInterface* Part::child(int i) const
{
    return kind == Kind::flutes && i >= 0 && i < childCount() ? field()->flutes()[std::size_t(i)] : nullptr;
}

int Part::childCount() const { return kind == Kind::flutes ? int(field()->flutes().size()) : 0; }

int Part::indexOfChild(const QAccessibleInterface* child) const
{
    return kind == Kind::flutes ? FieldAccessible::indexIn(field()->flutes(), child) : -1;
}

QString Part::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    switch (kind) {
    case Kind::spot:
        return QString::number(index);
    case Kind::button:
        return item->toolTip();
    case Kind::panel:
        return (title + QStringLiteral("  ") + static_cast<PanelItem*>(item.data())->caption()).trimmed();
    case Kind::payout: {
        const QString& prize = static_cast<PanelItem*>(item.data())->caption();
        return prize.isEmpty() ? Words::tr("%1 HITS").arg(index) : Words::tr("%1 HITS PAY %2").arg(index).arg(prize);
    }
    case Kind::flutes:
        return Words::tr("FLUTES");
    case Kind::flute: {
        const game::State& s = played();
        // Told once the flute's balls have all fallen; until then the drop is still to be seen.
        if (index > s.flutes || s.phase == game::Phase::dropping || s.phase == game::Phase::extraDropping)
            return Words::tr("FLUTE %1").arg(index);
        return Words::tr("FLUTE %1:   %2 HITS   WIN %3")
            .arg(index)
            .arg(s.flutehits[std::size_t(index)])
            .arg(s.flutewin[std::size_t(index)]);
    }
    case Kind::notice:
        return said;
    }
    return {};
}

QRect Part::rect() const
{
    const QGraphicsItem* shown = item ? item.data() : scene().controls().ballplay;
    const QRect inView = view->mapFromScene(shown->sceneBoundingRect()).boundingRect();
    return {view->mapToGlobal(inView.topLeft()), inView.size()};
}

QAccessible::Role Part::role() const
{
    switch (kind) {
    case Kind::spot:
        return QAccessible::CheckBox;
    case Kind::button:
        return QAccessible::Button;
    case Kind::panel:
    case Kind::payout:
        return QAccessible::StaticText;
    case Kind::flutes:
        return QAccessible::List;
    case Kind::flute:
        return QAccessible::ListItem;
    case Kind::notice:
        return QAccessible::Notification;
    }
    return QAccessible::NoRole;
}

QAccessible::State Part::state() const
{
    QAccessible::State state;
    const bool hidden = kind == Kind::notice ? said.isEmpty() : item && !item->isVisible();
    state.invisible = hidden;
    if (kind == Kind::spot) {
        state.checkable = true;
        state.checked = played().spotmarked[std::size_t(index)] == 1;
        state.focusable = true;
        state.focused = view->hasFocus() && scene().focusedSpot() == index;
    }
    // A hidden button's key still reaches the game, which then says why it cannot be done.
    if (kind == Kind::button || kind == Kind::spot)
        state.disabled = hidden || !view->isEnabled();
    return state;
}

QStringList Part::actionNames() const
{
    if (kind == Kind::spot)
        return {toggleAction()};
    if (kind == Kind::button)
        return {pressAction()};
    return {};
}

void Part::doAction(const QString& action)
{
    // Just as a click: the field gives the game the same command.
    if (actionNames().contains(action) && view->isEnabled())
        emit static_cast<PictureItem*>(item.data())->clicked(index);
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* view = qobject_cast<FieldView*>(object);
    const auto* scene = view ? qobject_cast<const FieldScene*>(view->scene()) : nullptr;
    return scene && scene->gameState() ? new FieldAccessible(view) : nullptr;
}

// The field's tree, when a reader listens and the field shows a game.
FieldAccessible* listened(const FieldScene& field)
{
    if (!QAccessible::isActive() || !field.gameState() || field.views().isEmpty())
        return nullptr;
    return dynamic_cast<FieldAccessible*>(QAccessible::queryAccessibleInterface(field.views().constFirst()));
}

} // namespace

void install()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

void follow(const FieldScene& field)
{
    FieldAccessible* tree = listened(field);
    if (!tree)
        return;
    for (int n = 1; n <= 80; ++n) {
        const bool marked = field.gameState()->spotmarked[std::size_t(n)] == 1;
        if (std::exchange(tree->toldMarked[std::size_t(n)], marked) != marked) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(tree->spot(n), changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (field.focusShown() && std::exchange(tree->toldFocus, field.focusedSpot()) != field.focusedSpot()) {
        QAccessibleEvent event(tree->spot(field.focusedSpot()), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void announce(const FieldScene& field, const PanelItem* panel)
{
    if (const FieldAccessible* tree = listened(field); tree && tree->shows(panel))
        announce(field, tree->shows(panel)->text(QAccessible::Name));
}

void announce(const FieldScene& field, const QString& text)
{
    FieldAccessible* tree = listened(field);
    if (!tree || text.isEmpty())
        return;
    // A reader speaks a notice as it shows, as it does a desktop notification.
    tree->notice()->said = text;
    QAccessibleEvent event(tree->notice(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace windows::fieldaccess
