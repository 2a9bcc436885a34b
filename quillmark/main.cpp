#include "quillmark/shell/mdiMain.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quillmark::GetAppTitle());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2")
                                            .arg(quillmark::AppVersionMajor())
                                            .arg(quillmark::AppVersionMinor()));

    quillmark::mdiMain window;
    window.show();
    window.MDIForm_Load();
    return app.exec();
}
