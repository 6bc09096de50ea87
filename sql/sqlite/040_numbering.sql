-- Voucher numbering and stock helpers: the voucher books and their control
-- list, the journals of the voucher types, the trips, stock movements and
-- purchase vouchers that numbers are tested against, the article master with
-- its components and unit equivalences, and the stock balances, which the
-- stock movements keep up to date.

-- Voucher books: one row per voucher type (CODIGO, the type filled to 4)
-- and book (TALONARIO). Per letter L of the seven (A, B, C, E, R, X, M):
-- the branch, the counter (the number the book offers next), the range and
-- its expiry. Modificanumeracion with both range ends 0 is a book without
-- range; ES ("E" in, "S" out) and Signo give the voucher's sign.
CREATE TABLE V_TA_CPTE (
  CODIGO                 CHAR(4)     COLLATE CI_AS NOT NULL,
  TALONARIO              INTEGER     NOT NULL,
  DESCRIPCION            VARCHAR(50) COLLATE CI_AS,
  SISTEMA                VARCHAR(20) COLLATE CI_AS,
  UNEGOCIO               CHAR(4)     COLLATE CI_AS,
  Letras                 VARCHAR(7)  COLLATE CI_AS,
  Modificanumeracion     BIT,
  Externo                BIT,
  ES                     CHAR(1)     COLLATE CI_AS,
  Signo                  SMALLINT,
  A_SUC_DEFAULT INTEGER,
  A_ULTIMO_NRO  INTEGER,
  A_NRO_DESDE   INTEGER,
  A_NRO_HASTA   INTEGER,
  VenceA        DATETIME,
  B_SUC_DEFAULT INTEGER,
  B_ULTIMO_NRO  INTEGER,
  B_NRO_DESDE   INTEGER,
  B_NRO_HASTA   INTEGER,
  VenceB        DATETIME,
  C_SUC_DEFAULT INTEGER,
  C_ULTIMO_NRO  INTEGER,
  C_NRO_DESDE   INTEGER,
  C_NRO_HASTA   INTEGER,
  VenceC        DATETIME,
  E_SUC_DEFAULT INTEGER,
  E_ULTIMO_NRO  INTEGER,
  E_NRO_DESDE   INTEGER,
  E_NRO_HASTA   INTEGER,
  VenceE        DATETIME,
  R_SUC_DEFAULT INTEGER,
  R_ULTIMO_NRO  INTEGER,
  R_NRO_DESDE   INTEGER,
  R_NRO_HASTA   INTEGER,
  VenceR        DATETIME,
  X_SUC_DEFAULT INTEGER,
  X_ULTIMO_NRO  INTEGER,
  X_NRO_DESDE   INTEGER,
  X_NRO_HASTA   INTEGER,
  VenceX        DATETIME,
  M_SUC_DEFAULT INTEGER,
  M_ULTIMO_NRO  INTEGER,
  M_NRO_DESDE   INTEGER,
  M_NRO_HASTA   INTEGER,
  VenceM        DATETIME,
  fechahora_modificacion DATETIME,
  PRIMARY KEY (CODIGO, TALONARIO),
  CONSTRAINT W_V_TA_CPTE_CODIGO CHECK (LEN(CODIGO) <= 4),
  CONSTRAINT W_V_TA_CPTE_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50),
  CONSTRAINT W_V_TA_CPTE_SISTEMA CHECK (LEN(SISTEMA) <= 20),
  CONSTRAINT W_V_TA_CPTE_UNEGOCIO CHECK (LEN(UNEGOCIO) <= 4),
  CONSTRAINT W_V_TA_CPTE_Letras CHECK (LEN(Letras) <= 7),
  CONSTRAINT W_V_TA_CPTE_ES CHECK (LEN(ES) <= 1),
  CONSTRAINT DT_V_TA_CPTE_VenceA CHECK (VenceA IS NULL OR typeof(VenceA) = 'text' AND (VenceA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceA CHECK (typeof(VenceA) <> 'text' OR (date(julianday(VenceA)) IS substr(VenceA, 1, 10) AND VenceA >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceB CHECK (VenceB IS NULL OR typeof(VenceB) = 'text' AND (VenceB GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceB GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceB CHECK (typeof(VenceB) <> 'text' OR (date(julianday(VenceB)) IS substr(VenceB, 1, 10) AND VenceB >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceC CHECK (VenceC IS NULL OR typeof(VenceC) = 'text' AND (VenceC GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceC GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceC CHECK (typeof(VenceC) <> 'text' OR (date(julianday(VenceC)) IS substr(VenceC, 1, 10) AND VenceC >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceE CHECK (VenceE IS NULL OR typeof(VenceE) = 'text' AND (VenceE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceE CHECK (typeof(VenceE) <> 'text' OR (date(julianday(VenceE)) IS substr(VenceE, 1, 10) AND VenceE >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceR CHECK (VenceR IS NULL OR typeof(VenceR) = 'text' AND (VenceR GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceR GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceR CHECK (typeof(VenceR) <> 'text' OR (date(julianday(VenceR)) IS substr(VenceR, 1, 10) AND VenceR >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceX CHECK (VenceX IS NULL OR typeof(VenceX) = 'text' AND (VenceX GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceX GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceX CHECK (typeof(VenceX) <> 'text' OR (date(julianday(VenceX)) IS substr(VenceX, 1, 10) AND VenceX >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_VenceM CHECK (VenceM IS NULL OR typeof(VenceM) = 'text' AND (VenceM GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceM GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_VenceM CHECK (typeof(VenceM) <> 'text' OR (date(julianday(VenceM)) IS substr(VenceM, 1, 10) AND VenceM >= '1753-01-01')),
  CONSTRAINT DT_V_TA_CPTE_fechahora_modificacion CHECK (fechahora_modificacion IS NULL OR typeof(fechahora_modificacion) = 'text' AND (fechahora_modificacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR fechahora_modificacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_TA_CPTE_fechahora_modificacion CHECK (typeof(fechahora_modificacion) <> 'text' OR (date(julianday(fechahora_modificacion)) IS substr(fechahora_modificacion, 1, 10) AND fechahora_modificacion >= '1753-01-01')),
  CONSTRAINT IT_V_TA_CPTE_TALONARIO CHECK (typeof(TALONARIO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_TALONARIO CHECK (TALONARIO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_V_TA_CPTE_Modificanumeracion CHECK (Modificanumeracion IN (0, 1)),
  CONSTRAINT BT_V_TA_CPTE_Externo CHECK (Externo IN (0, 1)),
  CONSTRAINT ST_V_TA_CPTE_Signo CHECK (typeof(Signo) IN ('integer', 'null')),
  CONSTRAINT SR_V_TA_CPTE_Signo CHECK (Signo BETWEEN -32768 AND 32767),
  CONSTRAINT IT_V_TA_CPTE_A_SUC_DEFAULT CHECK (typeof(A_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_A_SUC_DEFAULT CHECK (A_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_A_ULTIMO_NRO CHECK (typeof(A_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_A_ULTIMO_NRO CHECK (A_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_A_NRO_DESDE CHECK (typeof(A_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_A_NRO_DESDE CHECK (A_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_A_NRO_HASTA CHECK (typeof(A_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_A_NRO_HASTA CHECK (A_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_B_SUC_DEFAULT CHECK (typeof(B_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_B_SUC_DEFAULT CHECK (B_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_B_ULTIMO_NRO CHECK (typeof(B_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_B_ULTIMO_NRO CHECK (B_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_B_NRO_DESDE CHECK (typeof(B_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_B_NRO_DESDE CHECK (B_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_B_NRO_HASTA CHECK (typeof(B_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_B_NRO_HASTA CHECK (B_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_C_SUC_DEFAULT CHECK (typeof(C_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_C_SUC_DEFAULT CHECK (C_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_C_ULTIMO_NRO CHECK (typeof(C_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_C_ULTIMO_NRO CHECK (C_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_C_NRO_DESDE CHECK (typeof(C_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_C_NRO_DESDE CHECK (C_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_C_NRO_HASTA CHECK (typeof(C_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_C_NRO_HASTA CHECK (C_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_E_SUC_DEFAULT CHECK (typeof(E_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_E_SUC_DEFAULT CHECK (E_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_E_ULTIMO_NRO CHECK (typeof(E_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_E_ULTIMO_NRO CHECK (E_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_E_NRO_DESDE CHECK (typeof(E_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_E_NRO_DESDE CHECK (E_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_E_NRO_HASTA CHECK (typeof(E_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_E_NRO_HASTA CHECK (E_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_R_SUC_DEFAULT CHECK (typeof(R_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_R_SUC_DEFAULT CHECK (R_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_R_ULTIMO_NRO CHECK (typeof(R_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_R_ULTIMO_NRO CHECK (R_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_R_NRO_DESDE CHECK (typeof(R_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_R_NRO_DESDE CHECK (R_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_R_NRO_HASTA CHECK (typeof(R_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_R_NRO_HASTA CHECK (R_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_X_SUC_DEFAULT CHECK (typeof(X_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_X_SUC_DEFAULT CHECK (X_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_X_ULTIMO_NRO CHECK (typeof(X_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_X_ULTIMO_NRO CHECK (X_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_X_NRO_DESDE CHECK (typeof(X_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_X_NRO_DESDE CHECK (X_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_X_NRO_HASTA CHECK (typeof(X_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_X_NRO_HASTA CHECK (X_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_M_SUC_DEFAULT CHECK (typeof(M_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_M_SUC_DEFAULT CHECK (M_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_M_ULTIMO_NRO CHECK (typeof(M_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_M_ULTIMO_NRO CHECK (M_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_M_NRO_DESDE CHECK (typeof(M_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_M_NRO_DESDE CHECK (M_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_TA_CPTE_M_NRO_HASTA CHECK (typeof(M_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_V_TA_CPTE_M_NRO_HASTA CHECK (M_NRO_HASTA BETWEEN -2147483648 AND 2147483647)
);
-- The book choice of a business unit.
CREATE INDEX IX_V_TA_CPTE_UNEGOCIO ON V_TA_CPTE (CODIGO, UNEGOCIO, TALONARIO);
-- The service's lookups compare LTRIM(RTRIM(CODIGO)).
CREATE INDEX IX_V_TA_CPTE_CODIGO_TRIM ON V_TA_CPTE (LTRIM(RTRIM(CODIGO)) COLLATE CI_AS);

-- The voucher-type table of each subsystem, with the same book columns;
-- numbers are recorded here when V_TA_CPTE lacks the book.
CREATE TABLE TA_Comprobantes (
  CODIGO                 CHAR(4)     COLLATE CI_AS NOT NULL,
  TALONARIO              INTEGER     NOT NULL,
  DESCRIPCION            VARCHAR(50) COLLATE CI_AS,
  SISTEMA                VARCHAR(20) COLLATE CI_AS NOT NULL,
  UNEGOCIO               CHAR(4)     COLLATE CI_AS,
  Letras                 VARCHAR(7)  COLLATE CI_AS,
  Modificanumeracion     BIT,
  Externo                BIT,
  A_SUC_DEFAULT INTEGER,
  A_ULTIMO_NRO  INTEGER,
  A_NRO_DESDE   INTEGER,
  A_NRO_HASTA   INTEGER,
  VenceA        DATETIME,
  B_SUC_DEFAULT INTEGER,
  B_ULTIMO_NRO  INTEGER,
  B_NRO_DESDE   INTEGER,
  B_NRO_HASTA   INTEGER,
  VenceB        DATETIME,
  C_SUC_DEFAULT INTEGER,
  C_ULTIMO_NRO  INTEGER,
  C_NRO_DESDE   INTEGER,
  C_NRO_HASTA   INTEGER,
  VenceC        DATETIME,
  E_SUC_DEFAULT INTEGER,
  E_ULTIMO_NRO  INTEGER,
  E_NRO_DESDE   INTEGER,
  E_NRO_HASTA   INTEGER,
  VenceE        DATETIME,
  R_SUC_DEFAULT INTEGER,
  R_ULTIMO_NRO  INTEGER,
  R_NRO_DESDE   INTEGER,
  R_NRO_HASTA   INTEGER,
  VenceR        DATETIME,
  X_SUC_DEFAULT INTEGER,
  X_ULTIMO_NRO  INTEGER,
  X_NRO_DESDE   INTEGER,
  X_NRO_HASTA   INTEGER,
  VenceX        DATETIME,
  M_SUC_DEFAULT INTEGER,
  M_ULTIMO_NRO  INTEGER,
  M_NRO_DESDE   INTEGER,
  M_NRO_HASTA   INTEGER,
  VenceM        DATETIME,
  fechahora_modificacion DATETIME,
  PRIMARY KEY (CODIGO, SISTEMA, TALONARIO),
  CONSTRAINT W_TA_Comprobantes_CODIGO CHECK (LEN(CODIGO) <= 4),
  CONSTRAINT W_TA_Comprobantes_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50),
  CONSTRAINT W_TA_Comprobantes_SISTEMA CHECK (LEN(SISTEMA) <= 20),
  CONSTRAINT W_TA_Comprobantes_UNEGOCIO CHECK (LEN(UNEGOCIO) <= 4),
  CONSTRAINT W_TA_Comprobantes_Letras CHECK (LEN(Letras) <= 7),
  CONSTRAINT DT_TA_Comprobantes_VenceA CHECK (VenceA IS NULL OR typeof(VenceA) = 'text' AND (VenceA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceA CHECK (typeof(VenceA) <> 'text' OR (date(julianday(VenceA)) IS substr(VenceA, 1, 10) AND VenceA >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceB CHECK (VenceB IS NULL OR typeof(VenceB) = 'text' AND (VenceB GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceB GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceB CHECK (typeof(VenceB) <> 'text' OR (date(julianday(VenceB)) IS substr(VenceB, 1, 10) AND VenceB >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceC CHECK (VenceC IS NULL OR typeof(VenceC) = 'text' AND (VenceC GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceC GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceC CHECK (typeof(VenceC) <> 'text' OR (date(julianday(VenceC)) IS substr(VenceC, 1, 10) AND VenceC >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceE CHECK (VenceE IS NULL OR typeof(VenceE) = 'text' AND (VenceE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceE CHECK (typeof(VenceE) <> 'text' OR (date(julianday(VenceE)) IS substr(VenceE, 1, 10) AND VenceE >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceR CHECK (VenceR IS NULL OR typeof(VenceR) = 'text' AND (VenceR GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceR GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceR CHECK (typeof(VenceR) <> 'text' OR (date(julianday(VenceR)) IS substr(VenceR, 1, 10) AND VenceR >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceX CHECK (VenceX IS NULL OR typeof(VenceX) = 'text' AND (VenceX GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceX GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceX CHECK (typeof(VenceX) <> 'text' OR (date(julianday(VenceX)) IS substr(VenceX, 1, 10) AND VenceX >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_VenceM CHECK (VenceM IS NULL OR typeof(VenceM) = 'text' AND (VenceM GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR VenceM GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_VenceM CHECK (typeof(VenceM) <> 'text' OR (date(julianday(VenceM)) IS substr(VenceM, 1, 10) AND VenceM >= '1753-01-01')),
  CONSTRAINT DT_TA_Comprobantes_fechahora_modificacion CHECK (fechahora_modificacion IS NULL OR typeof(fechahora_modificacion) = 'text' AND (fechahora_modificacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR fechahora_modificacion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_TA_Comprobantes_fechahora_modificacion CHECK (typeof(fechahora_modificacion) <> 'text' OR (date(julianday(fechahora_modificacion)) IS substr(fechahora_modificacion, 1, 10) AND fechahora_modificacion >= '1753-01-01')),
  CONSTRAINT IT_TA_Comprobantes_TALONARIO CHECK (typeof(TALONARIO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_TALONARIO CHECK (TALONARIO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_TA_Comprobantes_Modificanumeracion CHECK (Modificanumeracion IN (0, 1)),
  CONSTRAINT BT_TA_Comprobantes_Externo CHECK (Externo IN (0, 1)),
  CONSTRAINT IT_TA_Comprobantes_A_SUC_DEFAULT CHECK (typeof(A_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_A_SUC_DEFAULT CHECK (A_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_A_ULTIMO_NRO CHECK (typeof(A_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_A_ULTIMO_NRO CHECK (A_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_A_NRO_DESDE CHECK (typeof(A_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_A_NRO_DESDE CHECK (A_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_A_NRO_HASTA CHECK (typeof(A_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_A_NRO_HASTA CHECK (A_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_B_SUC_DEFAULT CHECK (typeof(B_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_B_SUC_DEFAULT CHECK (B_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_B_ULTIMO_NRO CHECK (typeof(B_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_B_ULTIMO_NRO CHECK (B_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_B_NRO_DESDE CHECK (typeof(B_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_B_NRO_DESDE CHECK (B_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_B_NRO_HASTA CHECK (typeof(B_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_B_NRO_HASTA CHECK (B_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_C_SUC_DEFAULT CHECK (typeof(C_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_C_SUC_DEFAULT CHECK (C_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_C_ULTIMO_NRO CHECK (typeof(C_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_C_ULTIMO_NRO CHECK (C_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_C_NRO_DESDE CHECK (typeof(C_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_C_NRO_DESDE CHECK (C_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_C_NRO_HASTA CHECK (typeof(C_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_C_NRO_HASTA CHECK (C_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_E_SUC_DEFAULT CHECK (typeof(E_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_E_SUC_DEFAULT CHECK (E_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_E_ULTIMO_NRO CHECK (typeof(E_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_E_ULTIMO_NRO CHECK (E_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_E_NRO_DESDE CHECK (typeof(E_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_E_NRO_DESDE CHECK (E_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_E_NRO_HASTA CHECK (typeof(E_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_E_NRO_HASTA CHECK (E_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_R_SUC_DEFAULT CHECK (typeof(R_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_R_SUC_DEFAULT CHECK (R_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_R_ULTIMO_NRO CHECK (typeof(R_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_R_ULTIMO_NRO CHECK (R_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_R_NRO_DESDE CHECK (typeof(R_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_R_NRO_DESDE CHECK (R_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_R_NRO_HASTA CHECK (typeof(R_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_R_NRO_HASTA CHECK (R_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_X_SUC_DEFAULT CHECK (typeof(X_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_X_SUC_DEFAULT CHECK (X_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_X_ULTIMO_NRO CHECK (typeof(X_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_X_ULTIMO_NRO CHECK (X_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_X_NRO_DESDE CHECK (typeof(X_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_X_NRO_DESDE CHECK (X_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_X_NRO_HASTA CHECK (typeof(X_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_X_NRO_HASTA CHECK (X_NRO_HASTA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_M_SUC_DEFAULT CHECK (typeof(M_SUC_DEFAULT) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_M_SUC_DEFAULT CHECK (M_SUC_DEFAULT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_M_ULTIMO_NRO CHECK (typeof(M_ULTIMO_NRO) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_M_ULTIMO_NRO CHECK (M_ULTIMO_NRO BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_M_NRO_DESDE CHECK (typeof(M_NRO_DESDE) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_M_NRO_DESDE CHECK (M_NRO_DESDE BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_TA_Comprobantes_M_NRO_HASTA CHECK (typeof(M_NRO_HASTA) IN ('integer', 'null')),
  CONSTRAINT IR_TA_Comprobantes_M_NRO_HASTA CHECK (M_NRO_HASTA BETWEEN -2147483648 AND 2147483647)
);

-- The control list of issued numbers: one row per voucher.
CREATE TABLE V_MV_CTROL_CPTE (
  TC       CHAR(4) COLLATE CI_AS NOT NULL,
  SUCURSAL CHAR(4) COLLATE CI_AS NOT NULL,
  NUMERO   CHAR(8) COLLATE CI_AS NOT NULL,
  LETRA    CHAR(1) COLLATE CI_AS NOT NULL,
  CONSTRAINT W_V_MV_CTROL_CPTE_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CTROL_CPTE_SUCURSAL CHECK (LEN(SUCURSAL) <= 4),
  CONSTRAINT W_V_MV_CTROL_CPTE_NUMERO CHECK (LEN(NUMERO) <= 8),
  CONSTRAINT W_V_MV_CTROL_CPTE_LETRA CHECK (LEN(LETRA) <= 1)
);
CREATE INDEX IX_V_MV_CTROL_CPTE ON V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA);

-- The journals (subdiarios) and the journal of each voucher type, whose
-- code is the register type of the type's entries.
CREATE TABLE MA_SUBDIARIOS (
  CODIGO      CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  DESCRIPCION VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_MA_SUBDIARIOS_CODIGO CHECK (LEN(CODIGO) <= 4),
  CONSTRAINT W_MA_SUBDIARIOS_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 50)
);
CREATE TABLE MA_SUBDIARIOSCOMPROBANTES (
  TC        CHAR(4) COLLATE CI_AS NOT NULL PRIMARY KEY,
  Subdiario CHAR(4) COLLATE CI_AS,
  CONSTRAINT W_MA_SUBDIARIOSCOMPROBANTES_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_MA_SUBDIARIOSCOMPROBANTES_Subdiario CHECK (LEN(Subdiario) <= 4)
);

-- Trips, numbered like vouchers.
CREATE TABLE MV_VIAJES (
  TC            CHAR(4)  COLLATE CI_AS NOT NULL,
  IdComprobante CHAR(13) COLLATE CI_AS NOT NULL,
  Fecha         DATETIME,
  PRIMARY KEY (TC, IdComprobante),
  CONSTRAINT W_MV_VIAJES_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_MV_VIAJES_IdComprobante CHECK (LEN(IdComprobante) <= 13),
  CONSTRAINT DT_MV_VIAJES_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_MV_VIAJES_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01'))
);

-- Purchase vouchers: type, branch + number + letter (also apart) and the
-- supplier account.
CREATE TABLE C_MV_CPTE (
  ID             INTEGER,
  TC             CHAR(4)      COLLATE CI_AS NOT NULL,
  IDCOMPROBANTE  CHAR(13)     COLLATE CI_AS NOT NULL,
  SUCURSAL       CHAR(4)      COLLATE CI_AS,
  NUMERO         CHAR(8)      COLLATE CI_AS,
  LETRA          CHAR(1)      COLLATE CI_AS,
  CUENTA         VARCHAR(9)   COLLATE CI_AS NOT NULL,
  NOMBRE         VARCHAR(100) COLLATE CI_AS,
  FECHA          DATETIME,
  Importe        MONEY        DEFAULT 0,
  ANULADA        BIT          DEFAULT 0,
  APROBADO       BIT          DEFAULT 0,
  comentarios    VARCHAR(255) COLLATE CI_AS,
  Garantia       VARCHAR(50)  COLLATE CI_AS,
  FechaRecepcion DATETIME,
  PRIMARY KEY (TC, IDCOMPROBANTE, CUENTA),
  CONSTRAINT W_C_MV_CPTE_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_C_MV_CPTE_IDCOMPROBANTE CHECK (LEN(IDCOMPROBANTE) <= 13),
  CONSTRAINT W_C_MV_CPTE_SUCURSAL CHECK (LEN(SUCURSAL) <= 4),
  CONSTRAINT W_C_MV_CPTE_NUMERO CHECK (LEN(NUMERO) <= 8),
  CONSTRAINT W_C_MV_CPTE_LETRA CHECK (LEN(LETRA) <= 1),
  CONSTRAINT W_C_MV_CPTE_CUENTA CHECK (LEN(CUENTA) <= 9),
  CONSTRAINT W_C_MV_CPTE_NOMBRE CHECK (LEN(NOMBRE) <= 100),
  CONSTRAINT W_C_MV_CPTE_comentarios CHECK (LEN(comentarios) <= 255),
  CONSTRAINT W_C_MV_CPTE_Garantia CHECK (LEN(Garantia) <= 50),
  CONSTRAINT DT_C_MV_CPTE_FECHA CHECK (FECHA IS NULL OR typeof(FECHA) = 'text' AND (FECHA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FECHA GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTE_FECHA CHECK (typeof(FECHA) <> 'text' OR (date(julianday(FECHA)) IS substr(FECHA, 1, 10) AND FECHA >= '1753-01-01')),
  CONSTRAINT MT_C_MV_CPTE_Importe CHECK (typeof(Importe) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_C_MV_CPTE_Importe CHECK (typeof(Importe) NOT IN ('integer', 'real') OR Importe BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT DT_C_MV_CPTE_FechaRecepcion CHECK (FechaRecepcion IS NULL OR typeof(FechaRecepcion) = 'text' AND (FechaRecepcion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FechaRecepcion GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_C_MV_CPTE_FechaRecepcion CHECK (typeof(FechaRecepcion) <> 'text' OR (date(julianday(FechaRecepcion)) IS substr(FechaRecepcion, 1, 10) AND FechaRecepcion >= '1753-01-01')),
  CONSTRAINT IT_C_MV_CPTE_ID CHECK (typeof(ID) IN ('integer', 'null')),
  CONSTRAINT IR_C_MV_CPTE_ID CHECK (ID BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT BT_C_MV_CPTE_ANULADA CHECK (ANULADA IN (0, 1)),
  CONSTRAINT BT_C_MV_CPTE_APROBADO CHECK (APROBADO IN (0, 1))
);
-- The highest number of a type, branch and letter.
CREATE INDEX IX_C_MV_CPTE_NUMERO ON C_MV_CPTE (TC, SUCURSAL, LETRA, NUMERO);

-- Article master: base unit (IDUNIDAD), cost, supplier, tracking by serials
-- or lots, barcodes with their units, the reorder point (PUNTOPEDIDO), and the
-- stock account (CUENTACONTABLEC) that the accounting entry of a stock
-- movement values the article on.
CREATE TABLE V_MA_ARTICULOS (
  IDARTICULO         VARCHAR(25)  COLLATE CI_AS NOT NULL PRIMARY KEY,
  DESCRIPCION        VARCHAR(100) COLLATE CI_AS,
  IDUNIDAD           CHAR(4)      COLLATE CI_AS,
  Costo              MONEY        DEFAULT 0,
  CUENTAPROVEEDOR    VARCHAR(9)   COLLATE CI_AS,
  CodigoArtProveedor VARCHAR(25)  COLLATE CI_AS,
  USASERIE           BIT          DEFAULT 0,
  USALOTE            BIT          DEFAULT 0,
  PIDEMEDIDAS        BIT          DEFAULT 0,
  SUSPENDIDO         BIT          DEFAULT 0,
  codigobarra        VARCHAR(25)  COLLATE CI_AS,
  CODIGOBARRADUN     VARCHAR(25)  COLLATE CI_AS,
  UD_TTE             CHAR(4)      COLLATE CI_AS,
  CODIGOBARRA1       VARCHAR(25)  COLLATE CI_AS,
  UMCB1              CHAR(4)      COLLATE CI_AS,
  CODIGOBARRA2       VARCHAR(25)  COLLATE CI_AS,
  UMCB2              CHAR(4)      COLLATE CI_AS,
  CODIGOBARRA3       VARCHAR(25)  COLLATE CI_AS,
  UMCB3              CHAR(4)      COLLATE CI_AS,
  CODIGOBARRA4       VARCHAR(25)  COLLATE CI_AS,
  UMCB4              CHAR(4)      COLLATE CI_AS,
  PUNTOPEDIDO        DECIMAL(18,4) DEFAULT 0,
  CUENTACONTABLEC    VARCHAR(9)   COLLATE CI_AS,
  CONSTRAINT W_V_MA_ARTICULOS_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_DESCRIPCION CHECK (LEN(DESCRIPCION) <= 100),
  CONSTRAINT W_V_MA_ARTICULOS_IDUNIDAD CHECK (LEN(IDUNIDAD) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_CUENTAPROVEEDOR CHECK (LEN(CUENTAPROVEEDOR) <= 9),
  CONSTRAINT W_V_MA_ARTICULOS_CodigoArtProveedor CHECK (LEN(CodigoArtProveedor) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_codigobarra CHECK (LEN(codigobarra) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_CODIGOBARRADUN CHECK (LEN(CODIGOBARRADUN) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_UD_TTE CHECK (LEN(UD_TTE) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_CODIGOBARRA1 CHECK (LEN(CODIGOBARRA1) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_CODIGOBARRA2 CHECK (LEN(CODIGOBARRA2) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_CODIGOBARRA3 CHECK (LEN(CODIGOBARRA3) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_CODIGOBARRA4 CHECK (LEN(CODIGOBARRA4) <= 25),
  CONSTRAINT W_V_MA_ARTICULOS_UMCB1 CHECK (LEN(UMCB1) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_UMCB2 CHECK (LEN(UMCB2) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_UMCB3 CHECK (LEN(UMCB3) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_UMCB4 CHECK (LEN(UMCB4) <= 4),
  CONSTRAINT W_V_MA_ARTICULOS_CUENTACONTABLEC CHECK (LEN(CUENTACONTABLEC) <= 9),
  CONSTRAINT MT_V_MA_ARTICULOS_Costo CHECK (typeof(Costo) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MA_ARTICULOS_Costo CHECK (typeof(Costo) NOT IN ('integer', 'real') OR Costo BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MA_ARTICULOS_PUNTOPEDIDO CHECK (typeof(PUNTOPEDIDO) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MA_ARTICULOS_PUNTOPEDIDO CHECK (typeof(PUNTOPEDIDO) NOT IN ('integer', 'real') OR (PUNTOPEDIDO > -100000000000000 AND PUNTOPEDIDO < 100000000000000)),
  CONSTRAINT BT_V_MA_ARTICULOS_USASERIE CHECK (USASERIE IN (0, 1)),
  CONSTRAINT BT_V_MA_ARTICULOS_USALOTE CHECK (USALOTE IN (0, 1)),
  CONSTRAINT BT_V_MA_ARTICULOS_PIDEMEDIDAS CHECK (PIDEMEDIDAS IN (0, 1)),
  CONSTRAINT BT_V_MA_ARTICULOS_SUSPENDIDO CHECK (SUSPENDIDO IN (0, 1))
);
-- The service's lookups compare LTRIM(RTRIM(IDARTICULO)); articles are also
-- found by their barcodes and by the supplier's code.
CREATE INDEX IX_V_MA_ARTICULOS_IDARTICULO_TRIM ON V_MA_ARTICULOS (LTRIM(RTRIM(IDARTICULO)) COLLATE CI_AS);
CREATE INDEX IX_V_MA_ARTICULOS_codigobarra ON V_MA_ARTICULOS (codigobarra);
CREATE INDEX IX_V_MA_ARTICULOS_CODIGOBARRADUN ON V_MA_ARTICULOS (CODIGOBARRADUN);
CREATE INDEX IX_V_MA_ARTICULOS_CODIGOBARRA1 ON V_MA_ARTICULOS (CODIGOBARRA1);
CREATE INDEX IX_V_MA_ARTICULOS_CODIGOBARRA2 ON V_MA_ARTICULOS (CODIGOBARRA2);
CREATE INDEX IX_V_MA_ARTICULOS_CODIGOBARRA3 ON V_MA_ARTICULOS (CODIGOBARRA3);
CREATE INDEX IX_V_MA_ARTICULOS_CODIGOBARRA4 ON V_MA_ARTICULOS (CODIGOBARRA4);
CREATE INDEX IX_V_MA_ARTICULOS_CodigoArtProveedor ON V_MA_ARTICULOS (CodigoArtProveedor, CUENTAPROVEEDOR);

-- The components (inputs) of an article, with their unit and the quantity
-- per unit of the article (or a percentage).
CREATE TABLE V_MA_INSUMOS (
  IDARTICULO       VARCHAR(25)   COLLATE CI_AS NOT NULL,
  IdArticuloInsumo VARCHAR(25)   COLLATE CI_AS NOT NULL,
  IdUnidadInsumo   CHAR(4)       COLLATE CI_AS,
  Cantidad         DECIMAL(18,4) DEFAULT 0,
  PRIMARY KEY (IDARTICULO, IdArticuloInsumo),
  CONSTRAINT W_V_MA_INSUMOS_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_V_MA_INSUMOS_IdArticuloInsumo CHECK (LEN(IdArticuloInsumo) <= 25),
  CONSTRAINT W_V_MA_INSUMOS_IdUnidadInsumo CHECK (LEN(IdUnidadInsumo) <= 4),
  CONSTRAINT NT_V_MA_INSUMOS_Cantidad CHECK (typeof(Cantidad) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MA_INSUMOS_Cantidad CHECK (typeof(Cantidad) NOT IN ('integer', 'real') OR (Cantidad > -100000000000000 AND Cantidad < 100000000000000))
);

-- Unit equivalences of an article: a row relates IDUNIDAD and
-- IDUNIDAD_EQUIV through Coeficiente, in both directions.
CREATE TABLE S_TA_EQUIV (
  IdArticulo     VARCHAR(25) COLLATE CI_AS NOT NULL,
  IDUNIDAD       CHAR(4)     COLLATE CI_AS NOT NULL,
  IDUNIDAD_EQUIV CHAR(4)     COLLATE CI_AS NOT NULL,
  Coeficiente    FLOAT,
  PRIMARY KEY (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV),
  CONSTRAINT W_S_TA_EQUIV_IdArticulo CHECK (LEN(IdArticulo) <= 25),
  CONSTRAINT W_S_TA_EQUIV_IDUNIDAD CHECK (LEN(IDUNIDAD) <= 4),
  CONSTRAINT W_S_TA_EQUIV_IDUNIDAD_EQUIV CHECK (LEN(IDUNIDAD_EQUIV) <= 4)
);

-- Stock movements: one signed row per voucher line and lot or serial item.
-- Cantidad is in IdUnidad, CantidadUD in IdUnidadBase.
CREATE TABLE V_MV_STOCK (
  TC                   CHAR(4)       COLLATE CI_AS NOT NULL,
  IdComprobante        CHAR(13)      COLLATE CI_AS NOT NULL,
  IdComplemento        INTEGER,
  Secuencia            INTEGER,
  Fecha                DATETIME,
  IdCaja               CHAR(4)       COLLATE CI_AS,
  IdDeposito           CHAR(4)       COLLATE CI_AS,
  IDDEPOSITO_DESTINO   CHAR(4)       COLLATE CI_AS,
  IdArticulo           VARCHAR(25)   COLLATE CI_AS,
  Descripcion          VARCHAR(255)  COLLATE CI_AS,
  NroLote              VARCHAR(25)   COLLATE CI_AS,
  ControladoPor        VARCHAR(50)   COLLATE CI_AS,
  IdOrigen             CHAR(4)       COLLATE CI_AS,
  NroSerie             VARCHAR(25)   COLLATE CI_AS,
  IdUnidad             CHAR(4)       COLLATE CI_AS,
  Cantidad             DECIMAL(18,4) DEFAULT 0,
  CantidadUD           DECIMAL(18,4),
  IdUnidadBase         CHAR(4)       COLLATE CI_AS,
  CuentaProveedor      VARCHAR(9)    COLLATE CI_AS,
  IdMotivoStock        CHAR(4)       COLLATE CI_AS,
  PrecioVenta          MONEY         DEFAULT 0,
  Importe_S_Iva        MONEY         DEFAULT 0,
  Costo                MONEY         DEFAULT 0,
  Impuestos            MONEY         DEFAULT 0,
  DtoItem              DECIMAL(9,4)  DEFAULT 0,
  Tc_Origen            VARCHAR(4)    COLLATE CI_AS,
  IdComprobante_Origen VARCHAR(13)   COLLATE CI_AS,
  Id_Origen            INTEGER,
  IVARI                DECIMAL(9,4)  DEFAULT 0,
  IVARNI               DECIMAL(9,4)  DEFAULT 0,
  IdTecnico            CHAR(4)       COLLATE CI_AS,
  EQUIV_UDBASE         DECIMAL(18,6) DEFAULT 1,
  IDINSERT             INTEGER,
  IDCOMPULSA           INTEGER,
  Oferta               INTEGER,
  IdVendedor           VARCHAR(4)    COLLATE CI_AS,
  Importe_Ud           MONEY         DEFAULT 0,
  Ud_Pr                CHAR(4)       COLLATE CI_AS,
  UNEGOCIO             CHAR(4)       COLLATE CI_AS,
  ARTMONEDA            CHAR(4)       COLLATE CI_AS,
  ARTCOTIZACION        DECIMAL(18,4) DEFAULT 1,
  EnComodato           INTEGER,
  CONSTRAINT W_V_MV_STOCK_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdComprobante CHECK (LEN(IdComprobante) <= 13),
  CONSTRAINT W_V_MV_STOCK_IdCaja CHECK (LEN(IdCaja) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdDeposito CHECK (LEN(IdDeposito) <= 4),
  CONSTRAINT W_V_MV_STOCK_IDDEPOSITO_DESTINO CHECK (LEN(IDDEPOSITO_DESTINO) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdArticulo CHECK (LEN(IdArticulo) <= 25),
  CONSTRAINT W_V_MV_STOCK_Descripcion CHECK (LEN(Descripcion) <= 255),
  CONSTRAINT W_V_MV_STOCK_NroLote CHECK (LEN(NroLote) <= 25),
  CONSTRAINT W_V_MV_STOCK_ControladoPor CHECK (LEN(ControladoPor) <= 50),
  CONSTRAINT W_V_MV_STOCK_IdOrigen CHECK (LEN(IdOrigen) <= 4),
  CONSTRAINT W_V_MV_STOCK_NroSerie CHECK (LEN(NroSerie) <= 25),
  CONSTRAINT W_V_MV_STOCK_IdUnidad CHECK (LEN(IdUnidad) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdUnidadBase CHECK (LEN(IdUnidadBase) <= 4),
  CONSTRAINT W_V_MV_STOCK_CuentaProveedor CHECK (LEN(CuentaProveedor) <= 9),
  CONSTRAINT W_V_MV_STOCK_IdMotivoStock CHECK (LEN(IdMotivoStock) <= 4),
  CONSTRAINT W_V_MV_STOCK_Tc_Origen CHECK (LEN(Tc_Origen) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdComprobante_Origen CHECK (LEN(IdComprobante_Origen) <= 13),
  CONSTRAINT W_V_MV_STOCK_IdTecnico CHECK (LEN(IdTecnico) <= 4),
  CONSTRAINT W_V_MV_STOCK_IdVendedor CHECK (LEN(IdVendedor) <= 4),
  CONSTRAINT W_V_MV_STOCK_Ud_Pr CHECK (LEN(Ud_Pr) <= 4),
  CONSTRAINT W_V_MV_STOCK_UNEGOCIO CHECK (LEN(UNEGOCIO) <= 4),
  CONSTRAINT W_V_MV_STOCK_ARTMONEDA CHECK (LEN(ARTMONEDA) <= 4),
  CONSTRAINT DT_V_MV_STOCK_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_STOCK_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01')),
  CONSTRAINT NT_V_MV_STOCK_Cantidad CHECK (typeof(Cantidad) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_Cantidad CHECK (typeof(Cantidad) NOT IN ('integer', 'real') OR (Cantidad > -100000000000000 AND Cantidad < 100000000000000)),
  CONSTRAINT NT_V_MV_STOCK_CantidadUD CHECK (typeof(CantidadUD) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_CantidadUD CHECK (typeof(CantidadUD) NOT IN ('integer', 'real') OR (CantidadUD > -100000000000000 AND CantidadUD < 100000000000000)),
  CONSTRAINT MT_V_MV_STOCK_PrecioVenta CHECK (typeof(PrecioVenta) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_STOCK_PrecioVenta CHECK (typeof(PrecioVenta) NOT IN ('integer', 'real') OR PrecioVenta BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_STOCK_Importe_S_Iva CHECK (typeof(Importe_S_Iva) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_STOCK_Importe_S_Iva CHECK (typeof(Importe_S_Iva) NOT IN ('integer', 'real') OR Importe_S_Iva BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_STOCK_Costo CHECK (typeof(Costo) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_STOCK_Costo CHECK (typeof(Costo) NOT IN ('integer', 'real') OR Costo BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT MT_V_MV_STOCK_Impuestos CHECK (typeof(Impuestos) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_STOCK_Impuestos CHECK (typeof(Impuestos) NOT IN ('integer', 'real') OR Impuestos BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_STOCK_DtoItem CHECK (typeof(DtoItem) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_DtoItem CHECK (typeof(DtoItem) NOT IN ('integer', 'real') OR (DtoItem > -100000 AND DtoItem < 100000)),
  CONSTRAINT NT_V_MV_STOCK_IVARI CHECK (typeof(IVARI) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_IVARI CHECK (typeof(IVARI) NOT IN ('integer', 'real') OR (IVARI > -100000 AND IVARI < 100000)),
  CONSTRAINT NT_V_MV_STOCK_IVARNI CHECK (typeof(IVARNI) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_IVARNI CHECK (typeof(IVARNI) NOT IN ('integer', 'real') OR (IVARNI > -100000 AND IVARNI < 100000)),
  CONSTRAINT NT_V_MV_STOCK_EQUIV_UDBASE CHECK (typeof(EQUIV_UDBASE) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_EQUIV_UDBASE CHECK (typeof(EQUIV_UDBASE) NOT IN ('integer', 'real') OR (EQUIV_UDBASE > -1000000000000 AND EQUIV_UDBASE < 1000000000000)),
  CONSTRAINT MT_V_MV_STOCK_Importe_Ud CHECK (typeof(Importe_Ud) IN ('integer', 'real', 'null')),
  CONSTRAINT MR_V_MV_STOCK_Importe_Ud CHECK (typeof(Importe_Ud) NOT IN ('integer', 'real') OR Importe_Ud BETWEEN -922337203685477.5 AND 922337203685477.5),
  CONSTRAINT NT_V_MV_STOCK_ARTCOTIZACION CHECK (typeof(ARTCOTIZACION) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_V_MV_STOCK_ARTCOTIZACION CHECK (typeof(ARTCOTIZACION) NOT IN ('integer', 'real') OR (ARTCOTIZACION > -100000000000000 AND ARTCOTIZACION < 100000000000000)),
  CONSTRAINT IT_V_MV_STOCK_IdComplemento CHECK (typeof(IdComplemento) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_IdComplemento CHECK (IdComplemento BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_Secuencia CHECK (typeof(Secuencia) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_Secuencia CHECK (Secuencia BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_Id_Origen CHECK (typeof(Id_Origen) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_Id_Origen CHECK (Id_Origen BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_IDINSERT CHECK (typeof(IDINSERT) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_IDINSERT CHECK (IDINSERT BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_IDCOMPULSA CHECK (typeof(IDCOMPULSA) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_IDCOMPULSA CHECK (IDCOMPULSA BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_Oferta CHECK (typeof(Oferta) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_Oferta CHECK (Oferta BETWEEN -2147483648 AND 2147483647),
  CONSTRAINT IT_V_MV_STOCK_EnComodato CHECK (typeof(EnComodato) IN ('integer', 'null')),
  CONSTRAINT IR_V_MV_STOCK_EnComodato CHECK (EnComodato BETWEEN -2147483648 AND 2147483647)
);
-- The rows of a voucher and the highest voucher of a type; the balances of
-- an article.
CREATE INDEX IX_V_MV_STOCK_COMPROBANTE ON V_MV_STOCK (TC, IdComprobante);
CREATE INDEX IX_V_MV_STOCK_ARTICULO ON V_MV_STOCK (IdArticulo, IdDeposito);

-- The stock balances the database keeps: every movement written, changed or
-- removed in V_MV_STOCK moves them (through the triggers below), so that a
-- balance is read with one index seek.

-- Stock by lot and serial in each deposit (and storage position: none for
-- the balances of movements).
CREATE TABLE STK_SERIES_Y_LOTES (
  IDARTICULO VARCHAR(25)   COLLATE CI_AS NOT NULL,
  IDDEPOSITO CHAR(4)       COLLATE CI_AS,
  NROLOTE    VARCHAR(25)   COLLATE CI_AS,
  NROSERIE   VARCHAR(25)   COLLATE CI_AS,
  IDPOSICION VARCHAR(15)   COLLATE CI_AS,
  CANTIDAD   DECIMAL(18,4) NOT NULL DEFAULT 0,
  CONSTRAINT W_STK_SERIES_Y_LOTES_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_STK_SERIES_Y_LOTES_IDDEPOSITO CHECK (LEN(IDDEPOSITO) <= 4),
  CONSTRAINT W_STK_SERIES_Y_LOTES_NROLOTE CHECK (LEN(NROLOTE) <= 25),
  CONSTRAINT W_STK_SERIES_Y_LOTES_NROSERIE CHECK (LEN(NROSERIE) <= 25),
  CONSTRAINT W_STK_SERIES_Y_LOTES_IDPOSICION CHECK (LEN(IDPOSICION) <= 15),
  CONSTRAINT NT_STK_SERIES_Y_LOTES_CANTIDAD CHECK (typeof(CANTIDAD) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_STK_SERIES_Y_LOTES_CANTIDAD CHECK (typeof(CANTIDAD) NOT IN ('integer', 'real') OR (CANTIDAD > -100000000000000 AND CANTIDAD < 100000000000000))
);
CREATE INDEX IX_STK_SERIES_Y_LOTES ON STK_SERIES_Y_LOTES (IDARTICULO, IDDEPOSITO, NROLOTE, NROSERIE, IDPOSICION);

-- Stock by unit (EQUIVALENCIA) in each deposit: a movement counts Cantidad
-- in IdUnidad and, when its second unit differs, CantidadUD in IdUnidadBase.
CREATE TABLE STK_SALDOS_UNIDADES (
  IDARTICULO   VARCHAR(25)   COLLATE CI_AS NOT NULL,
  EQUIVALENCIA CHAR(4)       COLLATE CI_AS,
  IDDEPOSITO   CHAR(4)       COLLATE CI_AS,
  STOCK        DECIMAL(18,4) NOT NULL DEFAULT 0,
  CONSTRAINT W_STK_SALDOS_UNIDADES_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_STK_SALDOS_UNIDADES_EQUIVALENCIA CHECK (LEN(EQUIVALENCIA) <= 4),
  CONSTRAINT W_STK_SALDOS_UNIDADES_IDDEPOSITO CHECK (LEN(IDDEPOSITO) <= 4),
  CONSTRAINT NT_STK_SALDOS_UNIDADES_STOCK CHECK (typeof(STOCK) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_STK_SALDOS_UNIDADES_STOCK CHECK (typeof(STOCK) NOT IN ('integer', 'real') OR (STOCK > -100000000000000 AND STOCK < 100000000000000))
);
CREATE INDEX IX_STK_SALDOS_UNIDADES ON STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO);

-- Stock in units and kilograms: the movements' second quantity, per
-- deposit.
CREATE TABLE STK_STOCK_UDKG (
  IDARTICULO VARCHAR(25)   COLLATE CI_AS NOT NULL,
  IDDEPOSITO CHAR(4)       COLLATE CI_AS,
  CantidadUd DECIMAL(18,4) NOT NULL DEFAULT 0,
  CONSTRAINT W_STK_STOCK_UDKG_IDARTICULO CHECK (LEN(IDARTICULO) <= 25),
  CONSTRAINT W_STK_STOCK_UDKG_IDDEPOSITO CHECK (LEN(IDDEPOSITO) <= 4),
  CONSTRAINT NT_STK_STOCK_UDKG_CantidadUd CHECK (typeof(CantidadUd) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_STK_STOCK_UDKG_CantidadUd CHECK (typeof(CantidadUd) NOT IN ('integer', 'real') OR (CantidadUd > -100000000000000 AND CantidadUd < 100000000000000))
);
CREATE INDEX IX_STK_STOCK_UDKG ON STK_STOCK_UDKG (IDARTICULO, IDDEPOSITO);

-- A change of stock: inserting a row here adds its quantities to the three
-- balances (negative quantities take them away). It holds no rows itself.
-- Quantities have four decimals: every sum is rounded to four places, so
-- 0.1 + 0.2 in and 0.3 out leaves exactly 0, not a binary remainder that
-- CANTIDAD > 0 would still count as stock.
CREATE VIEW STK_CAMBIO_SALDOS AS
  SELECT IdArticulo, IdDeposito, NroLote, NroSerie, IdUnidad, Cantidad, IdUnidadBase, CantidadUD
  FROM V_MV_STOCK WHERE 0;

CREATE TRIGGER TR_STK_CAMBIO_SALDOS INSTEAD OF INSERT ON STK_CAMBIO_SALDOS
WHEN NEW.IdArticulo IS NOT NULL
BEGIN
  UPDATE STK_SERIES_Y_LOTES SET CANTIDAD = ROUND(CANTIDAD + IFNULL(NEW.Cantidad, 0), 4)
  WHERE IDARTICULO = NEW.IdArticulo AND IDDEPOSITO IS NEW.IdDeposito AND NROLOTE IS NEW.NroLote
    AND NROSERIE IS NEW.NroSerie AND IDPOSICION IS NULL;
  INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IDDEPOSITO, NROLOTE, NROSERIE, CANTIDAD)
  SELECT NEW.IdArticulo, NEW.IdDeposito, NEW.NroLote, NEW.NroSerie, ROUND(IFNULL(NEW.Cantidad, 0), 4)
  WHERE NOT EXISTS (SELECT 1 FROM STK_SERIES_Y_LOTES
                    WHERE IDARTICULO = NEW.IdArticulo AND IDDEPOSITO IS NEW.IdDeposito AND NROLOTE IS NEW.NroLote
                      AND NROSERIE IS NEW.NroSerie AND IDPOSICION IS NULL);

  UPDATE STK_SALDOS_UNIDADES SET STOCK = ROUND(STOCK + IFNULL(NEW.Cantidad, 0), 4)
  WHERE IDARTICULO = NEW.IdArticulo AND EQUIVALENCIA IS NEW.IdUnidad AND IDDEPOSITO IS NEW.IdDeposito;
  INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK)
  SELECT NEW.IdArticulo, NEW.IdUnidad, NEW.IdDeposito, ROUND(IFNULL(NEW.Cantidad, 0), 4)
  WHERE NOT EXISTS (SELECT 1 FROM STK_SALDOS_UNIDADES
                    WHERE IDARTICULO = NEW.IdArticulo AND EQUIVALENCIA IS NEW.IdUnidad
                      AND IDDEPOSITO IS NEW.IdDeposito);

  UPDATE STK_SALDOS_UNIDADES SET STOCK = ROUND(STOCK + IFNULL(NEW.CantidadUD, 0), 4)
  WHERE NEW.IdUnidadBase IS NOT NULL AND NOT IFNULL(NEW.IdUnidadBase = NEW.IdUnidad COLLATE CI_AS, 0)
    AND IDARTICULO = NEW.IdArticulo AND EQUIVALENCIA = NEW.IdUnidadBase AND IDDEPOSITO IS NEW.IdDeposito;
  INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK)
  SELECT NEW.IdArticulo, NEW.IdUnidadBase, NEW.IdDeposito, ROUND(IFNULL(NEW.CantidadUD, 0), 4)
  WHERE NEW.IdUnidadBase IS NOT NULL AND NOT IFNULL(NEW.IdUnidadBase = NEW.IdUnidad COLLATE CI_AS, 0)
    AND NOT EXISTS (SELECT 1 FROM STK_SALDOS_UNIDADES
                    WHERE IDARTICULO = NEW.IdArticulo AND EQUIVALENCIA = NEW.IdUnidadBase
                      AND IDDEPOSITO IS NEW.IdDeposito);

  UPDATE STK_STOCK_UDKG SET CantidadUd = ROUND(CantidadUd + IFNULL(NEW.CantidadUD, 0), 4)
  WHERE IDARTICULO = NEW.IdArticulo AND IDDEPOSITO IS NEW.IdDeposito;
  INSERT INTO STK_STOCK_UDKG (IDARTICULO, IDDEPOSITO, CantidadUd)
  SELECT NEW.IdArticulo, NEW.IdDeposito, ROUND(IFNULL(NEW.CantidadUD, 0), 4)
  WHERE NOT EXISTS (SELECT 1 FROM STK_STOCK_UDKG WHERE IDARTICULO = NEW.IdArticulo AND IDDEPOSITO IS NEW.IdDeposito);
END;

CREATE TRIGGER TR_V_MV_STOCK_ALTA AFTER INSERT ON V_MV_STOCK
BEGIN
  INSERT INTO STK_CAMBIO_SALDOS VALUES (NEW.IdArticulo, NEW.IdDeposito, NEW.NroLote, NEW.NroSerie, NEW.IdUnidad,
                                        NEW.Cantidad, NEW.IdUnidadBase, NEW.CantidadUD);
END;

CREATE TRIGGER TR_V_MV_STOCK_BAJA AFTER DELETE ON V_MV_STOCK
BEGIN
  INSERT INTO STK_CAMBIO_SALDOS VALUES (OLD.IdArticulo, OLD.IdDeposito, OLD.NroLote, OLD.NroSerie, OLD.IdUnidad,
                                        -OLD.Cantidad, OLD.IdUnidadBase, -OLD.CantidadUD);
END;

CREATE TRIGGER TR_V_MV_STOCK_CAMBIO
AFTER UPDATE OF IdArticulo, IdDeposito, NroLote, NroSerie, IdUnidad, Cantidad, IdUnidadBase, CantidadUD ON V_MV_STOCK
BEGIN
  INSERT INTO STK_CAMBIO_SALDOS VALUES (OLD.IdArticulo, OLD.IdDeposito, OLD.NroLote, OLD.NroSerie, OLD.IdUnidad,
                                        -OLD.Cantidad, OLD.IdUnidadBase, -OLD.CantidadUD);
  INSERT INTO STK_CAMBIO_SALDOS VALUES (NEW.IdArticulo, NEW.IdDeposito, NEW.NroLote, NEW.NroSerie, NEW.IdUnidad,
                                        NEW.Cantidad, NEW.IdUnidadBase, NEW.CantidadUD);
END;
