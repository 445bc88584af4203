#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/geometry.h"

// Shapes rasterised the classic desktop's way, onto a bitmap, clipped to it. `pixel` values are 0x00RRGGBB.
// A coordinate (x, y) names the pixel (x, y); rectangles exclude their right and bottom edges.
namespace lumaro::toolkit::raster {

void fillRect(Bitmap& bitmap, const Rect& rect, std::uint32_t pixel);

// A one-pixel line from `from` up to, but not including, `to`. Each step along the longer axis takes
// the pixel nearest to the ideal line; an exact tie goes to the pixel nearer the start.
void thinLine(Bitmap& bitmap, Point from, Point to, std::uint32_t pixel);

// A line `width` pixels wide with round ends: every pixel whose centre lies closer than width / 2 to
// the segment (for even widths the centres are taken half a pixel down and right, so that the extra
// row and column fall above and left of the line). Both end points are drawn.
void wideLine(Bitmap& bitmap, Point from, Point to, int width, std::uint32_t pixel);

// The ellipse inscribed in `box`: the pixels whose centres lie inside it. The outline is the one-pixel
// rim of those pixels (those with a neighbour outside, left, right, above or below); `fill`, when
// given, paints the rest.
void ellipse(Bitmap& bitmap, const Rect& box, std::optional<std::uint32_t> fill, std::uint32_t outline);

// The part of the ellipse's rim swept counter-clockwise (as seen on screen) from the direction of
// `start` to the direction of `end`, both seen from the centre of `box`. Equal directions give the
// whole rim.
void arc(Bitmap& bitmap, const Rect& box, Point start, Point end, std::uint32_t pixel);

// The inside of a polygon by the alternate (even-odd) rule, pixels sampled at their centres, an edge
// on the left or top counting as inside and one on the right or bottom as outside. `scratch` holds the
// crossings of a row, so that repeated fills allocate nothing.
void fillPolygon(Bitmap& bitmap, std::span<const Point> points, std::uint32_t pixel,
                 std::vector<double>& scratch);

}  // namespace lumaro::toolkit::raster
