#include "ReportLayout.h"

namespace orv::reports {

ReportLayout::ReportLayout(const QString& name, const QString& caption) : m_name(name), m_caption(caption) {
    // Every layout has the bands that are not group bands.
    for (SectionKind k : {SectionKind::ReportHeader, SectionKind::PageHeader, SectionKind::Detail,
                          SectionKind::PageFooter, SectionKind::ReportFooter})
        m_sections[size_t(k)].present = true;
}

void ReportLayout::setDataMember(const QString& command, const QStringList& childLevels) {
    m_command = command;
    m_childLevels = childLevels;
}

ReportSection& ReportLayout::section(SectionKind kind, int height) {
    ReportSection& s = m_sections[size_t(kind)];
    s.present = true;
    if (height >= 0)
        s.height = height;
    return s;
}

bool ReportLayout::isGrouped() const {
    return section(SectionKind::GroupHeader).present || section(SectionKind::GroupFooter).present;
}

} // namespace orv::reports
