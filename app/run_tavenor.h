#pragma once

#include "pinyin/pinyin_provider.h"

namespace tavenor {

// Start-up, the message loop and shutdown; needs the QApplication. Returns the exit code.
int RunTavenor(const PinyinProvider& provider);

} // namespace tavenor
