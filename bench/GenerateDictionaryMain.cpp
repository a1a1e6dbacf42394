// vocamir_gen_dictionary <working directory> <meanings> [seed]: writes a synthetic dictionary
// into <working directory>/data for trying the program and its benchmarks on a large data set.
#include <cstdlib>
#include <exception>
#include <iostream>

#include "DictionaryGenerator.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: vocamir_gen_dictionary <working directory> <meanings> [seed]\n";
    return 2;
  }
  bench::DictionaryOptions options;
  options.Meanings = std::atoi(argv[2]);
  if (argc > 3) options.Seed = static_cast<unsigned>(std::atoi(argv[3]));
  try {
    bench::GenerateDictionaryFolder(argv[1], options);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
