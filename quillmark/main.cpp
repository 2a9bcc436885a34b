#include "quillmark/AllScreens.h"
#include "quillmark/shell/ControlServerSetup.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/mdiMain.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quillmark::GetAppTitle());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2")
                                            .arg(quillmark::AppVersionMajor())
                                            .arg(quillmark::AppVersionMinor()));

    // The emblem of the client area is also the program's icon.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(quillmark::MdiClientArea::emblem())));

    quillmark::registerAllScreens();
    // An installed copy's buttons need the server registered for the user.
    quillmark::ControlServerSetup::atStart();
    quillmark::mdiMain window;
    window.show();
    window.MDIForm_Load();
    return app.exec();
}
