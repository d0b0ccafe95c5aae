#pragma once
#include "base/text.h"

// One HTTP GET of an absolute address; the whole response body whatever its
// status, the part received when the connection breaks off, empty Bytes when
// the exchange fails before the body. Nothing is reported.
Bytes FetchUrl(const Text& address);

// Ends the process-wide HTTP session; the next fetch opens a new one.
void CloseInternetSession();
