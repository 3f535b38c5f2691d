#include "filter/PageCleanupScripts.h"

#include "filter/ScriptString.h"

namespace lumbrel {
namespace {

constexpr std::string_view kMarker = "$AD";

// One line, tab-indented, in JScript 5 (no let, no arrows, no Array methods of later
// editions).
//
// The elements are collected into a fixed array before any is replaced: the engine's
// collection is live, and a placeholder that itself holds such an element would otherwise be
// found and replaced again without end. An element already taken out with an ancestor is
// skipped. An address without "://" is resolved as the page resolves its links (a link
// element gives the absolute form); only when that gives nothing is the document's folder put
// before it. Each element is tried on its own, so one that fails leaves the others to do.
constexpr std::string_view kKillBlank =
    "(function(){"
    "\tvar savedError=window.onerror;"
    "\tfunction cancelError(){return true;}"
    "\tfunction inDocument(e){while(e&&e!=document)e=e.parentNode;return e==document;}"
    "\tfunction absolute(url){"
    "\t\tif(url.indexOf('://')>=0)return url;"
    "\t\tvar a=document.createElement('a');a.href=url;"
    "\t\tif(a.href)return a.href;"
    "\t\tvar base=document.URL;return base.substring(0,base.lastIndexOf('/')+1)+url;"
    "\t}"
    "\tfunction killTag(tagName){"
    "\t\tvar live=document.getElementsByTagName(tagName),items=[],i,e,url;"
    "\t\tfor(i=0;i<live.length;i++)items[items.length]=live[i];"
    "\t\tfor(i=0;i<items.length;i++){"
    "\t\t\te=items[i];"
    "\t\t\ttry{"
    "\t\t\t\tif(!inDocument(e))continue;"
    "\t\t\t\turl=tagName=='object'?e.movie:e.src;"
    "\t\t\t\tif(typeof url!='string'||url=='')continue;"
    "\t\t\t\turl=absolute(url);"
    "\t\t\t\tif(external.qrIsAdContent(url))e.outerHTML='$AD';"
    "\t\t\t}catch(x){}"
    "\t\t}"
    "\t}"
    "\twindow.onerror=cancelError;"
    "\ttry{killTag('iframe');killTag('img');killTag('embed');killTag('object');}"
    "\tcatch(x){}"
    "\tfinally{window.onerror=savedError;}"
    "})();";

// `fileSize` is the engine's own property (a text, "-1" for an image that never came); a
// standards DOM has none and only `complete` counts there.
constexpr std::string_view kReloadImages =
    "(function(){"
    "\tvar savedError=window.onerror,images=document.images,i,img,src;"
    "\twindow.onerror=function(){return true;};"
    "\ttry{"
    "\t\tfor(i=0;i<images.length;i++){"
    "\t\t\timg=images[i];"
    "\t\t\ttry{if(!img.complete||img.fileSize<0){src=img.src;img.src='';img.src=src;}}"
    "catch(x){}"
    "\t\t}"
    "\t}catch(x){}"
    "\tfinally{window.onerror=savedError;}"
    "})();";

}  // namespace

std::string_view KillBlankTemplate() {
    return kKillBlank;
}

std::string KillBlankScript(const CodePage& cp, std::string_view blankContent) {
    const std::string escaped = EscapeForScriptString(cp, blankContent);
    std::string script;
    std::string_view rest = kKillBlank;
    for (size_t at; (at = rest.find(kMarker)) != std::string_view::npos;) {
        script.append(rest.substr(0, at));
        script.append(escaped);
        rest.remove_prefix(at + kMarker.size());
    }
    script.append(rest);
    return script;
}

std::string_view ReloadImagesScript() {
    return kReloadImages;
}

}  // namespace lumbrel
