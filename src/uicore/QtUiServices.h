#pragma once

#include "UiServices.h"

#include <chrono>

namespace orv {

// The services of the running program, on Qt's own dialogs and cursors.
class QtUiServices : public UiServices {
public:
    // Long work shows its progress dialog once it has run `dialogAfter`.
    explicit QtUiServices(std::chrono::milliseconds dialogAfter = std::chrono::milliseconds(500))
        : m_dialogAfter(dialogAfter) {}

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    void beep() override;
    void setPointer(QWidget* window, Pointer pointer) override;
    void openAddress(QWidget* window, const QString& address) override;
    void endProgram() override;
    Qt::DropAction runDrag(QDrag* drag) override;
    QString askSaveFileName(QWidget* window, const QString& caption, const QString& suggested) override;
    bool askPrinter(QWidget* window, QPrinter& printer) override;
    std::unique_ptr<Progress> beginProgress(QWidget* window, const QString& label, int total) override;

private:
    std::chrono::milliseconds m_dialogAfter;
};

} // namespace orv
