#pragma once
// The column numbers of the voucher grids, the one shared format of a
// voucher's lines: the layout (InicializaGrids) sizes and titles these
// columns, and every reader or writer of a line (the voucher loader, the
// counts and totals, the stock movements, the lot and serial requests)
// addresses cells by these names. Row 0 of every grid holds the titles; the
// last row is the empty entry row. Most columns are hidden (width 0) and
// carry per-line data. Flag cells hold "-1" (true) or "0"; columns not
// named here carry nothing. They live in this lowest layer that reads a
// voucher's lines (CalculaUnidadesGrilla) so that every layer above names
// them alike.

namespace numbering {

// The task grid MSFlexGrid1: labour lines.
namespace tareas {
constexpr int Columnas = 22;
constexpr int Codigo = 0;            // IdTarea
constexpr int Descripcion = 1;
constexpr int Cantidad = 2;          // hours: "1:30" or a number of hours
constexpr int Importe = 3;           // ValorHora, value per hour
constexpr int Total = 4;
constexpr int EsExento = 5;          // VAT-exempt flag
constexpr int ImporteSinIVA = 6;     // value per hour without VAT
constexpr int ObservAdic = 7;        // additional description
constexpr int FechaInicio = 8;       // estimated start
constexpr int FechaFin = 9;          // estimated end
constexpr int IdTecnico = 10;
constexpr int CodigoOriginal = 11;   // the task code as stored
constexpr int FechaRealInicio = 12;
constexpr int FechaRealFin = 13;
constexpr int CuentaContable = 14;
constexpr int Prioridad = 15;
constexpr int Usuario = 16;
constexpr int FhPresentacion = 17;
constexpr int FhEmision = 18;
constexpr int NroExp = 19;           // file number
constexpr int FhEntrega = 20;        // delivery date
constexpr int TasaIVA = 21;
}  // namespace tareas

// The article grid MSFlexGrid2: goods lines.
namespace articulos {
constexpr int Columnas = 96;
constexpr int IdArticulo = 0;            // 25 characters
constexpr int Descripcion = 1;
constexpr int IdLista = 2;               // price list
constexpr int Espesor = 3;               // timber yards: thickness
constexpr int Ancho = 4;                 // timber yards: width
constexpr int IdUnidad = 5;
constexpr int IdDeposito = 6;            // empty: the voucher's deposit
constexpr int Cantidad = 7;
constexpr int Coeficiente = 8;           // unit equivalence (Equiv_UDBase, "1" when none); timber yards: the length
constexpr int UnidadEquiv = 9;           // equivalent unit
constexpr int CantidadEquiv = 10;        // quantity in the equivalent unit (CantidadUD)
constexpr int PorcDto = 11;              // discount percentage
constexpr int UdPrecio = 12;             // unit of the price (Ud_Pr)
constexpr int ImporteUd = 13;            // amount per price unit (Importe_Ud)
constexpr int Importe = 14;              // unit amount
constexpr int Total = 15;                // line total without the per-unit taxes
constexpr int EsExento = 16;             // VAT-exempt flag
constexpr int PrecioSinIVA = 17;         // Importe_S_IVA
constexpr int TotalConImpuestos = 18;    // the line total shown, with Impuestos and ITC
constexpr int PideSerie = 19;            // serial-tracked flag
constexpr int PideLote = 20;             // lot-tracked flag
constexpr int NroLote = 21;              // lot list (a "|" list string)
constexpr int NroSerie = 22;             // serial or quantity list, parallel to NroLote
constexpr int RestoPorAplicar = 23;      // quantity still to apply
constexpr int TipoArticulo = 24;         // article type code (filled by the form)
constexpr int RubroArticulo = 25;        // rubro code (filled by the form)
constexpr int ListaConIVA = 26;          // flag: the price list includes VAT
constexpr int PrecioConIVA = 27;
constexpr int CantidadInsumo = 28;       // "-1" on an input (component) line
constexpr int ImporteDescuento = 29;
constexpr int TipoCoeficiente = 30;      // how Coeficiente applies ("*")
constexpr int StockDisponible = 31;      // available stock (filled by the form)
constexpr int StockMinimo = 32;
constexpr int TasaIVA = 33;              // AlicIVA
constexpr int CpteOrigen = 34;           // origin voucher: type in 1-4, number in 5-17
constexpr int IdCpteOrigen = 35;         // Id_Origen of the stock row
constexpr int LoteOrigen = 36;           // IdOrigen of the lot
constexpr int LoteAduana = 37;           // ControladoPor of the lot
constexpr int Costo = 38;
constexpr int Impuestos = 40;            // other taxes per unit
constexpr int IdUnidadBase = 41;         // alternative base unit (of a weighed article)
constexpr int IVARNI = 45;               // second VAT rate (IVARNI of the stock row)
constexpr int EsPerecedero = 46;
constexpr int DescripcionTipo = 59;      // article type description
constexpr int Presentacion = 60;
constexpr int PideTalle = 61;            // size-tracked flag
constexpr int CantidadM3 = 62;           // quantity in gUnidadMedidaM3
constexpr int CantidadBL = 63;           // quantity in gUnidadMedidaBL
constexpr int CantidadKG = 64;           // quantity in gUnidadMedidaKG
constexpr int IdUnidadCopia = 67;        // copy of IdUnidad
constexpr int InsumosPorPorcentaje = 68; // flag: inputs given as percentages; empty is false
constexpr int CpteCargado = 69;          // branch, number and letter the line was loaded from
constexpr int CantidadUdBase = 74;       // quantity in IdUnidadBase (CantidadUD of the stock row)
constexpr int CodigoArtProveedor = 75;   // the supplier's article code
constexpr int Pesable = 76;              // weighed-article flag
constexpr int CodigoBarra = 77;
constexpr int PrecioLista = 79;
constexpr int IdInsert = 80;             // IDINSERT of the stock row
constexpr int IdCompulsa = 81;           // IDCOMPULSA of the stock row
constexpr int PideMedidas = 83;          // flag ("1" or "0"): the article asks for measures
constexpr int LargoAnt = 84;             // previous length
constexpr int Oferta = 85;               // Oferta of the stock row
constexpr int MotivoStock = 86;
constexpr int ControladoPor = 87;
constexpr int EnComodato = 88;           // on-loan flag ("1" or "0")
constexpr int MKBaseFamilia = 89;
constexpr int CodError = 90;             // error code of the line
constexpr int Moneda = 91;
constexpr int Cotizacion = 92;
constexpr int ITC = 93;                  // ITC amount per unit
constexpr int PideEquivalencia = 94;     // flag: the unit equivalence is asked
constexpr int CodigoPercepcion = 95;
}  // namespace articulos

// The other-concepts grid MSFlexGrid3: free lines with an account.
namespace otros {
constexpr int Columnas = 7;
constexpr int Detalle = 0;        // the concept's text
constexpr int ImporteSinIVA = 1;
constexpr int Importe = 2;
constexpr int Cuenta = 3;
}  // namespace otros

// The totals grid MSFlexGrid4: a summary line per visible tab, then the
// article breakdown.
namespace totales {
constexpr int Filas = 5;
constexpr int Columnas = 3;
constexpr int Descripcion = 0;
constexpr int CantidadItems = 1;  // number of lines
constexpr int Cantidad = 2;       // hours or units
}  // namespace totales

}  // namespace numbering
