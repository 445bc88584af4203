#include "widgets/shade_colors.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "toolkit/drawing/system_colors.h"
#include "widgets/rounding.h"

namespace lumaro::widgets {

namespace {

constexpr double kEpsilon = 1e-8;

// The hue corners of the centred cube [−1, 1]³, by sextant: red, yellow, green, cyan, blue, magenta.
constexpr double kCorners[6][3] = {{1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}};

void check(const char* conversion, const char* component, double value) {
  if (!(value >= 0 && value <= 1)) {
    throw EColorConv(std::string(conversion) + ": 0 <= " + component + " value <= 1 required");
  }
}

double clamp01(double value) {
  if (std::isnan(value) || value < 0) return 0;
  return std::min(value, 1.0);
}

// The hue of a pure hue `w` (one channel at 1, channel k at −1), in [0, 1].
double hueOf(int k, const double w[3]) {
  double sixths = 0;
  switch (k) {
    case 0:  // red lowest
      sixths = w[1] > w[2] ? 2 + (w[2] + 1) / 2 : 4 - (w[1] + 1) / 2;
      break;
    case 1:  // green lowest
      sixths = w[2] > w[0] ? 4 + (w[0] + 1) / 2 : 6 - (w[2] + 1) / 2;
      break;
    default:  // blue lowest
      sixths = w[1] < w[0] ? (w[1] + 1) / 2 : 2 - (w[0] + 1) / 2;
      break;
  }
  return sixths / 6;
}

// The offset c at which the line through a and the pure hue w meets the grey axis; `shift` is −1 for
// the bright half of the cube and +1 for the dark half.
double greyOffset(const double a[3], const double w[3], double shift) {
  if (std::abs(w[1] - w[0]) > kEpsilon)
    return (w[1] * (a[0] + shift) - w[0] * (a[1] + shift)) / (w[1] - w[0]);
  if (std::abs(w[2] - w[1]) > kEpsilon)
    return (w[2] * (a[1] + shift) - w[1] * (a[2] + shift)) / (w[2] - w[1]);
  if (std::abs(w[2] - w[0]) > kEpsilon)
    return (w[2] * (a[0] + shift) - w[0] * (a[2] + shift)) / (w[2] - w[0]);
  return a[0] + shift;
}

THLS brightHLS(const double a[3], const double n[3], double red) {
  double p = 0;
  for (int i = 0; i < 3; ++i) p = std::max(p, 1 - n[i]);
  if (p < kEpsilon) return {0, red, 0};
  double w[3];
  for (int i = 0; i < 3; ++i) w[i] = (2 / p) * (n[i] - 1) + 1;
  int k = 0;
  double lowest = 1.0;
  for (int i = 0; i < 3; ++i) {
    if (w[i] < lowest) {
      lowest = w[i];
      k = i;
    }
  }
  double s = 0;
  if (std::abs(a[1] - a[0]) > kEpsilon) {
    s = (a[1] - a[0]) / (w[0] * (a[1] - 1) - (a[0] - 1) * w[1]);
  } else if (std::abs(a[2] - a[1]) > kEpsilon) {
    s = (a[2] - a[1]) / ((a[2] - 1) * w[1] - w[2] * (a[1] - 1));
  } else if (std::abs(a[2] - a[0]) > kEpsilon) {
    s = (a[2] - a[0]) / ((a[2] - 1) * w[0] - (a[0] - 1) * w[2]);
  }
  return {hueOf(k, w), greyOffset(a, w, -1) * 0.5 + 1, s};
}

THLS darkHLS(const double a[3], const double n[3], int k, double red) {
  double p = 0;
  for (int i = 0; i < 3; ++i) p = std::max(p, n[i] + 1);
  if (p < kEpsilon) return {0, red, 0};
  double w[3];
  for (int i = 0; i < 3; ++i) w[i] = (2 / p) * (n[i] + 1) - 1;
  double s = 0;
  if (std::abs(a[1] - a[0]) > kEpsilon) {
    s = (a[1] - a[0]) / ((a[0] + 1) * w[1] - w[0] * (a[1] + 1));
  } else if (std::abs(a[2] - a[1]) > kEpsilon) {
    s = (a[2] - a[1]) / (w[2] * (a[1] + 1) - (a[2] + 1) * w[1]);
  } else if (std::abs(a[2] - a[0]) > kEpsilon) {
    s = (a[2] - a[0]) / ((a[0] + 1) * w[2] - (a[2] + 1) * w[0]);
  }
  return {hueOf(k, w), greyOffset(a, w, +1) * 0.5, s};
}

std::uint8_t byteOf(toolkit::Color rgb, int shift) {
  return static_cast<std::uint8_t>((rgb >> shift) & 0xFF);
}

}  // namespace

THLS RGB2HLS(const TRGB& rgb) {
  check("RGB2HLS", "Red", rgb.Red);
  check("RGB2HLS", "Green", rgb.Green);
  check("RGB2HLS", "Blue", rgb.Blue);
  // Work in the centred cube [−1, 1]³.
  const double a[3] = {2 * rgb.Red - 1, 2 * rgb.Green - 1, 2 * rgb.Blue - 1};
  double m = 0;
  int k = 0;
  for (int i = 0; i < 3; ++i) {
    if (std::abs(a[i]) > m) {
      m = std::abs(a[i]);
      k = i;
    }
  }
  if (m < kEpsilon) return {0, 0.5, 0};
  const double n[3] = {a[0] / m, a[1] / m, a[2] / m};
  const THLS hls = a[k] > 0 ? brightHLS(a, n, rgb.Red) : darkHLS(a, n, k, rgb.Red);
  return {clamp01(hls.Hue), clamp01(hls.Luminance), clamp01(hls.Saturation)};
}

TRGB HLS2RGB(const THLS& hls) {
  check("HLS2RGB", "Hue", hls.Hue);
  check("HLS2RGB", "Luminance", hls.Luminance);
  check("HLS2RGB", "Saturation", hls.Saturation);
  const double x = hls.Hue * 6;
  const int sextant = static_cast<int>(x) % 6;
  const int next = (sextant + 1) % 6;
  const double f = x - std::trunc(x);
  double c[3];
  for (int i = 0; i < 3; ++i) {
    c[i] = kCorners[sextant][i] + f * (kCorners[next][i] - kCorners[sextant][i]);
    c[i] *= hls.Saturation;
    c[i] = hls.Luminance > 0.5 ? hls.Luminance + (1 - hls.Luminance) * c[i] : hls.Luminance * (c[i] + 1);
  }
  return {clamp01(c[0]), clamp01(c[1]), clamp01(c[2])};
}

Shades ShadeColors(toolkit::Color color, TContrast highlightLevel, TContrast shadowLevel) {
  const toolkit::Color rgb = toolkit::resolveColor(color);
  const std::uint8_t bytes[3] = {byteOf(rgb, 0), byteOf(rgb, 8), byteOf(rgb, 16)};
  const double highlightFactor = (10 - highlightLevel) / 10.0;
  const double shadowFactor = (10 - shadowLevel) / 10.0;

  // A zero byte at factor 1.0 would give −1: the result stays a byte.
  const auto lighter = [&](std::uint8_t v) {
    return static_cast<std::uint8_t>(
        std::clamp(255 - roundHalfEven(static_cast<long double>(highlightFactor) * (256 - v)), 0LL, 255LL));
  };
  const toolkit::Color highlight = toolkit::rgb(lighter(bytes[0]), lighter(bytes[1]), lighter(bytes[2]));

  THLS hls = RGB2HLS({bytes[0] / 255.0, bytes[1] / 255.0, bytes[2] / 255.0});
  hls.Luminance *= shadowFactor;
  const TRGB dark = HLS2RGB(hls);
  const auto toByte = [](double channel) {
    return static_cast<std::uint8_t>(roundHalfEven(static_cast<long double>(channel) * 255));
  };
  return {highlight, toolkit::rgb(toByte(dark.Red), toByte(dark.Green), toByte(dark.Blue))};
}

}  // namespace lumaro::widgets
