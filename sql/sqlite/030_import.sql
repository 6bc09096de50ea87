-- Data import: the chart of accounts with the customers' additional data,
-- the accounting-entry lines, the sales voucher headers, the calendar, the
-- fiscal years and the small tables the customer import translates codes
-- through (provinces, postal codes, VAT conditions).

-- One row per account; customer accounts are "11201" + four digits. A row
-- inserted with its code and name only is a customer account: the entry
-- checks find customer lines through TipoVista = 'CL'. Dada_De_Baja = 1
-- marks an account that is no longer offered in lookups.
CREATE TABLE MA_CUENTAS (
  CODIGO            VARCHAR(9)   COLLATE CI_AS NOT NULL PRIMARY KEY,
  dv                SMALLINT     DEFAULT 0,
  DESCRIPCION       VARCHAR(100) COLLATE CI_AS,
  titulo            BIT          DEFAULT 0,
  Libro_iva_ventas  BIT          DEFAULT 0,
  Libro_iva_compras BIT          DEFAULT 0,
  TipoVista         CHAR(2)      COLLATE CI_AS DEFAULT 'CL',
  CuentaPrincipal   VARCHAR(9)   COLLATE CI_AS,
  Dada_De_Baja      BIT          DEFAULT 0,
  CONSTRAINT W_MA_CUENTAS_CODIGO CHECK (LEN(CODIGO) <= 9),
  CONSTRAINT W_MA_CUENTAS_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 100),
  CONSTRAINT W_MA_CUENTAS_TipoVista CHECK (LEN(TipoVista) <= 2),
  CONSTRAINT W_MA_CUENTAS_CuentaPrincipal CHECK (LEN(CuentaPrincipal) <= 9),
  CONSTRAINT ST_MA_CUENTAS_dv CHECK (typeof(dv) IN ('integer', 'null')),
  CONSTRAINT SR_MA_CUENTAS_dv CHECK (dv BETWEEN -32768 AND 32767),
  CONSTRAINT BT_MA_CUENTAS_titulo CHECK (titulo IN (0, 1)),
  CONSTRAINT BT_MA_CUENTAS_Libro_iva_ventas CHECK (Libro_iva_ventas IN (0, 1)),
  CONSTRAINT BT_MA_CUENTAS_Libro_iva_compras CHECK (Libro_iva_compras IN (0, 1)),
  CONSTRAINT BT_MA_CUENTAS_Dada_De_Baja CHECK (Dada_De_Baja IN (0, 1))
);
-- The service's lookups compare LTRIM(RTRIM(CODIGO)).
CREATE INDEX IX_MA_CUENTAS_CODIGO_TRIM ON MA_CUENTAS (LTRIM(RTRIM(CODIGO)) COLLATE CI_AS);

-- The account the customer import gave each customer of a source table whose
-- number could not be its account code (0, blank, negative, above 9999, or
-- repeated in the table): a later run over the same table, from this folder
-- or a copy of it anywhere, updates that account instead of taking another
-- free code. A customer is the table's file name (TXCLI.DBF), its Codigo as
-- read (trimmed), its name and tax number as its account stores them
-- (MA_CUENTAS.DESCRIPCION, MA_CUENTASADIC.NUMERO_DOCUMENTO) and which of the
-- table's customers equal in these four and remembered here it is
-- (OrdenEntreRecordados, from 1): names and the default tax number are shared
-- by different customers, and the customer of a repeated number that takes
-- its number's account is not remembered, so not counted. Written in the
-- transaction of the customer's account; an account belongs to one customer
-- at most. A customer of a number that an earlier build read as another
-- account code ("0.4x" as 112010000) and remembered for nobody finds that
-- account by the name and tax number it holds, and is remembered with it from
-- then on. Databases made by earlier builds are brought to this form when the
-- program opens them: one where a customer was the full path of its table,
-- its Codigo and its order among that Codigo's customers (upgrade/
-- 001_clientes_importados.sql), and one whose column Orden counted the
-- customer that took its number's account too (upgrade/
-- 002_orden_entre_recordados.sql). A server database needs the same table,
-- and one made for an earlier build the same changes: Nombre and Cuit filled
-- from the account's rows, Archivo cut to the file name, the order counted
-- again among the rows equal in the four, as 001 does; then the column Orden
-- renamed OrdenEntreRecordados and, in the rows of a Codigo that can be an
-- account code (a number from 1 to 9999 as the import reads it: "+5", "5e0"
-- and "5,4" are), lowered among the rows equal in the four so that the
-- first of them is 1, gaps kept, as 002 does; and the key below.
CREATE TABLE AUX_CLIENTES_IMPORTADOS (
  Archivo              VARCHAR(400) COLLATE CI_AS NOT NULL,
  Codigo               VARCHAR(254) COLLATE CI_AS NOT NULL,
  Nombre               VARCHAR(100) COLLATE CI_AS NOT NULL,
  Cuit                 VARCHAR(25)  COLLATE CI_AS NOT NULL,
  OrdenEntreRecordados INTEGER      NOT NULL,
  Cuenta               VARCHAR(9)   COLLATE CI_AS NOT NULL,
  PRIMARY KEY (Archivo, Codigo, Nombre, Cuit, OrdenEntreRecordados),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Archivo CHECK (LEN(Archivo) <= 400),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Codigo CHECK (LEN(Codigo) <= 254),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Nombre CHECK (LEN(Nombre) <= 100),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuit CHECK (LEN(Cuit) <= 25),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuenta CHECK (LEN(Cuenta) <= 9),
  CONSTRAINT IT_AUX_CLIENTES_IMPORTADOS_OrdenEntreRecordados CHECK (typeof(OrdenEntreRecordados) IN ('integer', 'null')),
  CONSTRAINT IR_AUX_CLIENTES_IMPORTADOS_OrdenEntreRecordados CHECK (OrdenEntreRecordados BETWEEN -2147483648 AND 2147483647)
);
CREATE UNIQUE INDEX UX_AUX_CLIENTES_IMPORTADOS_Cuenta ON AUX_CLIENTES_IMPORTADOS (Cuenta);

-- The customer data of an account, keyed by the same code.
CREATE TABLE MA_CUENTASADIC (
  Codigo           VARCHAR(9)   COLLATE CI_AS NOT NULL PRIMARY KEY,
  Contacto         VARCHAR(100) COLLATE CI_AS,
  CALLE            VARCHAR(150) COLLATE CI_AS,
  Localidad        VARCHAR(100) COLLATE CI_AS,
  CPOSTAL          VARCHAR(15)  COLLATE CI_AS,
  Provincia        CHAR(4)      COLLATE CI_AS,
  Telefono         VARCHAR(60)  COLLATE CI_AS,
  NUMERO_DOCUMENTO VARCHAR(25)  COLLATE CI_AS,
  Iva              CHAR(4)      COLLATE CI_AS,
  Documento_Tipo   CHAR(4)      COLLATE CI_AS,
  Limite_Credito   FLOAT        DEFAULT 0,
  idcond_cpra_Vta  CHAR(4)      COLLATE CI_AS,
  Observaciones    TEXT         COLLATE CI_AS,
  IdVendedor       CHAR(4)      COLLATE CI_AS,
  Clase            VARCHAR(4)   COLLATE CI_AS,
  IdMotivoCpra     CHAR(4)      COLLATE CI_AS,
  IdMotivoVta      CHAR(4)      COLLATE CI_AS,
  Pais             CHAR(4)      COLLATE CI_AS,
  CONSTRAINT W_MA_CUENTASADIC_Codigo CHECK (LEN(Codigo) <= 9),
  CONSTRAINT W_MA_CUENTASADIC_Contacto CHECK (LEN(Contacto) <= 100),
  CONSTRAINT W_MA_CUENTASADIC_CALLE CHECK (LEN(CALLE) <= 150),
  CONSTRAINT W_MA_CUENTASADIC_Localidad CHECK (LEN(Localidad) <= 100),
  CONSTRAINT W_MA_CUENTASADIC_CPOSTAL CHECK (LEN(CPOSTAL) <= 15),
  CONSTRAINT W_MA_CUENTASADIC_Provincia CHECK (LEN(Provincia) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_Telefono CHECK (LEN(Telefono) <= 60),
  CONSTRAINT W_MA_CUENTASADIC_NUMERO_DOCUMENTO CHECK (LEN(NUMERO_DOCUMENTO) <= 25),
  CONSTRAINT W_MA_CUENTASADIC_Iva CHECK (LEN(Iva) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_Documento_Tipo CHECK (LEN(Documento_Tipo) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_idcond_cpra_Vta CHECK (LEN(idcond_cpra_Vta) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_IdVendedor CHECK (LEN(IdVendedor) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_Clase CHECK (LEN(Clase) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_IdMotivoCpra CHECK (LEN(IdMotivoCpra) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_IdMotivoVta CHECK (LEN(IdMotivoVta) <= 4),
  CONSTRAINT W_MA_CUENTASADIC_Pais CHECK (LEN(Pais) <= 4)
);
CREATE INDEX IX_MA_CUENTASADIC_Codigo_TRIM ON MA_CUENTASADIC (LTRIM(RTRIM(Codigo)) COLLATE CI_AS);

-- One row per line of an accounting entry. The entry is the operating month,
-- the period, the register type and the entry number; the voucher is TC,
-- SUCURSAL, NUMERO and LETRA. Columns a writer leaves out take the defaults.
CREATE TABLE MV_ASIENTOS (
  Tipo_Reg            CHAR(4)      COLLATE CI_AS NOT NULL DEFAULT '',
  Fecha               DATETIME,
  FechaSubDiario      DATETIME,
  Cuenta              VARCHAR(9)   COLLATE CI_AS,
  Importe             MONEY        DEFAULT 0,
  [DEBE-HABER]        CHAR(1)      COLLATE CI_AS,
  CabCuenta           VARCHAR(9)   COLLATE CI_AS,
  CabImporte          MONEY        DEFAULT 0,
  TC                  VARCHAR(4)   COLLATE CI_AS,
  Sucursal            CHAR(4)      COLLATE CI_AS,
  Numero              CHAR(8)      COLLATE CI_AS,
  Letra               CHAR(1)      COLLATE CI_AS,
  LIVA_TIPO           VARCHAR(10)  COLLATE CI_AS,
  LIVA_TOTAL          MONEY        DEFAULT 0,
  CabNombre           VARCHAR(100) COLLATE CI_AS,
  Vencimiento         DATETIME,
  CabCUIT             VARCHAR(25)  COLLATE CI_AS,
  CabCondIVA          CHAR(4)      COLLATE CI_AS,
  LIVA_IMPNETOGRAV    MONEY        DEFAULT 0,
  LIVA_IMPNETONGRAV   MONEY        DEFAULT 0,
  LIVA_IMPIVA         MONEY        DEFAULT 0,
  LIVA_IMPIVA2        MONEY        DEFAULT 0,
  LIVA_EXENTO         MONEY        DEFAULT 0,
  LIVA_ALICIVA        DECIMAL(9,4) DEFAULT 0,
  LIVA_ALICIVAREC     DECIMAL(9,4) DEFAULT 0,
  LIVA_ALICIVA2       DECIMAL(9,4) DEFAULT 0,
  Detalle             VARCHAR(255) COLLATE CI_AS,
  MES_OPERATIVO       SMALLINT     NOT NULL,
  Periodo             SMALLINT     NOT NULL,
  Secuencia           INTEGER      NOT NULL,
  [NUMERO ASIENTO]    INTEGER      NOT NULL,
  IDCAJAS             CHAR(4)      COLLATE CI_AS,
  UNEGOCIO            CHAR(4)      COLLATE CI_AS,
  EsResumen           BIT          DEFAULT 0,
  Es_Saldo_Apertura   BIT          DEFAULT 0,
  EsAjuste            BIT          DEFAULT 0,
  ChPropio            BIT          DEFAULT 0,
  Moneda              CHAR(4)      COLLATE CI_AS,
  Transmision         SMALLINT     DEFAULT 0,
  usuario_logeado     VARCHAR(50)  COLLATE CI_AS,
  fechahora_grabacion DATETIME,
  IdVendedor          CHAR(4)      COLLATE CI_AS,
  Cotizacion          DECIMAL(18,4),
  TC_ORIGEN           VARCHAR(4)   COLLATE CI_AS,
  CPTE_ORIGEN         VARCHAR(13)  COLLATE CI_AS,
  CONSTRAINT W_MV_ASIENTOS_Tipo_Reg CHECK (LEN(Tipo_Reg) <= 4),
  CONSTRAINT W_MV_ASIENTOS_Cuenta CHECK (LEN(Cuenta) <= 9),
  CONSTRAINT [W_MV_ASIENTOS_DEBE-HABER] CHECK (LEN([DEBE-HABER]) <= 1),
  CONSTRAINT W_MV_ASIENTOS_CabCuenta CHECK (LEN(CabCuenta) <= 9),
  CONSTRAINT W_MV_ASIENTOS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_MV_ASIENTOS_Sucursal CHECK (LEN(Sucursal) <= 4),
  CONSTRAINT W_MV_ASIENTOS_Numero CHECK (LEN(Numero) <= 8),
  CONSTRAINT W_MV_ASIENTOS_Letra CHECK (LEN(Letra) <= 1),
  CONSTRAINT W_MV_ASIENTOS_LIVA_TIPO CHECK (LEN(LIVA_TIPO) <= 10),
  CONSTRAINT W_MV_ASIENTOS_CabNombre CHECK (LEN(CabNombre) <= 100),
  CONSTRAINT W_MV_ASIENTOS_CabCUIT CHECK (LEN(CabCUIT) <= 25),
  CONSTRAINT W_MV_ASIENTOS_CabCondIVA CHECK (LEN(CabCondIVA) <= 4),
  CONSTRAINT W_MV_ASIENTOS_Detalle CHECK (LEN(Detalle) <= 255),
  CONSTRAINT W_MV_ASIENTOS_IDCAJAS CHECK (LEN(IDCAJAS) <= 4),
  CONSTRAINT W_MV_ASIENTOS_UNEGOCIO CHECK (LEN(UNEGOCIO) <= 4),
  CONSTRAINT W_MV_ASIENTOS_Moneda CHECK (LEN(Moneda) <= 4),
  CONSTRAINT W_MV_ASIENTOS_usuario_logeado CHECK (LEN(usuario_logeado) <= 50),
  CONSTRAINT W_MV_ASIENTOS_IdVendedor CHECK (LEN(IdVendedor) <= 4),
  CONSTRAINT W_MV_ASIENTOS_TC_ORIGEN CHECK (LEN(TC_ORIGEN) <= 4),
  CONSTRAINT W_MV_ASIENTOS_CPTE_ORIGEN CHECK (LEN(CPTE_ORIGEN) <= 13),
  CONSTRAINT DT_MV_ASIENTOS_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_MV_ASIENTOS_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01')),
  CONSTRAINT DT_MV_ASIENTOS_FechaSubDiario CHECK (FechaSubDiario IS NULL OR typeof(FechaSubDiario) = 'text' AND (FechaSubDiario GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaSubDiario GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_MV_ASIENTOS_FechaSubDiario CHECK (typeof(FechaSubDiario) <> 'text' OR (date(julianday(FechaSubDiario)) IS substr(FechaSubDiario, 1, 10) AND FechaSubDiario >= '1753-01-01')),
  CONSTRAINT MT_MV_ASIENTOS_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_CabImporte CHECK (typeof(CabImporte) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_CabImporte CHECK (typeof(CabImporte) NOT IN ('integer', 'real') OR CabImporte BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_TOTAL CHECK (typeof(LIVA_TOTAL) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_TOTAL CHECK (typeof(LIVA_TOTAL) NOT IN ('integer', 'real') OR LIVA_TOTAL BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT DT_MV_ASIENTOS_Vencimiento CHECK (Vencimiento IS NULL OR typeof(Vencimiento) = 'text' AND (Vencimiento GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Vencimiento GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_MV_ASIENTOS_Vencimiento CHECK (typeof(Vencimiento) <> 'text' OR (date(julianday(Vencimiento)) IS substr(Vencimiento, 1, 10) AND Vencimiento >= '1753-01-01')),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_IMPNETOGRAV CHECK (typeof(LIVA_IMPNETOGRAV) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_IMPNETOGRAV CHECK (typeof(LIVA_IMPNETOGRAV) NOT IN ('integer', 'real') OR LIVA_IMPNETOGRAV BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_IMPNETONGRAV CHECK (typeof(LIVA_IMPNETONGRAV) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_IMPNETONGRAV CHECK (typeof(LIVA_IMPNETONGRAV) NOT IN ('integer', 'real') OR LIVA_IMPNETONGRAV BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_IMPIVA CHECK (typeof(LIVA_IMPIVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_IMPIVA CHECK (typeof(LIVA_IMPIVA) NOT IN ('integer', 'real') OR LIVA_IMPIVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_IMPIVA2 CHECK (typeof(LIVA_IMPIVA2) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_IMPIVA2 CHECK (typeof(LIVA_IMPIVA2) NOT IN ('integer', 'real') OR LIVA_IMPIVA2 BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_MV_ASIENTOS_LIVA_EXENTO CHECK (typeof(LIVA_EXENTO) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_MV_ASIENTOS_LIVA_EXENTO CHECK (typeof(LIVA_EXENTO) NOT IN ('integer', 'real') OR LIVA_EXENTO BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_MV_ASIENTOS_LIVA_ALICIVA CHECK (typeof(LIVA_ALICIVA) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_MV_ASIENTOS_LIVA_ALICIVA CHECK (typeof(LIVA_ALICIVA) NOT IN ('integer', 'real') OR (LIVA_ALICIVA > -100000 AND LIVA_ALICIVA < 100000)),
  CONSTRAINT NT_MV_ASIENTOS_LIVA_ALICIVAREC CHECK (typeof(LIVA_ALICIVAREC) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_MV_ASIENTOS_LIVA_ALICIVAREC CHECK (typeof(LIVA_ALICIVAREC) NOT IN ('integer', 'real') OR (LIVA_ALICIVAREC > -100000 AND LIVA_ALICIVAREC < 100000)),
  CONSTRAINT NT_MV_ASIENTOS_LIVA_ALICIVA2 CHECK (typeof(LIVA_ALICIVA2) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_MV_ASIENTOS_LIVA_ALICIVA2 CHECK (typeof(LIVA_ALICIVA2) NOT IN ('integer', 'real') OR (LIVA_ALICIVA2 > -100000 AND LIVA_ALICIVA2 < 100000)),
  CONSTRAINT DT_MV_ASIENTOS_fechahora_grabacion CHECK (fechahora_grabacion IS NULL OR typeof(fechahora_grabacion) = 'text' AND (fechahora_grabacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR fechahora_grabacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_MV_ASIENTOS_fechahora_grabacion CHECK (typeof(fechahora_grabacion) <> 'text' OR (date(julianday(fechahora_grabacion)) IS substr(fechahora_grabacion, 1, 10) AND fechahora_grabacion >= '1753-01-01')),
  CONSTRAINT NT_MV_ASIENTOS_Cotizacion CHECK (typeof(Cotizacion) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_MV_ASIENTOS_Cotizacion CHECK (typeof(Cotizacion) NOT IN ('integer', 'real') OR (Cotizacion > -100000000000000 AND Cotizacion < 100000000000000)),
  CONSTRAINT ST_MV_ASIENTOS_MES_OPERATIVO CHECK (typeof(MES_OPERATIVO) IN ('integer', 'null')),
  CONSTRAINT SR_MV_ASIENTOS_MES_OPERATIVO CHECK (MES_OPERATIVO BETWEEN -32768 AND 32767),
  CONSTRAINT ST_MV_ASIENTOS_Periodo CHECK (typeof(Periodo) IN ('integer', 'null')),
  CONSTRAINT SR_MV_ASIENTOS_Periodo CHECK (Periodo BETWEEN -32768 AND 32767),
  CONSTRAINT IT_MV_ASIENTOS_Secuencia CHECK (typeof(Secuencia) IN ('integer', 'null')),
  CONSTRAINT IR_MV_ASIENTOS_Secuencia CHECK (Secuencia BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT [IT_MV_ASIENTOS_NUMERO ASIENTO] CHECK (typeof([NUMERO ASIENTO]) IN ('integer', 'null')),
  CONSTRAINT [IR_MV_ASIENTOS_NUMERO ASIENTO] CHECK ([NUMERO ASIENTO] BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_MV_ASIENTOS_EsResumen CHECK (EsResumen IN (0, 1)),
  CONSTRAINT BT_MV_ASIENTOS_Es_Saldo_Apertura CHECK (Es_Saldo_Apertura IN (0, 1)),
  CONSTRAINT BT_MV_ASIENTOS_EsAjuste CHECK (EsAjuste IN (0, 1)),
  CONSTRAINT BT_MV_ASIENTOS_ChPropio CHECK (ChPropio IN (0, 1)),
  CONSTRAINT ST_MV_ASIENTOS_Transmision CHECK (typeof(Transmision) IN ('integer', 'null')),
  CONSTRAINT SR_MV_ASIENTOS_Transmision CHECK (Transmision BETWEEN -32768 AND 32767)
);
-- The next entry number: the highest number of a month, period and register
-- type (or of two types sharing a series) is one seek per type.
CREATE INDEX IX_MV_ASIENTOS_TIPO_REG ON MV_ASIENTOS (MES_OPERATIVO, Periodo, Tipo_Reg, [NUMERO ASIENTO]);
-- The lines of a voucher.
CREATE INDEX IX_MV_ASIENTOS_COMPROBANTE ON MV_ASIENTOS (TC, Sucursal, Numero, Letra);

-- One row per sales voucher: type, branch + number + letter, and the
-- complement (0 for sales vouchers).
CREATE TABLE V_MV_CPTE (
  ID                INTEGER      PRIMARY KEY,
  TC                VARCHAR(4)   COLLATE CI_AS NOT NULL,
  Fecha             DATETIME,
  FechaEstFin       DATETIME,
  IdComprobante     CHAR(13)     COLLATE CI_AS NOT NULL,
  IdComplemento     VARCHAR(9)   COLLATE CI_AS NOT NULL DEFAULT '0',
  Cuenta            VARCHAR(9)   COLLATE CI_AS,
  Nombre            VARCHAR(100) COLLATE CI_AS,
  Importe           MONEY        DEFAULT 0,
  Importe_S_IVA     MONEY        DEFAULT 0,
  NetoGravado       MONEY        DEFAULT 0,
  AlicIva           DECIMAL(9,4) DEFAULT 0,
  ImporteIVA        MONEY        DEFAULT 0,
  AlicIva2          DECIMAL(9,4) DEFAULT 0,
  ImporteIVA2       MONEY        DEFAULT 0,
  DOCUMENTONUMERO   VARCHAR(25)  COLLATE CI_AS,
  DOCUMENTOTIPO     CHAR(4)      COLLATE CI_AS,
  CondicionIva      CHAR(4)      COLLATE CI_AS,
  UNEGOCIO          CHAR(4)      COLLATE CI_AS,
  Moneda            CHAR(4)      COLLATE CI_AS,
  Cotizacion        DECIMAL(18,4) DEFAULT 1,
  IdVendedor        CHAR(4)      COLLATE CI_AS,
  ANULADA           BIT          DEFAULT 0,
  APROBADO          BIT          DEFAULT 0,
  FechaPreparacion  DATETIME,
  comentarios       TEXT         COLLATE CI_AS,
  TCORIGEN          VARCHAR(4)   COLLATE CI_AS,
  COMPROBANTEORIGEN VARCHAR(13)  COLLATE CI_AS,
  COMPLEMENTOORIGEN VARCHAR(9)   COLLATE CI_AS,
  CONSTRAINT W_V_MV_CPTE_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTE_IdComprobante CHECK (LEN(IdComprobante) <= 13),
  CONSTRAINT W_V_MV_CPTE_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT W_V_MV_CPTE_Cuenta CHECK (LEN(Cuenta) <= 9),
  CONSTRAINT W_V_MV_CPTE_Nombre CHECK (LEN(Nombre) <= 100),
  CONSTRAINT W_V_MV_CPTE_DOCUMENTONUMERO CHECK (LEN(DOCUMENTONUMERO) <= 25),
  CONSTRAINT W_V_MV_CPTE_DOCUMENTOTIPO CHECK (LEN(DOCUMENTOTIPO) <= 4),
  CONSTRAINT W_V_MV_CPTE_CondicionIva CHECK (LEN(CondicionIva) <= 4),
  CONSTRAINT W_V_MV_CPTE_UNEGOCIO CHECK (LEN(UNEGOCIO) <= 4),
  CONSTRAINT W_V_MV_CPTE_Moneda CHECK (LEN(Moneda) <= 4),
  CONSTRAINT W_V_MV_CPTE_IdVendedor CHECK (LEN(IdVendedor) <= 4),
  CONSTRAINT W_V_MV_CPTE_TCORIGEN CHECK (LEN(TCORIGEN) <= 4),
  CONSTRAINT W_V_MV_CPTE_COMPROBANTEORIGEN CHECK (LEN(COMPROBANTEORIGEN) <= 13),
  CONSTRAINT W_V_MV_CPTE_COMPLEMENTOORIGEN CHECK (LEN(COMPLEMENTOORIGEN) <= 9),
  CONSTRAINT DT_V_MV_CPTE_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTE_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTE_FechaEstFin CHECK (FechaEstFin IS NULL OR typeof(FechaEstFin) = 'text' AND (FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaEstFin GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTE_FechaEstFin CHECK (typeof(FechaEstFin) <> 'text' OR (date(julianday(FechaEstFin)) IS substr(FechaEstFin, 1, 10) AND FechaEstFin >= '1753-01-01')),
  CONSTRAINT MT_V_MV_CPTE_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTE_Importe_S_IVA CHECK (typeof(Importe_S_IVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_Importe_S_IVA CHECK (typeof(Importe_S_IVA) NOT IN ('integer', 'real') OR Importe_S_IVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_CPTE_NetoGravado CHECK (typeof(NetoGravado) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_NetoGravado CHECK (typeof(NetoGravado) NOT IN ('integer', 'real') OR NetoGravado BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_CPTE_AlicIva CHECK (typeof(AlicIva) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTE_AlicIva CHECK (typeof(AlicIva) NOT IN ('integer', 'real') OR (AlicIva > -100000 AND AlicIva < 100000)),
  CONSTRAINT MT_V_MV_CPTE_ImporteIVA CHECK (typeof(ImporteIVA) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_ImporteIVA CHECK (typeof(ImporteIVA) NOT IN ('integer', 'real') OR ImporteIVA BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_CPTE_AlicIva2 CHECK (typeof(AlicIva2) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTE_AlicIva2 CHECK (typeof(AlicIva2) NOT IN ('integer', 'real') OR (AlicIva2 > -100000 AND AlicIva2 < 100000)),
  CONSTRAINT MT_V_MV_CPTE_ImporteIVA2 CHECK (typeof(ImporteIVA2) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CPTE_ImporteIVA2 CHECK (typeof(ImporteIVA2) NOT IN ('integer', 'real') OR ImporteIVA2 BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_CPTE_Cotizacion CHECK (typeof(Cotizacion) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_CPTE_Cotizacion CHECK (typeof(Cotizacion) NOT IN ('integer', 'real') OR (Cotizacion > -100000000000000 AND Cotizacion < 100000000000000)),
  CONSTRAINT DT_V_MV_CPTE_FechaPreparacion CHECK (FechaPreparacion IS NULL OR typeof(FechaPreparacion) = 'text' AND (FechaPreparacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaPreparacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTE_FechaPreparacion CHECK (typeof(FechaPreparacion) <> 'text' OR (date(julianday(FechaPreparacion)) IS substr(FechaPreparacion, 1, 10) AND FechaPreparacion >= '1753-01-01')),
  CONSTRAINT IR_V_MV_CPTE_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_V_MV_CPTE_ANULADA CHECK (ANULADA IN (0, 1)),
  CONSTRAINT BT_V_MV_CPTE_APROBADO CHECK (APROBADO IN (0, 1))
);
CREATE UNIQUE INDEX UX_V_MV_CPTE_COMPROBANTE ON V_MV_CPTE (TC, IdComprobante, IdComplemento);
CREATE INDEX IX_V_MV_CPTE_ORIGEN ON V_MV_CPTE (TCORIGEN, COMPROBANTEORIGEN, COMPLEMENTOORIGEN);

-- One row per day that holds vouchers.
CREATE TABLE ma_calendario (
  fecha       DATETIME NOT NULL PRIMARY KEY,
  nolaborable BIT      DEFAULT 0,
  CONSTRAINT DT_ma_calendario_fecha CHECK (fecha IS NULL OR typeof(fecha) = 'text' AND (fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_ma_calendario_fecha CHECK (typeof(fecha) <> 'text' OR (date(julianday(fecha)) IS substr(fecha, 1, 10) AND fecha >= '1753-01-01')),
  CONSTRAINT BT_ma_calendario_nolaborable CHECK (nolaborable IN (0, 1))
);

-- The fiscal years: period number and its dates.
CREATE TABLE MV_EJERCICIOS (
  PERIODO       INTEGER     NOT NULL PRIMARY KEY,
  DESCRIPCION   VARCHAR(50) COLLATE CI_AS,
  [FECHA DESDE] DATETIME,
  [FECHA HASTA] DATETIME,
  CONSTRAINT W_MV_EJERCICIOS_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50),
  CONSTRAINT [DT_MV_EJERCICIOS_FECHA DESDE] CHECK ([FECHA DESDE] IS NULL OR typeof([FECHA DESDE]) = 'text' AND ([FECHA DESDE] GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR [FECHA DESDE] GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT [DR_MV_EJERCICIOS_FECHA DESDE] CHECK (typeof([FECHA DESDE]) <> 'text' OR (date(julianday([FECHA DESDE])) IS substr([FECHA DESDE], 1, 10) AND [FECHA DESDE] >= '1753-01-01')),
  CONSTRAINT [DT_MV_EJERCICIOS_FECHA HASTA] CHECK ([FECHA HASTA] IS NULL OR typeof([FECHA HASTA]) = 'text' AND ([FECHA HASTA] GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR [FECHA HASTA] GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT [DR_MV_EJERCICIOS_FECHA HASTA] CHECK (typeof([FECHA HASTA]) <> 'text' OR (date(julianday([FECHA HASTA])) IS substr([FECHA HASTA], 1, 10) AND [FECHA HASTA] >= '1753-01-01')),
  CONSTRAINT IR_MV_EJERCICIOS_PERIODO CHECK (PERIODO BETWEEN -2147483648 AND 2147483647)
);

-- Provinces, by their four-character code ("  12").
CREATE TABLE TA_ESTADOS (
  codigo      CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  descripcion VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_TA_ESTADOS_codigo CHECK (LEN(codigo) <= 4),
  CONSTRAINT W_TA_ESTADOS_descripcion CHECK (LEN(descripcion) <= 50)
);
CREATE INDEX IX_TA_ESTADOS_codigo_TRIM ON TA_ESTADOS (LTRIM(RTRIM(codigo)) COLLATE CI_AS);

-- VAT conditions, by their four-character code ("   1").
CREATE TABLE TA_CONDIVA (
  Codigo      CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_TA_CONDIVA_Codigo CHECK (LEN(Codigo) <= 4),
  CONSTRAINT W_TA_CONDIVA_Descripcion CHECK (LEN(Descripcion) <= 50)
);
CREATE INDEX IX_TA_CONDIVA_Codigo_TRIM ON TA_CONDIVA (LTRIM(RTRIM(Codigo)) COLLATE CI_AS);

-- Towns by postal code, with the code of their province (Copart).
CREATE TABLE MAPINFO_LOCALIDADES (
  Cod_postal VARCHAR(15)  COLLATE CI_AS NOT NULL,
  Localidad  VARCHAR(100) COLLATE CI_AS,
  Copart     CHAR(4)      COLLATE CI_AS,
  CONSTRAINT W_MAPINFO_LOCALIDADES_Cod_postal CHECK (LEN(Cod_postal) <= 15),
  CONSTRAINT W_MAPINFO_LOCALIDADES_Localidad CHECK (LEN(Localidad) <= 100),
  CONSTRAINT W_MAPINFO_LOCALIDADES_Copart CHECK (LEN(Copart) <= 4)
);
CREATE INDEX IX_MAPINFO_LOCALIDADES_Cod_postal_TRIM ON MAPINFO_LOCALIDADES (LTRIM(RTRIM(Cod_postal)) COLLATE CI_AS);
