#include "platform/display/sdl/sdl_anzeige.h"

int VirtuelleTasteAusSdl(SDL_Keycode t)
{
    if (t >= SDLK_a && t <= SDLK_z)
        return 'A' + (t - SDLK_a);
    if (t >= SDLK_0 && t <= SDLK_9)
        return t;
    if (t >= SDLK_F1 && t <= SDLK_F12)
        return VK_F1 + (t - SDLK_F1);
    if (t >= SDLK_KP_1 && t <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + (t - SDLK_KP_1);
    switch (t) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_TAB: return VK_TAB;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_KP_PERIOD:
    case SDLK_KP_COMMA: return VK_DECIMAL;
    // The keys that VkKeyScanA names for "+", "-", "," and ".".
    case SDLK_PLUS:
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    // German layout: SDL names these keys by the character they type.
    case SDLK_HASH: return VK_OEM_2;
    case 0xE4: return VK_OEM_7; // ä
    case 0xF6: return VK_OEM_3; // ö
    case 0xFC: return VK_OEM_1; // ü
    default: return 0;
    }
}
