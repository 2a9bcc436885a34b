// A report layout's JSON read and checked by the report engine; a layout it
// accepts is then run over a few rows in memory, its pages laid out, composed
// and drawn. A refused layout (ReportError) is fine; so is a run that reports
// a page with no room for its contents.
#include "FuzzSupport.h"

#include "quillmark/reports/engine/LayoutReader.h"
#include "quillmark/reports/engine/PageDump.h"
#include "quillmark/reports/engine/Report.h"
#include "quillmark/reports/engine/ReportError.h"
#include "quillmark/reports/engine/RowSource.h"
#include "quillmark/reports/engine/ValueOps.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace quillmark::report;

namespace {

class Rows : public RowSource {
public:
    long rowCount() const override { return 7; }
    int columnIndex(const QString& field) const override {
        return static_cast<int>(fields().indexOf(field));
    }
    QVariant value(long row, int column) const override {
        switch (column) {
        case 0:
            return qlonglong(row / 3);
        case 1:
            return QStringLiteral("Category %1").arg(row / 3);
        case 2:
            return qlonglong(row * 1234);
        case 3:
            return row == 4 ? QVariant() : QVariant(QStringLiteral("Entry %1").arg(row));
        default:
            return QStringLiteral("1/%1/2026").arg(row + 1);
        }
    }

private:
    static const QStringList& fields() {
        static const QStringList names{QStringLiteral("CategoryID"), QStringLiteral("CatName"),
                                       QStringLiteral("Credit"), QStringLiteral("Description"),
                                       QStringLiteral("TDate")};
        return names;
    }
};

class Cents : public ValueOps {
public:
    QVariant zero() const override { return qlonglong(0); }
    void add(QVariant& total, const QVariant& value) const override {
        if (!value.isNull()) {
            total = total.toLongLong() + value.toLongLong();
        }
    }
    QString text(const QVariant& value, const QString& pattern) const override {
        return value.isNull() ? QString() : pattern + value.toString();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReportLayout layout;
    try {
        layout = LayoutReader::read(fuzz::bytes(data, size));
    } catch (const ReportError&) {
        return 0;
    }
    const Rows rows;
    const Cents values;
    Report report(std::move(layout), rows, values);
    try {
        report.run(QDateTime(QDate(2026, 11, 5), QTime(18, 30)));
    } catch (const ReportError&) {
        return 0;
    }
    fuzz::check(report.pageCount() > 0, "a report that runs has a page");
    dumpPages(report);
    // The first and last pages drawn small, as a preview thumbnail would be.
    QImage image(170, 220, QImage::Format_ARGB32);
    QPainter painter(&image);
    report.paintPage(painter, 0, QPointF(0, 0), 0.014);
    report.paintPage(painter, report.pageCount() - 1, QPointF(0, 0), 0.014);
    return 0;
}
