#include "NumberingFixture.h"

#include "numbering/NumberingState.h"

namespace testing_support {

template <class Base>
void FreshNumbering<Base>::SetUp() {
  Base::SetUp();
  numbering::ResetNumbering();
}

template <class Base>
void FreshNumbering<Base>::TearDown() {
  numbering::ResetNumbering();
  Base::TearDown();
}

template <class Base>
QStringList FreshNumbering<Base>::errorLog() const {
  return this->readFile(this->folder.file(QStringLiteral("VXERR.LOG"))).split(u'\n', Qt::SkipEmptyParts);
}

template class FreshNumbering<CoreFixture>;
template class FreshNumbering<CoreDatabase>;

void NumberingDatabase::SetUp() {
  FreshNumbering<CoreDatabase>::SetUp();
  connectAs(QStringLiteral("Ana"));
}

}  // namespace testing_support
