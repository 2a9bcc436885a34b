#pragma once

#include <QString>

namespace quillmark {

// A screen's file dialog. Like the classic common dialog it keeps the name of
// the last chosen file: a cancelled dialog reports that earlier name again.
class CommonDialog {
public:
    QString Filter() const { return m_filter; }
    void setFilter(const QString& New_Filter) { m_filter = New_Filter; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& New_FileName) { m_fileName = New_FileName; }
    // The folder the dialog opens in while no file name is set.
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& New_InitDir) { m_initDir = New_InitDir; }

    // Shows the open-file dialog and returns FileName() afterwards.
    QString ShowOpen();

private:
    QString m_filter;
    QString m_fileName;
    QString m_initDir;
};

} // namespace quillmark
