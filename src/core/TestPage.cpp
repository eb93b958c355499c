#include "core/TestPage.h"

#include "core/MapStyle.h"
#include "core/ResponsiveScript.h"

namespace vemo {

namespace {

constexpr const char *kLineEnd = "\r\n";

// What the page holds around the map's lines, in the map's style.
struct PageFrame {
    const char *head;
    const char *hoverLine; // where the script names the area under the mouse
    const char *halfCheck; // where the script puts the picture at half its width
    const char *scriptStart;
    const char *scriptEnd;
    const char *sourceStart;
    const char *sourceEnd;
    const char *tail;
    bool entitiesEndInSemicolon; // the shown source's "&lt;" rather than "&lt"
};

// The frame the editor has always written, with the hover line added.
constexpr PageFrame kClassicFrame = {
    "<HTML><HEAD><TITLE>Vemo Test</TITLE></HEAD><BODY><CENTER>\r\n"
    "<FONT SIZE=+3>TEST THIS IMAGE MAP !</FONT><P>\r\n",
    "<DIV ID=\"vemo-hover\">&nbsp;</DIV>\r\n",
    "<P><FONT SIZE=+1>HALF WIDTH, RESPONSIVE</FONT><BR><SPAN ID=\"vemo-half\"></SPAN>\r\n"
    "<DIV ID=\"vemo-half-hover\">&nbsp;</DIV>\r\n",
    "<SCRIPT>",
    "</SCRIPT>",
    "<P><TABLE BORDER=3><TR><TD BGCOLOR=\"#D1D6B3\"><PRE>",
    "</PRE><P></TD></TR><CAPTION ALIGN=BOTTOM>MAP SOURCE</CAPTION></TABLE>\r\n",
    "</CENTER></BODY></HTML>\r\n",
    false,
};

// The same page as valid HTML5: what was markup for looks is CSS, and the page says it is UTF-8,
// which an HTML5 map always is.
constexpr PageFrame kHtml5Frame = {
    "<!DOCTYPE html>\r\n"
    "<html><head><meta charset=\"utf-8\"><title>Vemo Test</title></head><body style=\"text-align:center\">\r\n"
    "<h1>TEST THIS IMAGE MAP !</h1>\r\n",
    "<div id=\"vemo-hover\">&nbsp;</div>\r\n",
    "<h2>HALF WIDTH, RESPONSIVE</h2><span id=\"vemo-half\"></span>\r\n"
    "<div id=\"vemo-half-hover\">&nbsp;</div>\r\n",
    "<script>",
    "</script>",
    "<table style=\"margin:1em auto;border:3px outset\"><caption style=\"caption-side:bottom\">MAP SOURCE</caption>"
    "<tr><td style=\"background:#D1D6B3;text-align:left\"><pre>",
    "</pre></td></tr></table>\r\n",
    "</body></html>\r\n",
    true,
};

// Outlines the hovered area of a picture on a canvas laid over it, from the area's coordinates as
// the browser takes them at that moment (scaled already where the responsive script runs), and
// names the area's HREF, ALT and TITLE in the picture's hover line. The canvas lets the mouse
// through, so clicks still reach the areas.
constexpr const char *kHoverScript =
    "function vemoMapOf(img){"
    "var name=(img.getAttribute('usemap')||'').replace(/^#/,''),found=null;"
    "document.querySelectorAll('map').forEach(function(m){if(!found&&m.getAttribute('name')===name)found=m;});"
    "return found;}"
    "function vemoWatch(img,map,line){"
    "if(!map||!line)return;"
    "var canvas=document.createElement('canvas');"
    "canvas.style.cssText='position:absolute;pointer-events:none';"
    "document.body.appendChild(canvas);"
    "function show(area){"
    "var box=img.getBoundingClientRect();"
    "canvas.width=img.clientWidth;canvas.height=img.clientHeight;"
    "canvas.style.left=(box.left+img.clientLeft+window.scrollX)+'px';"
    "canvas.style.top=(box.top+img.clientTop+window.scrollY)+'px';"
    "var g=canvas.getContext('2d');g.clearRect(0,0,canvas.width,canvas.height);"
    "if(!area){line.textContent='\\u00a0';return;}"
    "var c=(area.getAttribute('coords')||'').split(',').map(parseFloat);"
    "var shape=(area.getAttribute('shape')||'rect').trim().toLowerCase();"
    "g.beginPath();"
    "if(/^circ/.test(shape))g.arc(c[0],c[1],Math.max(c[2],0),0,2*Math.PI);"
    "else if(/^poly/.test(shape)){for(var i=0;i+1<c.length;i+=2)g.lineTo(c[i],c[i+1]);g.closePath();}"
    "else if(/^def/.test(shape))g.rect(0,0,canvas.width,canvas.height);"
    "else g.rect(Math.min(c[0],c[2]),Math.min(c[1],c[3]),Math.abs(c[2]-c[0]),Math.abs(c[3]-c[1]));"
    "g.fillStyle='rgba(255,0,0,0.2)';g.strokeStyle='#f00';g.lineWidth=2;g.fill();g.stroke();"
    "line.textContent='HREF: '+(area.getAttribute('href')||'')+'  ALT: '+(area.getAttribute('alt')||'')"
    "+'  TITLE: '+(area.getAttribute('title')||'');}"
    "map.addEventListener('mouseover',function(e){if(e.target.tagName==='AREA')show(e.target);});"
    "map.addEventListener('mouseout',function(){show(null);});}"
    "var vemoImg=document.querySelector('img[usemap]'),vemoMap=vemoImg&&vemoMapOf(vemoImg);"
    "if(vemoMap)vemoWatch(vemoImg,vemoMap,document.getElementById('vemo-hover'));";

// A copy of the picture and its map under a name of its own, shown at half the picture's width.
// It is made before the responsive script looks for pictures, which then scales the copy's areas.
constexpr const char *kHalfCheckScript =
    "if(vemoMap){"
    "var half=vemoImg.cloneNode(false),halfMap=vemoMap.cloneNode(true);"
    "half.removeAttribute('id');halfMap.removeAttribute('id');"
    "halfMap.setAttribute('name','vemo-half');half.setAttribute('usemap','#vemo-half');"
    "var halve=function(){var w=vemoImg.naturalWidth||vemoImg.width,h=vemoImg.naturalHeight||vemoImg.height;"
    "half.width=Math.round(w/2);half.height=Math.round(h/2);};"
    "halve();vemoImg.addEventListener('load',halve);"
    "var spot=document.getElementById('vemo-half');spot.appendChild(half);spot.appendChild(halfMap);"
    "vemoWatch(half,halfMap,document.getElementById('vemo-half-hover'));}";

// The line as text inside a PRE. "&" is escaped too, so an entity written in the map is shown
// as written rather than as the character it stands for.
std::string ShownLine(const std::string &line, bool entitiesEndInSemicolon)
{
    const char *end = entitiesEndInSemicolon ? ";" : "";
    std::string shown;
    shown.reserve(line.size());
    for (const char c : line) {
        switch (c) {
        case '<':
            shown += std::string("&lt") + end;
            break;
        case '>':
            shown += std::string("&gt") + end;
            break;
        case '"':
            shown += std::string("&quot") + end;
            break;
        case '&':
            shown += std::string("&amp") + end;
            break;
        default:
            shown += c;
        }
    }
    return shown;
}

} // namespace

std::string TestPageText(const std::vector<std::string> &lines, bool responsive)
{
    const PageFrame &frame = StyleOfLines(lines) == MapStyle::Html5 ? kHtml5Frame : kClassicFrame;
    std::string page = frame.head;
    for (const std::string &line : lines)
        page += line + kLineEnd;
    page += frame.hoverLine;
    if (responsive)
        page += frame.halfCheck;
    // The first shown line follows the PRE tag on its own line.
    page += frame.sourceStart;
    for (const std::string &line : lines)
        page += ShownLine(line, frame.entitiesEndInSemicolon) + kLineEnd;
    page += frame.sourceEnd;
    // The scripts come last, when every element they look for is in the page.
    page += std::string(frame.scriptStart) + "(function(){" + kHoverScript + (responsive ? kHalfCheckScript : "") +
            "})();" + frame.scriptEnd + kLineEnd;
    if (responsive)
        page += ResponsiveScriptElement() + kLineEnd;
    page += frame.tail;
    return page;
}

} // namespace vemo
