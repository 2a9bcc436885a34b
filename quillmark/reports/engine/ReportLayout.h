#pragma once

// A banded report layout: sections that print once per report, on every page,
// once per group and once per row, each holding labels, bound fields, sums,
// page numbers, lines and boxes. Positions and sizes are in twips (1440 to the
// inch), relative to the section's top-left corner.
#include <QColor>
#include <QLine>
#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace quillmark::report {

inline constexpr int TwipsPerInch = 1440;

// In printing order.
enum class SectionKind : quint8 {
    ReportHeader,
    PageHeader,
    GroupHeader1,
    GroupHeader2,
    Detail,
    GroupFooter2,
    GroupFooter1,
    PageFooter,
    ReportFooter,
};

QString sectionKindName(SectionKind kind);
std::optional<SectionKind> sectionKindNamed(const QString& name);
// 1 or 2 for the sections of a group, 0 for the others.
int groupLevelOf(SectionKind kind);
bool isGroupHeader(SectionKind kind);
SectionKind groupHeaderOf(int level);
SectionKind groupFooterOf(int level);

enum class ControlKind { Label, Field, Sum, PageNumber, PageCount, Line, Box };

// A sum over the rows of the section's group, or over every row of the report.
enum class SumScope { Group, Report };

// Empty family and zero size mean the layout's own font.
struct FontSpec {
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
};

struct ReportControl {
    ControlKind kind = ControlKind::Label;
    QString name;
    QRect rect; // every control but lines
    QLine line; // lines
    QString text;
    // Fields and sums. "=now()" is the date and time the report was run.
    QString dataField;
    QString format;
    SumScope scope = SumScope::Group;
    Qt::Alignment alignment = Qt::AlignLeft;
    FontSpec font;
    int penWidth = 0; // lines and box frames; a box with 0 has no frame
    QColor penColor = Qt::black;
    QColor fill; // boxes; invalid: not filled

    bool isNow() const {
        return dataField.compare(QLatin1String("=now()"), Qt::CaseInsensitive) == 0;
    }
};

struct ReportSection {
    SectionKind kind = SectionKind::Detail;
    int height = 0;
    QString groupField; // group headers
    // Group headers: printed again at the top of each page the group goes on to.
    bool repeatOnNewPage = false;
    std::vector<ReportControl> controls;
};

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMargins margins; // twips

    QSize paperSize() const;
    // The part of the paper within the margins.
    QRect printableRect() const;
    // For a printer or PDF writer: the paper with no margins, since the report
    // places everything itself.
    QPageLayout pageLayout() const;
};

struct ReportLayout {
    QString name;
    QString title; // the document title of an exported file
    PageSetup page;
    FontSpec font;
    std::vector<ReportSection> sections; // in printing order, each kind at most once

    const ReportSection* section(SectionKind kind) const;
    // 0 when the layout has no such section.
    int height(SectionKind kind) const;
    int groupLevels() const;
    // Replaces the text of the label of that name; false when there is none.
    bool setLabelText(const QString& name, const QString& text);
};

} // namespace quillmark::report
