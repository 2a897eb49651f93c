#include "engine/spreadsheet/numeric_locale.h"

namespace orvenda::sheet {

CNumericLocale::CNumericLocale() noexcept
{
    m_previous = uselocale(nullptr);
    // glibc copies the process's locale when the thread has none of its own
    // (LC_GLOBAL_LOCALE); newlocale then replaces only the numbers of the copy.
    const locale_t copy = duplocale(m_previous);
    if (!copy)
        return;
    m_own = newlocale(LC_NUMERIC_MASK, "C", copy);
    if (!m_own) {
        freelocale(copy);
        return;
    }
    uselocale(m_own);
}

CNumericLocale::~CNumericLocale()
{
    if (!m_own)
        return;
    uselocale(m_previous);
    freelocale(m_own);
}

} // namespace orvenda::sheet
