#pragma once

// The ten colours with which the day calendar report paints the days of each
// month, chosen in the colour window. They last while the program runs and
// are not stored in the configuration.

#include <array>
#include <cstdint>

namespace orvenda {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PrincipleColours {
    // Paint each month with the colour of its principle; false keeps the
    // colours the report's template defines.
    bool ByMonthColour = true;
    // Index k: the colour of a month principle whose last digit is k
    // (0-1 red, 2-3 yellow, 4-5 white, 6-7 black, 8-9 blue; even masculine).
    std::array<Rgb, 10> Colours{{
        {255, 128, 128},
        {255, 0, 0},
        {255, 255, 0},
        {254, 192, 65},
        {216, 216, 216},
        {163, 159, 170},
        {117, 117, 117},
        {0, 0, 0},
        {128, 128, 255},
        {0, 0, 255},
    }};

    Rgb ForPrinciple(int principle) const noexcept { return Colours[static_cast<unsigned>(principle % 10)]; }
};

} // namespace orvenda
