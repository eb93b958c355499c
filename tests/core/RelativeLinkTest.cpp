#include <gtest/gtest.h>

#include "core/RelativeLink.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

struct LinkCase {
    std::string picture, chosen, link;
};

void ExpectLinks(const std::vector<LinkCase> &cases, PathStyle style)
{
    for (const LinkCase &c : cases)
        EXPECT_EQ(MakeRelativeLink(c.chosen, c.picture, style), c.link) << c.picture << " -> " << c.chosen;
}

TEST(RelativeLink, Windows)
{
    const std::string hyo = "\x95\x5C"; // "表": its trail byte is the byte of "\".
    ExpectLinks({{R"(C:\web\img\pic.gif)", R"(C:\web\pages\a.htm)", "../pages/a.htm"},
                 {R"(C:\web\img\pic.gif)", R"(C:\web\img\sub\b.htm)", "sub/b.htm"},
                 {R"(C:\web\pic.gif)", R"(C:\web\a.htm)", "a.htm"},
                 {R"(C:\a\pic.gif)", R"(D:\x\y.htm)", "../../D:/x/y.htm"},
                 {R"(C:\Web\pic.gif)", R"(C:\web\p.htm)", "../web/p.htm"},
                 {"", R"(C:\web\pages\a.htm)", "C:/web/pages/a.htm"},
                 {R"(C:\web\pic.gif)", "C:\\web\\" + hyo + "\\a.htm", hyo + "/a.htm"},
                 {"C:\\web\\" + hyo + "\\pic.gif", R"(C:\web\a.htm)", "../a.htm"},
                 // A bare drive has no "\" to end a segment: it is compared whole.
                 {"C:pic.gif", "C:a.htm", "a.htm"},
                 {"C:pic.gif", "D:a.htm", "D:a.htm"}},
                PathStyle::Windows);
}

TEST(RelativeLink, Posix)
{
    ExpectLinks({{"/web/img/pic.gif", "/web/pages/a.htm", "../pages/a.htm"},
                 {"/web/img/pic.gif", "/web/img/sub/b.htm", "sub/b.htm"},
                 {"/web/pic.gif", "/web/a.htm", "a.htm"},
                 {"/Web/pic.gif", "/web/p.htm", "../web/p.htm"},
                 {"", "/web/pages/a.htm", "/web/pages/a.htm"},
                 {"/w/a\\b/pic.gif", "/w/a\\c/p.htm", "../a\\c/p.htm"}},
                PathStyle::Posix);
}

} // namespace
} // namespace vemo
