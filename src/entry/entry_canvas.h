#pragma once
// The entry picture kept off screen: three planes (red, green, blue) of 2000 rows
// of 800 bytes, the size of the picture they hold, and the row of the next line.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lexavo {

constexpr int32_t kCanvasColumns = 800;
constexpr int32_t kCanvasRows = 2000;
constexpr size_t kCanvasPlaneBytes = size_t{kCanvasColumns} * kCanvasRows;

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

class EntryCanvas {
  public:
    EntryCanvas() : planes_(new uint8_t[3 * kCanvasPlaneBytes]()) {}

    // Plane 0 red, 1 green, 2 blue; pixel (x, y) at y * kCanvasColumns + x.
    uint8_t* plane(int c) { return planes_.get() + size_t(c) * kCanvasPlaneBytes; }
    const uint8_t* plane(int c) const { return planes_.get() + size_t(c) * kCanvasPlaneBytes; }
    Rgb pixel(int32_t x, int32_t y) const {
        const size_t at = size_t(y) * kCanvasColumns + size_t(x);
        return {plane(0)[at], plane(1)[at], plane(2)[at]};
    }

    // Size of the picture held; zero until the first clear.
    int32_t canvasWidth() const { return width_; }
    int32_t canvasHeight() const { return height_; }
    // The picture's bytes now fill width x height of the planes (at most their size).
    void setPictureSize(int32_t width, int32_t height) {
        width_ = width < kCanvasColumns ? width : kCanvasColumns;
        height_ = height < kCanvasRows ? height : kCanvasRows;
    }
    // Top row of the next text line.
    int32_t nextLineY() const { return nextLineY_; }
    void setNextLineY(int32_t y) { nextLineY_ = y; }

  private:
    std::unique_ptr<uint8_t[]> planes_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t nextLineY_ = 0;
};

}  // namespace lexavo
