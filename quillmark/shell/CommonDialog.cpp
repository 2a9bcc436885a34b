#include "quillmark/shell/CommonDialog.h"

#include "quillmark/shell/Dialogs.h"

namespace quillmark {

QString CommonDialog::ShowOpen() {
    const QString chosen =
        Dialogs::instance().ShowOpen(m_filter, m_fileName.isEmpty() ? m_initDir : m_fileName);
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
    }
    return m_fileName;
}

} // namespace quillmark
