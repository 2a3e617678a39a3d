#include "ReportControl.h"

namespace orv::reports {

ReportControl ReportControl::label(const QString& caption, int left, int top, int width) {
    ReportControl c;
    c.kind = Kind::Label;
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    return c;
}

ReportControl ReportControl::textBox(const QString& dataField, int left, int top, int width) {
    ReportControl c;
    c.kind = Kind::TextBox;
    c.dataField = dataField;
    c.left = left;
    c.top = top;
    c.width = width;
    return c;
}

ReportControl ReportControl::line(int left, int top, int width) {
    ReportControl c;
    c.kind = Kind::Line;
    c.left = left;
    c.top = top;
    c.width = width;
    return c;
}

ReportControl ReportControl::shape(int left, int top, int width, int height) {
    ReportControl c;
    c.kind = Kind::Shape;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

ReportControl ReportControl::function(const QString& dataField, int left, int top, int width) {
    ReportControl c = textBox(dataField, left, top, width);
    c.kind = Kind::Function;
    return c;
}

} // namespace orv::reports
