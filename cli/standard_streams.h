#pragma once

namespace tavenor {

// Readies standard input, output and error for UTF-8 text, before anything is read or written
// and after std::ios::sync_with_stdio. On Windows each is switched to binary mode, so that an LF
// stays an LF and a CR is not dropped, and each that is a console is read and written through the
// console's wide-character API, so that Chinese text shows and types correctly whatever the
// console's code page. On Linux a closed output ends the process by SIGPIPE, as it ends other
// programs of a pipeline.
void PrepareStandardStreams();

} // namespace tavenor
