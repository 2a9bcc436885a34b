#pragma once

// Company data files: their connection string and the making of a new, empty
// file (the program itself only opens existing files).
#include <QString>

namespace quillmark {

class DataFile {
public:
    // "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Persist Security Info=False"
    static QString connectionStringFor(const QString& path);

    // Writes a new data file: the tables, one CompanyInfo row (CompanyID 1,
    // empty texts) and the standard fixed income and expense categories. With
    // withCompanyList it is a default file: also the CompanyFilePath table with
    // its row (1, defaultCompanyName(), "Default Path"). Throws RuntimeError
    // when the file exists (never overwrites) or cannot be written; a failed
    // attempt leaves no file behind.
    static void createCompanyFile(const QString& path, bool withCompanyList);

    static QString defaultCompanyName();
    // Marker text of the default company's row in CompanyFilePath.
    static QString defaultPathMarker();
};

} // namespace quillmark
