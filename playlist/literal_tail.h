#pragma once
// The literal bytes that every match of a pattern ends with, read from the
// pattern's text. A search never needs to look past the last place where
// those bytes stand, which keeps a lazy group without its end marker from
// running through the rest of a long answer.

#include "base/text.h"

// The longest run of plain literal characters at the end of a Perl-syntax
// pattern (the text up to its first zero byte), or "" when the pattern's end
// is not such a run or when any construct could let a match end elsewhere or
// look beyond its own end: a top-level alternation, any "(?" or "(*" group,
// "$", an escape other than a plain class or an escaped metacharacter, an
// escape right before the run, an unusual character class. Case-insensitive
// patterns have no tail (their literals match more than one byte).
Text LiteralTail(const Text& pattern, bool caseSensitive);
