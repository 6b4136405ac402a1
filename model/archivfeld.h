#pragma once

#include <cstdint>
#include <string>

#include "platform/archiv.h"

// One field of a stored record, written or read by the archive's direction,
// so that every block is described once for both.
inline void Feld(CArchive& ar, int32_t& v)
{
    if (ar.IsStoring())
        ar << v;
    else
        ar >> v;
}
inline void Feld(CArchive& ar, uint32_t& v)
{
    if (ar.IsStoring())
        ar << v;
    else
        ar >> v;
}
inline void Feld(CArchive& ar, uint8_t& v)
{
    if (ar.IsStoring())
        ar << v;
    else
        ar >> v;
}
inline void Feld(CArchive& ar, double& v)
{
    if (ar.IsStoring())
        ar << v;
    else
        ar >> v;
}
inline void Feld(CArchive& ar, std::string& v)
{
    if (ar.IsStoring())
        ar << v;
    else
        ar >> v;
}

template <typename... T>
void Felder(CArchive& ar, T&... v)
{
    (Feld(ar, v), ...);
}
