#include "platform/ado/Field.h"

#include "platform/ado/Recordset.h"

namespace ado {

QString Field::Name() const { return owner_->column(index_).name; }
rt::Variant Field::Value() const { return owner_->value(index_); }
void Field::setValue(const rt::Variant& value) { owner_->assign(index_, value); }
int Field::Type() const { return owner_->column(index_).type; }
long Field::DefinedSize() const { return owner_->column(index_).definedSize; }

}  // namespace ado
