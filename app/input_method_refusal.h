#pragma once

class QPlainTextEdit;

namespace tavenor {

// A read-only multi-line box still tells input methods that it takes their text, and Qt inserts
// what one commits: a Chinese input method left on while the user selects a result would write
// into it. The box is made to answer that it takes none, and to drop a commit that comes anyway.
void RefuseInputMethods(QPlainTextEdit& box);

} // namespace tavenor
