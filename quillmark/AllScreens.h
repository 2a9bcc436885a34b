#pragma once

namespace quillmark {

// Registers the factory of every screen of the program, from every screen
// folder, with the screens manager; called once at start-up, before the main
// window loads.
void registerAllScreens();

} // namespace quillmark
