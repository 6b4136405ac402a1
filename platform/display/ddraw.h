#pragma once

// The exclusive full-screen display, shaped like the DirectDraw interfaces
// that the presentation is written against: an 8-bit palette display with
// one primary surface, one back buffer, off-screen surfaces and a palette.
// The behaviour is shared (display/*.cpp); a back end (CAnzeigeTreiber at the
// end of this header) supplies modes, frames on screen, timing and input.
// Back ends: "speicher" (memory/, tests) and "sdl" (sdl/, the program),
// chosen by explicit request only.

#include "platform/wintypes.h"

#include <cstdint>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// ---- Result codes --------------------------------------------------------
constexpr HRESULT DD_OK = 0;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT REGDB_E_CLASSNOTREG = HRESULT(0x80040154u);

constexpr HRESULT MakeDDHResult(unsigned code) { return HRESULT(0x88760000u + code); }
constexpr HRESULT DDERR_ALREADYINITIALIZED = MakeDDHResult(5);
constexpr HRESULT DDERR_INVALIDMODE = MakeDDHResult(30);
constexpr HRESULT DDERR_INVALIDCAPS = MakeDDHResult(100);
constexpr HRESULT DDERR_INVALIDOBJECT = MakeDDHResult(130);
constexpr HRESULT DDERR_INVALIDPIXELFORMAT = MakeDDHResult(145);
constexpr HRESULT DDERR_INVALIDRECT = MakeDDHResult(150);
constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = MakeDDHResult(212);
constexpr HRESULT DDERR_NOCOLORKEY = MakeDDHResult(215);
constexpr HRESULT DDERR_NOEXCLUSIVEMODE = MakeDDHResult(225);
constexpr HRESULT DDERR_NOTFOUND = MakeDDHResult(255);
constexpr HRESULT DDERR_OUTOFVIDEOMEMORY = MakeDDHResult(380);
constexpr HRESULT DDERR_SURFACEBUSY = MakeDDHResult(430);
constexpr HRESULT DDERR_SURFACELOST = MakeDDHResult(450);
constexpr HRESULT DDERR_WASSTILLDRAWING = MakeDDHResult(540);
constexpr HRESULT DDERR_PRIMARYSURFACEALREADYEXISTS = MakeDDHResult(564);
constexpr HRESULT DDERR_NOPALETTEATTACHED = MakeDDHResult(572);
constexpr HRESULT DDERR_NOBLTHW = MakeDDHResult(575);
constexpr HRESULT DDERR_EXCLUSIVEMODEALREADYSET = MakeDDHResult(581);
constexpr HRESULT DDERR_NOTFLIPPABLE = MakeDDHResult(582);
constexpr HRESULT DDERR_NOTLOCKED = MakeDDHResult(584);
constexpr HRESULT DDERR_UNSUPPORTEDMODE = MakeDDHResult(590);
constexpr HRESULT DDERR_GENERIC = E_FAIL;
constexpr HRESULT DDERR_UNSUPPORTED = E_NOTIMPL;
constexpr HRESULT DDERR_INVALIDPARAMS = E_INVALIDARG;
constexpr HRESULT DDERR_OUTOFMEMORY = E_OUTOFMEMORY;

// The most pixels one surface may hold (16384 x 16384): larger ones are
// refused with DDERR_OUTOFMEMORY rather than allocated.
constexpr uint64_t DD_MAX_PIXEL = uint64_t(1) << 28;

constexpr bool FAILED(HRESULT hr) { return hr < 0; }
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }

// ---- Flags ---------------------------------------------------------------
// SetCooperativeLevel
constexpr DWORD DDSCL_FULLSCREEN = 0x1, DDSCL_ALLOWREBOOT = 0x2, DDSCL_NOWINDOWCHANGES = 0x4, DDSCL_NORMAL = 0x8,
                DDSCL_EXCLUSIVE = 0x10;
// EnumDisplayModes and its callback's answers
constexpr DWORD DDEDM_REFRESHRATES = 0x1;
constexpr HRESULT DDENUMRET_CANCEL = 0, DDENUMRET_OK = 1;
// DDSURFACEDESC::dwFlags
constexpr DWORD DDSD_CAPS = 0x1, DDSD_HEIGHT = 0x2, DDSD_WIDTH = 0x4, DDSD_PITCH = 0x8, DDSD_BACKBUFFERCOUNT = 0x20,
                DDSD_LPSURFACE = 0x800, DDSD_PIXELFORMAT = 0x1000, DDSD_CKSRCBLT = 0x10000, DDSD_REFRESHRATE = 0x40000;
// DDSCAPS::dwCaps
constexpr DWORD DDSCAPS_BACKBUFFER = 0x4, DDSCAPS_COMPLEX = 0x8, DDSCAPS_FLIP = 0x10, DDSCAPS_FRONTBUFFER = 0x20,
                DDSCAPS_OFFSCREENPLAIN = 0x40, DDSCAPS_PRIMARYSURFACE = 0x200, DDSCAPS_SYSTEMMEMORY = 0x800,
                DDSCAPS_VIDEOMEMORY = 0x4000;
// DDPIXELFORMAT::dwFlags
constexpr DWORD DDPF_PALETTEINDEXED8 = 0x20, DDPF_RGB = 0x40;
// CreatePalette
constexpr DWORD DDPCAPS_8BIT = 0x4, DDPCAPS_ALLOW256 = 0x40;
// SetColorKey
constexpr DWORD DDCKEY_SRCBLT = 0x8;
// Blt
constexpr DWORD DDBLT_COLORFILL = 0x400, DDBLT_KEYSRC = 0x8000, DDBLT_WAIT = 0x1000000;
// BltFast
constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x0, DDBLTFAST_SRCCOLORKEY = 0x1, DDBLTFAST_WAIT = 0x10;
// Flip
constexpr DWORD DDFLIP_WAIT = 0x1;
// Lock
constexpr DWORD DDLOCK_SURFACEMEMORYPTR = 0x0, DDLOCK_WAIT = 0x1, DDLOCK_READONLY = 0x10, DDLOCK_WRITEONLY = 0x20;
// GetBltStatus
constexpr DWORD DDGBS_CANBLT = 0x1, DDGBS_ISBLTDONE = 0x2;

// ---- Descriptions --------------------------------------------------------
struct DDPIXELFORMAT {
    DWORD dwSize = sizeof(DDPIXELFORMAT);
    DWORD dwFlags = 0;
    DWORD dwFourCC = 0;
    DWORD dwRGBBitCount = 0;
    DWORD dwRBitMask = 0, dwGBitMask = 0, dwBBitMask = 0, dwRGBAlphaBitMask = 0;
};

struct DDSCAPS {
    DWORD dwCaps = 0;
};

struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue = 0;
    DWORD dwColorSpaceHighValue = 0;
};

struct DDSURFACEDESC {
    DWORD dwSize = sizeof(DDSURFACEDESC);
    DWORD dwFlags = 0;
    DWORD dwHeight = 0;
    DWORD dwWidth = 0;
    LONG lPitch = 0;
    DWORD dwBackBufferCount = 0;
    DWORD dwRefreshRate = 0;
    void* lpSurface = nullptr;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};

struct DDBLTFX {
    DWORD dwSize = sizeof(DDBLTFX);
    DWORD dwFillColor = 0; // palette index for DDBLT_COLORFILL
};

// One display mode as a back end offers it. A rate of 0 is the display's
// default rate.
struct CAnzeigeModus {
    DWORD breite = 0;
    DWORD hoehe = 0;
    DWORD bitsProPixel = 8;
    DWORD frequenz = 0;
    bool operator==(const CAnzeigeModus&) const = default;
};

using LPDDENUMMODESCALLBACK = HRESULT (*)(DDSURFACEDESC* beschreibung, void* kontext);

// ---- Messages, keys and cursor --------------------------------------------
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0; // milliseconds of the display's clock
    POINT pt;
};

// The system asks the program to end (SIGTERM or SIGINT while the display
// is held): answered by PeekMessageA whatever its filter, once.
constexpr UINT WM_QUIT = 0x12;
constexpr UINT WM_KEYFIRST = 0x100, WM_KEYDOWN = 0x100, WM_KEYUP = 0x101, WM_CHAR = 0x102, WM_SYSKEYDOWN = 0x104,
               WM_SYSKEYUP = 0x105, WM_KEYLAST = 0x108;
constexpr UINT WM_MOUSEFIRST = 0x200, WM_MOUSEMOVE = 0x200, WM_LBUTTONDOWN = 0x201, WM_LBUTTONUP = 0x202,
               WM_RBUTTONDOWN = 0x204, WM_RBUTTONUP = 0x205, WM_MOUSELAST = 0x20E;
constexpr UINT PM_NOREMOVE = 0x0, PM_REMOVE = 0x1;

// Virtual key codes; letters and digits are their upper-case ASCII codes.
enum : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F12 = 0x7B,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    // German layout: the keys of "ü", "#", "ö" and "ä".
    VK_OEM_1 = 0xBA,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_7 = 0xDE,
};

// ---- Objects ---------------------------------------------------------------
// Reference counted as COM objects are: Release answers the remaining count
// and frees the object at 0.

class IDirectDrawPalette {
public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT GetEntries(DWORD flags, DWORD erster, DWORD anzahl, PALETTEENTRY* eintraege) = 0;
    virtual HRESULT SetEntries(DWORD flags, DWORD erster, DWORD anzahl, const PALETTEENTRY* eintraege) = 0;

protected:
    virtual ~IDirectDrawPalette() = default;
};

class IDirectDrawSurface {
public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    // Copy (or with DDBLT_COLORFILL fill) into ziel, stretching by nearest
    // neighbour when the rectangles differ; null rectangles mean whole surfaces.
    virtual HRESULT Blt(RECT* ziel, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags, DDBLTFX* fx) = 0;
    // Unscaled copy of quellRechteck to (x, y).
    virtual HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags) = 0;
    // Primary only: shows the back buffer at the next retrace.
    virtual HRESULT Flip(IDirectDrawSurface* ziel, DWORD flags) = 0;
    virtual HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** angehaengt) = 0;
    virtual HRESULT GetBltStatus(DWORD flags) = 0;
    virtual HRESULT GetColorKey(DWORD flags, DDCOLORKEY* schluessel) = 0;
    virtual HRESULT GetPalette(IDirectDrawPalette** palette) = 0;
    virtual HRESULT GetSurfaceDesc(DDSURFACEDESC* beschreibung) = 0;
    virtual HRESULT IsLost() = 0;
    // Pixel pointer (of the rectangle's top-left corner) and pitch in beschreibung.
    virtual HRESULT Lock(RECT* rechteck, DDSURFACEDESC* beschreibung, DWORD flags, void* ereignis) = 0;
    virtual HRESULT Restore() = 0;
    virtual HRESULT SetColorKey(DWORD flags, DDCOLORKEY* schluessel) = 0;
    virtual HRESULT SetPalette(IDirectDrawPalette* palette) = 0;
    virtual HRESULT Unlock(void* zeiger) = 0;

protected:
    virtual ~IDirectDrawSurface() = default;
};

class IDirectDraw2 {
public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT Initialize(void* treiberKennung) = 0;
    virtual HRESULT SetCooperativeLevel(HWND fenster, DWORD flags) = 0;
    // One call of rueckruf per mode; with DDEDM_REFRESHRATES once per rate,
    // else once per size and depth with rate 0. A non-null filter restricts
    // to the size, depth and rate that its flags name.
    virtual HRESULT EnumDisplayModes(DWORD flags, DDSURFACEDESC* filter, void* kontext,
                                     LPDDENUMMODESCALLBACK rueckruf) = 0;
    virtual HRESULT SetDisplayMode(DWORD breite, DWORD hoehe, DWORD bitsProPixel, DWORD frequenz, DWORD flags) = 0;
    virtual HRESULT GetDisplayMode(DDSURFACEDESC* beschreibung) = 0;
    virtual HRESULT RestoreDisplayMode() = 0;
    virtual HRESULT CreateSurface(DDSURFACEDESC* beschreibung, IDirectDrawSurface** oberflaeche, void* aeusseres) = 0;
    virtual HRESULT CreatePalette(DWORD flags, const PALETTEENTRY* eintraege, IDirectDrawPalette** palette,
                                  void* aeusseres) = 0;

    // Window services while the display is held: keyboard and mouse state
    // and messages come from the display's own input.
    virtual SHORT GetAsyncKeyState(int virtuelleTaste) = 0;
    virtual BOOL PeekMessage(MSG* nachricht, HWND fenster, UINT von, UINT bis, UINT entfernen) = 0;
    virtual int ShowCursor(BOOL zeigen) = 0;

protected:
    virtual ~IDirectDraw2() = default;
};

// ---- Creation and window services ----------------------------------------------------------------
// Thread-wise COM bookkeeping: S_OK for the first call on a thread, S_FALSE
// while already initialised there.
HRESULT CoInitialize(void* reserviert);
void CoUninitialize();
// A new display object of the chosen back end; REGDB_E_CLASSNOTREG when none
// is chosen, the back end's failure code when it cannot make one.
HRESULT DirectDrawErzeugen(IDirectDraw2** ergebnis);

// These go to the display object that currently exists (the most recently
// created one); without one no key is down, no message waits and the cursor
// count is kept here.
SHORT GetAsyncKeyState(int virtuelleTaste);
BOOL PeekMessageA(MSG* nachricht, HWND fenster, UINT von, UINT bis, UINT entfernen);
int ShowCursor(BOOL zeigen);
// Virtual key of a character on the German keyboard in the low byte, shift
// state (1 shift, 2 ctrl, 4 alt) in the high byte; -1 when no key types it.
SHORT VkKeyScanA(char zeichen);

// ---- Back ends -----------------------------------------------------------
// Which calls a back end may script (the in-memory one answers a prepared
// result instead of doing the call).
enum class EAufruf {
    Erzeugen,
    Initialize,
    SetCooperativeLevel,
    EnumDisplayModes,
    SetDisplayMode,
    GetDisplayMode,
    RestoreDisplayMode,
    CreateSurface,
    CreatePalette,
    Blt,
    BltFast,
    Flip,
    GetAttachedSurface,
    GetBltStatus,
    Lock,
    Restore,
    SetColorKey,
    SetPalette,
    SetEntries,
    Anzahl
};

// One drawing step of a flipped frame, in order: a fill, or a copy from an
// off-screen surface (its whole pixels, their pitch and size, a serial that
// names the surface for as long as it lives, and a stand that changes with
// every change of its pixels). The steps of a frame cover the whole frame,
// so a back end may compose it from surfaces it keeps converted instead of
// converting every pixel of the frame.
struct CBildSchritt {
    enum class EArt { Fuellen, Kopieren, KopierenMitSchluessel };
    EArt art = EArt::Fuellen;
    RECT ziel{};
    BYTE farbe = 0; // Fuellen
    uint64_t serie = 0, stand = 0;
    const BYTE* pixel = nullptr;
    LONG pitch = 0, breite = 0, hoehe = 0;
    RECT quelle{};
    BYTE von = 0, bis = 0; // KopierenMitSchluessel: indices left out
};

// What a back end supplies; the shared code does everything on the pixels.
class CAnzeigeTreiber {
public:
    virtual ~CAnzeigeTreiber() = default;

    // -- Modes
    // Every mode offered, each rate as its own entry.
    virtual std::vector<CAnzeigeModus> Modi() = 0;
    // DD_OK, DDERR_INVALIDMODE (size or depth not offered) or DDERR_UNSUPPORTEDMODE (rate).
    virtual HRESULT ModusSetzen(const CAnzeigeModus& modus) = 0;
    // The mode in force as the display reports it (rate 0: none reported).
    virtual CAnzeigeModus ModusInKraft() = 0;
    virtual void ModusZuruecksetzen() = 0;
    // Exclusive full screen taken (true) or given back.
    virtual HRESULT Exklusiv(bool) { return DD_OK; }

    // -- Frames
    // Shows pixel (8-bit indices, pitch bytes a row; null when the steps
    // suffice) through the palette at the next retrace; returns at once.
    virtual void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) = 0;
    // True while an enqueued frame is not yet on screen; each call lets time
    // pass (and input be taken), so callers may poll it.
    virtual bool TauschAusstehend() = 0;
    // Waits until the enqueued frame is on screen.
    virtual void TauschAbwarten() = 0;
    // Called just before BildEinreihen: the steps that drew the frame, valid
    // during that call only, or null when the frame's pixels are all there is.
    virtual void SchritteVormerken(const std::vector<CBildSchritt>*) {}
    // True: a frame that comes with its steps is shown from them alone, so
    // BildEinreihen gets no pixels for it (they are not drawn).
    virtual bool SchritteGenuegen() { return false; }
    // An off-screen surface, maybe a source of the frame enqueued last, is
    // about to change or go: whatever the back end still reads of its
    // pixels must be read by now.
    virtual void QuelleAendertSich() {}
    // The front buffer changed outside a flip (fill, lock, palette): show it soon.
    virtual void FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) = 0;

    // -- Input
    virtual SHORT Taste(int virtuelleTaste) = 0;
    // WM_QUIT passes any filter.
    virtual bool Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen) = 0;
    virtual void MauszeigerSichtbar(bool) {}

    // -- Script (answers DD_OK: do the call)
    virtual HRESULT Vorgabe(EAufruf) { return DD_OK; }
    // False: surfaces asking for video memory do not fit.
    virtual bool VideospeicherFrei() { return true; }
};

// Registry of back ends: a name and a maker of drivers. The shared code owns
// each driver through the display object it made it for.
using AnzeigeFabrik = std::function<std::shared_ptr<CAnzeigeTreiber>()>;
void AnzeigeTreiberAnmelden(const std::string& name, AnzeigeFabrik fabrik);
// 0, or 1 for a name that no back end registered. "" chooses none.
int AnzeigeTreiberWaehlen(const std::string& name);
std::string GetAnzeigeTreiber();
