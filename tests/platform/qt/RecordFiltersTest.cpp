#include "platform/qt/RecordFilters.h"

#include <gtest/gtest.h>

#include <string>

namespace ferolan::qt {
namespace {

using namespace std::string_literals;

TEST(RecordFiltersTest, EachEntryBecomesANameFilterWithItsPatterns) {
  const struct {
    std::string record;
    QStringList filters;
  } cases[] = {
      {"Exportation d'une évaluation J'ADE (*.jad)\0*.jad\0\0"s,
       {QStringLiteral("Exportation d'une évaluation J'ADE (*.jad) (*.jad)")}},
      {"Textes\0*.txt; *.csv\0Tout\0*.*\0\0"s,
       {QStringLiteral("Textes (*.txt *.csv)"), QStringLiteral("Tout (*)")}},
      {"Vide\0;\0\0"s, {QStringLiteral("Vide (*)")}},
      {"Seule\0\0Jamais\0*.x\0\0"s, {}},  // a description without pattern ends the list
      {"\0\0"s, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NameFilters(c.record.c_str()), c.filters) << c.record;
  }
  EXPECT_TRUE(NameFilters(nullptr).isEmpty());
}

TEST(RecordFiltersTest, TheSelectedFilterIsFoundByItselfOrByTheDescriptionShown) {
  const QStringList filters = NameFilters("Exportation (*.jad)\0*.jad\0Textes\0*.txt\0\0");
  EXPECT_EQ(IndexOfFilter(filters, QStringLiteral("Textes (*.txt)")), 1);
  EXPECT_EQ(IndexOfFilter(filters, QStringLiteral("Textes")), 1);
  EXPECT_EQ(IndexOfFilter(filters, QStringLiteral("Exportation (*.jad)")), 0);
  EXPECT_EQ(IndexOfFilter(filters, QStringLiteral("Exportation")), -1);
}

}  // namespace
}  // namespace ferolan::qt
