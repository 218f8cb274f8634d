#pragma once

namespace tavenor {

// Name, version, icon, Qt's own texts in Chinese and the default font of the whole application;
// needs the QApplication.
void SetUpApplication();

} // namespace tavenor
