#include "quillmark/shell/CompanyChanges.h"

namespace quillmark {

CompanyChanges& CompanyChanges::instance() {
    static CompanyChanges changes;
    return changes;
}

} // namespace quillmark
