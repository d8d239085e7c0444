// What the two fuzzer programs share: the fork server and the loop that plays the fuzzer's inputs.
// Include it in the one file of a fuzzer program that holds its main function.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#endif
#endif

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#ifdef __AFL_FUZZ_TESTCASE_LEN
#include <unistd.h>  // the input macros read standard input when no fuzzer runs the program

// AFL++ hands each input over in shared memory instead of a file.
__AFL_FUZZ_INIT();
#endif

namespace vaskorath::fuzzing {

// Inputs one process plays before AFL++ forks a fresh one from the memory built before the loop.
inline constexpr int kInputsPerProcess = 10000;

// Starts AFL++'s fork server here, when the program was built for it: every process then begins
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

// The input named on the command line, or standard input.
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

// Ends the run with what `play` found: nothing of the state needs tearing down.
[[noreturn]] inline void finish(const std::string& fault) {
  if (fault.empty()) std::_Exit(0);
  std::fprintf(stderr, "%s\n", fault.c_str());
  std::abort();
}

// Plays every input this process is given: under AFL++ one after another in the same process (each
// `play` must start from scratch, so nothing of one input reaches the next), else the one input of
// the command line or of standard input. `play` returns what went wrong, empty when all held; the
// first fault aborts the process, so the fuzzer records the input as a crash.
template <typename Play>
[[noreturn]] void playEveryInput(int argc, char** argv, Play play) {
#if defined(__GLIBC__)
  // Saves take megabytes each. Blocks that size would be mapped fresh from the system for every
  // input, and the system fills every new page on first touch; kept in the heap, the next input
  // reuses them.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
  startForkServer();
#ifdef __AFL_FUZZ_TESTCASE_LEN
  if (argc <= 1) {
    const unsigned char* buffer = __AFL_FUZZ_TESTCASE_BUF;
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-statement-expression"  // how AFL++ writes its loop macro
    while (__AFL_LOOP(kInputsPerProcess)) {
#pragma clang diagnostic pop
      const std::string fault =
          play(std::string_view(reinterpret_cast<const char*>(buffer), __AFL_FUZZ_TESTCASE_LEN));
      if (!fault.empty()) finish(fault);
    }
    finish({});
  }
#endif
  const std::string input = readInput(argc, argv);
  finish(play(std::string_view(input)));
}

}  // namespace vaskorath::fuzzing
