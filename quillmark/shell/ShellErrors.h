#pragma once

namespace quillmark {

// Error numbers raised by the shell, in the ranges the classic run time used.
inline constexpr long kErrorCannotSizeMinimized = 384; // sizing a minimized/maximized window
inline constexpr long kErrorControlNotFound = 730;
inline constexpr long kErrorBadFormData = 31037;
inline constexpr long kErrorControlServer = 429; // component cannot create object

} // namespace quillmark
