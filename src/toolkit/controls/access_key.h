#pragma once
#include <string>
#include <string_view>

#include "toolkit/drawing/canvas.h"

namespace lumaro::toolkit {

// A caption with an access key: "&" makes the next character the key, shown underlined; "&&" is a
// plain ampersand.
struct AccessKeyCaption {
  std::string text;                       // the caption as shown, without the markers
  std::size_t keyAt = std::string::npos;  // where the key character starts in `text`
  std::size_t keyLength = 0;              // its length in bytes
};

AccessKeyCaption parseAccessKey(std::string_view caption);

// The caption's key, an ASCII letter (in lower case) or digit; 0 for none.
char accessKeyOf(std::string_view caption);

// The size of the caption as shown.
Size captionExtent(Canvas& canvas, std::string_view caption);

// Draws the caption left- and top-aligned in `rect`, clipped to it, with its key underlined.
void drawCaption(Canvas& canvas, const Rect& rect, std::string_view caption);

}  // namespace lumaro::toolkit
