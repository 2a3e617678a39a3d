#include "Window.h"

#include "data/DataClass.h"
#include "uicore/UiServices.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace orv {

Window::~Window() {
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

QRect Window::frameWithin(const QRect& area, const QRect& frame) {
    QRect placed(frame.topLeft(), frame.size().boundedTo(area.size()));
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() + 1 - placed.height()));
    return placed;
}

QMargins Window::frameMarginsOrAssumed() const {
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (known.top() > 0 || known.left() > 0)
        return known;
    // Not yet told: room for a title bar and a border as desktops draw them.
    return {4, 32, 4, 4};
}

void Window::fitToScreen() {
    // Until the frame is known, where the window was placed is what counts.
    placeFrameAt(m_frameAssumed ? m_frameAt : frameGeometry().topLeft());
}

void Window::placeFrameAt(const QPoint& frameAt) {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_frameAt = frameAt;
    const QMargins margins = frameMarginsOrAssumed();
    const QRect frame = frameWithin(screen->availableGeometry(), QRect(frameAt, size().grownBy(margins)));
    // The window's own area, so that the frame lands where it was placed
    // whatever the window system makes of a frame position.
    setGeometry(frame.marginsRemoved(margins));
    m_frameAssumed = windowHandle() == nullptr || frameGeometry() == geometry();
}

namespace {

// The grid layout within `layout` (at any depth) that holds the widget
// itself as one of its cells; none when no grid does.
QGridLayout* gridHolding(QLayout* layout, QWidget* widget) {
    if (!layout)
        return nullptr;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (grid && grid->indexOf(widget) >= 0)
        return grid;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        QLayout* inner = item->layout();
        if (!inner && item->widget() && item->widget()->isAncestorOf(widget))
            inner = item->widget()->layout();
        if (QGridLayout* found = gridHolding(inner, widget))
            return found;
    }
    return nullptr;
}

} // namespace

void Window::orderTabsByReading() {
    if (layout())
        layout()->activate();
    struct Stop {
        QWidget* widget;
        QPoint at;
        bool button;
        int section; // top of the frame that holds both boxes and buttons, else -1
    };
    // A frame holding its own boxes and buttons (one step of several) is
    // walked whole, boxes then buttons, before the next frame.
    auto sectionOf = [this](QWidget* w) {
        QGroupBox* outer = nullptr;
        for (QWidget* p = w->parentWidget(); p && p != this; p = p->parentWidget())
            if (auto* frame = qobject_cast<QGroupBox*>(p))
                outer = frame;
        if (!outer || outer->findChildren<QAbstractButton*>().isEmpty())
            return -1;
        for (QWidget* child : outer->findChildren<QWidget*>())
            if (!qobject_cast<QAbstractButton*>(child) && (child->focusPolicy() & Qt::TabFocus))
                return outer->mapTo(this, QPoint(0, 0)).y();
        return -1;
    };
    std::vector<Stop> stops;
    for (QWidget* w : findChildren<QWidget*>()) {
        // A list's own text box goes with its list; hidden boxes take no focus.
        if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden())
            continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        if (w->parentWidget() && qobject_cast<QAbstractItemView*>(w->parentWidget()))
            continue; // an item view's own viewport or editor
        stops.push_back(
            {w, w->mapTo(this, QPoint(0, 0)), qobject_cast<QAbstractButton*>(w) != nullptr, sectionOf(w)});
    }
    // Boxes whose tops lie within half a row of each other stand in one row.
    const int rowTolerance = 12;
    std::stable_sort(stops.begin(), stops.end(), [rowTolerance](const Stop& a, const Stop& b) {
        if (a.section != b.section)
            return a.section < b.section;
        if (a.button != b.button)
            return !a.button;
        if (std::abs(a.at.y() - b.at.y()) > rowTolerance)
            return a.at.y() < b.at.y();
        return a.at.x() < b.at.x();
    });
    // The boxes of one grid go down each of its columns in turn, not across
    // them: each grid's boxes keep the places they took in reading order,
    // taken in column order.
    std::map<QGridLayout*, std::vector<std::size_t>> byGrid;
    for (std::size_t i = 0; i < stops.size(); ++i)
        if (!stops[i].button)
            if (QGridLayout* grid = gridHolding(layout(), stops[i].widget))
                byGrid[grid].push_back(i);
    for (auto& [grid, places] : byGrid) {
        std::vector<Stop> boxes;
        for (std::size_t i : places)
            boxes.push_back(stops[i]);
        const auto cell = [grid](const Stop& s) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(s.widget), &row, &column, &rows, &columns);
            return std::pair(column, row);
        };
        std::stable_sort(boxes.begin(), boxes.end(),
                         [&cell](const Stop& a, const Stop& b) { return cell(a) < cell(b); });
        for (std::size_t k = 0; k < places.size(); ++k)
            stops[places[k]] = boxes[k];
    }
    m_tabStops.clear();
    for (const Stop& stop : stops)
        m_tabStops.emplace_back(stop.widget);
}

bool Window::focusNextPrevChild(bool next) {
    if (m_tabStops.empty())
        return QWidget::focusNextPrevChild(next);
    // The stop that holds the focus (a list's text box counts as its list).
    QWidget* focus = focusWidget();
    int at = -1;
    for (int i = 0; i < static_cast<int>(m_tabStops.size()); ++i) {
        QWidget* stop = m_tabStops[i];
        if (stop && focus && (stop == focus || stop->isAncestorOf(focus))) {
            at = i;
            break;
        }
    }
    const int count = static_cast<int>(m_tabStops.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((at < 0 ? (next ? -1 : 0) : at) + (next ? step : -step) + count * 2) % count;
        QWidget* stop = m_tabStops[i];
        if (stop && stop->isVisibleTo(this) && stop->isEnabled()) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

Window::Window(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void Window::load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_listsRead = DataClass::writesTaken();
    guarded([this] { Form_Load(); });
}

void Window::readListsAgain() {
    m_listsRead = DataClass::writesTaken();
    guarded([this] { refreshLists(); });
}

bool Window::event(QEvent* event) {
    // Another window (or another part of this one) may have changed the
    // books while the clerk was away: the lists show them as they are now.
    if (event->type() == QEvent::WindowActivate && m_loaded && m_listsRead != DataClass::writesTaken())
        readListsAgain();
    // Placed before the window system told the frame: placed again, once,
    // as soon as it has.
    if (m_frameAssumed && isWindow() && isVisible() && frameGeometry() != geometry() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
         event->type() == QEvent::WindowActivate || event->type() == QEvent::Expose)) {
        m_frameAssumed = false;
        placeFrameAt(m_frameAt);
        m_frameAssumed = false;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Close && event->isAccepted()) {
        m_unloaded = true;
    }
    return handled;
}

namespace {

// Hands a press of the mouse into a box to its handler; the box still gets it.
class PressFilter : public QObject {
public:
    PressFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            guarded(m_handler);
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void Window::onPress(QWidget* box, std::function<void()> handler) {
    box->installEventFilter(new PressFilter(box, std::move(handler)));
}

} // namespace orv
