#pragma once

#include <string>

// Command ids of the menus, tool bars and accelerators (the framework's own
// ids keep their values so that stored tables stay readable).
enum : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_MRU_FILE1 = 57616, // up to ID_FILE_MRU_FILE1 + 3
    ID_APP_EXIT = 57665,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,

    ID_PRAESENTATION_TRAINING = 126,
    ID_ANZEIGE = 32793,
    ID_DATEIVERWALTUNG = 32796,
    ID_HG_AUFGABE = 32802,
    ID_VG_TRAINING = 32803,
    ID_FARBEN = 32804,
    ID_ANORDNUNG = 32812,
    ID_UMGEBUNG_SPEICHERN = 32813,
    ID_UMGEBUNG_SPEICHERN_UNTER = 32814,
    ID_PROFILDATEI = 32815,
    ID_UMGEBUNG_OEFFNEN = 32817,
    ID_HG_MUSTER = 32821,
    ID_HG_BEWEGUNG = 32822,
    ID_VG_TEST = 32833,
    ID_PRAESENTATION_TEST = 32834,
    ID_PROGRAMMBESCHREIBUNG = 32837,
    ID_TEST_DRUCKEN = 32840,
    ID_TEST_SEITENANSICHT = 32841,
    ID_TRAINING_DRUCKEN = 32842,
    ID_TRAINING_SEITENANSICHT = 32843,
};

// Resources: the main window without a document, and the two document types.
enum : int { IDR_MAINFRAME = 128, IDR_TRAINING = 129, IDR_TEST = 130 };

// The status-bar prompt of a command (before "\n") and its tool tip (after);
// empty when the command has none.
std::string BefehlsHinweis(int id);
