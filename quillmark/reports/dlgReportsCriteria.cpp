#include "quillmark/reports/dlgReportsCriteria.h"

#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/reports/ReportClock.h"
#include "quillmark/reports/ReportExport.h"
#include "quillmark/reports/ReportPreview.h"
#include "quillmark/reports/ReportRun.h"
#include "quillmark/reports/dlgReports.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/Twips.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace quillmark {

namespace {

const QString ProfitLoss = QStringLiteral("P\\L");

// Where the date and view controls stand (top, twips) with the category
// list shown and without it.
struct Tops {
    int dates;
    int dateLabels;
    int viewFrame;
    int viewLabel;
};
constexpr Tops WithCategories{645, 720, 945, 1200};
constexpr Tops WithoutCategories{1645, 1720, 1945, 2200};

void moveToTop(QWidget* control, int twips) {
    control->move(control->x(), twipsToPixels(twips));
}

} // namespace

dlgReportsCriteria::dlgReportsCriteria(QWidget* parent)
    : Screen(QStringLiteral("dlgReportsCriteria"), parent),
      lblHeader(control<QLabel>(QStringLiteral("lblHeader"))),
      lblCategories(control<QLabel>(QStringLiteral("lblCategories"))),
      lblAllCategories(control<QLabel>(QStringLiteral("lblAllCategories"))),
      lstCategory(control<QListWidget>(QStringLiteral("lstCategory"))),
      cmdCheckAll(control<XPButtonSite>(QStringLiteral("cmdCheckAll"))),
      cmdUncheckAll(control<XPButtonSite>(QStringLiteral("cmdUncheckAll"))),
      lblFrom(control<QLabel>(QStringLiteral("lblFrom"))),
      dtFrom(control<QDateTimeEdit>(QStringLiteral("dtFrom"))),
      lblTo(control<QLabel>(QStringLiteral("lblTo"))),
      dtTo(control<QDateTimeEdit>(QStringLiteral("dtTo"))),
      lblReportView(control<QLabel>(QStringLiteral("lblReportView"))),
      fmeReportView(control<QGroupBox>(QStringLiteral("fmeReportView"))),
      optDetail(control<QRadioButton>(QStringLiteral("optDetail"))),
      optSummary(control<QRadioButton>(QStringLiteral("optSummary"))),
      cmdView(control<XPButtonSite>(QStringLiteral("cmdView"))),
      cmdExport(control<XPButtonSite>(QStringLiteral("cmdExport"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))) {
    control<PictureBox>(QStringLiteral("picLogo"))
        ->setPixmap(QPixmap::fromImage(
            MdiClientArea::emblem().scaled(control<PictureBox>(QStringLiteral("picLogo"))->size(),
                                           Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    connect(cmdCheckAll, &XPButtonSite::Click, this, &dlgReportsCriteria::cmdCheckAll_Click);
    connect(cmdUncheckAll, &XPButtonSite::Click, this, &dlgReportsCriteria::cmdUncheckAll_Click);
    connect(cmdView, &XPButtonSite::Click, this, &dlgReportsCriteria::cmdView_Click);
    connect(cmdExport, &XPButtonSite::Click, this, &dlgReportsCriteria::cmdExport_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &dlgReportsCriteria::cmdClose_Click);
}

dlgReportsCriteria::~dlgReportsCriteria() = default;

void dlgReportsCriteria::Form_Load() {
    trapErrors([this] {
        const QDate today = ReportNow().date();
        dtFrom->setDateTime(QDateTime(today.addDays(-30), QTime(0, 0)));
        dtTo->setDateTime(QDateTime(today, QTime(0, 0)));
    });
}

void dlgReportsCriteria::setCategoryList(const QString& New_CategoryList) {
    trapErrors([&] {
        ReportRun::closeReportCommands();
        QString kind = New_CategoryList;
        if (kind.isEmpty() || kind == QLatin1String("INC")) {
            kind = QStringLiteral("INC");
            lblHeader->setText(QStringLiteral("INCOME REPORT"));
            ShowCategoryList(true);
        } else if (kind == QLatin1String("EXP")) {
            lblHeader->setText(QStringLiteral("EXPENSE REPORT"));
            ShowCategoryList(true);
        } else if (kind == ProfitLoss) {
            lblHeader->setText(QStringLiteral("PROFIT/LOSS REPORT"));
            ShowCategoryList(false);
        }
        sReportValue = kind;
        LoadCategories(kind);
    });
}

void dlgReportsCriteria::LoadCategories(const QString& kind) {
    deQuillmark& de = deQuillmark::instance();
    Recordset& existing = de.rscmdCategoryByType();
    if (existing.State() != adStateClosed) {
        existing.Close();
    }
    Recordset& categories = de.cmdCategoryByType(kind);
    if (categories.RecordCount() > 0) {
        categories.MoveFirst();
        for (int i = 0; !categories.EOF(); ++i, categories.MoveNext()) {
            lstCategory->insertItem(
                i, categories.Fields(QStringLiteral("CatName")).Value().toString());
            QListWidgetItem* entry = lstCategory->item(i);
            entry->setData(Qt::UserRole, categories.Fields(QStringLiteral("CategoryID")).Value());
            entry->setCheckState(Qt::Checked);
        }
    }
    categories.Close();
}

void dlgReportsCriteria::ShowCategoryList(bool bShow) {
    const std::initializer_list<QWidget*> categoryPart = {lstCategory, lblCategories, cmdCheckAll,
                                                          cmdUncheckAll};
    for (QWidget* part : categoryPart) {
        part->setVisible(bShow);
    }
    // Without a list, the screen says which categories take part.
    lblAllCategories->setVisible(!bShow);
    const Tops& tops = bShow ? WithCategories : WithoutCategories;
    moveToTop(dtFrom, tops.dates);
    moveToTop(dtTo, tops.dates);
    moveToTop(lblFrom, tops.dateLabels);
    moveToTop(lblTo, tops.dateLabels);
    moveToTop(fmeReportView, tops.viewFrame);
    moveToTop(lblReportView, tops.viewLabel);
}

void dlgReportsCriteria::CheckEveryCategory(Qt::CheckState state) {
    for (int i = 0; i < lstCategory->count(); ++i) {
        lstCategory->item(i)->setCheckState(state);
    }
    if (lstCategory->count() > 0) {
        lstCategory->setCurrentRow(0);
    }
}

void dlgReportsCriteria::cmdCheckAll_Click() {
    trapErrors([this] { CheckEveryCategory(Qt::Checked); });
}

void dlgReportsCriteria::cmdUncheckAll_Click() {
    trapErrors([this] { CheckEveryCategory(Qt::Unchecked); });
}

QString dlgReportsCriteria::GetSelectedCategoryIDs() const {
    QString ids;
    for (int i = 0; i < lstCategory->count(); ++i) {
        const QListWidgetItem* entry = lstCategory->item(i);
        if (entry->checkState() == Qt::Checked) {
            ids += QString::number(entry->data(Qt::UserRole).toLongLong()) + QLatin1Char(',');
        }
    }
    if (ids.size() >= 2) {
        ids.chop(1);
    }
    return ids;
}

// action: "view" or "export", as the category message says it.
bool dlgReportsCriteria::ReadyToRun(const QString& categoryIds, const QString& action) const {
    if (sReportValue != ProfitLoss && categoryIds.isEmpty()) {
        MsgBoxInfo(
            QStringLiteral("Please select at least one category to %1 the report.").arg(action));
        return false;
    }
    // Profit and loss needs a view as much as the other kinds do.
    if (!optDetail->isChecked() && !optSummary->isChecked()) {
        MsgBoxInfo(QStringLiteral("Please select a report view."));
        return false;
    }
    return true;
}

ReportCriteria dlgReportsCriteria::Criteria(const QString& categoryIds) const {
    return ReportCriteria{sReportValue, categoryIds, dtFrom->date(), dtTo->date(),
                          optDetail->isChecked() ? ReportView::Detailed : ReportView::Summary};
}

void dlgReportsCriteria::cmdView_Click() {
    trapErrors([this] {
        const QString ids = GetSelectedCategoryIDs();
        if (!ReadyToRun(ids, QStringLiteral("view"))) {
            return;
        }
        ReportRun::closeReportCommands();
        ReportPreview::showReport(ReportRun::start(Criteria(ids), ReportNow()));
    });
}

void dlgReportsCriteria::cmdExport_Click() {
    trapErrors([this] {
        const QString ids = GetSelectedCategoryIDs();
        if (!ReadyToRun(ids, QStringLiteral("export"))) {
            return;
        }
        ReportRun::closeReportCommands();
        const QString folder = ExportFolder();
        const QDateTime now = ReportNow();
        const auto run = ReportRun::start(Criteria(ids), now);
        MsgBoxInfo(ExportedMessage(ExportReport(*run, folder, now.date())));
    });
}

void dlgReportsCriteria::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

void dlgReportsCriteria::Form_Unload() {
    if (auto* chooser =
            qobject_cast<dlgReports*>(Screens::instance().find(ScreenNames::dlgReports))) {
        chooser->sReportView.clear();
    }
}

} // namespace quillmark
