#include "quillmark/reports/ReportPreview.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/reports/ReportClock.h"
#include "quillmark/reports/ReportExport.h"
#include "quillmark/reports/ReportPageView.h"
#include "quillmark/reports/ReportRun.h"
#include "quillmark/shell/Dialogs.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/Screens.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPrinter>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillmark {

namespace {

QHash<QString, QPointer<ReportPreview>>& openPreviews() {
    static QHash<QString, QPointer<ReportPreview>> previews;
    return previews;
}

// The zoom box: two fitted zooms, then fixed percentages.
const int ZoomPercents[] = {50, 75, 100, 125, 150, 200, 300};
constexpr int PageWidthEntry = 0;
constexpr int WholePageEntry = 1;
constexpr int FirstPercentEntry = 2;

} // namespace

ReportPreview* ReportPreview::find(const QString& layoutName) {
    return openPreviews().value(layoutName);
}

ReportPreview* ReportPreview::showReport(std::unique_ptr<ReportRun> run) {
    const QString layout = run->choice().layout;
    ReportPreview* preview = find(layout);
    if (!preview) {
        QMdiArea* area = Screens::instance().mdiArea();
        preview = new ReportPreview(area ? area->window() : nullptr);
        openPreviews().insert(layout, preview);
    }
    preview->setRun(std::move(run));
    preview->show();
    preview->raise();
    preview->activateWindow();
    return preview;
}

ReportPreview::ReportPreview(QWidget* owner)
    : QWidget(owner, Qt::Window), m_view(new ReportPageView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* bar = new QToolBar(this);
    buildToolBar(bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);
    connect(m_view, &ReportPageView::currentPageChanged, this, &ReportPreview::showCurrentPage);
    connect(m_view, &ReportPageView::zoomChanged, this, &ReportPreview::showZoom);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(860, 960);
}

ReportPreview::~ReportPreview() {
    // Only this window's entry: a newer window of the layout may stand there.
    auto& previews = openPreviews();
    for (auto it = previews.begin(); it != previews.end();) {
        it = (it.value() == this || it.value().isNull()) ? previews.erase(it) : std::next(it);
    }
}

void ReportPreview::buildToolBar(QToolBar* bar) {
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* print = bar->addAction(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                    QStringLiteral("&Print..."), this, &ReportPreview::Print);
    print->setShortcut(QKeySequence::Print);
    QAction* save =
        bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                       QStringLiteral("&Save as PDF..."), this, &ReportPreview::SaveAsPdf);
    save->setShortcut(QKeySequence::Save);
    bar->addSeparator();

    const auto pageAction = [&](QStyle::StandardPixmap icon, const QString& text,
                                const QKeySequence& key, auto go) {
        QAction* action = bar->addAction(style()->standardIcon(icon), text, this, go);
        action->setShortcut(key);
        action->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                           QLatin1Char(')'));
        return action;
    };
    m_first = pageAction(QStyle::SP_MediaSkipBackward, QStringLiteral("First Page"),
                         QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { m_view->goToPage(0); });
    m_previous = pageAction(QStyle::SP_ArrowBack, QStringLiteral("Previous Page"),
                            QKeySequence(Qt::CTRL | Qt::Key_PageUp),
                            [this] { m_view->goToPage(m_view->currentPage() - 1); });
    m_page = new QSpinBox(bar);
    m_page->setAccessibleName(QStringLiteral("Page"));
    m_page->setKeyboardTracking(false);
    bar->addWidget(m_page);
    m_pageCount = new QLabel(bar);
    m_pageCount->setContentsMargins(4, 0, 4, 0);
    bar->addWidget(m_pageCount);
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) {
        if (page - 1 != m_view->currentPage()) {
            m_view->goToPage(page - 1);
        }
    });
    m_next = pageAction(QStyle::SP_ArrowForward, QStringLiteral("Next Page"),
                        QKeySequence(Qt::CTRL | Qt::Key_PageDown),
                        [this] { m_view->goToPage(m_view->currentPage() + 1); });
    m_last = pageAction(QStyle::SP_MediaSkipForward, QStringLiteral("Last Page"),
                        QKeySequence(Qt::CTRL | Qt::Key_End),
                        [this] { m_view->goToPage(m_view->pageCount() - 1); });
    for (QAction* action : {m_first, m_previous, m_next, m_last}) {
        // Icons alone, so the zoom stays in view; the tooltips name them.
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
    }
    bar->addSeparator();

    QAction* zoomOut = bar->addAction(QStringLiteral("Zoom Out"), m_view, &ReportPageView::zoomOut);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomOut->setIconText(QStringLiteral("\u2212"));
    m_zoom = new QComboBox(bar);
    m_zoom->setAccessibleName(QStringLiteral("Zoom"));
    m_zoom->addItems({QStringLiteral("Page Width"), QStringLiteral("Whole Page")});
    for (int percent : ZoomPercents) {
        m_zoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    }
    m_zoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(m_zoom);
    connect(m_zoom, &QComboBox::activated, this, &ReportPreview::chooseZoom);
    QAction* zoomIn = bar->addAction(QStringLiteral("Zoom In"), m_view, &ReportPageView::zoomIn);
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomIn->setIconText(QStringLiteral("+"));
}

void ReportPreview::setRun(std::unique_ptr<ReportRun> run) {
    disconnect(m_booksWatch);
    m_view->setReport(nullptr);
    m_run = std::move(run);
    m_view->setReport(&m_run->report());
    setWindowTitle(m_run->report().layout().title);
    m_page->setRange(1, qMax(1, m_view->pageCount()));
    m_pageCount->setText(QStringLiteral("of %1").arg(m_view->pageCount()));
    showCurrentPage(m_view->currentPage());
    showZoom();
    // Its rows are read as pages show: it cannot outlive the books.
    if (Connection* books = m_run->connection()) {
        m_booksWatch = connect(books, &Connection::stateChanged, this, [this](long state) {
            if (state == adStateClosed) {
                close();
            }
        });
    }
}

void ReportPreview::showCurrentPage(int index) {
    const int count = m_view->pageCount();
    m_page->setValue(index + 1);
    m_first->setEnabled(index > 0);
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index + 1 < count);
    m_last->setEnabled(index + 1 < count);
}

void ReportPreview::showZoom() {
    switch (m_view->zoomMode()) {
    case ReportPageView::ZoomMode::PageWidth:
        m_zoom->setCurrentIndex(PageWidthEntry);
        return;
    case ReportPageView::ZoomMode::WholePage:
        m_zoom->setCurrentIndex(WholePageEntry);
        return;
    case ReportPageView::ZoomMode::Percent:
        break;
    }
    const int found = m_zoom->findData(m_view->zoomPercent());
    if (found >= 0) {
        m_zoom->setCurrentIndex(found);
    } else {
        m_zoom->setCurrentIndex(-1);
        m_zoom->setPlaceholderText(QStringLiteral("%1%").arg(m_view->zoomPercent()));
    }
}

void ReportPreview::chooseZoom(int entry) {
    if (entry == PageWidthEntry) {
        m_view->setZoomMode(ReportPageView::ZoomMode::PageWidth);
    } else if (entry == WholePageEntry) {
        m_view->setZoomMode(ReportPageView::ZoomMode::WholePage);
    } else if (entry >= FirstPercentEntry) {
        m_view->setZoomPercent(m_zoom->itemData(entry).toInt());
    }
}

void ReportPreview::Print() {
    trapErrors([this] {
        const report::Report& printed = m_run->report();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(printed.layout().page.pageLayout());
        printer.setDocName(printed.layout().title);
        if (!Dialogs::instance().ShowPrint(printer, printed.pageCount())) {
            return;
        }
        int first = 0;
        int last = printed.pageCount() - 1;
        if (printer.printRange() == QPrinter::PageRange) {
            first = printer.fromPage() - 1;
            last = printer.toPage() - 1;
        } else if (printer.printRange() == QPrinter::CurrentPage) {
            first = last = m_view->currentPage();
        }
        if (!printed.print(printer, first, last)) {
            throw RuntimeError(errProvider, QStringLiteral("The report could not be printed."));
        }
    });
}

void ReportPreview::SaveAsPdf() {
    trapErrors([this] {
        const QString proposed =
            QDir(ExportFolder())
                .filePath(ExportFileName(m_run->choice().exportPrefix, ReportNow().date()));
        QString path = Dialogs::instance().ShowSave(QStringLiteral("PDF Files|*.pdf"),
                                                    QDir::toNativeSeparators(proposed));
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".pdf");
        }
        m_run->report().writePdf(path);
        MsgBoxInfo(ExportedMessage(QDir::toNativeSeparators(path)));
    });
}

} // namespace quillmark
