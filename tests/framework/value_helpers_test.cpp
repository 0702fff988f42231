// The shared drop-down lists and value rules every enumerated or validated
// property uses: labels, tags, selected indices, answers and messages.
#include <gtest/gtest.h>
#include "CKdSystemServices.h"
#include "Db/DbDatabase.h"
#include "KdChoiceLists.h"
#include "KdValidation.h"

namespace {
std::vector<std::string> labels(const CKdVariant& v) {
  std::vector<std::string> out;
  const CKdVariantCollection& c = v.GetCollection();
  for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetString().toUtf8());
  return out;
}
std::vector<long> tags(const CKdVariant& v) {
  std::vector<long> out;
  const CKdVariantCollection& c = v.GetCollection();
  for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetTag().GetInt32());
  return out;
}
int selected(const CKdVariant& v) { return v.GetCollection().GetSelectedIndex(); }
CKdVariant answer(long tag) { return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"x")), CKdVariant(tag))); }

struct Messages : ::testing::Test {
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const CKdMessageRecord& m : GetKdSystemServices()->Messages()) {
      EXPECT_EQ(m.title, L"Error");
      EXPECT_EQ(m.flags, 0u);
      out.push_back(m.text.toUtf8());
    }
    return out;
  }
};
}  // namespace

TEST(ChoiceLists, FormatListsHaveTheirLabelsTagsAndSelection) {
  CKdVariant primary = kd::primaryUnitFormatList(4);
  EXPECT_EQ(primary.GetType(), CKdVariant::kCollection);
  EXPECT_EQ(labels(primary), (std::vector<std::string>{"Scientific", "Decimal", "Engineering", "Architectural",
                                                         "Fractional", "Windows Desktop"}));
  EXPECT_EQ(tags(primary), (std::vector<long>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(selected(primary), 3);
  CKdVariant alternate = kd::alternateUnitFormatList(8);
  EXPECT_EQ(labels(alternate)[3], "Architectural (stacked)");
  EXPECT_EQ(labels(alternate)[6], "Fractional");
  EXPECT_EQ(selected(alternate), 7);
  EXPECT_EQ(labels(kd::angleFormatList(0)), (std::vector<std::string>{"Decimal degrees", "Deg/min/sec", "Gradians", "Radians"}));
  EXPECT_EQ(selected(kd::angleFormatList(2)), 2);
  EXPECT_EQ(selected(kd::angleFormatList(4)), 0);  // surveyor's units show as decimal degrees
  long tag = -1;
  EXPECT_TRUE(kd::choiceTag(answer(5), tag));
  EXPECT_EQ(tag, 5);
  EXPECT_FALSE(kd::choiceTag(CKdVariant(5L), tag));
  EXPECT_FALSE(kd::choiceTag(CKdVariant(CKdVariantCollectionElement(CKdVariant(), CKdVariant(1.0, false))), tag));
  static const kd::Choice kChoices[] = {{"Left", 0}, {"Center", 1}, {"Right", 2}};
  EXPECT_EQ(selected(kd::enumList(kChoices, 2)), 2);
  EXPECT_EQ(selected(kd::enumList(kChoices, 7)), -1);
}

TEST(ChoiceLists, PrecisionListsFollowTheFormatRow) {
  EXPECT_EQ(labels(kd::linearPrecisionList(2, 3)),
            (std::vector<std::string>{"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000", "0.0000000", "0.00000000"}));
  EXPECT_EQ(tags(kd::linearPrecisionList(2, 3)), (std::vector<long>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(selected(kd::linearPrecisionList(2, 3)), 3);
  // Windows Desktop offers the engineering samples, without decimal points.
  const std::vector<std::string> desktop = labels(kd::linearPrecisionList(6, 0));
  EXPECT_EQ(desktop[0], "0'-0\"");
  EXPECT_EQ(desktop[1], "0'-0\"");
  EXPECT_EQ(desktop[2], "0'-00\"");
  EXPECT_EQ(labels(kd::linearPrecisionList(4, 0))[4], "0'-0 1/16\"");
  EXPECT_EQ(labels(kd::linearPrecisionList(1, 0))[8], "0.00000000E+01");
  EXPECT_EQ(labels(kd::linearPrecisionList(9, 0)), std::vector<std::string>(9, ""));
  EXPECT_EQ(labels(kd::linearPrecisionList(0, 0)), std::vector<std::string>(9, ""));
  // The alternate precision falls back to the drawing's units as the row index.
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  db->header().lunits = 2;
  EXPECT_EQ(labels(kd::alternatePrecisionList(0, 1, db.get()))[2], "0'-00\"");
  EXPECT_EQ(labels(kd::alternatePrecisionList(5, 1, db.get()))[1], "0 1/2");
  EXPECT_EQ(labels(kd::decimalPrecisionList(2))[8], "0.00000000");
  EXPECT_EQ(selected(kd::decimalPrecisionList(2)), 2);
}

TEST(ChoiceLists, AngularPrecisionFallsBackToTheLinearOne) {
  CKdVariant v = kd::angularPrecisionList(0, -1, 3);
  EXPECT_EQ(selected(v), 3);
  EXPECT_EQ(labels(v)[3], "0.000");
  EXPECT_EQ(labels(kd::angularPrecisionList(1, 2, 0))[2], "0d00'00\"");
  EXPECT_EQ(labels(kd::angularPrecisionList(2, 0, 0))[1], "0.0g");
  EXPECT_EQ(labels(kd::angularPrecisionList(3, 0, 0))[0], "0r");
  EXPECT_EQ(labels(kd::angularPrecisionList(4, 0, 0)), labels(kd::angularPrecisionList(0, 0, 0)));
}

TEST(ChoiceLists, BooleanAndBitToggleLists) {
  CKdVariant yes = kd::booleanList(true, kd::BoolLabels::YesNo);
  EXPECT_EQ(labels(yes), (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(tags(yes), (std::vector<long>{1, 0}));
  EXPECT_EQ(selected(yes), 0);
  EXPECT_EQ(labels(kd::booleanList(false, kd::BoolLabels::OnOff)), (std::vector<std::string>{"On", "Off"}));
  EXPECT_EQ(selected(kd::booleanList(false, kd::BoolLabels::OnOff)), 1);
  EXPECT_EQ(labels(kd::booleanList(true, kd::BoolLabels::OffOn)), (std::vector<std::string>{"Off", "On"}));
  EXPECT_TRUE(kd::booleanFromTag(1, false));
  EXPECT_FALSE(kd::booleanFromTag(0, true));
  EXPECT_TRUE(kd::booleanFromTag(7, true));
  EXPECT_FALSE(kd::booleanFromTag(-1, false));

  CKdVariant leading = kd::bitToggleList(4 | 1, 4);
  EXPECT_EQ(labels(leading), (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(tags(leading), (std::vector<long>{4, 4}));
  EXPECT_EQ(selected(leading), 0);
  EXPECT_EQ(selected(kd::bitToggleList(4, 8)), 1);
  // Either answer flips the bit, the selected one too.
  for (long tag : tags(leading)) EXPECT_EQ(kd::bitToggled(5, tag), 1);
  EXPECT_EQ(kd::bitToggled(1, 8), 9);
}

TEST(ChoiceLists, FeetAndInchesShareTheTwoLowBits) {
  using kd::FeetInches;
  // Low bits 0: both suppressed; 1: neither; 2: inches only; 3: feet only.
  EXPECT_EQ(selected(kd::feetInchesList(0, FeetInches::Feet)), 0);
  EXPECT_EQ(selected(kd::feetInchesList(1, FeetInches::Feet)), 1);
  EXPECT_EQ(selected(kd::feetInchesList(2, FeetInches::Inches)), 0);
  EXPECT_EQ(selected(kd::feetInchesList(3, FeetInches::Inches)), 1);
  EXPECT_EQ(tags(kd::feetInchesList(0, FeetInches::Feet)), (std::vector<long>{1, 0}));
  EXPECT_EQ(kd::feetInchesSet(0, FeetInches::Feet, 0), 2);
  EXPECT_EQ(kd::feetInchesSet(1, FeetInches::Inches, 1), 2);
  EXPECT_EQ(kd::feetInchesSet(2, FeetInches::Feet, 1), 0);
  EXPECT_EQ(kd::feetInchesSet(1, FeetInches::Feet, 1), 3);
  EXPECT_EQ(kd::feetInchesSet(3, FeetInches::Feet, 0), 1);
  EXPECT_EQ(kd::feetInchesSet(3, FeetInches::Inches, 1), 0);
  EXPECT_EQ(kd::feetInchesSet(0, FeetInches::Inches, 0), 3);
  EXPECT_EQ(kd::feetInchesSet(2, FeetInches::Inches, 0), 1);
  for (int low = 0; low < 4; ++low) {
    EXPECT_EQ(kd::feetInchesSet(low, FeetInches::Feet, 1) & 3, kd::feetInchesSet(low, FeetInches::Feet, 1));
    // The high bits stay, whatever is chosen.
    EXPECT_EQ(kd::feetInchesSet(12 | low, FeetInches::Feet, 0) & 12, 12);
    EXPECT_EQ(kd::feetInchesSet(12 | low, FeetInches::Inches, 1) & 12, 12);
  }
  EXPECT_EQ(kd::feetInchesSet(12, FeetInches::Feet, 0), 14);
  EXPECT_EQ(kd::feetInchesSet(13, FeetInches::Inches, 1), 14);
}

TEST_F(Messages, NumberRulesAcceptOrExplain) {
  EXPECT_TRUE(kd::validate(0.0, kd::NumberRule::PositiveOrZero));
  EXPECT_TRUE(kd::validate(0.0, kd::NumberRule::NonNegative));
  EXPECT_TRUE(kd::validate(-2.0, kd::NumberRule::NonZero));
  EXPECT_TRUE(kd::validate(1e-300, kd::NumberRule::Positive));
  EXPECT_TRUE(texts().empty());
  EXPECT_FALSE(kd::validate(0.0, kd::NumberRule::Positive));
  EXPECT_FALSE(kd::validate(-1.0, kd::NumberRule::PositiveOrZero));
  EXPECT_FALSE(kd::validate(-0.5, kd::NumberRule::NonNegative));
  EXPECT_FALSE(kd::validate(0.0, kd::NumberRule::NonZero));
  EXPECT_FALSE(kd::validate(0.0, kd::NumberRule::StrictlyPositive));
  EXPECT_FALSE(kd::validate(-3.0, kd::NumberRule::StrictlyPositiveNonzero));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Value must be positive", "Value must be positive",
                                               "Value must be non-negative", "Value must be non-zero",
                                               "Value must be positive and non-zero.",
                                               "Value must be positive and nonzero."}));
}

TEST_F(Messages, PrefixSuffixAndSingleCharacters) {
  const CKdString post(L"Ø<> mm");
  EXPECT_EQ(kd::prefixOf(post), L"Ø");
  EXPECT_EQ(kd::suffixOf(post), L" mm");
  EXPECT_EQ(kd::withPrefix(post, L"R"), L"R<> mm");
  EXPECT_EQ(kd::withSuffix(post, L""), L"Ø<>");
  EXPECT_EQ(kd::suffixOf(L"a<>b<>c"), L"b<>c");
  EXPECT_EQ(kd::prefixOf(L"TYP"), L"TYP");
  EXPECT_EQ(kd::withSuffix(L"TYP", L" MAX"), L"TYP<> MAX");

  EXPECT_EQ(kd::singleCharacter(L','), CKdVariant(CKdString(L",")));
  wchar_t c = L'.';
  EXPECT_TRUE(kd::readSingleCharacter(CKdVariant(CKdString(L",")), c));
  EXPECT_EQ(c, L',');
  EXPECT_FALSE(kd::readSingleCharacter(CKdVariant(CKdString(L"")), c));
  EXPECT_FALSE(kd::readSingleCharacter(CKdVariant(CKdString(L",,")), c));
  EXPECT_EQ(c, L',');
  EXPECT_EQ(texts(), (std::vector<std::string>{"Decimal separator must be one character",
                                               "Decimal separator must be one character"}));
}
