#pragma once

// What one page shows: the page header, the page's bands and the page footer,
// each control with its text. Texts come from the layout, the collected group
// values, the page numbers, and for detail bands from the rows of that page,
// read from the row source by index. Only one page is composed at a time.
#include "quillmark/reports/engine/GroupScanner.h"
#include "quillmark/reports/engine/LayoutBinding.h"
#include "quillmark/reports/engine/Paginator.h"
#include "quillmark/reports/engine/ReportLayout.h"

#include <QDateTime>
#include <QLine>
#include <QRect>
#include <QString>

#include <vector>

namespace quillmark::report {

class RowSource;
class ValueOps;

// One thing drawn on a page; positions in twips from the paper's top-left corner.
struct DrawItem {
    enum class Kind : quint8 { Text, Line, Box };
    Kind kind = Kind::Text;
    SectionKind section = SectionKind::Detail;
    const ReportControl* control = nullptr;
    QRect rect;
    QLine line;
    QString text;
};

// The finished report a page is composed from.
struct ComposerInput {
    const ReportLayout& layout;
    const LayoutBinding& binding;
    const ScanResult& scan;
    const RowSource& rows;
    const ValueOps& values;
    QDateTime now;
    int pageCount = 0;
};

class PageComposer {
public:
    explicit PageComposer(const ComposerInput& input) : m_in(input) {}

    std::vector<DrawItem> compose(int pageIndex, const PageRecord& page) const;

private:
    void addBand(std::vector<DrawItem>& items, const ReportSection& section, int y, long index,
                 int pageIndex) const;
    QString textOf(const ReportControl& control, const ControlSource& source, SectionKind section,
                   long index, int pageIndex) const;

    ComposerInput m_in;
};

} // namespace quillmark::report
