#pragma once

#include <string>
#include <vector>

namespace orvenda {

// orvenda-cli calc ARG...: the date calculator driven from the terminal.
int CommandCalc(const std::vector<std::string>& args);

} // namespace orvenda
