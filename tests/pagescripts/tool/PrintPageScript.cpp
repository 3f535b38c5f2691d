// Prints a clean-up script exactly as the program runs it, for the tests that run it against
// real documents:
//   print_page_script kill-blank TEXT [gbk]   the placeholder script for BlankContent TEXT
//   print_page_script reload-images           the image-reload script
//   print_page_script zoom COMMAND            the zoom script of a command id (33151-33155)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "filter/PageCleanupScripts.h"
#include "view/ZoomScripts.h"
#include "support/FakeCodePage.h"

int main(int argc, char** argv) {
    using namespace lumbrel;
    std::string script;
    if (argc >= 3 && std::strcmp(argv[1], "kill-blank") == 0) {
        const bool gbk = argc >= 4 && std::strcmp(argv[3], "gbk") == 0;
        const test::FakeCodePage cp(gbk ? test::FakeCodePage::kGbk : test::FakeCodePage::kWestern);
        script = KillBlankScript(cp, argv[2]);
    } else if (argc == 2 && std::strcmp(argv[1], "reload-images") == 0) {
        script = std::string(ReloadImagesScript());
    } else if (argc == 3 && std::strcmp(argv[1], "zoom") == 0) {
        script = ZoomScript(std::atoi(argv[2]));
    } else {
        std::fputs("usage: print_page_script kill-blank TEXT [gbk] | reload-images | zoom ID\n",
                   stderr);
        return 2;
    }
    std::fwrite(script.data(), 1, script.size(), stdout);
    return 0;
}
