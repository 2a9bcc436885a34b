#pragma once

// A named statement on a connection with a record set of its own, as the data
// environment's commands are: running it (re)opens that record set.
#include "quillmark/data/AdoTypes.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <type_traits>

namespace quillmark {

class Connection;
class Recordset;

class Command : public QObject {
    Q_OBJECT
public:
    // commandType adCmdText for a statement, adCmdTable for a whole table.
    Command(QString name, Connection* activeConnection, QString commandText,
            long commandType = adCmdText, QObject* parent = nullptr);
    ~Command() override;

    QString Name() const;
    QString CommandText() const;
    void setCommandText(const QString& text);
    long CommandType() const;
    void setCommandType(long commandType);
    Connection* ActiveConnection() const;
    void setActiveConnection(Connection* connection);

    // The "?" markers in the command text (outside quoted literals).
    int parameterCount() const;
    // Values used when Execute gets none; a command may carry defaults.
    QVariantList Parameters() const;
    void setParameters(const QVariantList& values);

    // Runs the command with these parameter values (or the stored ones when
    // the list is empty) and (re)opens its record set, which it returns. Throws
    // RuntimeError when the connection is closed or the statement fails.
    Recordset& ExecuteWith(const QVariantList& parameters);
    template <typename... Values> Recordset& Execute(const Values&... values) {
        return ExecuteWith(QVariantList{toVariant(values)...});
    }

    // The command's own record set, as it stands (possibly closed).
    Recordset& recordset();

private:
    template <typename T> static QVariant toVariant(const T& value) {
        if constexpr (std::is_constructible_v<QVariant, const T&>) {
            return QVariant(value);
        } else {
            return QVariant::fromValue(value);
        }
    }

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace quillmark
