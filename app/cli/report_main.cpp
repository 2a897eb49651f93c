// orvenda-report: the spreadsheet reports of `orvenda-cli report`, in a
// program of their own so that the other commands of orvenda-cli do not load
// the spreadsheet libraries (libxlsxwriter, libzip and through it libcrypto)
// at every start. orvenda-cli runs it from its own folder with the arguments
// after "report".

#include "app/cli/finish_output.h"
#include "app/cli/report_command.h"

#include <clocale>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    return orvenda::cli::FinishOutput(orvenda::cli::CommandReport(args));
}
