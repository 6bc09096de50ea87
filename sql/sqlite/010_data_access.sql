-- Database service: the users of the suite and the per-user twins that
-- users who are not administrators read instead of the plain tables.

-- One row per user, keyed by name. Administrador = 1 switches the per-user
-- twins off; the business unit and the pro-forma flag are read at start-up.
CREATE TABLE TA_USUARIOS (
  Nombre        VARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
  Administrador SMALLINT,
  UNegocio      CHAR(4)     COLLATE CI_AS,
  VerProforma   BIT,
  CONSTRAINT W_TA_USUARIOS_Nombre CHECK (LEN(Nombre) <= 50),
  CONSTRAINT W_TA_USUARIOS_UNegocio CHECK (LEN(UNegocio) <= 4),
  CONSTRAINT ST_TA_USUARIOS_Administrador CHECK (typeof(Administrador) IN ('integer', 'null')),
  CONSTRAINT SR_TA_USUARIOS_Administrador CHECK (Administrador BETWEEN -32768 AND 32767),
  CONSTRAINT BT_TA_USUARIOS_VerProforma CHECK (VerProforma IN (0, 1))
);

-- The twins show every row of their base table here; the base tables come
-- with the subsystems that own them.
CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS;
CREATE VIEW SS_V_TA_DEPOSITO AS SELECT * FROM V_TA_DEPOSITO;
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS;
CREATE VIEW SS_V_TA_FAMILIAS AS SELECT * FROM V_TA_FAMILIAS;
CREATE VIEW SS_V_TA_CAJAS AS SELECT * FROM V_TA_CAJAS;
CREATE VIEW SS_AC_CUENTASDIARIO AS SELECT * FROM AC_CUENTASDIARIO;
CREATE VIEW SS_AC_CUENTAS_DIARIO_CCOSTO AS SELECT * FROM AC_CUENTASDIARIO_CCOSTO;
