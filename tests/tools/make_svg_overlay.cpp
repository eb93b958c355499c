// Prints the SVG overlay for the map lines read from standard input, one a line, over a picture of
// the width and height given as arguments.
#include <iostream>
#include <string>
#include <vector>

#include "core/SvgOverlay.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_svg_overlay width height < map.txt\n";
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(std::cin, line);)
        lines.push_back(line);
    std::cout << vemo::SvgOverlayText(lines, std::stoi(argv[1]), std::stoi(argv[2]));
    return std::cout.good() ? 0 : 1;
}
