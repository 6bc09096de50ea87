#pragma once
// The program-wide state of the application core: what start-up and the
// configuration loader set and every other subsystem reads, the field list
// and the totals list, and the objects created on first use (the
// statistics database service, the auxiliary one and the lookup class). A test starts from a
// fresh program with ResetCore().
#include <QString>
#include <cstdint>

#include "core/FieldList.h"
#include "core/Lib_ClsCons3.h"
#include "core/Totalizador.h"
#include "data_access/DB_Dll.h"
#include "platform/runtime/Currency.h"

namespace core {

struct CoreState {
  // ---- Start-up.
  QString gSeccionIni;          // INI section: COMPUTER|USER, cut to 50
  double gEstiloBarras = 0;     // INI key FlatToolbars
  QString gParametroAdicional;  // item @ParametroAdicional
  QString gMenuInicio;          // item @Menu
  QString gCaja;                // item @Caja; "1" when absent
  QString gUsuarioLogeado;      // the service's user once connected
  int gTiempoEspera = 0;        // command time-out; 360 unless the statistics database says
  QString gCadenaDSN;           // "DSN=db; UID=user; PWD=password"
  QString gArchivoAyuda;        // the application's help file

  // ---- Configuration keys (CargaConfiguracion).
  QString gTablaConfiguracion;
  bool gMostrarStockEnConsultas = false;
  QString gTituloClientes;
  QString gTituloProveedores;
  QString gArchivoTareas;
  bool gExigeClaveConsultaLike = false;
  bool gUsaConsultaLike = false;
  QString gCantidadDecimales;
  // gConfidencialidad lives with the service it steers:
  // data_access::gConfidencialidad().
  bool gUsaMultiplesMonedas = false;
  bool gUsaFacturaProforma = false;
  bool gUsaCCosto = false;
  bool gUsaStkStockUdKg = false;
  QString gUNegocio;
  QString gUnidadMedidaM3;
  QString gUnidadMedidaBL;
  QString gUnidadMedidaKG;
  int gPeriodo = 0;
  bool gValidaCodigoBarra = false;
  int32_t gColorFondo = 0;
  int32_t gColorLetra = 0;
  bool gModuloOrdenDeTrabajo = false;
  bool gVModificaCPrecio = false;
  bool gCModificaCPrecio = false;
  bool gMaderera = false;
  QString gMadTiras;
  QString gMadP2;
  QString gMadML;
  QString gMadM2;
  QString gMadHojas;
  QString gMadMLP2;
  QString gMadM2P2;
  QString gMadMLM2;
  QString gCuentaCtroDist;
  rt::Currency gMaxDto;
  rt::Currency gMaxDtoProforma;
  bool gPideClaveStockNeg = false;
  bool gPideClaveMarkUpBase = false;
  bool gPideClaveLimiteCredito = false;
  bool gBloqueoActivo = false;
  bool gUtilizarFechaDia = false;
  int gCondIvaEmpresa = 0;
  QString gTopDefault;

  // ---- Scale barcodes read by the article search (BuscaArticulo.h): the
  // mask ("" turns them off) and its number of decimals (0 to 4). No
  // configuration key fills them; a program that reads scales sets them.
  QString gMascaraBalanza;
  QString gDecimalesBalanza;

  // ---- Lists.
  ListaDeCampos ListaCampos;
  std::vector<ItemTotalizador> ListaTotalizador;  // empty until the voucher class fills it
};

CoreState& gCore();

// The statistics database service, created on first use and kept.
data_access::DB_Dll& gDBEstadisticas();
// A second database service, created on first use and kept. Nothing in
// the program connects it: a list lookup reads through it only when its
// caller has connected it and asks for it (Lib_FrmCons3::UsarUDBC).
data_access::DB_Dll& gDBAuxiliar();
// The lookup class, created on first use and kept.
Lib_ClsCons3& gConsultas();

// Starts afresh: the core's state, the database service, the library
// objects and the dialogs.
void ResetCore();

}  // namespace core
