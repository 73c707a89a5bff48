-- List database: the short lists of standard values that the dialogs offer.
-- Yes/no columns hold 0 or 1; text compares without regard to case.

CREATE TABLE List_VoltHigh (
    lVoltageID  INTEGER PRIMARY KEY,
    bIsDefault  INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    lVoltage    INTEGER NOT NULL           -- V, line to line
);

CREATE TABLE List_VoltLow (
    lVoltageID  INTEGER PRIMARY KEY,
    bIsDefault  INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    lVoltage    INTEGER NOT NULL           -- V, line to line (single-phase: between outers)
);

CREATE TABLE List_CT1Current (
    lCurrentID  INTEGER PRIMARY KEY,
    bIsDefault  INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    nCT1Current INTEGER NOT NULL           -- A, rated primary current of a current transformer
);

-- Earthing systems of IEC 60364-1; the codes are stored in project documents.
CREATE TABLE List_Earthing (
    lEarthingID INTEGER PRIMARY KEY,
    bIsDefault  INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    nEarthCode  INTEGER NOT NULL,          -- 1 TN-S, 2 TN-C-S, 3 TN-C, 4 TT, 5 IT
    sSystemName TEXT COLLATE NOCASE
);

-- Series reactors of capacitor banks.
CREATE TABLE List_Reactor (
    lReactorID  INTEGER PRIMARY KEY,
    bIsDefault  INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    dReactor    REAL NOT NULL              -- % of the capacitor's reactance
);
