#include "quillmark/shell/mdlSpecial.h"

#include "quillmark/shell/Messages.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmark {

namespace {

std::function<FolderLookup()>& installedLookup() {
    static std::function<FolderLookup()> lookup;
    return lookup;
}

FolderLookup standardDocumentsFolder() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty()) {
        return {kFolderInvalid, {}};
    }
    if (!QFileInfo(path).isDir()) {
        return {kFolderMissing, {}};
    }
    return {kFolderOk, QDir::toNativeSeparators(path)};
}

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 &&
           (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) {
        path.chop(1);
    }
    return path;
}

} // namespace

void setDocumentsFolderLookup(std::function<FolderLookup()> lookup) {
    installedLookup() = std::move(lookup);
}

FolderLookup lookupDocumentsFolder() {
    const auto& lookup = installedLookup();
    return lookup ? lookup() : standardDocumentsFolder();
}

QString GetDocumentsFolder() {
    const FolderLookup found = lookupDocumentsFolder();
    switch (found.result) {
    case kFolderOk:
        return withoutTrailingSeparator(found.path);
    case kFolderMissing:
        MsgBoxInfo(QStringLiteral("My Documents folder does not exist."));
        return {};
    default:
        MsgBoxInfo(QStringLiteral("My Documents folder is not valid on this operating system."));
        return {};
    }
}

QString GetExportsFolder() {
    const QString folder = UserDataFolder() + QStringLiteral("/Exports");
    // A folder that cannot be made is reported by the export that writes there.
    QDir().mkpath(folder);
    return folder;
}

} // namespace quillmark
