#include "core/FieldList.h"

#include <QStringList>
#include <algorithm>

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace core {

namespace {

// A list emptied by a builder has no bounds to grow from or walk.
void requireBounds(const ListaDeCampos& lista) {
  if (lista.empty()) rt::raise(rt::err::SubscriptOutOfRange);
}

QString columnsAndValues(const ListaDeCampos& lista) {
  requireBounds(lista);
  const QStringView valuesWord = u") VALUES (";
  qsizetype size = 2 + valuesWord.size() + 2 * (static_cast<qsizetype>(lista.size()) - 1);
  for (const CampoValor& par : lista) size += par.Campo.size() + par.Valor.size();
  QString text(size, Qt::Uninitialized);
  QChar* out = text.data();
  const auto put = [&](QStringView part) {
    std::copy(part.begin(), part.end(), out);
    out += part.size();
  };
  const auto putList = [&](QString CampoValor::*member) {
    for (const CampoValor& par : lista) {
      if (&par != &lista.front()) *out++ = u',';
      put(par.*member);
    }
  };
  put(u"(");
  putList(&CampoValor::Campo);
  put(valuesWord);
  putList(&CampoValor::Valor);
  put(u")");
  return text;
}

}  // namespace

void AgregaCampo(const QString& Campo, QString& Valor, const QString& Tipo, bool Primero) {
  ListaDeCampos& lista = gCore().ListaCampos;
  if (Primero) {
    lista.assign(1, CampoValor{});
  } else {
    requireBounds(lista);
    lista.emplace_back();
  }
  Valor.remove(u'\'');
  lista.back().Campo = Campo;
  lista.back().Valor = rt::EqualsText(Valor, QStringLiteral("NULL")) ? QStringLiteral("Null")
                                                                      : data_access::DB_Dll::SQLValue(Valor, Tipo);
}

void AgregaCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Primero) {
  QString valor = Valor;
  AgregaCampo(Campo, valor, Tipo, Primero);
}

void ArmaInsert(QString& Texto, ListaDeCampos& Lista, bool Limpiar) {
  Texto += columnsAndValues(Lista);
  if (Limpiar) Lista.clear();
}

void ArmaSentenciaSQL(ListaDeCampos& Lista, std::vector<QString>& Sentencias, const QString& Tabla, bool Actualiza,
                      QString& Condicion, bool Conserva) {
  QString texto;
  if (Actualiza) {
    requireBounds(Lista);
    QStringList asignaciones;
    for (const CampoValor& par : Lista) asignaciones << par.Campo + QStringLiteral(" = ") + par.Valor;
    if (rt::InStr(Condicion, QStringLiteral("WHERE"), rt::Compare::Text) == 0)
      Condicion = QStringLiteral(" WHERE ") + Condicion;
    texto = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ") + asignaciones.join(u',') + u' ' + Condicion;
  } else {
    texto = QStringLiteral("INSERT INTO ") + Tabla + u' ' + columnsAndValues(Lista);
  }
  // Every statement is followed by a blank element.
  Sentencias.push_back(texto);
  Sentencias.emplace_back();
  if (!Conserva) Lista.assign(1, CampoValor{});
}

void ArmaSentenciaSQL(ListaDeCampos& Lista, std::vector<QString>& Sentencias, const QString& Tabla, bool Actualiza,
                      const QString& Condicion, bool Conserva) {
  QString condicion = Condicion;
  ArmaSentenciaSQL(Lista, Sentencias, Tabla, Actualiza, condicion, Conserva);
}

QString ArmaCondicionSQL(const QString& Campo, const QString& Operador, const std::vector<QString>& Valores,
                         const QString& Conector, const QString& Delimitador,
                         const std::optional<rt::Variant>& IncluyeNulos, bool SoloCargados) {
  try {
    if (Valores.empty()) rt::raise(rt::err::SubscriptOutOfRange);
    // Inside quotes a value's own apostrophes are doubled, so it stays one
    // literal whatever it holds.
    const bool quoted = Delimitador == QStringLiteral("'");
    const auto comparison = [&](const QString& valor) {
      return Campo + Operador + (quoted ? data_access::sql::Quoted(valor) : Delimitador + valor + Delimitador);
    };
    QString condicion = comparison(Valores.front());
    for (size_t i = 1; i < Valores.size(); ++i)
      if (!SoloCargados || !rt::Trim(Valores[i]).isEmpty()) condicion += Conector + comparison(Valores[i]);
    if (IncluyeNulos && IncluyeNulos->toBool()) condicion += Conector + Campo + QStringLiteral(" is null ");
    return condicion;
  } catch (const rt::Error&) {
    return QStringLiteral("1=1");
  }
}

}  // namespace core
