#include "core/ResponsiveScript.h"

namespace vemo {

std::string ResponsiveScriptElement()
{
    // A circle's radius scales with the smaller of the two factors, so it stays inside the picture.
    return std::string("<script ") + kResponsiveScriptMark + ">"
           "(function(){"
           "function scale(img){"
           "var name=(img.getAttribute('usemap')||'').replace(/^#/,'');"
           "var map=null;document.querySelectorAll('map').forEach(function(m){if(!map&&m.getAttribute('name')===name)map=m;});"
           "if(!map||!img.naturalWidth||!img.naturalHeight||!img.width||!img.height)return;"
           "var sx=img.width/img.naturalWidth,sy=img.height/img.naturalHeight;"
           "map.querySelectorAll('area[coords]').forEach(function(a){"
           "var kept=a.getAttribute('data-vemo-coords');"
           "if(kept===null){if(sx===1&&sy===1)return;kept=a.getAttribute('coords');a.setAttribute('data-vemo-coords',kept);}"
           "var circle=/^circ/i.test((a.getAttribute('shape')||'').trim());"
           "a.setAttribute('coords',kept.split(',').map(function(v,i){"
           "var f=circle&&i===2?Math.min(sx,sy):(i%2?sy:sx);return Math.round(parseFloat(v)*f);}).join(','));"
           "});}"
           "function watch(){document.querySelectorAll('img[usemap]').forEach(function(img){"
           "img.addEventListener('load',function(){scale(img);});scale(img);"
           "window.addEventListener('resize',function(){scale(img);});"
           "if(window.ResizeObserver)new ResizeObserver(function(){scale(img);}).observe(img);});}"
           "if(document.readyState==='loading')document.addEventListener('DOMContentLoaded',watch);else watch();"
           "})();</script>";
}

} // namespace vemo
