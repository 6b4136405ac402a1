#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The one exception of the archive: a short read, a file that cannot be
// opened, or a write that failed. Caught at the file boundary.
class CArchiveException : public std::runtime_error {
public:
    enum Ursache { Dateiende = 1, Oeffnen = 2, Schreibfehler = 3, Ungueltig = 4 };

    CArchiveException(Ursache ursache, std::string pfad, const std::string& was);

    Ursache m_cause;
    std::string m_strFileName;
};

// Binary archive of the program's files: little-endian integers of 1, 2, 4
// and 8 bytes, 8-byte IEEE doubles, back to back; strings with a 1/3/7-byte
// length prefix in Windows-1252. A loading archive holds the whole file in
// memory; a storing archive collects the bytes and writes them on Close().
class CArchive {
public:
    enum Modus { store, load };

    // Binds the file at pfad. Loading reads it at once and throws when it
    // cannot be read.
    CArchive(Modus modus, const std::string& pfad);
    // Loads from bytes already in memory (tests, temporaries).
    explicit CArchive(std::vector<uint8_t> bytes, const std::string& pfad = {});
    // Stores into memory only; GetBytes() answers the result.
    CArchive();

    bool IsStoring() const { return m_modus == store; }
    bool IsLoading() const { return m_modus == load; }
    // Full path of the bound file, empty for memory archives.
    const std::string& GetFilePath() const { return m_pfad; }
    // File name with extension, without the folder.
    std::string GetFileName() const;

    // Writes the stored bytes to the bound file; throws on failure.
    void Close();

    const std::vector<uint8_t>& GetBytes() const { return m_daten; }
    size_t GetPosition() const { return m_pos; }
    size_t GetRest() const { return m_daten.size() - m_pos; }

    CArchive& operator<<(uint8_t v) { return Schreibe(v, 1); }
    CArchive& operator<<(int8_t v) { return Schreibe(static_cast<uint8_t>(v), 1); }
    CArchive& operator<<(uint16_t v) { return Schreibe(v, 2); }
    CArchive& operator<<(int16_t v) { return Schreibe(static_cast<uint16_t>(v), 2); }
    CArchive& operator<<(uint32_t v) { return Schreibe(v, 4); }
    CArchive& operator<<(int32_t v) { return Schreibe(static_cast<uint32_t>(v), 4); }
    CArchive& operator<<(uint64_t v) { return Schreibe(v, 8); }
    CArchive& operator<<(int64_t v) { return Schreibe(static_cast<uint64_t>(v), 8); }
    CArchive& operator<<(double v);
    CArchive& operator<<(float v);
    // UTF-8 in memory, Windows-1252 in the file.
    CArchive& operator<<(const std::string& s);
    CArchive& operator<<(const char* s) { return *this << std::string(s); }

    CArchive& operator>>(uint8_t& v)
    {
        v = static_cast<uint8_t>(Lies(1));
        return *this;
    }
    CArchive& operator>>(int8_t& v)
    {
        v = static_cast<int8_t>(Lies(1));
        return *this;
    }
    CArchive& operator>>(uint16_t& v)
    {
        v = static_cast<uint16_t>(Lies(2));
        return *this;
    }
    CArchive& operator>>(int16_t& v)
    {
        v = static_cast<int16_t>(Lies(2));
        return *this;
    }
    CArchive& operator>>(uint32_t& v)
    {
        v = static_cast<uint32_t>(Lies(4));
        return *this;
    }
    CArchive& operator>>(int32_t& v)
    {
        v = static_cast<int32_t>(Lies(4));
        return *this;
    }
    CArchive& operator>>(uint64_t& v)
    {
        v = Lies(8);
        return *this;
    }
    CArchive& operator>>(int64_t& v)
    {
        v = static_cast<int64_t>(Lies(8));
        return *this;
    }
    CArchive& operator>>(double& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(std::string& s);

    // Raw bytes, no conversion.
    void Write(const void* daten, size_t anzahl);
    void Read(void* daten, size_t anzahl);

    // How many doubles stored so far were not finite (NaN or infinite):
    // storing a loaded model once more shows whether every clamp held.
    size_t GetNichtEndlich() const { return m_nNichtEndlich; }

    // Throws a short-read exception unless n more bytes can be read; loaders
    // call it before allocating from a count read from the file.
    void PruefeRest(uint64_t n) const;

private:
    CArchive& Schreibe(uint64_t v, int bytes);
    uint64_t Lies(int bytes);
    [[noreturn]] void Dateiende() const;

    Modus m_modus;
    std::string m_pfad;
    std::vector<uint8_t> m_daten;
    size_t m_pos = 0;
    size_t m_nNichtEndlich = 0;
};
