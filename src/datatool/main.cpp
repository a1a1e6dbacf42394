// vocamir-data: maintenance of a Vocamir dictionary from the command line.

#include <QCoreApplication>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>

#include "datatool/Commands.h"

int main(int argc, char* argv[]) {
  // Printing lays text out in fonts, which needs Qt's GUI side, though never a display; the other
  // commands need neither.
  std::unique_ptr<QCoreApplication> app;
  if (argc > 1 && std::string_view(argv[1]) == "print-lessons") {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  std::vector<std::string> arguments(argv + 1, argv + argc);
  // The folder the tool was started in may have been removed since.
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) {
    std::cerr << "vocamir-data: the folder it was started in cannot be read: " << error.message()
              << "\n";
    return 1;
  }
  return datatool::RunCommand(arguments, folder, std::cout, std::cerr);
}
