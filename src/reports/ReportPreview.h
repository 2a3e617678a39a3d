#pragma once

#include "ReportDocument.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace orv::reports {

class ReportPageView;

// The preview window of one layout: modeless, without an owner, one
// instance per layout for the run. It pages, zooms, prints and exports the
// report to PDF. Showing it again replaces its pages with the new ones.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    // Opens the layout's preview with these pages, or brings it forward.
    // `geometryTwips`, when not empty, places a newly opened window.
    static ReportPreview* present(const QString& layoutName, ReportDocument doc,
                                  const QRect& geometryTwips = {});
    static ReportPreview* find(const QString& layoutName);
    // Destroys every preview (the program's end, and tests).
    static void destroyAll();

    const ReportDocument& document() const { return *m_doc; }
    int pageCount() const { return m_doc->pageCount(); }
    int currentPage() const; // 0-based
    void showPage(int page);
    void setZoom(int percent);
    int zoom() const;

    void printReport();
    void exportPdf();

private:
    explicit ReportPreview(const QString& layoutName);
    void setDocument(ReportDocument doc);
    void buildControls();
    void refreshControls();

    QString m_layoutName;
    std::shared_ptr<const ReportDocument> m_doc;
    ReportPageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QPushButton* m_first = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_last = nullptr;
    QLabel* m_pageLabel = nullptr;
    QComboBox* m_zoom = nullptr;
    QLabel* m_status = nullptr; // what became of the last export
};

} // namespace orv::reports
