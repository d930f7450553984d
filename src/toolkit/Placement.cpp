#include "Placement.h"

#include <cstdint>

namespace {

// Sums of screen coordinates are formed in 64 bits so that absurd window or
// screen sizes cannot wrap around and flip a comparison.
int half(std::int64_t v) {
    return int(v / 2);
} // integer division truncates toward zero

int keepAxis(int position, int size, int margin, int screenSize) {
    if (position < margin)
        return margin;
    if (std::int64_t(position) + size + margin > screenSize) {
        // A window too large for the screen keeps its near edge (and its title
        // bar) on screen rather than being pushed off past the margin.
        const std::int64_t pulledBack = std::int64_t(screenSize) - size - margin;
        return pulledBack < margin ? margin : int(pulledBack);
    }
    return position;
}

} // namespace

QPoint placedialog(int mainLeft, int mainTop, int mainWidth, int mainHeight, int windowWidth,
                   int windowHeight, int margin, int screenWidth, int screenHeight) {
    const int x = int(mainLeft + std::int64_t(half(std::int64_t(mainWidth) - windowWidth)));
    const int y = int(mainTop + std::int64_t(half(std::int64_t(mainHeight) - windowHeight)));
    return keeponscreen(x, y, windowWidth, windowHeight, margin, screenWidth, screenHeight);
}

QPoint keeponscreen(int left, int top, int windowWidth, int windowHeight, int margin,
                    int screenWidth, int screenHeight) {
    return {keepAxis(left, windowWidth, margin, screenWidth),
            keepAxis(top, windowHeight, margin, screenHeight)};
}
