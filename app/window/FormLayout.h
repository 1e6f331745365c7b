// Where the window's controls are, in twips (1440 to the inch) of the client area, or of the
// frame that holds them: one table for the Qt window and the Windows window, each converting
// it with its screen's dots per inch.
#pragma once

namespace ferolan::layout {

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kClientWidth = 4680;
inline constexpr int kClientHeight = 3540;

// A length in twips on a screen of `dpi` dots per inch, in whole pixels.
constexpr int Pixels(int twips, int dpi) { return twips * dpi / kTwipsPerInch; }

// The window's font and Label1's, in points.
inline constexpr double kFontPoints = 8.25;
inline constexpr double kDescriptionPoints = 12;

inline constexpr Twips kFrame2{60, -45, 4560, 1215};
inline constexpr Twips kLabel1{45, 135, 3765, 1020};     // in Frame2
inline constexpr Twips kPicture1{3735, 135, 765, 1020};  // in Frame2
inline constexpr Twips kFrame1{60, 1140, 4560, 870};
inline constexpr Twips kLabel2{105, 150, 4260, 660};  // in Frame1
inline constexpr Twips kOption1{60, 2250, 2775, 195};
inline constexpr Twips kOption2{60, 2520, 2475, 240};
inline constexpr Twips kCmdOpen{3015, 2190, 1560, 315};
inline constexpr Twips kQuitter{3015, 2550, 1185, 315};
inline constexpr Twips kAide{4230, 2550, 345, 315};
inline constexpr Twips kFrame3{60, 2865, 4560, 615};
inline constexpr Twips kLabel3{1275, 135, 2100, 240};  // in Frame3
inline constexpr Twips kLabel4{705, 360, 3210, 195};   // in Frame3
// Below the client area: it only carries the chosen path.
inline constexpr Twips kTxtFileName{480, 4080, 4335, 375};

// The colours, as red, green and blue.
struct Colour {
  int red;
  int green;
  int blue;
};
inline constexpr Colour kDescriptionBack{255, 255, 255};
inline constexpr Colour kDescriptionText{0, 0, 128};
inline constexpr Colour kWhereText{128, 128, 255};

}  // namespace ferolan::layout
