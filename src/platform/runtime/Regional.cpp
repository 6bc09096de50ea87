#include "platform/runtime/Regional.h"

namespace rt {

RegionalSettings& regional() {
  static RegionalSettings settings = RegionalSettings::spanishArgentina();
  return settings;
}

}  // namespace rt
