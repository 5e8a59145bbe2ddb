#pragma once

class QDialog;

// The program's small tool windows open in the middle of the screen the first time
// and come forward when they are already open.
namespace ToolWindow {

void bringForward(QDialog &dialog);

} // namespace ToolWindow
