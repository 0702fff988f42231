#pragma once
// Number rules with their messages, the prefix and suffix around a
// dimension's measurement, and single-character texts.
#include "CKdVariant.h"

namespace kd {

enum class NumberRule {
  Positive,                 // > 0, "Value must be positive"
  PositiveOrZero,           // >= 0, "Value must be positive"
  NonNegative,              // >= 0, "Value must be non-negative"
  NonZero,                  // != 0, "Value must be non-zero"
  StrictlyPositive,         // > 0, "Value must be positive and non-zero."
  StrictlyPositiveNonzero,  // > 0, "Value must be positive and nonzero." (a scale command's text)
};

// True when the value passes; otherwise the rule's message is shown and the answer is false.
bool validate(double value, NumberRule rule);

// A dimension's text around the measurement marker "<>". Without a marker
// the whole text counts as the prefix and the suffix is empty.
CKdString prefixOf(const CKdString& textPost);
CKdString suffixOf(const CKdString& textPost);
CKdString withPrefix(const CKdString& textPost, const CKdString& prefix);
CKdString withSuffix(const CKdString& textPost, const CKdString& suffix);

// The character as a one-character string.
CKdVariant singleCharacter(wchar_t c);
// The character of a one-character string; a string of another length shows
// "Decimal separator must be one character" and answers false. The value must be a string.
bool readSingleCharacter(const CKdVariant& value, wchar_t& c);

}  // namespace kd
