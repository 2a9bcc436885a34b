#include "quillmark/data/Command.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/JetLexer.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"

#include <QPointer>

namespace quillmark {

struct Command::Private {
    QString name;
    QString text;
    long type = adCmdText;
    QPointer<Connection> connection;
    QVariantList parameters;
    std::unique_ptr<Recordset> recordset;
};

Command::Command(QString name, Connection* activeConnection, QString commandText, long commandType,
                 QObject* parent)
    : QObject(parent), d(new Private) {
    d->name = std::move(name);
    d->text = std::move(commandText);
    d->type = commandType;
    d->connection = activeConnection;
    d->recordset = std::make_unique<Recordset>();
    setObjectName(d->name);
}

Command::~Command() = default;

QString Command::Name() const {
    return d->name;
}

QString Command::CommandText() const {
    return d->text;
}

void Command::setCommandText(const QString& text) {
    d->text = text;
}

long Command::CommandType() const {
    return d->type;
}

void Command::setCommandType(long commandType) {
    d->type = commandType;
}

Connection* Command::ActiveConnection() const {
    return d->connection;
}

void Command::setActiveConnection(Connection* connection) {
    d->connection = connection;
}

int Command::parameterCount() const {
    if (d->type == adCmdTable) {
        return 0;
    }
    try {
        int count = 0;
        for (const JetToken& token : JetLexer::tokenize(d->text)) {
            count += token.kind == JetTokenKind::Parameter ? 1 : 0;
        }
        return count;
    } catch (const RuntimeError&) {
        return 0;
    }
}

QVariantList Command::Parameters() const {
    return d->parameters;
}

void Command::setParameters(const QVariantList& values) {
    d->parameters = values;
}

Recordset& Command::ExecuteWith(const QVariantList& parameters) {
    if (!d->connection || d->connection->State() != adStateOpen) {
        throw RuntimeError(errObjectClosed,
                           QStringLiteral("The command %1 cannot run: its connection %2 is not "
                                          "open.")
                               .arg(d->name, d->connection ? d->connection->Name() : QString()));
    }
    // Re-running replaces the rows; a still open record set is closed first.
    if (d->recordset->State() == adStateOpen) {
        d->recordset->Close();
    }
    const QVariantList values = parameters.isEmpty() ? d->parameters : parameters;
    d->recordset->OpenWithParameters(d->text, d->connection, values, adOpenKeyset, adLockOptimistic,
                                     d->type == adCmdTable ? long(adCmdTable) : -1L);
    return *d->recordset;
}

Recordset& Command::recordset() {
    return *d->recordset;
}

} // namespace quillmark
