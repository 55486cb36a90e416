// pmr-cli: the command-line programmer.

#include "CliSession.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return pmr::cli::RunCli(args, std::cout, std::cerr);
}
