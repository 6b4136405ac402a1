#include "platform/schrift.h"

bool CFont::CreateFontIndirect(const LOGFONT* lf)
{
    if (!lf || m_bErzeugt)
        return false;
    m_lf = *lf;
    m_bErzeugt = true;
    return true;
}

bool CFont::GetLogFont(LOGFONT* lf) const
{
    if (!lf || !m_bErzeugt)
        return false;
    *lf = m_lf;
    return true;
}

bool CFont::DeleteObject()
{
    if (!m_bErzeugt)
        return false;
    m_lf = LOGFONT{};
    m_bErzeugt = false;
    return true;
}
