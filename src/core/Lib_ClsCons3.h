#pragma once
// The suite's lookup service: a caller sets the request variables, calls
// ConsultaSearch with a table, view or statement, and reads what the
// operator chose from ValorDevuelto, Valores and Cantidades.
//
// The class spans two layers. Its state lives here, in the core, because
// start-up configures the shared instance gConsultas() (CoreState.h) and
// the core may not depend on the lookup dialogs. Its three methods show the
// lookup windows and are defined in src/lookup: a program that calls them
// links the lookup library.
//
// A collection that can be "nothing" is an optional list: std::nullopt is
// no collection, an empty list an empty one.
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/runtime/Variant.h"

namespace core {

class Lib_ClsCons3 {
 public:
  // Class_Initialize: empty CmpsDevueltos and Valores, and the stock and
  // LIKE settings read from the configuration. Without an open database
  // connection nothing is read, and the settings are those of missing keys.
  Lib_ClsCons3();

  // Stock-level colours of an article row (a colour value or blank): keys
  // Stk_Nivel1 .. Stk_Nivel4; an empty value reads as 0.
  rt::Variant StkNivel1;
  rt::Variant StkNivel2;
  rt::Variant StkNivel3;
  rt::Variant StkNivel4;
  // Key MostrarStockenConsultas: "SI" colours article rows by stock.
  QString MuestraStock;
  // Not used by the methods, which work on their parameter of this name.
  std::optional<QStringList> CmpsDevueltos;
  // The values chosen.
  std::optional<QStringList> Valores;
  // The list window's quantity collection, copied back after a list lookup.
  std::optional<QStringList> Cantidades;
  // Check boxes for the next ConsultaSearch; False again after a window.
  bool Checks = false;
  // The single value chosen; "" after a cancel.
  rt::Variant ValorDevuelto;
  // Connection string handed to the list window; taken from the database
  // service when empty.
  QString gConnString;
  QString gRutaMascaraConsultas;
  // False: tables get the column list read from the table itself.
  bool gUsarMascarasConsultas = false;
  // The list window lets the operator type a quantity per row.
  bool UsaCantidades = false;
  // The column whose value is returned; "" again after every ConsultaSearch.
  QString CampoDevuelto;

  // The options checked in a check list, in Valores; `Opc` are the
  // options, each a flag character ("1" checked, anything else not) and
  // the text. `CmpsDevueltos` is accepted and not used. Returns "".
  QString CheckOpciones(const QString& Titulo, const std::optional<QStringList>& CmpsDevueltos,
                        const QStringList& Opc);
  // The text of the option chosen from a pick list; "" after a cancel.
  QString MenuOpciones(const QString& Titulo, const QStringList& Opc);
  // Shows the list (or tree) window over `SQL`, a table or view name or a
  // whole statement. A null pointer plays an omitted argument. The
  // caller's CmpsDevueltos comes back as no collection; CampoBusqueda is
  // written back when the service chooses it; Where comes back in
  // parentheses.
  void ConsultaSearch(QString SQL, std::optional<QStringList>* CmpsDevueltos = nullptr,
                      const QString& Clave = QString(), QString* CampoBusqueda = nullptr, QString* Where = nullptr,
                      const QString& SentenciaOpcional = QString(), bool TreeView = false,
                      const QString& ValoresDefault = QString());

  // The LIKE-search setting handed to the list window (key UsaConsultaLike).
  bool CfgUsaConsultaLike() const { return gCfgUsaConsultaLike; }

 private:
  bool gCfgUsaConsultaLike = false;
};

}  // namespace core
