#pragma once

#include "uicore/UiServices.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orv {

// The services tests install: every message, beep, pointer change, address
// and drag is written down instead of shown, so nothing modal ever blocks a
// run. Installs itself for its lifetime.
class RecordingUiServices : public UiServices {
public:
    struct Message {
        QString text;
        QString title; // the title the clerk would see (never empty)
        MessageIcon icon = MessageIcon::None;
    };
    // A piece of long work as it was followed: every step it reported.
    struct FollowedWork {
        QString label;
        int total = 0;
        std::vector<int> steps;
    };
    struct PointerChange {
        QWidget* window;
        Pointer pointer;
    };

    RecordingUiServices();
    ~RecordingUiServices() override;
    RecordingUiServices(const RecordingUiServices&) = delete;
    RecordingUiServices& operator=(const RecordingUiServices&) = delete;

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    void beep() override { ++m_beeps; }
    void setPointer(QWidget* window, Pointer pointer) override { m_pointers.push_back({window, pointer}); }
    void openAddress(QWidget*, const QString& address) override { m_addresses << address; }
    void endProgram() override { ++m_endings; }
    Qt::DropAction runDrag(QDrag* drag) override;
    QString askSaveFileName(QWidget*, const QString& caption, const QString& suggested) override;
    bool askPrinter(QWidget*, QPrinter& printer) override;
    std::unique_ptr<Progress> beginProgress(QWidget*, const QString& label, int total) override;

    // Called for every message while it is "on screen": the test answers it
    // (reads the windows, presses something) before the handler goes on.
    void onMessage(std::function<void(const Message&)> responder) { m_responder = std::move(responder); }
    // Called when a drag starts, in place of the clerk moving the mouse; the
    // returned action is what the drag reports.
    void onDrag(std::function<Qt::DropAction(QDrag*)> mover) { m_mover = std::move(mover); }

    // Answers the file dialog in place of the clerk: the file name given for
    // the suggested one. Without an answer the dialog is cancelled.
    void onSaveFile(std::function<QString(const QString& caption, const QString& suggested)> answer) {
        m_saveFile = std::move(answer);
    }
    // Sets up the printer in place of the clerk; without it the dialog is cancelled.
    void onPrinter(std::function<bool(QPrinter&)> answer) { m_printer = std::move(answer); }
    // Presses Cancel when long work reaches `done` steps; -1: never.
    void cancelProgressAt(int done) { m_cancelAt = done; }

    const std::vector<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    // The text of the last message, or the empty text when none was shown.
    QString lastText() const;
    int beeps() const { return m_beeps; }
    const std::vector<PointerChange>& pointers() const { return m_pointers; }
    const QStringList& addresses() const { return m_addresses; }
    int endings() const { return m_endings; }
    int drags() const { return m_drags; }
    const std::vector<FollowedWork>& followedWork() const { return m_work; }
    // Forgets everything recorded so far.
    void clear();

private:
    std::vector<Message> m_messages;
    std::vector<PointerChange> m_pointers;
    QStringList m_addresses;
    int m_beeps = 0;
    int m_endings = 0;
    int m_drags = 0;
    std::vector<FollowedWork> m_work;
    int m_cancelAt = -1;
    std::function<void(const Message&)> m_responder;
    std::function<Qt::DropAction(QDrag*)> m_mover;
    std::function<QString(const QString&, const QString&)> m_saveFile;
    std::function<bool(QPrinter&)> m_printer;
};

} // namespace orv
