// pmr-cli: the command-line programmer.

#include "CliSession.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // Only the report draws text, which needs Qt's graphical part; it is drawn
    // off screen, so that the command runs without a display. The other
    // commands keep to the core part and run wherever a terminal does.
    std::unique_ptr<QCoreApplication> app;
    if (std::find(args.begin(), args.end(), "report") != args.end()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return pmr::cli::RunCli(args, std::cout, std::cerr);
}
