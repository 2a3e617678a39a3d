#pragma once

#include "ReportDocument.h"

#include <QWidget>
#include <memory>

namespace orv::reports {

// Shows one page of a laid-out report at a zoom, on a grey desk.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void setDocument(std::shared_ptr<const ReportDocument> doc);
    void setPage(int page);
    void setZoom(int percent);
    int page() const { return m_page; }
    int zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF pageSizePixels() const;

    std::shared_ptr<const ReportDocument> m_doc;
    int m_page = 0;
    int m_zoom = 100;
};

} // namespace orv::reports
