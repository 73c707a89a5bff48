-- Curve database: schema.
-- Column names are those the recordsets bind. Types: long, short and yes/no
-- columns are INTEGER (yes = 1), doubles REAL, texts TEXT COLLATE NOCASE so
-- that text comparisons ignore letter case. Every id is the row id.

CREATE TABLE [Version] (
    [lVersionID]  INTEGER PRIMARY KEY,
    [sCountry]    TEXT COLLATE NOCASE DEFAULT '',
    [sMaker]      TEXT COLLATE NOCASE DEFAULT '',
    [sProduct]    TEXT COLLATE NOCASE DEFAULT '',
    [sExeVersion] TEXT COLLATE NOCASE DEFAULT '',
    [sMdbVersion] TEXT COLLATE NOCASE DEFAULT ''
);

-- nCurveKind: 1 upper, 2 typical, 3 lower curve. nSettingFlag: 1 X in
-- multiples of the reference current (percent basis), 2 X in amperes.
-- Tolerances in percent; a negative tolerance means none is given.
CREATE TABLE [Curve_Header] (
    [lCurveHeaderID]   INTEGER PRIMARY KEY,
    [lManufactureID]   INTEGER DEFAULT 0,
    [lGroupID]         INTEGER DEFAULT 0,
    [sCurveName]       TEXT COLLATE NOCASE DEFAULT '',
    [sClassName]       TEXT COLLATE NOCASE DEFAULT '',
    [nCurveKind]       INTEGER DEFAULT 0,
    [nSettingFlag]     INTEGER DEFAULT 0,
    [dStdCurrentValue] REAL DEFAULT 0,
    [dStdTimeValue]    REAL DEFAULT 0,
    [lStdVoltage]      INTEGER DEFAULT 0,
    [nGraphFlag]       INTEGER DEFAULT 0,
    [dXMinimum]        REAL DEFAULT 0,
    [dXWidth]          REAL DEFAULT 0,
    [dXMaximum]        REAL DEFAULT 0,
    [dYMinimum]        REAL DEFAULT 0,
    [dYWidth]          REAL DEFAULT 0,
    [dYMaximum]        REAL DEFAULT 0,
    [bSaveFormula]     INTEGER DEFAULT 0,
    [sFormula]         TEXT COLLATE NOCASE DEFAULT '',
    [dCurrentMini]     REAL DEFAULT 0,
    [dCurrentMax]      REAL DEFAULT 0,
    [dInterval]        REAL DEFAULT 0,
    [bUseLogInput]     INTEGER DEFAULT 0,
    [nMaxPointValue]   INTEGER DEFAULT 0,
    [bUseTimeClip]     INTEGER DEFAULT 0,
    [dClipTimeMini]    REAL DEFAULT 0,
    [dClipTimeMax]     REAL DEFAULT 0,
    [dSaturationTime]  REAL DEFAULT 0,
    [dXErrorPlus]      REAL DEFAULT 0,
    [dXErrorMinus]     REAL DEFAULT 0,
    [dYErrorPlus]      REAL DEFAULT 0,
    [dYErrorMinus]     REAL DEFAULT 0
);

-- bUseInst marks the point whose X is the instantaneous trip value.
CREATE TABLE [Curve_Point] (
    [lPointID]       INTEGER PRIMARY KEY,
    [lCurveHeaderID] INTEGER DEFAULT 0,
    [dXPoint]        REAL DEFAULT 0,
    [dYPoint]        REAL DEFAULT 0,
    [bUseInst]       INTEGER DEFAULT 0
);

-- Current-limiting curves: X prospective current (A), Y let-through peak
-- current (A), at standard voltage lVoltage.
CREATE TABLE [MPLTC_Header] (
    [lHeaderID]      INTEGER PRIMARY KEY,
    [lManufactureID] INTEGER DEFAULT 0,
    [lGroupID]       INTEGER DEFAULT 0,
    [sCurveName]     TEXT COLLATE NOCASE DEFAULT '',
    [lVoltage]       INTEGER DEFAULT 0
);

CREATE TABLE [MPLTC_Point] (
    [lPointID]  INTEGER PRIMARY KEY,
    [lHeaderID] INTEGER DEFAULT 0,
    [dXPoint]   REAL DEFAULT 0,
    [dYPoint]   REAL DEFAULT 0
);

-- Let-through energy curves: X prospective current (A), Y let-through I2t
-- in units of 1000 A2s (the reader multiplies Y by 1000 to give A2s).
CREATE TABLE [MPEI2t_Header] (
    [lHeaderID]      INTEGER PRIMARY KEY,
    [lManufactureID] INTEGER DEFAULT 0,
    [lGroupID]       INTEGER DEFAULT 0,
    [sCurveName]     TEXT COLLATE NOCASE DEFAULT '',
    [lVoltage]       INTEGER DEFAULT 0
);

CREATE TABLE [MPEI2t_Point] (
    [lPointID]  INTEGER PRIMARY KEY,
    [lHeaderID] INTEGER DEFAULT 0,
    [dXPoint]   REAL DEFAULT 0,
    [dYPoint]   REAL DEFAULT 0
);

CREATE INDEX [ixCurve_PointHeader] ON [Curve_Point] ([lCurveHeaderID]);
CREATE INDEX [ixMPLTC_PointHeader] ON [MPLTC_Point] ([lHeaderID]);
CREATE INDEX [ixMPEI2t_PointHeader] ON [MPEI2t_Point] ([lHeaderID]);
