#pragma once

#include <QString>
#include <Qt>

namespace orv::reports {

// Which row a bound control reads: the group row of a grouped layout, or the
// child row (the line). Auto reads the group row in the group header and
// footer and the current row everywhere else.
enum class DataLevel { Auto, Group, Line };

// One control of a report section, placed in twips from the section's
// top-left corner. Built with the factories and refined with the setters:
//   ReportControl::textBox("Debit Bal", 4320, 0, 1440).money().centred().size(9.75)
struct ReportControl {
    enum class Kind { Label, TextBox, Line, Shape, Function };

    Kind kind = Kind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;    // 0: one line of the control's font (a line is always 0)
    QString caption;   // label; "%d" prints today's date
    QString dataField; // text box and function: the column printed or summed
    DataLevel level = DataLevel::Auto;
    QString format; // empty: the value's default text
    Qt::Alignment alignment = Qt::AlignLeft;
    bool bold = false;
    double fontSize = 0; // points; 0: the report font

    static ReportControl label(const QString& caption, int left, int top, int width);
    static ReportControl textBox(const QString& dataField, int left, int top, int width);
    static ReportControl line(int left, int top, int width);
    static ReportControl shape(int left, int top, int width, int height);
    // The sum of one column over the rows of its level.
    static ReportControl function(const QString& dataField, int left, int top, int width);

    ReportControl& centred() {
        alignment = Qt::AlignHCenter;
        return *this;
    }
    ReportControl& right() {
        alignment = Qt::AlignRight;
        return *this;
    }
    ReportControl& boldSize(double points) {
        bold = true;
        fontSize = points;
        return *this;
    }
    ReportControl& size(double points) {
        fontSize = points;
        return *this;
    }
    ReportControl& withFormat(const QString& f) {
        format = f;
        return *this;
    }
    ReportControl& money();
    ReportControl& group() {
        level = DataLevel::Group;
        return *this;
    }
    ReportControl& lineLevel() {
        level = DataLevel::Line;
        return *this;
    }
    ReportControl& withHeight(int h) {
        height = h;
        return *this;
    }
};

// The money picture every amount column uses.
inline const QString kMoneyFormat = QStringLiteral("#,##0.00;(#,##0.00)");

inline ReportControl& ReportControl::money() {
    return withFormat(kMoneyFormat);
}

} // namespace orv::reports
