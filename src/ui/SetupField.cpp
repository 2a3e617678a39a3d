#include "SetupSection.h"

namespace orv {

SetupField SetupField::text(const QString& control, const QString& caption, Cell cell) {
    SetupField field;
    field.control = control;
    field.caption = caption;
    field.cell = cell;
    if (!caption.isEmpty())
        field.label = QStringLiteral("lbl") + control.mid(3);
    return field;
}

SetupField SetupField::list(const QString& control, const QString& caption, Cell cell) {
    SetupField field = text(control, caption, cell);
    field.box = Box::List;
    return field;
}

SetupField SetupField::date(const QString& control, const QString& caption, Cell cell) {
    SetupField field = text(control, caption, cell);
    field.box = Box::Date;
    return field;
}

SetupField& SetupField::labelled(const QString& labelName) {
    label = labelName;
    return *this;
}

SetupField& SetupField::feeds(const QString& stagingField, DataType fieldType, int fieldWidth) {
    column = stagingField;
    type = fieldType;
    width = fieldWidth;
    return *this;
}

SetupField& SetupField::carriedBy(Requests carried) {
    requests = carried;
    return *this;
}

SetupField& SetupField::whenEmpty(const QString& message) {
    empty = message;
    return *this;
}

SetupField& SetupField::within(std::optional<Currency> lowest, std::optional<Currency> highest,
                               const QString& message) {
    minimum = lowest;
    maximum = highest;
    range = message;
    return *this;
}

SetupField& SetupField::filtered(Keys filter, const QString& message) {
    keys = filter;
    keysMessage = message;
    return *this;
}

SetupField& SetupField::positive(const QString& message) {
    notPositive = message;
    return *this;
}

SetupField& SetupField::withEntries(const QStringList& fixed) {
    entries = fixed;
    return *this;
}

SetupField& SetupField::checkedAs(CheckAs how) {
    checkAs = how;
    return *this;
}

SetupField& SetupField::typingLimited() {
    limitTyping = true;
    return *this;
}

SetupField& SetupField::notShown() {
    shown = false;
    return *this;
}

SetupField& SetupField::checkedOnlyIf(std::function<bool()> condition) {
    applies = std::move(condition);
    return *this;
}

SetupField& SetupField::refusingLetters() {
    lettersFirst = true;
    return *this;
}

SetupField& SetupField::tinting() {
    tint = true;
    return *this;
}

SetupField& SetupField::shownFrom(const QString& sourceColumn) {
    source = sourceColumn;
    return *this;
}

SetupField& SetupField::keyOf(const QString& table) {
    keyTable = table;
    return *this;
}

SetupField& SetupField::listedFrom(const QString& table, const QString& tableColumn, bool alphabetical) {
    listTable = table;
    listColumn = tableColumn;
    listSorted = alphabetical;
    return *this;
}

SetupField& SetupField::inChartAs(const QString& whatInMessages) {
    chart = whatInMessages;
    return *this;
}

SetupField& SetupField::sentInstead(std::function<std::optional<QString>(const QString&)> replace) {
    instead = std::move(replace);
    return *this;
}

SetupField& SetupField::called(const QString& name) {
    what = name;
    return *this;
}

SetupField SetupField::typed(const QString& control, const QString& caption, Cell cell,
                             const QString& field) {
    return text(control, caption, cell).feeds(field).typingLimited();
}

SetupField SetupField::names(const QString& control, const QString& caption, Cell cell, const QString& table,
                             const QString& column) {
    return list(control, caption, cell).typingLimited().notShown().listedFrom(table, column);
}

SetupField SetupField::lastPicked(const QString& control, const QString& field,
                                  const QString& nothingPicked) {
    SetupField picked = text(control).feeds(field).carriedBy(kDelete).typingLimited().notShown();
    picked.nothingPicked = nothingPicked;
    return picked;
}

SetupField SetupField::chartCode(const QString& control, const QString& caption, Cell cell,
                                 const QString& what) {
    const QString chart = QStringLiteral("COA_T");
    return list(control, caption, cell)
        .feeds(QStringLiteral("GL_ID"), DataType::Integer)
        .keyOf(chart)
        .checkedAs(CheckAs::Text)
        .listedFrom(chart, QStringLiteral("GL_ID"))
        .inChartAs(what);
}

SetupField SetupField::accountName(const QString& control, const QString& codeControl, Cell cell) {
    SetupField name = text(control, {}, cell).shownFrom(QStringLiteral("GL_Name_VC"));
    name.accountOf = codeControl;
    return name;
}

} // namespace orv
