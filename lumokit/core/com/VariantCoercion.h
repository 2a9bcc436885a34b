#pragma once

// Converts values arriving through dispatch to the declared type of a
// parameter, the way automation converts arguments: numbers, Booleans and
// numeric text convert to each other; numbers round half to even; values
// outside the type's range are refused with DISP_E_OVERFLOW, values that
// cannot be read as the type with DISP_E_TYPEMISMATCH.
#include "core/com/TypeInfo.h"

#include <QVariant>

namespace lumokit {

class VariantCoercion {
public:
    struct Result {
        HRESULT hr = S_OK;
        QVariant value;
    };

    static Result coerce(const QVariant& value, const TypeRef& type);
    // The value an omitted optional parameter without a declared default takes.
    static QVariant missingValue(const TypeRef& type);
    // The canonical empty value of a type (0, false, "", no object).
    static QVariant emptyValue(const TypeRef& type);
};

} // namespace lumokit
