#include "app/cli/finish_output.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <system_error>

namespace orvenda::cli {

namespace {

// Standard output could not be written (a full disk, a closed pipe).
constexpr int kExitOutput = 1;

} // namespace

int FinishOutput(int code)
{
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    std::cout.flush();
    if (flushed && !std::ferror(stdout) && std::cout.good())
        return code;
    std::cerr << "orvenda-cli: не удалось записать стандартный вывод"
              << (error != 0 ? ": " + std::system_category().message(error) : std::string()) << '\n';
    return code == 0 ? kExitOutput : code;
}

} // namespace orvenda::cli
