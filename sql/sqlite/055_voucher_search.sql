-- The voucher search: the state flags it filters on, the views of the
-- vouchers still pending, the vouchers handed to third parties and the
-- receipt lookup of the purchase orders.

-- A voucher whose process is over (a delivery note invoiced, an order
-- delivered, a budget taken): no pending search lists it any more.
ALTER TABLE V_MV_CPTE ADD COLUMN FINALIZADA BIT DEFAULT 0
  CONSTRAINT BT_V_MV_CPTE_FINALIZADA CHECK (FINALIZADA IN (0, 1));
ALTER TABLE C_MV_CPTE ADD COLUMN FINALIZADO BIT DEFAULT 0
  CONSTRAINT BT_C_MV_CPTE_FINALIZADO CHECK (FINALIZADO IN (0, 1));

-- Pending vouchers: neither finished nor annulled. The searches add the
-- type, the operator's name or number and the caller's condition.
CREATE VIEW V_RemitosPendientes AS
  SELECT ID, TC, IdComprobante, IdComplemento, Fecha, Cuenta, Nombre, Importe, ANULADA, APROBADO
  FROM V_MV_CPTE WHERE FINALIZADA = 0 AND ANULADA = 0;
CREATE VIEW C_RemitosPendientes AS
  SELECT ID, TC, IDCOMPROBANTE, FECHA, CUENTA, NOMBRE, Importe, ANULADA
  FROM C_MV_CPTE WHERE FINALIZADO = 0 AND ANULADA = 0;
CREATE VIEW V_OT_Pendientes AS
  SELECT ID, TC, IdComprobante, IdComplemento, Fecha, Cuenta, Nombre, Importe, ANULADA, APROBADO
  FROM V_MV_CPTE WHERE FINALIZADA = 0 AND ANULADA = 0;
CREATE VIEW V_PR_PENDIENTES AS
  SELECT ID, TC, IdComprobante, IdComplemento, Fecha, Cuenta, Nombre, Importe, ANULADA, APROBADO, comentarios
  FROM V_MV_CPTE WHERE FINALIZADA = 0 AND ANULADA = 0;

-- Vouchers sent to a third party and received back, by internal number.
CREATE TABLE V_MV_CPTETERCEROS (
  ID            INTEGER    NOT NULL PRIMARY KEY,
  TC            CHAR(4)    COLLATE CI_AS,
  Fecha         DATETIME,
  IdComprobante CHAR(13)   COLLATE CI_AS NOT NULL,
  IdComplemento VARCHAR(9) COLLATE CI_AS NOT NULL DEFAULT '0',
  FECHAENVIADO  DATETIME,
  FECHARECIBIDO DATETIME,
  CONSTRAINT W_V_MV_CPTETERCEROS_TC CHECK (LEN(TC) <= 4),
  CONSTRAINT W_V_MV_CPTETERCEROS_IdComprobante CHECK (LEN(IdComprobante) <= 13),
  CONSTRAINT W_V_MV_CPTETERCEROS_IdComplemento CHECK (LEN(IdComplemento) <= 9),
  CONSTRAINT DT_V_MV_CPTETERCEROS_Fecha CHECK (Fecha IS NULL OR typeof(Fecha) = 'text' AND (Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR Fecha GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETERCEROS_Fecha CHECK (typeof(Fecha) <> 'text' OR (date(julianday(Fecha)) IS substr(Fecha, 1, 10) AND Fecha >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETERCEROS_FECHAENVIADO CHECK (FECHAENVIADO IS NULL OR typeof(FECHAENVIADO) = 'text' AND (FECHAENVIADO GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FECHAENVIADO GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETERCEROS_FECHAENVIADO CHECK (typeof(FECHAENVIADO) <> 'text' OR (date(julianday(FECHAENVIADO)) IS substr(FECHAENVIADO, 1, 10) AND FECHAENVIADO >= '1753-01-01')),
  CONSTRAINT DT_V_MV_CPTETERCEROS_FECHARECIBIDO CHECK (FECHARECIBIDO IS NULL OR typeof(FECHARECIBIDO) = 'text' AND (FECHARECIBIDO GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR FECHARECIBIDO GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),
  CONSTRAINT DR_V_MV_CPTETERCEROS_FECHARECIBIDO CHECK (typeof(FECHARECIBIDO) <> 'text' OR (date(julianday(FECHARECIBIDO)) IS substr(FECHARECIBIDO, 1, 10) AND FECHARECIBIDO >= '1753-01-01')),
  CONSTRAINT IR_V_MV_CPTETERCEROS_ID CHECK (ID BETWEEN -2147483648 AND 2147483647)
);

-- The receipt (IR) of a purchase order: looked up once per order listed.
CREATE INDEX IX_V_MV_STOCK_ORIGEN ON V_MV_STOCK (IdComprobante_Origen, Tc_Origen, TC);
