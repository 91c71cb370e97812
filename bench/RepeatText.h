#pragma once

#include <cstddef>
#include <string>

// `unit` repeated until the text is exactly `size` bytes long.
inline std::string RepeatToSize(const std::string& unit, std::size_t size)
{
  std::string text;
  if (unit.empty())
    return text;
  text.reserve(size + unit.size());
  while (text.size() < size)
    text += unit;
  text.resize(size);
  return text;
}
