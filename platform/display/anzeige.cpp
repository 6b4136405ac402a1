#include "platform/display/objekte.h"

#include <map>

namespace {

struct CRegister {
    std::map<std::string, AnzeigeFabrik> fabriken;
    std::string gewaehlt;
    // The display that the window services go to.
    std::weak_ptr<CAnzeigeKern> aktiv;
    int mauszeiger = 0;
};

CRegister& Register()
{
    static CRegister r;
    return r;
}

thread_local int t_comZaehler = 0;

} // namespace

void AnzeigeTreiberAnmelden(const std::string& name, AnzeigeFabrik fabrik)
{
    Register().fabriken[name] = std::move(fabrik);
}

int AnzeigeTreiberWaehlen(const std::string& name)
{
    if (!name.empty() && !Register().fabriken.count(name))
        return 1;
    Register().gewaehlt = name;
    return 0;
}

std::string GetAnzeigeTreiber() { return Register().gewaehlt; }

HRESULT CoInitialize(void*) { return t_comZaehler++ == 0 ? S_OK : S_FALSE; }

void CoUninitialize()
{
    if (t_comZaehler > 0)
        --t_comZaehler;
}

HRESULT DirectDrawErzeugen(IDirectDraw2** ergebnis)
{
    if (!ergebnis)
        return E_INVALIDARG;
    *ergebnis = nullptr;
    CRegister& r = Register();
    auto it = r.fabriken.find(r.gewaehlt);
    if (it == r.fabriken.end())
        return REGDB_E_CLASSNOTREG;
    std::shared_ptr<CAnzeigeTreiber> treiber = it->second();
    if (!treiber)
        return REGDB_E_CLASSNOTREG;
    if (HRESULT hr = treiber->Vorgabe(EAufruf::Erzeugen); hr != DD_OK)
        return FAILED(hr) ? hr : E_FAIL;
    auto* objekt = new CDDObjekt(std::move(treiber));
    r.aktiv = objekt->Kern();
    *ergebnis = objekt;
    return S_OK;
}

SHORT GetAsyncKeyState(int virtuelleTaste)
{
    auto kern = Register().aktiv.lock();
    return kern ? kern->treiber->Taste(virtuelleTaste) : SHORT(0);
}

BOOL PeekMessageA(MSG* nachricht, HWND fenster, UINT von, UINT bis, UINT entfernen)
{
    auto kern = Register().aktiv.lock();
    if (!kern || !nachricht || !kern->treiber->Nachricht(*nachricht, von, bis, (entfernen & PM_REMOVE) != 0))
        return FALSE;
    nachricht->hwnd = fenster;
    return TRUE;
}

int ShowCursor(BOOL zeigen)
{
    CRegister& r = Register();
    r.mauszeiger += zeigen ? 1 : -1;
    if (auto kern = r.aktiv.lock())
        kern->treiber->MauszeigerSichtbar(r.mauszeiger >= 0);
    return r.mauszeiger;
}

SHORT VkKeyScanA(char zeichen)
{
    const unsigned char c = static_cast<unsigned char>(zeichen);
    constexpr SHORT SHIFT = 0x100, CTRL = 0x200, ALTGR = 0x600;
    if (c >= 'a' && c <= 'z')
        return SHORT(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return SHORT(SHIFT | c);
    if (c >= '0' && c <= '9')
        return SHORT(c);
    switch (c) {
    case ' ': return VK_SPACE;
    case '\r': return VK_RETURN;
    case '\n': return SHORT(CTRL | VK_RETURN); // Ctrl+Enter types a line feed
    case '\t': return VK_TAB;
    case '\b': return VK_BACK;
    case 27: return VK_ESCAPE;
    // German layout: "+" and "-" are unshifted keys of their own.
    case '+': return VK_OEM_PLUS;
    case '*': return SHORT(SHIFT | VK_OEM_PLUS);
    case '~': return SHORT(ALTGR | VK_OEM_PLUS);
    case '-': return VK_OEM_MINUS;
    case '_': return SHORT(SHIFT | VK_OEM_MINUS);
    case ',': return VK_OEM_COMMA;
    case ';': return SHORT(SHIFT | VK_OEM_COMMA);
    case '.': return VK_OEM_PERIOD;
    case ':': return SHORT(SHIFT | VK_OEM_PERIOD);
    case '#': return VK_OEM_2;
    case '\'': return SHORT(SHIFT | VK_OEM_2);
    // Windows-1252 umlauts.
    case 0xE4: return VK_OEM_7;
    case 0xC4: return SHORT(SHIFT | VK_OEM_7);
    case 0xF6: return VK_OEM_3;
    case 0xD6: return SHORT(SHIFT | VK_OEM_3);
    case 0xFC: return VK_OEM_1;
    case 0xDC: return SHORT(SHIFT | VK_OEM_1);
    case '!': return SHORT(SHIFT | '1');
    case '"': return SHORT(SHIFT | '2');
    case '$': return SHORT(SHIFT | '4');
    case '%': return SHORT(SHIFT | '5');
    case '&': return SHORT(SHIFT | '6');
    case '/': return SHORT(SHIFT | '7');
    case '(': return SHORT(SHIFT | '8');
    case ')': return SHORT(SHIFT | '9');
    case '=': return SHORT(SHIFT | '0');
    default: return -1;
    }
}
