#pragma once

// An open company data file. The connection string is the one the program
// builds for every data file (see DataFile::connectionStringFor); opening
// checks that the file exists and is one of the program's data files.
#include "quillmark/data/AdoTypes.h"

#include <QObject>
#include <QString>

#include <memory>

struct sqlite3;

namespace quillmark {

class Recordset;

class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QString name = {}, QObject* parent = nullptr);
    ~Connection() override;

    QString Name() const;
    QString ConnectionString() const;
    // Only while closed; throws RuntimeError when open.
    void setConnectionString(const QString& connectionString);
    // adStateClosed (0) or adStateOpen (1).
    long State() const;
    // With an empty connectionString the one set before is used. Throws
    // RuntimeError when already open, when the string names no file, or when the
    // file is missing, not one of our data files, or damaged. A missing file is
    // never created.
    void Open(const QString& connectionString = {}, const QString& user = {},
              const QString& password = {}, long options = -1);
    // Closes every record set still open on this connection first.
    void Close();
    // Runs exactly one statement in the Jet dialect. A SELECT gives an open
    // record set; any other statement gives nullptr and reports the number of
    // rows it changed through recordsAffected.
    std::unique_ptr<Recordset> Execute(const QString& statement, long* recordsAffected = nullptr,
                                       long options = -1);

    // The path of the data file named by the connection string.
    QString DataSource() const;
    // The path the connection string names: the text between "Data Source=" and
    // the final ";Persist Security Info=False" (or the end). Empty when none.
    static QString dataSourceOf(const QString& connectionString);

    // For the data layer's own objects.
    sqlite3* handle() const;
    void registerRecordset(Recordset* recordset);
    void unregisterRecordset(Recordset* recordset);
    // Record sets drop their cached row values after a write on this connection.
    void notifyDataChanged();
    // Reads share one read transaction until the program next waits for the
    // user (the event loop runs), a write on this connection, or Close: a walk
    // over many rows locks the file once and sees one state of it. In WAL
    // mode a reader never holds up a save on any connection.
    void holdReadTransaction();
    // Ends a held read transaction; called before every write, so that the
    // write commits at once, and when a record set runs its statement again.
    void releaseReadTransaction();

signals:
    void stateChanged(long state);
    void dataChanged();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace quillmark
