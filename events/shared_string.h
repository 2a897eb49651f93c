#pragma once

// A text that many records hold alike, such as the path of the file they came
// from: copies share one string, so the records of a file hold its path once
// however many they are. It reads like a const std::string (it converts to
// one and compares with strings and texts) and is changed only by assigning a
// whole new text, which leaves the other copies as they were.

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace orvenda {

class SharedString {
public:
    SharedString() = default;
    SharedString(std::string text)
        : m_text(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text)))
    {
    }
    SharedString(const char* text) : SharedString(text ? std::string(text) : std::string()) {}

    const std::string& str() const noexcept { return m_text ? *m_text : emptyText(); }
    operator const std::string&() const noexcept { return str(); }
    operator std::string_view() const noexcept { return str(); }

    bool empty() const noexcept { return str().empty(); }
    std::size_t size() const noexcept { return str().size(); }
    const char* c_str() const noexcept { return str().c_str(); }
    const char* data() const noexcept { return str().data(); }

    friend bool operator==(const SharedString& a, const SharedString& b) noexcept
    {
        return a.m_text == b.m_text || a.str() == b.str();
    }
    friend bool operator==(const SharedString& a, const std::string& b) noexcept { return a.str() == b; }
    friend bool operator==(const SharedString& a, std::string_view b) noexcept { return a.str() == b; }
    friend bool operator==(const SharedString& a, const char* b) noexcept { return a.str() == b; }
    friend std::ostream& operator<<(std::ostream& out, const SharedString& text) { return out << text.str(); }

private:
    static const std::string& emptyText() noexcept
    {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> m_text;
};

} // namespace orvenda
