#pragma once

#include <QMetaObject>
#include <QWidget>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolBar;

namespace quillmark {

class ReportPageView;
class ReportRun;

// The preview window of one report layout, beside the main window: its
// pages at any zoom, page by page or scrolled, printed or saved as a PDF
// file. There is one window per layout: a report of a layout whose window
// is open is shown in that window. It closes when the books its rows come
// from close.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    // Shows the run in its layout's window, opening one when none is open,
    // and brings that window to the front.
    static ReportPreview* showReport(std::unique_ptr<ReportRun> run);
    // The open window of that layout ("arIncome", ...), or nullptr.
    static ReportPreview* find(const QString& layoutName);

    ~ReportPreview() override;

    const ReportRun& run() const { return *m_run; }
    ReportPageView* pageView() const { return m_view; }

    // Prints through the print dialog: all pages, a range or the current one.
    void Print();
    // Saves the report as a PDF file chosen in a file dialog, proposed in
    // the export folder under its export name.
    void SaveAsPdf();

private:
    explicit ReportPreview(QWidget* owner);
    void setRun(std::unique_ptr<ReportRun> run);
    void buildToolBar(QToolBar* bar);
    void showCurrentPage(int index);
    void showZoom();
    void chooseZoom(int entry);

    std::unique_ptr<ReportRun> m_run;
    ReportPageView* m_view;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    QSpinBox* m_page = nullptr;
    QLabel* m_pageCount = nullptr;
    QComboBox* m_zoom = nullptr;
    QMetaObject::Connection m_booksWatch;
};

} // namespace quillmark
