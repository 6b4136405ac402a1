#pragma once

#include <string>
#include <vector>

// One entry of a menu resource: a command (id > 0), a separator (empty text)
// or a popup (its entries in m_unter).
struct CMenueEintrag {
    std::string m_text;
    int m_id = 0;
    std::vector<CMenueEintrag> m_unter;
};

// The menu bar of a resource (main window or a document type); empty for an
// unknown resource.
std::vector<CMenueEintrag> MenueRessource(int ressource);
// Buttons of a tool bar resource in order; 0 is a gap.
std::vector<int> SymbolleistenRessource(int ressource);
