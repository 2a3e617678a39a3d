#pragma once

#include "ReportControl.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace orv::reports {

// The bands of a layout, in printing order.
enum class SectionKind {
    ReportHeader,
    PageHeader,
    GroupHeader,
    Detail,
    GroupFooter,
    PageFooter,
    ReportFooter
};

struct ReportSection {
    static constexpr int kDefaultHeight = 360; // a section listed without a height

    bool present = false;
    int height = kDefaultHeight; // twips
    std::vector<ReportControl> controls;

    ReportSection& add(const ReportControl& c) {
        controls.push_back(c);
        return *this;
    }
};

// A banded page description bound to one command of a report data source
// (or to a child level of its result). Each report defines one as data.
class ReportLayout {
public:
    static constexpr int kMargin = 1440;

    ReportLayout(const QString& name, const QString& caption);

    const QString& name() const { return m_name; }
    const QString& caption() const { return m_caption; }

    // The command whose result the layout prints, and the child levels
    // below its group rows that are the layout's rows.
    void setDataMember(const QString& command, const QStringList& childLevels = {});
    const QString& command() const { return m_command; }
    const QStringList& childLevels() const { return m_childLevels; }

    // Width of the printed area in twips; 0: the portrait paper's printable width.
    void setWidth(int twips) { m_width = twips; }
    int width() const { return m_width; }
    int margin() const { return kMargin; }
    QString fontFamily() const { return QStringLiteral("Arial"); }
    double fontSize() const { return 8.25; }

    // Where the preview window opens (twips on the screen); empty: its own choice.
    void setPreviewGeometry(const QRect& twips) { m_previewGeometry = twips; }
    const QRect& previewGeometry() const { return m_previewGeometry; }

    // Adds (or returns) a section; a height below 0 keeps the default.
    ReportSection& section(SectionKind kind, int height = -1);
    const ReportSection& section(SectionKind kind) const { return m_sections[size_t(kind)]; }
    bool isGrouped() const;

private:
    QString m_name;
    QString m_caption;
    QString m_command;
    QStringList m_childLevels;
    int m_width = 0;
    QRect m_previewGeometry;
    std::array<ReportSection, 7> m_sections;
};

} // namespace orv::reports
