-- Breaker database: schema.
-- Column names are those the recordsets bind. Types: long, short and yes/no
-- columns are INTEGER (yes = 1), doubles REAL, texts TEXT COLLATE NOCASE so
-- that text comparisons ignore letter case. Every id is the row id, so rows
-- read "in table order" come back in the order they were inserted.

CREATE TABLE [Version] (
    [lVersionID]  INTEGER PRIMARY KEY,
    [sCountry]    TEXT COLLATE NOCASE DEFAULT '',
    [sMaker]      TEXT COLLATE NOCASE DEFAULT '',
    [sProduct]    TEXT COLLATE NOCASE DEFAULT '',
    [sExeVersion] TEXT COLLATE NOCASE DEFAULT '',
    [sLanguage]   TEXT COLLATE NOCASE DEFAULT '',
    [sLocation]   TEXT COLLATE NOCASE DEFAULT '',
    [sMdbVersion] TEXT COLLATE NOCASE DEFAULT ''
);

CREATE TABLE [Manufacture] (
    [lManufactureID] INTEGER PRIMARY KEY,
    [bIsDefault]     INTEGER DEFAULT 0,
    [sManuName]      TEXT COLLATE NOCASE DEFAULT ''
);

-- nKindFlag: 1 high-voltage over-current relay, 2 low-voltage breaker,
-- 3 thermal relay, 4 contactor. nLVCBCode orders the groups and drives the
-- automatic selection walk (10..14, 20, 21, 30 for low-voltage breakers).
CREATE TABLE [Break_Group] (
    [lGroupID]       INTEGER PRIMARY KEY,
    [nKindFlag]      INTEGER DEFAULT 0,
    [lManufactureID] INTEGER DEFAULT 0,
    [nLVCBCode]      INTEGER DEFAULT 0,
    [bIsDefault]     INTEGER DEFAULT 0,
    [sGroupName]     TEXT COLLATE NOCASE DEFAULT ''
);

-- bJisNewOld: capacities of the type are judged on the JIS C 8201 columns;
-- bDelete: the type is withdrawn (kept for old documents, not offered by the
-- automatic selection).
CREATE TABLE [Break_Type] (
    [lTypeID]        INTEGER PRIMARY KEY,
    [lManufactureID] INTEGER DEFAULT 0,
    [lGroupID]       INTEGER DEFAULT 0,
    [bIsDefault]     INTEGER DEFAULT 0,
    [sTypeName]      TEXT COLLATE NOCASE DEFAULT '',
    [bCanUseCT]      INTEGER DEFAULT 0,
    [bCanUseCC]      INTEGER DEFAULT 0,
    [sOpeKindTitle]  TEXT COLLATE NOCASE DEFAULT '',
    [sSeriesName]    TEXT COLLATE NOCASE DEFAULT '',
    [sOldNew]        TEXT COLLATE NOCASE DEFAULT '',
    [sNewDate]       TEXT COLLATE NOCASE DEFAULT '',
    [sUpdateDate]    TEXT COLLATE NOCASE DEFAULT '',
    [sMaker]         TEXT COLLATE NOCASE DEFAULT '',
    [sNotes]         TEXT COLLATE NOCASE DEFAULT '',
    [bJisNewOld]     INTEGER DEFAULT 0,
    [bDelete]        INTEGER DEFAULT 0
);

-- One information row per type. nUse: 0 any use, 1 and 11 restricted uses
-- (see the selection filter); nTypeOrder, nSubOrder, nOrder order the lists.
CREATE TABLE [Break_Info] (
    [lInfoID]      INTEGER PRIMARY KEY,
    [lTypeID]      INTEGER DEFAULT 0,
    [nOrder]       INTEGER DEFAULT 0,
    [nSubOrder]    INTEGER DEFAULT 0,
    [nUse]         INTEGER DEFAULT 0,
    [sTemperature] TEXT COLLATE NOCASE DEFAULT '',
    [sCategory]    TEXT COLLATE NOCASE DEFAULT '',
    [sTripDevice]  TEXT COLLATE NOCASE DEFAULT '',
    [nTypeOrder]   INTEGER DEFAULT 0
);

-- nRatedFlag: 2 fixed values, 3 one continuous range, 4 mixed; other: none.
-- nMagniFlag: 2 fixed values, 3 one continuous range; other: none.
CREATE TABLE [Break_OpeKind] (
    [lOpeKindID]       INTEGER PRIMARY KEY,
    [lTypeID]          INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sOpeKindName]     TEXT COLLATE NOCASE DEFAULT '',
    [nRatedFlag]       INTEGER DEFAULT 0,
    [sRatedTitle]      TEXT COLLATE NOCASE DEFAULT '',
    [sRatedUnit]       TEXT COLLATE NOCASE DEFAULT '',
    [nMagniFlag]       INTEGER DEFAULT 0,
    [sMagniTitle]      TEXT COLLATE NOCASE DEFAULT '',
    [sMagniUnit]       TEXT COLLATE NOCASE DEFAULT '',
    [bUseOpenTime]     INTEGER DEFAULT 0,
    [bUseBreakingTime] INTEGER DEFAULT 0
);

-- The six value tables share one layout: a fixed value (sFixedName,
-- dFixedValue) or a range (default, lowest, step, highest).
CREATE TABLE [Break_Rated] (
    [lBreakRatedID]    INTEGER PRIMARY KEY,
    [lOpeKindID]       INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

CREATE TABLE [Break_Magni] (
    [lBreakMagniID]    INTEGER PRIMARY KEY,
    [lOpeKindID]       INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

CREATE TABLE [Break_Element] (
    [lElementID]    INTEGER PRIMARY KEY,
    [lBreakRatedID] INTEGER DEFAULT 0,
    [nClassNumber]  INTEGER DEFAULT 0,
    [sElementName]  TEXT COLLATE NOCASE DEFAULT ''
);

CREATE TABLE [Dial_Character] (
    [lDialCharID]        INTEGER PRIMARY KEY,
    [lElementID]         INTEGER DEFAULT 0,
    [bIsDefault]         INTEGER DEFAULT 0,
    [sCharacterName]     TEXT COLLATE NOCASE DEFAULT '',
    [sNameOnGraph]       TEXT COLLATE NOCASE DEFAULT '',
    [bIsLink]            INTEGER DEFAULT 0,
    [nLinkNumber]        INTEGER DEFAULT 0,
    [bIsCurrent]         INTEGER DEFAULT 0,
    [bDispCurrentMulti]  INTEGER DEFAULT 0,
    [nCurrentFlag]       INTEGER DEFAULT 0,
    [sCurrentTitle]      TEXT COLLATE NOCASE DEFAULT '',
    [sCurrentUnit]       TEXT COLLATE NOCASE DEFAULT '',
    [sCurrentNotes]      TEXT COLLATE NOCASE DEFAULT '',
    [nMagniCurrentFlag]  INTEGER DEFAULT 0,
    [sMagniCurrentTitle] TEXT COLLATE NOCASE DEFAULT '',
    [sMagniCurrentUnit]  TEXT COLLATE NOCASE DEFAULT '',
    [nTimeFlag]          INTEGER DEFAULT 0,
    [bIsNoneSadamu]      INTEGER DEFAULT 0,
    [sTimeTitle]         TEXT COLLATE NOCASE DEFAULT '',
    [sTimeUnit]          TEXT COLLATE NOCASE DEFAULT '',
    [sTimeNotes]         TEXT COLLATE NOCASE DEFAULT '',
    [nMagniTimeFlag]     INTEGER DEFAULT 0,
    [sMagniTimeTitle]    TEXT COLLATE NOCASE DEFAULT '',
    [sMagniTimeUnit]     TEXT COLLATE NOCASE DEFAULT '',
    [bUseLock]           INTEGER DEFAULT 0,
    [bUseTimer]          INTEGER DEFAULT 0,
    [bMCR]               INTEGER DEFAULT 0
);

CREATE TABLE [Dial_Current] (
    [lDialCurrentID]   INTEGER PRIMARY KEY,
    [lDialCharID]      INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

CREATE TABLE [Dial_MagniCurrent] (
    [lMagniCurrentID]  INTEGER PRIMARY KEY,
    [lDialCharID]      INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

CREATE TABLE [Dial_Time] (
    [lDialTimeID]      INTEGER PRIMARY KEY,
    [lDialCharID]      INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

CREATE TABLE [Dial_MagniTime] (
    [lMagniTimeID]     INTEGER PRIMARY KEY,
    [lDialCharID]      INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [sFixedName]       TEXT COLLATE NOCASE DEFAULT '',
    [dFixedValue]      REAL DEFAULT 0,
    [dContiDefValue]   REAL DEFAULT 0,
    [dContiMiniValue]  REAL DEFAULT 0,
    [dContiWidthValue] REAL DEFAULT 0,
    [dContiMaxValue]   REAL DEFAULT 0
);

-- lCurveHeaderID names a [Curve_Header] row of the curve database.
CREATE TABLE [Curve_Standard] (
    [lStandardID]    INTEGER PRIMARY KEY,
    [lCurveHeaderID] INTEGER DEFAULT 0,
    [lDialCharID]    INTEGER DEFAULT 0,
    [lStdVoltage2]   INTEGER DEFAULT 0,
    [dPairTime]      REAL DEFAULT 0,
    [nLineKind]      INTEGER DEFAULT 0
);

-- HS: high-speed earth-leakage data (sensitivities in mA, operating time
-- in s); TD: time-delay earth-leakage data.
CREATE TABLE [Break_Poles] (
    [lPolesID]    INTEGER PRIMARY KEY,
    [lTypeID]     INTEGER DEFAULT 0,
    [nPoleCount]  INTEGER DEFAULT 0,
    [nVoltAC1]    INTEGER DEFAULT 0,
    [nVoltAC2]    INTEGER DEFAULT 0,
    [nVoltAC3]    INTEGER DEFAULT 0,
    [nVoltAC4]    INTEGER DEFAULT 0,
    [nHsCurrent1] INTEGER DEFAULT 0,
    [nHsCurrent2] INTEGER DEFAULT 0,
    [nHsCurrent3] INTEGER DEFAULT 0,
    [nHsCurrent4] INTEGER DEFAULT 0,
    [nHsCurrent5] INTEGER DEFAULT 0,
    [dHsTime]     REAL DEFAULT 0,
    [nTdCurrent1] INTEGER DEFAULT 0,
    [nTdCurrent2] INTEGER DEFAULT 0,
    [nTdCurrent3] INTEGER DEFAULT 0,
    [nTdCurrent4] INTEGER DEFAULT 0,
    [dTdTime1]    REAL DEFAULT 0,
    [dTdTime2]    REAL DEFAULT 0,
    [dTdTime3]    REAL DEFAULT 0,
    [dTdTime4]    REAL DEFAULT 0
);

-- Breaking capacities in A by table voltage; a JIS column of 0 means no
-- value by JIS C 8201.
CREATE TABLE [Break_Capacity] (
    [lCapacityID] INTEGER PRIMARY KEY,
    [lTypeID]     INTEGER DEFAULT 0,
    [lVoltage]    INTEGER DEFAULT 0,
    [lIcu]        INTEGER DEFAULT 0,
    [lIcs]        INTEGER DEFAULT 0,
    [lIq]         INTEGER DEFAULT 0,
    [lIcuMCRLock] INTEGER DEFAULT 0,
    [lIcsMCRLock] INTEGER DEFAULT 0,
    [lIqMCRLock]  INTEGER DEFAULT 0,
    [lIcuJIS8201] INTEGER DEFAULT 0,
    [lIcsJIS8201] INTEGER DEFAULT 0,
    [lIqJIS8201]  INTEGER DEFAULT 0
);

-- Back-up pairs: downstream lTypeID under upstream lMainTypeID.
CREATE TABLE [Break_Cascade] (
    [lCascadeID]  INTEGER PRIMARY KEY,
    [lTypeID]     INTEGER DEFAULT 0,
    [lVoltage]    INTEGER DEFAULT 0,
    [lMainTypeID] INTEGER DEFAULT 0,
    [lIcuBack]    INTEGER DEFAULT 0
);

-- Selectivity pairs: downstream lTypeID (rated up to dRatedMax) under
-- upstream lMainTypeID (rated up to dMainRatedMax), selective up to dIs (A).
CREATE TABLE [Break_Selective] (
    [lSelectivID]   INTEGER PRIMARY KEY,
    [lTypeID]       INTEGER DEFAULT 0,
    [dRatedMax]     REAL DEFAULT 0,
    [lVoltage]      INTEGER DEFAULT 0,
    [lMainTypeID]   INTEGER DEFAULT 0,
    [dMainRatedMax] REAL DEFAULT 0,
    [dIs]           REAL DEFAULT 0
);

-- Motor-starter co-ordination (nType 1 or 2): breaker, contactor, thermal
-- relay, motor and cable.
CREATE TABLE [Break_Coordination] (
    [lCoordinationID]  INTEGER PRIMARY KEY,
    [lLVCBTypeID]      INTEGER DEFAULT 0,
    [nType]            INTEGER DEFAULT 0,
    [bIsDefault]       INTEGER DEFAULT 0,
    [lVoltage]         INTEGER DEFAULT 0,
    [dP]               REAL DEFAULT 0,
    [dI]               REAL DEFAULT 0,
    [dRatedCurrent]    REAL DEFAULT 0,
    [dTripCurrent]     REAL DEFAULT 0,
    [lContactorTypeID] INTEGER DEFAULT 0,
    [lThermalTypeID]   INTEGER DEFAULT 0,
    [dRangeMin]        REAL DEFAULT 0,
    [dRangeMax]        REAL DEFAULT 0,
    [dOrdering]        REAL DEFAULT 0,
    [dCu]              REAL DEFAULT 0,
    [nNumber]          INTEGER DEFAULT 0,
    [dIe]              REAL DEFAULT 0
);

-- Links from a type and rated range to the current-limiting (MPLTC) and
-- let-through energy (MPEI2t) curves of the curve database.
CREATE TABLE [Break_MPLTC] (
    [lMPLTCID]  INTEGER PRIMARY KEY,
    [lTypeID]   INTEGER DEFAULT 0,
    [lHeaderID] INTEGER DEFAULT 0,
    [dRatedMin] REAL DEFAULT 0,
    [dRatedMax] REAL DEFAULT 0
);

CREATE TABLE [Break_MPEI2t] (
    [lMPEI2tID] INTEGER PRIMARY KEY,
    [lTypeID]   INTEGER DEFAULT 0,
    [lHeaderID] INTEGER DEFAULT 0,
    [dRatedMin] REAL DEFAULT 0,
    [dRatedMax] REAL DEFAULT 0
);

CREATE INDEX [ixBreak_GroupManu] ON [Break_Group] ([lManufactureID]);
CREATE INDEX [ixBreak_TypeGroup] ON [Break_Type] ([lGroupID]);
CREATE INDEX [ixBreak_InfoType] ON [Break_Info] ([lTypeID]);
CREATE INDEX [ixBreak_OpeKindType] ON [Break_OpeKind] ([lTypeID]);
CREATE INDEX [ixBreak_RatedOpeKind] ON [Break_Rated] ([lOpeKindID]);
CREATE INDEX [ixBreak_MagniOpeKind] ON [Break_Magni] ([lOpeKindID]);
CREATE INDEX [ixBreak_ElementRated] ON [Break_Element] ([lBreakRatedID]);
CREATE INDEX [ixDial_CharacterElement] ON [Dial_Character] ([lElementID]);
CREATE INDEX [ixDial_CurrentChar] ON [Dial_Current] ([lDialCharID]);
CREATE INDEX [ixDial_MagniCurrentChar] ON [Dial_MagniCurrent] ([lDialCharID]);
CREATE INDEX [ixDial_TimeChar] ON [Dial_Time] ([lDialCharID]);
CREATE INDEX [ixDial_MagniTimeChar] ON [Dial_MagniTime] ([lDialCharID]);
CREATE INDEX [ixCurve_StandardChar] ON [Curve_Standard] ([lDialCharID]);
CREATE INDEX [ixBreak_PolesType] ON [Break_Poles] ([lTypeID]);
CREATE INDEX [ixBreak_CapacityType] ON [Break_Capacity] ([lTypeID]);
