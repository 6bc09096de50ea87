-- Databases made by earlier builds remembered a customer of free code by the
-- full path of its table, its Codigo and its order among the table's
-- customers with that Codigo, so the same export copied to another folder
-- gave its customers their accounts a second time. A customer becomes the
-- table's file name, its Codigo, the name and tax number its account stores
-- and its order among the table's customers equal in these four, as
-- 030_import.sql keeps them and the import counts them.

-- Needed when the table has no column Nombre.
SELECT 1 WHERE EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS'))
  AND NOT EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS') WHERE name = 'Nombre' COLLATE NOCASE);

-- The rows in their new form, apart while the table is made again; the file
-- name is what follows the path's last "/". The import counts every customer
-- of the table, also the first one of a number that can be an account code,
-- which takes that account (11201 and the number as "0000") and is never
-- remembered: so did the earlier builds, whose rows then start at Orden 2
-- for that Codigo. That customer comes first among the equal ones when its
-- account holds the same name and tax number, and the rows of a Codigo with
-- no Orden 1 were counted after it. The number's account is the one those
-- builds gave it by their reading of the number, "0.4x" 112010000 included
-- (NUMERO_DE_CODIGO_ANTERIOR).
CREATE TEMP TABLE CLIENTES_IMPORTADOS_ANTES AS
WITH recordados AS (
  SELECT replace(i.Archivo, rtrim(i.Archivo, replace(i.Archivo, '/', '')), '') AS Archivo, i.Codigo,
         ifnull(trim(c.DESCRIPCION), '') AS Nombre, ifnull(trim(a.NUMERO_DOCUMENTO), '') AS Cuit,
         i.Archivo AS Ruta, i.Orden, i.Cuenta,
         '11201' || NUMERO_DE_CODIGO_ANTERIOR(i.Codigo, 4) AS Propia
    FROM AUX_CLIENTES_IMPORTADOS i
    LEFT JOIN MA_CUENTAS c ON c.CODIGO = i.Cuenta
    LEFT JOIN MA_CUENTASADIC a ON a.Codigo = i.Cuenta),
contados AS (
  SELECT r.*,
         NOT EXISTS (SELECT 1 FROM AUX_CLIENTES_IMPORTADOS p WHERE p.Archivo = r.Ruta AND p.Codigo = r.Codigo
                                                               AND p.Orden = 1)
         AND EXISTS (SELECT 1 FROM MA_CUENTAS c LEFT JOIN MA_CUENTASADIC a ON a.Codigo = c.CODIGO
                      WHERE c.CODIGO = r.Propia AND ifnull(trim(c.DESCRIPCION), '') = r.Nombre COLLATE CI_AS
                        AND ifnull(trim(a.NUMERO_DOCUMENTO), '') = r.Cuit COLLATE CI_AS) AS DespuesDePropia
    FROM recordados r)
SELECT Archivo, Codigo, Nombre, Cuit,
       row_number() OVER cliente + first_value(DespuesDePropia) OVER cliente AS Orden, Cuenta
  FROM contados
WINDOW cliente AS (PARTITION BY Archivo COLLATE CI_AS, Codigo COLLATE CI_AS, Nombre COLLATE CI_AS, Cuit COLLATE CI_AS
                   ORDER BY Ruta, Orden);
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
