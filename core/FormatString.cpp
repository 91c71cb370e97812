#include "core/FormatString.h"

std::string FormatOneString(const std::string& format, const std::string& value)
{
  std::string out;
  out.reserve(format.size() + value.size());
  bool valueUsed = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char next = format[i + 1];
      if (next == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (next == 's' && !valueUsed) {
        out += value;
        valueUsed = true;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}
