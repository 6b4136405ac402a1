#include "presentation/rahmen.h"

namespace {
CLumetraApp* g_pAnwendung = nullptr;
HWND g_hHauptfenster = nullptr;
} // namespace

void RahmenAnmelden(CLumetraApp* anwendung, HWND hauptfenster)
{
    g_pAnwendung = anwendung;
    g_hHauptfenster = hauptfenster;
}

CLumetraApp* GetRahmenAnwendung() { return g_pAnwendung; }
HWND GetRahmenHauptfenster() { return g_hHauptfenster; }
