#include "quillmark/shell/dlgAbout.h"

#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace quillmark {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

dlgAbout::dlgAbout(QWidget* parent)
    : Screen(QStringLiteral("dlgAbout"), parent),
      picIcon(control<PictureBox>(QStringLiteral("picIcon"))),
      lblTitle(control<QLabel>(QStringLiteral("lblTitle"))),
      lblVersion(control<QLabel>(QStringLiteral("lblVersion"))),
      lblDescription(control<QLabel>(QStringLiteral("lblDescription"))),
      Text1(control<QPlainTextEdit>(QStringLiteral("Text1"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))) {
    // The program's icon is its emblem.
    picIcon->setPixmap(QPixmap::fromImage(MdiClientArea::emblem().scaled(
        picIcon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    picIcon->setAlignment(Qt::AlignCenter);
    // The address block fits its box; like the classic text box it has no scroll bars.
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->viewport()->installEventFilter(this);
    connect(picIcon, &PictureBox::Click, this, &dlgAbout::picIcon_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &dlgAbout::cmdClose_Click);
}

dlgAbout::~dlgAbout() = default;

QString dlgAbout::DescriptionText() {
    return QStringLiteral("Thank you for purchasing the software!") + kLineBreak + kLineBreak +
           QStringLiteral("This program was created to help you manage your") + kLineBreak +
           QStringLiteral("personal income and expenses and keep track of your") + kLineBreak +
           QStringLiteral("profit and loss statements.");
}

QString dlgAbout::CreditsText() {
    return GetAppTitle() + QStringLiteral(" was written by the Quillmark team, with its own") +
           kLineBreak + QStringLiteral("LumoKit controls for every button.") + kLineBreak +
           kLineBreak + QStringLiteral("Questions and ideas are welcome at ") +
           QStringLiteral("support@quillmark.example.");
}

void dlgAbout::Form_Load() {
    trapErrors([this] {
        setCaption(QStringLiteral("About ") + GetAppTitle());
        lblVersion->setText(
            QStringLiteral("Version %1.%2").arg(AppVersionMajor()).arg(AppVersionMinor()));
        lblTitle->setText(GetAppTitle());
        lblDescription->setText(DescriptionText());
    });
}

bool dlgAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Text1_DblClick();
    }
    return Screen::eventFilter(watched, event);
}

void dlgAbout::picIcon_Click() {
    ShowCredits();
}

void dlgAbout::Text1_DblClick() {
    ShowCredits();
}

void dlgAbout::ShowCredits() {
    trapErrors([] { MsgBoxInfo(CreditsText()); });
}

void dlgAbout::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

} // namespace quillmark
