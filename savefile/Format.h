#pragma once
// printf-like text formatting for everything the program displays.
//
// Why not snprintf: the window sets the C library locale from the environment, and a
// German desktop would then print "12,50" where every view expects "12.50". Two rules
// differ from printf on purpose, and the displays are laid out for them:
//   - "%f" without a precision prints two decimals ("%f" of 12.5 is "12.50");
//   - "%x" prints upper-case digits, like "%X".
//
// Supported: flags '-', '0', '+', ' ', '#' (only "0X" before %x), a width and a
// precision (digits or '*' taken from the arguments), length modifiers (h, l, ll, z, j,
// t, L; ignored) and the conversions d i u x X f F c s %. Widths and precisions above
// 4096 count as 4096.
// Otherwise as C: integer precision is a minimum digit count and overrides '0'
// ("%02.2d" of 5 is "05", "%.0d" of 0 is empty); "%.3s" cuts a text to three bytes.
//
// Arguments never make formatting fail:
//   - a missing argument renders its directive as nothing (no padding either);
//   - an unknown conversion ("%q", a lone '%' at the end) is copied as written;
//   - a real given to %d/%i/%u/%x/%c is truncated toward zero (saturating; NaN is 0);
//   - an integer given to %f is converted to a real;
//   - a number given to %s is written as %d or %f would write it, then cut/padded as a text;
//   - a text given to a numeric conversion is written as the text itself, padded to the width;
//   - %u and %x of a negative value that fits 32 bits show its 32-bit two's complement
//     ("%08x" of -1 is "FFFFFFFF"), since the save's hashes are signed 32-bit integers;
//   - %c writes the low byte of an integer, or the first byte of a text.
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orv5 {

// One argument of Format. Holds texts by reference: it is meant to live only for the
// duration of the Format call, as in Format("%s", {name}).
class FormatArg {
 public:
  template <std::signed_integral T>
  FormatArg(T value) : value_(int64_t{value}) {}

  template <std::unsigned_integral T>
  FormatArg(T value) : value_(uint64_t{value}) {}

  template <std::floating_point T>
  FormatArg(T value) : value_(static_cast<double>(value)) {}

  FormatArg(const char* text) : value_(std::string_view(text ? text : "")) {}
  FormatArg(std::string_view text) : value_(text) {}
  FormatArg(const std::string& text) : value_(std::string_view(text)) {}

  // Exactly one of int64_t, uint64_t, double, std::string_view.
  const std::variant<int64_t, uint64_t, double, std::string_view>& value() const { return value_; }

 private:
  std::variant<int64_t, uint64_t, double, std::string_view> value_;
};

std::string FormatArgs(std::string_view format, std::span<const FormatArg> args);

inline std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  return FormatArgs(format, std::span<const FormatArg>(args.begin(), args.size()));
}

// Format("%4d/%3d", turn, limit) as well as Format("%4d/%3d", {turn, limit}).
template <typename... Args>
requires(std::constructible_from<FormatArg, const Args&>&&...) std::string
    Format(std::string_view format, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return FormatArgs(format, {});
  } else {
    const FormatArg list[] = {FormatArg(args)...};
    return FormatArgs(format, list);
  }
}

}  // namespace orv5
