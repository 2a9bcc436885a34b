#pragma once

// A keyset record set: the rows of a SELECT (or of a whole table) as a list of
// row keys, with the values of a row read from the data file when asked for.
// Counts are exact, bookmarks survive Requery and Sort, Filter and Sort re-run
// the statement with an extra condition or order, and AddNew/Update write
// through to the table the fields come from.
#include "quillmark/data/AdoTypes.h"
#include "quillmark/data/Field.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstdio>
#include <memory>
#include <vector>

// The end-of-rows test is called EOF, like the C library's macro; drop the
// macro (stdio is already in, so it is not defined again).
#undef EOF

namespace quillmark {

class Connection;

class Recordset : public QObject {
    Q_OBJECT
public:
    explicit Recordset(QObject* parent = nullptr);
    ~Recordset() override;

    // source: a SELECT statement in the Jet dialect or a table name. Keyset
    // cursors (the default) keep only the row keys; statements that name no
    // table rows (grouping, DISTINCT, unions) are read whole and are read-only.
    // Throws RuntimeError when already open, when the connection is missing or
    // closed, or when the statement fails.
    void Open(const QString& source, Connection* activeConnection, long cursorType = adOpenKeyset,
              long lockType = adLockOptimistic, long options = -1);
    // As Open, with values for the statement's "?" markers, in order.
    void OpenWithParameters(const QString& source, Connection* activeConnection,
                            const QVariantList& parameters, long cursorType = adOpenKeyset,
                            long lockType = adLockOptimistic, long options = -1);
    // Drops a pending AddNew or edit. Throws RuntimeError when already closed.
    void Close();
    long State() const;
    QString Source() const;
    Connection* ActiveConnection() const;
    long CursorType() const;
    long LockType() const;

    // Position. BOF/EOF are both true on an empty record set.
    bool EOF() const;
    bool BOF() const;
    long RecordCount() const;
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    void MovePrevious();
    void Move(long offset);
    // 1-based; adPosBOF / adPosEOF when before the first or after the last row.
    long AbsolutePosition() const;
    void setAbsolutePosition(long position);
    // The current row's key (> 0); throws RuntimeError at BOF or EOF.
    qint32 Bookmark() const;
    // Moves to the row with this bookmark; throws RuntimeError when no row of
    // the record set has it.
    void setBookmark(qint32 bookmark);

    // Fields of the current row, in result order.
    Field& Fields(const QString& name);
    Field& Fields(int index);
    int fieldCount() const;
    QString fieldName(int index) const;
    // -1 when there is no such field (names compare without regard to case).
    int fieldIndex(const QString& name) const;
    FieldType fieldType(int index) const;

    // Fast read for a grid: the value of a row (0-based) and column without
    // moving the current row. Rows that have been deleted read as null.
    QVariant value(long row, int column) const;
    qint32 bookmarkAt(long row) const;
    // The 0-based row that carries this bookmark, or -1.
    long rowOfBookmark(qint32 bookmark) const;

    // Editing. AddNew starts a new row; field assignments are kept until Update
    // writes them (the database assigns the key; afterwards the record set
    // stands on the new row). Update on an existing row writes only the fields
    // that were assigned and throws when the row no longer exists.
    void AddNew();
    void Update();
    void CancelUpdate();
    long EditMode() const;
    // Whether AddNew/Update are allowed (keyset cursor on table rows, not read-only).
    bool isUpdatable() const;

    // Criteria such as "CatCode = 7" or "CategoryID <> 3 AND CatCode = 7";
    // field names must be fields of the record set. Empty text removes it.
    QString Filter() const;
    void setFilter(const QString& criteria);
    // "Field ASC" / "Field DESC" (several separated by commas); empty text
    // restores the statement's own order.
    QString Sort() const;
    void setSort(const QString& sort);
    // Reads the rows again (after changes made elsewhere); moves to the first row.
    void Requery();
    // An independent record set over the same rows, standing on the first row;
    // filtering or moving it leaves this one alone.
    std::unique_ptr<Recordset> Clone() const;

signals:
    // After Open, Requery, Sort, Filter and Close: readers must read again.
    void rowsReset();
    // After AddNew + Update appended rows first..last (0-based).
    void rowsInserted(long first, long last);
    // After Update wrote an existing row (0-based).
    void rowChanged(long row);
    // The current row moved.
    void currentChanged();

private:
    friend class Field;
    friend class Connection;
    QVariant fieldValue(int index) const;
    void setFieldValue(int index, const QVariant& value);
    long fieldDefinedSize(int index) const;
    bool fieldUpdatable(int index) const;
    void connectionClosing();
    void dropCachedRows();
    void loadRows();
    void closeRows();
    void moveTo(long row);
    // The row's values, one per field; nullptr for a deleted row.
    const QVariant* rowValues(long row) const;
    void insertRow();
    void updateRow();
    void requireOpen() const;
    void requireUpdatable() const;
    void requireNoPendingEdit() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace quillmark
