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
    // Told before each page how many are done; false stops the work with
    // ReportCancelled.
    using Progress = std::function<bool(int pagesDone)>;

    // Writes every page to a PDF file whose text can be selected; throws
    // DataError when the file cannot be written. The file appears whole or
    // not at all: a failed or cancelled export leaves what was there before.
    static void exportPdf(const ReportDocument& doc, const QString& path, const Progress& progress = {});
    // Prints every page on the paper and in the orientation of the document;
    // a cancelled print is aborted.
    static void print(const ReportDocument& doc, QPrinter& printer, const Progress& progress = {});

private:
    static void paintAll(QPainter& painter, const ReportDocument& doc, const std::function<bool()>& newPage,
                         const QRectF& target, const Progress& progress);
};

} // namespace orv::reports
