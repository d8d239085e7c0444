// The fuzzer programs' operator new under AddressSanitizer: blocks above 128 KB are kept
// for reuse instead of going back to the system.
//
// The sanitizer maps every block above 128 KB fresh from the system and unmaps it when it is freed.
// Saves are megabytes each, and on a virtual machine the first touch of every new page costs about
// ten microseconds, so each save written or loaded cost over ten milliseconds in page faults alone.
// A kept block is poisoned while it waits, and only the bytes asked for are unpoisoned when it is
// handed out again, so the sanitizer still reports any access outside a live block. The fuzzers
// run on one thread.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)

#include <sanitizer/allocator_interface.h>
#include <sanitizer/asan_interface.h>

#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLargeBlock = std::size_t{1} << 17;  // what the sanitizer maps on its own
constexpr int kKeptBlockCount = 64;

struct KeptBlock {
  void* memory;
  std::size_t capacity;
};

KeptBlock keptBlocks[kKeptBlockCount];
int keptCount = 0;

void takeOut(int index) { keptBlocks[index] = keptBlocks[--keptCount]; }

// The smallest kept block that holds `size` bytes, or -1.
int bestFit(std::size_t size) {
  int best = -1;
  for (int index = 0; index < keptCount; ++index) {
    const std::size_t capacity = keptBlocks[index].capacity;
    if (capacity >= size && (best < 0 || capacity < keptBlocks[best].capacity)) best = index;
  }
  return best;
}

void* allocate(std::size_t size) {
  if (size >= kLargeBlock) {
    if (const int index = bestFit(size); index >= 0) {
      void* memory = keptBlocks[index].memory;
      takeOut(index);
      __asan_unpoison_memory_region(memory, size);
      return memory;
    }
  }
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

void release(void* memory) noexcept {
  if (memory == nullptr) return;
  const std::size_t capacity = __sanitizer_get_allocated_size(memory);
  if (capacity < kLargeBlock) {
    std::free(memory);
    return;
  }
  if (keptCount == kKeptBlockCount) {  // the largest goes, so a few huge files cannot hold on to much
    int largest = 0;
    for (int index = 1; index < keptCount; ++index) {
      if (keptBlocks[index].capacity > keptBlocks[largest].capacity) largest = index;
    }
    std::free(keptBlocks[largest].memory);
    takeOut(largest);
  }
  __asan_poison_memory_region(memory, capacity);
  keptBlocks[keptCount++] = {memory, capacity};
}

void* allocateOrNull(std::size_t size) noexcept {
  try {
    return allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

// Freed memory waits in the sanitizer's quarantine before it is handed out again, so a use after
// free is reported. A full campaign's state frees tens of megabytes at each load; with the usual
// 256 MB the blocks it asks for anew kept landing on fresh pages, at ten microseconds each. With
// 32 MB a use after free is still caught unless 32 MB of other blocks were freed in between; the
// sanitizer build of the tests keeps the usual quarantine.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocateOrNull(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocateOrNull(size); }
void operator delete(void* memory) noexcept { release(memory); }
void operator delete[](void* memory) noexcept { release(memory); }
void operator delete(void* memory, std::size_t) noexcept { release(memory); }
void operator delete[](void* memory, std::size_t) noexcept { release(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { release(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { release(memory); }

#endif
#endif
