#include "dialogs/textdlg.h"

#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dateiauswahl.h"
#include "dialogs/dateiwahl.h"
#include "model/training.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

CTextDlg::CTextDlg() : CSeite("Text", kAufgabenBreite, kAufgabenHoehe, true) {}

void CTextDlg::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    m_pProfil = profil;
    Binden(profil, umgebung);
    m_pTraining = training;
}

std::string CTextDlg::EigeneTexte() const
{
    return m_pProfil ? m_pProfil->GetVerzeichnisse().m_strEigeneTexte : std::string();
}

std::string CTextDlg::Textsammlung() const
{
    return m_pProfil ? m_pProfil->GetVerzeichnisse().m_strTexte : std::string();
}

void CTextDlg::ErzeugeSchriftGruppe(CSchriftGruppe& g, const std::string& v, const QString& titel, int dy,
                                    bool randZuRand)
{
    auto n = [&v](const char* name) { return v + name; };
    Gruppe(n("Gruppe").c_str(), titel, Kante(5, 139 + dy, 305, 264 + dy));
    Beschriftung(n("SchriftartText").c_str(), "Schriftart", Kante(15, 157 + dy, 95, 172 + dy));
    g.art = Textfeld(n("Schriftart").c_str(), Kante(95, 155 + dy, 225, 173 + dy));
    g.suchen = Schaltflaeche(n("Suchen").c_str(), "Suchen", Kante(235, 154 + dy, 295, 174 + dy));
    Beschriftung(n("SchriftstilText").c_str(), "Schriftstil", Kante(15, 178 + dy, 95, 193 + dy));
    g.fett = Kontrollkaestchen(n("Fett").c_str(), "fett", Kante(95, 175 + dy, 165, 195 + dy));
    g.kursiv = Kontrollkaestchen(n("Kursiv").c_str(), "kursiv", Kante(165, 175 + dy, 235, 195 + dy));
    g.unterstrichen = Kontrollkaestchen(n("Unterstrichen").c_str(), "unterstr.", Kante(235, 175 + dy, 295, 195 + dy));
    g.groesse = Wertzeile(5, 196 + dy, 15, n("GroesseText").c_str(), MitEinheit("Schriftgröße"), n("Groesse").c_str());
    Beschriftung(n("AusrichtungText").c_str(), "Horizontale Ausrichtung", Kante(15, 220 + dy, 295, 235 + dy));
    static const char* const namen[4] = {"Links", "Zentriert", "Rechts", "Block"};
    static const char* const texte[4] = {"links", "zentriert", "rechts", "Block"};
    // The heading's options run edge to edge, the body's are 60 wide.
    static const int links[4] = {25, 95, 165, 235};
    static const int rechtsRand[4] = {95, 165, 235, 295};
    static const int rechtsZelle[4] = {85, 155, 225, 295};
    for (int i = 0; i < 4; ++i)
        g.ausrichtung[i] = Option(n(namen[i]).c_str(), texte[i],
                                  Kante(links[i], 238 + dy, randZuRand ? rechtsRand[i] : rechtsZelle[i], 258 + dy),
                                  i == 0);
}

void CTextDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeAufgabenart", "Aufgabenart", Kante(5, 5, 305, 67));
    m_pSammlung = Option("textSammlung", "Text", Kante(15, 20, 295, 40), true);
    m_pEigen = Option("textEigen", QString("Eigener Text aus Datei") + " (.txt)", Kante(15, 41, 295, 61));

    Gruppe("gruppeTextseiten", "Textseiten", Kante(5, 72, 305, 134));
    Beschriftung("tastenText", "Tasten zum Blättern der Seiten", Kante(15, 90, 295, 105));
    m_pVorText = Beschriftung("vorText", "vor", Kante(25, 111, 65, 126));
    m_pTasteVor = Liste("tasteVor", Kante(65, 107, 155, 207));
    m_pZurueckText = Beschriftung("zurueckText", "zurück", Kante(165, 111, 205, 126));
    m_pTasteZurueck = Liste("tasteZurueck", Kante(205, 107, 295, 207));

    Gruppe("gruppeTextauswahl", "Textauswahl", Kante(310, 5, 610, 134));
    Beschriftung("textnameText", "Textname", Kante(320, 23, 400, 38));
    m_pTextname = Textfeld("textname", Kante(400, 21, 530, 39));
    m_pSuchen = Schaltflaeche("suchen", "Suchen", Kante(540, 20, 600, 40));
    Beschriftung("ordnerText", "Verzeichnis / Unterverzeichnis", Kante(320, 44, 600, 59));
    m_pOrdner = Textfeld("ordner", Kante(330, 63, 600, 81), true);
    Beschriftung("eigeneTexteText", "Verzeichnis für eigene Texte", Kante(320, 86, 600, 101));
    m_pEigeneTexte = Textfeld("eigeneTexte", Kante(330, 105, 600, 123), true);

    ErzeugeSchriftGruppe(m_Ueberschrift, "ue", "Schrift Überschrift", 0, true);
    ErzeugeSchriftGruppe(m_Text, "tx", "Schrift Text", 130, false);

    Gruppe("gruppeVerteilung", "Verteilung", Kante(310, 139, 610, 264));
    Beschriftung("vertikalText", "Vertikale Ausrichtung", Kante(320, 157, 600, 172));
    m_pOben = Option("oben", "oben", Kante(400, 175, 470, 195), true);
    m_pMittig = Option("mittig", "mittig", Kante(470, 175, 540, 195));
    m_pUnten = Option("unten", "unten", Kante(540, 175, 600, 195));
    m_pZeilenabstand = Wertzeile(310, 196, 320, "zeilenabstandText", "Zeilenabstand [1/Schriftgröße]", "zeilenabstand");

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 269, 610, 394));
    m_pBildbreite = Wertzeile(310, 284, 320, "bildbreiteText", MitEinheitMaxX("Bildbreite"), "bildbreite");
    m_pBildhoehe = Wertzeile(310, 305, 320, "bildhoeheText", MitEinheitMaxY("Bildhöhe"), "bildhoehe");

    TastenEintragen(m_pTasteVor);
    TastenEintragen(m_pTasteZurueck);
}

void CTextDlg::ZeigeSchrift(const CSchriftGruppe& g, const LOGFONT& lf, double groesse, int ausrichtung)
{
    SetText(g.art, lf.lfFaceName);
    Setzen(g.fett, lf.lfWeight >= 550);
    Setzen(g.kursiv, lf.lfItalic != 0);
    Setzen(g.unterstrichen, lf.lfUnderline != 0);
    ZeigeLaengeY(g.groesse, groesse);
    Waehlen(g.ausrichtung[ausrichtung >= 1 && ausrichtung <= 3 ? ausrichtung : 0]);
}

void CTextDlg::LiesSchrift(const CSchriftGruppe& g, LOGFONT& lf, double& groesse, int& ausrichtung) const
{
    // The face name holds 31 characters; a longer one is cut.
    lf.lfFaceName = KuerzeSchriftname(OhneRand(GetText(g.art)));
    lf.lfWeight = Gewaehlt(g.fett) ? 700 : 400;
    lf.lfItalic = Gewaehlt(g.kursiv) ? 1 : 0;
    lf.lfUnderline = Gewaehlt(g.unterstrichen) ? 1 : 0;
    groesse = LiesLaengeY(g.groesse);
    ausrichtung = Gewaehlt(g.ausrichtung[3]) ? 3 : Gewaehlt(g.ausrichtung[2]) ? 2 : Gewaehlt(g.ausrichtung[1]) ? 1 : 0;
}

std::vector<QWidget*> CTextDlg::Steuer(const CSchriftGruppe& g)
{
    return {g.art,     g.suchen,         g.fett,           g.kursiv,         g.unterstrichen,
            g.groesse, g.ausrichtung[0], g.ausrichtung[1], g.ausrichtung[2], g.ausrichtung[3]};
}

void CTextDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CText t = m_pTraining->GetText();
    const bool aktiv = m_pTraining->GetAufgabenart() == AUFGABENART_TEXT;
    const bool eigen = t.m_nTextart == 20;

    if (aktiv)
        Waehlen(eigen ? m_pEigen : m_pSammlung);
    else
        Abwaehlen(m_pSammlung);
    TasteAuswaehlen(m_pTasteVor, t.m_nTasteVor);
    TasteAuswaehlen(m_pTasteZurueck, t.m_nTasteZurueck);
    if (eigen) {
        SetText(m_pTextname, t.m_strEigenerText);
        SetText(m_pOrdner, OrdnerAnzeige(t.m_strEigenerOrdner));
        SetText(m_pEigeneTexte, OrdnerAnzeige(EigeneTexte()));
    } else {
        SetText(m_pTextname, t.m_strSammlungstext);
        SetText(m_pOrdner, OrdnerAnzeige(t.m_strSammlungsordner));
        SetText(m_pEigeneTexte, "");
    }
    Waehlen(t.m_nVertikal == 1 ? m_pMittig : t.m_nVertikal == 2 ? m_pUnten : m_pOben);
    ZeigeZahl(m_pZeilenabstand, t.m_dZeilenabstand);
    ZeigeSchrift(m_Text, t.m_lfText, t.m_dTextgroesse, t.m_nTextausrichtung);
    ZeigeSchrift(m_Ueberschrift, t.m_lfUeberschrift, t.m_dUeberschriftgroesse, t.m_nUeberschriftausrichtung);
    ZeigeLaengeX(m_pBildbreite, t.m_dBildbreite);
    ZeigeLaengeY(m_pBildhoehe, t.m_dBildhoehe);

    Freigeben({m_pVorText, m_pTasteVor, m_pZurueckText, m_pTasteZurueck, m_pTextname, m_pSuchen, m_pOrdner, m_pOben,
               m_pMittig, m_pUnten, m_pZeilenabstand, m_pBildbreite, m_pBildhoehe},
              aktiv);
    for (QWidget* w : Steuer(m_Ueberschrift))
        Freigeben(w, aktiv);
    for (QWidget* w : Steuer(m_Text))
        Freigeben(w, aktiv);
    Freigeben(m_pEigeneTexte, aktiv && eigen);
    update();
}

void CTextDlg::LeseDaten()
{
    if (!m_pTraining)
        return;
    CText t = m_pTraining->GetText();
    if (Gewaehlt(m_pSammlung))
        t.m_nTextart = 10;
    else if (Gewaehlt(m_pEigen))
        t.m_nTextart = 20;
    else
        return;
    m_pTraining->SetAufgabenart(AUFGABENART_TEXT);

    t.m_nTasteVor = LiesAuswahl(m_pTasteVor, t.m_nTasteVor);
    t.m_nTasteZurueck = LiesAuswahl(m_pTasteZurueck, t.m_nTasteZurueck);
    t.m_nVertikal = Gewaehlt(m_pUnten) ? 2 : Gewaehlt(m_pMittig) ? 1 : 0;
    t.m_dZeilenabstand = LiesZahl(m_pZeilenabstand);
    LiesSchrift(m_Text, t.m_lfText, t.m_dTextgroesse, t.m_nTextausrichtung);
    LiesSchrift(m_Ueberschrift, t.m_lfUeberschrift, t.m_dUeberschriftgroesse, t.m_nUeberschriftausrichtung);
    t.m_dBildbreite = LiesLaengeX(m_pBildbreite);
    t.m_dBildhoehe = LiesLaengeY(m_pBildhoehe);
    m_pTraining->SetText(t);
}

void CTextDlg::TextnameUebernehmen(CText& t, const std::string& text) const
{
    if (t.m_nTextart == 20) {
        const CDateiwahl w = ZerlegeDateiname(text, ".txt", EigeneTexte(), false);
        t.m_strEigenerText = w.name;
        if (w.mitOrdner)
            t.m_strEigenerOrdner = w.ordner;
    } else {
        const CDateiwahl w = ZerlegeDateiname(text, ".txt", Textsammlung(), false);
        t.m_strSammlungstext = w.name;
        if (w.mitOrdner)
            t.m_strSammlungsordner = w.ordner;
    }
}

void CTextDlg::OnFeld(CFeld* feld)
{
    if (feld != m_pTextname) {
        Aktualisieren();
        return;
    }
    if (!m_pTraining)
        return;
    CText t = m_pTraining->GetText();
    // Passing through the field without typing changes nothing.
    const std::string& bisher = t.m_nTextart == 20 ? t.m_strEigenerText : t.m_strSammlungstext;
    if (OhneRand(GetText(feld)) != bisher) {
        TextnameUebernehmen(t, GetText(feld));
        m_pTraining->SetText(t);
    }
    Zeigen();
}

void CTextDlg::OnSchaltflaeche(QPushButton* knopf)
{
    if (!m_pTraining)
        return;
    if (knopf == m_Text.suchen || knopf == m_Ueberschrift.suchen) {
        SchriftSuchen(knopf == m_Ueberschrift.suchen);
        return;
    }
    if (knopf != m_pSuchen)
        return;
    CText t = m_pTraining->GetText();
    std::string start;
    if (t.m_nTextart == 20)
        start = OrdnerPfad(EigeneTexte(), t.m_strEigenerOrdner) + "/" + t.m_strEigenerText;
    else if (t.m_strSammlungsordner.empty() || t.m_strSammlungsordner[0] == '\\')
        start = OrdnerPfad(Textsammlung(), t.m_strSammlungsordner) + "/" + t.m_strSammlungstext;
    else
        start = Textsammlung() + "/*.txt";
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "Suchen";
    auswahl.m_Filter = {"Textdateien (*.txt)", "Alle Dateien (*.*)"};
    auswahl.m_strStart = start;
    auswahl.m_bMussExistieren = true;
    std::string pfad;
    if (DateiAuswaehlen(this, auswahl, pfad) == IDOK)
        TextnameUebernehmen(t, pfad);
    m_pTraining->SetText(t);
    Zeigen();
}

void CTextDlg::SchriftSuchen(bool ueberschrift)
{
    CText t = m_pTraining->GetText();
    LOGFONT& lf = ueberschrift ? t.m_lfUeberschrift : t.m_lfText;
    double& groesse = ueberschrift ? t.m_dUeberschriftgroesse : t.m_dTextgroesse;
    // The dialog works with the height the size gives, which is also how a
    // chosen height comes back.
    if (const int pixel = m_pUmgebung ? m_pUmgebung->AnteilInPixelY(groesse) : 0; pixel > 0)
        lf.lfHeight = -pixel;
    if (SchriftWaehlen(this, lf) == IDOK && lf.lfHeight != 0 && m_pUmgebung)
        groesse = m_pUmgebung->InAnteilY(std::abs(lf.lfHeight), EINHEIT_PIXEL);
    m_pTraining->SetText(t);
    Zeigen();
}
