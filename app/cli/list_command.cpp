// orvenda-cli list: the entries of a personal event list file, read through
// the event list's own readers.

#include "app/cli/cli_commands.h"
#include "tools/eventlist/event_list.h"

#include <iostream>

namespace orvenda::cli {

int CommandList(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "orvenda-cli: ожидается: orvenda-cli list ФАЙЛ\n";
        return 2;
    }
    EventList list;
    const ImportResult result = ImportEvtListFile(args[0], list);
    const std::string message = ImportMessage(result, args[0]);
    if (result.readFailed || result.format == EvtListFormat::Unknown) {
        std::cerr << "orvenda-cli: " << message << '\n';
        return 2;
    }
    for (const EvtListRecord& record : list.Records())
        std::cout << record.datetime << '\t' << record.event << '\n';
    // The entries that could be read are printed; the skipped lines are
    // reported beside them.
    if (!message.empty())
        std::cerr << "orvenda-cli: " << message << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace orvenda::cli
