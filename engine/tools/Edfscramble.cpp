// Build tool: scrambles the plain environment INI into the environment file the program
// reads, or unscrambles an environment file back into INI text (the same operation).
//   edfscramble <input> <output>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/Envfilescrambling.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: edfscramble <input> <output>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "edfscramble: cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ScrambleEnvBytes(bytes.data(), bytes.size());
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "edfscramble: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
