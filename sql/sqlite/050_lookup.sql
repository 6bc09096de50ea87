-- Lookup dialogs: the views and tables the lookups show (articles with
-- their stock, customers, suppliers, deposits, families, storage positions,
-- cost centres), the missing-stock notices written from the article lookup,
-- and an index for the order and the key of every lookup.

-- Articles with their stock in the base unit, summed over the deposits,
-- from the balances the stock movements keep; 0 without a balance. A
-- scalar subquery per row is one index seek, so the whole list is read in
-- one pass, as the article lookup does.
CREATE VIEW VT_MA_ARTICULOS AS
  SELECT a.*,
         (SELECT IFNULL(SUM(s.STOCK), 0) * 1.0 FROM STK_SALDOS_UNIDADES s
          WHERE s.IDARTICULO = a.IDARTICULO AND s.EQUIVALENCIA = a.IDUNIDAD) AS Stock
  FROM V_MA_ARTICULOS a;
-- The article lookup lists by description.
CREATE INDEX IX_V_MA_ARTICULOS_DESCRIPCION ON V_MA_ARTICULOS (DESCRIPCION);

-- Customers and suppliers are accounts of the chart, told apart by
-- TipoVista ('CL', 'PR'); their lookups list by name, leaving out the
-- accounts dada de baja.
CREATE VIEW VT_CLIENTES AS
  SELECT c.CODIGO, c.DESCRIPCION AS RAZON_SOCIAL, a.Contacto AS CONTACTO, a.CALLE AS DOMICILIO,
         a.Localidad AS LOCALIDAD, a.Telefono AS TELEFONO, c.Dada_De_Baja
  FROM MA_CUENTAS c LEFT JOIN MA_CUENTASADIC a ON a.Codigo = c.CODIGO
  WHERE c.TipoVista = 'CL';
CREATE VIEW VT_PROVEEDORES AS
  SELECT c.CODIGO, c.DESCRIPCION AS RAZON_SOCIAL, a.Contacto AS CONTACTO, a.CALLE AS DOMICILIO,
         a.Localidad AS LOCALIDAD, a.Telefono AS TELEFONO, c.Dada_De_Baja
  FROM MA_CUENTAS c LEFT JOIN MA_CUENTASADIC a ON a.Codigo = c.CODIGO
  WHERE c.TipoVista = 'PR';
CREATE INDEX IX_MA_CUENTAS_TipoVista_DESCRIPCION ON MA_CUENTAS (TipoVista, DESCRIPCION);
-- The accounts lookup lists the whole chart by description.
CREATE INDEX IX_MA_CUENTAS_DESCRIPCION ON MA_CUENTAS (DESCRIPCION);

-- Deposits of the business units.
CREATE TABLE V_TA_DEPOSITO (
  IdDeposito    CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion   VARCHAR(50) COLLATE CI_AS,
  UnidadNegocio CHAR(4)     COLLATE CI_AS,
  CONSTRAINT W_V_TA_DEPOSITO_IdDeposito CHECK (LEN(IdDeposito) <= 4),
  CONSTRAINT W_V_TA_DEPOSITO_Descripcion CHECK (LEN(Descripcion) <= 50),
  CONSTRAINT W_V_TA_DEPOSITO_UnidadNegocio CHECK (LEN(UnidadNegocio) <= 4)
);
CREATE INDEX IX_V_TA_DEPOSITO_Descripcion ON V_TA_DEPOSITO (Descripcion);

-- Article families: a family's code begins with the code of the family it
-- belongs to ("01" Bebidas, "0101" Gaseosas).
CREATE TABLE V_TA_FAMILIAS (
  IdFamilia   VARCHAR(10) COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_V_TA_FAMILIAS_IdFamilia CHECK (LEN(IdFamilia) <= 10),
  CONSTRAINT W_V_TA_FAMILIAS_Descripcion CHECK (LEN(Descripcion) <= 50)
);
-- The tree window looks the chosen family up by its trimmed code.
CREATE INDEX IX_V_TA_FAMILIAS_IdFamilia_TRIM ON V_TA_FAMILIAS (LTRIM(RTRIM(IdFamilia)) COLLATE CI_AS);

-- Storage positions of the deposits, coded like families by prefix;
-- ordeningreso is the order goods are put in.
CREATE TABLE MA_POSICIONES (
  IDPOSICION  VARCHAR(15) COLLATE CI_AS NOT NULL PRIMARY KEY,
  DESCRIPCION VARCHAR(50) COLLATE CI_AS,
  IDDEPOSITO  CHAR(4)     COLLATE CI_AS,
  ordeningreso INTEGER    DEFAULT 0,
  CONSTRAINT W_MA_POSICIONES_IDPOSICION CHECK (LEN(IDPOSICION) <= 15),
  CONSTRAINT W_MA_POSICIONES_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50),
  CONSTRAINT W_MA_POSICIONES_IDDEPOSITO CHECK (LEN(IDDEPOSITO) <= 4),
  CONSTRAINT IT_MA_POSICIONES_ordeningreso CHECK (typeof(ordeningreso) IN ('integer', 'null')),
  CONSTRAINT IR_MA_POSICIONES_ordeningreso CHECK (ordeningreso BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX IX_MA_POSICIONES_IDPOSICION_TRIM ON MA_POSICIONES (LTRIM(RTRIM(IDPOSICION)) COLLATE CI_AS);

-- Cost centres, coded by prefix as the chart of accounts is.
CREATE TABLE TA_CCOSTO (
  CODIGO      VARCHAR(9)  COLLATE CI_AS NOT NULL PRIMARY KEY,
  DESCRIPCION VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_TA_CCOSTO_CODIGO CHECK (LEN(CODIGO) <= 9),
  CONSTRAINT W_TA_CCOSTO_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50)
);
CREATE INDEX IX_TA_CCOSTO_CODIGO_TRIM ON TA_CCOSTO (LTRIM(RTRIM(CODIGO)) COLLATE CI_AS);

-- Articles an operator reported as missing from stock (F12 in the article
-- lookup): when, which article, by whom. Only ever written.
CREATE TABLE V_MV_FALTANTES (
  FechaHora   DATETIME,
  IdArticulo  VARCHAR(25)  COLLATE CI_AS,
  Descripcion VARCHAR(100) COLLATE CI_AS,
  Usuario     VARCHAR(50)  COLLATE CI_AS,
  CONSTRAINT W_V_MV_FALTANTES_IdArticulo CHECK (LEN(IdArticulo) <= 25),
  CONSTRAINT W_V_MV_FALTANTES_Descripcion CHECK (LEN(Descripcion) <= 100),
  CONSTRAINT W_V_MV_FALTANTES_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT DT_V_MV_FALTANTES_FechaHora CHECK (FechaHora IS NULL OR typeof(FechaHora) = 'text' AND (FechaHora GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaHora GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_FALTANTES_FechaHora CHECK (typeof(FechaHora) <> 'text' OR (date(julianday(FechaHora)) IS substr(FechaHora, 1, 10) AND FechaHora >= '1753-01-01'))
);
