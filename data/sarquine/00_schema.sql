-- Equipment database: the default data of the element dialogs.
-- Every text column compares without regard to case; yes/no columns hold 0 or 1.
-- The catch-all row of a table with a capacity or current key has the key -1.
-- Value columns may be NULL (a missing value); the library then reports it as
-- "not in the database" (-1.0) instead of inventing a number.

-- Flat bars after DIN 43670 (aluminium) and DIN 43671 (copper): one row per
-- width x thickness x bars per phase, grouped by width, then thickness, then
-- number, in the order the dialogs list them.
CREATE TABLE Equip_BusBar (
    lBusBarID     INTEGER PRIMARY KEY,
    bIsDefaultW   INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefaultW IN (0, 1)),
    nWidth        INTEGER NOT NULL,           -- b, mm, one bar
    bIsDefaultT   INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefaultT IN (0, 1)),
    nThickness    INTEGER NOT NULL,           -- t, mm, one bar
    bIsDefaultN   INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefaultN IN (0, 1)),
    nNumber       INTEGER NOT NULL,           -- bars per phase, gaps of one bar thickness
    ddm           REAL,    -- mm: thickness of the bar package (2n-1)t, added to b for the GMD term
    dSkinEffect   REAL,    -- ks: AC/DC resistance ratio at 50 Hz
    dCuIzPainted  REAL,    -- A: copper, painted, 35 degC ambient, 65 degC bar
    dCuIzBare     REAL,    -- A: copper, bare
    dAlIzPainted  REAL,    -- A: aluminium, painted
    dAlIzBare     REAL,    -- A: aluminium, bare
    dk3Painted    REAL,    -- factor for bars laid flat (horizontal installation), painted
    dk3Bare       REAL,    -- the same, bare
    dProximityk4  REAL     -- proximity factor of the neighbouring phases
);

-- Factory-made bus-ducts (sandwich construction), one row per material and rating.
CREATE TABLE Equip_BusDuct (
    lBusDuctID    INTEGER PRIMARY KEY,
    nMaterial     INTEGER NOT NULL CHECK (nMaterial IN (1, 2)),   -- 1 copper, 2 aluminium
    bIsDefault    INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    dRatedCurrent REAL NOT NULL,   -- A, also the current-carrying capacity
    dWidth        REAL,            -- mm, one bar
    dThickness    REAL,            -- mm, one bar
    nNumber       INTEGER,         -- bars per phase
    dOhmR         REAL,            -- mohms/m per phase at 20 degC, skin effect included
    dOhmX50       REAL,            -- mohms/m per phase at 50 Hz
    dOhmX60       REAL             -- mohms/m per phase at 60 Hz
);

-- Cable geometry by nominal core size (IEC 60228 sizes).
CREATE TABLE Equip_WireZ (
    lWireZID      INTEGER PRIMARY KEY,
    bIsDefault    INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    dCoreSize     REAL NOT NULL,   -- S, mm2
    dCoefficient  REAL,            -- c: area of the conductor's circle / S (r = sqrt(c S / pi))
    dThickness    REAL,            -- mm: insulation of a core (multi-core cable, method E)
    dOutsideDe    REAL             -- mm: outside diameter of a single-core cable (methods F, G)
);

-- Current-carrying capacity I0 = A S^m - B S^n (IEC 60364-5-52), one row per
-- insulation, method, material and size, with the coefficients of the size band.
CREATE TABLE Equip_WireI (
    lWireIID      INTEGER PRIMARY KEY,
    nInsulation   INTEGER NOT NULL CHECK (nInsulation IN (1, 2)),  -- 1 PVC 70 degC, 2 XLPE/EPR 90 degC
    nMethod       INTEGER NOT NULL CHECK (nMethod IN (5, 6, 7)),   -- 5 E, 6 F, 7 G
    nMaterial     INTEGER NOT NULL CHECK (nMaterial IN (1, 2)),    -- 1 copper, 2 aluminium
    dCoreSize     REAL NOT NULL,   -- S, mm2
    dA            REAL,
    dm            REAL,
    dB            REAL,
    dn            REAL
);

-- Reduction factors for groups of circuits on one perforated tray.
CREATE TABLE Equip_WireC (
    lWireCID       INTEGER PRIMARY KEY,
    nCircuitNumber INTEGER NOT NULL,  -- circuits (E) or single-core circuits (F, G)
    dFactorE       REAL,              -- multi-core cables touching
    dFactorF       REAL,              -- single-core circuits touching
    dFactorG       REAL               -- single-core circuits spaced
);

-- Classes of general loads by load current.
CREATE TABLE Equip_Load (
    lLoadID          INTEGER PRIMARY KEY,
    dLoadCurrent     REAL NOT NULL,   -- A; -1 catch-all
    dPowerFactor     REAL,            -- cos phi
    dStartingCurrent REAL,            -- multiple of the load current
    dStartingTime    REAL             -- s
);

-- Low-voltage induction motors, 4 poles, 400 V 50 Hz.
CREATE TABLE Equip_Motor (
    lMotorID         INTEGER PRIMARY KEY,
    dCapacity        REAL NOT NULL,   -- kW rated output; -1 catch-all
    dPowerFactor     REAL,            -- cos phi at rated load
    dStartingCurrent REAL,            -- locked-rotor current, multiple of Im
    dStartingTime    REAL,            -- s, starting time at 600 %
    dInrushCurrent   REAL             -- first-cycle inrush, multiple of Im
);

-- Motor groups seen as one equivalent machine feeding a fault.
CREATE TABLE Equip_MotorEff (
    lMotorEffID       INTEGER PRIMARY KEY,
    dCapacity         REAL NOT NULL,  -- kVA of the group; -1 catch-all
    dSubReactance     REAL,           -- X"m, % on the own capacity
    dRotorResistance  REAL,           -- Rr, % on the own capacity
    dStatorResistance REAL            -- Rs, % on the own capacity
);

-- Low-voltage synchronous generators.
CREATE TABLE Equip_Generator (
    lGeneratorID  INTEGER PRIMARY KEY,
    bIsDefault    INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    lCapacity     INTEGER NOT NULL,   -- kVA; -1 catch-all
    dReactance    REAL,               -- X'd, %
    dSubReactance REAL,               -- X"d, %
    dConstant     REAL,               -- Tdc, s
    dSubConstant  REAL                -- T"d, s
);

-- Three-phase distribution transformers, primary 6.6 to 33 kV, secondary 400 V.
CREATE TABLE Equip_Trans3 (
    lTransID      INTEGER PRIMARY KEY,
    bIsDefault    INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    lCapacity     INTEGER NOT NULL,   -- kVA; -1 catch-all
    dPercentR     REAL,               -- % on the own capacity (load losses)
    dPercentX     REAL,               -- % on the own capacity
    dPeakValue    REAL,               -- inrush peak, multiple of the rated current
    dDampingTime  REAL                -- inrush damping time constant, cycles
);

-- Single-phase three-wire transformers: winding "OutOut" between the outer
-- terminals on the capacity, winding "OutIn" outer to middle on half of it.
CREATE TABLE Equip_Trans1 (
    lTrans1ID           INTEGER PRIMARY KEY,
    bIsDefault          INTEGER NOT NULL DEFAULT 0 CHECK (bIsDefault IN (0, 1)),
    lCapacity           INTEGER NOT NULL,   -- kVA; -1 catch-all
    dPerROutIn          REAL,
    dPerXOutIn          REAL,
    dPeakValueOutIn     REAL,
    dDampingTimeOutIn   REAL,
    dPerROutOut         REAL,
    dPerXOutOut         REAL,
    dPeakValueOutOut    REAL,
    dDampingTimeOutOut  REAL
);
