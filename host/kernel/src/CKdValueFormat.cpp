#include "CKdValueFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace kdunits {
namespace {

std::string printf1(const char* fmt, int precision, double v) {
  char buf[400];
  std::snprintf(buf, sizeof buf, fmt, precision, v);
  return buf;
}

// "-" only for values that do not round to zero.
std::string sign(bool negative, bool zero) { return negative && !zero ? "-" : ""; }

std::string decimal(double v, int precision) {
  std::string s = printf1("%.*f", precision, std::fabs(v));
  const bool zero = s.find_first_not_of("0.") == std::string::npos;
  return sign(v < 0, zero) + s;
}

// Whole units and a reduced fraction of 1/2^precision: "3", "3 1/2", "1/2".
std::string wholeAndFraction(long long whole, long long numerator, long long denominator, bool keepZeroWhole) {
  while (numerator && numerator % 2 == 0) {
    numerator /= 2;
    denominator /= 2;
  }
  std::string s;
  if (whole || keepZeroWhole || !numerator) s = std::to_string(whole);
  if (numerator) {
    if (!s.empty()) s += ' ';
    s += std::to_string(numerator) + "/" + std::to_string(denominator);
  }
  return s;
}

// Values too large to count in the smallest fraction are shown in decimal.
bool countable(double v, long long denominator) { return std::fabs(v) * double(denominator) < 4e18; }

std::string engineering(double v, int precision) {
  const double total = std::fabs(v);
  if (total / 12.0 >= 4e18) return decimal(v, precision);
  long long feet = (long long)std::floor(total / 12.0);
  double inches = total - 12.0 * double(feet);
  std::string in = printf1("%.*f", precision, inches);
  if (std::stod(in) >= 12.0) {  // rounding reached the next foot
    ++feet;
    in = printf1("%.*f", precision, 0.0);
  }
  const bool zero = feet == 0 && in.find_first_not_of("0.") == std::string::npos;
  return sign(v < 0, zero) + std::to_string(feet) + "'-" + in + "\"";
}

std::string architectural(double v, int precision) {
  const long long d = 1LL << precision;
  if (!countable(v, d)) return decimal(v, precision);
  const long long n = std::llround(std::fabs(v) * double(d));
  const long long feet = n / (12 * d), rest = n % (12 * d);
  return sign(v < 0, n == 0) + std::to_string(feet) + "'-" + wholeAndFraction(rest / d, rest % d, d, true) + "\"";
}

std::string fractional(double v, int precision) {
  const long long d = 1LL << precision;
  if (!countable(v, d)) return decimal(v, precision);
  const long long n = std::llround(std::fabs(v) * double(d));
  return sign(v < 0, n == 0) + wholeAndFraction(n / d, n % d, d, false);
}
}  // namespace

CKdString formatLength(double value, int mode, int precision) {
  if (!std::isfinite(value)) return CKdString(L"?");
  if (precision < 0) precision = 0;
  if (precision > 8) precision = 8;
  std::string s;
  switch (mode) {
    case kScientific: s = printf1("%.*E", precision, value); break;
    case kEngineering: s = engineering(value, precision); break;
    case kArchitectural: s = architectural(value, precision); break;
    case kFractional: s = fractional(value, precision); break;
    default: s = decimal(value, precision); break;
  }
  return CKdString(std::wstring(s.begin(), s.end()));
}
}  // namespace kdunits
