// vocamir-data: maintenance of a Vocamir dictionary from the command line.

#include <QCoreApplication>
#include <filesystem>
#include <iostream>

#include "datatool/Commands.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return datatool::RunCommand(arguments, std::filesystem::current_path(), std::cout, std::cerr);
}
