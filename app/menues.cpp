#include "app/menues.h"

#include "app/befehle.h"

namespace {

const CMenueEintrag kTrenner{};

CMenueEintrag Popup(std::string text, std::vector<CMenueEintrag> unter)
{
    return {std::move(text), 0, std::move(unter)};
}

CMenueEintrag UmgebungMenue() { return Popup("&Umgebung", {{"&Anordnung", ID_ANORDNUNG, {}}}); }

CMenueEintrag ProfilMenue()
{
    return Popup("&Benutzerprofil", {{"&Anzeige", ID_ANZEIGE, {}},
                                     {"Dateiverwaltung", ID_DATEIVERWALTUNG, {}},
                                     kTrenner,
                                     {"Profildatei", ID_PROFILDATEI, {}}});
}

CMenueEintrag HilfeMenue() { return Popup("&?", {{"&Programmbeschreibung", ID_PROGRAMMBESCHREIBUNG, {}}}); }

std::vector<CMenueEintrag> Hauptmenue()
{
    return {Popup("&Datei", {{"Neu\tStrg+N", ID_FILE_NEW, {}},
                             {"&Datei öffnen\tStrg+D", ID_FILE_OPEN, {}},
                             kTrenner,
                             {"Umgebung öffnen", ID_UMGEBUNG_OEFFNEN, {}},
                             {"Umgebung speichern", ID_UMGEBUNG_SPEICHERN, {}},
                             {"Umgebung speichern unter", ID_UMGEBUNG_SPEICHERN_UNTER, {}},
                             kTrenner,
                             {"Drucker&einrichtung", ID_FILE_PRINT_SETUP, {}},
                             kTrenner,
                             {"Letzte Datei", ID_FILE_MRU_FILE1, {}},
                             kTrenner,
                             {"&Beenden", ID_APP_EXIT, {}}}),
            UmgebungMenue(), ProfilMenue(), HilfeMenue()};
}

std::vector<CMenueEintrag> Dokumentmenue(bool training)
{
    const std::string art = training ? "Training" : "Test";
    const std::string bericht = training ? "Trainingsbericht" : "Testbericht";
    const int basis = training ? 32850 : 32862;
    return {Popup("&Datei", {{"&Neu\tStrg+N", ID_FILE_NEW, {}},
                             {"&Datei öffnen\tStrg+D", ID_FILE_OPEN, {}},
                             {art + " s&chließen", ID_FILE_CLOSE, {}},
                             {art + " &speichern\tStrg+S", ID_FILE_SAVE, {}},
                             {art + " speichern &unter", ID_FILE_SAVE_AS, {}},
                             kTrenner,
                             {"Umgebung öffnen", ID_UMGEBUNG_OEFFNEN, {}},
                             {"Umgebung speichern", ID_UMGEBUNG_SPEICHERN, {}},
                             {"Umgebung speichern unter", ID_UMGEBUNG_SPEICHERN_UNTER, {}},
                             kTrenner,
                             {art + " &drucken\tStrg+P", training ? ID_TRAINING_DRUCKEN : ID_TEST_DRUCKEN, {}},
                             {"Sei&tenansicht", training ? ID_TRAINING_SEITENANSICHT : ID_TEST_SEITENANSICHT, {}},
                             {"Drucker&einrichtung", ID_FILE_PRINT_SETUP, {}},
                             kTrenner,
                             {"Letzte Datei", ID_FILE_MRU_FILE1, {}},
                             kTrenner,
                             {"&Beenden", ID_APP_EXIT, {}}}),
            Popup(training ? "Trainings&auswahl" : "Test&auswahl",
                  {{"&Vordergrundaufgabe", training ? ID_VG_TRAINING : ID_VG_TEST, {}},
                   Popup("&Hintergrund", {{"&Aufgabe", ID_HG_AUFGABE, {}},
                                          {"&Muster", ID_HG_MUSTER, {}},
                                          {"&Bewegung", ID_HG_BEWEGUNG, {}}}),
                   kTrenner,
                   {"&Farben", ID_FARBEN, {}}}),
            UmgebungMenue(),
            {"&Präsentation", training ? ID_PRAESENTATION_TRAINING : ID_PRAESENTATION_TEST, {}},
            Popup("&Bericht", {{art + (training ? "s&angaben" : "&angaben"), basis, {}},
                               {art + (training ? "s&berichte" : "&berichte"), basis + 2, {}},
                               kTrenner,
                               {"&Vorheriger " + bericht, basis + 4, {}},
                               {"&Nächster " + bericht, basis + 6, {}},
                               kTrenner,
                               {bericht + " &löschen", basis + 8, {}},
                               {"&Alle " + bericht + "e löschen", basis + 10, {}}}),
            ProfilMenue(),
            Popup("&Fenster", {{"Über&lappend", ID_WINDOW_CASCADE, {}},
                               {"&Nebeneinander", ID_WINDOW_TILE_HORZ, {}},
                               {"&Symbole anordnen", ID_WINDOW_ARRANGE, {}}}),
            HilfeMenue()};
}

} // namespace

std::vector<CMenueEintrag> MenueRessource(int ressource)
{
    switch (ressource) {
    case IDR_MAINFRAME: return Hauptmenue();
    case IDR_TRAINING: return Dokumentmenue(true);
    case IDR_TEST: return Dokumentmenue(false);
    default: return {};
    }
}

std::vector<int> SymbolleistenRessource(int ressource)
{
    if (ressource == IDR_MAINFRAME)
        return {ID_FILE_NEW, ID_FILE_OPEN, 0, ID_ANORDNUNG, 0, ID_PROGRAMMBESCHREIBUNG};
    if (ressource != IDR_TRAINING && ressource != IDR_TEST)
        return {};
    const bool training = ressource == IDR_TRAINING;
    // The report buttons start with their odd ids: disabled until the
    // view's state enables them.
    const int bericht = training ? 32851 : 32863;
    return {ID_FILE_NEW,
            ID_FILE_OPEN,
            ID_FILE_SAVE,
            training ? ID_TRAINING_DRUCKEN : ID_TEST_DRUCKEN,
            0,
            training ? ID_VG_TRAINING : ID_VG_TEST,
            ID_HG_AUFGABE,
            ID_HG_MUSTER,
            ID_HG_BEWEGUNG,
            ID_FARBEN,
            0,
            ID_ANORDNUNG,
            0,
            training ? ID_PRAESENTATION_TRAINING : ID_PRAESENTATION_TEST,
            0,
            bericht,
            bericht + 2,
            bericht + 4,
            bericht + 6,
            bericht + 8,
            0,
            ID_PROGRAMMBESCHREIBUNG};
}

std::string BefehlsHinweis(int id)
{
    switch (id) {
    case ID_FILE_NEW: return "Erstellt einen neuen Trainings- oder Testteil.\nNeu";
    case ID_FILE_OPEN: return "Öffnet eine Trainings- oder Testdatei.\nDatei öffnen";
    case ID_FILE_PRINT_SETUP: return "Ändert den Drucker und die Druckeroptionen.\nDruckereinrichtung";
    case ID_UMGEBUNG_OEFFNEN: return "Öffnet eine Umgebung.\nUmgebung öffnen";
    case ID_UMGEBUNG_SPEICHERN:
        return "Speichert die Einstellungen der Umgebung unter dem bisherigen Namen.\nUmgebung speichern";
    case ID_UMGEBUNG_SPEICHERN_UNTER:
        return "Speichert die Einstellungen der Umgebung unter neuem Namen.\nUmgebung speichern unter";
    case ID_ANORDNUNG:
        return "Legt die Einstellungen für die Anordnung (Bildschirm, Abstand) fest.\nAnordnung festlegen";
    case ID_ANZEIGE:
        return "Legt die Einstellungen für die Anzeige (Einheiten, Fenster, ...) fest.\nAnzeigeoptionen festlegen";
    case ID_DATEIVERWALTUNG:
        return "Legt die Benutzerverzeichnisse und Vorlagendateien für Lumetra fest.\nVerzeichnisse und Dateien "
               "festlegen";
    case ID_PROFILDATEI: return "Legt den Dateinamen für das Benutzerprofil fest.\nProfildatei festlegen";
    case ID_PROGRAMMBESCHREIBUNG: return "Zeigt die Programmbeschreibung von Lumetra.\nProgrammbeschreibung zeigen";
    default: return {};
    }
}
