#include "platform/archiv.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/datei.h"
#include "platform/pfad.h"
#include "platform/win1252.h"

CArchiveException::CArchiveException(Ursache ursache, std::string pfad, const std::string& was)
    : std::runtime_error(was), m_cause(ursache), m_strFileName(std::move(pfad))
{
}

namespace {

std::string VollerPfad(const std::string& pfad)
{
    if (pfad.empty())
        return pfad;
    std::error_code fehler;
    auto voll = std::filesystem::absolute(pfad::ZumOeffnen(pfad), fehler);
    return fehler ? pfad : voll.lexically_normal().string();
}

} // namespace

CArchive::CArchive(Modus modus, const std::string& pfad) : m_modus(modus), m_pfad(VollerPfad(pfad))
{
    if (modus == store)
        return;
    std::ifstream datei(m_pfad, std::ios::binary);
    if (!datei)
        throw CArchiveException(CArchiveException::Oeffnen, m_pfad, "Datei kann nicht geöffnet werden");
    datei.seekg(0, std::ios::end);
    auto groesse = datei.tellg();
    if (groesse < 0)
        throw CArchiveException(CArchiveException::Oeffnen, m_pfad, "Datei kann nicht gelesen werden");
    datei.seekg(0);
    m_daten.resize(static_cast<size_t>(groesse));
    if (groesse > 0 && !datei.read(reinterpret_cast<char*>(m_daten.data()), groesse))
        throw CArchiveException(CArchiveException::Oeffnen, m_pfad, "Datei kann nicht gelesen werden");
}

CArchive::CArchive(std::vector<uint8_t> bytes, const std::string& pfad)
    : m_modus(load), m_pfad(pfad), m_daten(std::move(bytes))
{
}

CArchive::CArchive() : m_modus(store) {}

std::string CArchive::GetFileName() const { return pfad::DateiName(m_pfad); }

void CArchive::Close()
{
    if (m_modus != store || m_pfad.empty())
        return;
    if (SchreibeDateiSicher(m_pfad, m_daten) != 0)
        throw CArchiveException(CArchiveException::Schreibfehler, m_pfad, "Datei kann nicht geschrieben werden");
}

CArchive& CArchive::Schreibe(uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        m_daten.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
}

uint64_t CArchive::Lies(int bytes)
{
    if (GetRest() < static_cast<size_t>(bytes))
        Dateiende();
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<uint64_t>(m_daten[m_pos + i]) << (8 * i);
    m_pos += bytes;
    return v;
}

void CArchive::Dateiende() const
{
    throw CArchiveException(CArchiveException::Dateiende, m_pfad, "Unerwartetes Dateiende");
}

void CArchive::PruefeRest(uint64_t n) const
{
    if (GetRest() < n)
        Dateiende();
}

CArchive& CArchive::operator<<(double v)
{
    if (!std::isfinite(v))
        ++m_nNichtEndlich;
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    return Schreibe(bits, 8);
}

CArchive& CArchive::operator<<(float v)
{
    if (!std::isfinite(v))
        ++m_nNichtEndlich;
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    return Schreibe(bits, 4);
}

CArchive& CArchive::operator>>(double& v)
{
    uint64_t bits = Lies(8);
    std::memcpy(&v, &bits, 8);
    return *this;
}

CArchive& CArchive::operator>>(float& v)
{
    auto bits = static_cast<uint32_t>(Lies(4));
    std::memcpy(&v, &bits, 4);
    return *this;
}

CArchive& CArchive::operator<<(const std::string& s)
{
    std::string bytes = win1252::AusUtf8(s);
    size_t n = bytes.size();
    if (n < 0xFF) {
        Schreibe(n, 1);
    } else if (n < 0xFFFE) {
        Schreibe(0xFF, 1);
        Schreibe(n, 2);
    } else {
        Schreibe(0xFF, 1);
        Schreibe(0xFFFF, 2);
        Schreibe(n, 4);
    }
    Write(bytes.data(), n);
    return *this;
}

CArchive& CArchive::operator>>(std::string& s)
{
    uint64_t n = Lies(1);
    if (n == 0xFF) {
        n = Lies(2);
        if (n == 0xFFFF)
            n = Lies(4);
    }
    PruefeRest(n);
    s = win1252::NachUtf8(std::string_view(reinterpret_cast<const char*>(m_daten.data() + m_pos), n));
    m_pos += n;
    return *this;
}

void CArchive::Write(const void* daten, size_t anzahl)
{
    auto p = static_cast<const uint8_t*>(daten);
    m_daten.insert(m_daten.end(), p, p + anzahl);
}

void CArchive::Read(void* daten, size_t anzahl)
{
    PruefeRest(anzahl);
    if (anzahl)
        std::memcpy(daten, m_daten.data() + m_pos, anzahl);
    m_pos += anzahl;
}
