-- Application core: the error table of failed statement batches, the
-- configuration table of key/value rows, the menu with the users' tasks
-- and the access log.

-- One row per failed batch; Descripcion holds the error text cut to 250.
CREATE TABLE AUX_ERR (
  Proceso     VARCHAR(50)  COLLATE CI_AS,
  Fecha       DATETIME,
  Error       INTEGER,
  Descripcion VARCHAR(250) COLLATE CI_AS,
  SQL         TEXT         COLLATE CI_AS,
  PC          VARCHAR(64)  COLLATE CI_AS,
  Usuario     VARCHAR(50)  COLLATE CI_AS,
  CONSTRAINT W_AUX_ERR_Proceso CHECK (LEN(Proceso) <= 50),
  CONSTRAINT W_AUX_ERR_Descripcion CHECK (LEN(Descripcion) <= 250),
  CONSTRAINT W_AUX_ERR_PC CHECK (LEN(PC) <= 64),
  CONSTRAINT W_AUX_ERR_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT DT_AUX_ERR_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_AUX_ERR_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01')),
  CONSTRAINT IT_AUX_ERR_Error CHECK (typeof(Error) IN ('integer', 'null')),
  CONSTRAINT IR_AUX_ERR_Error CHECK (Error BETWEEN -2147483648 AND 2147483647)
);

-- One row per key. The statistics database keeps the same table, where
-- Grupo and PoliticaNegocio are also written.
CREATE TABLE TA_CONFIGURACION (
  Grupo           VARCHAR(50)  COLLATE CI_AS,
  CLAVE           VARCHAR(50)  COLLATE CI_AS NOT NULL PRIMARY KEY,
  VALOR           VARCHAR(255) COLLATE CI_AS,
  PoliticaNegocio BIT,
  ValorAux        VARCHAR(255) COLLATE CI_AS,
  CONSTRAINT W_TA_CONFIGURACION_Grupo CHECK (LEN(Grupo) <= 50),
  CONSTRAINT W_TA_CONFIGURACION_CLAVE CHECK (LEN(CLAVE) <= 50),
  CONSTRAINT W_TA_CONFIGURACION_VALOR CHECK (LEN(VALOR) <= 255),
  CONSTRAINT W_TA_CONFIGURACION_ValorAux CHECK (LEN(ValorAux) <= 255),
  CONSTRAINT BT_TA_CONFIGURACION_PoliticaNegocio CHECK (PoliticaNegocio IN (0, 1))
);

-- The suite's menu: each entry names the program it starts (Proceso) and
-- its title (Nombre). Rights are looked up by a LIKE on Proceso.
CREATE TABLE TA_MENU (
  Clave   VARCHAR(50)  COLLATE CI_AS NOT NULL PRIMARY KEY,
  Proceso VARCHAR(100) COLLATE CI_AS,
  Nombre  VARCHAR(100) COLLATE CI_AS,
  CONSTRAINT W_TA_MENU_Clave CHECK (LEN(Clave) <= 50),
  CONSTRAINT W_TA_MENU_Proceso CHECK (LEN(Proceso) <= 100),
  CONSTRAINT W_TA_MENU_Nombre CHECK (LEN(Nombre) <= 100)
);

-- The menu entries (tasks) granted to each user.
CREATE TABLE TA_TAREAS (
  USUARIO VARCHAR(50) COLLATE CI_AS NOT NULL,
  TAREA   VARCHAR(50) COLLATE CI_AS NOT NULL,
  PRIMARY KEY (USUARIO, TAREA),
  CONSTRAINT W_TA_TAREAS_USUARIO CHECK (LEN(USUARIO) <= 50),
  CONSTRAINT W_TA_TAREAS_TAREA CHECK (LEN(TAREA) <= 50)
);

-- The access log: one row per start of a program of the suite.
CREATE TABLE Control_Acceso (
  Maquina       VARCHAR(64)  COLLATE CI_AS,
  Usuario       VARCHAR(50)  COLLATE CI_AS,
  Formulario    VARCHAR(100) COLLATE CI_AS,
  Tarea         VARCHAR(100) COLLATE CI_AS,
  Ingreso       DATETIME,
  NombreUsuario VARCHAR(50)  COLLATE CI_AS,
  CONSTRAINT W_Control_Acceso_Maquina CHECK (LEN(Maquina) <= 64),
  CONSTRAINT W_Control_Acceso_Usuario CHECK (LEN(Usuario) <= 50),
  CONSTRAINT W_Control_Acceso_Formulario CHECK (LEN(Formulario) <= 100),
  CONSTRAINT W_Control_Acceso_Tarea CHECK (LEN(Tarea) <= 100),
  CONSTRAINT W_Control_Acceso_NombreUsuario CHECK (LEN(NombreUsuario) <= 50),
  CONSTRAINT DT_Control_Acceso_Ingreso CHECK (Ingreso IS NULL OR typeof(Ingreso) = 'text' AND (Ingreso GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Ingreso GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_Control_Acceso_Ingreso CHECK (typeof(Ingreso) <> 'text' OR (date(julianday(Ingreso)) IS substr(Ingreso, 1, 10) AND Ingreso >= '1753-01-01'))
);
