#pragma once

#include <QString>

#include <functional>

namespace quillmark {

// What a documents-folder lookup reports: a shell result code and the path.
struct FolderLookup {
    long result = 0; // kFolderOk, kFolderMissing or kFolderInvalid (or any other code)
    QString path;
};

inline constexpr long kFolderOk = 0;                // S_OK: path holds the folder
inline constexpr long kFolderMissing = 1;           // S_FALSE: the folder does not exist
inline constexpr long kFolderInvalid = 0x80070057L; // E_INVALIDARG: no such folder here

// The user's documents folder without a trailing separator, or an empty text
// after telling the user why it cannot be found.
QString GetDocumentsFolder();

// Where report exports go when there is no documents folder: "Exports" in
// the user's data folder, made when missing.
QString GetExportsFolder();

// The lookup GetDocumentsFolder uses: QStandardPaths' documents location by
// default. Tests install their own; an empty function restores the default.
void setDocumentsFolderLookup(std::function<FolderLookup()> lookup);
FolderLookup lookupDocumentsFolder();

} // namespace quillmark
