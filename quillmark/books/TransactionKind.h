#pragma once

#include <QString>

namespace quillmark {

// What sets the income screen apart from the expense screen; everything
// else about the two is the same behaviour. Captions and labels live in each
// screen's form data.
struct TransactionKind {
    QString formName;        // the screen's name and form data
    QString typeCode;        // "INC" / "EXP": runs the commands, stored in CatType
    QString amountField;     // the money field that receives the amount
    QString otherField;      // the money field that gets 0
    int amountColumn;        // grid column read back into the amount box
    QString twinScreen;      // the screen of the other kind
    QString twinsTwinButton; // the button on the twin that leads back here
    QString noCategoriesMessage;
};

} // namespace quillmark
