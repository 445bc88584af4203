#pragma once
#include "platform/text_service.h"
#include "toolkit/core/control.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::toolkit {

enum class Bevel { None, Lowered, Raised };

// A static text. Given a text service to measure with, it sizes itself to its caption (unless it wraps
// or auto-size is off), keeping its top left corner, so that no caption is ever cut.
class Label : public Control {
 public:
  explicit Label(Component* owner, platform::TextService* measure = nullptr)
      : Control(owner), measure_(measure) {
    setColor(clNone);
  }

  // Long captions break into lines at blanks to fit the width.
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    changed();
  }
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    changed();
  }
  // A sunken edge around the text (Bevel::None for none); it adds one pixel on each side.
  Bevel border() const { return border_; }
  void setBorder(Bevel border) {
    border_ = border;
    changed();
  }

 protected:
  bool takesInput() const override { return false; }
  void changed() override;

 private:
  platform::TextService* measure_;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  Bevel border_ = Bevel::None;
};

// A push button: a click runs OnClick.
class Button : public Control {
 public:
  using Control::Control;
};

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

  // Its see-through pixels show what lies beneath.
  const Icon& picture() const { return picture_; }
  void setPicture(Icon picture) {
    picture_ = std::move(picture);
    changed();
  }

 protected:
  bool takesInput() const override { return false; }

 private:
  Icon picture_;
};

}  // namespace lumaro::toolkit
