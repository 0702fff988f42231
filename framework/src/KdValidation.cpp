#include "KdValidation.h"

#include "KdAccess.h"

namespace kd {

bool validate(double v, NumberRule rule) {
  switch (rule) {
    case NumberRule::Positive:
      if (v > 0) return true;
      reject("Value must be positive");
      return false;
    case NumberRule::PositiveOrZero:
      if (v >= 0) return true;
      reject("Value must be positive");
      return false;
    case NumberRule::NonNegative:
      if (v >= 0) return true;
      reject("Value must be non-negative");
      return false;
    case NumberRule::NonZero:
      if (v != 0) return true;
      reject("Value must be non-zero");
      return false;
    case NumberRule::StrictlyPositive:
      if (v > 0) return true;
      reject("Value must be positive and non-zero.");
      return false;
    case NumberRule::StrictlyPositiveNonzero:
      if (v > 0) return true;
      reject("Value must be positive and nonzero.", "CKdCommandScale");
      return false;
  }
  return false;
}

CKdString prefixOf(const CKdString& post) {
  const int at = post.find(L"<>");
  return at < 0 ? post : CKdString(post.wstr().substr(0, size_t(at)));
}

CKdString suffixOf(const CKdString& post) {
  const int at = post.find(L"<>");
  return at < 0 ? CKdString() : CKdString(post.wstr().substr(size_t(at) + 2));
}

CKdString withPrefix(const CKdString& post, const CKdString& prefix) { return prefix + L"<>" + suffixOf(post); }

CKdString withSuffix(const CKdString& post, const CKdString& suffix) { return prefixOf(post) + L"<>" + suffix; }

CKdVariant singleCharacter(wchar_t c) {
  CKdString s;
  s.format(L"%lc", c);
  return CKdVariant(s);
}

bool readSingleCharacter(const CKdVariant& value, wchar_t& c) {
  const CKdString s = value.GetString();
  if (s.getLength() != 1) {
    reject("Decimal separator must be one character");
    return false;
  }
  c = s.c_str()[0];
  return true;
}

}  // namespace kd
