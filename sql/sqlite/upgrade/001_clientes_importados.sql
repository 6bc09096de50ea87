-- Databases made by earlier builds remembered a customer of free code by the
-- full path of its table, its Codigo and its order among the table's
-- customers with that Codigo, so the same export copied to another folder
-- gave its customers their accounts a second time. A customer becomes the
-- table's file name, its Codigo, the name and tax number its account stores
-- and its order among the rows equal in these four (by the old path and
-- order), as 030_import.sql keeps them.

-- Needed when the table has no column Nombre.
SELECT 1 WHERE EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS'))
  AND NOT EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS') WHERE name = 'Nombre' COLLATE NOCASE);

-- The rows in their new form, apart while the table is made again; the file
-- name is what follows the path's last "/".
CREATE TEMP TABLE CLIENTES_IMPORTADOS_ANTES AS
SELECT Archivo, Codigo, Nombre, Cuit,
       row_number() OVER (PARTITION BY Archivo COLLATE CI_AS, Codigo COLLATE CI_AS, Nombre COLLATE CI_AS,
                                       Cuit COLLATE CI_AS
                          ORDER BY Ruta, Orden) AS Orden,
       Cuenta
  FROM (SELECT replace(i.Archivo, rtrim(i.Archivo, replace(i.Archivo, '/', '')), '') AS Archivo, i.Codigo,
               ifnull(trim(c.DESCRIPCION), '') AS Nombre, ifnull(trim(a.NUMERO_DOCUMENTO), '') AS Cuit,
               i.Archivo AS Ruta, i.Orden, i.Cuenta
          FROM AUX_CLIENTES_IMPORTADOS i
          LEFT JOIN MA_CUENTAS c ON c.CODIGO = i.Cuenta
          LEFT JOIN MA_CUENTASADIC a ON a.Codigo = i.Cuenta);
DROP TABLE AUX_CLIENTES_IMPORTADOS;
CREATE TABLE AUX_CLIENTES_IMPORTADOS (
  Archivo VARCHAR(400) COLLATE CI_AS NOT NULL,
  Codigo  VARCHAR(254) COLLATE CI_AS NOT NULL,
  Nombre  VARCHAR(100) COLLATE CI_AS NOT NULL,
  Cuit    VARCHAR(25)  COLLATE CI_AS NOT NULL,
  Orden   INTEGER      NOT NULL,
  Cuenta  VARCHAR(9)   COLLATE CI_AS NOT NULL,
  PRIMARY KEY (Archivo, Codigo, Nombre, Cuit, Orden),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Archivo CHECK (length(rtrim(Archivo)) <= 400),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Codigo CHECK (length(rtrim(Codigo)) <= 254),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Nombre CHECK (length(rtrim(Nombre)) <= 100),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuit CHECK (length(rtrim(Cuit)) <= 25),
  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuenta CHECK (length(rtrim(Cuenta)) <= 9)
);
CREATE UNIQUE INDEX UX_AUX_CLIENTES_IMPORTADOS_Cuenta ON AUX_CLIENTES_IMPORTADOS (Cuenta);
INSERT INTO AUX_CLIENTES_IMPORTADOS (Archivo, Codigo, Nombre, Cuit, Orden, Cuenta)
SELECT Archivo, Codigo, Nombre, Cuit, Orden, Cuenta FROM temp.CLIENTES_IMPORTADOS_ANTES;
DROP TABLE temp.CLIENTES_IMPORTADOS_ANTES;
