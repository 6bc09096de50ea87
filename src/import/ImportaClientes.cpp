// The customers TXCLI become customer accounts with their additional data;
// each record's two rows are saved as one transaction.
#include <QSet>
#include <optional>

#include "core/CoreState.h"
#include "core/library/Library.h"
#include "data_access/DataAccessState.h"
#include "import/Avance.h"
#include "import/CuentaCliente.h"
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

namespace {

using data_access::gDB;

const QString kUno = QStringLiteral("   1");

// The fields of a customer record, trimmed where the account takes them so.
struct Cliente {
  rt::Variant Codigo;
  QString Descripcion;
  QString Contacto;
  QString Calle;
  QString Localidad;
  QString CodigoPostal;
  QString Provincia;  // code, blank as "   1"
  QString Telefono;
  QString Cuit;
  QString CondicionIva;  // code as translated
  QString Observaciones;
};

QString campo(ado::Recordset& rs, const char* nombre) {
  return library::gUtilidades().ValorCampo(rs.Fields(QString::fromLatin1(nombre)).Value()).toString();
}

Cliente leeCliente(ado::Recordset& rs) {
  const library::Utilidades& u = library::gUtilidades();
  Cliente c;
  c.Codigo = u.ValorCampo(rs.Fields(QStringLiteral("Codigo")).Value());
  c.Contacto = rt::Trim(campo(rs, "Nombre"));
  if (c.Contacto.isEmpty()) c.Contacto = QStringLiteral(".");
  c.Descripcion = rt::Trim(campo(rs, "Razon"));
  if (c.Descripcion.isEmpty()) c.Descripcion = c.Contacto;
  c.Calle = rt::Trim(rt::Trim(campo(rs, "Calle")) + u' ' + rt::Trim(campo(rs, "Altura")) + u' ' +
                     rt::Trim(campo(rs, "PisoDto")));
  c.Localidad = rt::Trim(campo(rs, "Localidad"));
  if (c.Localidad.isEmpty()) c.Localidad = QStringLiteral(".");

  const QString postal = campo(rs, "COD_POSTAL");
  if (!rt::Trim(postal).isEmpty()) {
    c.CodigoPostal = rt::Trim(postal);
    c.Provincia = gDB()
                      .DatosTabla(QStringLiteral("MAPINFO_LOCALIDADES"), postal, QStringLiteral("Copart"),
                                  QStringLiteral("Cod_postal"), 8, QString(), true, false)
                      .toStringOrEmpty();
  } else {
    c.CodigoPostal = QStringLiteral("0");
    c.Provincia = ProvinciaPorNombre(campo(rs, "PROVINCIA"));
  }
  if (rt::Trim(c.Provincia).isEmpty()) c.Provincia = kUno;

  c.Telefono = rt::Trim(campo(rs, "TELEFONO"));
  // Blank-padded text: an empty tax number is one that is blank once trimmed.
  c.Cuit = rt::Trim(campo(rs, "Cuit"));
  if (c.Cuit.isEmpty()) c.Cuit = QStringLiteral("99999999995");
  c.CondicionIva = CondicionIvaPorTipo(campo(rs, "tipo_iva"));
  c.Observaciones = rt::Trim(campo(rs, "Texto1"));
  return c;
}

// "7 (Codigo 7 - Pérez)": which record the error box is about.
QString identificacion(long registro, const Cliente* c) {
  QString texto = QString::number(registro);
  if (c) texto += QStringLiteral(" (Codigo ") + rt::Trim(c->Codigo.toString()) + QStringLiteral(" - ") + c->Descripcion + u')';
  return texto;
}

// The account codes the customers of the source claim by their numbers:
// the invoices of customer N are posted to that code, so no free code may
// take it.
QSet<QString> cuentasPropias(ado::Recordset& rs) {
  QSet<QString> propias;
  for (; !rs.EOF(); rs.MoveNext()) {
    const QString codigo =
        CuentaDeNumero(kPrefijoClientes, library::gUtilidades().ValorCampo(rs.Fields(QStringLiteral("Codigo")).Value()));
    if (!codigo.isEmpty()) propias.insert(codigo);
  }
  return propias;
}

// The customer's account code: its number's, unless an earlier record of
// the run wrote that account; then a free one, never one of the run's nor
// one that another customer of the source claims.
QString cuentaDelCliente(const Cliente& c, const QSet<QString>& escritas, const QSet<QString>& propias) {
  const QString propia = CuentaDeNumero(kPrefijoClientes, c.Codigo);
  if (!propia.isEmpty() && !escritas.contains(propia)) return propia;
  QString codigo = CodigoLibre(kPrefijoClientes);
  for (double n = rt::Val(codigo.mid(kPrefijoClientes.size())); escritas.contains(codigo) || propias.contains(codigo);)
    codigo = kPrefijoClientes + rt::FormatNumber(++n, QStringLiteral("0000"));
  return codigo;
}

void escribeCuenta(const QString& codigo, const Cliente& c) {
  ado::Recordset rs;
  gDB().AbrirRecordset(sql::CuentaPorCodigo(codigo), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic, -1, true);
  if (rs.BOF()) rs.AddNew();
  rs.Fields(QStringLiteral("Codigo")) = rt::Trim(codigo);
  rs.Fields(QStringLiteral("dv")) = rt::Variant(int32_t(0));
  rs.Fields(QStringLiteral("descripcion")) = c.Descripcion;
  rs.Fields(QStringLiteral("titulo")) = rt::Variant(int32_t(0));
  rs.Fields(QStringLiteral("Libro_iva_ventas")) = rt::Variant(int32_t(1));
  rs.Fields(QStringLiteral("Libro_iva_compras")) = rt::Variant(int32_t(0));
  rs.Fields(QStringLiteral("TipoVista")) = QStringLiteral("CL");
  rs.Fields(QStringLiteral("CuentaPrincipal")) = QString();
  rs.Update();
  gDB().CierraRecordset(rs);
}

void escribeDatosCliente(const QString& codigo, const Cliente& c) {
  const library::Utilidades& u = library::gUtilidades();
  data_access::DB_Dll& db = gDB();
  rt::Variant provincia = u.RellenaCodigo(c.Provincia, 4);
  if (!db.ExisteEnTabla(QStringLiteral("TA_ESTADOS"), u.RellenaCodigo(c.Provincia), QStringLiteral("codigo")))
    provincia = rt::Variant::null();
  rt::Variant iva = kUno;
  if (db.ExisteEnTabla(QStringLiteral("TA_CONDIVA"), c.CondicionIva, QStringLiteral("Codigo"))) {
    const QString codigoIva = rt::Trim(c.CondicionIva);
    iva = codigoIva.isEmpty() ? rt::Variant::null() : rt::Variant(u.RellenaCodigo(codigoIva, 4));
  }

  ado::Recordset rs;
  db.AbrirRecordset(sql::DatosClientePorCodigo(codigo), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic, -1,
                    true);
  if (rs.BOF()) rs.AddNew();
  rs.Fields(QStringLiteral("Codigo")) = rt::Trim(codigo);
  rs.Fields(QStringLiteral("Contacto")) = c.Contacto;
  rs.Fields(QStringLiteral("CALLE")) = c.Calle;
  rs.Fields(QStringLiteral("Localidad")) = c.Localidad;
  rs.Fields(QStringLiteral("CPOSTAL")) = c.CodigoPostal;
  rs.Fields(QStringLiteral("Provincia")) = provincia;
  rs.Fields(QStringLiteral("Telefono")) = c.Telefono;
  rs.Fields(QStringLiteral("NUMERO_DOCUMENTO")) = c.Cuit;
  rs.Fields(QStringLiteral("Iva")) = iva;
  rs.Fields(QStringLiteral("Documento_Tipo")) = u.RellenaCodigo(kUno, 4);
  rs.Fields(QStringLiteral("Limite_Credito")) = rt::Variant(0.0);
  rs.Fields(QStringLiteral("idcond_cpra_Vta")) = kUno;
  rs.Fields(QStringLiteral("Observaciones")) = c.Observaciones;
  rs.Fields(QStringLiteral("IdVendedor")) = rt::Variant::null();
  rs.Fields(QStringLiteral("Clase")) = QStringLiteral("1");
  rs.Fields(QStringLiteral("IdMotivoVta")) = u.RellenaCodigo(kUno, 4);
  rs.Fields(QStringLiteral("Pais")) = kUno;
  rs.Update();
  db.CierraRecordset(rs);
}

}  // namespace

void Importar::ImportaClientes() {
  data_access::DB_Dll& db = gDB();
  core::gCore().ListaCampos.assign(1, core::CampoValor{});
  Avance avance(rt::Now());
  long leidos = 0, grabados = 0, fallidos = 0;
  // Accounts written by this run: a later record never overwrites one.
  QSet<QString> escritas;
  QSet<QString> propias;
  std::optional<Cliente> cliente;
  const auto cajaError = [&](const rt::Error& e) {
    return ui::MsgBox(QStringLiteral("Error en asignacion de Datos, Registro ") +
                          identificacion(leidos, cliente ? &*cliente : nullptr) + QStringLiteral("\r\r  Error: ") +
                          e.Description() + QStringLiteral(" / ") + QString::number(e.Number()),
                      ui::mb::AbortRetryIgnore | ui::mb::Critical, QStringLiteral(" Atencion!"));
  };
  // Reading the source: Ignore goes on with the next step, Abort ends the run.
  rt::StepRunner origen(cajaError);

  ado::Recordset rs;
  bool fin = false;
  // A source that did not open (its failure ignored), or that cannot tell
  // where it stands, has no more records to give.
  const auto alFinal = [&] {
    fin = true;
    fin = rs.State() == ado::adStateClosed || rs.EOF();
  };
  const auto alPrincipio = [&] {
    if (rs.State() != ado::adStateClosed && !rs.BOF()) rs.MoveFirst();
  };
  // The walk for the claimed codes, then back to the first customer however
  // the walk ended.
  if (origen.run([&] { rs.Open(sql::LeeClientes(), conexionOrigen()); }) && origen.run([&] {
        alPrincipio();
        if (rs.State() != ado::adStateClosed) propias = cuentasPropias(rs);
      }) && origen.run(alPrincipio)) {
    while (!cancelado_ && origen.run(alFinal) && !fin) {
      if (!origen.run([&] { LblDetalle.Caption = avance.Texto(leidos, rs.RecordCount(), grabados, fallidos); })) break;
      ++leidos;
      cliente.reset();

      // A record is saved whole or not at all: Retry saves it again, Ignore
      // gives it up, Abort gives it up and ends the run.
      bool enTransaccion = false;
      bool terminar = false;
      rt::StepRunner registro([&](const rt::Error& e) {
        if (enTransaccion) db.gCnn.RollbackTrans();
        enTransaccion = false;
        const int respuesta = cajaError(e);
        if (respuesta == rt::answer::Retry) return rt::answer::Retry;
        terminar = respuesta != rt::answer::Ignore;
        return rt::answer::Abort;
      });
      const bool escrito = registro.run([&] {
        cliente = leeCliente(rs);
        const QString codigo = cuentaDelCliente(*cliente, escritas, propias);
        db.gCnn.BeginTrans();
        enTransaccion = true;
        escribeCuenta(codigo, *cliente);
        escribeDatosCliente(codigo, *cliente);
        db.gCnn.CommitTrans();
        enTransaccion = false;
        escritas.insert(codigo);
      });
      if (escrito)
        ++grabados;
      else
        ++fallidos;
      if (terminar) break;

      ui::DoEvents();
      if (!origen.run([&] { rs.MoveNext(); })) break;
      ui::DoEvents();
    }
  }
  ui::MsgBox(QStringLiteral("Proceso Finalizado"), ui::mb::OkOnly);
}

}  // namespace importacion
