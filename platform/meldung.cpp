#include "platform/meldung.h"

#include <cstdio>

namespace {

int ErsteTaste(unsigned typ)
{
    switch (typ & 0x0F) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    default: return IDOK;
    }
}

class CStandardDienst : public CMeldungsDienst {
public:
    int Zeige(const std::string& text, unsigned typ) override
    {
        std::fprintf(stderr, "Lumetra: %s\n", text.c_str());
        return ErsteTaste(typ);
    }
};

CStandardDienst g_standard;
CMeldungsDienst* g_dienst = &g_standard;

} // namespace

void SetMeldungsDienst(CMeldungsDienst* dienst) { g_dienst = dienst ? dienst : &g_standard; }

CMeldungsDienst& GetMeldungsDienst() { return *g_dienst; }

int AfxMessageBox(const std::string& text, unsigned typ) { return g_dienst->Zeige(text, typ); }

CMeldungsRecorder::CMeldungsRecorder() : m_vorher(&GetMeldungsDienst()) { SetMeldungsDienst(this); }

CMeldungsRecorder::~CMeldungsRecorder() { SetMeldungsDienst(m_vorher); }

int CMeldungsRecorder::Zeige(const std::string& text, unsigned typ)
{
    m_meldungen.push_back({text, typ});
    if (m_antworten.empty())
        return ErsteTaste(typ);
    int a = m_antworten.front();
    m_antworten.pop_front();
    return a;
}

std::vector<std::string> CMeldungsRecorder::Texte() const
{
    std::vector<std::string> t;
    for (const auto& m : m_meldungen)
        t.push_back(m.text);
    return t;
}
