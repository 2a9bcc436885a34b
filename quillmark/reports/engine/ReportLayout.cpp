#include "quillmark/reports/engine/ReportLayout.h"

#include <array>

namespace quillmark::report {

namespace {

const std::array<const char*, 9> SectionNames = {
    "ReportHeader", "PageHeader",   "GroupHeader1", "GroupHeader2", "Detail",
    "GroupFooter2", "GroupFooter1", "PageFooter",   "ReportFooter",
};

} // namespace

QString sectionKindName(SectionKind kind) {
    return QString::fromLatin1(SectionNames.at(static_cast<size_t>(kind)));
}

std::optional<SectionKind> sectionKindNamed(const QString& name) {
    for (size_t i = 0; i < SectionNames.size(); ++i) {
        if (name == QLatin1String(SectionNames[i])) {
            return static_cast<SectionKind>(i);
        }
    }
    return std::nullopt;
}

int groupLevelOf(SectionKind kind) {
    switch (kind) {
    case SectionKind::GroupHeader1:
    case SectionKind::GroupFooter1:
        return 1;
    case SectionKind::GroupHeader2:
    case SectionKind::GroupFooter2:
        return 2;
    default:
        return 0;
    }
}

bool isGroupHeader(SectionKind kind) {
    return kind == SectionKind::GroupHeader1 || kind == SectionKind::GroupHeader2;
}

SectionKind groupHeaderOf(int level) {
    return level == 1 ? SectionKind::GroupHeader1 : SectionKind::GroupHeader2;
}

SectionKind groupFooterOf(int level) {
    return level == 1 ? SectionKind::GroupFooter1 : SectionKind::GroupFooter2;
}

QSize PageSetup::paperSize() const {
    const QSizeF inches = QPageSize(paper).size(QPageSize::Inch);
    const QSize size(qRound(inches.width() * TwipsPerInch), qRound(inches.height() * TwipsPerInch));
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

QRect PageSetup::printableRect() const {
    return QRect(QPoint(0, 0), paperSize()).marginsRemoved(margins);
}

QPageLayout PageSetup::pageLayout() const {
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0));
}

const ReportSection* ReportLayout::section(SectionKind kind) const {
    for (const ReportSection& s : sections) {
        if (s.kind == kind) {
            return &s;
        }
    }
    return nullptr;
}

int ReportLayout::height(SectionKind kind) const {
    const ReportSection* s = section(kind);
    return s ? s->height : 0;
}

int ReportLayout::groupLevels() const {
    if (section(SectionKind::GroupHeader2)) {
        return 2;
    }
    return section(SectionKind::GroupHeader1) ? 1 : 0;
}

bool ReportLayout::setLabelText(const QString& name, const QString& text) {
    for (ReportSection& s : sections) {
        for (ReportControl& c : s.controls) {
            if (c.kind == ControlKind::Label && c.name == name) {
                c.text = text;
                return true;
            }
        }
    }
    return false;
}

} // namespace quillmark::report
