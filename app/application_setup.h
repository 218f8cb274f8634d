#pragma once

namespace tavenor {

// Name, version, icon and the default font of the whole application; needs the QApplication.
void SetUpApplication();

} // namespace tavenor
