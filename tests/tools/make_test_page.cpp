// Prints the browser test page for the map lines read from standard input, one a line; with
// --responsive, the page of the Responsive Output option.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "core/TestPage.h"

int main(int argc, char **argv)
{
    const bool responsive = argc > 1 && std::strcmp(argv[1], "--responsive") == 0;
    std::vector<std::string> lines;
    for (std::string line; std::getline(std::cin, line);)
        lines.push_back(line);
    std::cout << vemo::TestPageText(lines, responsive);
    return std::cout.good() ? 0 : 1;
}
