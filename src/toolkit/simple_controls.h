#pragma once
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

namespace lumaro::toolkit {

// A static text.
class Label : public Control {
 public:
  explicit Label(Component* owner) : Control(owner) { setColor(clNone); }

  // Long captions break into lines at blanks to fit the width.
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    changed();
  }

 protected:
  bool takesInput() const override { return false; }

 private:
  bool wordWrap_ = false;
};

// A push button: a click runs OnClick.
class Button : public Control {
 public:
  using Control::Control;
};

enum class Bevel { None, Lowered, Raised };

// A container with an optional bevel and caption.
class Panel : public WinControl {
 public:
  using WinControl::WinControl;

  Bevel bevelOuter() const { return bevelOuter_; }
  void setBevelOuter(Bevel bevel) {
    bevelOuter_ = bevel;
    changed();
  }
  int bevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int width) {
    bevelWidth_ = width;
    changed();
  }
  // The caption sits in the middle unless it is left-aligned.
  bool captionLeft() const { return captionLeft_; }
  void setCaptionLeft(bool left) {
    captionLeft_ = left;
    changed();
  }

 private:
  Bevel bevelOuter_ = Bevel::Raised;
  int bevelWidth_ = 1;
  bool captionLeft_ = false;
};

// A picture; clicks and mouse presses reach its events.
class Image : public Control {
 public:
  using Control::Control;

  const Bitmap& picture() const { return picture_; }
  void setPicture(Bitmap picture) {
    picture_ = std::move(picture);
    changed();
  }

 protected:
  bool takesInput() const override { return false; }

 private:
  Bitmap picture_;
};

}  // namespace lumaro::toolkit
