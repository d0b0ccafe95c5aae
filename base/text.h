#pragma once
// The two value types every part of the program passes around.
//
// Text: a byte string in the system multibyte code page (GBK, code page 936).
// A missing text and the empty text are the same value: "".
// Bytes: a length-counted byte buffer; the empty one has length 0.

#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<char>;
