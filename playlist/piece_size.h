#pragma once
#include <cstdint>

// The size of the pieces in which an HTTP body is read, from the announced
// content length: the value plus one, at most 102400; 10240 when the length
// could not be queried (null), is not positive or has no digits.
uint32_t PieceSizeForContentLength(const char* contentLength);

// The header's text as a decimal integer: leading white space skipped, an
// optional sign, the digits up to the first other character; no digits give 0.
// Values beyond the 64-bit range saturate.
int64_t ParseDecimalPrefix(const char* text);
