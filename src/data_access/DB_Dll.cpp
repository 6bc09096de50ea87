#include "data_access/DB_Dll.h"

namespace data_access {

DB_Dll::DB_Dll() = default;
DB_Dll::~DB_Dll() = default;

}  // namespace data_access
