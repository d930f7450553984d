#pragma once

#include <cstddef>
#include <cstdint>

// A zeroed array of words for the table of known positions. The hardest
// deals fill tens of megabytes whose every page a probe may touch first at
// random, so on Linux a large array asks for huge pages: one fault then
// brings in two megabytes instead of four kilobytes. Elsewhere, and when the
// system says no, it is plain calloc memory; either way fresh pages come
// zeroed, so growing never writes the whole array before the first probe does.
class ZeroedWords {
public:
    explicit ZeroedWords(std::size_t count);
    ~ZeroedWords();
    ZeroedWords(ZeroedWords&& other) noexcept;
    ZeroedWords& operator=(ZeroedWords&& other) noexcept;
    ZeroedWords(const ZeroedWords&) = delete;
    ZeroedWords& operator=(const ZeroedWords&) = delete;

    std::uint64_t& operator[](std::size_t i) { return words[i]; }
    const std::uint64_t& operator[](std::size_t i) const { return words[i]; }

private:
    void release() noexcept;

    std::uint64_t* words = nullptr;
    void* mapped = nullptr; // the whole mapping when the words lie in one
    std::size_t mappedBytes = 0;
};
