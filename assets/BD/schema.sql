-- The settings file shipped beside the program: one table, one row, text columns.
CREATE TABLE Tabela1 (
    id           INTEGER PRIMARY KEY,
    "left"       TEXT,
    "top"        TEXT,
    miniLeft     TEXT,
    miniTop      TEXT,
    iniMinimized TEXT,
    optTaskbar   TEXT,
    optMax       TEXT,
    atalhos      TEXT,
    fixWidth     TEXT,
    fixHeight    TEXT
);
INSERT INTO Tabela1 (id, "left", "top", miniLeft, miniTop, iniMinimized, optTaskbar, optMax,
                     atalhos, fixWidth, fixHeight)
VALUES (1, '', '', '0', '0', '0', '0', '1', '', '500', '100');
