-- Stock movements: the stock motives with the counter account of their
-- accounting entry, and the sales motives with the cost-of-goods account of
-- a sales voucher's entry. The movements themselves and the balances they
-- keep are in 040_numbering.sql; the article's stock account
-- (CUENTACONTABLEC) is a column of V_MA_ARTICULOS.

-- Why stock moves (sale, delivery, loan, transfer, receipt, adjustment):
-- the entry of a movement puts its whole amount on CUENTACONTABLE.
CREATE TABLE V_TA_MOTIVOSTOCK (
  IDMOTIVOSTOCK  CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion    VARCHAR(50) COLLATE CI_AS,
  CUENTACONTABLE VARCHAR(9)  COLLATE CI_AS,
  CONSTRAINT W_V_TA_MOTIVOSTOCK_IDMOTIVOSTOCK CHECK (LEN(IDMOTIVOSTOCK) <= 4),
  CONSTRAINT W_V_TA_MOTIVOSTOCK_Descripcion CHECK (LEN(Descripcion) <= 50),
  CONSTRAINT W_V_TA_MOTIVOSTOCK_CUENTACONTABLE CHECK (LEN(CUENTACONTABLE) <= 9)
);

-- Sales motives, and per motive the accounts of a sales voucher's entries:
-- COSTO_MERCADERIA takes the cost of the goods sold.
CREATE TABLE V_TA_MotivoVta (
  IdMotivoVta CHAR(4)     COLLATE CI_AS NOT NULL PRIMARY KEY,
  Descripcion VARCHAR(50) COLLATE CI_AS,
  CONSTRAINT W_V_TA_MotivoVta_IdMotivoVta CHECK (LEN(IdMotivoVta) <= 4),
  CONSTRAINT W_V_TA_MotivoVta_Descripcion CHECK (LEN(Descripcion) <= 50)
);
CREATE TABLE V_TA_Input_Ventas (
  IdMotivoVta      CHAR(4)    COLLATE CI_AS NOT NULL PRIMARY KEY,
  COSTO_MERCADERIA VARCHAR(9) COLLATE CI_AS,
  CONSTRAINT W_V_TA_Input_Ventas_IdMotivoVta CHECK (LEN(IdMotivoVta) <= 4),
  CONSTRAINT W_V_TA_Input_Ventas_COSTO_MERCADERIA CHECK (LEN(COSTO_MERCADERIA) <= 9)
);
