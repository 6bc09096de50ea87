// The customers TXCLI become customer accounts with their additional data;
// each record's two rows are saved as one transaction.
#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "import/Avance.h"
#include "import/ClientesRecordados.h"
#include "import/CuentaCliente.h"
#include "import/FalloDeLaBase.h"
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "import/RegistroOrigen.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
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
  return suite::gUtilidades().ValorCampo(rs.Fields(QString::fromLatin1(nombre)).Value()).toString();
}

Cliente leeCliente(ado::Recordset& rs) {
  const suite::Utilidades& u = suite::gUtilidades();
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

// "7 (Codigo 7 - Pérez)": which record the error box is about, by its
// number in the table.
QString identificacion(long long registro, const Cliente* c) {
  QString texto = QString::number(registro);
  if (c) texto += QStringLiteral(" (Codigo ") + rt::Trim(c->Codigo.toString()) + QStringLiteral(" - ") + c->Descripcion + u')';
  return texto;
}

// The account codes the customers of the source claim by their numbers:
// the invoices of customer N are posted to that code, so no free code may
// take it. Walks from the record in hand (`ilegible`: one that cannot be
// read) to the end, passing over records that cannot be read; true when
// there was any record.
bool cuentasPropias(ado::Connection& origen, ado::Recordset& rs, std::optional<QString> ilegible,
                    QSet<QString>& propias) {
  bool alguno = false;
  for (; !rs.EOF(); ilegible = MueveAlRegistro(origen, [&] { rs.MoveNext(); })) {
    alguno = true;
    if (ilegible) continue;
    const QString codigo =
        CuentaDeNumero(kPrefijoClientes, suite::gUtilidades().ValorCampo(rs.Fields(QStringLiteral("Codigo")).Value()));
    if (!codigo.isEmpty()) propias.insert(codigo);
  }
  return alguno;
}

// The account of the customer's own number, unless an earlier record of the
// run wrote it; "" when the customer is one the import remembers.
QString cuentaPropia(const Cliente& c, const QSet<QString>& escritas) {
  const QString propia = CuentaDeNumero(kPrefijoClientes, c.Codigo);
  return escritas.contains(propia) ? QString() : propia;
}

// The account of a remembered customer: the one an earlier run gave it, or a
// free one; never one of the run's nor one that another customer of the
// source claims. Nullopt when no code is left.
std::optional<QString> cuentaRecordada(const ClienteDeOrigen& origen, const QSet<QString>& escritas,
                                       const QSet<QString>& propias) {
  const auto tomada = [&](const QString& codigo) { return escritas.contains(codigo) || propias.contains(codigo); };
  if (const QString dada = CuentaRecordada(origen); !dada.isEmpty() && !tomada(dada)) return dada;
  return CodigoLibre(kPrefijoClientes, tomada);
}

// A customer's identity for counting the equal ones: the database compares
// these texts without regard to case.
QString claveDe(const ClienteDeOrigen& c) {
  return QStringList{c.Codigo, c.Nombre, c.Cuit}.join(QChar(0x1F)).toCaseFolded();
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
  const suite::Utilidades& u = suite::gUtilidades();
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

void Importar::ImportaClientes(const QString& Tabla) {
  data_access::DB_Dll& db = gDB();
  if (const std::optional<QString> impedimento = ImpideImportarClientes()) {
    ui::MsgBox(*impedimento, ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
    return;
  }
  core::gCore().ListaCampos.assign(1, core::CampoValor{});
  Avance avance(rt::Now());
  long leidos = 0, grabados = 0, fallidos = 0;
  // The record in hand's number in the table.
  long long registro = 0;
  QString archivo, carpeta, extension, nombre;
  suite::gUtilidades().SeparaRuta(Tabla, carpeta, archivo, extension, nombre);
  // Accounts written by this run: a later record never overwrites one.
  QSet<QString> escritas;
  QSet<QString> propias;
  // How many remembered customers of the table so far are equal in Codigo,
  // name and tax number.
  QHash<QString, int> vistos;
  std::optional<Cliente> cliente;
  // The database failed the record in hand: the run stopped there.
  bool detenido = false;
  const auto cajaError = [&](const rt::Error& e) {
    return ui::MsgBox(QStringLiteral("Error en asignacion de Datos, Registro ") +
                          identificacion(registro, cliente ? &*cliente : nullptr) + QStringLiteral("\r\r  Error: ") +
                          e.Description() + QStringLiteral(" / ") + QString::number(e.Number()),
                      ui::mb::AbortRetryIgnore | ui::mb::Critical, QStringLiteral(" Atencion!"));
  };
  // Reading the source: Ignore goes on with the next step, Abort ends the run.
  rt::StepRunner origen(cajaError);

  ado::Recordset rs;
  bool fin = false;
  // The reason when the record reached cannot be read.
  std::optional<QString> ilegible;
  const auto mueve = [&](const std::function<void()>& paso) {
    ilegible = MueveAlRegistro(conexionOrigen(), paso);
  };
  // A source that did not open (its failure ignored), or that cannot tell
  // where it stands, has no more records to give.
  const auto alFinal = [&] {
    fin = true;
    fin = rs.State() == ado::adStateClosed || rs.EOF();
  };
  // The walk for the claimed codes, then back to the first customer however
  // the walk ended.
  if (origen.run([&] { mueve([&] { rs.Open(sql::LeeClientes(), conexionOrigen()); }); }) && origen.run([&] {
        if (rs.State() != ado::adStateClosed && cuentasPropias(conexionOrigen(), rs, ilegible, propias))
          mueve([&] { rs.MoveFirst(); });
      })) {
    while (!cancelado_ && origen.run(alFinal) && !fin) {
      if (!origen.run([&] { LblDetalle.Caption = avance.Texto(leidos, rs.RecordCount(), grabados, fallidos); })) break;
      ++leidos;
      cliente.reset();
      registro = 0;
      if (!origen.run([&] { registro = NumeroEnTabla(rs); })) break;
      // Why the record is not imported: counted, recorded, and the run goes
      // on (unless the operator ends it at the error box).
      std::optional<QString> rechazo = ilegible;
      bool escrito = false;
      bool terminar = false;
      // A failure of the database itself, which stops the run at this record.
      std::optional<ado::Error> fallo;
      if (!rechazo) {
        // A record is saved whole or not at all: Retry saves it again,
        // Ignore gives it up, Abort gives it up and ends the run; a record
        // given up is recorded with the error the box showed.
        bool enTransaccion = false;
        const auto alFallar = [&](const rt::Error& e) {
          fallo = FalloDeLaBase(e, db.gCnn.Errors());
          try {
            if (enTransaccion) db.gCnn.RollbackTrans();
          } catch (const rt::Error&) {
            // The failure may have ended the transaction already.
          }
          enTransaccion = false;
          if (fallo) return rt::answer::Abort;
          const int respuesta = cajaError(e);
          if (respuesta == rt::answer::Retry) return rt::answer::Retry;
          rechazo = e.Description();
          terminar = respuesta != rt::answer::Ignore;
          return rt::answer::Abort;
        };
        std::optional<ClienteDeOrigen> delOrigen;
        const auto escribe = [&] {
          cliente = leeCliente(rs);
          std::optional<QString> codigo = cuentaPropia(*cliente, escritas);
          const bool recordada = codigo->isEmpty();
          if (recordada) {
            // Counted once, however often the record is tried.
            if (!delOrigen) {
              delOrigen = ClienteDeOrigen{archivo, rt::Trim(cliente->Codigo.toStringOrEmpty()), cliente->Descripcion,
                                          cliente->Cuit};
              delOrigen->OrdenEntreRecordados = ++vistos[claveDe(*delOrigen)];
            }
            codigo = cuentaRecordada(*delOrigen, escritas, propias);
          }
          if (!codigo) {
            rechazo = QStringLiteral("no queda ningún código de cuenta libre bajo ") + kPrefijoClientes +
                      QStringLiteral(" para el cliente (Codigo ") + delOrigen->Codigo + QStringLiteral(" - ") +
                      cliente->Descripcion + u')';
            return;
          }
          db.gCnn.BeginTrans();
          enTransaccion = true;
          escribeCuenta(*codigo, *cliente);
          escribeDatosCliente(*codigo, *cliente);
          RecuerdaCuenta(recordada ? &*delOrigen : nullptr, *codigo);
          db.gCnn.CommitTrans();
          enTransaccion = false;
          escritas.insert(*codigo);
        };
        // The same record again while the operator asks to retry it.
        for (;;) {
          fallo.reset();
          rt::StepRunner pasos(alFallar);
          escrito = pasos.run(escribe) && !rechazo;
          if (!fallo || ado::IsWaitEnded(*fallo) || !ReintentaTrasFallo(*fallo, archivo, registro)) break;
        }
      }
      if (fallo) {
        // Neither written nor counted: the next run writes it.
        --leidos;
        if (ado::IsWaitEnded(*fallo))
          cancelado_ = true;
        else
          detenido = true;
        break;
      }
      if (rechazo) RegistraRechazo(archivo, registro, *rechazo);
      if (escrito)
        ++grabados;
      else
        ++fallidos;
      if (terminar) break;

      ui::DoEvents();
      if (!origen.run([&] { mueve([&] { rs.MoveNext(); }); })) break;
      ui::DoEvents();
    }
  }
  origen.run([&] {
    if (rs.State() != ado::adStateClosed) muestraCuentas(avance, rs, leidos, grabados, fallidos);
  });
  if (detenido) LblDetalle.Caption = LblDetalle.Caption() + MarcaDetenido(registro);
  aseguraGrabado();
  ui::MsgBox(QStringLiteral("Proceso Finalizado"), ui::mb::OkOnly);
}

}  // namespace importacion
