#pragma once
// The toolkit's key codes of the key names a tavo-batch script may use, so
// that scripts press keys as the viewport widget reports them without the
// batch shell depending on the toolkit.
#include <string_view>

// The code of a toolkit key name ("A", "7", "F5", "Delete", "PageUp", ...);
// -1 for a name outside the table.
int batchKeyCode(std::string_view name);
