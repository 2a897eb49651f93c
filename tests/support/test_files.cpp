#include "tests/support/test_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace orvenda::test {

namespace fs = std::filesystem;

TempFolder::TempFolder(std::string_view prefix)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string TempFolder::Copy(const std::string& source) const
{
    const fs::path target = m_path / fs::path(source).filename();
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    return target.string();
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool RegeneratingGolden()
{
    const char* value = std::getenv("ORVENDA_REGENERATE");
    return value && *value;
}

std::string CompareWithGolden(const std::string& goldenPath, std::string_view actual)
{
    if (RegeneratingGolden())
        WriteBytes(goldenPath, actual);
    if (!fs::exists(goldenPath))
        return "the golden file " + goldenPath + " is missing";
    const std::string expected = ReadBytes(goldenPath);
    if (expected == actual)
        return {};
    // The first line that differs, which is what a reader of the failure needs.
    std::size_t line = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t endA = actual.find('\n', start);
        const std::size_t endE = expected.find('\n', start);
        const std::string_view gotLine = start > actual.size() ? "<end>" : actual.substr(start, endA - start);
        const std::string_view wantLine =
            start > expected.size() ? "<end>" : std::string_view(expected).substr(start, endE - start);
        if (gotLine != wantLine || endA != endE)
            return goldenPath + " line " + std::to_string(line) + ":\n  got:  [" + std::string(gotLine) +
                   "]\n  want: [" + std::string(wantLine) + "]";
        if (endA == std::string_view::npos)
            return goldenPath + ": the texts differ only in their ends";
        start = endA + 1;
        ++line;
    }
}

} // namespace orvenda::test
