#pragma once

#include <string>

// The Windows face names Lumetra asks for, mapped to the installed
// metric-compatible fonts; other names pass unchanged (case-insensitive).
std::string ErsatzSchriftart(const std::string& name);
