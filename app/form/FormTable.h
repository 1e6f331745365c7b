// The shapes of the window's table, made by the build from frmDeb.json into FormData.h: what
// each control is, where it goes in twips (1440 to the inch) and what it shows.
#pragma once

namespace ferolan::form {

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kTwipsPerInch = 1440;

// A length in twips on a screen of `dpi` dots per inch, in whole pixels.
constexpr int Pixels(int twips, int dpi) { return twips * dpi / kTwipsPerInch; }

// Red, green and blue; a control without a colour of its own has red below 0.
struct Colour {
  int red;
  int green;
  int blue;
  constexpr bool Given() const { return red >= 0; }
};
inline constexpr Colour kNoColour{-1, -1, -1};

enum class Kind { TextBox, Option, Button, Label, Picture, Frame };

inline constexpr int kInWindow = -1;

struct Control {
  const char* name;
  Kind kind;
  int frame;  // the index of the frame it is placed in, or kInWindow
  Twips place;
  const char* caption;
  double points;  // 0: the window's font size
  Colour back;
  Colour fore;
  bool centred;
  bool wraps;  // a label's lines may break where its text does not
};

}  // namespace ferolan::form
