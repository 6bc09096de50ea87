-- The voucher loader: the lines of stored vouchers (tasks, articles and
-- observations) of the sales set (V_, keyed by TC, IDCOMPROBANTE and
-- IdComplemento) and of the purchases set (C_, keyed by TC, IDCOMPROBANTE and
-- CUENTA), what the loader reads of their headers, the price lists that
-- quote with VAT, and the views of applied, ordered and delivered
-- quantities. Both sets carry the same line columns: a voucher type of the
-- purchases family may be stored in either.

-- Headers: the distribution the voucher belongs to (-1: delivered by
-- distribution), the on-loan mark (a number: 1 on loan) and, for purchases,
-- the exchange rate and the supplier's VAT condition the sales set already
-- has.
ALTER TABLE V_MV_CPTE ADD COLUMN IdReparto INTEGER
  CONSTRAINT IT_V_MV_CPTE_IdReparto CHECK (typeof(IdReparto) IN ('integer', 'null'))
  CONSTRAINT IR_V_MV_CPTE_IdReparto CHECK (IdReparto BETWEEN -2147483648 AND 2147483647);
ALTER TABLE V_MV_CPTE ADD COLUMN EnComodato INTEGER DEFAULT 0
  CONSTRAINT IT_V_MV_CPTE_EnComodato CHECK (typeof(EnComodato) IN ('integer', 'null'))
  CONSTRAINT IR_V_MV_CPTE_EnComodato CHECK (EnComodato BETWEEN -2147483648 AND 2147483647);
ALTER TABLE C_MV_CPTE ADD COLUMN IdReparto INTEGER
  CONSTRAINT IT_C_MV_CPTE_IdReparto CHECK (typeof(IdReparto) IN ('integer', 'null'))
  CONSTRAINT IR_C_MV_CPTE_IdReparto CHECK (IdReparto BETWEEN -2147483648 AND 2147483647);
ALTER TABLE C_MV_CPTE ADD COLUMN EnComodato INTEGER DEFAULT 0
  CONSTRAINT IT_C_MV_CPTE_EnComodato CHECK (typeof(EnComodato) IN ('integer', 'null'))
  CONSTRAINT IR_C_MV_CPTE_EnComodato CHECK (EnComodato BETWEEN -2147483648 AND 2147483647);
ALTER TABLE C_MV_CPTE ADD COLUMN Cotizacion DECIMAL(18,4) DEFAULT 1
  CONSTRAINT NT_C_MV_CPTE_Cotizacion CHECK (typeof(Cotizacion) IN ('integer', 'real', 'null'))
  CONSTRAINT NR_C_MV_CPTE_Cotizacion CHECK (typeof(Cotizacion) NOT IN ('integer', 'real') OR (Cotizacion > -100000000000000 AND Cotizacion < 100000000000000));
ALTER TABLE C_MV_CPTE ADD COLUMN CondicionIva CHAR(4) COLLATE CI_AS
  CONSTRAINT W_C_MV_CPTE_CondicionIva CHECK (LEN(CondicionIva) <= 4);

-- Task lines: minutes (Horas), value per hour with and without VAT, the
-- planned and real dates, the technician.
CREATE TABLE V_MV_CPTETAREAS (
  ID                   INTEGER      NOT NULL PRIMARY KEY,
  TC                   CHAR(4)      COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE        CHAR(13)     COLLATE CI_AS NOT NULL,
  IdComplemento        VARCHAR(9)   COLLATE CI_AS NOT NULL DEFAULT '0',
  IdTarea              CHAR(4)      COLLATE CI_AS,
  Descripcion          VARCHAR(100) COLLATE CI_AS,
  Horas                INTEGER      DEFAULT 0,
  ValorHora            MONEY        DEFAULT 0,
  valorHora_S_Iva      MONEY        DEFAULT 0,
  Total                MONEY        DEFAULT 0,
  descripcionadicional TEXT         COLLATE CI_AS,
  FechaEstInicio       DATETIME,
  FechaEstFin          DATETIME,
  IdTecnico            CHAR(4)      COLLATE CI_AS,
  FechaREALInicio      DATETIME,
  FechaREALFin         DATETIME,
  Prioridad            SMALLINT,
  Usuario              VARCHAR(50)  COLLATE CI_AS,
  FHPRESENTACION       DATETIME,
  FHEMISION            DATETIME,
  NROEXP               VARCHAR(20)  COLLATE CI_AS,
  FhEntrega            DATETIME,
  CONSTRAINT W_V_MV_CPTETAREAS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTETAREAS_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_V_MV_CPTETAREAS_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT W_V_MV_CPTETAREAS_IdTarea CHECK (LEN(IdTarea) <= 4),
  CONSTRAINT W_V_MV_CPTETAREAS_Descripcion CHECK (LEN(Descripcion) <= 100),
  CONSTRAINT W_V_MV_CPTETAREAS_IdTecnico CHECK (LEN(IdTecnico) <= 4),
  CONSTRAINT W_V_MV_CPTETAREAS_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT W_V_MV_CPTETAREAS_NROEXP CHECK (LEN(NROEXP) <= 20),
  CONSTRAINT MT_V_MV_CPTETAREAS_ValorHora CHECK (typeof(ValorHora) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTETAREAS_ValorHora CHECK (typeof(ValorHora) NOT IN ('integer', 'real') OR ValorHora BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTETAREAS_valorHora_S_Iva CHECK (typeof(valorHora_S_Iva) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTETAREAS_valorHora_S_Iva CHECK (typeof(valorHora_S_Iva) NOT IN ('integer', 'real') OR valorHora_S_Iva BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTETAREAS_Total CHECK (typeof(Total) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTETAREAS_Total CHECK (typeof(Total) NOT IN ('integer', 'real') OR Total BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT DT_V_MV_CPTETAREAS_FechaEstInicio CHECK (FechaEstInicio IS NULL OR typeof(FechaEstInicio) = 'text' AND (FechaEstInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaEstInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FechaEstInicio CHECK (typeof(FechaEstInicio) <> 'text' OR (date(julianday(FechaEstInicio)) IS substr(FechaEstInicio, 1, 10) AND FechaEstInicio >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FechaEstFin CHECK (FechaEstFin IS NULL OR typeof(FechaEstFin) = 'text' AND (FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FechaEstFin CHECK (typeof(FechaEstFin) <> 'text' OR (date(julianday(FechaEstFin)) IS substr(FechaEstFin, 1, 10) AND FechaEstFin >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FechaREALInicio CHECK (FechaREALInicio IS NULL OR typeof(FechaREALInicio) = 'text' AND (FechaREALInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaREALInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FechaREALInicio CHECK (typeof(FechaREALInicio) <> 'text' OR (date(julianday(FechaREALInicio)) IS substr(FechaREALInicio, 1, 10) AND FechaREALInicio >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FechaREALFin CHECK (FechaREALFin IS NULL OR typeof(FechaREALFin) = 'text' AND (FechaREALFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaREALFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FechaREALFin CHECK (typeof(FechaREALFin) <> 'text' OR (date(julianday(FechaREALFin)) IS substr(FechaREALFin, 1, 10) AND FechaREALFin >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FHPRESENTACION CHECK (FHPRESENTACION IS NULL OR typeof(FHPRESENTACION) = 'text' AND (FHPRESENTACION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FHPRESENTACION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FHPRESENTACION CHECK (typeof(FHPRESENTACION) <> 'text' OR (date(julianday(FHPRESENTACION)) IS substr(FHPRESENTACION, 1, 10) AND FHPRESENTACION >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FHEMISION CHECK (FHEMISION IS NULL OR typeof(FHEMISION) = 'text' AND (FHEMISION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FHEMISION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FHEMISION CHECK (typeof(FHEMISION) <> 'text' OR (date(julianday(FHEMISION)) IS substr(FHEMISION, 1, 10) AND FHEMISION >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETAREAS_FhEntrega CHECK (FhEntrega IS NULL OR typeof(FhEntrega) = 'text' AND (FhEntrega GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FhEntrega GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETAREAS_FhEntrega CHECK (typeof(FhEntrega) <> 'text' OR (date(julianday(FhEntrega)) IS substr(FhEntrega, 1, 10) AND FhEntrega >= '1753-01-01')),
  CONSTRAINT IR_V_MV_CPTETAREAS_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_CPTETAREAS_Horas CHECK (typeof(Horas) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_CPTETAREAS_Horas CHECK (Horas BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT ST_V_MV_CPTETAREAS_Prioridad CHECK (typeof(Prioridad) IN ('integer', 'null')),
  CONSTRAINT SR_V_MV_CPTETAREAS_Prioridad CHECK (Prioridad BETWEEN -32768 AND 32767)
);
CREATE INDEX IX_V_MV_CPTETAREAS_COMPROBANTE ON V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IdComplemento, ID);

CREATE TABLE C_MV_CPTETAREAS (
  ID                   INTEGER      NOT NULL PRIMARY KEY,
  TC                   CHAR(4)      COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE        CHAR(13)     COLLATE CI_AS NOT NULL,
  CUENTA               VARCHAR(9)   COLLATE CI_AS NOT NULL,
  IdTarea              CHAR(4)      COLLATE CI_AS,
  Descripcion          VARCHAR(100) COLLATE CI_AS,
  Horas                INTEGER      DEFAULT 0,
  ValorHora            MONEY        DEFAULT 0,
  valorHora_S_Iva      MONEY        DEFAULT 0,
  Total                MONEY        DEFAULT 0,
  descripcionadicional TEXT         COLLATE CI_AS,
  FechaEstInicio       DATETIME,
  FechaEstFin          DATETIME,
  IdTecnico            CHAR(4)      COLLATE CI_AS,
  FechaREALInicio      DATETIME,
  FechaREALFin         DATETIME,
  Prioridad            SMALLINT,
  Usuario              VARCHAR(50)  COLLATE CI_AS,
  FHPRESENTACION       DATETIME,
  FHEMISION            DATETIME,
  NROEXP               VARCHAR(20)  COLLATE CI_AS,
  FhEntrega            DATETIME,
  CONSTRAINT W_C_MV_CPTETAREAS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_C_MV_CPTETAREAS_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_C_MV_CPTETAREAS_CUENTA CHECK (LEN(CUENTA) <= 9),
  CONSTRAINT W_C_MV_CPTETAREAS_IdTarea CHECK (LEN(IdTarea) <= 4),
  CONSTRAINT W_C_MV_CPTETAREAS_Descripcion CHECK (LEN(Descripcion) <= 100),
  CONSTRAINT W_C_MV_CPTETAREAS_IdTecnico CHECK (LEN(IdTecnico) <= 4),
  CONSTRAINT W_C_MV_CPTETAREAS_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT W_C_MV_CPTETAREAS_NROEXP CHECK (LEN(NROEXP) <= 20),
  CONSTRAINT MT_C_MV_CPTETAREAS_ValorHora CHECK (typeof(ValorHora) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTETAREAS_ValorHora CHECK (typeof(ValorHora) NOT IN ('integer', 'real') OR ValorHora BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTETAREAS_valorHora_S_Iva CHECK (typeof(valorHora_S_Iva) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTETAREAS_valorHora_S_Iva CHECK (typeof(valorHora_S_Iva) NOT IN ('integer', 'real') OR valorHora_S_Iva BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTETAREAS_Total CHECK (typeof(Total) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTETAREAS_Total CHECK (typeof(Total) NOT IN ('integer', 'real') OR Total BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT DT_C_MV_CPTETAREAS_FechaEstInicio CHECK (FechaEstInicio IS NULL OR typeof(FechaEstInicio) = 'text' AND (FechaEstInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaEstInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FechaEstInicio CHECK (typeof(FechaEstInicio) <> 'text' OR (date(julianday(FechaEstInicio)) IS substr(FechaEstInicio, 1, 10) AND FechaEstInicio >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FechaEstFin CHECK (FechaEstFin IS NULL OR typeof(FechaEstFin) = 'text' AND (FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FechaEstFin CHECK (typeof(FechaEstFin) <> 'text' OR (date(julianday(FechaEstFin)) IS substr(FechaEstFin, 1, 10) AND FechaEstFin >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FechaREALInicio CHECK (FechaREALInicio IS NULL OR typeof(FechaREALInicio) = 'text' AND (FechaREALInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaREALInicio GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FechaREALInicio CHECK (typeof(FechaREALInicio) <> 'text' OR (date(julianday(FechaREALInicio)) IS substr(FechaREALInicio, 1, 10) AND FechaREALInicio >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FechaREALFin CHECK (FechaREALFin IS NULL OR typeof(FechaREALFin) = 'text' AND (FechaREALFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaREALFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FechaREALFin CHECK (typeof(FechaREALFin) <> 'text' OR (date(julianday(FechaREALFin)) IS substr(FechaREALFin, 1, 10) AND FechaREALFin >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FHPRESENTACION CHECK (FHPRESENTACION IS NULL OR typeof(FHPRESENTACION) = 'text' AND (FHPRESENTACION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FHPRESENTACION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FHPRESENTACION CHECK (typeof(FHPRESENTACION) <> 'text' OR (date(julianday(FHPRESENTACION)) IS substr(FHPRESENTACION, 1, 10) AND FHPRESENTACION >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FHEMISION CHECK (FHEMISION IS NULL OR typeof(FHEMISION) = 'text' AND (FHEMISION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FHEMISION GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FHEMISION CHECK (typeof(FHEMISION) <> 'text' OR (date(julianday(FHEMISION)) IS substr(FHEMISION, 1, 10) AND FHEMISION >= '1753-01-01')),
  CONSTRAINT DT_C_MV_CPTETAREAS_FhEntrega CHECK (FhEntrega IS NULL OR typeof(FhEntrega) = 'text' AND (FhEntrega GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FhEntrega GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTETAREAS_FhEntrega CHECK (typeof(FhEntrega) <> 'text' OR (date(julianday(FhEntrega)) IS substr(FhEntrega, 1, 10) AND FhEntrega >= '1753-01-01')),
  CONSTRAINT IR_C_MV_CPTETAREAS_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_C_MV_CPTETAREAS_Horas CHECK (typeof(Horas) IN ('integer', 'null')),
  CONSTRAINT IR_C_MV_CPTETAREAS_Horas CHECK (Horas BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT ST_C_MV_CPTETAREAS_Prioridad CHECK (typeof(Prioridad) IN ('integer', 'null')),
  CONSTRAINT SR_C_MV_CPTETAREAS_Prioridad CHECK (Prioridad BETWEEN -32768 AND 32767)
);
CREATE INDEX IX_C_MV_CPTETAREAS_COMPROBANTE ON C_MV_CPTETAREAS (TC, IDCOMPROBANTE, CUENTA, ID);

-- Article lines. Cantidad is in IdUnidad, CantidadUD in IdUnidadBase;
-- Equiv_UDBase relates the two. Nro_Lote and Nro_Serie are "|" lists.
-- Orders (NP) keep their lines by PALLETS. A line that applies an earlier
-- delivery note or order names it in TCORIGEN and COMPROBANTEORIGEN.
CREATE TABLE V_MV_CPTEINSUMOS (
  ID                 INTEGER       NOT NULL PRIMARY KEY,
  TC                 CHAR(4)       COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE      CHAR(13)      COLLATE CI_AS NOT NULL,
  IdComplemento      VARCHAR(9)    COLLATE CI_AS NOT NULL DEFAULT '0',
  PALLETS            INTEGER       DEFAULT 0,
  IdArticulo         VARCHAR(25)   COLLATE CI_AS,
  Descripcion        VARCHAR(100)  COLLATE CI_AS,
  IdUnidad           CHAR(4)       COLLATE CI_AS,
  Cantidad           DECIMAL(18,4) DEFAULT 0,
  IdUnidadBase       CHAR(4)       COLLATE CI_AS,
  CantidadUD         DECIMAL(18,4),
  Equiv_UDBase       DECIMAL(18,6),
  Importe            MONEY         DEFAULT 0,
  Importe_S_IVA      MONEY         DEFAULT 0,
  Total              MONEY         DEFAULT 0,
  TotalFinal         MONEY         DEFAULT 0,
  Costo              MONEY         DEFAULT 0,
  Impuestos          MONEY         DEFAULT 0,
  iTC                MONEY         DEFAULT 0,
  Exento             BIT           DEFAULT 0,
  AlicIVA            DECIMAL(9,4)  DEFAULT 0,
  PorcDto            DECIMAL(9,4)  DEFAULT 0,
  IdLista            CHAR(4)       COLLATE CI_AS,
  IdDeposito         CHAR(4)       COLLATE CI_AS,
  Presentacion       VARCHAR(50)   COLLATE CI_AS,
  Nro_Lote           TEXT          COLLATE CI_AS,
  Nro_Serie          TEXT          COLLATE CI_AS,
  ControladoPor      VARCHAR(50)   COLLATE CI_AS,
  IdOrigen           CHAR(4)       COLLATE CI_AS,
  Precio_Lista       MONEY,
  CodigoArtProveedor VARCHAR(25)   COLLATE CI_AS,
  ESPESOR            DECIMAL(18,4),
  Ancho              DECIMAL(18,4),
  Ud_Pr              CHAR(4)       COLLATE CI_AS,
  Importe_Ud         MONEY,
  TCORIGEN           VARCHAR(4)    COLLATE CI_AS,
  COMPROBANTEORIGEN  VARCHAR(13)   COLLATE CI_AS,
  CONSTRAINT W_V_MV_CPTEINSUMOS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdArticulo CHECK (LEN(IdArticulo) <= 25),
  CONSTRAINT W_V_MV_CPTEINSUMOS_Descripcion CHECK (LEN(Descripcion) <= 100),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdUnidad CHECK (LEN(IdUnidad) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdUnidadBase CHECK (LEN(IdUnidadBase) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdLista CHECK (LEN(IdLista) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdDeposito CHECK (LEN(IdDeposito) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_Presentacion CHECK (LEN(Presentacion) <= 50),
  CONSTRAINT W_V_MV_CPTEINSUMOS_ControladoPor CHECK (LEN(ControladoPor) <= 50),
  CONSTRAINT W_V_MV_CPTEINSUMOS_IdOrigen CHECK (LEN(IdOrigen) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_CodigoArtProveedor CHECK (LEN(CodigoArtProveedor) <= 25),
  CONSTRAINT W_V_MV_CPTEINSUMOS_Ud_Pr CHECK (LEN(Ud_Pr) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_TCORIGEN CHECK (LEN(TCORIGEN) <= 4),
  CONSTRAINT W_V_MV_CPTEINSUMOS_COMPROBANTEORIGEN CHECK (LEN(COMPROBANTEORIGEN) <= 13),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_Cantidad CHECK (typeof(Cantidad) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_Cantidad CHECK (typeof(Cantidad) NOT IN ('integer', 'real') OR (Cantidad > -100000000000000 AND Cantidad < 100000000000000)),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_CantidadUD CHECK (typeof(CantidadUD) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_CantidadUD CHECK (typeof(CantidadUD) NOT IN ('integer', 'real') OR (CantidadUD > -100000000000000 AND CantidadUD < 100000000000000)),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_Equiv_UDBase CHECK (typeof(Equiv_UDBase) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_Equiv_UDBase CHECK (typeof(Equiv_UDBase) NOT IN ('integer', 'real') OR (Equiv_UDBase > -1000000000000 AND Equiv_UDBase < 1000000000000)),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Importe_S_IVA CHECK (typeof(Importe_S_IVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Importe_S_IVA CHECK (typeof(Importe_S_IVA) NOT IN ('integer', 'real') OR Importe_S_IVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Total CHECK (typeof(Total) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Total CHECK (typeof(Total) NOT IN ('integer', 'real') OR Total BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_TotalFinal CHECK (typeof(TotalFinal) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_TotalFinal CHECK (typeof(TotalFinal) NOT IN ('integer', 'real') OR TotalFinal BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Costo CHECK (typeof(Costo) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Costo CHECK (typeof(Costo) NOT IN ('integer', 'real') OR Costo BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Impuestos CHECK (typeof(Impuestos) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Impuestos CHECK (typeof(Impuestos) NOT IN ('integer', 'real') OR Impuestos BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_iTC CHECK (typeof(iTC) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_iTC CHECK (typeof(iTC) NOT IN ('integer', 'real') OR iTC BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_AlicIVA CHECK (typeof(AlicIVA) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_AlicIVA CHECK (typeof(AlicIVA) NOT IN ('integer', 'real') OR (AlicIVA > -100000 AND AlicIVA < 100000)),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_PorcDto CHECK (typeof(PorcDto) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_PorcDto CHECK (typeof(PorcDto) NOT IN ('integer', 'real') OR (PorcDto > -100000 AND PorcDto < 100000)),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Precio_Lista CHECK (typeof(Precio_Lista) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Precio_Lista CHECK (typeof(Precio_Lista) NOT IN ('integer', 'real') OR Precio_Lista BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_ESPESOR CHECK (typeof(ESPESOR) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_ESPESOR CHECK (typeof(ESPESOR) NOT IN ('integer', 'real') OR (ESPESOR > -100000000000000 AND ESPESOR < 100000000000000)),
  CONSTRAINT NT_V_MV_CPTEINSUMOS_Ancho CHECK (typeof(Ancho) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTEINSUMOS_Ancho CHECK (typeof(Ancho) NOT IN ('integer', 'real') OR (Ancho > -100000000000000 AND Ancho < 100000000000000)),
  CONSTRAINT MT_V_MV_CPTEINSUMOS_Importe_Ud CHECK (typeof(Importe_Ud) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTEINSUMOS_Importe_Ud CHECK (typeof(Importe_Ud) NOT IN ('integer', 'real') OR Importe_Ud BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT IR_V_MV_CPTEINSUMOS_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_CPTEINSUMOS_PALLETS CHECK (typeof(PALLETS) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_CPTEINSUMOS_PALLETS CHECK (PALLETS BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_V_MV_CPTEINSUMOS_Exento CHECK (Exento IN (0, 1))
);
CREATE INDEX IX_V_MV_CPTEINSUMOS_COMPROBANTE ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, ID);
CREATE INDEX IX_V_MV_CPTEINSUMOS_PALLETS ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, PALLETS);
-- The quantity of an article of a voucher, and what later vouchers applied
-- of an origin.
CREATE INDEX IX_V_MV_CPTEINSUMOS_ARTICULO ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdArticulo);
CREATE INDEX IX_V_MV_CPTEINSUMOS_ORIGEN ON V_MV_CPTEINSUMOS (TCORIGEN, COMPROBANTEORIGEN, IdArticulo);

CREATE TABLE C_MV_CPTEINSUMOS (
  ID                 INTEGER       NOT NULL PRIMARY KEY,
  TC                 CHAR(4)       COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE      CHAR(13)      COLLATE CI_AS NOT NULL,
  CUENTA             VARCHAR(9)    COLLATE CI_AS NOT NULL,
  PALLETS            INTEGER       DEFAULT 0,
  IdArticulo         VARCHAR(25)   COLLATE CI_AS,
  Descripcion        VARCHAR(100)  COLLATE CI_AS,
  IdUnidad           CHAR(4)       COLLATE CI_AS,
  Cantidad           DECIMAL(18,4) DEFAULT 0,
  IdUnidadBase       CHAR(4)       COLLATE CI_AS,
  CantidadUD         DECIMAL(18,4),
  Equiv_UDBase       DECIMAL(18,6),
  Importe            MONEY         DEFAULT 0,
  Importe_S_IVA      MONEY         DEFAULT 0,
  Total              MONEY         DEFAULT 0,
  TotalFinal         MONEY         DEFAULT 0,
  Costo              MONEY         DEFAULT 0,
  Impuestos          MONEY         DEFAULT 0,
  iTC                MONEY         DEFAULT 0,
  Exento             BIT           DEFAULT 0,
  AlicIVA            DECIMAL(9,4)  DEFAULT 0,
  PorcDto            DECIMAL(9,4)  DEFAULT 0,
  IdLista            CHAR(4)       COLLATE CI_AS,
  IdDeposito         CHAR(4)       COLLATE CI_AS,
  Presentacion       VARCHAR(50)   COLLATE CI_AS,
  Nro_Lote           TEXT          COLLATE CI_AS,
  Nro_Serie          TEXT          COLLATE CI_AS,
  ControladoPor      VARCHAR(50)   COLLATE CI_AS,
  IdOrigen           CHAR(4)       COLLATE CI_AS,
  Precio_Lista       MONEY,
  CodigoArtProveedor VARCHAR(25)   COLLATE CI_AS,
  ESPESOR            DECIMAL(18,4),
  Ancho              DECIMAL(18,4),
  Ud_Pr              CHAR(4)       COLLATE CI_AS,
  Importe_Ud         MONEY,
  TCORIGEN           VARCHAR(4)    COLLATE CI_AS,
  COMPROBANTEORIGEN  VARCHAR(13)   COLLATE CI_AS,
  CONSTRAINT W_C_MV_CPTEINSUMOS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_C_MV_CPTEINSUMOS_CUENTA CHECK (LEN(CUENTA) <= 9),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdArticulo CHECK (LEN(IdArticulo) <= 25),
  CONSTRAINT W_C_MV_CPTEINSUMOS_Descripcion CHECK (LEN(Descripcion) <= 100),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdUnidad CHECK (LEN(IdUnidad) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdUnidadBase CHECK (LEN(IdUnidadBase) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdLista CHECK (LEN(IdLista) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdDeposito CHECK (LEN(IdDeposito) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_Presentacion CHECK (LEN(Presentacion) <= 50),
  CONSTRAINT W_C_MV_CPTEINSUMOS_ControladoPor CHECK (LEN(ControladoPor) <= 50),
  CONSTRAINT W_C_MV_CPTEINSUMOS_IdOrigen CHECK (LEN(IdOrigen) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_CodigoArtProveedor CHECK (LEN(CodigoArtProveedor) <= 25),
  CONSTRAINT W_C_MV_CPTEINSUMOS_Ud_Pr CHECK (LEN(Ud_Pr) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_TCORIGEN CHECK (LEN(TCORIGEN) <= 4),
  CONSTRAINT W_C_MV_CPTEINSUMOS_COMPROBANTEORIGEN CHECK (LEN(COMPROBANTEORIGEN) <= 13),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_Cantidad CHECK (typeof(Cantidad) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_Cantidad CHECK (typeof(Cantidad) NOT IN ('integer', 'real') OR (Cantidad > -100000000000000 AND Cantidad < 100000000000000)),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_CantidadUD CHECK (typeof(CantidadUD) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_CantidadUD CHECK (typeof(CantidadUD) NOT IN ('integer', 'real') OR (CantidadUD > -100000000000000 AND CantidadUD < 100000000000000)),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_Equiv_UDBase CHECK (typeof(Equiv_UDBase) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_Equiv_UDBase CHECK (typeof(Equiv_UDBase) NOT IN ('integer', 'real') OR (Equiv_UDBase > -1000000000000 AND Equiv_UDBase < 1000000000000)),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Importe_S_IVA CHECK (typeof(Importe_S_IVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Importe_S_IVA CHECK (typeof(Importe_S_IVA) NOT IN ('integer', 'real') OR Importe_S_IVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Total CHECK (typeof(Total) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Total CHECK (typeof(Total) NOT IN ('integer', 'real') OR Total BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_TotalFinal CHECK (typeof(TotalFinal) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_TotalFinal CHECK (typeof(TotalFinal) NOT IN ('integer', 'real') OR TotalFinal BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Costo CHECK (typeof(Costo) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Costo CHECK (typeof(Costo) NOT IN ('integer', 'real') OR Costo BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Impuestos CHECK (typeof(Impuestos) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Impuestos CHECK (typeof(Impuestos) NOT IN ('integer', 'real') OR Impuestos BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_iTC CHECK (typeof(iTC) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_iTC CHECK (typeof(iTC) NOT IN ('integer', 'real') OR iTC BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_AlicIVA CHECK (typeof(AlicIVA) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_AlicIVA CHECK (typeof(AlicIVA) NOT IN ('integer', 'real') OR (AlicIVA > -100000 AND AlicIVA < 100000)),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_PorcDto CHECK (typeof(PorcDto) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_PorcDto CHECK (typeof(PorcDto) NOT IN ('integer', 'real') OR (PorcDto > -100000 AND PorcDto < 100000)),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Precio_Lista CHECK (typeof(Precio_Lista) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Precio_Lista CHECK (typeof(Precio_Lista) NOT IN ('integer', 'real') OR Precio_Lista BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_ESPESOR CHECK (typeof(ESPESOR) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_ESPESOR CHECK (typeof(ESPESOR) NOT IN ('integer', 'real') OR (ESPESOR > -100000000000000 AND ESPESOR < 100000000000000)),
  CONSTRAINT NT_C_MV_CPTEINSUMOS_Ancho CHECK (typeof(Ancho) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_C_MV_CPTEINSUMOS_Ancho CHECK (typeof(Ancho) NOT IN ('integer', 'real') OR (Ancho > -100000000000000 AND Ancho < 100000000000000)),
  CONSTRAINT MT_C_MV_CPTEINSUMOS_Importe_Ud CHECK (typeof(Importe_Ud) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTEINSUMOS_Importe_Ud CHECK (typeof(Importe_Ud) NOT IN ('integer', 'real') OR Importe_Ud BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT IR_C_MV_CPTEINSUMOS_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_C_MV_CPTEINSUMOS_PALLETS CHECK (typeof(PALLETS) IN ('integer', 'null')),
  CONSTRAINT IR_C_MV_CPTEINSUMOS_PALLETS CHECK (PALLETS BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_C_MV_CPTEINSUMOS_Exento CHECK (Exento IN (0, 1))
);
CREATE INDEX IX_C_MV_CPTEINSUMOS_COMPROBANTE ON C_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, CUENTA, ID);
CREATE INDEX IX_C_MV_CPTEINSUMOS_PALLETS ON C_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, CUENTA, PALLETS);

-- Observations of a voucher; TIPO_OBS 'OC' marks its other-concept lines,
-- with their amounts.
CREATE TABLE V_MV_CPTE_Observ (
  ID            INTEGER      NOT NULL PRIMARY KEY,
  TC            CHAR(4)      COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE CHAR(13)     COLLATE CI_AS NOT NULL,
  IdComplemento VARCHAR(9)   COLLATE CI_AS NOT NULL DEFAULT '0',
  TIPO_OBS      CHAR(2)      COLLATE CI_AS,
  Observacion   VARCHAR(255) COLLATE CI_AS,
  Importe       MONEY        DEFAULT 0,
  Importe_S_IVA MONEY        DEFAULT 0,
  CONSTRAINT W_V_MV_CPTE_Observ_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTE_Observ_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_V_MV_CPTE_Observ_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT W_V_MV_CPTE_Observ_TIPO_OBS CHECK (LEN(TIPO_OBS) <= 2),
  CONSTRAINT W_V_MV_CPTE_Observ_Observacion CHECK (LEN(Observacion) <= 255),
  CONSTRAINT MT_V_MV_CPTE_Observ_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_Observ_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTE_Observ_Importe_S_IVA CHECK (typeof(Importe_S_IVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_Observ_Importe_S_IVA CHECK (typeof(Importe_S_IVA) NOT IN ('integer', 'real') OR Importe_S_IVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT IR_V_MV_CPTE_Observ_ID CHECK (ID BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX IX_V_MV_CPTE_Observ_COMPROBANTE ON V_MV_CPTE_Observ (TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, ID);

CREATE TABLE C_MV_CPTE_Observ (
  ID            INTEGER      NOT NULL PRIMARY KEY,
  TC            CHAR(4)      COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE CHAR(13)     COLLATE CI_AS NOT NULL,
  CUENTA        VARCHAR(9)   COLLATE CI_AS NOT NULL,
  TIPO_OBS      CHAR(2)      COLLATE CI_AS,
  Observacion   VARCHAR(255) COLLATE CI_AS,
  Importe       MONEY        DEFAULT 0,
  Importe_S_IVA MONEY        DEFAULT 0,
  CONSTRAINT W_C_MV_CPTE_Observ_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_C_MV_CPTE_Observ_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_C_MV_CPTE_Observ_CUENTA CHECK (LEN(CUENTA) <= 9),
  CONSTRAINT W_C_MV_CPTE_Observ_TIPO_OBS CHECK (LEN(TIPO_OBS) <= 2),
  CONSTRAINT W_C_MV_CPTE_Observ_Observacion CHECK (LEN(Observacion) <= 255),
  CONSTRAINT MT_C_MV_CPTE_Observ_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTE_Observ_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_C_MV_CPTE_Observ_Importe_S_IVA CHECK (typeof(Importe_S_IVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTE_Observ_Importe_S_IVA CHECK (typeof(Importe_S_IVA) NOT IN ('integer', 'real') OR Importe_S_IVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT IR_C_MV_CPTE_Observ_ID CHECK (ID BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX IX_C_MV_CPTE_Observ_COMPROBANTE ON C_MV_CPTE_Observ (TC, IDCOMPROBANTE, CUENTA, TIPO_OBS, ID);

-- Price lists: kind (V sales, C purchases) and whether their prices
-- include VAT.
CREATE TABLE V_TA_LISTASPRECIOS (
  IDLISTA     CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  DESCRIPCION VARCHAR(50) COLLATE CI_AS,
  TIPOLISTA   CHAR(1)     COLLATE CI_AS NOT NULL DEFAULT 'V',
  CONIVA      BIT         DEFAULT 0,
  CONSTRAINT W_V_TA_LISTASPRECIOS_IDLISTA CHECK (LEN(IDLISTA) <= 4),
  CONSTRAINT W_V_TA_LISTASPRECIOS_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50),
  CONSTRAINT W_V_TA_LISTASPRECIOS_TIPOLISTA CHECK (LEN(TIPOLISTA) <= 1),
  CONSTRAINT BT_V_TA_LISTASPRECIOS_CONIVA CHECK (CONIVA IN (0, 1))
);

-- The prices of an article in each list, with the list's VAT setting.
CREATE VIEW VT_MA_PRECIOS_ARTICULOS AS
  SELECT P.IDARTICULO, P.IDLISTA, P.TIPOLISTA, P.idunidad, P.PRECIO, L.CONIVA
  FROM V_MA_PRECIOS P JOIN V_TA_LISTASPRECIOS L ON L.IDLISTA = P.IDLISTA;

-- What the vouchers that are not annulled applied of an origin voucher
-- (a delivery note or an order): one row per origin type, origin number
-- and article, carried by the first line that names them. (Grouping
-- would hide the index: the text columns compare without regard to case.)
CREATE VIEW VT_V_MV_INSUMOS_APLICACION AS
  SELECT I.TCORIGEN AS TCO_ORIGEN, I.COMPROBANTEORIGEN AS IDCOMPROBANTEORIGEN, I.IdArticulo AS IDARTICULO,
         (SELECT SUM(J.Cantidad) FROM V_MV_CPTEINSUMOS J
          WHERE J.TCORIGEN = I.TCORIGEN AND J.COMPROBANTEORIGEN = I.COMPROBANTEORIGEN AND J.IdArticulo = I.IdArticulo
            AND NOT EXISTS (SELECT 1 FROM V_MV_CPTE C WHERE C.TC = J.TC AND C.IdComprobante = J.IDCOMPROBANTE
                              AND C.IdComplemento = J.IdComplemento AND C.ANULADA <> 0)) AS CantidadAplicada
  FROM V_MV_CPTEINSUMOS I
  WHERE I.TCORIGEN IS NOT NULL
    AND NOT EXISTS (SELECT 1 FROM V_MV_CPTEINSUMOS P WHERE P.TCORIGEN = I.TCORIGEN
                      AND P.COMPROBANTEORIGEN = I.COMPROBANTEORIGEN AND P.IdArticulo = I.IdArticulo AND P.ID < I.ID);

-- The quantity of an article a sales voucher holds: one row per voucher
-- and article, carried by its first line of the article.
CREATE VIEW VT_V_MV_CPTEINSUMOS_CONS2 AS
  SELECT I.TC, I.IDCOMPROBANTE, I.IdArticulo AS IDARTICULO,
         (SELECT SUM(J.Cantidad) FROM V_MV_CPTEINSUMOS J
          WHERE J.TC = I.TC AND J.IDCOMPROBANTE = I.IDCOMPROBANTE AND J.IdArticulo = I.IdArticulo) AS Cantidad
  FROM V_MV_CPTEINSUMOS I
  WHERE NOT EXISTS (SELECT 1 FROM V_MV_CPTEINSUMOS P WHERE P.TC = I.TC AND P.IDCOMPROBANTE = I.IDCOMPROBANTE
                      AND P.IdArticulo = I.IdArticulo AND P.ID < I.ID);

-- The stock movements of a voucher, as delivered quantities: a sales
-- voucher moves its goods out with negative quantities, which this view
-- shows positive (a return into stock counts negative).
CREATE VIEW VT_V_MV_Stock_Cons AS
  SELECT TC, IdComprobante AS IDCOMPROBANTE, IdArticulo AS IDARTICULO, -Cantidad AS CANTIDAD
  FROM V_MV_STOCK;
