// Prints the page at the path given with the map lines read from standard input (one a line)
// written into it, as File > Export Map to Page writes them; fails, printing nothing, when the
// page is refused. The second argument is the picture's file name.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/PageMapWriter.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: export_map_to_page page.html picture-file-name < map-lines\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (std::string line; std::getline(std::cin, line);)
        lines.push_back(line);
    const std::string name = lines.size() > 1 ? vemo::AttributeValueOfTag(lines[1], "name").value_or("") : "";
    const vemo::PageExport written = vemo::ExportMapToPage(page, {lines, argv[2], name});
    if (!in || written.refusal) {
        std::cerr << "the page was not written\n";
        return 1;
    }
    std::cout << written.page;
    return std::cout.good() ? 0 : 1;
}
