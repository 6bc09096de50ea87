#pragma once
// The lookup windows over the demo database: the article list with its
// stock colours and a check list of options, opened through the lookup
// service as its callers open them, and the tree over families and over
// the chart of accounts, as an operator leaves them after a few clicks.
#include "Capture.h"

bool captureLookupWindows(const Capture& capture);
