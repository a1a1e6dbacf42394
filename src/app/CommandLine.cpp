#include "app/CommandLine.h"

#include <ostream>
#include <string>

#include "Version.h"

namespace app {
namespace {

constexpr int kUsageStatus = 2;

const char kUsage[] =
    "Usage: vocamir [--help | --version]\n"
    "Vocamir, a speaking dictionary and word drill for Russian, Hebrew and English.\n"
    "It works on the dictionary in ./data of the folder it is started in, and reads\n"
    "vocamir.ini and mine.ico there; vocamir-launcher starts it in ~/.local/share/vocamir\n"
    "(or $VOCAMIR_HOME) and makes that folder with the starter dictionary on first use.\n"
    "  -h, --help     print this text and exit\n"
    "      --version  print the version and exit\n"
    "The command-line data tool is vocamir-data (see vocamir-data --help).\n";

}  // namespace

std::string VersionText() { return std::string("vocamir ") + vocamir::kVersion + "\n"; }

std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments, std::ostream& out) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      out << kUsage;
      return 0;
    }
    if (argument == "--version") {
      out << VersionText();
      return 0;
    }
  }
  return std::nullopt;
}

int RejectLeftovers(const std::vector<std::string>& leftovers, std::ostream& err) {
  if (leftovers.empty()) return 0;
  for (const std::string& argument : leftovers) {
    err << "vocamir: unknown argument \"" << argument << "\"\n";
  }
  err << kUsage;
  return kUsageStatus;
}

}  // namespace app
