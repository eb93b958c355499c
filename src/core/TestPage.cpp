#include "core/TestPage.h"

namespace vemo {

namespace {

constexpr const char *kLineEnd = "\r\n";

// The line as text inside a PRE. "&" is escaped too, so an entity written in the map is shown
// as written rather than as the character it stands for.
std::string ShownLine(const std::string &line)
{
    std::string shown;
    shown.reserve(line.size());
    for (const char c : line) {
        switch (c) {
        case '<':
            shown += "&lt";
            break;
        case '>':
            shown += "&gt";
            break;
        case '"':
            shown += "&quot";
            break;
        case '&':
            shown += "&amp";
            break;
        default:
            shown += c;
        }
    }
    return shown;
}

} // namespace

std::string TestPageText(const std::vector<std::string> &lines)
{
    std::string page = "<HTML><HEAD><TITLE>Vemo Test</TITLE></HEAD><BODY><CENTER>";
    page += kLineEnd;
    page += "<FONT SIZE=+3>TEST THIS IMAGE MAP !</FONT><P>";
    page += kLineEnd;
    for (const std::string &line : lines)
        page += line + kLineEnd;
    // The first shown line follows the PRE tag on its own line.
    page += "<P><TABLE BORDER=3><TR><TD BGCOLOR=\"#D1D6B3\"><PRE>";
    for (const std::string &line : lines)
        page += ShownLine(line) + kLineEnd;
    page += "</PRE><P></TD></TR><CAPTION ALIGN=BOTTOM>MAP SOURCE</CAPTION></TABLE>";
    page += kLineEnd;
    page += "</CENTER></BODY></HTML>";
    page += kLineEnd;
    return page;
}

} // namespace vemo
