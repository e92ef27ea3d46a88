#include "app/Run.h"
#include "window/WindowedProgram.h"

int main(int argc, char** argv) {
    return zol::app::run(std::vector<std::string>(argv + 1, argv + argc), ZOLBAS_VERSION,
                         [&](const zol::app::CommandLine& line) {
                             return zol::window::runWindowed(argc, argv, line.traceFile);
                         });
}
