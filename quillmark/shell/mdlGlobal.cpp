#include "quillmark/shell/mdlGlobal.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/CompanyChanges.h"
#include "quillmark/shell/ErrorTrap.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmark {

namespace {

QString& programFolderOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString GetAppTitle() {
    return QStringLiteral("Quillmark");
}

int AppVersionMajor() {
    return QUILLMARK_VERSION_MAJOR;
}

int AppVersionMinor() {
    return QUILLMARK_VERSION_MINOR;
}

QString ProgramFolder() {
    const QString& folder = programFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString& folder) {
    programFolderOverride() = folder;
}

QString UserDataFolder() {
    // Named here rather than taken from the application's name, so that every
    // caller (tests and companion tools too) finds the same folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + GetAppTitle();
}

QString DefaultDataFilePath() {
    const QString fileName = QStringLiteral("/vevodir.dat");
    const QString inDataFolder = UserDataFolder() + fileName;
    const QString inProgramFolder = ProgramFolder() + fileName;
    if (!QFileInfo::exists(inDataFolder) && QFileInfo::exists(inProgramFolder)) {
        return inProgramFolder;
    }
    return inDataFolder;
}

bool OpenDataConnections(const QString& path) {
    const bool opened = trapErrors([&] {
        deQuillmark& de = deQuillmark::instance();
        if (de.connSys().State() != adStateClosed) {
            de.connSys().Close();
        }
        if (de.connReports().State() != adStateClosed) {
            de.connReports().Close();
        }
        de.connSys().setConnectionString(DataFile::connectionStringFor(path));
        if (de.connSys().State() == adStateClosed) {
            de.connSys().Open();
        }
        de.connReports().setConnectionString(DataFile::connectionStringFor(path));
        if (de.connReports().State() == adStateClosed) {
            de.connReports().Open();
        }
    });
    // Whatever the outcome, the open books are no longer what they were.
    CompanyChanges::instance().notify();
    return opened;
}

void SelectComboByItemData(QComboBox& combo, qint32& value) {
    trapErrors([&] {
        for (int index = 0; index < combo.count(); ++index) {
            if (combo.itemData(index).toInt() == value) {
                combo.setCurrentIndex(index);
                return;
            }
        }
    });
}

} // namespace quillmark
