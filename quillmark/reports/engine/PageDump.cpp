#include "quillmark/reports/engine/PageDump.h"

#include "quillmark/reports/engine/Report.h"

namespace quillmark::report {

namespace {

QString point(const QPoint& p) {
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QString alignmentSuffix(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) {
        return QStringLiteral(" right");
    }
    return alignment & Qt::AlignHCenter ? QStringLiteral(" center") : QString();
}

} // namespace

QString dumpItem(int pageNumber, const DrawItem& item) {
    const QString head =
        QStringLiteral("%1 %2 ").arg(pageNumber).arg(sectionKindName(item.section));
    switch (item.kind) {
    case DrawItem::Kind::Line:
        return head + QStringLiteral("line ") + point(item.line.p1()) + u' ' +
               point(item.line.p2());
    case DrawItem::Kind::Box:
        return head + QStringLiteral("box %1 %2x%3")
                          .arg(point(item.rect.topLeft()))
                          .arg(item.rect.width())
                          .arg(item.rect.height());
    case DrawItem::Kind::Text:
        break;
    }
    return head + u'"' + item.text + QStringLiteral("\" ") + point(item.rect.topLeft()) +
           alignmentSuffix(item.control->alignment);
}

QString dumpPages(const Report& report, int first, int last) {
    if (last < 0 || last >= report.pageCount()) {
        last = report.pageCount() - 1;
    }
    QString text;
    for (int index = first; index <= last; ++index) {
        for (const DrawItem& item : report.pageItems(index)) {
            text += dumpItem(index + 1, item) + u'\n';
        }
    }
    return text;
}

} // namespace quillmark::report
