#pragma once

// Report values the way the books keep and show them: money summed as
// Currency (exact ten-thousandths, so totals never drift) and every value
// shown through FORMAT, the same formatter the statements use.
#include "quillmark/reports/engine/ValueOps.h"

namespace quillmark {

class CurrencyValueOps : public report::ValueOps {
public:
    QVariant zero() const override;
    // Empty values add nothing. Throws RuntimeError for a value that is not a number.
    void add(QVariant& total, const QVariant& value) const override;
    // Without a pattern a date shows as "11/5/2026" ("11/5/2026 6:30:00 PM"
    // when it has a time of day) and anything else as its plain text.
    QString text(const QVariant& value, const QString& pattern) const override;
};

} // namespace quillmark
