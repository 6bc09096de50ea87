// Type classes of ADO data-type codes and object-name helpers.
#include <algorithm>

#include "data_access/AdoTypeCode.h"
#include "data_access/DB_Dll.h"
#include "platform/runtime/Text.h"

namespace data_access {

bool DB_Dll::adodate(const rt::Variant& Qtype) { return EsTipoAdo(Qtype, {7, 133, 137, 134, 135, 64}); }

bool DB_Dll::ADOText(const rt::Variant& Qtype) { return EsTipoAdo(Qtype, {8, 201, 203, 200, 202, 130, 129}); }

QString DB_Dll::ADOComilla(const rt::Variant& Qtype) {
  return adodate(Qtype) || ADOText(Qtype) ? QStringLiteral("'") : QString();
}

bool DB_Dll::ADONumeric(const rt::Variant& Qtype) {
  return EsTipoAdo(Qtype, {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17});
}

bool DB_Dll::ADOCurrency(const rt::Variant& Qtype) { return EsTipoAdo(Qtype, {6}); }

bool DB_Dll::ADOBoolean(const rt::Variant& Qtype) { return EsTipoAdo(Qtype, {11}); }

QString DB_Dll::stSTF(QString& rsName, int rnPart) {
  if (rsName.count(u'.') >= 2) return StripOwner(rsName);
  int point = rt::InStr(rsName, QStringLiteral("."));
  if (rnPart == 0) {
    if (point == 0) rt::raise(rt::err::InvalidCall);
    return rt::Left(rsName, point - 1);
  }
  return point == 0 ? rsName : rt::Mid(rsName, point + 1);
}

QString DB_Dll::AddBrackets(const QString& rObjName) {
  if (rObjName.contains(u' ') && !rObjName.startsWith(u'[')) return u'[' + rObjName + u']';
  return rObjName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) {
  int arrow = rt::InStr(rsTblName, QStringLiteral("->"));
  if (arrow == 0) return rsTblName;
  // "table -> connection": the blank before the arrow goes with it.
  if (arrow < 2) rt::raise(rt::err::InvalidCall);
  return rt::Left(rsTblName, arrow - 2);
}

QString DB_Dll::StripBrackets(const QString& rsObjName) {
  if (!rsObjName.startsWith(u'[')) return rsObjName;
  if (rsObjName.size() < 2) rt::raise(rt::err::InvalidCall);
  return rsObjName.mid(1, rsObjName.size() - 2);
}

QString DB_Dll::StripOwner(QString& rsTblName) {
  int point = rt::InStr(rsTblName, QStringLiteral("."));
  if (point > 0) rsTblName = rt::Mid(rsTblName, point + 1);
  return rsTblName;
}

QString DB_Dll::StripFileName(const QString& rsFileName) {
  qsizetype last = std::max(rsFileName.lastIndexOf(u'\\'), rsFileName.lastIndexOf(u'/'));
  return last < 0 ? QString() : rsFileName.left(last);
}

}  // namespace data_access
