#pragma once
// A complete, valid skin source for the tests to start from, and a way to
// change one of its lines.

#include "base/text.h"

Text SampleSource();

// SampleSource() with the line that begins with `key =` replaced by `line`
// (or removed when `line` is empty).
Text SampleSourceWith(const Text& key, const Text& line);
