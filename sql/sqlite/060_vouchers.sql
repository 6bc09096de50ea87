-- The common voucher class: what the article search and the voucher grids
-- read of the article master, the purchase price lists, the article types
-- and rubros, the line capacity of printed vouchers, the applied charges,
-- and the voucher audit trail it writes.

-- What the voucher grids carry of an article: its type, presentation and
-- handling flags (perishable, sizes, unit equivalence asked, weighed).
-- Barcode columns hold codes in the key form every writer uses (a code of
-- digits right-aligned in 25), as the article code does.
ALTER TABLE V_MA_ARTICULOS ADD COLUMN IdTipo CHAR(4) COLLATE CI_AS
  CONSTRAINT W_V_MA_ARTICULOS_IdTipo CHECK (LEN(IdTipo) <= 4);
ALTER TABLE V_MA_ARTICULOS ADD COLUMN IdRubro CHAR(4) COLLATE CI_AS
  CONSTRAINT W_V_MA_ARTICULOS_IdRubro CHECK (LEN(IdRubro) <= 4);
ALTER TABLE V_MA_ARTICULOS ADD COLUMN Presentacion VARCHAR(50) COLLATE CI_AS
  CONSTRAINT W_V_MA_ARTICULOS_Presentacion CHECK (LEN(Presentacion) <= 50);
ALTER TABLE V_MA_ARTICULOS ADD COLUMN Perecedero BIT DEFAULT 0
  CONSTRAINT BT_V_MA_ARTICULOS_Perecedero CHECK (Perecedero IN (0, 1));
ALTER TABLE V_MA_ARTICULOS ADD COLUMN UsaTalle BIT DEFAULT 0
  CONSTRAINT BT_V_MA_ARTICULOS_UsaTalle CHECK (UsaTalle IN (0, 1));
ALTER TABLE V_MA_ARTICULOS ADD COLUMN PideEquivalencia BIT DEFAULT 0
  CONSTRAINT BT_V_MA_ARTICULOS_PideEquivalencia CHECK (PideEquivalencia IN (0, 1));
ALTER TABLE V_MA_ARTICULOS ADD COLUMN pesable BIT DEFAULT 0
  CONSTRAINT BT_V_MA_ARTICULOS_pesable CHECK (pesable IN (0, 1));

-- Price lists: one row per list (IDLISTA), article and unit; purchase lists
-- (TIPOLISTA 'C') carry the supplier's own number of the article.
CREATE TABLE V_MA_PRECIOS (
  IDLISTA             CHAR(4)     COLLATE CI_AS NOT NULL,
  TIPOLISTA           CHAR(1)     COLLATE CI_AS NOT NULL,
  IDARTICULO          VARCHAR(25) COLLATE CI_AS NOT NULL,
  IDARTICULOPROVEEDOR VARCHAR(25) COLLATE CI_AS,
  idunidad            CHAR(4)     COLLATE CI_AS,
  PRECIO              MONEY       DEFAULT 0,
  PRIMARY KEY (IDLISTA, IDARTICULO, idunidad),
  CONSTRAINT W_V_MA_PRECIOS_IDLISTA CHECK (LEN(IDLISTA) <= 4),
  CONSTRAINT W_V_MA_PRECIOS_TIPOLISTA CHECK (LEN(TIPOLISTA) <= 1),
  CONSTRAINT W_V_MA_PRECIOS_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_V_MA_PRECIOS_IDARTICULOPROVEEDOR CHECK (LEN(IDARTICULOPROVEEDOR) <= 25),
  CONSTRAINT W_V_MA_PRECIOS_idunidad CHECK (LEN(idunidad) <= 4),
  CONSTRAINT MT_V_MA_PRECIOS_PRECIO CHECK (typeof(PRECIO) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MA_PRECIOS_PRECIO CHECK (typeof(PRECIO) NOT IN ('integer', 'real') OR PRECIO BETWEEN -922337203685477.5 AND 922337203685477.5)
);
-- The supplier's number in a list.
CREATE INDEX IX_V_MA_PRECIOS_PROVEEDOR ON V_MA_PRECIOS (IDARTICULOPROVEEDOR, IDLISTA, TIPOLISTA);

-- Article types. The voucher loader reads them by IdTipo, the totals grid
-- by Tipo: one column under both names.
CREATE TABLE V_ta_TipoArticulo (
  IdTipo      CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion VARCHAR(50) COLLATE CI_AS,
  Tipo        CHAR(4)     COLLATE CI_AS GENERATED ALWAYS AS (IdTipo) VIRTUAL,
  CONSTRAINT W_V_ta_TipoArticulo_IdTipo CHECK (LEN(IdTipo) <= 4),
  CONSTRAINT W_V_ta_TipoArticulo_Descripcion CHECK (LEN(Descripcion) <= 50),
  CONSTRAINT W_V_ta_TipoArticulo_Tipo CHECK (LEN(Tipo) <= 4)
);
-- The service's lookups compare LTRIM(RTRIM(key)).
CREATE INDEX IX_V_ta_TipoArticulo_IdTipo_TRIM ON V_ta_TipoArticulo (LTRIM(RTRIM(IdTipo)) COLLATE CI_AS);
CREATE INDEX IX_V_ta_TipoArticulo_Tipo_TRIM ON V_ta_TipoArticulo (LTRIM(RTRIM(Tipo)) COLLATE CI_AS);

-- Rubros (article categories).
CREATE TABLE V_ta_Rubros (
  IdRubro     CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_V_ta_Rubros_IdRubro CHECK (LEN(IdRubro) <= 4),
  CONSTRAINT W_V_ta_Rubros_Descripcion CHECK (LEN(Descripcion) <= 50)
);
CREATE INDEX IX_V_ta_Rubros_IdRubro_TRIM ON V_ta_Rubros (LTRIM(RTRIM(IdRubro)) COLLATE CI_AS);

-- How many lines fit a printed voucher of a type and letter; the first row
-- by ID counts, 0 is no limit.
CREATE TABLE TA_CONFIG_IMP_CPTE (
  ID         INTEGER  NOT NULL PRIMARY KEY,
  TC         CHAR(4)  COLLATE CI_AS NOT NULL,
  LETRA      CHAR(1)  COLLATE CI_AS,
  CANTLINEAS SMALLINT DEFAULT 0,
  CONSTRAINT W_TA_CONFIG_IMP_CPTE_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_TA_CONFIG_IMP_CPTE_LETRA CHECK (LEN(LETRA) <= 1),
  CONSTRAINT IR_TA_CONFIG_IMP_CPTE_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT ST_TA_CONFIG_IMP_CPTE_CANTLINEAS CHECK (typeof(CANTLINEAS) IN ('integer', 'null')),
  CONSTRAINT SR_TA_CONFIG_IMP_CPTE_CANTLINEAS CHECK (CANTLINEAS BETWEEN -32768 AND 32767)
);
CREATE INDEX IX_TA_CONFIG_IMP_CPTE ON TA_CONFIG_IMP_CPTE (TC, LETRA, ID);

-- The charges applied to an account, with what remains of each.
CREATE TABLE V_MV_CargosAplicados (
  ID     INTEGER    NOT NULL PRIMARY KEY,
  CUENTA VARCHAR(9) COLLATE CI_AS NOT NULL,
  SALDO  MONEY      DEFAULT 0,
  CONSTRAINT W_V_MV_CargosAplicados_CUENTA CHECK (LEN(CUENTA) <= 9),
  CONSTRAINT MT_V_MV_CargosAplicados_SALDO CHECK (typeof(SALDO) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_CargosAplicados_SALDO CHECK (typeof(SALDO) NOT IN ('integer', 'real') OR SALDO BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT IR_V_MV_CargosAplicados_ID CHECK (ID BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX IX_V_MV_CargosAplicados_CUENTA ON V_MV_CargosAplicados (CUENTA);

-- The voucher audit trail: who did what (A new, M changed, B removed) to
-- which voucher, when and from which computer, with its entry number.
CREATE TABLE V_MV_CPTEACCIONES (
  ID            INTEGER     NOT NULL PRIMARY KEY,
  TC            CHAR(4)     COLLATE CI_AS NOT NULL,
  IdComprobante CHAR(13)    COLLATE CI_AS NOT NULL,
  IdComplemento VARCHAR(9)  COLLATE CI_AS,
  Tipo_accion   CHAR(1)     COLLATE CI_AS NOT NULL,
  FECHAHORA     DATETIME,
  Usuario       VARCHAR(50) COLLATE CI_AS,
  PC            VARCHAR(50) COLLATE CI_AS,
  SYSTEMUSER    VARCHAR(50) COLLATE CI_AS,
  NUMEROASIENTO INTEGER,
  CONSTRAINT W_V_MV_CPTEACCIONES_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTEACCIONES_IdComprobante CHECK (LEN(IdComprobante) <= 13),
  CONSTRAINT W_V_MV_CPTEACCIONES_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT W_V_MV_CPTEACCIONES_Tipo_accion CHECK (LEN(Tipo_accion) <= 1),
  CONSTRAINT W_V_MV_CPTEACCIONES_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT W_V_MV_CPTEACCIONES_PC CHECK (LEN(PC) <= 50),
  CONSTRAINT W_V_MV_CPTEACCIONES_SYSTEMUSER CHECK (LEN(SYSTEMUSER) <= 50),
  CONSTRAINT DT_V_MV_CPTEACCIONES_FECHAHORA CHECK (FECHAHORA IS NULL OR typeof(FECHAHORA) = 'text' AND (FECHAHORA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FECHAHORA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTEACCIONES_FECHAHORA CHECK (typeof(FECHAHORA) <> 'text' OR (date(julianday(FECHAHORA)) IS substr(FECHAHORA, 1, 10) AND FECHAHORA >= '1753-01-01')),
  CONSTRAINT IR_V_MV_CPTEACCIONES_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_CPTEACCIONES_NUMEROASIENTO CHECK (typeof(NUMEROASIENTO) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_CPTEACCIONES_NUMEROASIENTO CHECK (NUMEROASIENTO BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX IX_V_MV_CPTEACCIONES_COMPROBANTE ON V_MV_CPTEACCIONES (TC, IdComprobante);
