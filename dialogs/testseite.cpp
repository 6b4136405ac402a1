#include "dialogs/testseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "model/test.h"
#include "workplace/formatierung.h"

CTestSeite::CTestSeite(const QString& titel, int testart, const CTastenText (&tasten)[4],
                       std::string (*reihenfolgeName)(int))
    : CSeite(titel, kAufgabenBreite, kAufgabenHoehe, true), m_nTestart(testart)
{
    for (int i = 0; i <= 6; ++i)
        m_Reihenfolge.push_back(reihenfolgeName(i));
    for (int i = 0; i < 4; ++i)
        m_TastenText[i] = tasten[i];
}

void CTestSeite::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test)
{
    Binden(profil, umgebung);
    m_pTest = test;
}

void CTestSeite::ErzeugeLinkeSpalte()
{
    Gruppe("gruppeArt", "Aufgabenart", Kante(5, 5, 305, 67));
    m_pVerfahrenA = Option("verfahrenA", "A) Herstellungsverfahren", Kante(15, 20, 295, 40), true);
    m_pVerfahrenB = Option("verfahrenB", "B) Verfahren konstanter Reize", Kante(15, 41, 295, 61));

    Gruppe("gruppePause", "Zeitintervall zwischen Durchgängen", Kante(5, 72, 305, 155));
    m_pStartTaste = Option("startTaste", "Start durch Testleiter mit Taste", Kante(15, 87, 205, 107), true);
    m_pStarttaste = Liste("starttaste", Kante(205, 86, 295, 186));
    m_pStartZeit = Option("startZeit", "Variables Zeitintervall [s]", Kante(15, 108, 295, 128));
    m_pPauseZwischen = Beschriftung("pauseZwischen", "zwischen", Kante(25, 132, 95, 147));
    m_pPauseMin = Zahlfeld("pauseMin", Kante(95, 130, 155, 148));
    m_pPauseUnd = Beschriftung("pauseUnd", "und", Kante(165, 132, 235, 147));
    m_pPauseMax = Zahlfeld("pauseMax", Kante(235, 130, 295, 148));

    Gruppe("gruppeTasten", "Reaktionstasten", Kante(5, 160, 305, 306));
    m_pHorizontal = Kontrollkaestchen("horizontal", "Horizontale Änderung / Lage", Kante(15, 175, 295, 195));
    auto taste = [this](int i, int l, int y) {
        const std::string name = m_TastenText[i].name;
        m_pTastenText[i] = Beschriftung((name + "Text").c_str(), QString::fromUtf8(m_TastenText[i].text),
                                        Kante(l, y + 3, l + 40, y + 18));
        m_pTasten[i] = Liste(name.c_str(), Kante(l + 40, y - 1, l + 130, y + 99));
    };
    taste(0, 25, 196);
    taste(1, 165, 196);
    m_pVertikal = Kontrollkaestchen("vertikal", "Vertikale Änderung / Lage", Kante(15, 217, 295, 237));
    taste(2, 25, 238);
    taste(3, 165, 238);
    m_pGeschwindigkeitText = Beschriftung(
        "geschwindigkeitText", QString::fromStdString("Änderungsgeschwindigkeit [" + GetEinheitText() + "/s]"),
        Kante(15, 262, 235, 277));
    m_pGeschwindigkeit = Zahlfeld("geschwindigkeit", Kante(235, 260, 295, 278));
    m_pEndtasteText = Beschriftung("endtasteText", "Endtaste", Kante(15, 283, 205, 298));
    m_pEndtaste = Liste("endtaste", Kante(205, 279, 295, 379));

    Gruppe("gruppeReihenfolge", "Reihenfolge der Durchgänge", Kante(5, 311, 305, 394));
    Beschriftung("permutationenText", "Permutationen", Kante(15, 329, 95, 344));
    m_pPermutationen = Zahlfeld("permutationen", Kante(95, 327, 155, 345));
    m_pPermutationen->m_bNurAnzeige = true;
    m_pPermutationen->setReadOnly(true);
    Beschriftung("wiederholungText", "Wiederholung", Kante(165, 329, 235, 344));
    m_pWiederholungen = Zahlfeld("wiederholungen", Kante(235, 327, 295, 345));
    Beschriftung("reihenfolgeText", "Reihenfolgebestimmung", Kante(15, 350, 165, 365));
    m_pReihenfolge = Liste("reihenfolge", Kante(165, 346, 295, 446));
    Beschriftung("beginnText", "Beginn mit Durchgang / Zufallsursprung", Kante(15, 371, 235, 386));
    m_pBeginn = Zahlfeld("beginn", Kante(235, 369, 295, 387));

    for (QComboBox* l : {m_pStarttaste, m_pTasten[0], m_pTasten[1], m_pTasten[2], m_pTasten[3], m_pEndtaste})
        TastenEintragen(l);
    for (const std::string& r : m_Reihenfolge)
        m_pReihenfolge->addItem(QString::fromStdString(r));
}

CTestSeite::CStufen CTestSeite::ErzeugeStufen(const std::string& name, const QString& text, int y, EUmrechnung art)
{
    CStufen s;
    s.art = art;
    const int y2 = y + 21;
    Beschriftung((name + "Text").c_str(), text, Kante(320, y + 3, 460, y + 18));
    Beschriftung((name + "Abstufungen").c_str(), "Abstufungen", Kante(470, y + 3, 540, y + 18));
    s.anzahl = Zahlfeld((name + "Stufen").c_str(), Kante(540, y + 1, 600, y + 19));
    QLabel* zwischen = Beschriftung((name + "Zwischen").c_str(), "zwischen", Kante(330, y2 + 3, 400, y2 + 18));
    s.von = Zahlfeld((name + "Von").c_str(), Kante(400, y2 + 1, 460, y2 + 19));
    QLabel* und = Beschriftung((name + "Und").c_str(), "und", Kante(470, y2 + 3, 540, y2 + 18));
    s.bis = Zahlfeld((name + "Bis").c_str(), Kante(540, y2 + 1, 600, y2 + 19));
    for (QWidget* w : std::initializer_list<QWidget*>{s.anzahl, zwischen, s.von, und, s.bis})
        RechtsFreigeben(w);
    return s;
}

void CTestSeite::ZeigeStufen(const CStufen& s, int anzahl, double von, double bis)
{
    ZeigeAnzahl(s.anzahl, anzahl);
    for (auto [feld, wert] : {std::pair{s.von, von}, std::pair{s.bis, bis}}) {
        switch (s.art) {
        case EUmrechnung::X: ZeigeLaengeX(feld, wert); break;
        case EUmrechnung::Y: ZeigeLaengeY(feld, wert); break;
        case EUmrechnung::Prozent: ZeigeWert(feld, wert, FormatDouble(wert * 100.0, 1)); break;
        }
    }
}

void CTestSeite::LiesStufen(const CStufen& s, int32_t& anzahl, double& von, double& bis) const
{
    anzahl = LiesAnzahl(s.anzahl);
    auto lies = [this, &s](const CFeld* feld) {
        switch (s.art) {
        case EUmrechnung::X: return LiesLaengeX(feld);
        case EUmrechnung::Y: return LiesLaengeY(feld);
        case EUmrechnung::Prozent: break;
        }
        return LiesWert(feld, [](const std::string& text) { return ParseDouble(text, 1) / 100.0; });
    };
    von = lies(s.von);
    bis = lies(s.bis);
}

void CTestSeite::ZeigeDaten()
{
    const bool daten = m_pTest && m_pUmgebung;
    CAblaufWerte w;
    if (daten) {
        w = HoleAblauf();
        if (m_pTest->GetTestart() == m_nTestart)
            Waehlen(w.nVerfahren == 10 ? m_pVerfahrenA : m_pVerfahrenB);
        else
            Abwaehlen(m_pVerfahrenA);
        Waehlen(w.nIntervallModus == 1 ? m_pStartTaste : m_pStartZeit);
        Setzen(m_pHorizontal, w.nRichtungen == 1 || w.nRichtungen == 3);
        Setzen(m_pVertikal, w.nRichtungen == 2 || w.nRichtungen == 3);
        TasteAuswaehlen(m_pStarttaste, w.nStartTaste);
        for (int i = 0; i < 4; ++i)
            TasteAuswaehlen(m_pTasten[i], w.nTaste[i]);
        TasteAuswaehlen(m_pEndtaste, w.nEndTaste);
        Auswaehlen(m_pReihenfolge, w.nReihenfolge);
        ZeigeSekunden(m_pPauseMin, w.dIntervallVon);
        ZeigeSekunden(m_pPauseMax, w.dIntervallBis);
        ZeigeLaengeX(m_pGeschwindigkeit, w.dGeschwindigkeit);
        ZeigeAnzahl(m_pPermutationen, w.nPermutationen);
        ZeigeAnzahl(m_pWiederholungen, w.nWiederholungen);
        ZeigeAnzahl(m_pBeginn, w.nStartDurchgang);
        ZeigeRechts();
    }

    Freigeben(m_pPermutationen, false);
    const bool aktiv = daten && m_pTest->GetTestart() == m_nTestart;
    const bool startTaste = w.nIntervallModus == 1;
    const bool horizontal = w.nRichtungen == 1 || w.nRichtungen == 3;
    const bool vertikal = w.nRichtungen == 2 || w.nRichtungen == 3;
    const bool herstellung = w.nVerfahren == 10;
    Freigeben({m_pStartTaste, m_pStartZeit, m_pHorizontal, m_pVertikal, m_pWiederholungen, m_pReihenfolge, m_pBeginn},
              aktiv);
    Freigeben(m_pStarttaste, aktiv && startTaste);
    Freigeben({m_pPauseZwischen, m_pPauseMin, m_pPauseUnd, m_pPauseMax}, aktiv && !startTaste);
    Freigeben({m_pTastenText[0], m_pTasten[0], m_pTastenText[1], m_pTasten[1]}, aktiv && horizontal);
    Freigeben({m_pTastenText[2], m_pTasten[2], m_pTastenText[3], m_pTasten[3]}, aktiv && vertikal);
    Freigeben({m_pGeschwindigkeitText, m_pGeschwindigkeit, m_pEndtasteText, m_pEndtaste}, aktiv && herstellung);
    for (QWidget* r : m_Rechts)
        Freigeben(r, aktiv);
    update();
}

void CTestSeite::LeseDaten()
{
    if (!m_pTest || !m_pUmgebung)
        return;
    CAblaufWerte w = HoleAblauf();
    if (Gewaehlt(m_pVerfahrenA))
        w.nVerfahren = 10;
    else if (Gewaehlt(m_pVerfahrenB))
        w.nVerfahren = 20;
    else
        return;
    m_pTest->SetTestart(m_nTestart);

    w.nIntervallModus = Gewaehlt(m_pStartTaste) ? 1 : 0;
    w.nStartTaste = LiesAuswahl(m_pStarttaste, w.nStartTaste);
    w.dIntervallVon = LiesSekunden(m_pPauseMin);
    w.dIntervallBis = LiesSekunden(m_pPauseMax);
    w.nRichtungen = (Gewaehlt(m_pHorizontal) ? 1 : 0) + (Gewaehlt(m_pVertikal) ? 2 : 0);
    for (int i = 0; i < 4; ++i)
        w.nTaste[i] = LiesAuswahl(m_pTasten[i], w.nTaste[i]);
    w.nEndTaste = LiesAuswahl(m_pEndtaste, w.nEndTaste);
    w.dGeschwindigkeit = LiesLaengeX(m_pGeschwindigkeit);
    w.nReihenfolge = LiesAuswahl(m_pReihenfolge, w.nReihenfolge);
    w.nStartDurchgang = LiesAnzahl(m_pBeginn);
    w.nWiederholungen = LiesAnzahl(m_pWiederholungen);
    Speichern(w);
}
