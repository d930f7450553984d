#include "ZeroedWords.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

#if defined(__linux__)
constexpr std::size_t kHugePage = std::size_t(2) << 20;
#endif

} // namespace

ZeroedWords::ZeroedWords(std::size_t count) {
    const std::size_t bytes = count * sizeof(std::uint64_t);
#if defined(__linux__)
    if (bytes >= kHugePage) {
        // One huge page more than asked, so that the words can start on a
        // huge-page boundary wherever the mapping lands.
        const std::size_t length = bytes + kHugePage;
        void* p = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            const auto start = (reinterpret_cast<std::uintptr_t>(p) + kHugePage - 1) & ~(kHugePage - 1);
            madvise(reinterpret_cast<void*>(start), bytes, MADV_HUGEPAGE); // a hint; refusal is fine
            mapped = p;
            mappedBytes = length;
            words = reinterpret_cast<std::uint64_t*>(start);
            return;
        }
    }
#endif
    words = static_cast<std::uint64_t*>(std::calloc(count, sizeof(std::uint64_t)));
    if (!words)
        throw std::bad_alloc();
}

ZeroedWords::~ZeroedWords() {
    release();
}

ZeroedWords::ZeroedWords(ZeroedWords&& other) noexcept
    : words(std::exchange(other.words, nullptr)), mapped(std::exchange(other.mapped, nullptr)),
      mappedBytes(std::exchange(other.mappedBytes, 0)) {}

ZeroedWords& ZeroedWords::operator=(ZeroedWords&& other) noexcept {
    if (this != &other) {
        release();
        words = std::exchange(other.words, nullptr);
        mapped = std::exchange(other.mapped, nullptr);
        mappedBytes = std::exchange(other.mappedBytes, 0);
    }
    return *this;
}

void ZeroedWords::release() noexcept {
#if defined(__linux__)
    if (mapped) {
        munmap(mapped, mappedBytes);
        mapped = nullptr;
        words = nullptr;
        return;
    }
#endif
    std::free(words);
    words = nullptr;
}
