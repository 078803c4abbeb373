#include "shell/Commands.h"

namespace gx {

Commands::Commands(Gridlex& state, Host& host, BoardDrawing& board) : state_(state), host_(host), board_(board) {}

void Commands::KeyDown(Key) {}
void Commands::KeyPress(char) {}
void Commands::BoardMouseDown(int, int, MouseButton) {}
void Commands::BoardMouseMove(int, int) {}
void Commands::BoardMouseUp(int, int, MouseButton) {}
void Commands::BoardDoubleClick() {}
void Commands::Grid1RowChanged(int) {}
void Commands::ButtonClick(Button) {}
void Commands::ButtonMouseDown(Button) {}
void Commands::CheckBoxChanged(int, bool) {}
void Commands::ComboBox2Changed(std::string_view) {}
void Commands::Edit1Changed(std::string_view) {}
void Commands::UpDown1Changing(int) {}
void Commands::Edit1FocusChanged(bool) {}
void Commands::MainWindowClosing() {}
std::string_view Commands::EraserButtonHint() const { return {}; }

}  // namespace gx
