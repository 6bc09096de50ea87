#pragma once
// The operator's regional settings: what the program calls "the user's
// locale" when it renders numbers and dates for people. SQL text never uses
// them. Spanish (Argentina) unless a test or the operator changes them.
#include <QChar>
#include <QString>

namespace rt {

struct RegionalSettings {
  QChar decimalSeparator = u',';
  QChar groupSeparator = u'.';
  QChar dateSeparator = u'/';
  QChar timeSeparator = u':';
  int currencyDigits = 2;
  // Day first, month, four-digit year: how dates are written and read.
  bool dayFirst = true;

  static RegionalSettings spanishArgentina() { return {}; }
};

// The settings in force for the whole program.
RegionalSettings& regional();

}  // namespace rt
