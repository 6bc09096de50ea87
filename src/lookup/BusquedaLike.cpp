#include "lookup/BusquedaLike.h"

#include "platform/runtime/Text.h"

namespace lookup {

namespace {

bool contiene(const QString& s, const char* palabra) {
  return rt::InStr(s, QString::fromLatin1(palabra), rt::Compare::Text) > 0;
}

// The statement before the first `palabra` (text compare) and from it on;
// false when it is not there.
bool parte(const QString& SQL, const char* palabra, QString& antes, QString& desde) {
  const int at = rt::InStr(SQL, QString::fromLatin1(palabra), rt::Compare::Text);
  if (at == 0) return false;
  antes = SQL.left(at - 1);
  desde = SQL.mid(at - 1);
  return true;
}

QString literal(const QString& texto) { return rt::Replace(texto, QStringLiteral("'"), QStringLiteral("''")); }

QString conector(const QString& SQL) {
  return contiene(SQL, "where") ? QStringLiteral(" and ") : QStringLiteral(" where ");
}

}  // namespace

QString SentenciaBusquedaLista(const QString& SQL, QString& SQLBase, QString& SQLCola, const QString& Campo,
                               const QString& Texto, bool Contiene) {
  SQLCola.clear();
  parte(SQL, "order by", SQLBase, SQLCola);
  QString antes, desde;
  if (parte(SQL, "group by", antes, desde)) {
    if (!rt::Trim(desde).isEmpty()) SQLCola = desde;
    SQLBase = antes;
  }
  QString prefijo;
  if (contiene(SQLBase, "stk_ma_articulos.")) prefijo = QStringLiteral("stk_ma_articulos.");
  if (contiene(SQLBase, "v_ma_articulos.")) prefijo = QStringLiteral("v_ma_articulos.");
  const QString patron = Contiene ? u'%' + literal(Texto) + u'%' : literal(Texto) + u'%';
  return SQLBase + conector(SQL) + prefijo + Campo + QStringLiteral(" like '") + patron + QStringLiteral("' ") +
         SQLCola;
}

QString SentenciaBusquedaArbol(const QString& SQL, QString& SentenciaBase, QString& ClausulaOrden,
                               const QString& Texto) {
  ClausulaOrden.clear();
  if (!parte(SQL, "order by", SentenciaBase, ClausulaOrden)) SentenciaBase = SQL;
  return SentenciaBase + conector(SQL) + QStringLiteral("Descripcion like '%") + literal(Texto) +
         QStringLiteral("%' ") + ClausulaOrden;
}

}  // namespace lookup
