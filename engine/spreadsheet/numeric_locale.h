#pragma once

// The file formats of workbooks write numbers with a point, while the C
// library writes and reads them by the process's locale, which the programs
// take from the user (a comma under ru_RU.UTF-8). libxlsxwriter prints every
// width, height, margin and number value with printf, so the writer runs
// under this guard.

#include <locale.h>

namespace orvenda::sheet {

// While it lives, the calling thread uses the C locale's numbers and keeps
// the rest of its locale (messages, date texts, characters). Only this
// thread changes: another thread reading event files or formatting dates is
// not disturbed. Should the system refuse the locale (no memory), nothing
// changes and Active() says so.
class CNumericLocale {
public:
    CNumericLocale() noexcept;
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

    bool Active() const noexcept { return m_own != nullptr; }

private:
    locale_t m_own = nullptr;      // the thread's locale with C numbers
    locale_t m_previous = nullptr; // the thread's locale before, perhaps LC_GLOBAL_LOCALE
};

} // namespace orvenda::sheet
