#pragma once
// The colours a terminal draws a field in: for each of the field's colours the nearest one
// the terminal has. A terminal of 256 colours (or more) offers the 6x6x6 cube and the grey
// ramp of the 256-colour palette, whose values are fixed (the first 16 are left out: each
// terminal's theme chooses them); one of 16 offers the eight basic colours and their bright
// forms; one of 8 the basic ones. Nearest means the least squared distance in red, green
// and blue.

#include <cstdint>

namespace quelta::terminal {

// rgb: 0x00BBGGRR, as the platform's colours hold it.
short nearestTerminalColour(std::uint32_t rgb, int paletteSize);

struct TerminalColours {
    short fore = 0;
    short back = 0;
    bool operator==(const TerminalColours&) const = default;
};

// The terminal colours of a field drawn in the platform colours backColour and foreColour
// (system colours resolved; one that cannot be, as the window's own). Text whose nearest
// colour is its background's would vanish, so it is drawn black or white instead,
// whichever stands out more.
TerminalColours fieldTerminalColours(std::uint32_t backColour, std::uint32_t foreColour,
                                     int paletteSize);

}  // namespace quelta::terminal
