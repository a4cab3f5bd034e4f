#include "savefile/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace orv5 {

namespace {

// A width or precision beyond this is a typo or garbage, not a layout; capping it keeps
// a bad format from asking for gigabytes.
constexpr int MaxFieldSize = 4096;

// Room for the integer part of the largest double (309 digits), the point and the decimals.
constexpr size_t MaxRealChars = 320 + MaxFieldSize;

struct Directive {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool zero = false;
  bool alt = false;
  int width = 0;
  int precision = -1;   // -1: none given
  char conversion = 0;  // 0: the format ended inside the directive
};

class ArgCursor {
 public:
  explicit ArgCursor(std::span<const FormatArg> args) : args_(args) {}

  const FormatArg* Take() { return next_ < args_.size() ? &args_[next_++] : nullptr; }

 private:
  std::span<const FormatArg> args_;
  size_t next_ = 0;
};

// Sign and magnitude, so that the most negative value and values above INT64_MAX both fit.
struct Integer {
  bool negative = false;
  uint64_t magnitude = 0;
};

Integer FromSigned(int64_t value) {
  return {value < 0, value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value)};
}

int64_t TruncateReal(double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is exactly representable; anything at or beyond it saturates.
  constexpr double limit = 9223372036854775808.0;
  if (value >= limit) return std::numeric_limits<int64_t>::max();
  if (value < -limit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);  // truncates toward zero
}

// The value of a numeric argument as an integer; a text has none.
Integer ToInteger(const FormatArg& arg) {
  const auto& value = arg.value();
  if (const auto* s = std::get_if<int64_t>(&value)) return FromSigned(*s);
  if (const auto* u = std::get_if<uint64_t>(&value)) return {false, *u};
  if (const auto* r = std::get_if<double>(&value)) return FromSigned(TruncateReal(*r));
  return {};
}

// %u and %x see a negative 32-bit value as the unsigned word the save stored.
uint64_t ToUnsignedWord(const FormatArg& arg) {
  const Integer i = ToInteger(arg);
  if (!i.negative) return i.magnitude;
  if (i.magnitude <= uint64_t{1} << 31) return (uint64_t{1} << 32) - i.magnitude;
  return 0 - i.magnitude;
}

double ToReal(const FormatArg& arg) {
  const auto& value = arg.value();
  if (const auto* r = std::get_if<double>(&value)) return *r;
  const Integer i = ToInteger(arg);
  const double magnitude = static_cast<double>(i.magnitude);
  return i.negative ? -magnitude : magnitude;
}

void AppendPadded(std::string& out, std::string_view body, const Directive& d) {
  const size_t fill = d.width > 0 && static_cast<size_t>(d.width) > body.size() ? d.width - body.size() : 0;
  if (!d.left) out.append(fill, ' ');
  out.append(body);
  if (d.left) out.append(fill, ' ');
}

// Zeros from the '0' flag go between the sign (or "0X") and the digits.
void AppendNumber(std::string& out, std::string_view sign, std::string_view digits, const Directive& d,
                  bool zeroFillAllowed) {
  const size_t length = sign.size() + digits.size();
  if (d.zero && !d.left && zeroFillAllowed && d.width > 0 && static_cast<size_t>(d.width) > length) {
    out.append(sign);
    out.append(d.width - length, '0');
    out.append(digits);
    return;
  }
  std::string body(sign);
  body.append(digits);
  AppendPadded(out, body, d);
}

std::string_view SignText(bool negative, const Directive& d) {
  if (negative) return "-";
  return d.plus ? "+" : d.space ? " " : "";
}

std::string Digits(uint64_t magnitude, int base, int precision) {
  if (precision == 0 && magnitude == 0) return {};  // as C: "%.0d" of 0 writes no digit
  std::array<char, 24> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, base).ptr;
  std::string digits(buffer.data(), end);
  std::transform(digits.begin(), digits.end(), digits.begin(), [](char c) { return c >= 'a' ? c - 'a' + 'A' : c; });
  if (precision > 0 && static_cast<size_t>(precision) > digits.size()) digits.insert(0, precision - digits.size(), '0');
  return digits;
}

void AppendDecimal(std::string& out, const FormatArg& arg, const Directive& d) {
  const Integer i = d.conversion == 'u' ? Integer{false, ToUnsignedWord(arg)} : ToInteger(arg);
  const std::string_view sign = d.conversion == 'u' ? "" : SignText(i.negative, d);
  AppendNumber(out, sign, Digits(i.magnitude, 10, d.precision), d, d.precision < 0);
}

void AppendHex(std::string& out, const FormatArg& arg, const Directive& d) {
  const uint64_t word = ToUnsignedWord(arg);
  const std::string_view prefix = d.alt && word != 0 ? "0X" : "";
  AppendNumber(out, prefix, Digits(word, 16, d.precision), d, d.precision < 0);
}

// The digits of a non-negative finite value with `precision` decimals, rounded like printf
// (from the exact binary value).
std::string_view FixedDigits(double magnitude, int precision, std::array<char, MaxRealChars>& buffer) {
#if defined(__EMSCRIPTEN__)
  // The web build's C++ library has no floating-point to_chars yet. Its printf rounds the same
  // way, and the page never changes the C locale, so the point stays a point.
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", precision, magnitude);
  return {buffer.data(), static_cast<size_t>(std::clamp(length, 0, static_cast<int>(buffer.size()) - 1))};
#else
  // std::to_chars ignores the C locale.
  const auto end =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, precision).ptr;
  return {buffer.data(), static_cast<size_t>(end - buffer.data())};
#endif
}

void AppendReal(std::string& out, double value, const Directive& d) {
  const int precision = d.precision < 0 ? 2 : d.precision;  // the two-decimal default
  const std::string_view sign = SignText(std::signbit(value), d);
  if (!std::isfinite(value)) {
    const bool upper = d.conversion == 'F';
    AppendNumber(out, sign, std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf"), d, false);
    return;
  }
  std::array<char, MaxRealChars> buffer;  // filled only as far as used
  AppendNumber(out, sign, FixedDigits(std::fabs(value), precision, buffer), d, true);
}

// A number given to %s reads as %d or %f would write it.
std::string PlainText(const FormatArg& arg) {
  std::string text;
  Directive plain;
  plain.conversion = std::holds_alternative<double>(arg.value()) ? 'f' : 'd';
  if (plain.conversion == 'f')
    AppendReal(text, ToReal(arg), plain);
  else
    AppendDecimal(text, arg, plain);
  return text;
}

void AppendText(std::string& out, const FormatArg& arg, const Directive& d) {
  const auto* view = std::get_if<std::string_view>(&arg.value());
  const std::string owned = view ? std::string() : PlainText(arg);
  std::string_view text = view ? *view : std::string_view(owned);
  if (d.precision >= 0) text = text.substr(0, d.precision);
  AppendPadded(out, text, d);
}

void AppendChar(std::string& out, const FormatArg& arg, const Directive& d) {
  if (const auto* text = std::get_if<std::string_view>(&arg.value())) {
    AppendPadded(out, text->substr(0, 1), d);
    return;
  }
  const Integer i = ToInteger(arg);
  const char low = static_cast<char>((i.negative ? 0 - i.magnitude : i.magnitude) & 0xFF);
  AppendPadded(out, std::string_view(&low, 1), d);
}

void AppendConverted(std::string& out, const FormatArg& arg, const Directive& d) {
  const auto* text = std::get_if<std::string_view>(&arg.value());
  switch (d.conversion) {
    case 's':
      AppendText(out, arg, d);
      return;
    case 'c':
      AppendChar(out, arg, d);
      return;
    default:
      break;
  }
  if (text) {  // a text where a number was expected is shown as it is
    AppendPadded(out, *text, d);
    return;
  }
  switch (d.conversion) {
    case 'd':
    case 'i':
    case 'u':
      AppendDecimal(out, arg, d);
      return;
    case 'x':
    case 'X':
      AppendHex(out, arg, d);
      return;
    case 'f':
    case 'F':
      AppendReal(out, ToReal(arg), d);
      return;
    default:
      return;
  }
}

bool IsConversion(char c) { return c != 0 && std::strchr("diuxXfFcs", c) != nullptr; }

// Digits or '*' at pos, moving pos past them; 0 when neither is there. Only a value
// taken from an argument can be negative.
int ParseField(std::string_view format, size_t& pos, ArgCursor& args) {
  if (pos < format.size() && format[pos] == '*') {
    ++pos;
    const FormatArg* arg = args.Take();
    const Integer i = arg ? ToInteger(*arg) : Integer{};
    const int size = static_cast<int>(std::min<uint64_t>(i.magnitude, MaxFieldSize));
    return i.negative ? -size : size;
  }
  int value = 0;
  for (; pos < format.size() && format[pos] >= '0' && format[pos] <= '9'; ++pos)
    value = std::min(value * 10 + (format[pos] - '0'), MaxFieldSize);
  return value;
}

void ParseFlags(std::string_view format, size_t& pos, Directive& d) {
  for (; pos < format.size(); ++pos) {
    switch (format[pos]) {
      case '-':
        d.left = true;
        break;
      case '+':
        d.plus = true;
        break;
      case ' ':
        d.space = true;
        break;
      case '0':
        d.zero = true;
        break;
      case '#':
        d.alt = true;
        break;
      default:
        return;
    }
  }
}

// Reads the directive that follows a '%' at pos; returns the position after it.
size_t ParseDirective(std::string_view format, size_t pos, Directive& d, ArgCursor& args) {
  ParseFlags(format, pos, d);
  const int width = ParseField(format, pos, args);
  d.left = d.left || width < 0;  // as C: a negative '*' width left-justifies
  d.width = std::abs(width);
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    const int precision = ParseField(format, pos, args);
    d.precision = precision < 0 ? -1 : precision;  // a lone '.' means 0; a negative '*' none
  }
  while (pos < format.size() && format[pos] != 0 && std::strchr("hlLjzt", format[pos])) ++pos;
  if (pos < format.size()) d.conversion = format[pos++];
  return pos;
}

}  // namespace

std::string FormatArgs(std::string_view format, std::span<const FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16);
  ArgCursor cursor(args);
  size_t pos = 0;
  while (pos < format.size()) {
    const size_t percent = format.find('%', pos);
    out.append(format.substr(pos, percent - pos));
    if (percent == std::string_view::npos) break;
    Directive d;
    pos = ParseDirective(format, percent + 1, d, cursor);
    if (d.conversion == '%') {
      out += '%';
    } else if (!IsConversion(d.conversion)) {
      out.append(format.substr(percent, pos - percent));
    } else if (const FormatArg* arg = cursor.Take()) {
      AppendConverted(out, *arg, d);
    }
  }
  return out;
}

}  // namespace orv5
