// Prints the browser test page for the map lines read from standard input, one a line.
#include <iostream>
#include <string>
#include <vector>

#include "core/TestPage.h"

int main()
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(std::cin, line);)
        lines.push_back(line);
    std::cout << vemo::TestPageText(lines);
    return std::cout.good() ? 0 : 1;
}
