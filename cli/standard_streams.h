#pragma once

namespace tavenor {

// Readies standard input, output and error for UTF-8 text. On Windows each is switched to binary
// mode, so that an LF stays an LF and a CR is not dropped, and each that is a console is read and
// written through the console's wide-character API, so that Chinese text shows and types
// correctly whatever the console's code page. Elsewhere there is nothing to do.
void PrepareStandardStreams();

} // namespace tavenor
