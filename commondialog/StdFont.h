// The standard font object that the font dialog reads and writes: a face, a size in points
// and the style. Bold and Weight are one setting seen two ways: a weight of 600 or more is
// bold, and setting Bold makes the weight 700 or 400.
#pragma once

#include <cstdint>
#include <string>

namespace ferolan {

class StdFont {
 public:
  // Created with the platform's usual face at 8 points, regular.
  StdFont();

  const std::string& Name() const { return m_sName; }
  void Name(std::string value) { m_sName = std::move(value); }
  double Size() const { return m_dSize; }
  void Size(double value) { m_dSize = value; }
  bool Bold() const;
  void Bold(bool value);
  bool Italic() const { return m_bItalic; }
  void Italic(bool value) { m_bItalic = value; }
  bool Underline() const { return m_bUnderline; }
  void Underline(bool value) { m_bUnderline = value; }
  bool Strikethrough() const { return m_bStrikethrough; }
  void Strikethrough(bool value) { m_bStrikethrough = value; }
  int32_t Weight() const { return m_lWeight; }
  void Weight(int32_t value) { m_lWeight = value; }

 private:
  std::string m_sName;
  double m_dSize;
  int32_t m_lWeight;
  bool m_bItalic = false;
  bool m_bUnderline = false;
  bool m_bStrikethrough = false;
};

}  // namespace ferolan
