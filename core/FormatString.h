#pragma once

#include <string>

// Fills a printf-style template that takes one text: the first "%s" becomes
// `value`, "%%" becomes "%", and every other percent sequence (a second "%s"
// included) stays as it stands. No other argument is ever read.
std::string FormatOneString(const std::string& format, const std::string& value);
