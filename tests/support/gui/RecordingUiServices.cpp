#include "support/gui/RecordingUiServices.h"

namespace orv {

RecordingUiServices::RecordingUiServices() {
    UiServices::install(this);
}

RecordingUiServices::~RecordingUiServices() {
    UiServices::install(nullptr);
}

void RecordingUiServices::message(const QString& text, const QString& title, MessageIcon icon) {
    m_messages.push_back({text, title.isEmpty() ? kAppTitle : title, icon});
    if (m_responder) {
        const Message shown = m_messages.back();
        m_responder(shown);
    }
}

Qt::DropAction RecordingUiServices::runDrag(QDrag* drag) {
    ++m_drags;
    return m_mover ? m_mover(drag) : Qt::IgnoreAction;
}

QString RecordingUiServices::askSaveFileName(QWidget*, const QString& caption, const QString& suggested) {
    return m_saveFile ? m_saveFile(caption, suggested) : QString();
}

bool RecordingUiServices::askPrinter(QWidget*, QPrinter& printer) {
    return m_printer && m_printer(printer);
}

std::unique_ptr<Progress> RecordingUiServices::beginProgress(QWidget*, const QString& label, int total) {
    // Follows the work by its place in the list, which grows meanwhile.
    struct Noted : Progress {
        RecordingUiServices* services;
        std::size_t index;
        Noted(RecordingUiServices* s, std::size_t i) : services(s), index(i) {}
        bool advance(int done) override {
            services->m_work[index].steps.push_back(done);
            return done != services->m_cancelAt;
        }
        void setTotal(int total) override { services->m_work[index].total = total; }
    };
    m_work.push_back({label, total, {}});
    return std::make_unique<Noted>(this, m_work.size() - 1);
}

QStringList RecordingUiServices::texts() const {
    QStringList out;
    for (const auto& m : m_messages) {
        out << m.text;
    }
    return out;
}

QString RecordingUiServices::lastText() const {
    return m_messages.empty() ? QString() : m_messages.back().text;
}

void RecordingUiServices::clear() {
    m_messages.clear();
    m_pointers.clear();
    m_addresses.clear();
    m_beeps = 0;
    m_endings = 0;
    m_drags = 0;
    m_work.clear();
}

} // namespace orv
