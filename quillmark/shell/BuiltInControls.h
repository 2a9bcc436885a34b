#pragma once

#include "quillmark/shell/ControlFactory.h"

#include <functional>

namespace quillmark {

// Hands the creators of the standard control kinds (Label, TextBox, ComboBox,
// CheckBox, OptionButton, Frame, ListBox, PictureBox, Line, DatePicker, Grid,
// CommandButton) to add().
void registerBuiltInControls(
    const std::function<void(const QString& kind, ControlFactory::Creator creator)>& add);

} // namespace quillmark
