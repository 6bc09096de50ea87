#pragma once
#include <QString>

namespace qt {

// A caption as it reads on screen where no access key is shown: without
// its "&" markers, "&&" as one "&".
QString withoutAccessKey(QString caption);

}  // namespace qt
