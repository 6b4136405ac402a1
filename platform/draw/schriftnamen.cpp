#include "platform/draw/schriftnamen.h"

#include <strings.h>

std::string ErsatzSchriftart(const std::string& name)
{
    static const struct {
        const char* windows;
        const char* ersatz;
    } tabelle[] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        // A bitmap font by that name; the sans face keeps its widths close.
        {"MS Sans Serif", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& e : tabelle)
        if (strcasecmp(name.c_str(), e.windows) == 0)
            return e.ersatz;
    return name.empty() ? "Liberation Sans" : name;
}
