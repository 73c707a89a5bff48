-- Rows of the list database, each list in the order the dialogs show it.

-- IEC 60038 medium voltages; default 6.6 kV.
INSERT INTO List_VoltHigh (lVoltageID, bIsDefault, lVoltage) VALUES
    (1, 0, 3300),
    (2, 1, 6600),
    (3, 0, 11000),
    (4, 0, 22000),
    (5, 0, 33000);

-- Low voltages; default 400 V.
INSERT INTO List_VoltLow (lVoltageID, bIsDefault, lVoltage) VALUES
    (1, 0, 100),
    (2, 0, 200),
    (3, 0, 230),
    (4, 1, 400),
    (5, 0, 415),
    (6, 0, 440),
    (7, 0, 690);

-- IEC 61869-2 rated primary currents; default 100 A.
INSERT INTO List_CT1Current (lCurrentID, bIsDefault, nCT1Current) VALUES
    (1, 0, 5),
    (2, 0, 10),
    (3, 0, 15),
    (4, 0, 20),
    (5, 0, 25),
    (6, 0, 30),
    (7, 0, 40),
    (8, 0, 50),
    (9, 0, 60),
    (10, 0, 75),
    (11, 1, 100),
    (12, 0, 150),
    (13, 0, 200),
    (14, 0, 250),
    (15, 0, 300),
    (16, 0, 400),
    (17, 0, 500),
    (18, 0, 600),
    (19, 0, 750),
    (20, 0, 800),
    (21, 0, 1000),
    (22, 0, 1200),
    (23, 0, 1500),
    (24, 0, 1600),
    (25, 0, 2000),
    (26, 0, 2500),
    (27, 0, 3000),
    (28, 0, 4000),
    (29, 0, 5000);

-- Default TT: the one system that both the three-phase list (all but TN-C-S)
-- and the single-phase list (TT and IT) offer.
INSERT INTO List_Earthing (lEarthingID, bIsDefault, nEarthCode, sSystemName) VALUES
    (1, 0, 1, 'TN-S'),
    (2, 0, 2, 'TN-C-S'),
    (3, 0, 3, 'TN-C'),
    (4, 1, 4, 'TT'),
    (5, 0, 5, 'IT');

-- Without reactor, detuned 6 % (5th harmonic) and 13 % (3rd harmonic); default 6 %.
INSERT INTO List_Reactor (lReactorID, bIsDefault, dReactor) VALUES
    (1, 0, 0),
    (2, 1, 6),
    (3, 0, 13);
