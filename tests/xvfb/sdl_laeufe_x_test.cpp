// Saccade, reading and test runs on the SDL display under a real X server,
// keys pushed as SDL events or typed through X (xdotool) as a trainee would.

#include "presentation/bmpdatei.h"
#include "sdl_lauf.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace std::chrono_literals;

bool Befehl(const std::string& befehl) { return std::system((befehl + " >/dev/null 2>&1").c_str()) == 0; }

// Typed through X, held as a finger would: a tap between two polls is no press.
void Tippen(const std::string& taste, std::chrono::milliseconds halten = 100ms)
{
    Befehl("xdotool keydown " + taste);
    std::this_thread::sleep_for(halten);
    Befehl("xdotool keyup " + taste);
}

struct SdlLaufX : XTest {
    // Enter leaves the ready screen, then folge; Escape as a last resort.
    void Training(std::vector<std::pair<int, SDL_Keycode>> folge, std::function<void(CPraesentation&)> nachher)
    {
        folge.insert(folge.begin(), {1500, SDLK_RETURN});
        folge.push_back({15000, SDLK_ESCAPE});
        EXPECT_EQ(lauf.Laufen(std::make_shared<CSdlAnzeige>(), Tastenfolge(std::move(folge)), std::move(nachher)), 0)
            << lauf.fehler;
    }
    // Once the window is up: Enter, then tasten(ms since Enter).
    CTestBericht Testlauf(const std::function<void(std::function<void(int)>)>& tasten)
    {
        const int ergebnis = lauf.Laufen(
            std::make_shared<CSdlAnzeige>(),
            [&](const std::atomic<bool>& fertig) {
                if (!Befehl("xdotool search --sync --onlyvisible --name '^Lumetra$'"))
                    return;
                std::this_thread::sleep_for(1000ms);
                Tippen("Return");
                const auto start = std::chrono::steady_clock::now();
                auto bis = [&](int ms) { Bis(fertig, start, ms); };
                tasten(bis);
                bis(12000);
                if (!fertig)
                    Tippen("Escape");
            },
            {}, true);
        EXPECT_EQ(ergebnis, 0) << lauf.fehler;
        return lauf.testBericht;
    }

    CSdlTrainingslauf lauf;
};

TEST_F(SdlLaufX, Sakkaden)
{
    CSakkaden s = lauf.training.GetSakkaden();
    s.m_nDurchgaenge = 3;
    lauf.training.SetSakkaden(s);
    Training({{2200, SDLK_SPACE}, {2900, SDLK_SPACE}},
             [](CPraesentation& p) { Speichern(p, "sakkaden_sdl_letztes_bild"); });
    const CTrainingsBericht& b = lauf.bericht;
    EXPECT_EQ(b.GetAnzahlReize(), 3);
    EXPECT_GT(b.m_dLaufzeit, 0.5);
    EXPECT_NE(b.m_dStandardGeschwindigkeit, 0.0);
    EXPECT_GT(b.GetRechteck(0).right, b.GetRechteck(0).left);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(b.GetZeit(i), 0u) << i;
}

// Pages turned with the arrow keys; the last frame shows the page drawn.
TEST_F(SdlLaufX, Lesetext)
{
    const std::filesystem::path ordner = std::filesystem::path(LUMETRA_ARTIFACTS) / "lesetext_sdl";
    std::filesystem::create_directories(ordner);
    std::string seiten = "Lesen unter X\r\n";
    for (int i = 1; i <= 120; ++i)
        seiten += "Absatz " + std::to_string(i) + ": Zecken sitzen im hohen Gras und warten auf Wirte.\r\n";
    std::ofstream(ordner / "seiten.txt", std::ios::binary) << seiten;
    CVerzeichnisse v = lauf.profil.GetVerzeichnisse();
    v.m_strEigeneTexte = ordner.string();
    lauf.profil.SetVerzeichnisse(v);
    lauf.training.SetAufgabenart(50);
    CText t = lauf.training.GetText();
    t.m_nTextart = 20;
    t.m_strEigenerText = "seiten.txt";
    t.m_nTasteVor = 5; // cursor right
    t.m_nTasteZurueck = 4; // cursor left
    lauf.training.SetText(t);

    int anzahl = 0, text = 0, abweichend = -1;
    // Page 3 on screen wherever it is not transparent.
    auto seite3 = [&](CPraesentation& p) {
        anzahl = p.m_nAnzahl;
        if (anzahl < 4)
            return;
        const RECT seite = p.m_Rechtecke1.GetAt(2);
        const RECT block = p.m_Rechtecke2.GetAt(2);
        ASSERT_EQ(seite.bottom - seite.top, block.bottom - block.top);
        {
            COberflaechenSperre vg(p.m_pVordergrund, nullptr, 0);
            COberflaechenSperre schirm(p.m_pPrimaer, nullptr, 0);
            ASSERT_TRUE(vg.Ok() && schirm.Ok());
            abweichend = 0;
            for (LONG y = 0; y < seite.bottom - seite.top; ++y)
                for (LONG x = 0; x < seite.right - seite.left; ++x) {
                    const BYTE i = vg.Zeile(seite.top + y)[seite.left + x];
                    if (i == INDEX_DURCHSICHTIG)
                        continue;
                    text += i == INDEX_VORDERGRUND;
                    abweichend += schirm.Zeile(block.top + y)[block.left + x] != i;
                }
        }
        Speichern(p, "lesetext_sdl_letztes_bild");
    };
    // Two pages on, Enter ends on page 3.
    Training({{2200, SDLK_RIGHT}, {2900, SDLK_RIGHT}, {3600, SDLK_RETURN}}, seite3);
    ASSERT_GE(anzahl, 4);
    EXPECT_EQ(lauf.bericht.GetAnzahlReize(), anzahl);
    EXPECT_GT(lauf.bericht.GetZeit(0), 0u);
    EXPECT_GT(lauf.bericht.GetZeit(1), 0u);
    EXPECT_GT(text, 1000);
    EXPECT_EQ(abweichend, 0);
}

// Constant stimuli, vertical, with "<Ä>" for "höher" and "<Ö>" for
// "kleiner" (keys Xvfb's layout lacks, sent as SDL reports them on a
// German layout): each answer counts under its own meaning.
TEST_F(SdlLaufX, TestLaengenVertikalMitUmlauten)
{
    lauf.test.SetTestart(20);
    CLaengen l = lauf.test.GetLaengen();
    l.m_nVerfahren = VERFAHREN_KONSTANT;
    l.m_nOrientierung = 2;
    l.m_dIntervallVon = l.m_dIntervallBis = 0.5;
    l.m_nReihenfolge = 1;
    l.m_nBspBreiteStufen = 1;
    l.m_nTestHoeheStufen = 2;
    l.m_dTestHoeheVon = 0.8;
    l.m_dTestHoeheBis = 1.2;
    l.m_nTasteHoeher = 54; // <Ä>
    l.m_nTasteKleiner = 55; // <Ö>
    lauf.test.SetLaengen(l);
    const CTestBericht b = Testlauf([](const std::function<void(int)>& bis) {
        bis(1000);
        SdlTasteDruecken(0xE4, 100); // ä
        bis(2200);
        SdlTasteDruecken(0xF6, 100); // ö
    });
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 2);
    const int hoeher = b.GetDurchgang(0), kleiner = b.GetDurchgang(1);
    EXPECT_EQ(b.GetZaehler4(hoeher), 1u);
    EXPECT_EQ(b.GetZaehler3(hoeher), 0u);
    EXPECT_EQ(b.GetZaehler3(kleiner), 1u);
    EXPECT_EQ(b.GetZaehler4(kleiner), 0u);
}

// Adjustment, vertical: "unten" held moves the crossing down, the vertical
// line stays where it stood.
TEST_F(SdlLaufX, TestLinienhalbierungVertikalEinstellen)
{
    lauf.test.SetTestart(10);
    CLinien l = lauf.test.GetLinien();
    l.m_nOrientierung = 2;
    l.m_dIntervallVon = l.m_dIntervallBis = 0.5;
    l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
    l.m_dVLaengeVon = l.m_dVLaengeBis = 0.3;
    l.m_dVTrennVon = l.m_dVTrennBis = 0.3;
    lauf.test.SetLinien(l);
    const CTestBericht b = Testlauf([](const std::function<void(int)>& bis) {
        bis(1000);
        Tippen("Down", 600ms);
        bis(1900);
        Tippen("space");
    });
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 1);
    EXPECT_GT(b.GetZeit(0), 0u); // ended by the end key, not by Escape
    const RECT linie = b.GetRechteck1(0), start = b.GetRechteck3(0);
    EXPECT_EQ(b.GetRechteck2(0), b.GetRechteck4(0));
    EXPECT_EQ(linie.bottom - linie.top, start.bottom - start.top);
    // About 0.6 s at a step of 0.055 of the width a second.
    EXPECT_GT(linie.top - start.top, 5);
    EXPECT_LT(linie.top - start.top, 60);
}

} // namespace
