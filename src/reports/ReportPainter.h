#pragma once

#include "ReportDocument.h"

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;

namespace orv::reports {

// Paints laid-out pages: on the preview, a printer or a PDF file.
class ReportPainter {
public:
    // Paints one page scaled into `target` (device coordinates).
    static void paintPage(QPainter& painter, const ReportDocument& doc, int page, const QRectF& target);
    // Writes every page to a PDF file whose text can be selected; throws
    // DataError when the file cannot be written.
    static void exportPdf(const ReportDocument& doc, const QString& path);
    // Prints every page on the paper and in the orientation of the document.
    static void print(const ReportDocument& doc, QPrinter& printer);

private:
    static void paintAll(QPainter& painter, const ReportDocument& doc, const std::function<bool()>& newPage,
                         const QRectF& target);
};

} // namespace orv::reports
