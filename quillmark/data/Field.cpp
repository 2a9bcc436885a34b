#include "quillmark/data/Field.h"

#include "quillmark/data/Recordset.h"

namespace quillmark {

QString Field::Name() const {
    return m_owner->fieldName(m_index);
}

QVariant Field::Value() const {
    return m_owner->fieldValue(m_index);
}

void Field::setValue(const QVariant& value) {
    m_owner->setFieldValue(m_index, value);
}

FieldType Field::Type() const {
    return m_owner->fieldType(m_index);
}

long Field::DefinedSize() const {
    return m_owner->fieldDefinedSize(m_index);
}

bool Field::isUpdatable() const {
    return m_owner->fieldUpdatable(m_index);
}

} // namespace quillmark
