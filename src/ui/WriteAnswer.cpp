#include "WriteAnswer.h"

#include "data/DataClass.h"
#include "uicore/UiServices.h"

#include <QWidget>

namespace orv {

WriteAnswer sendToBooks(const std::function<QString()>& writer, const QString& namedCause) {
    DataClass::forgetRefusal();
    WriteAnswer answer{writer(), DataClass::lastRefusal()};
    DataClass::forgetRefusal();
    if (!answer.refusal || answer.refusal->sentence.isEmpty())
        return answer;
    if (!namedCause.isEmpty() && answer.refusal->cause != namedCause)
        answer.text = answer.refusal->sentence;
    else
        answer.text += QLatin1Char('\n') + answer.refusal->sentence;
    return answer;
}

bool showAnswer(QWidget* window, const WriteAnswer& answer, const std::vector<FieldBox>& boxes) {
    UiServices& ui = UiServices::current();
    ui.setPointer(window, Pointer::Arrow);
    ui.message(answer.text);
    if (answer.refused()) {
        // Nothing changed in the books: the clerk corrects what was typed.
        focusNamedBox(*answer.refusal, boxes);
        return false;
    }
    return true;
}

bool focusNamedBox(const db::Refusal& refusal, const std::vector<FieldBox>& boxes) {
    for (const QString& field : refusal.fields) {
        for (const auto& [name, box] : boxes) {
            if (box && name.compare(field, Qt::CaseInsensitive) == 0 && box->isEnabled()) {
                box->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    }
    return false;
}

} // namespace orv
