#include "platform/qt/FontColors.h"

#include <QComboBox>

#include "platform/qt/QtColor.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

struct NamedColor {
  const char* name;
  COLORREF color;
};

constexpr NamedColor kColors[] = {
    {"Noir", 0x000000},     {"Bordeaux", 0x000080},    {"Vert", 0x008000},
    {"Olive", 0x008080},    {"Bleu marine", 0x800000}, {"Violet", 0x800080},
    {"Sarcelle", 0x808000}, {"Gris", 0x808080},        {"Argent", 0xC0C0C0},
    {"Rouge", 0x0000FF},    {"Citron vert", 0x00FF00}, {"Jaune", 0x00FFFF},
    {"Bleu", 0xFF0000},     {"Fuchsia", 0xFF00FF},     {"Aqua", 0xFFFF00},
    {"Blanc", 0xFFFFFF},
};

void AddColor(QComboBox& box, const QString& name, COLORREF color) {
  box.addItem(name, QVariant::fromValue(color));
  box.setItemData(box.count() - 1, ColorOf(color), Qt::DecorationRole);
}

}  // namespace

void FillFontColors(QComboBox& box, COLORREF color) {
  color &= 0xFFFFFF;
  for (const NamedColor& named : kColors) AddColor(box, QString::fromUtf8(named.name), named.color);
  int at = box.findData(QVariant::fromValue(color));
  if (at < 0) {
    AddColor(box, QStringLiteral("Personnalisée"), color);
    at = box.count() - 1;
  }
  box.setCurrentIndex(at);
}

COLORREF ChosenFontColor(const QComboBox& box) { return box.currentData().value<COLORREF>(); }

}  // namespace ferolan::qt
