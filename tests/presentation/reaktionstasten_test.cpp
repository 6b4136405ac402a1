// Every reaction-key entry polls the key it names, as SDL reports it on a German layout.
#include "testanzeige.h"

#include "model/training.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "presentation/reaktionstasten.h"
#include "workplace/benutzerprofil.h"
#include "workplace/tastenliste.h"
#include "workplace/umgebung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CTastenEintrag {
    std::string name;
    int vk;
    SDL_Keycode sdl; // what the key sends on a German layout; 0 for the mouse
};

std::vector<CTastenEintrag> ErwarteteTasten()
{
    std::vector<CTastenEintrag> t = {
        {"Eingabetaste", VK_RETURN, SDLK_RETURN},
        {"Leertaste", VK_SPACE, SDLK_SPACE},
        {"Linke Maustaste", VK_LBUTTON, 0},
        {"Rechte Maustaste", VK_RBUTTON, 0},
        {"Crsr Links", VK_LEFT, SDLK_LEFT},
        {"Crsr Rechts", VK_RIGHT, SDLK_RIGHT},
        {"Crsr Unten", VK_DOWN, SDLK_DOWN},
        {"Crsr Oben", VK_UP, SDLK_UP},
        {"Tabulator", VK_TAB, SDLK_TAB},
        {"Bild oben", VK_PRIOR, SDLK_PAGEUP},
        {"Bild unten", VK_NEXT, SDLK_PAGEDOWN},
        {"Pos 1", VK_HOME, SDLK_HOME},
        {"Ende", VK_END, SDLK_END},
    };
    for (char c = 'A'; c <= 'Z'; ++c)
        t.push_back({std::string("<") + c + ">", c, SDLK_a + (c - 'A')});
    for (char c = '0'; c <= '9'; ++c)
        t.push_back({std::string("<") + c + ">", c, SDLK_0 + (c - '0')});
    const std::vector<CTastenEintrag> zeichen = {
        {"<#>", VK_OEM_2, SDLK_HASH},      {"<+>", VK_OEM_PLUS, SDLK_PLUS},
        {"<->", VK_OEM_MINUS, SDLK_MINUS}, {"<.>", VK_OEM_PERIOD, SDLK_PERIOD},
        {"<,>", VK_OEM_COMMA, SDLK_COMMA}, {"<Ä>", VK_OEM_7, 0xE4},
        {"<Ö>", VK_OEM_3, 0xF6},           {"<Ü>", VK_OEM_1, 0xFC},
    };
    t.insert(t.end(), zeichen.begin(), zeichen.end());
    return t;
}

// Each entry as the reaction key: its key reacts, the next entry's key does not.
TEST(Reaktionstasten, JederEintragFragtSeineTasteAb)
{
    const CTastenliste liste;
    const std::vector<CTastenEintrag> erwartet = ErwarteteTasten();
    ASSERT_EQ(liste.GetAnzahl(), int(erwartet.size()));
    EXPECT_EQ(CReaktionstasten::GetVirtKey(liste, -1), 0);
    EXPECT_EQ(CReaktionstasten::GetVirtKey(liste, 57), 0);
    CBenutzerprofil profil;
    CUmgebung umgebung(&profil); // asks a display of its own for the modes
    testanzeige::CUmfeld umfeld;
    CTraining training;
    training.SetUmgebung(&umgebung);
    training.SetAufgabenart(10);
    double ms = 10.0;
    for (int i = 0; i < liste.GetAnzahl(); ++i) {
        const CTastenEintrag& e = erwartet[size_t(i)];
        SCOPED_TRACE(e.name);
        ASSERT_EQ(liste.GetName(i), e.name);
        EXPECT_EQ(CReaktionstasten::GetVirtKey(liste, i), e.vk);
        if (e.sdl != 0) {
            EXPECT_EQ(VirtuelleTasteAusSdl(e.sdl), e.vk);
        }
        CSakkaden s = training.GetSakkaden();
        s.m_nDurchgangsende = 1;
        s.m_nReaktionstaste = i;
        training.SetSakkaden(s);
        CReaktionstasten tasten;
        ASSERT_EQ(tasten.TrainingEinrichten(&training, &umgebung), 0);
        auto druck = [&](int vk) {
            umfeld.anzeige->Druecken(vk, ms, ms + 1.0);
            umfeld.anzeige->ZeitVorruecken(int64_t((ms + 0.5) * 1e6) - umfeld.anzeige->GetZeitNs());
            const uint32_t bits = tasten.Abfragen();
            umfeld.anzeige->ZeitVorruecken(int64_t((ms + 2.0) * 1e6) - umfeld.anzeige->GetZeitNs());
            tasten.Abfragen();
            ms += 3.0;
            return bits & TASTE_2;
        };
        EXPECT_EQ(druck(erwartet[size_t(i + 1) % erwartet.size()].vk), 0u);
        EXPECT_EQ(druck(e.vk), TASTE_2);
    }
}

} // namespace
