#pragma once

// Reads a layout from its JSON text and checks it: known sections in printing
// order, a group field for every group header, controls inside their section,
// data fields only where rows are known (group and detail sections), group
// sums only in group sections. Throws ReportError naming the layout, section
// and control at fault.
#include "quillmark/reports/engine/ReportLayout.h"

#include <QByteArray>
#include <QString>

namespace quillmark::report {

class LayoutReader {
public:
    static ReportLayout read(const QByteArray& json);
    static ReportLayout readFile(const QString& path);
};

} // namespace quillmark::report
