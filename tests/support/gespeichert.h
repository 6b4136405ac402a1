#pragma once

#include <cstdint>
#include <vector>

#include "platform/archiv.h"

// The bytes a model stores.
template <class TModell>
std::vector<uint8_t> Gespeichert(TModell& m)
{
    CArchive aus;
    m.Serialize(aus);
    return aus.GetBytes();
}
