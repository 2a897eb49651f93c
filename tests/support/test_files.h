#pragma once

// What tests of every folder need around files: a temporary folder of their
// own, byte-exact reading and writing, and comparison with golden files.
//
// Golden files: `CompareWithGolden` checks a result against the file that
// holds the expected bytes. After a deliberate change, run the tests with
// ORVENDA_REGENERATE=1 in the environment; every golden comparison (and the
// terminal companion's golden cases) then writes the actual result over the
// golden file instead. Read the diff before committing.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvenda::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
public:
    explicit TempFolder(std::string_view prefix = "orvenda");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With the trailing "/", as the program folder is given.
    std::string folder() const { return m_path.string() + "/"; }
    std::string operator/(const std::string& name) const { return folder() + name; }
    const std::filesystem::path& path() const noexcept { return m_path; }
    // A copy of `source` in the folder, under its own name; its path.
    std::string Copy(const std::string& source) const;

private:
    std::filesystem::path m_path;
};

// Throws std::runtime_error when the file cannot be written.
void WriteBytes(const std::string& path, std::string_view bytes);
// Empty when the file is missing.
std::string ReadBytes(const std::string& path);

// Whether ORVENDA_REGENERATE is set.
bool RegeneratingGolden();
// Empty when `actual` equals the golden file's bytes; otherwise where they
// first differ, for the failure message. Regenerating, writes `actual` to
// the golden file first.
std::string CompareWithGolden(const std::string& goldenPath, std::string_view actual);

} // namespace orvenda::test
