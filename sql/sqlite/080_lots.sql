-- Lots, serials and storage positions: the balances of an article by
-- position and lot, which the position and lot dialog offers, joined to the
-- positions of MA_POSICIONES (050_lookup.sql) by deposit and position and
-- ordered by their ordeningreso.
--
-- Nothing in this program keeps these balances in step with the stock
-- movements of V_MV_STOCK: the suite's warehouse module fills them, and here
-- only the demo data does. They are read, never written.

-- The balance of an article in a deposit, by position (none: the stock of
-- the deposit that has no position) and lot, in the unit idunidadbase.
CREATE TABLE AC_SALDOSLAYOUT (
  iddeposito   CHAR(4)       COLLATE CI_AS NOT NULL,
  idposicion   VARCHAR(15)   COLLATE CI_AS,
  idarticulo   VARCHAR(25)   COLLATE CI_AS NOT NULL,
  nrolote      VARCHAR(25)   COLLATE CI_AS,
  idunidadbase CHAR(4)       COLLATE CI_AS,
  saldo        DECIMAL(18,4) DEFAULT 0,
  CONSTRAINT W_AC_SALDOSLAYOUT_iddeposito CHECK (LEN(iddeposito) <= 4),
  CONSTRAINT W_AC_SALDOSLAYOUT_idposicion CHECK (LEN(idposicion) <= 15),
  CONSTRAINT W_AC_SALDOSLAYOUT_idarticulo CHECK (LEN(idarticulo) <= 25),
  CONSTRAINT W_AC_SALDOSLAYOUT_nrolote CHECK (LEN(nrolote) <= 25),
  CONSTRAINT W_AC_SALDOSLAYOUT_idunidadbase CHECK (LEN(idunidadbase) <= 4),
  CONSTRAINT NT_AC_SALDOSLAYOUT_saldo CHECK (typeof(saldo) IN ('integer', 'real', 'null')),
  CONSTRAINT NR_AC_SALDOSLAYOUT_saldo CHECK (typeof(saldo) NOT IN ('integer', 'real') OR (saldo > -100000000000000 AND saldo < 100000000000000))
);
-- The balances of an article in a deposit, placed (joined to their
-- position) or not (idposicion is null).
CREATE INDEX IX_AC_SALDOSLAYOUT ON AC_SALDOSLAYOUT (iddeposito, idarticulo, idposicion, nrolote);
