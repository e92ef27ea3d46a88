// `zolbas --simulate` under node: the same command line as the native
// program, without a window to play in.
#include "app/Run.h"

#include <cstdio>

int main(int argc, char** argv) {
    return zol::app::run(std::vector<std::string>(argv + 1, argv + argc), ZOLBAS_VERSION,
                         [](const zol::app::CommandLine&) {
                             std::fputs("zolbas: this build has no window; play in the browser, or use --simulate\n",
                                        stderr);
                             return 2;
                         });
}
