#pragma once
// The body of the playlist service's answer, in the service's own form: a
// callback-wrapped object literal with unquoted keys, in GBK.

#include <string>

// The answer for the QQ number exactly as it stood in the query (no trimming,
// no decoding). A number with a sample playlist gets it, possibly empty; any
// other text gets an error-style answer that holds no song.
std::string PlaylistAnswer(const std::string& uin);
