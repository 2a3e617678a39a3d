#pragma once

#include "uicore/OnClick.h"
#include "uicore/UiServices.h"

#include <QComboBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace orv {

// A window of the program. Closing it unloads it: the object with its
// controls, lists and record sets is discarded, and the next request through
// the WindowRegistry builds and loads a fresh one.
class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr);
    // Cuts the controls' signals to the window before the controls go: a
    // list that loses the focus while it is destroyed must not call back
    // into a window whose own parts are already gone.
    ~Window() override;

    // Shrinks the window to the screen's available area where it is larger
    // and moves it wholly onto that area, its frame and title bar included,
    // so that the clerk can always reach its title bar and its edges.
    void fitToScreen();
    // Puts the frame's top-left corner at `frameAt` (as far as the screen
    // allows). The window system tells the frame's size only once the window
    // is on the screen; until then a title bar is assumed, and the window is
    // placed again as soon as the real frame is known.
    void placeFrameAt(const QPoint& frameAt);
    // The frame's margins around the window's own area: as the window system
    // reports them, or those assumed while it has not yet.
    QMargins frameMarginsOrAssumed() const;
    // A frame moved wholly onto the area, shrunk first where it is larger.
    static QRect frameWithin(const QRect& area, const QRect& frame);
    // Tab goes through the boxes in reading order (top to bottom, then left
    // to right, row by row), a grid of boxes down each of its columns in
    // turn, then through the buttons in reading order.
    void orderTabsByReading();

    // Runs the load procedure once; a failure is reported by the ui services
    // and the window is shown with what it managed to load.
    void load();
    bool isLoaded() const { return m_loaded; }
    // True once the window has been closed (it may still await deletion).
    bool isUnloaded() const { return m_unloaded; }

protected:
    // Wires a press of the mouse into a box to its handler, guarded as a click.
    void onPress(QWidget* box, std::function<void()> handler);
    // Wires the clerk's choice of an entry of a list to its handler, guarded
    // as a click.
    template <class Handler> void onChoice(QComboBox* list, Handler handler) {
        connect(list, &QComboBox::activated, this, [handler] { guarded(handler); });
    }

    // The load procedure: fills the lists and prepares the first document.
    virtual void Form_Load() {}
    // Reads the window's lists again, keeping what the clerk typed or chose
    // in them. The window runs it when it is activated after the books took
    // a write since its lists were read; a window runs it itself after a
    // write of its own (readListsAgain).
    virtual void refreshLists() {}
    void readListsAgain();
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    std::vector<QPointer<QWidget>> m_tabStops; // in reading order, once ordered
    bool m_loaded = false;
    bool m_unloaded = false;
    quint64 m_listsRead = 0;     // the books' writes when the lists were read
    QPoint m_frameAt;            // where placeFrameAt put the frame
    bool m_frameAssumed = false; // placed before the real frame was known
};

} // namespace orv
