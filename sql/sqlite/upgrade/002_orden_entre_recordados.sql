-- The import counted a customer of free code among the table's customers
-- equal in file name, Codigo, name and tax number, the first customer of a
-- number that can be an account code included, which takes that account and
-- is never remembered: so the remembered ones of such a number started at 1
-- or 2 by that customer's name and tax number, which no row keeps, and the
-- upgrade 001 guessed them from the number's account as it stood, with a
-- reading of the number of its own. The import now counts the remembered
-- customers alone, in the column OrdenEntreRecordados: the rows of a Codigo
-- that can be an account code, as the import reads it (NUMERO_DE_CODIGO),
-- count from 1 among the rows equal in the four, in their order, a gap left
-- by a customer never written kept; the others keep their numbers.

-- Needed when the table has no column OrdenEntreRecordados.
SELECT 1 WHERE EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS'))
  AND NOT EXISTS (SELECT 1 FROM pragma_table_info('AUX_CLIENTES_IMPORTADOS')
                   WHERE name = 'OrdenEntreRecordados' COLLATE NOCASE);

-- The rows in their new form, apart while the table is made again (renaming
-- the column would have SQLite check every view of the database, and a
-- database may hold views of tables it has not).
CREATE TEMP TABLE CLIENTES_IMPORTADOS_ANTES AS
SELECT Archivo, Codigo, Nombre, Cuit,
       CASE WHEN NUMERO_DE_CODIGO(Codigo, 4) IS NULL THEN Orden
            ELSE Orden + 1 - min(Orden) OVER (PARTITION BY Archivo COLLATE CI_AS, Codigo COLLATE CI_AS,
                                                           Nombre COLLATE CI_AS, Cuit COLLATE CI_AS) END
         AS OrdenEntreRecordados,
       Cuenta
  FROM AUX_CLIENTES_IMPORTADOS;
DROP TABLE AUX_CLIENTES_IMPORTADOS;
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
INSERT INTO AUX_CLIENTES_IMPORTADOS (Archivo, Codigo, Nombre, Cuit, OrdenEntreRecordados, Cuenta)
SELECT Archivo, Codigo, Nombre, Cuit, OrdenEntreRecordados, Cuenta FROM temp.CLIENTES_IMPORTADOS_ANTES;
DROP TABLE temp.CLIENTES_IMPORTADOS_ANTES;
