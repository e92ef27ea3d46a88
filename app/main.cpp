#include "app/Run.h"
#include "platform/ProcessStart.h"
#include "window/WindowedProgram.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words = zol::startProcess(argc, argv);
    return zol::app::run(std::vector<std::string>(words.begin() + (words.empty() ? 0 : 1), words.end()),
                         ZOLBAS_VERSION, [&](const zol::app::CommandLine& line) {
                             return zol::window::runWindowed(argc, argv, line.traceFile);
                         });
}
