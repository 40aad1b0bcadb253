#pragma once
// Unloads every open window, from the last opened to the first, and ends the program. From here
// on failures are ignored.
void Shutdown();
