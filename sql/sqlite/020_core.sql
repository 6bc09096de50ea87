-- Application core: the error table of failed statement batches and the
-- configuration table of key/value rows.

-- One row per failed batch; Descripcion holds the error text cut to 250.
CREATE TABLE AUX_ERR (
  Proceso     VARCHAR(50)  COLLATE CI_AS,
  Fecha       DATETIME,
  Error       INTEGER,
  Descripcion VARCHAR(250) COLLATE CI_AS,
  SQL         TEXT         COLLATE CI_AS,
  PC          VARCHAR(64)  COLLATE CI_AS,
  Usuario     VARCHAR(50)  COLLATE CI_AS,
  CONSTRAINT W_AUX_ERR_Proceso CHECK (length(Proceso) <= 50),
  CONSTRAINT W_AUX_ERR_Descripcion CHECK (length(Descripcion) <= 250),
  CONSTRAINT W_AUX_ERR_PC CHECK (length(PC) <= 64),
  CONSTRAINT W_AUX_ERR_Usuario CHECK (length(Usuario) <= 50)
);

-- One row per key. The statistics database keeps the same table, where
-- Grupo and PoliticaNegocio are also written.
CREATE TABLE TA_CONFIGURACION (
  Grupo           VARCHAR(50)  COLLATE CI_AS,
  CLAVE           VARCHAR(50)  COLLATE CI_AS NOT NULL PRIMARY KEY,
  VALOR           VARCHAR(255) COLLATE CI_AS,
  PoliticaNegocio BIT,
  ValorAux        VARCHAR(255) COLLATE CI_AS,
  CONSTRAINT W_TA_CONFIGURACION_Grupo CHECK (length(Grupo) <= 50),
  CONSTRAINT W_TA_CONFIGURACION_CLAVE CHECK (length(CLAVE) <= 50),
  CONSTRAINT W_TA_CONFIGURACION_VALOR CHECK (length(VALOR) <= 255),
  CONSTRAINT W_TA_CONFIGURACION_ValorAux CHECK (length(ValorAux) <= 255)
);
