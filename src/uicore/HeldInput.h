#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace orv {

// The clerk's input while long work runs. Every window but one (the work's
// progress dialog) takes no clicks, wheel turns or closing meanwhile, as if
// that one were modal; the keys typed into them are kept instead of lost and
// delivered, in order, to the window each was typed in once this goes. Esc
// typed anywhere asks the work to stop.
class HeldInput : public QObject {
public:
    // `open` keeps its input; `cancel` is asked for at an Esc.
    HeldInput(QWidget* open, std::function<void()> cancel);
    ~HeldInput() override;
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        QPointer<QObject> receiver;
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat;
        quint32 scanCode;
        quint32 virtualKey;
        quint32 nativeModifiers;
    };

    bool reachesOpenWindow(QObject* receiver) const;
    void keep(QObject* receiver, const QEvent* event);

    QPointer<QWidget> m_open;
    std::function<void()> m_cancel;
    std::vector<Key> m_keys;
};

} // namespace orv
