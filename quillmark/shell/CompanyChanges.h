#pragma once

#include <QObject>

namespace quillmark {

// Tells whoever shows the open company (the main window's title) that the
// books were re-pointed or the company's details changed.
class CompanyChanges : public QObject {
    Q_OBJECT
public:
    static CompanyChanges& instance();
    void notify() { emit changed(); }

signals:
    void changed();

private:
    CompanyChanges() = default;
};

} // namespace quillmark
