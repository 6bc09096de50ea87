#include "data_access/Synonyms.h"

#include <initializer_list>

#include "platform/runtime/Text.h"

namespace data_access {

namespace {

struct Twin {
  const char16_t* plain;
  const char16_t* twin;
};

struct Context {
  const char16_t* before;
  const char16_t* after;
};

// A name is only rewritten between these characters: blank or "(" before,
// blank or "." after, or "," before and "." after.
void rewriteNames(QString& sql, std::initializer_list<Twin> twins) {
  static constexpr Context contexts[] = {{u" ", u" "}, {u"(", u" "}, {u" ", u"."}, {u"(", u"."}, {u",", u"."}};
  for (const Twin& t : twins)
    for (const Context& c : contexts) {
      QString before = QString::fromUtf16(c.before), after = QString::fromUtf16(c.after);
      sql = rt::Replace(sql, before + QString::fromUtf16(t.plain) + after, before + QString::fromUtf16(t.twin) + after,
                        rt::Compare::Text);
    }
}

}  // namespace

QString WithoutAdminMarker(const QString& sql) {
  return rt::Replace(sql, QStringLiteral("@Admin_"), QString(), rt::Compare::Text);
}

QString RewriteForUser(const QString& sql, const SynonymContext& context) {
  if (context.esAdmin) return WithoutAdminMarker(sql);
  if (!context.confidencialidad && rt::InStr(sql, QStringLiteral("MV_ASIENTOS"), rt::Compare::Text) > 0)
    return WithoutAdminMarker(sql);

  QString out = sql;
  rewriteNames(out, {{u"MA_CUENTAS", u"SS_MA_CUENTAS"}});
  out = rt::Replace(out, QStringLiteral("{MA_CUENTAS."), QStringLiteral("{SS_MA_CUENTAS."), rt::Compare::Text);
  out = rt::Replace(out, QStringLiteral("@Admin_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"), rt::Compare::Text);
  if (!rt::OneOfText(context.executableName, {"V_CONS_FICHA_STOCK", "RP_STOCK"}))
    rewriteNames(out, {{u"V_TA_DEPOSITO", u"SS_V_TA_DEPOSITO"}});
  rewriteNames(out, {{u"MV_ASIENTOS", u"SS_MV_ASIENTOS"},
                     {u"V_TA_FAMILIAS", u"SS_V_TA_FAMILIAS"},
                     {u"V_TA_CAJAS", u"SS_V_TA_CAJAS"},
                     {u"AC_CUENTASDIARIO", u"SS_AC_CUENTASDIARIO"},
                     {u"AC_CUENTASDIARIO_CCOSTO", u"SS_AC_CUENTAS_DIARIO_CCOSTO"}});
  return WithoutAdminMarker(out);
}

}  // namespace data_access
