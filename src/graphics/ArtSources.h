#pragma once

#include <array>
#include <memory>

class QSvgRenderer;

// The SVG art of the store, parsed once while the store is built and shared by
// every picture that uses it.
class ArtSources {
public:
    ArtSources();
    ~ArtSources();
    ArtSources(const ArtSources&) = delete;
    ArtSources& operator=(const ArtSources&) = delete;

    // Upper half of a court figure, face 11 Jack, 12 Queen, 13 King.
    QSvgRenderer& court(int suit, int face) const;
    QSvgRenderer& aceOfSpades() const;
    // The picture of back n, or nullptr for the woven patterns drawn in code.
    QSvgRenderer* backMotif(int n) const;

private:
    std::array<std::unique_ptr<QSvgRenderer>, 12> courts;
    std::array<std::unique_ptr<QSvgRenderer>, 12> backs;
    std::unique_ptr<QSvgRenderer> ace;
};
