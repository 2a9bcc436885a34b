#pragma once

// How the host adds and shows its values. The engine never adds or formats
// numbers itself: the host sums money exactly and formats values with its own
// FORMAT, so totals agree with the books to the cent.
#include <QString>
#include <QVariant>

namespace quillmark::report {

class ValueOps {
public:
    virtual ~ValueOps() = default;

    // The start of every sum.
    virtual QVariant zero() const = 0;
    // Adds value to total, in place: sums run once per row and group.
    virtual void add(QVariant& total, const QVariant& value) const = 0;
    // The value as text under a pattern such as "#,##0.00" or
    // "$#,##0.00;($#,##0.00)"; an empty pattern asks for the default text.
    virtual QString text(const QVariant& value, const QString& pattern) const = 0;
};

} // namespace quillmark::report
