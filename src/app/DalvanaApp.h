#pragma once

// Starts the editor: the application object, the windows in their order, the loop.
int runDalvana(int argc, char *argv[]);
