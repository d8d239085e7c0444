// What the two fuzzer programs share: reading the input after the fork server has started.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#endif
#endif

namespace vaskorath::fuzzing {

// Starts AFL++'s fork server here, when the program was built for it: every input then begins
// from a copy of the memory as it is now, so nothing built before has to be built again.
inline void startForkServer() {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
  // Memory freed while the bases were built waits in the sanitizer's quarantine; every fork would
  // copy its page tables again.
  __sanitizer_purge_allocator();
#endif
#endif
#ifdef __AFL_HAVE_MANUAL_CONTROL
  __AFL_INIT();
#endif
}

// The input: the file named on the command line, or standard input.
inline std::string readInput(int argc, char** argv) {
  std::FILE* file = argc > 1 ? std::fopen(argv[1], "rb") : stdin;
  if (file == nullptr) {
    std::perror(argv[1]);
    std::exit(2);
  }
  std::string input;
  char chunk[4096];
  for (std::size_t count; (count = std::fread(chunk, 1, sizeof chunk, file)) > 0;) input.append(chunk, count);
  return input;
}

// Ends the run at once: nothing of the state needs tearing down.
[[noreturn]] inline void finish(const std::string& fault) {
  if (fault.empty()) std::_Exit(0);
  std::fprintf(stderr, "%s\n", fault.c_str());
  std::abort();
}

}  // namespace vaskorath::fuzzing
